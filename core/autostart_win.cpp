#include "core/autostart.h"

#include <QSettings>

namespace {
const char RunKey[] = "HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const char ValueName[] = "AlmarikZenhar";
}

bool AutoStart::apply(bool enabled, const QString &programPath)
{
    QSettings run(QLatin1String(RunKey), QSettings::NativeFormat);
    if (enabled) {
        if (programPath.isEmpty())
            return false;
        run.setValue(QLatin1String(ValueName), windowsRunValue(programPath));
    } else {
        run.remove(QLatin1String(ValueName));
    }
    run.sync();
    return run.status() == QSettings::NoError;
}
