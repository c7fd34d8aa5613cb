#ifndef DAILYTIMES_H
#define DAILYTIMES_H

#include <QString>
#include <QTime>

#include "core/prayerslot.h"

// One calendar day of the selected zone. times[slot][0] is the hour (0-23)
// and times[slot][1] the minute, in PrayerSlot order.
struct DailyTimes
{
    int day = 0;
    int month = 0;
    int year = 0;
    int dayOfWeek = 0;  // 0 Sunday ... 6 Saturday
    int hijriDay = 0;
    QString hijriMonthName;
    int hijriYear = 0;
    int times[PrayerSlotCount][2] = {};

    int hour(int slot) const { return times[slot][0]; }
    int minute(int slot) const { return times[slot][1]; }
    // "HH:MM" on the 24-hour clock.
    QString timeText(int slot) const
    {
        return QStringLiteral("%1:%2").arg(times[slot][0], 2, 10, QLatin1Char('0'))
                .arg(times[slot][1], 2, 10, QLatin1Char('0'));
    }
};

#endif // DAILYTIMES_H
