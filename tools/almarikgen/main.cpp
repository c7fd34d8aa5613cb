// almarik-gen: computes prayer timetables and Hijri dates for the data
// plug-in, and reports how well its Malaysian method reproduces JAKIM.

#include "agreementreport.h"
#include "generatorbuild.h"
#include "jakimimport.h"
#include "placecalculator.h"
#include "timetablefitter.h"
#include "zonemodel.h"

#include "core/calc/conventioncatalogue.h"
#include "core/calc/customplace.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>

#ifndef ALMARIK_DEFAULT_DATA_DIR
#define ALMARIK_DEFAULT_DATA_DIR "data"
#endif

namespace {

QTextStream &err()
{
    static QTextStream s(stderr);
    return s;
}

int fail(const QString &message)
{
    err() << "almarik-gen: " << message << '\n';
    err().flush();
    return 1;
}

void printTable(QTextStream &out, const QVector<ZoneDay> &days, const HijriCalculator &hijri)
{
    out << "date,imsak,subuh,syuruk,duha,zohor,asar,maghrib,isyak,hijri_day,hijri_month,hijri_year\n";
    for (const ZoneDay &day : days) {
        out << day.date.toString(Qt::ISODate);
        for (int p = 0; p < JakimTable::PrayerCount; ++p)
            out << ',' << JakimTable::formatTime(day.minutes[p]);
        const HijriCalculator::HijriDate h = hijri.date(day.date);
        if (h.isValid())
            out << ',' << h.day << ',' << HijriCalculator::monthName(h.month) << ',' << h.year << '\n';
        else
            out << ",0,,0\n";
    }
}

bool parseYear(const QString &text, int *year)
{
    bool ok = false;
    *year = text.toInt(&ok);
    return ok && *year >= 1900 && *year <= 2200;
}

// --import-jakim FILE... --year Y: checks the files, writes the year's table
// and its takwim rows, then fits the zone calibration on the new newest
// year unless told not to.
int importJakim(const QString &dataDir, const QStringList &files, int year, bool calibrate, QTextStream &out)
{
    GeneratorBuild gen;
    QString error;
    if (!gen.load(dataDir, true, &error))
        return fail(error);
    const int newest = gen.publishedYears().last();
    JakimImport import(gen.published().zones(), gen.published(), gen.models());
    for (const QString &file : files)
        import.readFile(file, year);
    if (!import.check(year)) {
        for (const QString &reject : import.rejects())
            err() << "almarik-gen: rejected: " << reject << '\n';
        return fail(QStringLiteral("%1 problems; nothing written").arg(import.rejects().size()));
    }
    const QDir dir(dataDir);
    const QString table = dir.filePath(QStringLiteral("jakim/prayer_times_%1.csv").arg(year));
    if (!import.writeTable(table, year, &error))
        return fail(error);
    out << "almarik-gen: wrote " << table << " (" << gen.published().zones().size() << " zones)\n";
    int filled = 0;
    const HijriCalculator &hijri = gen.hijri();
    auto computed = [&hijri](const QDate &d) {
        const HijriCalculator::HijriDate h = hijri.date(d);
        return QStringLiteral("%1-%2-%3").arg(h.year).arg(h.month, 2, 10, QLatin1Char('0'))
                .arg(h.day, 2, 10, QLatin1Char('0'));
    };
    if (!import.mergeTakwim(dir.filePath(QStringLiteral("jakim/tarikh.csv")), computed, &filled, &error))
        return fail(error);
    out << "almarik-gen: " << import.hijri().size() << " takwim days added to jakim/tarikh.csv";
    if (filled > 0)
        out << " (" << filled << " days before them by the crescent criterion)";
    out << '\n';

    if (year < newest) {
        out << "almarik-gen: " << year << " is older than " << newest
            << ", which stays the year later years are carried from; the calibration is kept\n";
        return 0;
    }
    const QString calibration = dir.filePath(QStringLiteral("calibration/jakim_zones.csv"));
    if (!calibrate) {
        out << "almarik-gen: calibration kept; run almarik-gen --calibrate --out " << calibration
            << " before committing\n";
        return 0;
    }
    out << "almarik-gen: fitting every zone on " << year << " (a few minutes)\n";
    out.flush();
    GeneratorBuild fresh;
    if (!fresh.load(dataDir, false, &error))
        return fail(error);
    if (!ZoneModelFile::save(calibration, fresh.calibrate(), &error))
        return fail(error);
    out << "almarik-gen: wrote " << calibration << '\n';
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("almarik-gen"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Computes prayer timetables and Hijri dates for the AlmarikData plug-in."));
    parser.addHelpOption();
    const QCommandLineOption dataOpt(QStringLiteral("data"), QStringLiteral("Data folder (default %1).")
                                         .arg(QLatin1String(ALMARIK_DEFAULT_DATA_DIR)),
                                     QStringLiteral("dir"), QLatin1String(ALMARIK_DEFAULT_DATA_DIR));
    const QCommandLineOption zoneOpt(QStringLiteral("zone"), QStringLiteral("Print a Malaysian zone's table."),
                                     QStringLiteral("code"));
    const QCommandLineOption placeOpt(QStringLiteral("place"),
                                      QStringLiteral("Print a place's table (outside Malaysia, or Tokyo)."),
                                      QStringLiteral("name"));
    const QCommandLineOption yearOpt(QStringLiteral("year"), QStringLiteral("Year to compute."),
                                     QStringLiteral("year"));
    const QCommandLineOption subuhOpt(QStringLiteral("subuh-angle"),
                                      QStringLiteral("Subuh depression angle (today's convention: 18)."),
                                      QStringLiteral("degrees"));
    const QCommandLineOption isyakOpt(QStringLiteral("isyak-angle"),
                                      QStringLiteral("Isyak depression angle (today's convention: 18)."),
                                      QStringLiteral("degrees"));
    const QCommandLineOption modelOpt(QStringLiteral("model-only"),
                                      QStringLiteral("With --zone: the reference-point model alone, not carried "
                                                     "from the published table."));
    const QCommandLineOption reportOpt(QStringLiteral("report"),
                                       QStringLiteral("Report the agreement of the method with the published data."));
    const QCommandLineOption zonesOpt(QStringLiteral("zones"),
                                      QStringLiteral("With --report: only these zones (comma-separated)."),
                                      QStringLiteral("codes"));
    const QCommandLineOption calibrateOpt(QStringLiteral("calibrate"),
                                          QStringLiteral("Fit every Malaysian zone and write the calibration."));
    const QCommandLineOption outOpt(QStringLiteral("out"), QStringLiteral("Calibration file to write."),
                                    QStringLiteral("file"));
    const QCommandLineOption buildOpt(QStringLiteral("build"), QStringLiteral("Write the build's tables."));
    const QCommandLineOption outDaysOpt(QStringLiteral("out-days"), QStringLiteral("Day table to write."),
                                        QStringLiteral("file"));
    const QCommandLineOption outHijriOpt(QStringLiteral("out-hijri"), QStringLiteral("Hijri table to write."),
                                         QStringLiteral("file"));
    const QCommandLineOption outSourcesOpt(QStringLiteral("out-sources"),
                                           QStringLiteral("With --build: where each zone's times come from."),
                                           QStringLiteral("file"));
    const QCommandLineOption importOpt(QStringLiteral("import-jakim"),
                                       QStringLiteral("Check JAKIM's published tables of --year (the dataset's CSV "
                                                      "or e-Solat's yearly JSON per zone; FILE... after the "
                                                      "options) and write them under the data folder."));
    const QCommandLineOption noCalibrateOpt(QStringLiteral("no-calibrate"),
                                            QStringLiteral("With --import-jakim: leave the calibration as it is."));
    const QCommandLineOption latOpt(QStringLiteral("latitude"),
                                    QStringLiteral("A place of your own: latitude in degrees (north positive)."),
                                    QStringLiteral("degrees"));
    const QCommandLineOption lonOpt(QStringLiteral("longitude"),
                                    QStringLiteral("With --latitude: longitude in degrees (east positive)."),
                                    QStringLiteral("degrees"));
    const QCommandLineOption tzOpt(QStringLiteral("timezone"), QStringLiteral("With --latitude: IANA time zone."),
                                   QStringLiteral("zone"));
    const QCommandLineOption methodOpt(QStringLiteral("method"),
                                       QStringLiteral("With --latitude: convention (%1).")
                                           .arg(ConventionCatalogue::builtIn().codes().join(QLatin1String(", "))),
                                       QStringLiteral("code"), QStringLiteral("MWL"));
    const QCommandLineOption asarOpt(QStringLiteral("asar"), QStringLiteral("With --latitude: shafii or hanafi."),
                                     QStringLiteral("school"));
    const QCommandLineOption highLatOpt(QStringLiteral("high-latitude"),
                                        QStringLiteral("With --latitude: none, middle, seventh or angle."),
                                        QStringLiteral("rule"));
    const QCommandLineOption fitOpt(QStringLiteral("fit"),
                                    QStringLiteral("With --place: fit the place's convention on published "
                                                   "timetables (comma-separated CSV files, one per year) and write "
                                                   "the calibration to --out."),
                                    QStringLiteral("files"));
    parser.addOptions({dataOpt, zoneOpt, placeOpt, yearOpt, subuhOpt, isyakOpt, modelOpt, reportOpt, zonesOpt,
                       calibrateOpt, outOpt, buildOpt, outDaysOpt, outHijriOpt, outSourcesOpt, importOpt,
                       noCalibrateOpt, latOpt, lonOpt, tzOpt, methodOpt, asarOpt, highLatOpt, fitOpt});
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("With --import-jakim: the tables."),
                                 QStringLiteral("[FILE...]"));
    parser.process(app);

    QTextStream out(stdout);
    const QString dataDir = parser.value(dataOpt);
    GeneratorBuild gen;
    QString error;

    const int commands = int(parser.isSet(zoneOpt)) + int(parser.isSet(placeOpt)) + int(parser.isSet(reportOpt))
                         + int(parser.isSet(calibrateOpt)) + int(parser.isSet(buildOpt))
                         + int(parser.isSet(importOpt)) + int(parser.isSet(latOpt));
    if (commands != 1)
        return fail(QStringLiteral("give exactly one of --zone, --place, --latitude, --report, --calibrate, --build, "
                                   "--import-jakim"));

    if (parser.isSet(importOpt)) {
        int year = 0;
        if (!parser.isSet(yearOpt) || !parseYear(parser.value(yearOpt), &year))
            return fail(QStringLiteral("--import-jakim needs --year"));
        if (parser.positionalArguments().isEmpty())
            return fail(QStringLiteral("--import-jakim needs the files to read"));
        return importJakim(dataDir, parser.positionalArguments(), year, !parser.isSet(noCalibrateOpt), out);
    }

    if (parser.isSet(calibrateOpt)) {
        if (!parser.isSet(outOpt))
            return fail(QStringLiteral("--calibrate needs --out"));
        if (!gen.load(dataDir, false, &error))
            return fail(error);
        const QList<ZoneModel> models = gen.calibrate();
        if (!ZoneModelFile::save(parser.value(outOpt), models, &error))
            return fail(error);
        return 0;
    }

    if (!gen.load(dataDir, true, &error))
        return fail(error);

    if (parser.isSet(buildOpt)) {
        if (!parser.isSet(outDaysOpt) || !parser.isSet(outHijriOpt))
            return fail(QStringLiteral("--build needs --out-days and --out-hijri"));
        if (!gen.writeDays(parser.value(outDaysOpt), &error) || !gen.writeHijri(parser.value(outHijriOpt), &error))
            return fail(error);
        if (parser.isSet(outSourcesOpt) && !gen.writeSources(parser.value(outSourcesOpt), &error))
            return fail(error);
        return 0;
    }

    if (parser.isSet(reportOpt)) {
        QStringList zones;
        if (parser.isSet(zonesOpt))
            zones = parser.value(zonesOpt).split(QLatin1Char(','), Qt::SkipEmptyParts);
        for (const QString &z : qAsConst(zones))
            if (!gen.published().hasZone(z))
                return fail(QStringLiteral("unknown Malaysian zone %1").arg(z));
        for (int year : gen.publishedYears()) {
            const auto results = AgreementReport::crossValidate(gen.publishedYear(year), gen.places(), zones,
                                                                ZoneProjector::Options());
            AgreementReport::print(out, year, results);
        }
        int total = 0;
        QStringList misses;
        const int right = gen.hijriAgreement(2022, 2027, &total, &misses);
        out << "# Hijri: MABIMS criterion at sunset in Kuala Lumpur gets " << right << " of " << total
            << " month starts of 2022-2027 right against the takwim\n";
        for (const QString &m : qAsConst(misses))
            out << "#   " << m << '\n';
        return 0;
    }

    if (parser.isSet(fitOpt)) {
        const PlaceRecord *place = gen.places().find(parser.value(placeOpt));
        if (!place || !parser.isSet(outOpt))
            return fail(QStringLiteral("--fit needs --place with a place abroad and --out"));
        QVector<TimetableFitter::Day> published;
        QList<int> years;
        for (const QString &path : parser.value(fitOpt).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            QVector<TimetableFitter::Day> table;
            if (!TimetableFitter::readTable(path, &table, &error))
                return fail(error);
            if (!table.isEmpty() && !years.contains(table.first().date.year()))
                years << table.first().date.year();
            published += table;
        }
        if (years.size() < 2)
            return fail(QStringLiteral("--fit needs tables of at least two years"));
        PrayerConvention convention = ConventionCatalogue::builtIn().find(place->method);
        for (double &a : convention.adjustment)
            a = 0;
        double lat = 0, lon = 0;
        PlaceCalculator::computationPoint(*place, gen.places(), &lat, &lon);
        const QTimeZone zone(place->timeZone.toUtf8());
        // The rounding whose per-prayer fits on all years match the most
        // published minutes, at the catalogue's point (moving the point
        // north or south by up to 0.3 degrees changes Singapore's share of
        // exact minutes by less than half a percent; the offsets absorb
        // the longitude).
        double bestScore = -1;
        QList<TimetableFitter::Fit> fits;
        for (PrayerConvention::Rounding rounding : {PrayerConvention::RoundUp, PrayerConvention::RoundNearest}) {
            convention.rounding = rounding;
            {
                const double latitude = lat;
                const PrayerCalculator calculator(latitude, lon, zone, convention);
                if (!calculator.isValid())
                    return fail(calculator.error());
                const TimetableFitter fitter(calculator, published);
                const TimetableFitter::Fit all = fitter.fit(years, 0);
                double score = 0;
                for (double share : all.exactFit)
                    score += share;
                if (score <= bestScore + 1e-9)
                    continue;
                bestScore = score;
                fits.clear();
                for (int check : qAsConst(years)) {
                    QList<int> others = years;
                    others.removeAll(check);
                    fits << fitter.fit(others, check);
                }
                fits << all;
                for (TimetableFitter::Fit &f : fits) {
                    f.latitude = latitude;
                    f.longitude = lon;
                    f.rounding = rounding;
                }
            }
        }
        QFile file(parser.value(outOpt));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
            return fail(QStringLiteral("cannot write %1").arg(parser.value(outOpt)));
        QTextStream fileOut(&file);
        TimetableFitter::write(fileOut, place->name, fits);
        TimetableFitter::write(out, place->name, fits);
        return 0;
    }

    int year = 0;
    if (!parser.isSet(yearOpt) || !parseYear(parser.value(yearOpt), &year))
        return fail(QStringLiteral("give --year with a year from 1900 to 2200"));

    if (parser.isSet(latOpt)) {
        CustomPlace custom;
        bool latOk = false, lonOk = false;
        custom.latitude = parser.value(latOpt).toDouble(&latOk);
        custom.longitude = parser.value(lonOpt).toDouble(&lonOk);
        if (!latOk || !lonOk || !parser.isSet(tzOpt))
            return fail(QStringLiteral("--latitude needs numbers for --latitude and --longitude, and --timezone"));
        custom.timeZone = parser.value(tzOpt);
        custom.convention = parser.value(methodOpt).toUpper();
        if (parser.isSet(asarOpt)) {
            const QString school = parser.value(asarOpt).toLower();
            if (school != QLatin1String("shafii") && school != QLatin1String("hanafi"))
                return fail(QStringLiteral("--asar is shafii or hanafi"));
            custom.asarSchool = school == QLatin1String("hanafi") ? CustomPlace::Hanafi : CustomPlace::Shafii;
        }
        if (parser.isSet(highLatOpt)) {
            PrayerConvention::HighLatitudeRule rule;
            if (!PrayerConvention::parseHighLatitude(parser.value(highLatOpt), &rule))
                return fail(QStringLiteral("--high-latitude is none, middle, seventh or angle"));
            custom.highLatitude = int(rule);
        }
        PrayerCalculator calculator = custom.calculator(ConventionCatalogue::builtIn());
        if (!calculator.isValid())
            return fail(calculator.error());
        calculator.setRamadanRule([&gen](const QDate &d) { return gen.hijri().date(d).month == 9; });
        QVector<ZoneDay> days;
        for (QDate d(year, 1, 1); d.year() == year; d = d.addDays(1)) {
            ZoneDay day;
            day.date = d;
            if (!calculator.timesOfDay(d, day.minutes))
                return fail(QStringLiteral("no times on %1 (the sun does not rise or set)").arg(d.toString(Qt::ISODate)));
            days << day;
        }
        printTable(out, days, gen.hijri());
        return 0;
    }

    if (parser.isSet(placeOpt)) {
        const PlaceRecord *place = gen.places().find(parser.value(placeOpt));
        if (!place || place->group == QLatin1String("Malaysia"))
            return fail(QStringLiteral("no place outside Malaysia named '%1'").arg(parser.value(placeOpt)));
        const QVector<ZoneDay> days = PlaceCalculator::computeYear(*place, gen.places(), year, &gen.hijri(), &error);
        if (days.isEmpty())
            return fail(error);
        printTable(out, days, gen.hijri());
        return 0;
    }

    // --zone
    ZoneProjector::Options options;
    options.carry = !parser.isSet(modelOpt);
    for (const auto &pair : {std::make_pair(&subuhOpt, &options.subuhShift),
                             std::make_pair(&isyakOpt, &options.isyakShift)}) {
        if (!parser.isSet(*pair.first))
            continue;
        bool ok = false;
        const double angle = parser.value(*pair.first).toDouble(&ok);
        if (!ok || angle < 10 || angle > 25)
            return fail(QStringLiteral("angles run from 10 to 25 degrees"));
        // The calibration fixes today's 18-degree convention per zone; an
        // older convention moves every zone's angle by the same amount.
        *pair.second = angle - 18.0;
    }
    const QVector<ZoneDay> days = gen.malaysiaYear(parser.value(zoneOpt), year, options, true, &error);
    if (days.isEmpty())
        return fail(error);
    printTable(out, days, gen.hijri());
    return 0;
}
