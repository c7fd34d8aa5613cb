// Prints what binding the timetable plug-in and answering from it cost:
// getApi time, setZone time, timesOfMonth time and resident memory.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QTextStream>


#include <algorithm>
#include <functional>
#include <vector>

#include "core/almarikmanager.h"
#include "core/pluginbinder.h"
#include "plugin-api/ialmarikobject.h"

namespace {

// Resident memory of this process: VmRSS, and its private (RssAnon) and
// file-backed (RssFile, mapped pages of the libraries and their tables)
// parts, in kB, from /proc/self/status.
struct Resident
{
    long total = -1;
    long anonymous = -1;
    long file = -1;
};

Resident residentKb()
{
    Resident resident;
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return resident;
    for (const QByteArray &line : status.readAll().split('\n')) {
        const long kb = line.mid(line.indexOf(':') + 1).trimmed().split(' ').first().toLong();
        if (line.startsWith("VmRSS:"))
            resident.total = kb;
        else if (line.startsWith("RssAnon:"))
            resident.anonymous = kb;
        else if (line.startsWith("RssFile:"))
            resident.file = kb;
    }
    return resident;
}

QString describe(const Resident &r)
{
    return QStringLiteral("%1 kB (anon %2, file %3)").arg(r.total).arg(r.anonymous).arg(r.file);
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
    const Resident rssStart = residentKb();

    QElapsedTimer timer;
    timer.start();
    auto getApi = reinterpret_cast<AlmarikGetApiFunction>(PluginBinder::resolve(path, "getApi"));
    const double loadMs = timer.nsecsElapsed() / 1e6;
    if (!getApi) {
        out << "AlmarikData not found at " << path << '\n';
        return 1;
    }
    const Resident rssLoaded = residentKb();

    timer.restart();
    IAlmarikObject *api = getApi();
    const double firstGetApiMs = timer.nsecsElapsed() / 1e6;
    const Resident rssObject = residentKb();

    std::vector<double> getApiMs;
    for (int i = 0; i < 200; ++i) {
        timer.restart();
        IAlmarikObject *extra = getApi();
        getApiMs.push_back(timer.nsecsElapsed() / 1e6);
        delete extra;
    }

    // The manager binds an object of its own, as the program does.
    AlmarikManager manager;
    const Resident rssManager = residentKb();
    timer.restart();
    manager.setZone(QString(), true);
    const double firstSetZoneMs = timer.nsecsElapsed() / 1e6;
    const Resident rssFirstZone = residentKb();
    // Every place once, through the manager, as the zone menu does it.
    QStringList names;
    {
        LocationNode root;
        manager.locationTree(root);
        std::function<void(const LocationNode &)> walk = [&](const LocationNode &group) {
            for (const LocationNode &child : group.children) {
                if (child.isItem)
                    names << child.text;
                else
                    walk(child);
            }
        };
        walk(root);
    }
    std::vector<double> setZoneMs;
    for (const QString &name : qAsConst(names)) {
        timer.restart();
        manager.setZone(name, false);
        setZoneMs.push_back(timer.nsecsElapsed() / 1e6);
    }
    manager.setZone(QString(), true);
    const Resident rssAllZones = residentKb();

    std::vector<double> monthUs;
    QList<DailyTimes> days;
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
        << "  VmRSS:\n"
        << "    start:                       " << describe(rssStart) << '\n'
        << "    library loaded:              " << describe(rssLoaded) << '\n'
        << "    object built:                " << describe(rssObject) << '\n'
        << "    manager bound:               " << describe(rssManager) << '\n'
        << "    one zone selected:           " << describe(rssFirstZone) << '\n'
        << "    every place selected once:   " << describe(rssAllZones) << '\n'
        << "  resident cost of getApi (object built - start): " << (rssObject.total - rssStart.total)
        << " kB, of which private " << (rssObject.anonymous - rssStart.anonymous) << " kB\n";
    return 0;
}
