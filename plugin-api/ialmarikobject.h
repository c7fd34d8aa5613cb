#ifndef IALMARIKOBJECT_H
#define IALMARIKOBJECT_H

#include <QList>
#include <QObject>
#include <QString>

#include "plugin-api/almarikday.h"
#include "plugin-api/almariklocation.h"

// Interface of the timetable data plug-in (AlmarikData). It has no
// meta-object of its own: its virtual table is QObject's followed by the
// operations below, in this order, so program and plug-in agree on it.
class IAlmarikObject : public QObject
{
public:
    // The text almarikPluginInterface() returns for this interface (see
    // plugin-api/pluginexport.h); its number grows with every change.
    static constexpr const char *InterfaceId = "AlmarikData/1";

    virtual QString version() const = 0;
    virtual QString locationTree() const = 0;
    virtual QString defaultLocation() const = 0;
    // A new heap copy of the place record, or null. The caller deletes it.
    virtual AlmarikLocation *location(const QString &name) const = 0;
    virtual bool dateRange(int &firstYear, int &firstMonth, int &lastYear, int &lastMonth) const = 0;
    // Appends one new record per day of the zone after what days holds;
    // the caller owns the records.
    virtual void dayTimes(const QString &zoneCode, QList<AlmarikDay *> &days) const = 0;
    virtual QString hijriMonthTitle(int year, int month) const = 0;
};

using AlmarikGetApiFunction = IAlmarikObject *(*)();
using AlmarikFreeApiFunction = bool (*)(IAlmarikObject **);

#endif // IALMARIKOBJECT_H
