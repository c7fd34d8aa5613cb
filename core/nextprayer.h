#ifndef NEXTPRAYER_H
#define NEXTPRAYER_H

#include <QDateTime>
#include <QString>

#include "core/dailytimes.h"

class Language;

// Where a moment stands in the day's times: the period it falls in and the
// next prayer with the time left until it. Imsak, Syuruk and Duha are
// periods, not prayers: Syuruk ends Subuh's time, and before the day's
// Imsak the night still belongs to the previous evening's Isyak. After the
// day's Isyak the next prayer is the following day's Subuh. A Friday's
// Zohor is Jumaat.
class NextPrayer
{
public:
    // today holds the times of now's date; tomorrow those of the next day
    // (may be null: then no next prayer is known after Isyak). The times
    // are read on now's clock (its time zone or local time).
    NextPrayer(const QDateTime &now, const DailyTimes &today, const DailyTimes *tomorrow);

    bool isValid() const { return m_valid; }
    // The slot whose period holds now (PrayerSlot); Isyak before Imsak.
    int currentSlot() const { return m_current; }
    // True when the current period is a prayer's time (Subuh, Zohor, Asar,
    // Maghrib, Isyak), false for Imsak, Syuruk and Duha.
    bool currentIsPrayer() const { return isPrayer(m_current); }
    QDateTime currentStart() const { return m_currentStart; }

    // The next prayer (Subuh, Zohor, Asar, Maghrib or Isyak), or -1.
    int nextSlot() const { return m_next; }
    QDateTime nextTime() const { return m_nextTime; }
    bool nextIsJumaat() const { return m_next == Zohor && m_nextTime.date().dayOfWeek() == Qt::Friday; }
    bool currentIsJumaat() const
    {
        return m_current == Zohor && m_currentStart.date().dayOfWeek() == Qt::Friday;
    }
    // Whole minutes left until the next prayer, rounded up (at least 1
    // while it is still to come); -1 when there is none.
    int minutesLeft() const;

    // When what this object tells next changes: the next whole minute of
    // the countdown or the start of the next period, whichever comes
    // first (at most a minute away while a next prayer is known). A view
    // sets one single-shot timer to it instead of polling.
    QDateTime nextChange() const;

    static bool isPrayer(int slot);
    // The catalogue name of a slot on a date: "Prayer.Jumaat" for a
    // Friday's Zohor, "Prayer.<slot>" otherwise. In Ramadan Imsak is the
    // end of sahur ("Ramadan.Imsak") and Maghrib iftar ("Ramadan.Maghrib").
    static QString nameKey(int slot, const QDate &date, bool ramadan = false);

    // "Asar in 1 h 12 min" / "Asar dalam 1 jam 12 minit"; "" without a
    // next prayer.
    QString countdownText(const Language &language, bool ramadan = false) const;
    // "Zohor" / "Jumaat" / "Syuruk" ...: the current period's name.
    QString currentText(const Language &language, bool ramadan = false) const;
    // "1 h 12 min", "45 min", "2 h" in the language.
    static QString durationText(int minutes, const Language &language);

private:
    bool m_valid = false;
    int m_current = -1;
    QDateTime m_currentStart;
    int m_next = -1;
    QDateTime m_nextTime;
    QDateTime m_nextPeriod;  // start of the next slot of any kind
    QDateTime m_now;
};

#endif // NEXTPRAYER_H
