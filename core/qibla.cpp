#include "core/qibla.h"

#include <algorithm>
#include <cmath>

#include <libnova/precession.h>
#include <libnova/solar.h>
#include <libnova/transform.h>

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double Radians = Pi / 180.0;

double julianDay(const QDateTime &moment)
{
    return 2440587.5 + double(moment.toMSecsSinceEpoch()) / 86400000.0;
}

QDateTime momentOf(double jd)
{
    return QDateTime::fromMSecsSinceEpoch(qint64(std::llround((jd - 2440587.5) * 86400000.0)), Qt::UTC);
}

// The angle a - b wrapped to (-180, 180].
double signedDifference(double a, double b)
{
    double d = std::fmod(a - b, 360.0);
    if (d > 180.0)
        d -= 360.0;
    if (d <= -180.0)
        d += 360.0;
    return d;
}

void sunAt(double jd, double latitude, double longitude, double *azimuth, double *altitude)
{
    ln_equ_posn j2000;
    ln_equ_posn ofDate;
    ln_get_solar_equ_coords(jd, &j2000);
    ln_get_equ_prec(&j2000, jd, &ofDate);
    ln_lnlat_posn observer{longitude, latitude};
    ln_hrz_posn hrz;
    ln_get_hrz_from_equ(&ofDate, &observer, jd, &hrz);
    // libnova counts the azimuth from the south, westwards.
    *azimuth = std::fmod(hrz.az + 180.0, 360.0);
    *altitude = hrz.alt;
}

} // namespace

Qibla::Qibla(double latitude, double longitude)
    : m_latitude(latitude), m_longitude(longitude)
{
    const double phi1 = latitude * Radians;
    const double phi2 = KaabaLatitude * Radians;
    const double dLambda = (KaabaLongitude - longitude) * Radians;
    const double y = std::sin(dLambda) * std::cos(phi2);
    const double x = std::cos(phi1) * std::sin(phi2) - std::sin(phi1) * std::cos(phi2) * std::cos(dLambda);
    double bearing = std::atan2(y, x) / Radians;
    if (bearing < 0.0)
        bearing += 360.0;
    if (bearing >= 360.0)
        bearing -= 360.0;
    m_bearing = bearing;

    // Haversine: well conditioned for short distances too.
    const double dPhi = phi2 - phi1;
    const double a = std::sin(dPhi / 2) * std::sin(dPhi / 2)
            + std::cos(phi1) * std::cos(phi2) * std::sin(dLambda / 2) * std::sin(dLambda / 2);
    m_distanceKm = 2.0 * EarthRadiusKm * std::asin(std::min(1.0, std::sqrt(a)));
}

bool Qibla::hasBearing() const
{
    return m_distanceKm >= 0.01;
}

void Qibla::sunPosition(const QDateTime &moment, double latitude, double longitude,
                        double *azimuth, double *altitude)
{
    sunAt(julianDay(moment), latitude, longitude, azimuth, altitude);
}

