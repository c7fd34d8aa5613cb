// libgeonames' header pulls in GLib, whose structures have members named
// like Qt's keywords: include it first, without them.
#pragma push_macro("signals")
#undef signals
#include <geonames.h>
#pragma pop_macro("signals")

#include "core/gazetteer.h"

// The search in libgeonames, in the gazetteer module (AlmarikGazetteer):
// the library and its data are loaded at the first search, not at start.

// The module's one entry point, resolved by Gazetteer::search().
extern "C" Q_DECL_EXPORT bool almarikSearchCities(const QByteArray &text, int limit, QList<Gazetteer::City> *cities)
{
    QList<Gazetteer::City> &result = *cities;
    guint length = 0;
    GError *error = nullptr;
    gint *indices = geonames_query_cities_sync(text.constData(), GEONAMES_QUERY_DEFAULT, &length, nullptr, &error);
    if (error) {
        g_error_free(error);
        g_free(indices);
        return false;
    }
    for (guint i = 0; i < length && result.size() < limit; ++i) {
        GeonamesCity *city = geonames_get_city(indices[i]);
        if (!city)
            continue;
        Gazetteer::City c;
        c.name = QString::fromUtf8(geonames_city_get_name(city));
        c.state = QString::fromUtf8(geonames_city_get_state(city));
        c.country = QString::fromUtf8(geonames_city_get_country(city));
        c.countryCode = QString::fromUtf8(geonames_city_get_country_code(city));
        c.timeZone = QString::fromUtf8(geonames_city_get_timezone(city));
        c.latitude = geonames_city_get_latitude(city);
        c.longitude = geonames_city_get_longitude(city);
        c.population = int(geonames_city_get_population(city));
        geonames_city_free(city);
        result << c;
    }
    g_free(indices);
    return true;
}
