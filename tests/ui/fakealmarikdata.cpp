// A small timetable plug-in for the view tests. It covers November of one
// year to February of the next, so the data crosses a year end, and knows
// three places:
//   "Alpha"  zone AAA, a full table;
//   "Beta"   zone BBB, a full table and a display name on two lines;
//   "Gamma"  zone NOTABLE, which has no table at all;
//   "Delta"  zone AAA with an unknown position (0/0).

#include <QDate>

#include "plugin-api/ialmarikobject.h"
#include "plugin-api/pluginexport.h"

namespace {
// The covered November: this year's, or last year's in January and
// February, so that today falls inside whenever possible.
int firstYear()
{
    const QDate today = QDate::currentDate();
    return today.month() <= 2 ? today.year() - 1 : today.year();
}

class FakeAlmarikObject : public IAlmarikObject
{
public:
    QString version() const override { return QStringLiteral("fake-1"); }
    QString locationTree() const override
    {
        return QStringLiteral("<Location><item>Alpha</item><item>Beta</item><item>Gamma</item><item>Delta</item></Location>");
    }
    QString defaultLocation() const override { return QStringLiteral("Alpha"); }

    AlmarikLocation *location(const QString &name) const override
    {
        auto *place = new AlmarikLocation;
        place->name = name;
        place->displayName = name;
        place->latitude = 3.5;
        place->longitude = 101.25;
        place->source = QStringLiteral("Test tables");
        place->sourceUrl = QStringLiteral("https://example.org/tables");
        if (name == QLatin1String("Alpha")) {
            place->zoneCode = QStringLiteral("AAA");
        } else if (name == QLatin1String("Beta")) {
            place->zoneCode = QStringLiteral("BBB");
            place->displayName = QStringLiteral("Beta\nTown");
        } else if (name == QLatin1String("Gamma")) {
            place->zoneCode = QStringLiteral("NOTABLE");
        } else if (name == QLatin1String("Delta")) {
            place->zoneCode = QStringLiteral("AAA");
            place->latitude = 0.0;
            place->longitude = 0.0;
        } else {
            delete place;
            return nullptr;
        }
        return place;
    }

    bool dateRange(int &first, int &firstMonth, int &last, int &lastMonth) const override
    {
        first = firstYear();
        firstMonth = 11;
        last = firstYear() + 1;
        lastMonth = 2;
        return true;
    }

    void dayTimes(const QString &zoneCode, QList<AlmarikDay *> &days) const override
    {
        if (zoneCode != QLatin1String("AAA") && zoneCode != QLatin1String("BBB"))
            return;
        const int shift = zoneCode == QLatin1String("BBB") ? 1 : 0;
        const QDate end(firstYear() + 1, 2, QDate(firstYear() + 1, 2, 1).daysInMonth());
        for (QDate date(firstYear(), 11, 1); date <= end; date = date.addDays(1)) {
            auto *day = new AlmarikDay;
            day->year = date.year();
            day->month = date.month();
            day->day = date.day();
            day->hijriYear = 1448;
            day->hijriMonthName = date.day() <= 14 ? QStringLiteral("Jamadil Awal") : QStringLiteral("Jamadil Akhir");
            day->hijriDay = (date.day() + 15) % 30 + 1;
            for (int slot = 0; slot < 8; ++slot) {
                day->times[slot][0] = 4 + slot * 2 + shift;
                day->times[slot][1] = (date.day() + slot) % 60;
            }
            days.append(day);
        }
    }

    QString hijriMonthTitle(int year, int month) const override
    {
        return QStringLiteral("Title %1/%2").arg(month).arg(year);
    }
};
}

ALMARIK_DECLARE_PLUGIN_INTERFACE(IAlmarikObject)

ALMARIK_PLUGIN_EXPORT IAlmarikObject *getApi()
{
    static FakeAlmarikObject object;
    return &object;
}

ALMARIK_PLUGIN_EXPORT bool freeApi(IAlmarikObject **)
{
    return true;
}
