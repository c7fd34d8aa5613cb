#ifndef ZONECALIBRATOR_H
#define ZONECALIBRATOR_H

#include "jakimtable.h"
#include "zonemodel.h"

#include <QVector>

// Fits a zone's model to JAKIM's published days.
//
// Each computed prayer gets its own reference latitude (JAKIM takes the
// latest time over several points of a zone, so the envelope that fits
// Subuh is not the one that fits Maghrib), its own offset, and for the hill
// zones a horizon depression or twilight angle. Longitude only shifts every
// time of a prayer by the same amount, which the offset absorbs, so it is
// kept at the zone's centre. The fit maximises the number of days
// reproduced exactly; the least-squares spread breaks ties and guides the
// coarse search.
class ZoneCalibrator
{
public:
    // Zones on hills, whose Syuruk and Maghrib see a lowered horizon.
    static bool isHillZone(const QString &zone);

    // Fits `zone` on the days of `days` whose `train` entry is true.
    // (latitude, longitude) is the zone's centre, where the search starts.
    static ZoneModel fit(const QString &zone, const QVector<ZoneDay> &days, const QVector<bool> &train,
                         double latitude, double longitude);

    // Offset that makes floor(T + offset) equal `published` on the most
    // days; `count` receives that number of days. Exposed for the checks.
    static double bestOffset(const QVector<double> &times, const QVector<int> &published, int *count);
};

#endif
