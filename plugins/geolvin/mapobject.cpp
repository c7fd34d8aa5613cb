#include "plugins/geolvin/mapobject.h"

#include "plugins/geolvin/maptables.h"

MapObject::MapObject() = default;

MapObject::~MapObject() = default;

QString MapObject::version() const
{
    return QString::fromLatin1(MapTables::version);
}

QString MapObject::locationTree() const
{
    return QString::fromUtf8(MapTables::locationTree);
}
