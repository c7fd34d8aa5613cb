// almarik-tables: prints what the timetable plug-in holds as CSV. It binds
// the plug-in with the program's own binding routine, so it sees exactly
// what the program sees.
//
//   almarik-tables [--plugin PATH] --zone CODE   the zone's day table
//   almarik-tables [--plugin PATH] --list        the place catalogue
//   almarik-tables [--plugin PATH] --titles      the Hijri month titles
//   almarik-tables [--plugin PATH] --range       the months the tables cover
//   almarik-tables [--plugin PATH] --qibla NAME [--date YYYY-MM-DD]
//                                                a place's Qibla figures
//
// The zone's table can be cut to months (--from/--to YYYY-MM, --month
// YYYY-MM, --year YYYY) and exported as iCalendar (--format ics or --ics,
// with --prayers, --alarm MINUTES, --timezone), to standard output or to a
// file (--out FILE, replaced only with --force).
//
// Without --plugin the AlmarikData library beside this tool is used.

#include <cstdio>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTextStream>

#include "core/exportfile.h"
#include "core/pluginbinder.h"
#include "core/qibla.h"
#include "core/timetablecsv.h"
#include "core/timetableics.h"
#include "core/zonetimezone.h"
#include "plugin-api/ialmarikobject.h"
#include "tableexporter.h"

