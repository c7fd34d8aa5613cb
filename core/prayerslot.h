#ifndef PRAYERSLOT_H
#define PRAYERSLOT_H

#include <QString>

// The eight daily time slots, in the fixed order used to index the
// settings blocks, the times of a day and the language keys
// ("Prayer.<name>", "Notification.<name>", "ConfMain.<name>").
enum PrayerSlot {
    Imsak = 0,
    Subuh,
    Syuruk,
    Duha,
    Zohor,
    Asar,
    Maghrib,
    Isyak
};

constexpr int PrayerSlotCount = 8;

// "Imsak", "Subuh", ... for a slot; "" outside 0-7.
QString prayerSlotName(int slot);

#endif // PRAYERSLOT_H
