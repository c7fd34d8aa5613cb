#ifndef ALMARIKDAY_H
#define ALMARIKDAY_H

#include <QString>

// One day of a zone's timetable as the timetable plug-in hands it out.
// times[slot][0] is the hour and times[slot][1] the minute, in the order
// Imsak, Subuh, Syuruk, Duha, Zohor, Asar, Maghrib, Isyak.
struct AlmarikDay
{
    int year = 0;
    int month = 0;
    int day = 0;
    int hijriYear = 0;
    QString hijriMonthName;
    int hijriDay = 0;
    int times[8][2] = {};
};

#endif // ALMARIKDAY_H
