#ifndef APPCONFIG_H
#define APPCONFIG_H

#include <QString>

#include "core/calc/customplace.h"
#include "core/calc/placeadjustments.h"
#include "core/prayerslot.h"
#include "core/prayersettings.h"

class ConfigSaver;

// Every user setting of the program, held in memory and persisted as
// "App.cnf" by ConfigStore. Readers take a field when they need it; a
// writer changes the field and calls save().
//
// A record with a ConfigSaver attached (the program's own) treats save()
// as "changed": the saver tells its listeners and writes the file once
// within ConfigSaver::DelayMs, so a burst of changes (a slider drag) costs
// one write. A record without one (a copy, a tool, a test) writes at once.
class AppConfig
{
public:
    // "UpdateInterval".
    enum UpdateInterval { UpdateEveryday = 0, UpdateEvery3Days, UpdateWeekly, UpdateEvery2Weeks, UpdateMonthly };
    // "AlmarikHourSystem".
    enum HourSystem { Hour12 = 0, Hour24 };
    // "HijriAdjustment".
    enum HijriAdjustment { HijriNone = 0, HijriMinus1, HijriMinus2, HijriPlus1, HijriPlus2 };

    QString zone = QStringLiteral("Kuala Lumpur");
    // Off until the user turns it on (a file that holds the key keeps it).
    bool autoStart = false;
    bool showSplashScreen = true;
    bool askBeforeExit = true;
    QString language = QStringLiteral("English");
    bool autoUpdate = true;
    bool updateOnStartup = true;
    bool notifyUpdateComplete = true;
    bool promptNewVersion = true;
    int updateInterval = UpdateEveryday;
    int hourSystem = Hour24;
    int hijriAdjustment = HijriNone;
    PrayerSettings prayer[PrayerSlotCount];
    // The user's own place, computed in the program; used instead of
    // `zone` when useCustomPlace is set.
    bool useCustomPlace = false;
    CustomPlace customPlace;
    // The Asar school, high-latitude rule and minutes of the fixed places
    // abroad (one set for all of them); JAKIM's zones take none.
    PlaceAdjustments abroadAdjustments;

    // The defaults of a new settings file: the azan for the five prayers
    // (its Subuh variant at Subuh), a chime at Imsak and Syuruk, and Duha
    // shown without a sound. A file read over the record keeps the user's
    // choices; only the values it lacks keep these.
    AppConfig();

    // Reads "App.cnf" into this record; false (record untouched) when the
    // file is missing or unreadable.
    bool load();
    // Records a change. With a saver attached: tells its listeners and
    // saves within the delay; true. Without: writes the whole record now;
    // true only when the file was replaced.
    bool save();
    // Writes a pending change now (true when there was none). Without a
    // saver, the same as save().
    bool flush();
    // Start-up: load, or write the defaults when there is nothing usable,
    // then bring the auto-start entry in line with the setting.
    void initialise();

    // The saver attached to this record, or null. Copies never share it.
    ConfigSaver *saver() const { return m_saver.saver; }

private:
    friend class ConfigSaver;
    struct SaverLink
    {
        ConfigSaver *saver = nullptr;
        SaverLink() = default;
        SaverLink(const SaverLink &) {}
        SaverLink &operator=(const SaverLink &) { return *this; }
    };
    SaverLink m_saver;
};

#endif // APPCONFIG_H
