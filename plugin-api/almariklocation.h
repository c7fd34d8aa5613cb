#ifndef ALMARIKLOCATION_H
#define ALMARIKLOCATION_H

#include <QString>

// One place a user can pick. The timetable plug-in owns its catalogue and
// hands out heap copies that become the caller's.
struct AlmarikLocation
{
    QString name;
    QString zoneCode;
    QString displayName;  // empty unless the place needs another form for display
    double latitude = 0.0;   // 0/0 means the position is unknown
    double longitude = 0.0;
    QString source;
    QString sourceUrl;
};

#endif // ALMARIKLOCATION_H
