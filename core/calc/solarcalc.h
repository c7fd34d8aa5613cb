#ifndef SOLARCALC_H
#define SOLARCALC_H

#include <QDate>

// Sun event times for one day and one point, computed with libitl and
// corrected for libitl's clock error.
//
// libitl runs early by a year-dependent amount (about 105 s in 2026, 106 s
// in 2027, 66-72 s before 2018) because of its time-scale handling. The
// correction is measured per date and point as the difference between
// libitl's transit and an exact transit from libnova's sun position
// (precessed to the date), and added to every time of that day.
// Every time is returned in minutes after local midnight for the given UTC
// offset, or NaN when the sun never reaches the asked position that day.
class SolarCalc
{
public:
    enum Event {
        Dawn,       // sun `param` degrees below the horizon, morning
        Sunrise,    // upper limb at the horizon; `param` = horizon depression in degrees
        Transit,    // sun on the meridian; `param` unused
        Afternoon,  // shadow = `param` x object length + noon shadow
        Sunset,     // as Sunrise, evening
        Dusk,       // sun `param` degrees below the horizon, evening
        Morning     // sun `param` degrees above the horizon, morning
    };

    static double eventTime(const QDate &date, double latitude, double longitude,
                            double utcOffsetHours, Event event, double param);

    // Seconds to add to libitl's times on this date (at a point in
    // Malaysia; the error is nearly the same everywhere).
    static double clockCorrection(const QDate &date);

    // Horizon depression of a point `elevation` metres above its
    // surroundings: refraction and semi-diameter plus the dip of the horizon.
    static double horizonDepression(double elevation);

    // Exact transit (minutes after local midnight) from libnova, used for
    // the correction and by the checks.
    static double exactTransit(const QDate &date, double longitude, double utcOffsetHours);
};

#endif
