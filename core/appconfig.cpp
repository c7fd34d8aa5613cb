#include "core/appconfig.h"

#include "core/configsaver.h"
#include "core/configstore.h"

bool AppConfig::load()
{
    return ConfigStore::load(*this);
}

bool AppConfig::save()
{
    if (m_saver.saver) {
        m_saver.saver->markChanged();
        return true;
    }
    return ConfigStore::save(*this);
}

bool AppConfig::flush()
{
    if (m_saver.saver)
        return m_saver.saver->flush();
    return ConfigStore::save(*this);
}

void AppConfig::initialise()
{
    if (m_saver.saver)
        m_saver.saver->initialise();
    else
        ConfigStore::initialise(*this);
}
