#ifndef CRESCENTCRITERION_H
#define CRESCENTCRITERION_H

#include <QDate>

// Crescent visibility at sunset, computed with libnova.
//
// Sun and moon positions come from libnova referred to the J2000 equinox;
// they are precessed to the date, the moon is made topocentric (parallax
// at the observer), and altitude and elongation are taken at the moment of
// sunset (upper limb with standard refraction).
class CrescentCriterion
{
public:
    struct Sighting
    {
        double sunsetJd = 0;     // Julian day (UT) of sunset
        double altitude = 0;     // topocentric altitude of the moon's centre, degrees
        double elongation = 0;   // topocentric sun-moon separation, degrees
        double ageHours = 0;     // hours since conjunction (negative before)
    };

    CrescentCriterion(double latitude = 3.1319, double longitude = 101.6841, double utcOffsetHours = 8.0);

    // Conditions on the evening of the local date `evening`; false when the
    // sun does not set that day.
    bool sighting(const QDate &evening, Sighting *result) const;

    // Criterion in force on that evening: from 2022 altitude >= 3 and
    // elongation >= 6.4 degrees (MABIMS); before, altitude >= 2 and
    // (elongation >= 3 or age >= 8 hours).
    bool isVisible(const QDate &evening) const;
    static bool meetsNewCriterion(const Sighting &s);
    static bool meetsOldCriterion(const Sighting &s);
    // Umm al-Qura's rule (the observer being Makkah): the conjunction has
    // passed at sunset and the moon sets after the sun (its upper limb is
    // still above the horizon when the sun's sets).
    static bool meetsUmmAlQuraRule(const Sighting &s);

    // Julian day (UT) of the new moon nearest `jd`.
    static double conjunctionNear(double jd);

private:
    double m_latitude;
    double m_longitude;
    double m_utcOffset;
};

#endif
