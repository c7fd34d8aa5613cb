#include "plugins/almarikdata/almarikobject.h"

#include <QDate>

using namespace AlmarikTables;

AlmarikObject::AlmarikObject()
{
    m_zones.reserve(zoneCount);
    for (int i = 0; i < zoneCount; ++i)
        m_zones.insert(QString::fromLatin1(zones[i].code),
                       ZoneTable{dayEntries + zones[i].first, zones[i].count, zones[i].firstJulianDay});

    m_catalogue.reserve(placeCount);
    for (int i = 0; i < placeCount; ++i) {
        const PlaceRow &row = places[i];
        AlmarikLocation place;
        place.name = QString::fromUtf8(row.name);
        place.zoneCode = QString::fromUtf8(row.zoneCode);
        place.displayName = QString::fromUtf8(row.displayName);
        place.latitude = row.latitude;
        place.longitude = row.longitude;
        place.source = QString::fromUtf8(row.source);
        place.sourceUrl = QString::fromUtf8(row.sourceUrl);
        m_catalogue.append(place);
    }
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
    // The first record of that name wins ("Terusan" is in Sabah and in
    // Sarawak; the Sabah one comes first).
    for (const AlmarikLocation &place : m_catalogue) {
        if (place.name == name) {
            auto *copy = new AlmarikLocation(place);
            if (copy->displayName.isEmpty())
                copy->displayName = copy->name;
            return copy;
        }
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
        if (const HijriDayRow *hijri = m_hijri.dayOf(day->year, day->month, day->day)) {
            day->hijriYear = hijri->hijriYear;
            day->hijriMonthName = QString::fromLatin1(HijriTableLookup::monthName(*hijri));
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
