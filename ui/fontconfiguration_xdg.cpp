#include "ui/fontconfiguration.h"

#include <fontconfig/fontconfig.h>

void FontConfiguration::warmUp()
{
    // fontconfig builds its configuration once per process, safely from
    // any thread; Qt's font database later finds it ready, or builds it
    // itself if it asks first.
    FcInit();
}
