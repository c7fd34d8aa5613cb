#ifndef JAKIMIMPORT_H
#define JAKIMIMPORT_H

#include "jakimtable.h"
#include "zonemodel.h"

#include <QDate>
#include <QHash>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

// Takes in JAKIM's published tables of one year: reads them (the dataset's
// CSV of all zones, or e-Solat's yearly JSON answer of one zone per file),
// checks them and writes them as data/jakim/prayer_times_YYYY.csv, with the
// takwim's Hijri dates added to data/jakim/tarikh.csv.
//
// Checks: every zone of the zone list, every day of the year exactly once,
// the eight times in order within each day (Imsak may equal Subuh), and no
// time moving more than 3 minutes from one day to the next unless the
// reference year (the newest published one) moves as much between the same
// two calendar days. A single failure rejects the whole year.
class JakimImport
{
public:
    // `zones`: the zone list in its order; `reference`: the newest published
    // year (for the jump check); `models`: the zone calibration, which gives
    // Duha when a JSON answer lacks it (may be empty; then Duha keeps the
    // reference year's gap to Syuruk).
    JakimImport(const QStringList &zones, const JakimTable &reference, const QHash<QString, ZoneModel> &models);

    // Reads one file; false with the reason in rejects() when it cannot be
    // read at all. Days outside `year` are rejected.
    bool readFile(const QString &path, int year);
    // Runs the checks over everything read; false when anything is rejected.
    bool check(int year);

    const QStringList &rejects() const { return m_rejects; }
    const QHash<QString, QVector<ZoneDay>> &days() const { return m_days; }
    const QMap<QDate, QString> &hijri() const { return m_hijri; }

    // Writes the year in the dataset's form (CRLF line ends, zones in list
    // order).
    bool writeTable(const QString &path, int year, QString *error) const;
    // Adds the imported Hijri dates ("YYYY-MM-DD" of the takwim) to the
    // takwim file, filling days between its end and the first imported day
    // with `fill` (the computed calendar; their count in `filledDays`).
    // The result must still load as a takwim.
    bool mergeTakwim(const QString &tarikhCsv, const std::function<QString(const QDate &)> &fill,
                     int *filledDays, QString *error) const;

private:
    bool readCsv(const QString &path, int year);
    bool readJson(const QString &path, int year);
    void addDay(const QString &zone, const ZoneDay &day, const QString &where);
    void reject(const QString &text);

    QStringList m_zones;
    const JakimTable &m_reference;
    const QHash<QString, ZoneModel> &m_models;
    QHash<QString, QVector<ZoneDay>> m_days;
    QMap<QDate, QString> m_hijri;
    QStringList m_rejects;
};

#endif
