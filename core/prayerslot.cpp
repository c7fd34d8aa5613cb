#include "core/prayerslot.h"

QString prayerSlotName(int slot)
{
    static const char *const names[PrayerSlotCount] = {
        "Imsak", "Subuh", "Syuruk", "Duha", "Zohor", "Asar", "Maghrib", "Isyak"
    };
    if (slot < 0 || slot >= PrayerSlotCount)
        return QString();
    return QString::fromLatin1(names[slot]);
}
