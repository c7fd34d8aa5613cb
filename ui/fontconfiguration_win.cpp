#include "ui/fontconfiguration.h"

void FontConfiguration::warmUp()
{
    // Windows keeps its fonts in a system service that Qt asks directly:
    // there is no configuration to read ahead.
}
