#ifndef CUSTOMPLACE_H
#define CUSTOMPLACE_H

#include <QString>

#include "core/calc/prayercalculator.h"
#include "core/calc/prayerconvention.h"

class ConventionCatalogue;

// The user's own place: where it is, its clock, the convention its times
// follow and the user's choices on top of it. Kept in the settings; the
// program and `almarik-gen --latitude` turn it into times through
// calculator().
struct CustomPlace
{
    enum AsarSchool { ConventionAsar = 0, Shafii = 1, Hanafi = 2 };
    static constexpr int ConventionHighLatitude = -1;
    static constexpr int MaxAdjustment = 10;

    QString name;
    double latitude = 0;
    double longitude = 0;
    QString timeZone;                      // IANA name
    QString convention = QStringLiteral("MWL");
    int asarSchool = ConventionAsar;
    int highLatitude = ConventionHighLatitude;   // or a PrayerConvention::HighLatitudeRule
    int adjustment[PrayerSlotCount] = {};  // whole minutes, -10..+10

    // A place the program can compute: a name, coordinates in range and a
    // known time zone.
    bool isUsable() const;

    // The convention of `catalogue` with the user's Asar school and
    // high-latitude rule; invalid when the code is unknown.
    PrayerConvention effectiveConvention(const ConventionCatalogue &catalogue) const;
    // A calculator for the place with the user's adjustments (each held
    // to -10..+10).
    PrayerCalculator calculator(const ConventionCatalogue &catalogue) const;
};

#endif // CUSTOMPLACE_H
