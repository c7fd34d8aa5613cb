#include "generatorbuild.h"

#include "agreementreport.h"
#include "placecalculator.h"
#include "zonecalibrator.h"

#include <QDir>
#include <QSaveFile>
#include <QTextStream>

bool GeneratorBuild::load(const QString &dataDir, bool withCalibration, QString *error)
{
    const QDir dir(dataDir);
    if (!m_places.load(dir.filePath(QStringLiteral("places.csv")), error))
        return false;
    m_tables.clear();
    const QStringList published = QDir(dir.filePath(QStringLiteral("jakim")))
            .entryList({QStringLiteral("prayer_times_*.csv")}, QDir::Files, QDir::Name);
    for (const QString &name : published) {
        const QString path = dir.filePath(QStringLiteral("jakim/") + name);
        JakimTable table;
        if (!table.load(dir.filePath(QStringLiteral("jakim/zones.csv")), path, error))
            return false;
        if (name != QStringLiteral("prayer_times_%1.csv").arg(table.year())) {
            if (error)
                *error = QStringLiteral("%1 holds the year %2").arg(path).arg(table.year());
            return false;
        }
        table.mendKnownErrors();
        m_tables.insert(table.year(), table);
    }
    if (m_tables.isEmpty()) {
        if (error)
            *error = QStringLiteral("%1 holds no published year (prayer_times_YYYY.csv)")
                    .arg(dir.filePath(QStringLiteral("jakim")));
        return false;
    }
    m_table = m_tables.last();
    if (!m_hijri.load(dir.filePath(QStringLiteral("jakim/tarikh.csv")), error))
        return false;
    m_models.clear();
    if (withCalibration) {
        const QString path = dir.filePath(QStringLiteral("calibration/jakim_zones.csv"));
        if (!ZoneModelFile::load(path, &m_models, error))
            return false;
        for (const QString &zone : m_table.zones()) {
            if (!m_models.contains(zone)) {
                if (error)
                    *error = QStringLiteral("%1 has no model for zone %2").arg(path, zone);
                return false;
            }
        }
    }
    return true;
}

QStringList GeneratorBuild::allZones() const
{
    return m_table.zones() + m_places.foreignZones();
}

QVector<ZoneDay> GeneratorBuild::malaysiaYear(const QString &zone, int year, const ZoneProjector::Options &options,
                                              bool forceCompute, QString *error) const
{
    if (!m_table.hasZone(zone) || !m_models.contains(zone)) {
        if (error)
            *error = QStringLiteral("unknown Malaysian zone %1").arg(zone);
        return {};
    }
    const JakimTable &base = publishedYear(baseYear(year));
    if (year == base.year() && !forceCompute)
        return base.days(zone);
    return ZoneProjector::projectYear(m_models.value(zone), base.days(zone), year, options);
}

const JakimTable &GeneratorBuild::publishedYear(int year) const
{
    static const JakimTable none;
    const auto it = m_tables.constFind(year);
    return it == m_tables.constEnd() ? none : it.value();
}

int GeneratorBuild::baseYear(int year) const
{
    if (m_tables.isEmpty())
        return 0;
    auto it = m_tables.upperBound(year);
    if (it == m_tables.constBegin())
        return it.key();
    return (--it).key();
}

QVector<ZoneDay> GeneratorBuild::zoneYear(const QString &zone, int year, QString *error) const
{
    if (m_table.hasZone(zone))
        return malaysiaYear(zone, year, ZoneProjector::Options(), false, error);
    const PlaceRecord *place = m_places.findForeignZone(zone);
    if (!place) {
        if (error)
            *error = QStringLiteral("unknown zone %1").arg(zone);
        return {};
    }
    return PlaceCalculator::computeYear(*place, m_places, year, &m_hijri, error);
}

bool GeneratorBuild::writeDays(const QString &path, QString *error) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    QTextStream out(&file);
    out << "zone,date,imsak,subuh,syuruk,duha,zohor,asar,maghrib,isyak\n";
    for (const QString &zone : allZones()) {
        for (int year = FirstYear; year <= LastYear; ++year) {
            const QVector<ZoneDay> days = zoneYear(zone, year, error);
            if (days.size() != QDate(year, 1, 1).daysInYear())
                return false;
            for (const ZoneDay &day : days) {
                out << zone << ',' << day.date.toString(Qt::ISODate);
                for (int p = 0; p < JakimTable::PrayerCount; ++p) {
                    if (day.minutes[p] < 0 || day.minutes[p] >= 1440) {
                        if (error)
                            *error = QStringLiteral("%1 %2: time outside the day").arg(zone, day.date.toString(Qt::ISODate));
                        return false;
                    }
                    out << ',' << JakimTable::formatTime(day.minutes[p]);
                }
                out << '\n';
            }
        }
    }
    out.flush();
    if (!file.commit()) {
        if (error)
            *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

bool GeneratorBuild::writeSources(const QString &path, QString *error) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    QTextStream out(&file);
    out << "zone,published,carried_from,convention\n";
    QStringList years;
    for (int year : m_tables.keys())
        years << QString::number(year);
    for (const QString &zone : m_table.zones())
        out << zone << ',' << years.join(QLatin1Char(' ')) << ',' << m_table.year() << ",\n";
    for (const QString &zone : m_places.foreignZones()) {
        const PlaceRecord *place = m_places.findForeignZone(zone);
        out << zone << ",,," << (place ? place->method : QString()) << '\n';
    }
    out.flush();
    if (!file.commit()) {
        if (error)
            *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

bool GeneratorBuild::writeHijri(const QString &path, QString *error) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    QTextStream out(&file);
    out << "gregorian,hijri_year,hijri_month,hijri_day\n";
    for (QDate d(FirstHijriYear, 1, 1); d.year() <= LastYear; d = d.addDays(1)) {
        const HijriCalculator::HijriDate h = m_hijri.date(d);
        if (!h.isValid()) {
            if (error)
                *error = QStringLiteral("no Hijri date for %1").arg(d.toString(Qt::ISODate));
            return false;
        }
        out << d.toString(Qt::ISODate) << ',' << h.year << ',' << h.month << ',' << h.day << '\n';
    }
    out.flush();
    if (!file.commit()) {
        if (error)
            *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

QList<ZoneModel> GeneratorBuild::calibrate() const
{
    QList<ZoneModel> models;
    for (const QString &zone : m_table.zones()) {
        const QVector<ZoneDay> &days = m_table.days(zone);
        double lat = 0, lon = 0;
        AgreementReport::zoneCentre(m_places, zone, &lat, &lon);
        models << ZoneCalibrator::fit(zone, days, QVector<bool>(days.size(), true), lat, lon);
    }
    return models;
}

int GeneratorBuild::hijriAgreement(int fromYear, int toYear, int *total, QStringList *misses) const
{
    const QVector<HijriCalculator::MonthStart> starts = m_hijri.takwimMonthStarts();
    int right = 0;
    *total = 0;
    for (int i = 1; i < starts.size(); ++i) {
        const HijriCalculator::MonthStart &s = starts.at(i);
        if (s.date.year() < fromYear || s.date.year() > toYear)
            continue;
        ++*total;
        const QDate predicted = m_hijri.nextMonthStart(starts.at(i - 1).date);
        if (predicted == s.date)
            ++right;
        else if (misses)
            *misses << QStringLiteral("%1 %2 starts %3 in the takwim, %4 by the criterion")
                           .arg(HijriCalculator::monthName(s.month)).arg(s.year)
                           .arg(s.date.toString(Qt::ISODate), predicted.toString(Qt::ISODate));
    }
    return right;
}
