#include "core/autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

const char EntryFileName[] = "AlmarikZenhar.desktop";

// One argument of an Exec line, always quoted: inside the double quotes
// '"', '`', '$' and '\' take a backslash, and '%' is doubled so that it is
// not read as a field code.
QString quoteExecArgument(const QString &argument)
{
    QString quoted;
    quoted.reserve(argument.size() + 2);
    quoted += QLatin1Char('"');
    for (const QChar c : argument) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$')
            || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        else if (c == QLatin1Char('%'))
            quoted += QLatin1Char('%');
        quoted += c;
    }
    quoted += QLatin1Char('"');
    return quoted;
}

// The escapes of a desktop-entry string value, applied on top of the
// Exec quoting (a reader undoes these first).
QString escapeValue(const QString &value)
{
    QString escaped;
    escaped.reserve(value.size());
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '\\': escaped += QLatin1String("\\\\"); break;
        case '\n': escaped += QLatin1String("\\n"); break;
        case '\t': escaped += QLatin1String("\\t"); break;
        case '\r': escaped += QLatin1String("\\r"); break;
        default: escaped += c; break;
        }
    }
    return escaped;
}

} // namespace

QString AutoStart::desktopEntryPath()
{
    const QString configHome = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (configHome.isEmpty())
        return QString();
    return configHome + QLatin1String("/autostart/") + QLatin1String(EntryFileName);
}

QString AutoStart::desktopEntryText(const QString &programPath)
{
    const QString exec = quoteExecArgument(programPath) + QLatin1String(" /minimized");
    return QLatin1String("[Desktop Entry]\n"
                         "Type=Application\n"
                         "Name=Almarik Zenhar\n"
                         "Exec=") + escapeValue(exec) + QLatin1String("\n"
                         "Terminal=false\n"
                         "X-GNOME-Autostart-enabled=true\n");
}

bool AutoStart::apply(bool enabled, const QString &programPath)
{
    const QString path = desktopEntryPath();
    if (path.isEmpty())
        return false;

    if (!enabled) {
        // A dangling link is an entry too: remove it as well.
        const QFileInfo info(path);
        if (!info.exists() && !info.isSymLink())
            return true;
        return QFile::remove(path);
    }

    if (programPath.isEmpty())
        return false;
    const QString directory = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(directory))
        return false;

    const QByteArray content = desktopEntryText(programPath).toUtf8();
    // An entry that already says the same is left as it is: it is
    // rewritten only when the setting or the program's path changed.
    QFile current(path);
    if (current.open(QIODevice::ReadOnly) && current.size() == content.size() && current.readAll() == content)
        return true;
    current.close();

    QSaveFile entry(path);
    if (!entry.open(QIODevice::WriteOnly))
        return false;
    // Flushed by hand: Qt 5's commit() misses a failure while flushing.
    if (entry.write(content) != content.size() || !entry.flush()) {
        entry.cancelWriting();
        return false;
    }
    return entry.commit();
}
