#include <QGuiApplication>
#include <QLoggingCategory>
#include <QScopedPointer>
#include <QString>
#include <QTimer>

#include "app/appmain.h"
#include "app/processheap.h"
#include "app/rasteronlydisplay.h"
#include "core/programmodule.h"
#include "ui/picturestore.h"
#include "ui/config/pageconfig.h"
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
// window is up, the status says whether all three plug-ins were found and
// the program's modules can be loaded.
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
    // The modules load only when their feature is first used: load each.
    const QStringList unusable = ProgramModule::unusableModules();
    for (const QString &module : unusable)
        qCWarning(lcStart).noquote() << "the module" << module;
    if (!unusable.isEmpty())
        status = 1;
    return status;
}

// Tells the user, once, about what start-up had to mend (an unreadable
// settings file moved aside, an unknown language or zone), and about
// settings that cannot be saved, now or later: a notice and a line on the
// configuration page, which goes when a save works again.
void tellSettingsProblems(AppMain &app, DialogMain &window)
{
    const Language &language = app.language;
    const QString title = language.text(QStringLiteral("Status.Title"));
    QStringList lines;
    const ConfigStore::StartReport &report = app.configSaver.startReport();
    // A first run: the place is to be confirmed, and auto-start is off
    // until the user turns it on.
    if (report.status == ConfigStore::LoadStatus::Missing)
        lines << language.text(QStringLiteral("Status.FirstRun")).arg(app.almarikManager.zoneDisplayName());
    if (!report.movedAsidePath.isEmpty())
        lines << language.text(QStringLiteral("Status.ConfigMovedAside")).arg(report.movedAsidePath);
    if (language.fellBack())
        lines << language.text(QStringLiteral("Status.LanguageUnknown")).arg(language.requestedLanguage());
    if (window.zoneChoice() == AlmarikManager::ZoneChoice::DefaultForUnknown)
        lines << language.text(QStringLiteral("Status.ZoneUnknown"))
                     .arg(app.config.zone, app.almarikManager.zoneDisplayName());
    if (window.ownPlaceRefused())
        lines << language.text(QStringLiteral("Status.OwnPlaceRefused"))
                     .arg(app.config.customPlace.name, app.almarikManager.zoneDisplayName());

    auto showSaveProblem = [&app, &window](const QString &reason, bool notice) {
        const Language &language = app.language;
        window.setSaveProblem(language.text(QStringLiteral("ConfMain.SaveProblem")), reason);
        if (notice)
            window.showStatusNotice(language.text(QStringLiteral("Status.Title")),
                                    language.text(QStringLiteral("Status.SaveFailed")).arg(reason));
    };
    const QString saveError = app.configSaver.saveError();
    if (!saveError.isEmpty()) {
        showSaveProblem(saveError, false);
        lines << language.text(QStringLiteral("Status.SaveFailed")).arg(saveError);
    }
    QObject::connect(&app.configSaver, &ConfigSaver::saveFailed, &window,
                     [showSaveProblem](const QString &reason) { showSaveProblem(reason, true); });
    QObject::connect(&app.configSaver, &ConfigSaver::saveRecovered, &window,
                     [&window] { window.setSaveProblem(QString()); });
    if (!lines.isEmpty())
        window.showStatusNotice(title, lines.join(QLatin1Char('\n')));
}
}

int main(int argc, char *argv[])
{
    ProcessHeap::limitArenas();
    RasterOnlyDisplay::request();
    AppMain::registerResources();
    // The name places the settings (~/.local/share/AlmarikZenhar); fixed
    // here, because Qt would take it from argv[0], which is "almarikzenhar"
    // when the program is started through the installed launcher.
    QCoreApplication::setApplicationName(QStringLiteral("AlmarikZenhar"));
    const bool minimized = hasSwitch(argc, argv, "/minimized");
    // While the application object reads the settings and binds the
    // plug-ins, two helper threads ready the cipher and read the font
    // configuration; the second then inflates the first screen's pictures.
    PictureStore pictures;
    AppMain::preloadStart(pictures, minimized);
    AppMain app(argc, argv, &pictures);
    // Notifications and the task bar find the installed desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral(ALMARIK_APP_ID));

    if (app.isRunning()) {
        // The running copy may itself be starting: it hears later starts
        // once its window or tray icon is up.
        app.sendMessage(QStringLiteral("ShowMe"), 10000);
        return 0;
    }

    const bool exitWhenShown = hasSwitch(argc, argv, "--exit-when-shown");
    int exitCode = 0;
    {
        QScopedPointer<DialogMain> window(new DialogMain(app.uiContext()));
        QObject::connect(&app, &SingleApplication::messageReceived, window.data(), &DialogMain::slotSingleApp);
        // Without a system tray "/minimized" starts minimized instead of
        // hidden, so the window can be found again.
        app.showMainWindow(*window, minimized);
        app.startServicesWhenUp(window.data());
        tellSettingsProblems(app, *window);
        if (exitWhenShown) {
            QTimer::singleShot(0, &app, [&app] { app.exit(startCheckStatus(app)); });
        } else {
            // Once the window is up: the place menu on a first run or for
            // a stored place the timetable does not know.
            const bool firstRun = app.configSaver.startReport().status == ConfigStore::LoadStatus::Missing;
            QTimer::singleShot(0, window.data(), [&window, firstRun] { window->askForPlace(firstRun); });
        }
        exitCode = app.exec();
    }
    return exitCode;
}
