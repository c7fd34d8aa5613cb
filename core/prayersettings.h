#ifndef PRAYERSETTINGS_H
#define PRAYERSETTINGS_H

#include <QString>

// Notifier settings of one prayer slot. The integers are indices into the
// notifier's tables and are kept as stored: readers range-check them.
struct PrayerSettings
{
    bool enable = true;
    int messageDuration = 3;    // 0 off, 1 5 s, 2 10 s, 3 15 s, 4 30 s, 5 1 min, 6 forever
    int alarmTime = 0;          // 0 at the time, 1 5, 2 10, 3 15, 4 30 minutes before
    int notificationSound = 2;  // 0 off ... 12 custom sound; 2 short call to prayer
    int muazin = 2;             // 0, 1 or 2
    QString customSoundPath;
    int audioVolume = 80;       // 0-100
};

#endif // PRAYERSETTINGS_H
