#ifndef TABLEEXPORTER_H
#define TABLEEXPORTER_H

#include <QDate>
#include <QList>
#include <QString>
#include <QTextStream>

#include "core/dailytimes.h"

struct AlmarikDay;

class IAlmarikObject;

// Writes what the timetable plug-in holds as CSV, asking it only through
// its interface, exactly as the program does.
class TableExporter
{
public:
    TableExporter(const IAlmarikObject &api, QTextStream &out);

    // date,imsak,...,isyak,hijri_day,hijri_month,hijri_year for every day
    // of the zone's table (times HH:MM, the Hijri month by name); false
    // when the plug-in has no table for the code.
    bool writeZone(const QString &zoneCode);
    // order,name,zone,latitude,longitude,source,source_url for every item
    // of the location tree, in tree order, each resolved by name as the
    // program resolves it; false when the tree is not XML.
    bool writeCatalogue();
    // year,month,title for every Gregorian month the plug-in has a title for.
    bool writeTitles();
    // first_year,first_month,last_year,last_month of the zone tables.
    bool writeRange();

    // The zone's days between from and to (both included; an invalid
    // date leaves that end open), as the program holds them.
    QList<DailyTimes> zoneDays(const QString &zoneCode, const QDate &from, const QDate &to) const;

    // A field quoted when it holds a comma, a quote or a line break.
    static QString csvField(const QString &text);
    static DailyTimes dailyTimes(const AlmarikDay &source);

private:
    const IAlmarikObject &m_api;
    QTextStream &m_out;
};

#endif // TABLEEXPORTER_H
