#include "fakealmarikobject.h"

#include <QHash>

QString FakeAlmarikObject::version() const
{
    return QStringLiteral("2000010100000000");
}

QString FakeAlmarikObject::locationTree() const
{
    return QStringLiteral("<root><group label='x'><item>Somewhere</item></root>");
}

QString FakeAlmarikObject::defaultLocation() const
{
    return QString();
}

AlmarikLocation *FakeAlmarikObject::location(const QString &name) const
{
    static const QHash<QString, QString> zones{{QStringLiteral("Somewhere"), QStringLiteral("SOME")},
                                               {QStringLiteral("Nowhere"), QStringLiteral("NONE")},
                                               {QStringLiteral("Shuffled"), QStringLiteral("SHUF")}};
    if (!zones.contains(name))
        return nullptr;
    auto *place = new AlmarikLocation;
    place->name = name;
    place->displayName = name;
    place->zoneCode = zones.value(name);
    place->latitude = -33.8833;
    place->longitude = 151.2167;
    return place;
}

bool FakeAlmarikObject::dateRange(int &firstYear, int &firstMonth, int &lastYear, int &lastMonth) const
{
    firstYear = lastYear = 2026;
    firstMonth = lastMonth = 3;
    return true;
}

void FakeAlmarikObject::dayTimes(const QString &zoneCode, QList<AlmarikDay *> &days) const
{
    if (zoneCode != QLatin1String("SOME") && zoneCode != QLatin1String("SHUF"))
        return;
    // 28 February to 2 March 2026: the days of two months; SHUF hands them
    // out of order.
    const bool shuffled = zoneCode == QLatin1String("SHUF");
    const int dates[3][3] = {{2026, 2, 28}, {2026, 3, 1}, {2026, 3, 2}};
    const int order[3] = {shuffled ? 1 : 0, shuffled ? 0 : 1, 2};
    for (int k = 0; k < 3; ++k) {
        const int i = order[k];
        auto *day = new AlmarikDay;
        day->year = dates[i][0];
        day->month = dates[i][1];
        day->day = dates[i][2];
        day->hijriYear = 1447;
        day->hijriMonthName = QStringLiteral("Ramadan");
        day->hijriDay = 11 + i;
        for (int slot = 0; slot < 8; ++slot) {
            day->times[slot][0] = 5 + 2 * slot;
            day->times[slot][1] = 10 * i + slot;
        }
        days.append(day);
    }
}

QString FakeAlmarikObject::hijriMonthTitle(int, int) const
{
    return QString();
}
