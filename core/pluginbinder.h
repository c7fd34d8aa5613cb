#ifndef PLUGINBINDER_H
#define PLUGINBINDER_H

#include <QLoggingCategory>
#include <QString>

#include "core/logcategories.h"
#include "plugin-api/pluginexport.h"

// Binds a plug-in library: checks the file in the plug-in folder (the
// program's own folder unless a tool or test chose another), loads exactly
// that file, checks its interface identifier, then resolves "getApi" and
// calls it. Every refusal is logged under almarik.plugins with the file's
// path and the reason, and the program goes on without the plug-in. The
// library is never unloaded and the object it returns lives until the
// process ends.
class PluginBinder
{
public:
    static QString pluginDirectory();
    // Empty restores the program's own folder.
    static void setPluginDirectory(const QString &directory);
    // "AlmarikData" -> "<folder>/AlmarikData.so" (".dll" on Windows).
    static QString pluginFilePath(const QString &baseName);

    // Why a file cannot be a plug-in of this build, checked without
    // loading it: missing, not a regular file, too small, not a shared
    // library for this machine, or cut short (a part its headers name lies
    // past its end). "" when it may be loaded.
    static QString fileProblem(const QString &filePath);

    // Loads the library at an absolute path (after fileProblem()) and
    // resolves a symbol; null when the file is refused, does not load or
    // lacks the symbol. error, when given, says why.
    static QFunctionPointer resolve(const QString &filePath, const char *symbol,
                                    QString *error = nullptr);

    // The plug-in's almarikPluginInterface() text; "" when it has none.
    static QString interfaceOf(const QString &filePath, QString *error = nullptr);

    template <class Interface>
    static Interface *bind(const QString &baseName, const char *logLabel)
    {
        return bindFile<Interface>(pluginFilePath(baseName), logLabel);
    }

    template <class Interface>
    static Interface *bindFile(const QString &filePath, const char *logLabel)
    {
        if (!checkInterface(filePath, QString::fromLatin1(Interface::InterfaceId)))
            return nullptr;
        using GetApi = Interface *(*)();
        QString error;
        auto getApi = reinterpret_cast<GetApi>(resolve(filePath, "getApi", &error));
        if (!getApi) {
            qCWarning(lcPlugins).noquote() << "plug-in not used:" << filePath << "-" << error;
            return nullptr;
        }
        Interface *api = getApi();
        if (!api) {
            qCWarning(lcPlugins).noquote() << "plug-in not used:" << filePath << "- getApi gave nothing";
            return nullptr;
        }
        qCDebug(lcPlugins).noquote() << "loaded" << filePath;
        qDebug().noquote() << logLabel << api->version();
        return api;
    }

private:
    // Logs and refuses unless the file's interface text is expected.
    static bool checkInterface(const QString &filePath, const QString &expected);
    // Platform part: loads exactly this file (no search of other folders)
    // and resolves a symbol; null with error set on failure.
    static QFunctionPointer loadAndResolve(const QString &filePath, const char *symbol, QString *error);
    // Platform part: a warning text when the folder or file may be changed
    // by other users; "" otherwise.
    static QString writableByOthers(const QString &filePath);
};

#endif // PLUGINBINDER_H
