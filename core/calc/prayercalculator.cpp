#include "core/calc/prayercalculator.h"

#include "core/calc/solarcalc.h"

#include <QCalendar>
#include <QDateTime>

#include <cmath>

namespace {

constexpr double DuhaAltitude = 4.5;
// Above this latitude the Moonsighting Committee takes one seventh of the
// night for Subuh and Isyak.
constexpr double SeasonalLatitudeLimit = 55.0;

// Days since the winter solstice as the Moonsighting Committee counts
// them (21 December in the north, 21 June in the south).
int daysSinceSolstice(const QDate &date, double latitude)
{
    const int dayOfYear = date.dayOfYear();   // 1 on 1 January
    const int daysInYear = date.daysInYear();
    if (latitude >= 0) {
        const int d = dayOfYear + 10;
        return d >= daysInYear ? d - daysInYear : d;
    }
    const int d = dayOfYear - (QDate::isLeapYear(date.year()) ? 173 : 172);
    return d < 0 ? d + daysInYear : d;
}

// The committee's piecewise-linear year through four values a, b, c, d
// (winter solstice, equinox, the weeks around the summer solstice).
double seasonal(int dyy, double a, double b, double c, double d)
{
    if (dyy < 91)
        return a + (b - a) / 91.0 * dyy;
    if (dyy < 137)
        return b + (c - b) / 46.0 * (dyy - 91);
    if (dyy < 183)
        return c + (d - c) / 46.0 * (dyy - 137);
    if (dyy < 229)
        return d + (c - d) / 46.0 * (dyy - 183);
    if (dyy < 275)
        return c + (b - c) / 46.0 * (dyy - 229);
    return b + (a - b) / 91.0 * (dyy - 275);
}

} // namespace

PrayerCalculator::PrayerCalculator(double latitude, double longitude, const QTimeZone &zone,
                                   const PrayerConvention &convention)
    : m_latitude(latitude), m_longitude(longitude), m_zone(zone), m_convention(convention)
{
    m_isRamadan = [](const QDate &date) {
        const QCalendar islamic(QCalendar::System::IslamicCivil);
        return islamic.partsFromDate(date).month == 9;
    };
    if (!m_zone.isValid())
        m_error = QStringLiteral("unknown time zone '%1'").arg(QString::fromUtf8(zone.id()));
    else if (!m_convention.isValid())
        m_error = QStringLiteral("no convention");
    else if (!(std::fabs(latitude) <= 90.0) || !(std::fabs(longitude) <= 180.0))
        m_error = QStringLiteral("latitude or longitude out of range");
}

void PrayerCalculator::setRamadanRule(std::function<bool(const QDate &)> isRamadan)
{
    m_isRamadan = std::move(isRamadan);
}

void PrayerCalculator::setMinutesAdded(int slot, int minutes)
{
    if (slot >= 0 && slot < PrayerSlotCount)
        m_added[slot] = minutes;
}

bool PrayerCalculator::isValid() const
{
    return m_error.isEmpty();
}

double PrayerCalculator::seasonalMorningMinutes(double latitude, const QDate &date)
{
    const double l = std::fabs(latitude) / 55.0;
    return seasonal(daysSinceSolstice(date, latitude), 75 + 28.65 * l, 75 + 19.44 * l, 75 + 32.74 * l,
                    75 + 48.10 * l);
}

double PrayerCalculator::seasonalEveningMinutes(double latitude, const QDate &date)
{
    const double l = std::fabs(latitude) / 55.0;
    return seasonal(daysSinceSolstice(date, latitude), 75 + 25.60 * l, 75 + 2.050 * l, 75 - 9.21 * l,
                    75 + 6.14 * l);
}

// libitl works on the local day, so it is given the offset in force at
// local noon; every event comes back in minutes after 00:00 UTC.
double PrayerCalculator::utcOffsetAtNoon(const QDate &date) const
{
    return m_zone.offsetFromUtc(QDateTime(date, QTime(12, 0), m_zone)) / 3600.0;
}

