#include "core/pluginbinder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {
QString &directoryOverride()
{
    static QString directory;
    return directory;
}
} // namespace

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

QFunctionPointer PluginBinder::resolve(const QString &filePath, const char *symbol, QString *error)
{
    QString reason;
    QFunctionPointer function = nullptr;
    const QFileInfo info(filePath);
    if (!info.isAbsolute()) {
        reason = QStringLiteral("not an absolute path");
    } else {
        reason = fileProblem(filePath);
        if (reason.isEmpty())
            function = loadAndResolve(info.absoluteFilePath(), symbol, &reason);
    }
    if (error)
        *error = reason;
    return function;
}

QString PluginBinder::interfaceOf(const QString &filePath, QString *error)
{
    auto identify = reinterpret_cast<AlmarikPluginInterfaceFunction>(
        resolve(filePath, ALMARIK_PLUGIN_INTERFACE_SYMBOL, error));
    if (!identify)
        return QString();
    const char *text = identify();
    if (!text) {
        if (error)
            *error = QStringLiteral("almarikPluginInterface gave nothing");
        return QString();
    }
    // Read no further than a sane identifier could reach.
    const QByteArray bytes(text, int(qstrnlen(text, 128)));
    return QString::fromLatin1(bytes);
}

bool PluginBinder::checkInterface(const QString &filePath, const QString &expected)
{
    const QFileInfo info(filePath);
    if (!info.exists()) {
        qCInfo(lcPlugins).noquote() << "no plug-in at" << filePath;
        return false;
    }
    // Told once per folder and file: a folder others may write to lets
    // them put any code into this program.
    static QSet<QString> warned;
    const QString loose = writableByOthers(filePath);
    if (!loose.isEmpty() && !warned.contains(filePath)) {
        warned.insert(filePath);
        qCWarning(lcPlugins).noquote() << loose;
    }

    QString error;
    const QString found = interfaceOf(filePath, &error);
    if (found.isEmpty()) {
        qCWarning(lcPlugins).noquote() << "plug-in not used:" << filePath << "-" << error;
        return false;
    }
    if (found != expected) {
        qCWarning(lcPlugins).noquote() << "plug-in not used:" << filePath << "- it implements"
                                       << found << "instead of" << expected;
        return false;
    }
    return true;
}
