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

namespace {

// Appends the kept days among days to found, unsorted. lastName and month
// carry the last Hijri month looked up from one call to the next.
template<typename Days>
void collectKeptDays(const Days &days, int adjustment, QString &lastName, int &month,
                     QList<IslamicDays::Day> &found)
{
    for (const DailyTimes &day : days) {
        if (day.hijriYear <= 0)
            continue;
        if (day.hijriMonthName != lastName) {
            lastName = day.hijriMonthName;
            month = IslamicDays::hijriMonthNumber(lastName);
        }
        for (const KeptDay &kept : KeptDays) {
            if (kept.month != month || kept.day != day.hijriDay)
                continue;
            const QDate date = QDate(day.year, day.month, day.day).addDays(-adjustment);
            if (date.isValid())
                found.append(IslamicDays::Day{date, QString::fromLatin1(kept.key), kept.day, kept.month,
                                              day.hijriYear});
        }
    }
}

void sortByDate(QList<IslamicDays::Day> &found)
{
    std::stable_sort(found.begin(), found.end(),
                     [](const IslamicDays::Day &a, const IslamicDays::Day &b) { return a.date < b.date; });
}

} // namespace

QList<IslamicDays::Day> IslamicDays::resolve(const QList<DailyTimes> &days, int adjustmentDays)
{
    const int adjustment = std::max(-2, std::min(2, adjustmentDays));
    QList<Day> found;
    // A month's name repeats on each of its days: looked up once a month.
    QString lastName;
    int month = 0;
    collectKeptDays(days, adjustment, lastName, month, found);
    sortByDate(found);
    return found;
}

QList<IslamicDays::Day> IslamicDays::resolve(const AlmarikManager &manager, int adjustmentDays)
{
    // The zone's whole table as it is held, without copying it by months.
    const int adjustment = std::max(-2, std::min(2, adjustmentDays));
    QList<Day> found;
    QString lastName;
    int hijriMonth = 0;
    collectKeptDays(manager.days(), adjustment, lastName, hijriMonth, found);
    sortByDate(found);
    return found;
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
