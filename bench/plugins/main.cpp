// Prints what binding the timetable plug-in and answering from it cost:
// getApi time, setZone time, timesOfMonth time and resident memory.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QTextStream>

#include <QDomElement>

#include <algorithm>
#include <functional>
#include <vector>

#include "core/almarikmanager.h"
#include "core/pluginbinder.h"
#include "plugin-api/ialmarikobject.h"

namespace {

// Resident set size of this process in kB, from /proc/self/status.
long residentKb()
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

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    QTextStream out(stdout);
    out.setRealNumberNotation(QTextStream::FixedNotation);
    out.setRealNumberPrecision(3);

    const QString path = PluginBinder::pluginFilePath(QStringLiteral("AlmarikData"));
    const long rssStart = residentKb();

    QElapsedTimer timer;
    timer.start();
    auto getApi = reinterpret_cast<AlmarikGetApiFunction>(PluginBinder::resolve(path, "getApi"));
    const double loadMs = timer.nsecsElapsed() / 1e6;
    if (!getApi) {
        out << "AlmarikData not found at " << path << '\n';
        return 1;
    }
    const long rssLoaded = residentKb();

    timer.restart();
    IAlmarikObject *api = getApi();
    const double firstGetApiMs = timer.nsecsElapsed() / 1e6;
    const long rssObject = residentKb();

    std::vector<double> getApiMs;
    for (int i = 0; i < 200; ++i) {
        timer.restart();
        IAlmarikObject *extra = getApi();
        getApiMs.push_back(timer.nsecsElapsed() / 1e6);
        delete extra;
    }

    // Every place once, through the manager, as the zone menu does it.
    AlmarikManager manager;
    QStringList names;
    {
        QDomElement root;
        manager.locationTree(root);
        std::function<void(const QDomElement &)> walk = [&](const QDomElement &parent) {
            for (QDomElement e = parent.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
                if (e.tagName() == QLatin1String("item"))
                    names << e.text();
                else
                    walk(e);
            }
        };
        walk(root);
    }
    timer.restart();
    manager.setZone(QString(), true);
    const double firstSetZoneMs = timer.nsecsElapsed() / 1e6;
    const long rssFirstZone = residentKb();
    std::vector<double> setZoneMs;
    for (const QString &name : qAsConst(names)) {
        timer.restart();
        manager.setZone(name, false);
        setZoneMs.push_back(timer.nsecsElapsed() / 1e6);
    }
    manager.setZone(QString(), true);
    const long rssAllZones = residentKb();

    std::vector<double> monthUs;
    QList<DailyTimes *> days;
    for (int round = 0; round < 50; ++round) {
        for (int year = 2026; year <= 2027; ++year) {
            for (int month = 1; month <= 12; ++month) {
                timer.restart();
                manager.timesOfMonth(month, year, days);
                monthUs.push_back(timer.nsecsElapsed() / 1e3);
            }
        }
    }

    out << "AlmarikData plug-in (" << path << ", version " << api->version() << ")\n"
        << "  load library + resolve getApi: " << loadMs << " ms\n"
        << "  getApi, first call:            " << firstGetApiMs << " ms\n"
        << "  getApi, median of 200:         " << median(getApiMs) << " ms\n"
        << "  setZone, first (Kuala Lumpur): " << firstSetZoneMs << " ms\n"
        << "  setZone, median of " << setZoneMs.size() << " places: " << median(setZoneMs) << " ms (max "
        << *std::max_element(setZoneMs.begin(), setZoneMs.end()) << " ms)\n"
        << "  timesOfMonth, median of " << monthUs.size() << ":   " << median(monthUs) << " us\n"
        << "  VmRSS: start " << rssStart << " kB, library loaded " << rssLoaded
        <<  " kB, object built " << rssObject << " kB, one zone selected " << rssFirstZone
        << " kB, every place selected once " << rssAllZones << " kB\n"
        << "  resident cost of the plug-in (object built - start): " << (rssObject - rssStart) << " kB\n";
    return 0;
}
