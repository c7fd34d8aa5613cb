#include "core/nextprayer.h"

#include <QDate>
#include <QTime>
#include <QTimeZone>

#include "core/language.h"

namespace {

// The moment a slot of a day starts, on the clock of reference.
QDateTime slotMoment(const DailyTimes &day, int slot, const QDateTime &reference)
{
    const QDate date(day.year, day.month, day.day);
    const QTime time(day.hour(slot), day.minute(slot));
    if (reference.timeSpec() == Qt::TimeZone)
        return QDateTime(date, time, reference.timeZone());
    if (reference.timeSpec() == Qt::OffsetFromUTC)
        return QDateTime(date, time, Qt::OffsetFromUTC, reference.offsetFromUtc());
    return QDateTime(date, time, reference.timeSpec());
}

} // namespace

NextPrayer::NextPrayer(const QDateTime &now, const DailyTimes &today, const DailyTimes *tomorrow)
    : m_now(now)
{
    const QDate date(today.year, today.month, today.day);
    if (!now.isValid() || !date.isValid())
        return;
    m_valid = true;

    // The last slot of the day that has begun is the current period.
    for (int slot = 0; slot < PrayerSlotCount; ++slot) {
        const QDateTime start = slotMoment(today, slot, now);
        if (start <= now) {
            m_current = slot;
            m_currentStart = start;
            continue;
        }
        if (!m_nextPeriod.isValid())
            m_nextPeriod = start;
        if (m_next < 0 && isPrayer(slot)) {
            m_next = slot;
            m_nextTime = start;
        }
    }
    if (m_current < 0) {
        // Before Imsak: the previous evening's Isyak still holds. Its start
        // is not in the day given; the day before's clock time is unknown.
        m_current = Isyak;
    }
    if (m_next < 0 && tomorrow) {
        const QDate next(tomorrow->year, tomorrow->month, tomorrow->day);
        if (next.isValid() && next > date) {
            m_next = Subuh;
            m_nextTime = slotMoment(*tomorrow, Subuh, now);
            m_nextPeriod = slotMoment(*tomorrow, Imsak, now);
        }
    }
}

bool NextPrayer::isPrayer(int slot)
{
    return slot == Subuh || slot == Zohor || slot == Asar || slot == Maghrib || slot == Isyak;
}

QString NextPrayer::nameKey(int slot, const QDate &date, bool ramadan)
{
    if (ramadan && slot == Imsak)
        return QStringLiteral("Ramadan.Imsak");
    if (ramadan && slot == Maghrib)
        return QStringLiteral("Ramadan.Maghrib");
    if (slot == Zohor && date.isValid() && date.dayOfWeek() == Qt::Friday)
        return QStringLiteral("Prayer.Jumaat");
    const QString name = prayerSlotName(slot);
    return name.isEmpty() ? QString() : QStringLiteral("Prayer.") + name;
}

int NextPrayer::minutesLeft() const
{
    if (m_next < 0)
        return -1;
    const qint64 ms = m_now.msecsTo(m_nextTime);
    return int((ms + 59999) / 60000);
}

QDateTime NextPrayer::nextChange() const
{
    if (!m_valid)
        return QDateTime();
    QDateTime change = m_nextPeriod;
    if (m_next >= 0) {
        // The shown count is the seconds left rounded up to minutes: it
        // drops when the seconds left reach the next lower multiple of 60.
        const qint64 msLeft = m_now.msecsTo(m_nextTime);
        const qint64 step = msLeft % 60000 == 0 ? 60000 : msLeft % 60000;
        const QDateTime tick = m_now.addMSecs(step);
        if (!change.isValid() || tick < change)
            change = tick;
    }
    return change;
}

QString NextPrayer::durationText(int minutes, const Language &language)
{
    const int hours = minutes / 60;
    const int rest = minutes % 60;
    if (hours == 0)
        return language.text(QStringLiteral("Countdown.Minutes")).arg(rest);
    if (rest == 0)
        return language.text(QStringLiteral("Countdown.Hours")).arg(hours);
    return language.text(QStringLiteral("Countdown.HoursMinutes")).arg(hours).arg(rest);
}

QString NextPrayer::countdownText(const Language &language, bool ramadan) const
{
    if (!m_valid || m_next < 0)
        return QString();
    const QString name = language.text(nameKey(m_next, m_nextTime.date(), ramadan));
    return language.text(QStringLiteral("Countdown.In")).arg(name, durationText(minutesLeft(), language));
}

QString NextPrayer::currentText(const Language &language, bool ramadan) const
{
    if (!m_valid || m_current < 0)
        return QString();
    // Before Imsak the period began the evening before, never a Friday's Zohor.
    const QDate date = m_currentStart.isValid() ? m_currentStart.date() : QDate();
    return language.text(nameKey(m_current, date, ramadan));
}
