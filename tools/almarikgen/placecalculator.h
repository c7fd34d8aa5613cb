#ifndef PLACECALCULATOR_H
#define PLACECALCULATOR_H

#include "jakimtable.h"
#include "calculationplaces.h"

#include <QTimeZone>
#include <QVector>

class HijriCalculator;

// Times of a fixed place outside Malaysia by the convention that
// places.csv names for it (a record of data/conventions.csv), computed with
// the program's own PrayerCalculator, so the plug-in's table, this tool and
// the program give the same minutes. This class adds what is particular to
// the catalogue: Brunei's district offsets and computation point, and
// Makkah's Umm al-Qura Ramadan.
class PlaceCalculator
{
public:
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
