#ifndef APPCONFIG_H
#define APPCONFIG_H

#include <QString>

#include "core/calc/customplace.h"
#include "core/prayerslot.h"
#include "core/prayersettings.h"

// Every user setting of the program, held in memory and persisted as
// "App.cnf" by ConfigStore. Readers take a field when they need it; a
// writer changes the field and calls save().
class AppConfig
{
public:
    QString zone = QStringLiteral("Kuala Lumpur");
    bool autoStart = true;
    bool showSplashScreen = true;
    bool askBeforeExit = true;
    QString language = QStringLiteral("English");
    bool autoUpdate = true;
    bool updateOnStartup = true;
    bool notifyUpdateComplete = true;
    bool promptNewVersion = true;
    int updateInterval = 0;   // 0 everyday, 1 every 3 days, 2 weekly, 3 every two weeks, 4 monthly
    int hourSystem = 1;       // 0 12-hour, 1 24-hour
    int hijriAdjustment = 0;  // 0 none, 1 -1 day, 2 -2 days, 3 +1 day, 4 +2 days
    PrayerSettings prayer[PrayerSlotCount];
    // The user's own place, computed in the program; used instead of
    // `zone` when useCustomPlace is set.
    bool useCustomPlace = false;
    CustomPlace customPlace;

    // Reads "App.cnf" into this record; false (record untouched) when the
    // file is missing or unreadable.
    bool load();
    // Writes the whole record; true only when the file was replaced.
    bool save();
    // Start-up: load, or write the defaults when there is nothing usable,
    // then bring the auto-start entry in line with the setting.
    void initialise();
};

#endif // APPCONFIG_H
