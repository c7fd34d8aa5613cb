// The two entry points of the timetable data plug-in.

#include "plugin-api/pluginexport.h"
#include "plugins/almarikdata/almarikobject.h"
#include "plugins/almarikdata/almariktables.h"

ALMARIK_DECLARE_PLUGIN_INTERFACE(IAlmarikObject)

ALMARIK_PLUGIN_EXPORT IAlmarikObject *getApi()
{
    return new AlmarikObject;
}

ALMARIK_PLUGIN_EXPORT bool freeApi(IAlmarikObject **api)
{
    // The caller's pointer is left as it is; the caller resets it.
    if (api && *api)
        delete *api;
    return true;
}

ALMARIK_PLUGIN_EXPORT const char *almarikProvenance()
{
    return AlmarikTables::provenance;
}
