#include "core/mapmanager.h"

#include "core/pluginbinder.h"
#include "plugin-api/imapobject.h"

MapManager::MapManager(QObject *parent)
    : QObject(parent)
{
}

IMapObject *MapManager::api() const
{
    if (!m_bindTried) {
        m_bindTried = true;
        m_api = PluginBinder::bind<IMapObject>(QStringLiteral("Geolvin"), "Map data version:");
    }
    return m_api;
}

QString MapManager::version() const
{
    IMapObject *const bound = api();
    return bound ? bound->version() : QString();
}
