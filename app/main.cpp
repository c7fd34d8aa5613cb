#include <QScopedPointer>
#include <QString>

#include "app/appmain.h"
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
        QScopedPointer<DialogMain> window(app.createMainWindow());
        QObject::connect(&app, &SingleApplication::messageReceived, window.data(), &DialogMain::slotSingleApp);
        // Without a system tray "/minimized" starts minimized instead of
        // hidden, so the window can be found again.
        window->showAtStart(minimized);
        exitCode = app.exec();
    }
    return exitCode;
}
