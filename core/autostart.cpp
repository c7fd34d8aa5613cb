#include "core/autostart.h"

#include <QDir>
#include <QFileInfo>

QString AutoStart::startFilePath(const QString &programPath, const QString &launcherRelative)
{
    if (programPath.isEmpty() || launcherRelative.isEmpty())
        return programPath;
    const QFileInfo program(programPath);
    const QString launcher = QDir::cleanPath(program.absolutePath() + QLatin1Char('/') + launcherRelative);
    const QFileInfo launcherInfo(launcher);
    // A launcher left behind by another installation, or a file of the
    // same name that is not ours, must not be started in our place.
    if (!launcherInfo.exists() || launcherInfo.canonicalFilePath() != program.canonicalFilePath())
        return programPath;
    return launcher;
}

QString AutoStart::startFilePath(const QString &programPath)
{
#ifdef ALMARIK_LAUNCHER_FROM_PROGRAM_DIR
    return startFilePath(programPath, QStringLiteral(ALMARIK_LAUNCHER_FROM_PROGRAM_DIR));
#else
    return programPath;
#endif
}
