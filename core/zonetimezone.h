#ifndef ZONETIMEZONE_H
#define ZONETIMEZONE_H

#include <QString>
#include <QTimeZone>

// The clock a zone's timetable is written in. The data plug-in gives a
// zone's times as wall-clock hours and minutes without naming the time
// zone; exports that carry a time zone (iCalendar) and the Qibla page's
// shadow times need it.
class ZoneTimeZone
{
public:
    // The IANA time zone of a zone code of the place catalogue (WLY01,
    // SBH07, Tokyo, ...); an invalid zone for a code it does not know.
    static QTimeZone of(const QString &zoneCode);
    // of(), or the system's time zone when the code is unknown.
    static QTimeZone orSystem(const QString &zoneCode);
};

#endif // ZONETIMEZONE_H
