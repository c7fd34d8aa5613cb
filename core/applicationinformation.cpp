#include "core/applicationinformation.h"

#include <QSysInfo>

#include <QStringList>

#include "core/buildinfo.h"
#include "core/pluginbinder.h"
#include "plugin-api/iventabis.h"

ApplicationInformation::ApplicationInformation()
    : m_links(LinkSet::builtIn())
{
    m_ventabis = PluginBinder::bind<IVentabis>(QStringLiteral("Ventabis"), "Ventabis data version:");
    if (m_ventabis)
        m_links = LinkSet::of(*m_ventabis);
}

QString ApplicationInformation::productName()
{
    return QStringLiteral("Almarik Zenhar for ") + platformName();
}

QString ApplicationInformation::platformName()
{
#if defined(Q_OS_WIN)
    return QStringLiteral("Windows");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("macOS");
#elif defined(Q_OS_LINUX)
    return QStringLiteral("Linux");
#else
    return QSysInfo::kernelType();
#endif
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
