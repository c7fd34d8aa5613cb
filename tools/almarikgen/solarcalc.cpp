#include "solarcalc.h"

#include <functional>
#include <unordered_map>

#include <cmath>
#include <limits>

#include <itl/prayer.h>
#include <libnova/julian_day.h>
#include <libnova/precession.h>
#include <libnova/sidereal_time.h>
#include <libnova/solar.h>

namespace {

// libitl's own constant for the sun's upper limb with standard refraction.
constexpr double StandardHorizon = 0.833370;

double hoursOf(const Prayer &p)
{
    return p.hour + p.minute / 60.0 + p.second / 3600.0;
}

// libitl keeps the sun's positions of the last three days in a cache keyed
// by the Julian day of local midnight. A call for another UTC offset can
// find a neighbouring day there and reuse it wrongly (a transit hours off
// after a call at UTC+8 and one at UTC-4 on consecutive days). Whenever the
// offset changes, a call for a far-away date empties the cache first.
void callLibitl(const Location *loc, const Method *method, const Date *date, Prayer *p)
{
    static double lastOffset = 1e9;
    if (loc->gmtDiff != lastOffset) {
        Date far{1, 1, 1900};
        Prayer scratch[6] = {};
        getPrayerTimes(loc, method, &far, scratch);
        lastOffset = loc->gmtDiff;
    }
    getPrayerTimes(loc, method, date, p);
}

// Seconds to add to libitl's time at this point and date: its transit
// against the exact one. Cached, since the fitting asks for the same days
// and points again and again.
double correctionAt(const QDate &date, double longitude, double utcOffsetHours, double libitlTransitMinutes)
{
    struct Key
    {
        qint64 day;
        double longitude;
        double offset;
        bool operator==(const Key &o) const { return day == o.day && longitude == o.longitude && offset == o.offset; }
    };
    struct KeyHash
    {
        size_t operator()(const Key &k) const
        {
            return std::hash<qint64>()(k.day) ^ (std::hash<double>()(k.longitude) << 1)
                   ^ (std::hash<double>()(k.offset) << 2);
        }
    };
    static std::unordered_map<Key, double, KeyHash> cache;
    const Key key{date.toJulianDay(), longitude, utcOffsetHours};
    auto it = cache.find(key);
    if (it != cache.end())
        return it->second;
    const double seconds = (SolarCalc::exactTransit(date, longitude, utcOffsetHours) - libitlTransitMinutes) * 60.0;
    cache.emplace(key, seconds);
    return seconds;
}

} // namespace

double SolarCalc::horizonDepression(double elevation)
{
    if (elevation <= 0)
        return StandardHorizon;
    return StandardHorizon + 0.0347 * std::sqrt(elevation);
}

double SolarCalc::exactTransit(const QDate &date, double longitude, double utcOffsetHours)
{
    ln_date d{date.year(), date.month(), date.day(), 0, 0, 0.0};
    const double midnightUt = ln_get_julian_day(&d) - utcOffsetHours / 24.0;
    double hours = 12.0 - longitude / 15.0 + utcOffsetHours;
    for (int i = 0; i < 4; ++i) {
        const double jd = midnightUt + hours / 24.0;
        ln_equ_posn j2000, ofDate;
        ln_get_solar_equ_coords(jd, &j2000);
        ln_get_equ_prec(&j2000, jd, &ofDate);
        const double sidereal = ln_get_apparent_sidereal_time(jd) * 15.0;
        const double hourAngle = std::fmod(sidereal + longitude - ofDate.ra + 540.0, 360.0) - 180.0;
        hours -= hourAngle / 15.0 / 1.00273790935;
    }
    return hours * 60.0;
}

double SolarCalc::clockCorrection(const QDate &date)
{
    // The error is a clock error, the same for every place: measure it at
    // one reference point.
    Location loc{};
    loc.degreeLong = 101.7;
    loc.degreeLat = 3.0;
    loc.gmtDiff = 8.0;
    loc.pressure = 1010;
    loc.temperature = 10;
    Method method{};
    getMethod(0, &method);
    method.round = 0;
    method.extreme = 0;
    method.extremeLat = 90;
    Date d{date.day(), date.month(), date.year()};
    Prayer p[6] = {};
    callLibitl(&loc, &method, &d, p);
    return (exactTransit(date, 101.7, 8.0) - hoursOf(p[2]) * 60.0) * 60.0;
}

double SolarCalc::eventTime(const QDate &date, double latitude, double longitude,
                            double utcOffsetHours, Event event, double param)
{
    Location loc{};
    loc.degreeLong = longitude;
    loc.degreeLat = latitude;
    loc.gmtDiff = utcOffsetHours;
    loc.pressure = 1010;
    loc.temperature = 10;

    Method method{};
    getMethod(0, &method);
    method.round = 0;
    method.extreme = 0;
    method.mathhab = 1;
    method.fajrAng = 18;
    method.ishaaAng = 18;
    // Never substitute an estimate for a time the sun does not give: the
    // caller decides (libitl would switch to its extreme-latitude rules
    // above 55 degrees by default).
    method.extremeLat = 90;

    int slot = 0;
    switch (event) {
    case Dawn:
        method.fajrAng = param;
        slot = 0;
        break;
    case Morning:
        method.fajrAng = -param;
        slot = 0;
        break;
    case Sunrise:
        // libitl's Fajr with the horizon depression is its sunrise for any
        // horizon; its own sunrise ignores the elevation.
        method.fajrAng = param;
        slot = 0;
        break;
    case Transit:
        slot = 2;
        break;
    case Afternoon:
        method.mathhab = param >= 1.5 ? 2 : 1;
        slot = 3;
        break;
    case Sunset:
        method.ishaaAng = param;
        slot = 5;
        break;
    case Dusk:
        method.ishaaAng = param;
        slot = 5;
        break;
    }

    Date d{date.day(), date.month(), date.year()};
    Prayer p[6] = {};
    callLibitl(&loc, &method, &d, p);
    if (p[slot].hour >= 99 || p[slot].hour < -24 || p[slot].isExtreme)
        return std::numeric_limits<double>::quiet_NaN();
    // libitl gives clock hours modulo 24: an evening time past midnight
    // comes back as early morning, a morning time before midnight as late
    // evening. Put every time on the right side of the transit.
    double minutes = hoursOf(p[slot]) * 60.0;
    const double transit = hoursOf(p[2]) * 60.0;
    const bool morning = slot == 0 || slot == 1;
    if (morning && minutes > transit)
        minutes -= 1440.0;
    else if (!morning && slot != 2 && minutes < transit)
        minutes += 1440.0;
    return minutes + correctionAt(date, longitude, utcOffsetHours, transit) / 60.0;
}
