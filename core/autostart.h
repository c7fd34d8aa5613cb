#ifndef AUTOSTART_H
#define AUTOSTART_H

#include <QString>

// The per-user entry that starts the program, hidden in the tray, when the
// user logs on. On Windows it is the value "AlmarikZenhar" of the
// per-user Run key; elsewhere it is an XDG autostart desktop entry.
class AutoStart
{
public:
    // Creates or replaces the entry for programPath (an absolute file
    // path) when enabled, removes it otherwise. Removing an entry that
    // does not exist is not an error. False when the entry could not be
    // written or removed, or when enabling with an empty path.
    static bool apply(bool enabled, const QString &programPath);

    // The file the entry should start for the program at programPath:
    // the installed launcher when the file at launcherRelative (relative
    // to the program's folder) resolves to this very program, otherwise
    // programPath itself, as when the program runs from its build folder.
    static QString startFilePath(const QString &programPath, const QString &launcherRelative);
    // The same with the launcher's place in this build's install layout
    // (bindir/almarikzenhar seen from libdir/almarikzenhar); programPath
    // alone where the build installs no launcher.
    static QString startFilePath(const QString &programPath);

    // The text of the Windows Run value: the path in double quotes with
    // every "/" turned into "\", then " /minimized". Pure text, available
    // on every platform.
    static QString windowsRunValue(const QString &programPath)
    {
        QString path = programPath;
        path.replace(QLatin1Char('/'), QLatin1Char('\\'));
        return QLatin1Char('"') + path + QLatin1Char('"') + QLatin1String(" /minimized");
    }

#ifndef Q_OS_WIN
    // "<config home>/autostart/AlmarikZenhar.desktop"; empty when the
    // platform gives no configuration directory.
    static QString desktopEntryPath();

    // The complete desktop entry that runs programPath with "/minimized".
    static QString desktopEntryText(const QString &programPath);
#endif
};

#endif // AUTOSTART_H
