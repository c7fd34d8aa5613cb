// Prints how long the calendar page takes to build for the whole data
// coverage, and how long a zone change takes to reach every view.
//
//   bench_views [rounds]     (default 10)

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <vector>

#ifdef Q_OS_LINUX
#include <unistd.h>
#endif

#include "app/appmain.h"
#include "support/privatehome.h"
#include "ui/pages/pagecalendar.h"
#include "ui/pages/pagehome.h"
#include "ui/pages/xcalendar.h"

namespace {
struct Figures
{
    double min = 0, median = 0, mean = 0, max = 0;
};

Figures summarise(std::vector<double> samples)
{
    Figures f;
    if (samples.empty())
        return f;
    std::sort(samples.begin(), samples.end());
    f.min = samples.front();
    f.max = samples.back();
    f.median = samples[samples.size() / 2];
    double sum = 0;
    for (double s : samples)
        sum += s;
    f.mean = sum / samples.size();
    return f;
}

void print(const char *what, const Figures &f, int samples)
{
    std::printf("%-44s median %8.2f ms  min %8.2f  mean %8.2f  max %8.2f  (%d runs)\n",
                what, f.median, f.min, f.mean, f.max, samples);
}

double msSince(const QElapsedTimer &clock)
{
    return clock.nsecsElapsed() / 1e6;
}

// Resident memory of the process in KiB; -1 where it cannot be read.
long residentKiB()
{
#ifdef Q_OS_LINUX
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    if (fields.size() < 2)
        return -1;
    return fields.at(1).toLong() * (sysconf(_SC_PAGESIZE) / 1024);
#else
    return -1;
#endif
}
}

int main(int argc, char *argv[])
{
    const int rounds = argc > 1 ? qMax(1, atoi(argv[1])) : 10;

    // The program's settings go to a private home, never the user's.
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    usePrivateHome(home.path());

    AppMain::registerResources();
    static int appArgc = 1;
    static char *appArgv[] = {argv[0], nullptr};
    AppMain app(appArgc, appArgv);

    AlmarikManager *manager = appAlmarikManager();
    const QString zoneA = QStringLiteral("Kuala Lumpur");
    const QString zoneB = QStringLiteral("Kota Kinabalu");
    if (!manager->setZone(zoneA, false)) {
        std::fprintf(stderr, "bench_views: no timetable data (is AlmarikData next to the program?)\n");
        return 1;
    }
    int firstYear = 0, firstMonth = 0, lastYear = 0, lastMonth = 0;
    manager->dateRange(firstYear, firstMonth, lastYear, lastMonth);
    std::printf("Timetable data %s, coverage %d-%02d .. %d-%02d\n", qPrintable(manager->version()),
                firstYear, firstMonth, lastYear, lastMonth);

    // Building the calendar page (one calendar per covered month).
    std::vector<double> build;
    int calendars = 0;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer clock;
        clock.start();
        auto *page = new PageCalendar(manager, appLanguage());
        build.push_back(msSince(clock));
        calendars = page->calendars().size();
        delete page;
    }
    std::printf("Calendar page: %d calendars, %d day cells\n", calendars, calendars * XCalendar::CellCount);
    print("build calendar page", summarise(build), rounds);

    // A zone change with no view listening: the manager's own share.
    const int changes = rounds * 3;
    std::vector<double> bare;
    for (int change = 0; change < changes; ++change) {
        QElapsedTimer clock;
        clock.start();
        manager->setZone(change % 2 ? zoneA : zoneB, false);
        bare.push_back(msSince(clock));
    }
    print("zone change, no views", summarise(bare), changes);

    // A zone change with the home page and the calendar page listening.
    {
        PageHome homePage;
        PageCalendar calendarPage(manager, appLanguage());
        homePage.resize(648, 375);
        calendarPage.resize(648, 375);
        // One change first, so that both pages hold their refilled labels.
        manager->setZone(zoneB, false);
        const int objectsBefore = homePage.findChildren<QObject *>().size() + calendarPage.findChildren<QObject *>().size();
        const long residentBefore = residentKiB();
        std::vector<double> refresh;
        for (int change = 0; change < changes; ++change) {
            QElapsedTimer clock;
            clock.start();
            manager->setZone(change % 2 ? zoneB : zoneA, false);
            refresh.push_back(msSince(clock));
        }
        print("zone change, every view refreshed", summarise(refresh), changes);
        const int objectsAfter = homePage.findChildren<QObject *>().size() + calendarPage.findChildren<QObject *>().size();
        const long residentAfter = residentKiB();
        std::printf("objects in the two pages: %d before, %d after %d zone changes\n", objectsBefore, objectsAfter, changes);
        if (residentBefore >= 0)
            std::printf("resident memory: %ld KiB before, %ld KiB after (%+ld KiB)\n", residentBefore, residentAfter,
                        residentAfter - residentBefore);
        const Figures withViews = summarise(refresh);
        const Figures without = summarise(bare);
        std::printf("%-44s median %8.2f ms\n", "views' share of a zone change", withViews.median - without.median);
    }
    std::fflush(stdout);
    return 0;
}
