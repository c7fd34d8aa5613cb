#ifndef HIJRITABLELOOKUP_H
#define HIJRITABLELOOKUP_H

#include <QString>

#include "plugins/almarikdata/almariktables.h"

// Answers lookups in the static Hijri day table and month title table.
// It holds no state of its own.
class HijriTableLookup
{
public:
    // The Hijri row of a Gregorian date, found by binary search; null when
    // the date is outside the table.
    const AlmarikTables::HijriDayRow *dayOf(int year, int month, int day) const;
    // The name of a row's Hijri month ("Rejab").
    static const char *monthName(const AlmarikTables::HijriDayRow &row);
    // "<title> <hijri year>" of a Gregorian month, e.g.
    // "Rabiul Akhir - Jamadil Awal 1438"; "" for a month without a row.
    QString monthTitle(int year, int month) const;
};

#endif // HIJRITABLELOOKUP_H
