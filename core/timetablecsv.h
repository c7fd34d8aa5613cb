#ifndef TIMETABLECSV_H
#define TIMETABLECSV_H

#include <QList>
#include <QString>
#include <QTextStream>

#include "core/dailytimes.h"

// The day table as CSV: a header row, then one row per day with the date
// (ISO), the eight times (HH:MM) and the Hijri date (day, month name,
// year; empty where the Hijri table does not cover the day).
class TimetableCsv
{
public:
    static QString header();
    static QString row(const DailyTimes &day);
    // Header and every day, each line ending in LF.
    static void write(const QList<DailyTimes *> &days, QTextStream &out);
    static QString text(const QList<DailyTimes *> &days);
    // A field quoted when it holds a comma, a quote or a line break.
    static QString field(const QString &text);
};

#endif // TIMETABLECSV_H
