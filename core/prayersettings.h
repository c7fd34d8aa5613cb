#ifndef PRAYERSETTINGS_H
#define PRAYERSETTINGS_H

#include <QString>

// The stored integers of a prayer slot's notifier settings, by name. The
// fields stay plain ints (they are combo-box indices and are stored as
// such); readers range-check them, since a file may hold anything.
namespace NotifierSetting {

// "MessageDuration": how long the notice stays up.
enum MessageDuration {
    DurationOff = 0, Duration5Seconds, Duration10Seconds, Duration15Seconds,
    Duration30Seconds, Duration1Minute, DurationForever
};

// "AlarmTime": minutes before the time of a reminder given in addition to
// the notice at the time; "at the time" (0) gives no reminder.
enum AlarmTime { AtTheTime = 0, Before5Minutes, Before10Minutes, Before15Minutes, Before30Minutes };

// "NotificationSound".
enum Sound {
    SoundOff = 0, SoundAzan, SoundShortAzan, SoundIqamah, SoundThreeBeep, SoundDingDong,
    SoundDing, SoundBird, SoundDoorBell, SoundClock, SoundDrop, SoundHon, SoundCustom
};

// "Muazin": the voice of the azan.
enum Muazin { MuazinOrvan = 0, MuazinTessaly, MuazinBelunar };

} // namespace NotifierSetting

// Notifier settings of one prayer slot.
struct PrayerSettings
{
    bool enable = true;
    int messageDuration = NotifierSetting::Duration15Seconds;
    int alarmTime = NotifierSetting::AtTheTime;
    int notificationSound = NotifierSetting::SoundShortAzan;
    int muazin = NotifierSetting::MuazinBelunar;
    QString customSoundPath;
    int audioVolume = 80;       // 0-100
    // "ReminderSound": what the reminder before the time plays (a
    // NotifierSetting::Sound; "Custom" plays customSoundPath).
    int reminderSound = NotifierSetting::SoundDing;
};

#endif // PRAYERSETTINGS_H
