#include "core/applicationinformation.h"

#include <QStringList>

#include "core/buildinfo.h"
#include "core/pluginbinder.h"
#include "plugin-api/iventabis.h"
#include "plugin-api/linkdefaults.h"

ApplicationInformation::ApplicationInformation()
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
    m_ventabis = PluginBinder::bind<IVentabis>(QStringLiteral("Ventabis"), "Ventabis data version:");
    if (m_ventabis) {
        m_website = m_ventabis->website();
        m_facebookPage = m_ventabis->facebookPage();
        m_supportMailLink = m_ventabis->supportMailLink();
        m_supportEmail = m_ventabis->supportEmail();
        m_downloadCenterUrl = m_ventabis->downloadCenterUrl();
        m_faqUrl = m_ventabis->faqUrl();
        m_whatsAppUrl = m_ventabis->whatsAppUrl();
        m_qtUrl = m_ventabis->qtUrl();
        m_openSslUrl = m_ventabis->openSslUrl();
    }
}

QString ApplicationInformation::productName()
{
    return QStringLiteral("Almarik Zenhar for Windows");
}

QString ApplicationInformation::shortName()
{
    return QStringLiteral("Almarik Zenhar");
}

QString ApplicationInformation::appVersion()
{
    if (m_appVersion.isEmpty())
        m_appVersion = QString::fromLatin1(BuildInfo::appVersion);
    return m_appVersion;
}

QString ApplicationInformation::dataVersion()
{
    if (m_dataVersion.isEmpty())
        m_dataVersion = QString::fromLatin1(BuildInfo::dataVersion);
    return m_dataVersion;
}

void ApplicationInformation::setDataVersion(const QString &version)
{
    m_dataVersion = version;
}

QString ApplicationInformation::buildTime()
{
    if (m_buildTime.isEmpty())
        m_buildTime = QString::fromLatin1(BuildInfo::buildTime);
    return m_buildTime;
}

QString ApplicationInformation::ventabisVersion() const
{
    return m_ventabis ? m_ventabis->version() : QString();
}

QDate ApplicationInformation::releaseDate() const
{
    return releaseDateOf(QString::fromLatin1(BuildInfo::appVersion));
}

QDate ApplicationInformation::releaseDateOf(const QString &version)
{
    const QStringList parts = version.split(QLatin1Char('.'));
    if (parts.size() != 4)
        return QDate(1900, 1, 1);
    const int yymm = parts.at(2).toInt();
    const int ddhh = parts.at(3).toInt();
    const QDate date(2000 + yymm / 100, yymm % 100, ddhh / 100);
    // A version text whose digits make no calendar date gives the same
    // fallback as a malformed one, never an invalid date.
    return date.isValid() ? date : QDate(1900, 1, 1);
}
