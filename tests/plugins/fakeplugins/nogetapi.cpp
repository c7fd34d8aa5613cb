// A loadable library that has freeApi but no getApi: binding must treat it
// like a missing plug-in.

#include "plugin-api/ialmarikobject.h"
#include "plugin-api/pluginexport.h"

ALMARIK_DECLARE_PLUGIN_INTERFACE(IAlmarikObject)

ALMARIK_PLUGIN_EXPORT bool freeApi(IAlmarikObject **api)
{
    if (api && *api)
        delete *api;
    return true;
}
