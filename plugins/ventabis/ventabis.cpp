#include "plugins/ventabis/ventabis.h"

#include "plugin-api/pluginexport.h"

#ifndef VENTABIS_VERSION
#error "VENTABIS_VERSION must be set by the build"
#endif

Ventabis::Ventabis()
    : m_links(LinkSet::builtIn())
{
}

Ventabis::~Ventabis() = default;

QString Ventabis::version() const { return QStringLiteral(VENTABIS_VERSION); }
QString Ventabis::website() const { return m_links.website; }
QString Ventabis::facebookPage() const { return m_links.facebookPage; }
QString Ventabis::supportMailLink() const { return m_links.supportMailLink; }
QString Ventabis::supportEmail() const { return m_links.supportEmail; }
QString Ventabis::downloadCenterUrl() const { return m_links.downloadCenterUrl; }
QString Ventabis::faqUrl() const { return m_links.faqUrl; }
QString Ventabis::whatsAppUrl() const { return m_links.whatsAppUrl; }
QString Ventabis::qtUrl() const { return m_links.qtUrl; }
QString Ventabis::openSslUrl() const { return m_links.openSslUrl; }

ALMARIK_DECLARE_PLUGIN_INTERFACE(IVentabis)

ALMARIK_PLUGIN_EXPORT IVentabis *getApi()
{
    return new Ventabis;
}

ALMARIK_PLUGIN_EXPORT bool freeApi(IVentabis **api)
{
    if (api && *api)
        delete *api;
    return true;
}
