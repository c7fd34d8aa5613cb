#include "core/appconfig.h"

#include "core/configstore.h"

bool AppConfig::load()
{
    return ConfigStore::load(*this);
}

bool AppConfig::save()
{
    return ConfigStore::save(*this);
}

void AppConfig::initialise()
{
    ConfigStore::initialise(*this);
}
