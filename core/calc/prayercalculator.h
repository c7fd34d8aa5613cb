#ifndef PRAYERCALCULATOR_H
#define PRAYERCALCULATOR_H

#include <QDate>
#include <QHash>
#include <QString>
#include <QTimeZone>

#include <functional>

#include "core/calc/prayerconvention.h"

// The eight daily times of any point on Earth by a calculation convention,
// on the place's own clock. The generator computes the fixed places abroad
// with it at build time and the program computes the user's own place with
// it at run time.
//
// Each time is computed as a moment in UTC (sun events from SolarCalc) and
// shown on the local clock in force at that moment, so a clock change in
// the night moves only the times after it, and half- and quarter-hour
// offsets come out as they are. Subuh and Isyak follow the convention's
// high-latitude rule. A year in which that rule puts a time outside its
// day in the weeks around the summer solstice takes one seventh of the
// night all year (and any other day where it does, that day). Duha is the
// moment the sun stands 4.5 degrees high; Imsak is the convention's
// minutes before Subuh.
class PrayerCalculator
{
public:
    PrayerCalculator(double latitude, double longitude, const QTimeZone &zone,
                     const PrayerConvention &convention);

    // Whether Isyak's Ramadan interval applies on a day. By default Qt's
    // Islamic civil calendar decides.
    void setRamadanRule(std::function<bool(const QDate &)> isRamadan);
    // Whole minutes added to every time after rounding (the user's own
    // adjustments, or a district's published offset). Imsak follows Subuh.
    void setMinutesAdded(int slot, int minutes);

    // False (with the reason in error()) for an unknown zone or an invalid
    // convention.
    bool isValid() const;
    QString error() const { return m_error; }

    // Minutes after local midnight of `date` for each PrayerSlot. False
    // when the sun does not rise or set that day (polar day or night).
    bool timesOfDay(const QDate &date, int minutes[PrayerSlotCount]) const;

    // The same moments before rounding and before the added minutes
    // (Imsak left unset): what a fit against a published table works on.
    bool unroundedTimesOfDay(const QDate &date, double local[PrayerSlotCount]) const;
    // A local time rounded to its clock minute as the convention rounds.
    static int roundedMinute(const PrayerConvention &convention, int slot, double local);

    const PrayerConvention &convention() const { return m_convention; }

    // Moonsighting Committee's seasonal twilight, minutes before sunrise
    // (morning) or after sunset (evening, general shafaq).
    static double seasonalMorningMinutes(double latitude, const QDate &date);
    static double seasonalEveningMinutes(double latitude, const QDate &date);

private:
    double utcOffsetAtNoon(const QDate &date) const;
    double sunriseUtc(const QDate &date) const;
    double sunsetUtc(const QDate &date) const;
    PrayerConvention::HighLatitudeRule ruleOfYear(int year) const;
    bool toLocal(const QDate &date, const double t[PrayerSlotCount], double local[PrayerSlotCount]) const;
    bool dayInUtc(const QDate &date, PrayerConvention::HighLatitudeRule rule, double t[PrayerSlotCount]) const;

    double m_latitude;
    double m_longitude;
    QTimeZone m_zone;
    PrayerConvention m_convention;
    std::function<bool(const QDate &)> m_isRamadan;
    int m_added[PrayerSlotCount] = {};
    QString m_error;
    mutable QHash<qint64, double> m_rise;
    mutable QHash<qint64, double> m_set;
    mutable QHash<int, PrayerConvention::HighLatitudeRule> m_yearRule;
};

#endif // PRAYERCALCULATOR_H
