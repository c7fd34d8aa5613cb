// A timetable plug-in of synthetic data for the view benchmarks: from
// January of last year on, as many months as ALMARIK_BENCH_MONTHS says
// (120 by default, ten years), for two zones, "Alpha" and "Beta", whose
// times differ by an hour.

#include <QDate>

#include "plugin-api/ialmarikobject.h"
#include "plugin-api/pluginexport.h"

namespace {
QDate firstDay()
{
    return QDate(QDate::currentDate().year() - 1, 1, 1);
}

QDate lastDay()
{
    const int months = qBound(1, qEnvironmentVariableIntValue("ALMARIK_BENCH_MONTHS") > 0
                                         ? qEnvironmentVariableIntValue("ALMARIK_BENCH_MONTHS") : 120, 1200);
    return firstDay().addMonths(months).addDays(-1);
}

const char *const HijriMonths[] = {"Muharam", "Safar", "Rabiul Awal", "Rabiul Akhir", "Jamadil Awal",
                                   "Jamadil Akhir", "Rejab", "Syaaban", "Ramadan", "Syawal", "Zulkaedah",
                                   "Zulhijjah"};

class SyntheticAlmarikObject : public IAlmarikObject
{
public:
    QString version() const override { return QStringLiteral("synthetic-1"); }
    QString locationTree() const override
    {
        return QStringLiteral("<Location><item>Alpha</item><item>Beta</item></Location>");
    }
    QString defaultLocation() const override { return QStringLiteral("Alpha"); }

    AlmarikLocation *location(const QString &name) const override
    {
        if (name != QLatin1String("Alpha") && name != QLatin1String("Beta"))
            return nullptr;
        auto *place = new AlmarikLocation;
        place->name = name;
        place->displayName = name;
        place->zoneCode = name == QLatin1String("Alpha") ? QStringLiteral("AAA") : QStringLiteral("BBB");
        place->latitude = 3.1;
        place->longitude = 101.7;
        place->source = QStringLiteral("Synthetic tables");
        place->sourceUrl = QStringLiteral("https://example.org/tables");
        return place;
    }

    bool dateRange(int &first, int &firstMonth, int &last, int &lastMonth) const override
    {
        first = firstDay().year();
        firstMonth = firstDay().month();
        last = lastDay().year();
        lastMonth = lastDay().month();
        return true;
    }

    void dayTimes(const QString &zoneCode, QList<AlmarikDay *> &days) const override
    {
        if (zoneCode != QLatin1String("AAA") && zoneCode != QLatin1String("BBB"))
            return;
        const int shift = zoneCode == QLatin1String("BBB") ? 1 : 0;
        const QDate end = lastDay();
        int serial = 0;
        for (QDate date = firstDay(); date <= end; date = date.addDays(1), ++serial) {
            auto *day = new AlmarikDay;
            day->year = date.year();
            day->month = date.month();
            day->day = date.day();
            day->hijriDay = serial % 30 + 1;
            day->hijriMonthName = QLatin1String(HijriMonths[(serial / 30) % 12]);
            day->hijriYear = 1447 + serial / 354;
            for (int slot = 0; slot < 8; ++slot) {
                day->times[slot][0] = 5 + slot * 2 + shift;
                day->times[slot][1] = (date.dayOfYear() + slot * 7) % 60;
            }
            days.append(day);
        }
    }

    QString hijriMonthTitle(int year, int month) const override
    {
        return QStringLiteral("%1/%2").arg(month).arg(year);
    }
};
}

ALMARIK_DECLARE_PLUGIN_INTERFACE(IAlmarikObject)

ALMARIK_PLUGIN_EXPORT IAlmarikObject *getApi()
{
    static SyntheticAlmarikObject object;
    return &object;
}

ALMARIK_PLUGIN_EXPORT bool freeApi(IAlmarikObject **)
{
    return true;
}
