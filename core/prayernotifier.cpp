#include "core/prayernotifier.h"

#include <QTimeZone>
#include <QtGlobal>

#include <utility>

#include "core/appconfig.h"
#include "core/language.h"
#include "core/nextprayer.h"
#include "core/prayerslot.h"

namespace {

// "AlarmTime" index -> minutes before the time.
const int LeadMinutes[] = {0, 5, 10, 15, 30};
// "MessageDuration" index -> seconds; the last one stands for "Forever".
const int MessageSeconds[] = {0, 5, 10, 15, 30, 60, 2147483647};

constexpr int MinutesPerDay = 24 * 60;
constexpr int SecondsPerMinute = 60;

template<std::size_t N>
int entryOr0(const int (&table)[N], int index)
{
    if (index < 0 || index >= int(N))
        return table[0];
    return table[index];
}

using namespace NotifierSetting;

// The muazzins' names as they appear in the resource names.
const char *const Muazzins[] = {"Orvan", "Tessaly", "Belunar"};

// Resource names of the chimes, from "3 Beep" to "Hon".
const char *const Chimes[] = {
    "NotifyThreeBeep", "NotifyDingDong", "NotifyDing", "NotifyBird",
    "NotifyDoorBell", "NotifyClock", "NotifyDrop", "NotifyHon"
};

QString soundResource(const QString &name)
{
    return QStringLiteral("qrc:/sounds/") + name + QStringLiteral(".mp3");
}

} // namespace

PrayerNotifier::PrayerNotifier(const AppConfig &config, const Language &language,
                               TimesOfDay timesOfDay, ZoneName zoneName)
    : m_config(config)
    , m_language(language)
    , m_timesOfDay(std::move(timesOfDay))
    , m_zoneName(std::move(zoneName))
{
}

int PrayerNotifier::leadMinutes(int alarmTimeIndex)
{
    return entryOr0(LeadMinutes, alarmTimeIndex);
}

int PrayerNotifier::messageSeconds(int durationIndex)
{
    return entryOr0(MessageSeconds, durationIndex);
}

int PrayerNotifier::balloonMilliseconds(int durationIndex)
{
    const qint64 ms = qint64(messageSeconds(durationIndex)) * 1000;
    return int(qMin<qint64>(ms, MaxBalloonMilliseconds));
}

QString PrayerNotifier::soundUrl(int soundIndex, int muazinIndex, bool subuh, const QString &customPath)
{
    const bool knownMuazin = muazinIndex >= 0 && muazinIndex < int(sizeof(Muazzins) / sizeof(Muazzins[0]));
    switch (soundIndex) {
    case SoundAzan:
        if (!knownMuazin)
            return QString();
        return soundResource(QStringLiteral("Azan") + QLatin1String(Muazzins[muazinIndex])
                             + (subuh ? QStringLiteral("Subuh") : QString()));
    case SoundShortAzan:
        if (!knownMuazin)
            return QString();
        return soundResource(QStringLiteral("ShortAzan") + QLatin1String(Muazzins[muazinIndex]));
    case SoundIqamah:
        return soundResource(QStringLiteral("Iqamat"));
    case SoundCustom:
        return customPath;
    default:
        if (soundIndex >= SoundThreeBeep && soundIndex <= SoundHon)
            return soundResource(QLatin1String(Chimes[soundIndex - SoundThreeBeep]));
        return QString();
    }
}

QList<QPair<int, int>> PrayerNotifier::dueSlots(const QDateTime &minute, const DailyTimes &day) const
{
    QList<QPair<int, int>> due;
    const QTime time = minute.time();
    const int now = time.hour() * 60 + time.minute();
    for (int slot = 0; slot < PrayerSlotCount; ++slot) {
        if (m_config.prayer[slot].enable && now == day.hour(slot) * 60 + day.minute(slot))
            due.append(qMakePair(slot, 0));
    }
    for (int slot = 0; slot < PrayerSlotCount; ++slot) {
        const PrayerSettings &settings = m_config.prayer[slot];
        if (!settings.enable)
            continue;
        // A reminder's target past midnight belongs to tomorrow, whose
        // times are not today's record: such a reminder is not due today.
        const int lead = leadMinutes(settings.alarmTime);
        const int target = now + lead;
        if (lead > 0 && target < MinutesPerDay && target == day.hour(slot) * 60 + day.minute(slot))
            due.append(qMakePair(slot, lead));
    }
    return due;
}

int PrayerNotifier::dueSlot(const QDateTime &minute, const DailyTimes &day) const
{
    const QList<QPair<int, int>> due = dueSlots(minute, day);
    return due.isEmpty() ? -1 : due.first().first;
}