namespace {

// What --zone is to write, from the export options.
struct ZoneExport
{
    bool plain = true;  // the whole table as CSV on standard output, as always
    bool ics = false;
    QDate from;
    QDate to;
    TimetableIcs::Options ics_options;
    QString timeZoneId;
    QString outFile;
    bool force = false;
};

QDate monthStart(const QString &text)
{
    return QDate::fromString(text + QStringLiteral("-01"), QStringLiteral("yyyy-MM-dd"));
}

bool readZoneExport(const QCommandLineParser &args, ZoneExport *options, QTextStream &err)
{
    const QStringList exportOptions = {QStringLiteral("format"), QStringLiteral("ics"), QStringLiteral("from"),
                                       QStringLiteral("to"), QStringLiteral("month"), QStringLiteral("year"),
                                       QStringLiteral("prayers"), QStringLiteral("alarm"),
                                       QStringLiteral("timezone"), QStringLiteral("out"), QStringLiteral("force")};
    for (const QString &name : exportOptions)
        options->plain = options->plain && !args.isSet(name);
    if (options->plain)
        return true;

    const QString format = args.isSet(QStringLiteral("ics")) ? QStringLiteral("ics")
                                                             : args.value(QStringLiteral("format"));
    if (!format.isEmpty() && format != QLatin1String("csv") && format != QLatin1String("ics")) {
        err << "almarik-tables: --format is csv or ics\n";
        return false;
    }
    options->ics = format == QLatin1String("ics");

    if (args.isSet(QStringLiteral("month"))) {
        options->from = monthStart(args.value(QStringLiteral("month")));
        options->to = options->from.isValid() ? options->from.addMonths(1).addDays(-1) : QDate();
        if (!options->from.isValid()) {
            err << "almarik-tables: --month takes YYYY-MM\n";
            return false;
        }
    } else if (args.isSet(QStringLiteral("year"))) {
        bool ok = false;
        const int year = args.value(QStringLiteral("year")).toInt(&ok);
        if (!ok || year < 1 || year > 9999) {
            err << "almarik-tables: --year takes YYYY\n";
            return false;
        }
        options->from = QDate(year, 1, 1);
        options->to = QDate(year, 12, 31);
    }
    if (args.isSet(QStringLiteral("from"))) {
        options->from = monthStart(args.value(QStringLiteral("from")));
        if (!options->from.isValid()) {
            err << "almarik-tables: --from takes YYYY-MM\n";
            return false;
        }
    }
    if (args.isSet(QStringLiteral("to"))) {
        const QDate start = monthStart(args.value(QStringLiteral("to")));
        if (!start.isValid()) {
            err << "almarik-tables: --to takes YYYY-MM\n";
            return false;
        }
        options->to = start.addMonths(1).addDays(-1);
    }
    if (options->from.isValid() && options->to.isValid() && options->from > options->to) {
        err << "almarik-tables: the first month comes after the last\n";
        return false;
    }
    if (args.isSet(QStringLiteral("prayers"))
            && !TimetableIcs::parseSlots(args.value(QStringLiteral("prayers")), &options->ics_options.prayerSlots)) {
        err << "almarik-tables: --prayers lists names among imsak,subuh,syuruk,duha,zohor,asar,maghrib,isyak\n";
        return false;
    }
    if (args.isSet(QStringLiteral("alarm"))) {
        bool ok = false;
        options->ics_options.alarmMinutes = args.value(QStringLiteral("alarm")).toInt(&ok);
        if (!ok || options->ics_options.alarmMinutes < 0 || options->ics_options.alarmMinutes > 24 * 60) {
            err << "almarik-tables: --alarm takes minutes from 0 to 1440\n";
            return false;
        }
    }
    if (!options->ics && (args.isSet(QStringLiteral("prayers")) || args.isSet(QStringLiteral("alarm")))) {
        err << "almarik-tables: --prayers and --alarm belong to --format ics\n";
        return false;
    }
    options->timeZoneId = args.value(QStringLiteral("timezone"));
    options->outFile = args.value(QStringLiteral("out"));
    options->force = args.isSet(QStringLiteral("force"));
    return true;
}

int writeZoneExport(const TableExporter &exporter, const QString &code,
                    ZoneExport &options, QTextStream &out, QTextStream &err)
{
    QList<DailyTimes> days = exporter.zoneDays(code, options.from, options.to);
    if (days.isEmpty()) {
        err << "almarik-tables: no table for zone " << code << " in the months asked for\n";
        return 3;
    }
    QList<DailyTimes *> pointers;
    for (DailyTimes &day : days)
        pointers.append(&day);

    QByteArray data;
    if (options.ics) {
        TimetableIcs::Options &ics = options.ics_options;
        ics.zoneCode = code;
        ics.timeZone = options.timeZoneId.isEmpty() ? ZoneTimeZone::of(code)
                                                    : QTimeZone(options.timeZoneId.toUtf8());
        if (!ics.timeZone.isValid()) {
            err << "almarik-tables: no time zone known for " << code << "; give --timezone\n";
            return 2;
        }
        data = TimetableIcs::build(pointers, ics);
    } else {
        data = TimetableCsv::text(pointers).toUtf8();
    }

    if (options.outFile.isEmpty()) {
        // The bytes as they are: the text stream's codec follows the locale.
        out.flush();
        std::fwrite(data.constData(), 1, size_t(data.size()), stdout);
        std::fflush(stdout);
        return 0;
    }
    QString error;
    switch (ExportFile::write(options.outFile, data, options.force, &error)) {
    case ExportFile::Written:
        err << "almarik-tables: wrote " << QFileInfo(options.outFile).absoluteFilePath() << '\n';
        return 0;
    case ExportFile::Exists:
        err << "almarik-tables: " << options.outFile << " exists; give --force to replace it\n";
        return 4;
    case ExportFile::Failed:
        break;
    }
    err << "almarik-tables: could not write " << options.outFile << ": " << error << '\n';
    return 1;
}

int writeQibla(const IAlmarikObject &api, const QCommandLineParser &args, QTextStream &out, QTextStream &err)
{
    const QString name = args.value(QStringLiteral("qibla"));
    AlmarikLocation *place = api.location(name);
    if (!place) {
        err << "almarik-tables: no place named " << name << '\n';
        return 3;
    }
    const double latitude = place->latitude;
    const double longitude = place->longitude;
    const QTimeZone zone = ZoneTimeZone::orSystem(place->zoneCode);
    delete place;

    QDate day = QDateTime::currentDateTime().toTimeZone(zone).date();
    if (args.isSet(QStringLiteral("date"))) {
        day = QDate::fromString(args.value(QStringLiteral("date")), Qt::ISODate);
        if (!day.isValid()) {
            err << "almarik-tables: --date takes YYYY-MM-DD\n";
            return 2;
        }
    }
    const Qibla qibla(latitude, longitude);
    QStringList towards;
    QStringList away;
    for (const Qibla::ShadowTime &time : qibla.shadowTimes(day, zone)) {
        const QString text = time.moment.toTimeZone(zone).toString(QStringLiteral("HH:mm"));
        (time.kind == Qibla::Shadow::Towards ? towards : away).append(text);
    }
    out << "bearing_deg,distance_km,shadow_towards,shadow_away\n"
        << (qibla.hasBearing() ? QString::number(qibla.bearing(), 'f', 2) : QString()) << ','
        << QString::number(qibla.distanceKm(), 'f', 1) << ',' << towards.join(QLatin1Char(' ')) << ','
        << away.join(QLatin1Char(' ')) << '\n';
    return 0;
}

} // namespace

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
    args.addOption({QStringLiteral("format"), QStringLiteral("Export form of --zone: csv (default) or ics."),
                    QStringLiteral("form")});
    args.addOption({QStringLiteral("ics"), QStringLiteral("Same as --format ics.")});
    args.addOption({QStringLiteral("from"), QStringLiteral("First month of the export."), QStringLiteral("YYYY-MM")});
    args.addOption({QStringLiteral("to"), QStringLiteral("Last month of the export."), QStringLiteral("YYYY-MM")});
    args.addOption({QStringLiteral("month"), QStringLiteral("Export one month."), QStringLiteral("YYYY-MM")});
    args.addOption({QStringLiteral("year"), QStringLiteral("Export one year."), QStringLiteral("YYYY")});
    args.addOption({QStringLiteral("prayers"),
                    QStringLiteral("Times that become events (default subuh,zohor,asar,maghrib,isyak)."),
                    QStringLiteral("list")});
    args.addOption({QStringLiteral("alarm"), QStringLiteral("Alarm this many minutes before each event."),
                    QStringLiteral("minutes")});
    args.addOption({QStringLiteral("timezone"),
                    QStringLiteral("IANA time zone of the times (default: the zone's own)."), QStringLiteral("id")});
    args.addOption({QStringLiteral("out"), QStringLiteral("Write the export to a file."), QStringLiteral("file")});
    args.addOption({QStringLiteral("force"), QStringLiteral("Replace the --out file if it exists.")});
    args.addOption({QStringLiteral("qibla"), QStringLiteral("Print a place's Qibla bearing, distance and shadow times."),
                    QStringLiteral("name")});
    args.addOption({QStringLiteral("date"), QStringLiteral("Day of the --qibla shadow times (default today)."),
                    QStringLiteral("YYYY-MM-DD")});
    args.addHelpOption();
    args.process(app);

    QTextStream err(stderr);
    const int actions = int(args.isSet(QStringLiteral("zone"))) + int(args.isSet(QStringLiteral("list")))
            + int(args.isSet(QStringLiteral("titles"))) + int(args.isSet(QStringLiteral("range")))
            + int(args.isSet(QStringLiteral("qibla")));
    if (actions != 1 || !args.positionalArguments().isEmpty()) {
        err << "almarik-tables: give one of --zone CODE, --list, --titles, --range, --qibla NAME\n";
        return 2;
    }
    ZoneExport zoneExport;
    if (args.isSet(QStringLiteral("zone")) && !readZoneExport(args, &zoneExport, err))
        return 2;

    const QString path = args.isSet(QStringLiteral("plugin"))
            ? QFileInfo(args.value(QStringLiteral("plugin"))).absoluteFilePath()
            : PluginBinder::pluginFilePath(QStringLiteral("AlmarikData"));
    IAlmarikObject *api = PluginBinder::bindFile<IAlmarikObject>(path, "Almarik data version:");
    if (!api) {
        err << "almarik-tables: " << path << " is not a usable timetable plug-in\n";
        return 1;
    }

    QTextStream out(stdout);
    TableExporter exporter(*api, out);
    if (args.isSet(QStringLiteral("zone")) && zoneExport.plain) {
        const QString code = args.value(QStringLiteral("zone"));
        if (!exporter.writeZone(code)) {
            err << "almarik-tables: no table for zone " << code << '\n';
            return 3;
        }
    } else if (args.isSet(QStringLiteral("zone"))) {
        const int result = writeZoneExport(exporter, args.value(QStringLiteral("zone")), zoneExport, out, err);
        if (result != 0)
            return result;
    } else if (args.isSet(QStringLiteral("qibla"))) {
        const int result = writeQibla(*api, args, out, err);
        if (result != 0)
            return result;
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
