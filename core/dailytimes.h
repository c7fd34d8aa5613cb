#ifndef DAILYTIMES_H
#define DAILYTIMES_H

#include <QString>
#include <QTime>

#include "core/prayerslot.h"

// One calendar day of the selected zone. times[slot][0] is the hour (0-23)
// and times[slot][1] the minute, in PrayerSlot order. A zone's table holds
// ten years of days at once: the numbers are 16 bits wide, which keeps a
// day at 56 bytes instead of 104; read them as int.
struct DailyTimes
{
    qint16 day = 0;
    qint16 month = 0;
    qint16 year = 0;
    qint16 dayOfWeek = 0;  // 0 Sunday ... 6 Saturday
    qint16 hijriDay = 0;
    qint16 hijriYear = 0;
    QString hijriMonthName;
    qint16 times[PrayerSlotCount][2] = {};

    int hour(int slot) const { return times[slot][0]; }
    int minute(int slot) const { return times[slot][1]; }
    // "HH:MM" on the 24-hour clock.
    QString timeText(int slot) const
    {
        return QStringLiteral("%1:%2").arg(times[slot][0], 2, 10, QLatin1Char('0'))
                .arg(times[slot][1], 2, 10, QLatin1Char('0'));
    }
};

static_assert(sizeof(DailyTimes) <= 56, "a zone's ten years of days are held at once");

#endif // DAILYTIMES_H
