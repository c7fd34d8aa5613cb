#include "core/calc/placeadjustments.h"

#include <QtGlobal>

PlaceAdjustments PlaceAdjustments::of(const CustomPlace &place)
{
    PlaceAdjustments a;
    a.asarSchool = place.asarSchool;
    a.highLatitude = place.highLatitude;
    for (int slot = 0; slot < PrayerSlotCount; ++slot)
        a.adjustment[slot] = place.adjustment[slot];
    return a;
}

void PlaceAdjustments::applyTo(CustomPlace &place) const
{
    place.asarSchool = asarSchool;
    place.highLatitude = highLatitude;
    for (int slot = 0; slot < PrayerSlotCount; ++slot)
        place.adjustment[slot] = adjustment[slot];
}

bool PlaceAdjustments::changesRules() const
{
    // The values CustomPlace::effectiveConvention() acts on.
    const bool asar = asarSchool == CustomPlace::Shafii || asarSchool == CustomPlace::Hanafi;
    const bool rule = highLatitude >= PrayerConvention::NoHighLatitudeRule
                      && highLatitude <= PrayerConvention::AngleBased;
    return asar || rule;
}

bool PlaceAdjustments::isDefault() const
{
    if (changesRules())
        return false;
    for (int slot = 0; slot < PrayerSlotCount; ++slot) {
        if (minutes(slot) != 0)
            return false;
    }
    return true;
}

int PlaceAdjustments::minutes(int slot) const
{
    return qBound(-CustomPlace::MaxAdjustment, adjustment[slot], CustomPlace::MaxAdjustment);
}

bool PlaceAdjustments::operator==(const PlaceAdjustments &other) const
{
    if (asarSchool != other.asarSchool || highLatitude != other.highLatitude)
        return false;
    for (int slot = 0; slot < PrayerSlotCount; ++slot) {
        if (adjustment[slot] != other.adjustment[slot])
            return false;
    }
    return true;
}