double PrayerCalculator::sunriseUtc(const QDate &date) const
{
    const qint64 key = date.toJulianDay();
    auto it = m_rise.constFind(key);
    if (it != m_rise.constEnd())
        return it.value();
    const double offset = utcOffsetAtNoon(date);
    const double t = SolarCalc::crossing(date, m_latitude, m_longitude, offset, -SolarCalc::horizonDepression(0), true)
                     - offset * 60.0;
    m_rise.insert(key, t);
    return t;
}

double PrayerCalculator::sunsetUtc(const QDate &date) const
{
    const qint64 key = date.toJulianDay();
    auto it = m_set.constFind(key);
    if (it != m_set.constEnd())
        return it.value();
    const double offset = utcOffsetAtNoon(date);
    const double t = SolarCalc::crossing(date, m_latitude, m_longitude, offset, -SolarCalc::horizonDepression(0), false)
                     - offset * 60.0;
    m_set.insert(key, t);
    return t;
}

bool PrayerCalculator::dayInUtc(const QDate &d, PrayerConvention::HighLatitudeRule rule,
                                double t[PrayerSlotCount]) const
{
    const PrayerConvention &c = m_convention;
    const double rise = sunriseUtc(d);
    const double set = sunsetUtc(d);
    const double nextRise = sunriseUtc(d.addDays(1)) + 1440.0;
    const double prevSet = sunsetUtc(d.addDays(-1)) - 1440.0;
    if (std::isnan(rise) || std::isnan(set) || std::isnan(nextRise) || std::isnan(prevSet))
        return false;

    const double offset = utcOffsetAtNoon(d);
    const double transit = SolarCalc::transit(d, m_longitude, offset);
    // Minutes after 00:00 UTC at which the sun reaches `altitude`; NaN
    // where it does not.
    auto event = [&](double altitude, bool morning) {
        return SolarCalc::crossing(d, m_latitude, m_longitude, offset, altitude, morning) - offset * 60.0;
    };
    // The shadow at Asar: the noon shadow plus `asarFactor` times the
    // object's length.
    const double noonDeclination = SolarCalc::declination(d, offset, transit);
    const double asarAltitude = std::atan(1.0 / (c.asarFactor + std::tan(std::fabs(m_latitude - noonDeclination) * M_PI / 180.0)))
                                * 180.0 / M_PI;
    t[Imsak] = 0;
    t[Syuruk] = rise;
    t[Maghrib] = set;
    t[Zohor] = transit - offset * 60.0;
    t[Asar] = event(asarAltitude, false);
    t[Duha] = event(DuhaAltitude, true);

    const double morningNight = rise - prevSet;
    const double eveningNight = nextRise - set;
    // The share of the night that bounds Subuh (before sunrise) and Isyak
    // (after sunset) under a rule.
    auto share = [&](double angle) {
        switch (rule) {
        case PrayerConvention::MiddleOfNight:
            return 0.5;
        case PrayerConvention::OneSeventh:
            return 1.0 / 7.0;
        case PrayerConvention::NoHighLatitudeRule:
        case PrayerConvention::AngleBased:
            break;
        }
        return angle / 60.0;
    };
    const bool bounded = rule != PrayerConvention::NoHighLatitudeRule;

    if (c.twilight == PrayerConvention::TwilightSeasonal) {
        const bool high = std::fabs(m_latitude) >= SeasonalLatitudeLimit;
        const double fajr = high ? rise - morningNight / 7.0 : event(-c.subuhAngle, true);
        const double fajrBound = rise - seasonalMorningMinutes(m_latitude, d);
        t[Subuh] = (std::isnan(fajr) || fajrBound > fajr) ? fajrBound : fajr;
    } else {
        const double fajr = event(-c.subuhAngle, true);
        const double fajrBound = rise - share(c.subuhAngle) * morningNight;
        t[Subuh] = (std::isnan(fajr) || (bounded && fajr < fajrBound)) ? fajrBound : fajr;
    }

    if (c.isyakMinutes > 0) {
        const bool ramadan = m_isRamadan && m_isRamadan(d);
        t[Isyak] = set + (ramadan ? c.isyakMinutesRamadan : c.isyakMinutes);
    } else if (c.twilight == PrayerConvention::TwilightSeasonal) {
        const bool high = std::fabs(m_latitude) >= SeasonalLatitudeLimit;
        const double isha = high ? set + eveningNight / 7.0 : event(-c.isyakAngle, false);
        const double ishaBound = set + seasonalEveningMinutes(m_latitude, d);
        t[Isyak] = (std::isnan(isha) || ishaBound < isha) ? ishaBound : isha;
    } else {
        const double isha = event(-c.isyakAngle, false);
        const double ishaBound = set + share(c.isyakAngle) * eveningNight;
        t[Isyak] = (std::isnan(isha) || (bounded && isha > ishaBound)) ? ishaBound : isha;
    }
    return !std::isnan(t[Zohor]) && !std::isnan(t[Asar]) && !std::isnan(t[Duha]);
}

