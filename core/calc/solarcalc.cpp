#include "core/calc/solarcalc.h"

#include <QHash>

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

// libitl keeps the sun's positions of three days in a structure on its own
// stack and reuses them when the Julian day it finds there is the one asked
// for or a neighbour; that structure is never initialised, so whatever an
// earlier call (of libitl or of anything else) left at that place decides
// whether stale positions are used. Zeroing the stack below this frame
// before each call makes libitl compute every call afresh.
__attribute__((noinline)) void scrubStack()
{
    volatile unsigned char area[32768];
    for (size_t i = 0; i < sizeof area; i += 8)
        *reinterpret_cast<volatile quint64 *>(area + i) = 0;
}

void callLibitl(const Location *loc, const Method *method, const Date *date, Prayer *p)
{
    scrubStack();
    getPrayerTimes(loc, method, date, p);
}

} // namespace

double SolarCalc::horizonDepression(double elevation)
{
    if (elevation <= 0)
        return StandardHorizon;
    return StandardHorizon + 0.0347 * std::sqrt(elevation);
}

// libnova's sun at a Julian date, precessed from J2000 to that date.
static ln_equ_posn sunOfDate(double jd)
{
    ln_equ_posn j2000, ofDate;
    ln_get_solar_equ_coords(jd, &j2000);
    ln_get_equ_prec(&j2000, jd, &ofDate);
    return ofDate;
}

// Exact transit at Greenwich in minutes after 0h UT of the date, by
// iterating on the hour angle of libnova's sun (precessed to the date).
static double greenwichTransit(qint64 julianDay)
{
    static QHash<qint64, double> cache;
    auto it = cache.constFind(julianDay);
    if (it != cache.constEnd())
        return it.value();
    const double midnightUt = double(julianDay) - 0.5;
    double minutes = 720.0;
    for (int i = 0; i < 3; ++i) {
        const double jd = midnightUt + minutes / 1440.0;
        const ln_equ_posn ofDate = sunOfDate(jd);
        const double sidereal = ln_get_apparent_sidereal_time(jd) * 15.0;
        const double hourAngle = std::fmod(sidereal - ofDate.ra + 540.0, 360.0) - 180.0;
        minutes -= hourAngle * 4.0 / 1.00273790935;
    }
    cache.insert(julianDay, minutes);
    return minutes;
}

double SolarCalc::exactTransit(const QDate &date, double longitude, double utcOffsetHours)
{
    // The transit at longitude L happens L/15 hours before Greenwich's,
    // corrected for the change of the equation of time in between, which
    // a quadratic through three consecutive days gives to a fraction of a
    // second. Greenwich's transits are cached per day, so every point costs
    // the same three ephemeris days.
    const qint64 day = date.toJulianDay();
    const double prev = greenwichTransit(day - 1) - 720.0;
    const double cur = greenwichTransit(day) - 720.0;
    const double next = greenwichTransit(day + 1) - 720.0;
    const double x = -longitude / 360.0;   // days from Greenwich's transit
    const double deviation = cur + x * (next - prev) / 2.0 + x * x * (next - 2.0 * cur + prev) / 2.0;
    return 720.0 - longitude * 4.0 + deviation + utcOffsetHours * 60.0;
}

// A point for libitl, at its standard pressure and temperature.
static Location libitlLocation(double latitude, double longitude, double utcOffsetHours)
{
    Location loc{};
    loc.degreeLong = longitude;
    loc.degreeLat = latitude;
    loc.gmtDiff = utcOffsetHours;
    loc.pressure = 1010;
    loc.temperature = 10;
    return loc;
}

// libitl's method, unrounded and without its extreme-latitude estimates:
// a time the sun does not give is never replaced here, the caller decides
// (libitl would switch to its own rules above 55 degrees by default).
static Method libitlMethod()
{
    Method method{};
    getMethod(0, &method);
    method.round = 0;
    method.extreme = 0;
    method.extremeLat = 90;
    return method;
}

double SolarCalc::clockCorrection(const QDate &date)
{
    // The error is a clock error, the same for every place: measure it at
    // one reference point.
    Location loc = libitlLocation(3.0, 101.7, 8.0);
    Method method = libitlMethod();
    Date d{date.day(), date.month(), date.year()};
    Prayer p[6] = {};
    callLibitl(&loc, &method, &d, p);
    return (exactTransit(date, 101.7, 8.0) - hoursOf(p[2]) * 60.0) * 60.0;
}

double SolarCalc::eventTime(const QDate &date, double latitude, double longitude,
                            double utcOffsetHours, Event event, double param)
{
    Location loc = libitlLocation(latitude, longitude, utcOffsetHours);
    Method method = libitlMethod();
    method.mathhab = 1;
    method.fajrAng = 18;
    method.ishaaAng = 18;

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
    // libitl's clock error, measured on this day's transit at this point.
    return minutes + (exactTransit(date, longitude, utcOffsetHours) - transit);
}

// The sun's apparent place of date at 0h UT of a Julian day number,
// cached: the crossings interpolate between three of them.
static ln_equ_posn sunAtMidnight(qint64 julianDay)
{
    static QHash<qint64, ln_equ_posn> cache;
    auto it = cache.constFind(julianDay);
    if (it != cache.constEnd())
        return it.value();
    const ln_equ_posn ofDate = sunOfDate(double(julianDay) - 0.5);
    cache.insert(julianDay, ofDate);
    return ofDate;
}

