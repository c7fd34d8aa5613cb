#ifndef QIBLA_H
#define QIBLA_H

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QTimeZone>

// The direction of the Kaaba from a place: the great-circle initial bearing
// from true north and the distance, and the moments of a day when the sun
// stands exactly in that direction or opposite it while above the horizon,
// so that the shadow of a vertical stick gives the line of the Qibla.
class Qibla
{
public:
    static constexpr double KaabaLatitude = 21.4225;
    static constexpr double KaabaLongitude = 39.8262;
    static constexpr double EarthRadiusKm = 6371.0088;  // mean radius (IUGG)

    // Latitude north positive, longitude east positive, in degrees.
    Qibla(double latitude, double longitude);

    // False at the Kaaba itself (closer than 10 m), where no direction is
    // the Qibla.
    bool hasBearing() const;
    // Degrees clockwise from true north, in [0, 360).
    double bearing() const { return m_bearing; }
    double distanceKm() const { return m_distanceKm; }

    enum class Shadow {
        Towards,  // the sun stands in the Qibla direction: the shadow points away from it
        Away      // the sun stands opposite: the shadow points to the Qibla
    };
    struct ShadowTime
    {
        QDateTime moment;  // UTC
        Shadow kind;
        double altitude;   // of the sun, degrees
    };

    // The shadow times of a calendar day of zone (midnight to midnight),
    // in time order; empty when the sun does not reach either azimuth
    // above the horizon that day, or without a bearing.
    QList<ShadowTime> shadowTimes(const QDate &day, const QTimeZone &zone) const;

    // The sun's azimuth (degrees from true north, clockwise) and altitude
    // at a place and moment, from libnova's solar position.
    static void sunPosition(const QDateTime &moment, double latitude, double longitude,
                            double *azimuth, double *altitude);
    // The two moments of a Gregorian year when the sun culminates overhead
    // the Kaaba (late May and mid July), in UTC: the Kaaba's solar noons
    // of the days whose noon sun stands highest there.
    static QList<QDateTime> kaabaOverhead(int year);

private:
    double m_latitude;
    double m_longitude;
    double m_bearing = 0.0;
    double m_distanceKm = 0.0;
};

#endif // QIBLA_H
