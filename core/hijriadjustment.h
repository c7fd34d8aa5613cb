#ifndef HIJRIADJUSTMENT_H
#define HIJRIADJUSTMENT_H

#include <QList>
#include <QString>

class AlmarikManager;
class AppConfig;
struct DailyTimes;

// The user's Hijri date adjustment (-2 .. +2 days) applied to what is
// shown. The adjustment is added to the table's Hijri date (as in
// IslamicDays): with +1, a day the table gives as 10 Ramadan is shown as
// 11 Ramadan. The shown Hijri date of a day is therefore the table's Hijri
// date of the day `adjustment` days later; the stored tables are never
// changed, only the copies handed to the windows.
class HijriAdjustment
{
public:
    // The adjustment in days for the stored "HijriAdjustment" setting.
    static int days(const AppConfig &config);

    // Moves the Hijri fields of each copy by adjustmentDays. A day whose
    // shifted partner lies outside the zone's table keeps its day count
    // moved within its month when that stays in 1..29, else is left as is.
    static void apply(const AlmarikManager &manager, QList<DailyTimes> &days, int adjustmentDays);
    static void apply(const AlmarikManager &manager, DailyTimes &day, int adjustmentDays);

    // The Hijri month(s) a Gregorian month spans, as the windows title it:
    // "Name Year" or "First - Last Year"; "" for no days.
    static QString monthTitle(const QList<DailyTimes> &days);
    // The title of a Gregorian month with the adjustment: the data's own
    // title when there is none, else built from the adjusted days.
    static QString monthTitle(const AlmarikManager &manager, int year, int month, int adjustmentDays);
};

#endif // HIJRIADJUSTMENT_H
