#ifndef GAZETTEER_H
#define GAZETTEER_H

#include <QList>
#include <QString>

// The world's cities for the place chooser: a search in the local copy of
// GeoNames' cities that Debian's libgeonames carries, with each city's
// coordinates and time zone. GeoNames data (geonames.org) is licensed
// under Creative Commons Attribution 4.0; the chooser must show that
// attribution.
class Gazetteer
{
public:
    struct City
    {
        QString name;
        QString state;
        QString country;
        QString countryCode;   // ISO 3166
        QString timeZone;      // IANA
        double latitude = 0;
        double longitude = 0;
        int population = 0;
    };

    // Cities whose name matches `query` (libgeonames' own matching, which
    // favours large cities), at most `limit`; empty for a blank query.
    static QList<City> search(const QString &query, int limit = 20);

    // The attribution to show wherever the list is offered.
    static QString attribution();
};

#endif // GAZETTEER_H
