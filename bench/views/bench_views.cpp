// The calendar page's build and the refresh of every view after a zone
// change, each beside an empty frameless QWidget of the same size doing the
// same (built and painted; repainted), interleaved in the same run.
//
//   bench_views [--plugins DIR] [pairs]      (default 11 pairs)
//
// With --plugins the timetable comes from the plug-in in DIR (the
// benchmark's synthetic one covers ALMARIK_BENCH_MONTHS months).

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "app/appmain.h"
#include "bench/common/benchfigures.h"
#include "core/pluginbinder.h"
#include "support/privatehome.h"
#include "ui/pages/pagecalendar.h"
#include "ui/pages/pagehome.h"
#include "ui/pages/xcalendar.h"

namespace {
const QSize PageSize(648, 375);

// Wall-clock time, or with ALMARIK_BENCH_CPU=1 the thread's CPU time, which
// other work on a loaded machine disturbs less.
struct Clock
{
    bool cpu = qEnvironmentVariableIntValue("ALMARIK_BENCH_CPU") == 1;
    QElapsedTimer wall;
    double cpuStart = 0;

    static double cpuNow()
    {
        timespec now {};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
    }
    void start()
    {
        wall.start();
        cpuStart = cpuNow();
    }
    void restart() { start(); }
};

double msSince(const Clock &clock)
{
    return clock.cpu ? Clock::cpuNow() - clock.cpuStart : clock.wall.nsecsElapsed() / 1e6;
}

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

QWidget *emptyWindow()
{
    auto *window = new QWidget;
    window->setWindowFlags(Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    window->resize(PageSize);
    return window;
}
}

int main(int argc, char *argv[])
{
    QString plugins;
    int pairs = 11;
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--plugins") == 0 && i + 1 < argc)
            plugins = QString::fromLocal8Bit(argv[++i]);
        else
            pairs = qMax(1, atoi(argv[i]));
    }

    // The program's settings go to a private home, never the user's.
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    usePrivateHome(home.path());
    if (!plugins.isEmpty())
        PluginBinder::setPluginDirectory(plugins);

    AppMain::registerResources();
    static int appArgc = 1;
    static char *appArgv[] = {argv[0], nullptr};
    AppMain app(appArgc, appArgv);

    AlmarikManager *manager = appAlmarikManager();
    Language *language = appLanguage();
    QString zoneA = QStringLiteral("Kuala Lumpur");
    QString zoneB = QStringLiteral("Kota Kinabalu");
    if (!manager->setZone(zoneA, false)) {
        zoneA = QStringLiteral("Alpha");
        zoneB = QStringLiteral("Beta");
    }
    if (!manager->setZone(zoneA, false)) {
        std::fprintf(stderr, "bench_views: no timetable data (is AlmarikData next to the program?)\n");
        return 1;
    }
    int firstYear = 0, firstMonth = 0, lastYear = 0, lastMonth = 0;
    manager->dateRange(firstYear, firstMonth, lastYear, lastMonth);
    const int months = (lastYear - firstYear) * 12 + lastMonth - firstMonth + 1;
    std::printf("Timetable data %s, %d months (%d-%02d .. %d-%02d), %s / %s\n", qPrintable(manager->version()), months,
                firstYear, firstMonth, lastYear, lastMonth, qPrintable(zoneA), qPrintable(zoneB));
    std::printf("times: %s\n", Clock().cpu ? "CPU time of the benchmark's thread" : "wall clock");
    printHeader();

    // Building the calendar page and painting what it shows first.
    {
        QList<double> page, floor;
        const auto buildPage = [&] {
            Clock clock;
            clock.start();
            auto *calendar = new PageCalendar(manager, language);
            calendar->resize(PageSize);
            calendar->grab();
            page.append(msSince(clock));
            delete calendar;
        };
        const auto buildEmpty = [&] {
            Clock clock;
            clock.start();
            QWidget *window = emptyWindow();
            window->grab();
            floor.append(msSince(clock));
            delete window;
        };
        buildPage();
        buildEmpty();
        page.clear();
        floor.clear();
        for (int pair = 0; pair < pairs; ++pair) {
            if (pair % 2) {
                buildEmpty();
                buildPage();
            } else {
                buildPage();
                buildEmpty();
            }
        }
        const QByteArray label = QStringLiteral("calendar page build, %1 months").arg(months).toLatin1();
        printRow(label.constData(), "ms", page, floor, 2);
    }

    // A zone change with no view listening: the manager's own share.
    {
        QList<double> bare;
        for (int change = 0; change < pairs * 2; ++change) {
            Clock clock;
            clock.start();
            manager->setZone(change % 2 ? zoneA : zoneB, false);
            bare.append(msSince(clock));
        }
        printRow("zone change, no view (manager alone)", "ms", bare, {}, 2);
    }

    // A zone change with the home page and the calendar page on screen,
    // until both have repainted.
    {
        PageHome homePage(appMain()->uiContext());
        PageCalendar calendarPage(manager, language);
        homePage.resize(PageSize);
        calendarPage.resize(PageSize);
        homePage.show();
        calendarPage.show();
        QWidget *emptyA = emptyWindow();
        QWidget *emptyB = emptyWindow();
        emptyA->show();
        emptyB->show();
        if (!QTest::qWaitForWindowExposed(&calendarPage) || !QTest::qWaitForWindowExposed(emptyB))
            std::fprintf(stderr, "bench_views: the pages were not exposed\n");
        manager->setZone(zoneB, false);
        homePage.repaint();
        calendarPage.repaint();
        const int objectsBefore = homePage.findChildren<QObject *>().size() + calendarPage.findChildren<QObject *>().size();
        const long residentBefore = residentKiB();

        QList<double> change, floor;
        for (int pair = 0; pair < pairs * 2; ++pair) {
            Clock clock;
            clock.start();
            manager->setZone(pair % 2 ? zoneB : zoneA, false);
            homePage.repaint();
            calendarPage.repaint();
            change.append(msSince(clock));
            clock.restart();
            emptyA->repaint();
            emptyB->repaint();
            floor.append(msSince(clock));
        }
        printRow("zone change, every view refreshed", "ms", change, floor, 2);

        // The same, one page at a time: where the time goes.
        QList<double> calendarOnly, homeOnly, floorOne;
        homePage.hide();
        for (int pair = 0; pair < pairs * 2; ++pair) {
            Clock clock;
            clock.start();
            manager->setZone(pair % 2 ? zoneB : zoneA, false);
            calendarPage.repaint();
            calendarOnly.append(msSince(clock));
            clock.restart();
            emptyA->repaint();
            floorOne.append(msSince(clock));
        }
        homePage.show();
        calendarPage.hide();
        for (int pair = 0; pair < pairs * 2; ++pair) {
            Clock clock;
            clock.start();
            manager->setZone(pair % 2 ? zoneB : zoneA, false);
            homePage.repaint();
            homeOnly.append(msSince(clock));
        }
        calendarPage.show();
        printRow("  of which calendar page alone", "ms", calendarOnly, floorOne, 2);
        printRow("  of which home page alone", "ms", homeOnly, floorOne, 2);
        const int objectsAfter = homePage.findChildren<QObject *>().size() + calendarPage.findChildren<QObject *>().size();
        std::printf("objects in the two pages: %d before, %d after %d zone changes; resident %ld KiB before, %ld after\n",
                    objectsBefore, objectsAfter, pairs * 2, residentBefore, residentKiB());
        delete emptyA;
        delete emptyB;
    }
    std::fflush(stdout);
    return 0;
}
