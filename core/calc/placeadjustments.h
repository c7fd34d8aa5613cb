#ifndef PLACEADJUSTMENTS_H
#define PLACEADJUSTMENTS_H

#include "core/calc/customplace.h"

// The user's choices on top of a place's convention: the Asar school, the
// high-latitude rule and whole minutes added to each time. The fixed
// places abroad share one set of them, kept in the settings; the user's
// own place keeps its own inside CustomPlace.
struct PlaceAdjustments
{
    int asarSchool = CustomPlace::ConventionAsar;
    int highLatitude = CustomPlace::ConventionHighLatitude;
    int adjustment[PrayerSlotCount] = {};   // whole minutes, -10..+10

    // The choices an own place holds, and the same written into one.
    static PlaceAdjustments of(const CustomPlace &place);
    void applyTo(CustomPlace &place) const;

    // Everything as the convention says.
    bool isDefault() const;
    // Whether the Asar school or the high-latitude rule is the user's:
    // such times are computed again, not only moved by minutes.
    bool changesRules() const;
    // The minutes added to a slot, held to -10..+10.
    int minutes(int slot) const;

    bool operator==(const PlaceAdjustments &other) const;
    bool operator!=(const PlaceAdjustments &other) const { return !(*this == other); }
};

#endif // PLACEADJUSTMENTS_H
