#ifndef CUSTOMPLACETIMES_H
#define CUSTOMPLACETIMES_H

#include <QDate>
#include <QList>
#include <QString>

#include <functional>

#include "core/calc/customplace.h"
#include "core/calc/prayercalculator.h"
#include "core/dailytimes.h"

class ConventionCatalogue;

// The days of the user's own place as DailyTimes, computed on demand, so
// that the notifier, the views and the export can take them exactly like a
// zone's days from the timetable plug-in (timesOfDay() fits
// PrayerNotifier::TimesOfDay).
class CustomPlaceTimes
{
public:
    // Fills a day's Hijri fields (and says whether it is in Ramadan by
    // returning the Hijri month number, 0 when unknown).
    using HijriSource = std::function<int(const QDate &date, DailyTimes &day)>;

    CustomPlaceTimes(const CustomPlace &place, const ConventionCatalogue &catalogue);

    // With a source, Hijri dates and Ramadan come from it (the timetable
    // plug-in's takwim); without, the Hijri fields stay empty and Ramadan
    // is that of Qt's Islamic civil calendar.
    void setHijriSource(HijriSource source);

    bool isValid() const;
    QString error() const;
    const CustomPlace &place() const { return m_place; }
    // The convention's display name, for the home page's heading.
    QString conventionName() const;

    bool timesOfDay(const QDate &date, DailyTimes &out) const;
    // Every day of the month; empty when a day has no times.
    QList<DailyTimes> timesOfMonth(int month, int year) const;

private:
    CustomPlace m_place;
    PrayerCalculator m_calculator;
    HijriSource m_hijri;
};

#endif // CUSTOMPLACETIMES_H