QList<Qibla::ShadowTime> Qibla::shadowTimes(const QDate &day, const QTimeZone &zone) const
{
    QList<ShadowTime> found;
    if (!hasBearing() || !day.isValid())
        return found;
    const QDateTime start(day, QTime(0, 0), zone);
    const QDateTime end(day.addDays(1), QTime(0, 0), zone);
    const double jdStart = julianDay(start);
    const double jdEnd = julianDay(end);
    if (!(jdEnd > jdStart))
        return found;

    const double targets[2] = {m_bearing, std::fmod(m_bearing + 180.0, 360.0)};
    const Shadow kinds[2] = {Shadow::Towards, Shadow::Away};
    // One-minute steps: the azimuth of a sun passing near the zenith turns
    // fast, but not half a turn in a minute unless it passes within a
    // fraction of a degree of it.
    const double step = 1.0 / 1440.0;
    const int steps = int(std::ceil((jdEnd - jdStart) / step));
    for (int k = 0; k < 2; ++k) {
        auto offset = [&](double jd, double *altitude) {
            double azimuth = 0.0;
            sunAt(jd, m_latitude, m_longitude, &azimuth, altitude);
            return signedDifference(azimuth, targets[k]);
        };
        double alt0 = 0.0;
        double t0 = jdStart;
        double f0 = offset(t0, &alt0);
        for (int i = 1; i <= steps; ++i) {
            const double t1 = std::min(jdStart + i * step, jdEnd);
            double alt1 = 0.0;
            const double f1 = offset(t1, &alt1);
            // A sign change through zero, not the jump at the opposite
            // azimuth where the difference wraps from +180 to -180.
            if ((f0 <= 0.0) != (f1 <= 0.0) && std::fabs(f0 - f1) < 180.0 && (alt0 > -1.0 || alt1 > -1.0)) {
                double a = t0, b = t1, fa = f0;
                for (int n = 0; n < 40 && (b - a) * 86400.0 > 0.05; ++n) {
                    const double m = (a + b) / 2;
                    double altm = 0.0;
                    const double fm = offset(m, &altm);
                    if ((fa <= 0.0) == (fm <= 0.0)) {
                        a = m;
                        fa = fm;
                    } else {
                        b = m;
                    }
                }
                const double root = (a + b) / 2;
                double altitude = 0.0;
                offset(root, &altitude);
                if (altitude > 0.0 && root >= jdStart && root < jdEnd)
                    found.append(ShadowTime{momentOf(root), kinds[k], altitude});
            }
            t0 = t1;
            f0 = f1;
            alt0 = alt1;
        }
    }
    std::sort(found.begin(), found.end(),
              [](const ShadowTime &a, const ShadowTime &b) { return a.moment < b.moment; });
    return found;
}

QList<QDateTime> Qibla::kaabaOverhead(int year)
{
    QList<QDateTime> moments;
    ln_lnlat_posn kaaba{KaabaLongitude, KaabaLatitude};
    // The sun's declination passes the Kaaba's latitude once on the way
    // north (late May) and once on the way back (mid July); look for the
    // highest noon sun in a window around each.
    const QDate windows[2][2] = {{QDate(year, 5, 10), QDate(year, 6, 15)},
                                 {QDate(year, 6, 25), QDate(year, 8, 5)}};
    for (const auto &window : windows) {
        double bestAltitude = -90.0;
        double bestTransit = 0.0;
        for (QDate date = window[0]; date <= window[1]; date = date.addDays(1)) {
            // Noon at the Kaaba is near 09:20 UTC; ask for the transit of
            // the day that starts at 00:00 UTC.
            ln_rst_time rst;
            const double jd = julianDay(QDateTime(date, QTime(0, 0), Qt::UTC));
            if (ln_get_solar_rst(jd, &kaaba, &rst) < 0)
                continue;
            // libnova's transit is good to a minute or two; settle on the
            // highest sun within half an hour of it by golden-section search.
            auto altitudeAt = [](double jd) {
                double azimuth = 0.0;
                double altitude = 0.0;
                sunAt(jd, KaabaLatitude, KaabaLongitude, &azimuth, &altitude);
                return altitude;
            };
            const double ratio = (std::sqrt(5.0) - 1.0) / 2.0;
            double a = rst.transit - 30.0 / 1440.0;
            double b = rst.transit + 30.0 / 1440.0;
            while ((b - a) * 86400.0 > 0.5) {
                const double c = b - ratio * (b - a);
                const double d = a + ratio * (b - a);
                if (altitudeAt(c) > altitudeAt(d))
                    b = d;
                else
                    a = c;
            }
            const double noon = (a + b) / 2.0;
            const double altitude = altitudeAt(noon);
            if (altitude > bestAltitude) {
                bestAltitude = altitude;
                bestTransit = noon;
            }
        }
        if (bestTransit > 0.0)
            moments.append(momentOf(bestTransit));
    }
    return moments;
}
