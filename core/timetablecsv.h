#ifndef TIMETABLECSV_H
#define TIMETABLECSV_H

#include <QList>
#include <QString>
#include <QTextStream>

#include "core/dailytimes.h"

class DataProvenance;

// The day table as CSV: a header row, then one row per day with the date
// (ISO), the eight times (HH:MM) and the Hijri date (day, month name,
// year; empty where the Hijri table does not cover the day). Given the
// plug-in's provenance, two more columns say where each day's times come
// from: source "published" or "computed", and basis the published year the
// day is or is computed from, or the convention of a place abroad (both
// empty when the plug-in does not say).
class TimetableCsv
{
public:
    static QString header(bool withSource = false);
    static QString row(const DailyTimes &day);
    // ",source,basis" of a zone's day.
    static QString sourceFields(const DataProvenance &provenance, const QString &zoneCode, const QDate &date);
    // Header and every day, each line ending in LF; with the source columns
    // when provenance is given.
    static void write(const QList<DailyTimes> &days, QTextStream &out,
                      const DataProvenance *provenance = nullptr, const QString &zoneCode = QString());
    static QString text(const QList<DailyTimes> &days,
                        const DataProvenance *provenance = nullptr, const QString &zoneCode = QString());
    // A field quoted when it holds a comma, a quote or a line break.
    static QString field(const QString &text);
};

#endif // TIMETABLECSV_H
