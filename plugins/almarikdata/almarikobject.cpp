#include "plugins/almarikdata/almarikobject.h"

#include <QDate>

using namespace AlmarikTables;

AlmarikObject::AlmarikObject()
{
    for (int month = 1; month <= 12; ++month)
        m_hijriMonthNames[month] = QString::fromLatin1(hijriMonthNames[month - 1]);
    m_zones.reserve(zoneCount);
    for (int i = 0; i < zoneCount; ++i)
        m_zones.insert(QString::fromLatin1(zones[i].code),
                       ZoneTable{dayEntries + zones[i].first, zones[i].count, zones[i].firstJulianDay});
}

AlmarikObject::~AlmarikObject() = default;

QString AlmarikObject::version() const
{
    return QString::fromLatin1(AlmarikTables::version);
}

QString AlmarikObject::locationTree() const
{
    return QString::fromUtf8(AlmarikTables::locationTree);
}

QString AlmarikObject::defaultLocation() const
{
    return QStringLiteral("Kuala Lumpur");
}

AlmarikLocation *AlmarikObject::location(const QString &name) const
{
    // The rows are searched as they are compiled in: converting all of them
    // up front cost every start a few hundred microseconds. The first
    // record of that name wins ("Terusan" is in Sabah and in Sarawak; the
    // Sabah one comes first).
    const QByteArray wanted = name.toUtf8();
    for (int i = 0; i < placeCount; ++i) {
        const PlaceRow &row = places[i];
        if (wanted != row.name)
            continue;
        auto *place = new AlmarikLocation;
        place->name = QString::fromUtf8(row.name);
        place->zoneCode = QString::fromUtf8(row.zoneCode);
        place->displayName = row.displayName && *row.displayName ? QString::fromUtf8(row.displayName) : place->name;
        place->latitude = row.latitude;
        place->longitude = row.longitude;
        place->source = QString::fromUtf8(row.source);
        place->sourceUrl = QString::fromUtf8(row.sourceUrl);
        return place;
    }
    return nullptr;
}

bool AlmarikObject::dateRange(int &firstYear, int &firstMonth, int &lastYear, int &lastMonth) const
{
    firstYear = AlmarikTables::firstYear;
    firstMonth = AlmarikTables::firstMonth;
    lastYear = AlmarikTables::lastYear;
    lastMonth = AlmarikTables::lastMonth;
    return true;
}

void AlmarikObject::dayTimes(const QString &zoneCode, QList<AlmarikDay *> &days) const
{
    const auto zone = m_zones.constFind(zoneCode);
    if (zone == m_zones.constEnd())
        return;
    days.reserve(days.size() + zone->count);
    const QDate firstDay = QDate::fromJulianDay(zone->firstJulianDay);
    int year = firstDay.year();
    int month = firstDay.month();
    int dayOfMonth = firstDay.day();
    int monthLength = firstDay.daysInMonth();
    const HijriDayRow *const hijriEnd = hijriDays + hijriDayCount;
    const HijriDayRow *hijri = nullptr;
    for (int i = 0; i < zone->count; ++i) {
        const std::uint16_t *minutes = zone->first[i].minutes;
        auto *day = new AlmarikDay;
        day->year = year;
        day->month = month;
        day->day = dayOfMonth;
        // The next day, counted on without building a date per day.
        if (++dayOfMonth > monthLength) {
            dayOfMonth = 1;
            if (++month > 12) {
                month = 1;
                ++year;
            }
            monthLength = QDate(year, month, 1).daysInMonth();
        }
        // The Hijri rows run by date too: the row after the last day's is
        // this day's, unless the table has a gap there.
        if (hijri && hijri + 1 < hijriEnd && hijri[1].year == day->year && hijri[1].month == day->month
            && hijri[1].day == day->day)
            ++hijri;
        else
            hijri = m_hijri.dayOf(day->year, day->month, day->day);
        if (hijri) {
            day->hijriYear = hijri->hijriYear;
            day->hijriMonthName = hijri->hijriMonth >= 1 && hijri->hijriMonth <= 12
                    ? m_hijriMonthNames[hijri->hijriMonth] : QString();
            day->hijriDay = hijri->hijriDay;
        }
        for (int slot = 0; slot < 8; ++slot) {
            day->times[slot][0] = minutes[slot] / 60;
            day->times[slot][1] = minutes[slot] % 60;
        }
        days.append(day);
    }
}

QString AlmarikObject::hijriMonthTitle(int year, int month) const
{
    return m_hijri.monthTitle(year, month);
}
