#ifndef IMAPOBJECT_H
#define IMAPOBJECT_H

#include <QObject>
#include <QString>

// Interface of the location data plug-in (Geolvin).
class IMapObject : public QObject
{
public:
    virtual QString version() const = 0;
    virtual QString locationTree() const = 0;
};

using MapGetApiFunction = IMapObject *(*)();
using MapFreeApiFunction = bool (*)(IMapObject **);

#endif // IMAPOBJECT_H
