#ifndef PRIVATEHOME_H
#define PRIVATEHOME_H

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QString>

// Points HOME and the XDG folders at a private folder (config, data, cache
// and a runtime folder only the user may enter) and turns on Qt's test
// paths, so nothing a test or benchmark does reaches the real user's
// settings, auto-start entry or single-instance socket. Call it before the
// application object is built.
inline void usePrivateHome(const QString &root)
{
    const QDir home(root);
    qputenv("HOME", QFile::encodeName(root));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(home.filePath(QStringLiteral("cache"))));
    home.mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(home.filePath(QStringLiteral("runtime")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(home.filePath(QStringLiteral("runtime"))));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
}

#endif // PRIVATEHOME_H
