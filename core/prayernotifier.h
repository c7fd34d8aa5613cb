#ifndef PRAYERNOTIFIER_H
#define PRAYERNOTIFIER_H

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QPair>
#include <QSet>
#include <QString>

#include <functional>

#include "core/dailytimes.h"

class AppConfig;
class Language;

// Decides, minute by minute, which prayer slot calls for a notification and
// what that notification says and plays. It has no widgets and reads no
// clock: the main window hands it the time on each timer tick and shows the
// notices it returns, so any minute of any day can be driven directly.
//
// The timer may miss a minute's second 0 (drift, a busy machine, suspend),
// so tick() remembers the last minute it examined and examines each later
// minute exactly once, catching up at most CatchUpMinutes minutes; older
// minutes (a night in suspend) are skipped without ringing. The last minute
// is kept as an absolute instant (UTC), and each prayer of a day gives its
// reminder and its notice at the time at most once each, however the local
// clock moves.
class PrayerNotifier
{
public:
    // What to show and play for one due slot.
    struct Notice
    {
        int slot = -1;
        int leadMinutes = 0;   // 0: the notice at the time; else a reminder
        QDateTime minute;  // the minute in which the slot was found due
        QString title;
        QString message;
        QString soundUrl;  // empty: play nothing
        int volume = 0;
        int balloonMilliseconds = 0;

        bool isValid() const { return slot >= 0; }
        bool isReminder() const { return leadMinutes > 0; }
    };

    // The selected zone's times for a date; false when there are none.
    using TimesOfDay = std::function<bool(const QDate &date, DailyTimes &out)>;
    // The selected zone's name, "" when none is selected.
    using ZoneName = std::function<QString()>;

    static constexpr int CatchUpMinutes = 5;
    static constexpr int MaxBalloonMilliseconds = 2147483647;

    PrayerNotifier(const AppConfig &config, const Language &language,
                   TimesOfDay timesOfDay, ZoneName zoneName);

    // Minutes before the time for an "AlarmTime" index; indices outside the
    // table count as "at the time".
    static int leadMinutes(int alarmTimeIndex);
    // Seconds for a "MessageDuration" index; indices outside the table count
    // as "Turn off" (0).
    static int messageSeconds(int durationIndex);
    // The balloon's time hint: the duration in milliseconds, at most
    // MaxBalloonMilliseconds ("Forever").
    static int balloonMilliseconds(int durationIndex);
    // The media URL for a sound choice; "" for "Turn off", an unknown choice
    // or an unknown muazzin. The custom path is returned unchanged.
    static QString soundUrl(int soundIndex, int muazinIndex, bool subuh, const QString &customPath);

    // What is due in the minute that holds `minute`, given that day's
    // times, as (slot, lead minutes): the notices at the time in slot order,
    // then the reminders in slot order. An enabled slot is due at its hour and minute,
    // and, when it has a reminder, when the minute plus the reminder's lead
    // time, still on the same day, is its hour and minute.
    QList<QPair<int, int>> dueSlots(const QDateTime &minute, const DailyTimes &day) const;
    // The first enabled slot due in that minute, or -1.
    int dueSlot(const QDateTime &minute, const DailyTimes &day) const;
    // The notice for a slot found due with the given lead time: a lead of
    // 0 is the notice at the time with the slot's sound, a larger one the
    // reminder with its reminder sound.
    Notice notice(int slot, int leadMinutes, const QDateTime &minute = QDateTime()) const;
    // Examines the one minute that holds `minute`: fetches that date's times
    // and returns every notice due in it, in the order of dueSlots().
    QList<Notice> examineAll(const QDateTime &minute) const;
    // The first of examineAll(), or an invalid notice.
    Notice examine(const QDateTime &minute) const;

    // Sets the starting point: the minute of `now` counts as examined unless
    // `now` lies in its second 0.
    void start(const QDateTime &now);
    // One timer tick at `now`: examines each minute after the last one
    // examined up to the minute of `now`, at most CatchUpMinutes minutes
    // back, and returns the notices due in them, oldest first.
    QList<Notice> tick(const QDateTime &now);
    QDateTime lastExamined() const { return m_lastExamined; }

    // The minute that holds `time` (seconds and milliseconds dropped).
    static QDateTime minuteOf(const QDateTime &time);
    // The instant in the same kind of time as reference (its zone, offset
    // or local time).
    static QDateTime inTimeOf(const QDateTime &instant, const QDateTime &reference);

private:
    const AppConfig &m_config;
    const Language &m_language;
    TimesOfDay m_timesOfDay;
    ZoneName m_zoneName;
    QDateTime m_lastExamined;   // UTC
    // Notices already given, as rungKey().
    QSet<qint64> m_rung;
    static qint64 rungKey(const Notice &notice);
    static qint64 dayOfRungKey(qint64 key);
};

#endif // PRAYERNOTIFIER_H
