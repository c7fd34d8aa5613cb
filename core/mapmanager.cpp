#include "core/mapmanager.h"

#include "core/pluginbinder.h"
#include "plugin-api/imapobject.h"

MapManager::MapManager(QObject *parent)
    : QObject(parent)
{
    m_api = PluginBinder::bind<IMapObject>(QStringLiteral("Geolvin"), "Map data version:");
}

QString MapManager::version() const
{
    return m_api ? m_api->version() : QString();
}
