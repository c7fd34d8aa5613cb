#include "core/hijriadjustment.h"

#include <QDate>

#include "core/almarikmanager.h"
#include "core/appconfig.h"
#include "core/dailytimes.h"
#include "core/islamicdays.h"

int HijriAdjustment::days(const AppConfig &config)
{
    return IslamicDays::adjustmentFromSetting(config.hijriAdjustment);
}

void HijriAdjustment::apply(const AlmarikManager &manager, DailyTimes &day, int adjustmentDays)
{
    if (adjustmentDays == 0)
        return;
    const QDate shifted = QDate(day.year, day.month, day.day).addDays(adjustmentDays);
    DailyTimes partner;
    if (shifted.isValid() && manager.timesOfDay(shifted.day(), shifted.month(), shifted.year(), partner)
            && partner.hijriYear > 0) {
        day.hijriDay = partner.hijriDay;
        day.hijriMonthName = partner.hijriMonthName;
        day.hijriYear = partner.hijriYear;
        return;
    }
    // At the table's ends: move within the month where that is certain.
    const int moved = day.hijriDay + adjustmentDays;
    if (moved >= 1 && moved <= 29)
        day.hijriDay = moved;
}

void HijriAdjustment::apply(const AlmarikManager &manager, QList<DailyTimes> &days, int adjustmentDays)
{
    for (DailyTimes &day : days)
        apply(manager, day, adjustmentDays);
}

QString HijriAdjustment::monthTitle(const QList<DailyTimes> &days)
{
    if (days.isEmpty())
        return QString();
    const DailyTimes &first = days.first();
    const DailyTimes &last = days.last();
    if (first.hijriMonthName == last.hijriMonthName)
        return QStringLiteral("%1 %2").arg(last.hijriMonthName).arg(last.hijriYear);
    return QStringLiteral("%1 - %2 %3").arg(first.hijriMonthName, last.hijriMonthName).arg(last.hijriYear);
}

QString HijriAdjustment::monthTitle(const AlmarikManager &manager, int year, int month, int adjustmentDays)
{
    if (adjustmentDays == 0)
        return manager.hijriMonthTitle(year, month);
    QList<DailyTimes> days;
    if (!manager.timesOfMonth(month, year, days))
        return QString();
    apply(manager, days, adjustmentDays);
    return monthTitle(days);
}
