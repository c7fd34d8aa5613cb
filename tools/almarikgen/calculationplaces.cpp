#include "calculationplaces.h"

#include "csvreader.h"

bool CalculationPlaces::load(const QString &placesCsv, QString *error)
{
    m_places.clear();
    CsvReader csv;
    if (!csv.read(placesCsv, error))
        return false;
    const int cName = csv.column(QStringLiteral("name"));
    const int cGroup = csv.column(QStringLiteral("group"));
    const int cState = csv.column(QStringLiteral("state"));
    const int cZone = csv.column(QStringLiteral("zone"));
    const int cLat = csv.column(QStringLiteral("latitude"));
    const int cLon = csv.column(QStringLiteral("longitude"));
    const int cTz = csv.column(QStringLiteral("timezone"));
    const int cMethod = csv.column(QStringLiteral("method"));
    if (cName < 0 || cGroup < 0 || cState < 0 || cZone < 0 || cLat < 0 || cLon < 0 || cTz < 0 || cMethod < 0) {
        if (error)
            *error = QStringLiteral("%1 lacks a needed column").arg(placesCsv);
        return false;
    }
    for (const QStringList &row : csv.rows()) {
        PlaceRecord p;
        p.name = row.at(cName);
        p.group = row.at(cGroup);
        p.state = row.at(cState);
        p.zone = row.at(cZone);
        bool okLat = false, okLon = false;
        p.latitude = row.at(cLat).toDouble(&okLat);
        p.longitude = row.at(cLon).toDouble(&okLon);
        p.timeZone = row.at(cTz);
        p.method = row.at(cMethod);
        if (!okLat || !okLon || p.name.isEmpty() || p.zone.isEmpty()) {
            if (error)
                *error = QStringLiteral("%1: bad row for '%2'").arg(placesCsv, p.name);
            return false;
        }
        m_places << p;
    }
    return true;
}

const PlaceRecord *CalculationPlaces::find(const QString &name) const
{
    for (const PlaceRecord &p : m_places)
        if (p.name == name)
            return &p;
    return nullptr;
}

const PlaceRecord *CalculationPlaces::findForeignZone(const QString &zone) const
{
    for (const PlaceRecord &p : m_places)
        if (p.group != QLatin1String("Malaysia") && p.zone == zone)
            return &p;
    return nullptr;
}

QStringList CalculationPlaces::foreignZones() const
{
    QStringList zones;
    QStringList zoneOnly;
    for (const PlaceRecord &p : m_places) {
        if (p.group == QLatin1String("Malaysia"))
            continue;
        QStringList &list = p.group == QLatin1String("zone_only") ? zoneOnly : zones;
        if (!list.contains(p.zone))
            list << p.zone;
    }
    return zones + zoneOnly;
}

static bool meanOf(const QVector<PlaceRecord> &places, bool (*match)(const PlaceRecord &, const QString &),
                   const QString &key, double *latitude, double *longitude)
{
    double lat = 0, lon = 0;
    int n = 0;
    for (const PlaceRecord &p : places) {
        if (!match(p, key) || (p.latitude == 0 && p.longitude == 0))
            continue;
        lat += p.latitude;
        lon += p.longitude;
        ++n;
    }
    if (n == 0)
        return false;
    *latitude = lat / n;
    *longitude = lon / n;
    return true;
}

bool CalculationPlaces::zoneCentre(const QString &zone, double *latitude, double *longitude) const
{
    return meanOf(m_places, [](const PlaceRecord &p, const QString &z) {
        return p.group == QLatin1String("Malaysia") && p.zone == z;
    }, zone, latitude, longitude);
}

bool CalculationPlaces::prefixCentre(const QString &prefix, double *latitude, double *longitude) const
{
    return meanOf(m_places, [](const PlaceRecord &p, const QString &s) {
        return p.group == QLatin1String("Malaysia") && p.zone.startsWith(s);
    }, prefix, latitude, longitude);
}
