#ifndef JAKIMTABLE_H
#define JAKIMTABLE_H

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

// One day of a zone: eight times in minutes after midnight, in the order
// Imsak, Subuh, Syuruk, Duha, Zohor, Asar, Maghrib, Isyak.
struct ZoneDay
{
    QDate date;
    int minutes[8] = {0, 0, 0, 0, 0, 0, 0, 0};
};

// JAKIM's published table of one year (all zones), as read from the
// dataset's CSV, and its zone list.
class JakimTable
{
public:
    enum Prayer { Imsak, Subuh, Syuruk, Duha, Zohor, Asar, Maghrib, Isyak, PrayerCount };

    // Reads the zone list (`zones.csv`) and the year's table. Returns false
    // with `error` set when a file is missing or a row cannot be read; the
    // table must hold every day of the year for every listed zone.
    bool load(const QString &zonesCsv, const QString &timesCsv, QString *error);

    // Replaces the one known typo of the 2026 table (SBH08, 3 April, Imsak
    // copied from Asar) with Subuh minus 10 minutes. Returns the number of
    // cells changed.
    int mendKnownErrors();

    int year() const { return m_year; }
    QStringList zones() const { return m_zones; }
    QString state(const QString &zone) const { return m_states.value(zone); }
    bool hasZone(const QString &zone) const { return m_days.contains(zone); }
    const QVector<ZoneDay> &days(const QString &zone) const;

    static QString prayerName(int prayer);
    static int parseTime(const QString &text);   // "HH:MM" to minutes, -1 if bad
    static QString formatTime(int minutes);       // minutes to "HH:MM"

private:
    int m_year = 0;
    QStringList m_zones;
    QHash<QString, QString> m_states;
    QHash<QString, QVector<ZoneDay>> m_days;
};

#endif
