#ifndef PLUGINEXPORT_H
#define PLUGINEXPORT_H

#include <QtGlobal>

// The two entry points of every plug-in are plain C symbols so that the
// program can resolve them by their undecorated names on every platform.
#define ALMARIK_PLUGIN_EXPORT extern "C" Q_DECL_EXPORT

#endif // PLUGINEXPORT_H
