// A Ventabis plug-in whose links all differ from the program's built-in
// ones, to show that the plug-in's values win.
#include "plugin-api/iventabis.h"
#include "plugin-api/pluginexport.h"

namespace {
class OtherLinks : public IVentabis
{
public:
    QString version() const override { return QStringLiteral("2030010100000000"); }
    QString website() const override { return QStringLiteral("https://distributor.test/"); }
    QString facebookPage() const override { return QStringLiteral("https://distributor.test/social"); }
    QString supportMailLink() const override { return QStringLiteral("mailto:help@distributor.test?Subject=Almarik%20Zenhar"); }
    QString supportEmail() const override { return QStringLiteral("help@distributor.test"); }
    QString downloadCenterUrl() const override { return QStringLiteral("https://distributor.test/dl"); }
    QString faqUrl() const override { return QStringLiteral("https://distributor.test/faq"); }
    QString whatsAppUrl() const override { return QStringLiteral("https://chat.distributor.test/"); }
    QString qtUrl() const override { return QStringLiteral("https://qt.distributor.test/"); }
    QString openSslUrl() const override { return QStringLiteral("https://openssl.distributor.test/"); }
};
}

ALMARIK_DECLARE_PLUGIN_INTERFACE(IVentabis)

ALMARIK_PLUGIN_EXPORT IVentabis *getApi()
{
    return new OtherLinks;
}

ALMARIK_PLUGIN_EXPORT bool freeApi(IVentabis **api)
{
    if (api && *api)
        delete *api;
    return true;
}
