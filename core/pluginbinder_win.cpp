// The plug-in binder's platform part for Windows: a sanity check of the PE
// file, then LoadLibraryEx() with the absolute path, so that only this
// file is loaded and its own folder is searched for what it needs.

#include "core/pluginbinder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <windows.h>

namespace {
constexpr qint64 MaxPluginSize = 256 * 1024 * 1024;
}

QString PluginBinder::fileProblem(const QString &filePath)
{
    const QFileInfo info(filePath);
    if (!info.exists())
        return QStringLiteral("no such file");
    if (!info.isFile())
        return QStringLiteral("not a regular file");
    if (info.size() < 512)
        return QStringLiteral("too small to be a library");
    if (info.size() > MaxPluginSize)
        return QStringLiteral("too large to be a plug-in");
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    const QByteArray head = file.read(64);
    if (head.size() < 64 || !head.startsWith("MZ"))
        return QStringLiteral("not a library");
    const quint32 peOffset = quint32(uchar(head.at(60))) | quint32(uchar(head.at(61))) << 8
        | quint32(uchar(head.at(62))) << 16 | quint32(uchar(head.at(63))) << 24;
    if (peOffset + 4 > quint64(info.size()) || !file.seek(peOffset) || file.read(4) != QByteArray("PE\0\0", 4))
        return QStringLiteral("not a library");
    return QString();
}

QFunctionPointer PluginBinder::loadAndResolve(const QString &filePath, const char *symbol, QString *error)
{
    const QString native = QDir::toNativeSeparators(filePath);
    HMODULE module = LoadLibraryExW(reinterpret_cast<LPCWSTR>(native.utf16()), nullptr,
                                    LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!module) {
        *error = QStringLiteral("LoadLibraryEx failed (error %1)").arg(GetLastError());
        return nullptr;
    }
    FARPROC address = GetProcAddress(module, symbol);
    if (!address) {
        *error = QStringLiteral("no symbol %1").arg(QLatin1String(symbol));
        return nullptr;
    }
    return reinterpret_cast<QFunctionPointer>(address);
}

QString PluginBinder::writableByOthers(const QString &)
{
    // Folder rights on Windows are access lists; the installer sets them.
    return QString();
}