// The sun's right ascension and declination at Julian date `jd`, by the
// three-point interpolation of Meeus (3.3) between the midnights around it.
static void sunAt(double jd, double *ra, double *dec)
{
    const qint64 day = qint64(std::floor(jd + 0.5));
    const double n = jd + 0.5 - double(day);
    const ln_equ_posn p0 = sunAtMidnight(day - 1), p1 = sunAtMidnight(day), p2 = sunAtMidnight(day + 1);
    auto interpolate = [n](double y1, double y2, double y3) {
        const double a = y2 - y1, b = y3 - y2;
        return y2 + n / 2.0 * (a + b + n * (b - a));
    };
    double r1 = p0.ra, r2 = p1.ra, r3 = p2.ra;
    if (r2 - r1 > 180) r1 += 360;
    if (r1 - r2 > 180) r1 -= 360;
    if (r2 - r3 > 180) r3 += 360;
    if (r3 - r2 > 180) r3 -= 360;
    *ra = interpolate(r1, r2, r3);
    *dec = interpolate(p0.dec, p1.dec, p2.dec);
}

// Apparent sidereal time in degrees: the mean sidereal time plus the
// equation of the equinoxes, which changes by a few milliseconds a day
// and is taken once per day (its nutation series is costly).
static double siderealDegrees(double jd)
{
    static QHash<qint64, double> equinoxes;
    const qint64 day = qint64(std::floor(jd + 0.5));
    auto it = equinoxes.constFind(day);
    double correction;
    if (it != equinoxes.constEnd()) {
        correction = it.value();
    } else {
        const double midnight = double(day) - 0.5;
        correction = ln_get_apparent_sidereal_time(midnight) - ln_get_mean_sidereal_time(midnight);
        equinoxes.insert(day, correction);
    }
    return (ln_get_mean_sidereal_time(jd) + correction) * 15.0;
}

double SolarCalc::declination(const QDate &date, double utcOffsetHours, double minutes)
{
    const double jd = double(date.toJulianDay()) - 0.5 - utcOffsetHours / 24.0 + minutes / 1440.0;
    double ra, dec;
    sunAt(jd, &ra, &dec);
    return dec;
}

double SolarCalc::altitudeCrossing(const QDate &date, double latitude, double longitude, double utcOffsetHours,
                                   double guess, double altitude, bool morning)
{
    constexpr double Rad = M_PI / 180.0;
    const double midnight = double(date.toJulianDay()) - 0.5 - utcOffsetHours / 24.0;
    double t = guess;
    for (int i = 0; i < 4; ++i) {
        const double jd = midnight + t / 1440.0;
        double ra, dec;
        sunAt(jd, &ra, &dec);
        const double cosH = (std::sin(altitude * Rad) - std::sin(latitude * Rad) * std::sin(dec * Rad))
                            / (std::cos(latitude * Rad) * std::cos(dec * Rad));
        if (cosH < -1.0 || cosH > 1.0)
            return std::numeric_limits<double>::quiet_NaN();
        const double target = (morning ? -1.0 : 1.0) * std::acos(cosH) / Rad;
        const double hourAngle = std::fmod(siderealDegrees(jd) + longitude - ra + 540.0, 360.0)
                                 - 180.0;
        double step = target - hourAngle;
        if (step > 180)
            step -= 360;
        else if (step < -180)
            step += 360;
        t += step * 4.0 / 1.00273790935;
        if (std::fabs(step) < 1e-5)
            break;
    }
    return t;
}

double SolarCalc::transit(const QDate &date, double longitude, double utcOffsetHours)
{
    const double midnight = double(date.toJulianDay()) - 0.5 - utcOffsetHours / 24.0;
    double t = 720.0 - 4.0 * longitude + utcOffsetHours * 60.0;
    for (int i = 0; i < 4; ++i) {
        const double jd = midnight + t / 1440.0;
        double ra, dec;
        sunAt(jd, &ra, &dec);
        const double hourAngle = std::fmod(siderealDegrees(jd) + longitude - ra + 540.0, 360.0)
                                 - 180.0;
        t -= hourAngle * 4.0 / 1.00273790935;
        if (std::fabs(hourAngle) < 1e-5)
            break;
    }
    return t;
}

double SolarCalc::crossing(const QDate &date, double latitude, double longitude, double utcOffsetHours,
                           double altitude, bool morning)
{
    constexpr double Rad = M_PI / 180.0;
    const double noon = transit(date, longitude, utcOffsetHours);
    const double dec = declination(date, utcOffsetHours, noon);
    const double cosH = (std::sin(altitude * Rad) - std::sin(latitude * Rad) * std::sin(dec * Rad))
                        / (std::cos(latitude * Rad) * std::cos(dec * Rad));
    // Where noon's declination just misses the altitude, start from the
    // nearest the sun comes to it; the iteration decides.
    const double hourAngle = std::acos(qBound(-1.0, cosH, 1.0)) / Rad;
    const double guess = noon + (morning ? -4.0 : 4.0) * hourAngle / 1.00273790935;
    return altitudeCrossing(date, latitude, longitude, utcOffsetHours, guess, altitude, morning);
}
