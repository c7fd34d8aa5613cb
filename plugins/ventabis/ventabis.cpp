#include "plugins/ventabis/ventabis.h"

#include "plugin-api/linkdefaults.h"
#include "plugin-api/pluginexport.h"

#ifndef VENTABIS_VERSION
#error "VENTABIS_VERSION must be set by the build"
#endif

Ventabis::Ventabis()
    : m_website(QString::fromLatin1(LinkDefaults::website))
    , m_facebookPage(QString::fromLatin1(LinkDefaults::facebookPage))
    , m_supportMailLink(QString::fromLatin1(LinkDefaults::supportMailLink))
    , m_supportEmail(QString::fromLatin1(LinkDefaults::supportEmail))
    , m_downloadCenterUrl(QString::fromLatin1(LinkDefaults::downloadCenterUrl))
    , m_faqUrl(QString::fromLatin1(LinkDefaults::faqUrl))
    , m_whatsAppUrl(QString::fromLatin1(LinkDefaults::whatsAppUrl))
    , m_qtUrl(QString::fromLatin1(LinkDefaults::qtUrl))
    , m_openSslUrl(QString::fromLatin1(LinkDefaults::openSslUrl))
{
}

Ventabis::~Ventabis() = default;

QString Ventabis::version() const { return QStringLiteral(VENTABIS_VERSION); }
QString Ventabis::website() const { return m_website; }
QString Ventabis::facebookPage() const { return m_facebookPage; }
QString Ventabis::supportMailLink() const { return m_supportMailLink; }
QString Ventabis::supportEmail() const { return m_supportEmail; }
QString Ventabis::downloadCenterUrl() const { return m_downloadCenterUrl; }
QString Ventabis::faqUrl() const { return m_faqUrl; }
QString Ventabis::whatsAppUrl() const { return m_whatsAppUrl; }
QString Ventabis::qtUrl() const { return m_qtUrl; }
QString Ventabis::openSslUrl() const { return m_openSslUrl; }

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
