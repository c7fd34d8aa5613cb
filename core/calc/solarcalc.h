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

    // The moment (minutes after local midnight of `date`) near `guess` at
    // which the sun's centre stands at `altitude` degrees (negative below
    // the horizon), in the morning or the evening, from libnova's sun
    // position at that moment; NaN when it does not reach it. libitl takes
    // the sun's declination of local noon for every event of a day, which
    // puts mid-latitude morning events up to half a minute early and
    // evening ones as late near the equinoxes (more at twilight angles):
    // this refines its times.
    static double altitudeCrossing(const QDate &date, double latitude, double longitude, double utcOffsetHours,
                                   double guess, double altitude, bool morning);
    // The sun's transit (minutes after local midnight of `date`) from the
    // same interpolated positions; with altitudeCrossing() it needs one
    // ephemeris computation per day, which keeps a month of run-time
    // times to a few milliseconds.
    static double transit(const QDate &date, double longitude, double utcOffsetHours);
    // The moment the sun's centre reaches `altitude` in the morning or the
    // evening, without a first guess (found from the transit and noon's
    // declination); NaN when it does not.
    static double crossing(const QDate &date, double latitude, double longitude, double utcOffsetHours,
                           double altitude, bool morning);
    // The sun's declination (degrees, of date) at `minutes` after local
    // midnight of `date`.
    static double declination(const QDate &date, double utcOffsetHours, double minutes);
};

#endif
