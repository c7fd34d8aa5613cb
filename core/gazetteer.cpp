#include "core/gazetteer.h"

#include "core/programmodule.h"

namespace {
using SearchCities = bool (*)(const QByteArray &text, int limit, QList<Gazetteer::City> *cities);
}

QList<Gazetteer::City> Gazetteer::search(const QString &query, int limit)
{
    QList<City> result;
    const QByteArray text = query.trimmed().toUtf8();
    if (text.isEmpty() || limit <= 0)
        return result;
    // libgeonames lives in the gazetteer module, loaded at the first search.
    static ProgramModule module("AlmarikGazetteer");
    const auto search = module.entry<SearchCities>("almarikSearchCities");
    if (!search || !search(text, limit, &result))
        result.clear();
    return result;
}

QString Gazetteer::attribution()
{
    return QStringLiteral("GeoNames (geonames.org), CC BY 4.0");
}
