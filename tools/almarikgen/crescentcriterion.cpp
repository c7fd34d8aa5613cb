#include "crescentcriterion.h"

#include <cmath>

#include <libnova/angular_separation.h>
#include <libnova/julian_day.h>
#include <libnova/lunar.h>
#include <libnova/parallax.h>
#include <libnova/precession.h>
#include <libnova/solar.h>
#include <libnova/transform.h>

namespace {

constexpr double KmPerAu = 149597870.7;

void sunOfDate(double jd, ln_equ_posn *pos)
{
    ln_equ_posn j2000;
    ln_get_solar_equ_coords(jd, &j2000);
    ln_get_equ_prec(&j2000, jd, pos);
}

double altitudeOf(ln_equ_posn *pos, ln_lnlat_posn *observer, double jd)
{
    ln_hrz_posn hrz;
    ln_get_hrz_from_equ(pos, observer, jd, &hrz);
    return hrz.alt;
}

// Moon minus sun ecliptic longitude, wrapped to (-180, 180].
double phaseAngle(double jd)
{
    ln_lnlat_posn moon, sun;
    ln_get_lunar_ecl_coords(jd, &moon, 0);
    ln_get_solar_ecl_coords(jd, &sun);
    double d = std::fmod(moon.lng - sun.lng, 360.0);
    if (d > 180.0)
        d -= 360.0;
    if (d <= -180.0)
        d += 360.0;
    return d;
}

} // namespace

CrescentCriterion::CrescentCriterion(double latitude, double longitude, double utcOffsetHours)
    : m_latitude(latitude), m_longitude(longitude), m_utcOffset(utcOffsetHours)
{
}

double CrescentCriterion::conjunctionNear(double jd)
{
    // The phase angle grows about 12.2 degrees a day; step by Newton's
    // method with the mean rate, then bisect to settle.
    double t = jd;
    for (int i = 0; i < 20; ++i) {
        const double d = phaseAngle(t);
        t -= d / 12.190749;
        if (std::fabs(d) < 1e-6)
            break;
    }
    return t;
}

bool CrescentCriterion::sighting(const QDate &evening, Sighting *result) const
{
    ln_date d{evening.year(), evening.month(), evening.day(), 12, 0, 0.0};
    // Local noon, expressed in UT.
    const double noonJd = ln_get_julian_day(&d) - m_utcOffset / 24.0;

    // Sunset: the sun's upper limb on the horizon with standard refraction
    // (centre at -0.8333 degrees); bisect between noon and midnight.
    ln_lnlat_posn observer{m_longitude, m_latitude};
    auto sunAlt = [&](double jd) {
        ln_equ_posn sun;
        sunOfDate(jd, &sun);
        return altitudeOf(&sun, &observer, jd) + 0.8333;
    };
    double lo = noonJd, hi = noonJd + 0.5;
    if (sunAlt(lo) < 0 || sunAlt(hi) > 0)
        return false;
    for (int i = 0; i < 40; ++i) {
        const double mid = (lo + hi) / 2;
        if (sunAlt(mid) > 0)
            lo = mid;
        else
            hi = mid;
    }
    const double jd = (lo + hi) / 2;

    ln_equ_posn sun, moonJ2000, moonGeo, shift;
    sunOfDate(jd, &sun);
    ln_get_lunar_equ_coords(jd, &moonJ2000);
    ln_get_equ_prec(&moonJ2000, jd, &moonGeo);
    const double distanceAu = ln_get_lunar_earth_dist(jd) / KmPerAu;
    ln_get_parallax(&moonGeo, distanceAu, &observer, 0.0, jd, &shift);
    ln_equ_posn moon{moonGeo.ra + shift.ra, moonGeo.dec + shift.dec};

    Sighting s;
    s.sunsetJd = jd;
    s.altitude = altitudeOf(&moon, &observer, jd);
    s.elongation = ln_get_angular_separation(&moon, &sun);
    s.ageHours = (jd - conjunctionNear(jd)) * 24.0;
    *result = s;
    return true;
}

bool CrescentCriterion::meetsNewCriterion(const Sighting &s)
{
    return s.ageHours > 0 && s.altitude >= 3.0 && s.elongation >= 6.4;
}

bool CrescentCriterion::meetsOldCriterion(const Sighting &s)
{
    return s.ageHours > 0 && s.altitude >= 2.0 && (s.elongation >= 3.0 || s.ageHours >= 8.0);
}

bool CrescentCriterion::meetsUmmAlQuraRule(const Sighting &s)
{
    // Moonset: the centre 34' of refraction and about 16' of semi-diameter
    // below the horizon, as for the sun.
    return s.ageHours > 0 && s.altitude > -0.8333;
}

bool CrescentCriterion::isVisible(const QDate &evening) const
{
    Sighting s;
    if (!sighting(evening, &s))
        return false;
    return evening.year() >= 2022 ? meetsNewCriterion(s) : meetsOldCriterion(s);
}
