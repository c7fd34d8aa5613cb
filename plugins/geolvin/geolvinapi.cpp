// The two entry points of the location data plug-in.

#include "plugin-api/pluginexport.h"
#include "plugins/geolvin/mapobject.h"

ALMARIK_DECLARE_PLUGIN_INTERFACE(IMapObject)

ALMARIK_PLUGIN_EXPORT IMapObject *getApi()
{
    return new MapObject;
}

ALMARIK_PLUGIN_EXPORT bool freeApi(IMapObject **api)
{
    // The caller's pointer is left as it is; the caller resets it.
    if (api && *api)
        delete *api;
    return true;
}
