// Entry points of the stand-in timetable plug-in. Built twice: once
// handing out the stand-in object, once (FAKE_NULL_API) handing out null.

#include "fakealmarikobject.h"
#include "plugin-api/pluginexport.h"

ALMARIK_DECLARE_PLUGIN_INTERFACE(IAlmarikObject)

ALMARIK_PLUGIN_EXPORT IAlmarikObject *getApi()
{
#ifdef FAKE_NULL_API
    return nullptr;
#else
    return new FakeAlmarikObject;
#endif
}

ALMARIK_PLUGIN_EXPORT bool freeApi(IAlmarikObject **api)
{
    if (api && *api)
        delete *api;
    return true;
}
