#ifndef QIBLAREPORT_H
#define QIBLAREPORT_H

#include <QDate>
#include <QStringList>
#include <QTimeZone>

class Language;
class Qibla;

// The Qibla page's sentences for a place and a day, in the catalogue's
// language: the bearing, the distance, today's shadow times (or that
// there are none) and the two days the sun stands over the Kaaba. Times
// are shown on the zone's clock in timeFormat (QTime's form).
class QiblaReport
{
public:
    QiblaReport(const Qibla &qibla, const QTimeZone &zone, const Language &language,
                const QString &timeFormat = QStringLiteral("HH:mm"));

    // "Qibla direction: 292.5° from true north", or that the place is at
    // the Kaaba.
    QString bearingText() const;
    // "Distance to Makkah: 6974 km".
    QString distanceText() const;
    // One sentence per shadow time of the day, in time order, or the one
    // sentence that there is none.
    QStringList shadowTexts(const QDate &day) const;
    // One sentence per overhead noon of the year, with date and time.
    QStringList overheadTexts(int year) const;

private:
    const Qibla &m_qibla;
    QTimeZone m_zone;
    const Language &m_language;
    QString m_timeFormat;
};

#endif // QIBLAREPORT_H
