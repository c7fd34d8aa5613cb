#ifndef PLACECALCULATOR_H
#define PLACECALCULATOR_H

#include "jakimtable.h"
#include "calculationplaces.h"

#include <QTimeZone>
#include <QVector>

class HijriCalculator;

// Times of a place outside Malaysia by its calculation convention, on the
// place's own clock (daylight saving included, date by date).
//
// Each time is computed as a moment in UTC and shown on the local clock in
// force at that moment, so a change of clock in the night moves only the
// times after it. Prayer starts are rounded up to the minute and Syuruk
// down, as JAKIM does; Imsak is Subuh less 10 minutes; Duha is the moment
// the sun stands 4.5 degrees above the horizon.
//
// Where twilight lasts all night (or nearly, at high latitudes in summer),
// Subuh and Isyak are held to the angle-based share of the night (angle/60
// of the time from sunset to sunrise); a place where even that puts Isyak
// past midnight uses one seventh of the night for the whole year, so that
// every time stays within its day.
class PlaceCalculator
{
public:
    struct Convention
    {
        QString code;
        double fajrAngle = 18;
        double ishaAngle = 17;
        double ishaInterval = 0;          // minutes after Maghrib, 0 = by angle
        double ishaIntervalRamadan = 0;   // same, in Ramadan
        double offsets[JakimTable::PrayerCount] = {};   // minutes added before rounding
    };

    // The convention for a `method` code of places.csv; false if unknown.
    static bool convention(const QString &code, Convention *result);

    // Minutes added to every time for a place (Brunei's district offsets).
    static int districtOffset(const PlaceRecord &place);
    // Point that a place's times are computed for (Brunei's districts use
    // the published table's point, Bandar Seri Begawan, plus their offset).
    static void computationPoint(const PlaceRecord &place, const CalculationPlaces &catalogue,
                                 double *latitude, double *longitude);

    // The first day of a Hijri month by the Umm al-Qura calendar, which
    // Makkah's timetable follows: the day after the first evening, from the
    // conjunction on, at which the moon sets after the sun in Makkah. The
    // month is the one that `hijri` (JAKIM's takwim) begins on `jakimStart`;
    // the two calendars may start it a day apart.
    static QDate ummAlQuraMonthStart(const QDate &jakimStart);

    // Every day of `year` for the place. `hijri` finds Ramadan for
    // conventions whose Isyak changes in it (may be null); for Umm al-Qura
    // the month's bounds are then moved to that calendar's. `error` is set
    // and an empty vector returned when the place's time zone or convention
    // is unknown.
    static QVector<ZoneDay> computeYear(const PlaceRecord &place, const CalculationPlaces &catalogue,
                                        int year, const HijriCalculator *hijri, QString *error);
};

#endif
