#ifndef ZONEMODEL_H
#define ZONEMODEL_H

#include <QDate>
#include <QHash>
#include <QString>

// How one prayer of a Malaysian zone is computed.
//
// A computed prayer is a sun event at the zone's reference point for that
// prayer; the published minute is floor(T + offset), T the event time in
// minutes after midnight (UTC+8) and `offset` JAKIM's precaution and
// rounding together. A derived prayer is another prayer of the same day
// plus a fixed number of minutes (Imsak from Subuh, Duha from Syuruk). A
// carried-gap prayer is another prayer of the same day plus the gap between
// the two on the published base day (Duha where JAKIM's gap to Syuruk
// changes over the year by a rule no single sun event reproduces).
struct PrayerModel
{
    enum Kind { Computed, Derived, CarriedGap };
    Kind kind = Computed;
    int event = 0;            // SolarCalc::Event when computed
    double latitude = 0;
    double longitude = 0;
    double param = 0;         // angle, horizon depression, shadow factor or altitude
    double offset = 0;        // minutes
    int source = -1;          // prayer it is derived from (Derived, CarriedGap)
    int minutes = 0;          // added to the source prayer's minute
    double fitShare = 0;      // share of fitting days reproduced exactly

    // Event time (minutes after midnight, UTC+8) on `date`; `angleShift`
    // is added to twilight angles (older Subuh/Isyak conventions).
    double eventTime(const QDate &date, double angleShift = 0) const;
};

struct ZoneModel
{
    QString zone;
    PrayerModel prayers[8];
};

// The committed calibration: one ZoneModel per Malaysian zone, kept as CSV
// (`zone,prayer,kind,event,latitude,longitude,param,offset,minutes,fit_share`).
class ZoneModelFile
{
public:
    static bool save(const QString &path, const QList<ZoneModel> &models, QString *error);
    static bool load(const QString &path, QHash<QString, ZoneModel> *models, QString *error);
    static QString eventName(int event);
    static int eventFromName(const QString &name);
};

#endif
