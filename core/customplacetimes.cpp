#include "core/customplacetimes.h"

#include "core/calc/conventioncatalogue.h"

CustomPlaceTimes::CustomPlaceTimes(const CustomPlace &place, const ConventionCatalogue &catalogue)
    : m_place(place), m_calculator(place.calculator(catalogue))
{
}

void CustomPlaceTimes::setHijriSource(HijriSource source)
{
    m_hijri = std::move(source);
    if (!m_hijri)
        return;
    const HijriSource hijri = m_hijri;
    m_calculator.setRamadanRule([hijri](const QDate &date) {
        DailyTimes day;
        return hijri(date, day) == 9;
    });
}

bool CustomPlaceTimes::isValid() const
{
    return m_calculator.isValid();
}

QString CustomPlaceTimes::error() const
{
    return m_calculator.error();
}

QString CustomPlaceTimes::conventionName() const
{
    return m_calculator.convention().name;
}

bool CustomPlaceTimes::timesOfDay(const QDate &date, DailyTimes &out) const
{
    int minutes[PrayerSlotCount];
    if (!m_calculator.timesOfDay(date, minutes))
        return false;
    DailyTimes day;
    day.day = date.day();
    day.month = date.month();
    day.year = date.year();
    day.dayOfWeek = date.dayOfWeek() % 7;
    for (int slot = 0; slot < PrayerSlotCount; ++slot) {
        // A time held within its day by the calculator; an adjustment can
        // still carry it over midnight, which the clock shows as such.
        const int m = ((minutes[slot] % 1440) + 1440) % 1440;
        day.times[slot][0] = m / 60;
        day.times[slot][1] = m % 60;
    }
    if (m_hijri)
        m_hijri(date, day);
    out = day;
    return true;
}

QList<DailyTimes> CustomPlaceTimes::timesOfMonth(int month, int year) const
{
    QList<DailyTimes> days;
    const QDate first(year, month, 1);
    if (!first.isValid())
        return days;
    for (QDate d = first; d.month() == month; d = d.addDays(1)) {
        DailyTimes day;
        if (!timesOfDay(d, day))
            return QList<DailyTimes>();
        days << day;
    }
    return days;
}
