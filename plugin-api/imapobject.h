#ifndef IMAPOBJECT_H
#define IMAPOBJECT_H

#include <QObject>
#include <QString>

// Interface of the location data plug-in (Geolvin).
class IMapObject : public QObject
{
public:
    // The text almarikPluginInterface() returns for this interface (see
    // plugin-api/pluginexport.h); its number grows with every change.
    static constexpr const char *InterfaceId = "Geolvin/1";

    virtual QString version() const = 0;
    virtual QString locationTree() const = 0;
};

using MapGetApiFunction = IMapObject *(*)();
using MapFreeApiFunction = bool (*)(IMapObject **);

#endif // IMAPOBJECT_H