PrayerNotifier::Notice PrayerNotifier::notice(int slot, int leadMinutes, const QDateTime &minute) const
{
    Notice notice;
    if (slot < 0 || slot >= PrayerSlotCount)
        return notice;
    const PrayerSettings &settings = m_config.prayer[slot];
    const QString slotName = prayerSlotName(slot);
    // A Friday's Zohor is Jumaat, in the title as in the message.
    const bool jumaat = slot == Zohor && minute.date().dayOfWeek() == Qt::Friday;
    const QString prayerName = m_language.text(NextPrayer::nameKey(slot, minute.date()));
    const QString zone = m_zoneName ? m_zoneName() : QString();

    notice.slot = slot;
    notice.leadMinutes = leadMinutes;
    notice.minute = minute;
    notice.title = m_language.text(QStringLiteral("Notification.") + (jumaat ? QStringLiteral("Jumaat") : slotName));
    // Imsak, Syuruk and Duha are not prayers: their notices say what the
    // time is. A catalogue without such a text uses the general one.
    const QString messageKey = leadMinutes == 0 ? QStringLiteral("Notification.MsgOnTime")
                                                : QStringLiteral("Notification.MsgBeforeTime");
    QString message = m_language.text(messageKey + QLatin1Char('.') + slotName);
    if (message.isEmpty())
        message = m_language.text(messageKey);
    if (leadMinutes == 0)
        notice.message = message.arg(prayerName).arg(zone);
    else
        notice.message = message.arg(prayerName).arg(zone).arg(leadMinutes);
    notice.balloonMilliseconds = balloonMilliseconds(settings.messageDuration);
    const int sound = leadMinutes > 0 ? settings.reminderSound : settings.notificationSound;
    notice.soundUrl = soundUrl(sound, settings.muazin, slot == Subuh, settings.customSoundPath);
    notice.volume = qBound(0, settings.audioVolume, 100);
    return notice;
}

QList<PrayerNotifier::Notice> PrayerNotifier::examineAll(const QDateTime &minute) const
{
    QList<Notice> notices;
    DailyTimes day;
    if (!m_timesOfDay || !m_timesOfDay(minute.date(), day))
        return notices;
    const QList<QPair<int, int>> due = dueSlots(minute, day);
    for (const QPair<int, int> &entry : due)
        notices.append(notice(entry.first, entry.second, minuteOf(minute)));
    return notices;
}

PrayerNotifier::Notice PrayerNotifier::examine(const QDateTime &minute) const
{
    const QList<Notice> notices = examineAll(minute);
    return notices.isEmpty() ? Notice() : notices.first();
}

qint64 PrayerNotifier::rungKey(const Notice &notice)
{
    const qint64 slotKey = qint64(notice.minute.date().toJulianDay()) * PrayerSlotCount + notice.slot;
    return slotKey * 2 + (notice.isReminder() ? 1 : 0);
}

qint64 PrayerNotifier::dayOfRungKey(qint64 key)
{
    return key / (2 * PrayerSlotCount);
}

QDateTime PrayerNotifier::inTimeOf(const QDateTime &instant, const QDateTime &reference)
{
    switch (reference.timeSpec()) {
    case Qt::TimeZone:
        return instant.toTimeZone(reference.timeZone());
    case Qt::OffsetFromUTC:
        return instant.toOffsetFromUtc(reference.offsetFromUtc());
    default:
        return instant.toTimeSpec(reference.timeSpec());
    }
}

QDateTime PrayerNotifier::minuteOf(const QDateTime &time)
{
    // Cut off as an instant, not rebuilt from date and time: in the hour
    // that repeats when clocks go back, a rebuilt time would fall in the
    // first pass even when `time` lies in the second.
    const QTime t = time.time();
    return time.addMSecs(-(qint64(t.second()) * 1000 + t.msec()));
}

void PrayerNotifier::start(const QDateTime &now)
{
    // A minute counts as reached at its second 0; started later than that,
    // its moment has passed.
    m_lastExamined = minuteOf(now).toUTC();
    if (now.time().second() == 0)
        m_lastExamined = m_lastExamined.addSecs(-SecondsPerMinute);
}

QList<PrayerNotifier::Notice> PrayerNotifier::tick(const QDateTime &now)
{
    QList<Notice> notices;
    if (!now.isValid())
        return notices;
    if (!m_lastExamined.isValid())
        start(now);

    const QDateTime current = minuteOf(now);
    const qint64 behind = m_lastExamined.secsTo(current) / SecondsPerMinute;
    if (behind <= 0) {
        // The clock went back. A small step (a time-server correction) keeps
        // the minutes already examined; a large one starts afresh from now,
        // so the notifier is not mute for hours. Either way a prayer already
        // announced is not announced again (see m_rung).
        if (-behind <= CatchUpMinutes)
            return notices;
        start(now);
        if (m_lastExamined >= current)
            return notices;
    }

    QDateTime minute = m_lastExamined.addSecs(SecondsPerMinute);
    const QDateTime oldest = current.addSecs(-qint64(CatchUpMinutes) * SecondsPerMinute);
    if (minute < oldest)
        minute = oldest;
    for (; minute <= current; minute = minute.addSecs(SecondsPerMinute)) {
        // Examined in the local time of `now`, counted in UTC.
        const QList<Notice> due = examineAll(inTimeOf(minute, now));
        for (const Notice &notice : due) {
            // One reminder and one notice at the time per prayer of a day:
            // a time that occurs twice in local time (the night clocks go
            // back, a clock set back) is due once.
            const qint64 key = rungKey(notice);
            if (m_rung.contains(key))
                continue;
            m_rung.insert(key);
            notices.append(notice);
        }
    }
    m_lastExamined = current.toUTC();
    // Days long past need no memory.
    const qint64 today = current.date().toJulianDay();
    for (auto it = m_rung.begin(); it != m_rung.end();) {
        if (dayOfRungKey(*it) < today - 2)
            it = m_rung.erase(it);
        else
            ++it;
    }
    return notices;
}
