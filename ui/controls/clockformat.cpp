#include "ui/controls/clockformat.h"

#include "core/appconfig.h"

QString ClockFormat::of(const AppConfig &config)
{
    return config.hourSystem == AppConfig::Hour12 ? QStringLiteral("h:mm AP") : QStringLiteral("HH:mm");
}
