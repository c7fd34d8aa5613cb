#include "core/qiblareport.h"

#include <cmath>

#include "core/language.h"
#include "core/qibla.h"

QiblaReport::QiblaReport(const Qibla &qibla, const QTimeZone &zone, const Language &language,
                         const QString &timeFormat)
    : m_qibla(qibla), m_zone(zone), m_language(language), m_timeFormat(timeFormat)
{
}

QString QiblaReport::bearingText() const
{
    if (!m_qibla.hasBearing())
        return m_language.text(QStringLiteral("Qibla.AtKaaba"));
    // 359.96 shows as 0.0, not 360.0.
    double shown = std::round(m_qibla.bearing() * 10.0) / 10.0;
    if (shown >= 360.0)
        shown -= 360.0;
    return m_language.text(QStringLiteral("Qibla.Bearing")).arg(QString::number(shown, 'f', 1));
}

QString QiblaReport::distanceText() const
{
    return m_language.text(QStringLiteral("Qibla.Distance"))
            .arg(QString::number(qRound64(m_qibla.distanceKm())));
}

QStringList QiblaReport::shadowTexts(const QDate &day) const
{
    QStringList lines;
    for (const Qibla::ShadowTime &time : m_qibla.shadowTimes(day, m_zone)) {
        const QString key = time.kind == Qibla::Shadow::Towards ? QStringLiteral("Qibla.ShadowTowards")
                                                                : QStringLiteral("Qibla.ShadowAway");
        lines << m_language.text(key).arg(time.moment.toTimeZone(m_zone).time().toString(m_timeFormat));
    }
    if (lines.isEmpty() && m_qibla.hasBearing())
        lines << m_language.text(QStringLiteral("Qibla.NoShadow"));
    return lines;
}

QStringList QiblaReport::overheadTexts(int year) const
{
    QStringList lines;
    for (const QDateTime &moment : Qibla::kaabaOverhead(year)) {
        const QDateTime local = moment.toTimeZone(m_zone);
        lines << m_language.text(QStringLiteral("Qibla.Overhead"))
                     .arg(m_language.shortDate(local.date()), local.time().toString(m_timeFormat));
    }
    return lines;
}
