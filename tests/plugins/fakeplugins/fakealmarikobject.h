#ifndef FAKEALMARIKOBJECT_H
#define FAKEALMARIKOBJECT_H

#include "plugin-api/ialmarikobject.h"

// A small stand-in for the timetable plug-in with the cases the shipped
// data does not have: a place whose zone has no table, no default place,
// a location tree that is not XML, and a table with a few days only.
class FakeAlmarikObject : public IAlmarikObject
{
public:
    QString version() const override;
    QString locationTree() const override;
    QString defaultLocation() const override;
    AlmarikLocation *location(const QString &name) const override;
    bool dateRange(int &firstYear, int &firstMonth, int &lastYear, int &lastMonth) const override;
    void dayTimes(const QString &zoneCode, QList<AlmarikDay *> &days) const override;
    QString hijriMonthTitle(int year, int month) const override;
};

#endif // FAKEALMARIKOBJECT_H
