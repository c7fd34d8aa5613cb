#ifndef ALMARIKOBJECT_H
#define ALMARIKOBJECT_H

#include <QHash>
#include <QList>

#include "plugin-api/ialmarikobject.h"
#include "plugins/almarikdata/almariktables.h"
#include "plugins/almarikdata/hijritablelookup.h"

// The timetable data plug-in's object: a registry of zone tables, the
// Hijri calendar and the place catalogue. Everything is filled in the
// constructor from the static tables and is read-only afterwards.
class AlmarikObject : public IAlmarikObject
{
public:
    AlmarikObject();
    ~AlmarikObject() override;

    QString version() const override;
    QString locationTree() const override;
    QString defaultLocation() const override;
    AlmarikLocation *location(const QString &name) const override;
    bool dateRange(int &firstYear, int &firstMonth, int &lastYear, int &lastMonth) const override;
    void dayTimes(const QString &zoneCode, QList<AlmarikDay *> &days) const override;
    QString hijriMonthTitle(int year, int month) const override;

private:
    struct ZoneTable
    {
        const AlmarikTables::DayEntry *first = nullptr;
        int count = 0;
        qint64 firstJulianDay = 0;
    };

    QHash<QString, ZoneTable> m_zones;
    HijriTableLookup m_hijri;
    // The twelve month names, made once and shared by every day handed out.
    QString m_hijriMonthNames[13];
};

#endif // ALMARIKOBJECT_H
