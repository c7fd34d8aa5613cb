#ifndef PLUGINBINDER_H
#define PLUGINBINDER_H

#include <QDebug>
#include <QString>

// Binds a plug-in library: loads it by absolute path from the plug-in
// folder (the program's own folder unless a tool or test chose another),
// resolves "getApi" and calls it. The library is never unloaded and the
// object it returns lives until the process ends.
class PluginBinder
{
public:
    static QString pluginDirectory();
    // Empty restores the program's own folder.
    static void setPluginDirectory(const QString &directory);
    // "AlmarikData" -> "<folder>/AlmarikData.so" (".dll" on Windows).
    static QString pluginFilePath(const QString &baseName);
    // Resolves a symbol of the library at an absolute path; null when the
    // file is missing, is no loadable library or lacks the symbol.
    static QFunctionPointer resolve(const QString &filePath, const char *symbol);

    template <class Interface>
    static Interface *bind(const QString &baseName, const char *logLabel)
    {
        return bindFile<Interface>(pluginFilePath(baseName), logLabel);
    }

    template <class Interface>
    static Interface *bindFile(const QString &filePath, const char *logLabel)
    {
        using GetApi = Interface *(*)();
        auto getApi = reinterpret_cast<GetApi>(resolve(filePath, "getApi"));
        if (!getApi)
            return nullptr;
        Interface *api = getApi();
        if (api)
            qDebug().noquote() << logLabel << api->version();
        return api;
    }
};

#endif // PLUGINBINDER_H
