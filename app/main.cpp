#include <QGuiApplication>
#include <QLoggingCategory>
#include <QScopedPointer>
#include <QString>
#include <QTimer>

#include "app/appmain.h"
#include "ui/main/dialogmain.h"

namespace {
Q_LOGGING_CATEGORY(lcStart, "almarik.start")

// A switch counts anywhere on the command line, in any case.
bool hasSwitch(int argc, char **argv, const char *name)
{
    for (int i = 0; i < argc; ++i) {
        if (QString::fromLocal8Bit(argv[i]).compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// "--exit-when-shown": the check that an installation works. Once the
// window is up, the status says whether all three plug-ins were found.
int startCheckStatus(const AppMain &app)
{
    int status = 0;
    if (!app.almarikManager.isBound()) {
        qCWarning(lcStart) << "the timetable plug-in AlmarikData was not found";
        status = 1;
    }
    if (!app.mapManager.isBound()) {
        qCWarning(lcStart) << "the location plug-in Geolvin was not found";
        status = 1;
    }
    if (app.details.ventabisVersion().isEmpty()) {
        qCWarning(lcStart) << "the links plug-in Ventabis was not found";
        status = 1;
    }
    return status;
}
}

int main(int argc, char *argv[])
{
    AppMain::registerResources();
    // The name places the settings (~/.local/share/AlmarikZenhar); fixed
    // here, because Qt would take it from argv[0], which is "almarikzenhar"
    // when the program is started through the installed launcher.
    QCoreApplication::setApplicationName(QStringLiteral("AlmarikZenhar"));
    AppMain app(argc, argv);
    // Notifications and the task bar find the installed desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral(ALMARIK_APP_ID));

    if (app.isRunning()) {
        app.sendMessage(QStringLiteral("ShowMe"), 2000);
        return 0;
    }

    const bool minimized = hasSwitch(argc, argv, "/minimized");
    const bool exitWhenShown = hasSwitch(argc, argv, "--exit-when-shown");
    int exitCode = 0;
    {
        QScopedPointer<DialogMain> window(app.createMainWindow());
        QObject::connect(&app, &SingleApplication::messageReceived, window.data(), &DialogMain::slotSingleApp);
        // Without a system tray "/minimized" starts minimized instead of
        // hidden, so the window can be found again.
        window->showAtStart(minimized);
        if (exitWhenShown) {
            QTimer::singleShot(0, &app, [&app] { app.exit(startCheckStatus(app)); });
        }
        exitCode = app.exec();
    }
    return exitCode;
}
