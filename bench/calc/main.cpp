// Prints what computing one month of a place of one's own costs at run
// time: the calculator's first month (cold caches) and further months of
// other places and years, against the plug-in-free floor of building the
// same month's DailyTimes from fixed numbers, as min/median/max.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

#include <algorithm>
#include <vector>

#include "core/calc/conventioncatalogue.h"
#include "core/customplacetimes.h"

namespace {

struct Stats
{
    double min, median, max;
};

Stats statsOf(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return {v.front(), v[v.size() / 2], v.back()};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const char *const zones[] = {"Europe/London", "America/New_York", "Australia/Sydney", "Asia/Kathmandu",
                                 "Europe/Oslo", "Asia/Riyadh"};
    const double lats[] = {51.5, 40.7, -33.9, 27.7, 59.9, 21.4};
    const double lons[] = {-0.13, -74.0, 151.2, 85.3, 10.7, 39.8};
    const char *const methods[] = {"MWL", "ISNA", "MWL", "MWL", "MSC", "UMMALQURA"};

    std::vector<double> calc, floor;
    QElapsedTimer timer;
    for (int run = 0; run < 60; ++run) {
        const int i = run % 6;
        CustomPlace place;
        place.name = QStringLiteral("bench");
        place.latitude = lats[i] + run * 0.01;
        place.longitude = lons[i];
        place.timeZone = QString::fromLatin1(zones[i]);
        place.convention = QString::fromLatin1(methods[i]);
        const int year = 2026 + run / 6;   // a year not computed before: cold sun-position caches
        const int month = 1 + run % 12;

        timer.start();
        const CustomPlaceTimes times(place, ConventionCatalogue::builtIn());
        const QList<DailyTimes> days = times.timesOfMonth(month, year);
        calc.push_back(timer.nsecsElapsed() / 1e6);
        if (days.isEmpty())
            out << "no times for " << place.timeZone << ' ' << year << '-' << month << '\n';

        // Interleaved floor: the same month's DailyTimes from fixed numbers.
        timer.start();
        QList<DailyTimes> fixed;
        for (QDate d(year, month, 1); d.month() == month; d = d.addDays(1)) {
            DailyTimes t;
            t.day = d.day();
            t.month = month;
            t.year = year;
            for (int s = 0; s < PrayerSlotCount; ++s) {
                t.times[s][0] = 5 + s * 2;
                t.times[s][1] = d.day();
            }
            fixed << t;
        }
        floor.push_back(timer.nsecsElapsed() / 1e6);
    }
    const Stats c = statsOf(calc), f = statsOf(floor);
    out << "one month of a place of one's own, ms (min/median/max over 60 places and years): "
        << c.min << " / " << c.median << " / " << c.max << '\n';
    out << "floor (the month's records from fixed numbers), ms: " << f.min << " / " << f.median << " / " << f.max
        << '\n';
    out << "ratio of medians: " << (f.median > 0 ? c.median / f.median : 0) << '\n';
    return 0;
}
