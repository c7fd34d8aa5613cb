#include "core/pluginbinder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

namespace {
QString &directoryOverride()
{
    static QString directory;
    return directory;
}
}

QString PluginBinder::pluginDirectory()
{
    if (!directoryOverride().isEmpty())
        return directoryOverride();
    return QCoreApplication::applicationDirPath();
}

void PluginBinder::setPluginDirectory(const QString &directory)
{
    directoryOverride() = directory.isEmpty() ? QString() : QDir(directory).absolutePath();
}

QString PluginBinder::pluginFilePath(const QString &baseName)
{
#if defined(Q_OS_WIN)
    const QString suffix = QStringLiteral(".dll");
#elif defined(Q_OS_MACOS)
    const QString suffix = QStringLiteral(".dylib");
#else
    const QString suffix = QStringLiteral(".so");
#endif
    return QDir(pluginDirectory()).absoluteFilePath(baseName + suffix);
}

QFunctionPointer PluginBinder::resolve(const QString &filePath, const char *symbol)
{
    // Only an existing file at an absolute path is tried: QLibrary would
    // otherwise search the library path and try other prefixes and
    // suffixes, and load whatever it found there.
    const QFileInfo info(filePath);
    if (!info.isAbsolute() || !info.isFile())
        return nullptr;
    QLibrary library(info.absoluteFilePath());
    // The library stays loaded when this object goes out of scope.
    return library.resolve(symbol);
}
