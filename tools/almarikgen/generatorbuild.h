#ifndef GENERATORBUILD_H
#define GENERATORBUILD_H

#include "hijricalculator.h"
#include "jakimtable.h"
#include "calculationplaces.h"
#include "zonemodel.h"
#include "zoneprojector.h"

#include <QHash>
#include <QMap>
#include <QString>
#include <QVector>

// The generator's inputs (everything under data/) and the tables it makes
// from them.
class GeneratorBuild
{
public:
    static constexpr int FirstYear = 2026;
    static constexpr int LastYear = 2035;
    static constexpr int FirstHijriYear = 2015;

    // Reads places.csv, jakim/zones.csv, every published year
    // jakim/prayer_times_YYYY.csv (the known typo of 2026 mended) and
    // jakim/tarikh.csv, and, when `withCalibration`,
    // calibration/jakim_zones.csv, which must cover every zone.
    bool load(const QString &dataDir, bool withCalibration, QString *error);

    // The newest published year: the one the calibration is fitted on and
    // later years are carried from.
    const JakimTable &published() const { return m_table; }
    // Every published year, oldest first.
    QList<int> publishedYears() const { return m_tables.keys(); }
    const JakimTable &publishedYear(int year) const;
    // The published year that `year` is taken from (itself when published)
    // or carried from: the newest published year not after it, or the
    // oldest published year for years before all of them.
    int baseYear(int year) const;
    const CalculationPlaces &places() const { return m_places; }
    const HijriCalculator &hijri() const { return m_hijri; }
    const QHash<QString, ZoneModel> &models() const { return m_models; }

    // Every zone in table order: JAKIM's zones, then the places outside
    // Malaysia, then Tokyo.
    QStringList allZones() const;

    // A Malaysian zone's year: the published table itself for a published
    // year unless `forceCompute`, otherwise carried from baseYear(year).
    QVector<ZoneDay> malaysiaYear(const QString &zone, int year, const ZoneProjector::Options &options,
                                  bool forceCompute, QString *error) const;
    // Any zone's year (Malaysian zones with the default options).
    QVector<ZoneDay> zoneYear(const QString &zone, int year, QString *error) const;

    bool writeDays(const QString &path, QString *error) const;
    // zone,published,carried_from,convention: for a JAKIM zone the
    // published years (space-separated) and the year later years are
    // carried from; for a place abroad its calculation convention.
    bool writeSources(const QString &path, QString *error) const;
    bool writeHijri(const QString &path, QString *error) const;

    // Fits every Malaysian zone on the whole published year.
    QList<ZoneModel> calibrate() const;

    // Month starts of the takwim in [fromYear, toYear] that the crescent
    // criterion, applied to the takwim's previous month start, puts on the
    // same day. `misses` receives the others (may be null).
    int hijriAgreement(int fromYear, int toYear, int *total, QStringList *misses) const;

private:
    QMap<int, JakimTable> m_tables;
    JakimTable m_table;
    CalculationPlaces m_places;
    HijriCalculator m_hijri;
    QHash<QString, ZoneModel> m_models;
};

#endif
