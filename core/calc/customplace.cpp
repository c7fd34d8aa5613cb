#include "core/calc/customplace.h"

#include "core/calc/conventioncatalogue.h"

#include <QTimeZone>

#include <cmath>

bool CustomPlace::isUsable() const
{
    return !name.trimmed().isEmpty() && std::fabs(latitude) <= 90.0 && std::fabs(longitude) <= 180.0
           && QTimeZone(timeZone.toUtf8()).isValid();
}

PrayerConvention CustomPlace::effectiveConvention(const ConventionCatalogue &catalogue) const
{
    PrayerConvention c = catalogue.find(convention);
    if (!c.isValid())
        return c;
    if (asarSchool == Shafii || asarSchool == Hanafi)
        c.asarFactor = asarSchool;
    if (highLatitude >= PrayerConvention::NoHighLatitudeRule && highLatitude <= PrayerConvention::AngleBased)
        c.highLatitude = PrayerConvention::HighLatitudeRule(highLatitude);
    return c;
}

PrayerCalculator CustomPlace::calculator(const ConventionCatalogue &catalogue) const
{
    PrayerCalculator calc(latitude, longitude, QTimeZone(timeZone.toUtf8()), effectiveConvention(catalogue));
    for (int slot = 0; slot < PrayerSlotCount; ++slot)
        calc.setMinutesAdded(slot, qBound(-MaxAdjustment, adjustment[slot], MaxAdjustment));
    return calc;
}
