#include "core/appconfig.h"

#include "core/configsaver.h"
#include "core/configstore.h"

AppConfig::AppConfig()
{
    using namespace NotifierSetting;
    // No azan is called for Imsak, Syuruk and Duha: they are not times of
    // an obligatory prayer. Imsak (the fast begins) and Syuruk (Subuh time
    // has ended) matter enough for a chime; the voluntary Duha gets its
    // notice without a sound, so that mornings are not rung twice within
    // half an hour.
    for (int slot = 0; slot < PrayerSlotCount; ++slot)
        prayer[slot].notificationSound = SoundAzan;
    prayer[Imsak].notificationSound = SoundDingDong;
    prayer[Syuruk].notificationSound = SoundDing;
    prayer[Duha].notificationSound = SoundOff;
}

bool AppConfig::load()
{
    return ConfigStore::load(*this);
}

bool AppConfig::save()
{
    if (m_saver.saver) {
        m_saver.saver->markChanged();
        return true;
    }
    return ConfigStore::save(*this);
}

bool AppConfig::flush()
{
    if (m_saver.saver)
        return m_saver.saver->flush();
    return ConfigStore::save(*this);
}

void AppConfig::initialise()
{
    if (m_saver.saver)
        m_saver.saver->initialise();
    else
        ConfigStore::initialise(*this);
}
