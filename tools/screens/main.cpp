// almarik-screens OUTDIR [NAME...]
//
// Renders every screen of the screen catalogue, headless, once in English
// and once in Bahasa Malaysia, to OUTDIR/<name>-en.png and
// OUTDIR/<name>-ms.png. With names, only those screens. --list prints the
// names. The program runs in a private temporary home, so it neither reads
// nor writes the user's settings or auto-start entry.

#include "app/appmain.h"
#include "screencatalogue.h"

#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <QWidget>

namespace {

struct LanguageChoice {
    QString configName;
    QString suffix;
};

void usePrivateHome(const QString &root)
{
    qputenv("HOME", QFile::encodeName(root));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root + QStringLiteral("/config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(root + QStringLiteral("/data")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(root + QStringLiteral("/cache")));
    QDir(root).mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(root + QStringLiteral("/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(root + QStringLiteral("/runtime")));
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    if (!home.isValid()) {
        QTextStream(stderr) << "cannot create a temporary home\n";
        return 1;
    }
    usePrivateHome(home.path());
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    AppMain::registerResources();
    AppMain app(argc, argv);
    QStringList arguments = app.arguments().mid(1);

    QTextStream err(stderr);
    if (arguments.contains(QStringLiteral("--list"))) {
        QTextStream out(stdout);
        for (const ScreenEntry &entry : ScreenCatalogue::entries())
            out << entry.name << '\n';
        return 0;
    }
    if (arguments.isEmpty()) {
        err << "usage: almarik-screens OUTDIR [NAME...] | --list\n";
        return 2;
    }
    const QString outDir = arguments.takeFirst();
    if (!QDir().mkpath(outDir)) {
        err << "cannot create " << outDir << '\n';
        return 1;
    }
    for (const QString &name : arguments) {
        bool known = false;
        for (const ScreenEntry &entry : ScreenCatalogue::entries())
            known = known || entry.name == name;
        if (!known) {
            err << "unknown screen: " << name << '\n';
            return 2;
        }
    }

    // The splash would cover the main window's picture; it has its own.
    appConfig().showSplashScreen = false;

    const QList<LanguageChoice> languages = {{QStringLiteral("English"), QStringLiteral("en")},
                                             {QStringLiteral("Bahasa Malaysia"), QStringLiteral("ms")}};
    int failures = 0;
    for (const LanguageChoice &language : languages) {
        appConfig().language = language.configName;
        if (!appLanguage()->load(true)) {
            err << "cannot load the catalogue " << language.configName << '\n';
            ++failures;
            continue;
        }
        for (const ScreenEntry &entry : ScreenCatalogue::entries()) {
            if (!arguments.isEmpty() && !arguments.contains(entry.name))
                continue;
            QWidget host;
            host.resize(650, 574);
            QWidget *widget = entry.create(&host);
            if (!widget) {
                err << "no widget for " << entry.name << '\n';
                ++failures;
                continue;
            }
            widget->show();
            QCoreApplication::processEvents();
            const QString file = QStringLiteral("%1/%2-%3.png").arg(outDir, entry.name, language.suffix);
            if (!widget->grab().save(file, "PNG")) {
                err << "cannot write " << file << '\n';
                ++failures;
            }
            if (widget->parent() != &host)
                delete widget;
        }
    }
    return failures == 0 ? 0 : 1;
}
