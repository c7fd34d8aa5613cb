#ifndef ISLAMICDAYS_H
#define ISLAMICDAYS_H

#include <QDate>
#include <QList>
#include <QString>

#include "core/dailytimes.h"

class AlmarikManager;

// The days of the Islamic year that Malaysians keep, placed on the
// Gregorian calendar by the Hijri dates of the timetable's days.
class IslamicDays
{
public:
    struct Day
    {
        QDate date;        // Gregorian, after the adjustment
        QString nameKey;   // catalogue key, "Event.Aidilfitri" ...
        int hijriDay = 0;
        int hijriMonth = 0;  // 1 Muharram ... 12 Zulhijjah
        int hijriYear = 0;
    };

    // The days found in the given days' Hijri dates, in date order. The
    // adjustment (-2..+2, clamped) is what the user adds to the table's
    // Hijri dates: with +1 every Hijri date comes a day earlier, so every
    // kept day falls one Gregorian day earlier.
    static QList<Day> resolve(const QList<DailyTimes *> &days, int adjustmentDays);
    // The same over every month the manager's selected zone covers.
    static QList<Day> resolve(const AlmarikManager &manager, int adjustmentDays);
    // The days of one list that fall on a date (usually none or one).
    static QList<Day> on(const QList<Day> &days, const QDate &date);

    // Whether a date falls in Ramadan on the adjusted Hijri calendar: the
    // Hijri date of a day is the table's date of the day adjustmentDays
    // later. False where the table has no such day.
    static bool isRamadan(const AlmarikManager &manager, const QDate &date, int adjustmentDays);

    // The stored adjustment setting (0 none, 1 -1, 2 -2, 3 +1, 4 +2) in days.
    static int adjustmentFromSetting(int setting);
    // 1-12 for the Hijri month names of the tables ("Rabiul Awal" ...); 0 otherwise.
    static int hijriMonthNumber(const QString &name);
};

#endif // ISLAMICDAYS_H