// The moments `t` (minutes after 00:00 UTC of `date`, the convention's
// adjustments added) on the local clock in force at each, unrounded;
// false when one falls outside the local day.
bool PrayerCalculator::toLocal(const QDate &date, const double t[PrayerSlotCount],
                               double local[PrayerSlotCount]) const
{
    const QDateTime utcMidnight(date, QTime(0, 0), Qt::UTC);
    bool inDay = true;
    for (int slot = Subuh; slot < PrayerSlotCount; ++slot) {
        const double utc = t[slot] + m_convention.adjustment[slot];
        const QDateTime moment = utcMidnight.addSecs(qint64(std::floor(utc * 60.0)));
        local[slot] = utc + m_zone.offsetFromUtc(moment) / 60.0;
        inDay = inDay && local[slot] >= 0 && local[slot] < 1440;
    }
    return inDay;
}

// A rule that puts a time outside its day in the weeks around the summer
// solstice gives way to one seventh of the night for the whole year, so
// that no time jumps by an hour from one day to the next.
PrayerConvention::HighLatitudeRule PrayerCalculator::ruleOfYear(int year) const
{
    auto it = m_yearRule.constFind(year);
    if (it != m_yearRule.constEnd())
        return it.value();
    PrayerConvention::HighLatitudeRule rule = m_convention.highLatitude;
    const int month = m_latitude >= 0 ? 6 : 12;
    for (int day = 12; day <= 30 && rule != PrayerConvention::OneSeventh; day += 3) {
        const QDate d(year, month, day);
        double t[PrayerSlotCount];
        double local[PrayerSlotCount];
        if (dayInUtc(d, rule, t) && !toLocal(d, t, local))
            rule = PrayerConvention::OneSeventh;
    }
    m_yearRule.insert(year, rule);
    return rule;
}

bool PrayerCalculator::unroundedTimesOfDay(const QDate &date, double local[PrayerSlotCount]) const
{
    if (!isValid() || !date.isValid())
        return false;
    double t[PrayerSlotCount];
    if (!dayInUtc(date, ruleOfYear(date.year()), t))
        return false;
    if (!toLocal(date, t, local)) {
        // Even so a time falls outside its day: one seventh of the night
        // keeps every time within it.
        if (!dayInUtc(date, PrayerConvention::OneSeventh, t) || !toLocal(date, t, local))
            return false;
    }
    return true;
}

int PrayerCalculator::roundedMinute(const PrayerConvention &convention, int slot, double local)
{
    if (convention.rounding == PrayerConvention::RoundNearest)
        return int(std::floor(local + 0.5));
    if (slot == Syuruk)
        return int(std::floor(local + 1e-9));
    return int(std::ceil(local - 1e-9));
}

bool PrayerCalculator::timesOfDay(const QDate &date, int minutes[PrayerSlotCount]) const
{
    double local[PrayerSlotCount];
    if (!unroundedTimesOfDay(date, local))
        return false;
    for (int slot = Subuh; slot < PrayerSlotCount; ++slot)
        minutes[slot] = roundedMinute(m_convention, slot, local[slot]) + m_added[slot];
    minutes[Imsak] = minutes[Subuh] - m_convention.imsakMinutes + m_added[Imsak];
    return true;
}
