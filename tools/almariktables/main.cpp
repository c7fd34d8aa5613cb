// almarik-tables: prints what the timetable plug-in holds as CSV. It binds
// the plug-in with the program's own binding routine, so it sees exactly
// what the program sees.
//
//   almarik-tables [--plugin PATH] --zone CODE   the zone's day table, each
//                                               day published or computed
//   almarik-tables [--plugin PATH] --list        the place catalogue
//   almarik-tables [--plugin PATH] --titles      the Hijri month titles
//   almarik-tables [--plugin PATH] --range       the months the tables cover
//
// Without --plugin the AlmarikData library beside this tool is used.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTextStream>

#include "core/pluginbinder.h"
#include "plugin-api/ialmarikobject.h"
#include "tableexporter.h"

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("almarik-tables"));
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));

    QCommandLineParser args;
    args.setApplicationDescription(QStringLiteral("Prints the timetable plug-in's tables as CSV."));
    args.addOption({QStringLiteral("plugin"), QStringLiteral("The AlmarikData library to read."),
                    QStringLiteral("path")});
    args.addOption({QStringLiteral("zone"), QStringLiteral("Print the day table of a zone."),
                    QStringLiteral("code")});
    args.addOption({QStringLiteral("list"), QStringLiteral("Print the place catalogue.")});
    args.addOption({QStringLiteral("titles"), QStringLiteral("Print the Hijri month titles.")});
    args.addOption({QStringLiteral("range"), QStringLiteral("Print the months the tables cover.")});
    args.addHelpOption();
    args.process(app);

    QTextStream err(stderr);
    const int actions = int(args.isSet(QStringLiteral("zone"))) + int(args.isSet(QStringLiteral("list")))
            + int(args.isSet(QStringLiteral("titles"))) + int(args.isSet(QStringLiteral("range")));
    if (actions != 1 || !args.positionalArguments().isEmpty()) {
        err << "almarik-tables: give one of --zone CODE, --list, --titles, --range\n";
        return 2;
    }

    const QString path = args.isSet(QStringLiteral("plugin"))
            ? QFileInfo(args.value(QStringLiteral("plugin"))).absoluteFilePath()
            : PluginBinder::pluginFilePath(QStringLiteral("AlmarikData"));
    IAlmarikObject *api = PluginBinder::bindFile<IAlmarikObject>(path, "Almarik data version:");
    if (!api) {
        err << "almarik-tables: " << path << " is not a usable timetable plug-in\n";
        return 1;
    }

    QTextStream out(stdout);
    const DataProvenance provenance = DataProvenance::fromPlugin(path);
    TableExporter exporter(*api, provenance, out);
    if (args.isSet(QStringLiteral("zone"))) {
        const QString code = args.value(QStringLiteral("zone"));
        if (!exporter.writeZone(code)) {
            err << "almarik-tables: no table for zone " << code << '\n';
            return 3;
        }
    } else if (args.isSet(QStringLiteral("list"))) {
        if (!exporter.writeCatalogue()) {
            err << "almarik-tables: the plug-in's location tree is not XML\n";
            return 1;
        }
    } else if (args.isSet(QStringLiteral("titles"))) {
        exporter.writeTitles();
    } else if (!exporter.writeRange()) {
        err << "almarik-tables: the plug-in reports no date range\n";
        return 1;
    }
    out.flush();
    // The plug-in object stays alive until the process ends, as in the program.
    return 0;
}
