#ifndef CALCULATIONPLACES_H
#define CALCULATIONPLACES_H

#include <QString>
#include <QStringList>
#include <QVector>

struct PlaceRecord
{
    QString name;
    QString group;     // Malaysia, Indonesia, Singapura, Brunei, Other, zone_only
    QString state;
    QString zone;
    double latitude = 0;
    double longitude = 0;
    QString timeZone;  // IANA name
    QString method;    // calculation convention outside Malaysia
};

// The place catalogue (`places.csv`): every place with its zone,
// coordinates, time zone and, outside Malaysia, calculation convention.
class CalculationPlaces
{
public:
    bool load(const QString &placesCsv, QString *error);

    const QVector<PlaceRecord> &places() const { return m_places; }

    // The first place with this exact name, or null.
    const PlaceRecord *find(const QString &name) const;
    // The first place outside Malaysia whose zone code is `zone`, or null.
    const PlaceRecord *findForeignZone(const QString &zone) const;

    // Zones computed by convention: every place outside Malaysia in
    // catalogue order, then the zone-only rows (Tokyo).
    QStringList foreignZones() const;

    // Mean position of a Malaysian zone's places that have coordinates;
    // false when none has.
    bool zoneCentre(const QString &zone, double *latitude, double *longitude) const;
    // Mean position of the Malaysian places whose zone code starts with
    // `prefix` (the state's part, "SWK"): the fallback for zones whose
    // places all lack coordinates.
    bool prefixCentre(const QString &prefix, double *latitude, double *longitude) const;

private:
    QVector<PlaceRecord> m_places;
};

#endif
