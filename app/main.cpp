#include <QString>

#include "app/appmain.h"
#include "ui/config/pageconfig.h"
#include "ui/main/dialogmain.h"

namespace {
bool hasMinimizedSwitch(int argc, char **argv)
{
    // The switch counts anywhere on the command line, in any case.
    for (int i = 0; i < argc; ++i) {
        if (QString::fromLocal8Bit(argv[i]).compare(QLatin1String("/minimized"), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
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
    if (!report.movedAsidePath.isEmpty())
        lines << language.text(QStringLiteral("Status.ConfigMovedAside")).arg(report.movedAsidePath);
    if (language.fellBack())
        lines << language.text(QStringLiteral("Status.LanguageUnknown")).arg(language.requestedLanguage());
    if (window.zoneChoice() == AlmarikManager::ZoneChoice::DefaultForUnknown)
        lines << language.text(QStringLiteral("Status.ZoneUnknown"))
                     .arg(app.config.zone, app.almarikManager.zoneDisplayName());

    auto showSaveProblem = [&app, &window](const QString &reason, bool notice) {
        const Language &language = app.language;
        window.configPage()->setSaveProblem(language.text(QStringLiteral("ConfMain.SaveProblem")), reason);
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
                     [&window] { window.configPage()->setSaveProblem(QString()); });
    if (!lines.isEmpty())
        window.showStatusNotice(title, lines.join(QLatin1Char('\n')));
}
}

int main(int argc, char *argv[])
{
    AppMain::registerResources();
    AppMain app(argc, argv);

    if (app.isRunning()) {
        app.sendMessage(QStringLiteral("ShowMe"), 2000);
        return 0;
    }

    const bool minimized = hasMinimizedSwitch(argc, argv);
    int exitCode = 0;
    {
        DialogMain window;
        QObject::connect(&app, &SingleApplication::messageReceived, &window, &DialogMain::slotSingleApp);
        // Without a system tray "/minimized" starts minimized instead of
        // hidden, so the window can be found again.
        window.showAtStart(minimized);
        tellSettingsProblems(app, window);
        exitCode = app.exec();
    }
    return exitCode;
}
