#ifndef MAPOBJECT_H
#define MAPOBJECT_H

#include "plugin-api/imapobject.h"

// The location data plug-in's object. It has no data of its own: both
// answers are built on request from the generated constants.
class MapObject : public IMapObject
{
public:
    MapObject();
    ~MapObject() override;

    QString version() const override;
    QString locationTree() const override;
};

#endif // MAPOBJECT_H
