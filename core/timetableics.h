#ifndef TIMETABLEICS_H
#define TIMETABLEICS_H

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QTimeZone>

#include "core/dailytimes.h"

class Language;

// The day table as an iCalendar (RFC 5545) file written with KDE's
// KCalendarCore: one event per chosen prayer and day, in the zone's time
// zone (with its VTIMEZONE), optionally with a display alarm some minutes
// before. The UIDs depend only on the zone, the date and the prayer, so a
// calendar that imports the file again updates its events instead of
// doubling them.
class TimetableIcs
{
public:
    struct Options
    {
        QString zoneCode;
        QString placeName;
        QString source;
        QTimeZone timeZone;
        QList<int> prayerSlots{Subuh, Zohor, Asar, Maghrib, Isyak};
        int alarmMinutes = -1;  // no alarm when negative
        int durationMinutes = 0;
    };

    // One prayer of one day as the file holds it.
    struct Event
    {
        QString uid;
        QString summary;
        QString description;    // none when empty
        QDateTime start;
        QDateTime end;
        int alarmMinutes = -1;  // no alarm when negative
        QString alarmText;
    };

    // The events the file holds, in order.
    static QList<Event> events(const QList<DailyTimes> &days, const Options &options,
                               const Language *language = nullptr);

    // The file's text, written by the calendar module (AlmarikIcs); empty
    // when the module cannot be loaded or when there is nothing to write (no days, no
    // prayerSlots or an invalid time zone). Event names come from the language
    // when given (Jumaat on Fridays), else the prayerSlots' own names.
    static QByteArray build(const QList<DailyTimes> &days, const Options &options,
                            const Language *language = nullptr);
    static QString uid(const QString &zoneCode, const QDate &date, int slot);
    // "subuh,zohor" -> prayerSlots; false on an unknown name.
    static bool parseSlots(const QString &list, QList<int> *prayerSlots);
};

#endif // TIMETABLEICS_H
