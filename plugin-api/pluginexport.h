#ifndef PLUGINEXPORT_H
#define PLUGINEXPORT_H

#include <QtGlobal>

// The entry points of every plug-in are plain C symbols so that the
// program can resolve them by their undecorated names on every platform.
#define ALMARIK_PLUGIN_EXPORT extern "C" Q_DECL_EXPORT

// Every plug-in exports almarikPluginInterface(), which names the interface
// it implements and that interface's version, for example
// "AlmarikData/1". The program calls it before anything else and binds the
// plug-in only when the text is exactly the one it expects (the interface
// class's InterfaceId), so a library of another kind or another version
// that carries the plug-in's file name is never called into.
#define ALMARIK_PLUGIN_INTERFACE_SYMBOL "almarikPluginInterface"
using AlmarikPluginInterfaceFunction = const char *(*)();

// Defines almarikPluginInterface() for the interface class Interface.
#define ALMARIK_DECLARE_PLUGIN_INTERFACE(Interface) \
    ALMARIK_PLUGIN_EXPORT const char *almarikPluginInterface() { return Interface::InterfaceId; }

#endif // PLUGINEXPORT_H
