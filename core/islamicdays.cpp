#include "core/islamicdays.h"

#include <algorithm>

#include "core/almarikmanager.h"

namespace {

struct KeptDay
{
    int month;
    int day;
    const char *key;
};

const KeptDay KeptDays[] = {
    {1, 1, "Event.AwalMuharram"},
    {3, 12, "Event.MaulidurRasul"},
    {7, 27, "Event.IsrakMikraj"},
    {8, 15, "Event.NisfuSyaaban"},
    {9, 1, "Event.AwalRamadan"},
    {9, 17, "Event.NuzulQuran"},
    {10, 1, "Event.Aidilfitri"},
    {12, 9, "Event.HariArafah"},
    {12, 10, "Event.Aidiladha"},
};

} // namespace

int IslamicDays::hijriMonthNumber(const QString &name)
{
    static const char *const names[12] = {"Muharram", "Safar", "Rabiul Awal", "Rabiul Akhir",
                                          "Jamadil Awal", "Jamadil Akhir", "Rejab", "Syaaban",
                                          "Ramadan", "Syawal", "Zulkaedah", "Zulhijjah"};
    const QString simple = name.simplified();
    for (int i = 0; i < 12; ++i) {
        if (simple.compare(QLatin1String(names[i]), Qt::CaseInsensitive) == 0)
            return i + 1;
    }
    return 0;
}

int IslamicDays::adjustmentFromSetting(int setting)
{
    switch (setting) {
    case 1: return -1;
    case 2: return -2;
    case 3: return 1;
    case 4: return 2;
    default: return 0;
    }
}

QList<IslamicDays::Day> IslamicDays::resolve(const QList<DailyTimes> &days, int adjustmentDays)
{
    const int adjustment = std::max(-2, std::min(2, adjustmentDays));
    QList<Day> found;
    // A month's name repeats on each of its days: looked up once a month.
    QString lastName;
    int month = 0;
    for (const DailyTimes &day : days) {
        if (day.hijriYear <= 0)
            continue;
        if (day.hijriMonthName != lastName) {
            lastName = day.hijriMonthName;
            month = hijriMonthNumber(lastName);
        }
        for (const KeptDay &kept : KeptDays) {
            if (kept.month != month || kept.day != day.hijriDay)
                continue;
            const QDate date = QDate(day.year, day.month, day.day).addDays(-adjustment);
            if (date.isValid())
                found.append(Day{date, QString::fromLatin1(kept.key), kept.day, kept.month, day.hijriYear});
        }
    }
    std::stable_sort(found.begin(), found.end(), [](const Day &a, const Day &b) { return a.date < b.date; });
    return found;
}

QList<IslamicDays::Day> IslamicDays::resolve(const AlmarikManager &manager, int adjustmentDays)
{
    int firstYear = 0, firstMonth = 0, lastYear = 0, lastMonth = 0;
    if (!manager.dateRange(firstYear, firstMonth, lastYear, lastMonth))
        return {};
    QList<DailyTimes> all;
    for (int year = firstYear, month = firstMonth;
         year < lastYear || (year == lastYear && month <= lastMonth);) {
        QList<DailyTimes> days;
        if (manager.timesOfMonth(month, year, days))
            all += days;
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }
    return resolve(all, adjustmentDays);
}

QList<IslamicDays::Day> IslamicDays::on(const QList<Day> &days, const QDate &date)
{
    QList<Day> out;
    for (const Day &day : days) {
        if (day.date == date)
            out.append(day);
    }
    return out;
}

bool IslamicDays::isRamadan(const AlmarikManager &manager, const QDate &date, int adjustmentDays)
{
    const QDate shifted = date.addDays(std::max(-2, std::min(2, adjustmentDays)));
    DailyTimes day;
    if (!shifted.isValid() || !manager.timesOfDay(shifted.day(), shifted.month(), shifted.year(), day))
        return false;
    return hijriMonthNumber(day.hijriMonthName) == 9;
}
