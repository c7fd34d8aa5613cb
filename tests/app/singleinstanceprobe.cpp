// A tiny program on the single-instance base, driven by test_singleinstance:
//   singleinstanceprobe [message] [--late MS] [--module PATH] [--desktop-module PATH]
// The copy that runs prints "locked" at once, and "serving" once it serves
// the later copies (MS milliseconds later with --late, as the program
// serves only once its window is up; "not serving" when it cannot) and
// "via bus" or "via socket", then every message it receives. A later copy
// sends its message and prints whether it was delivered. --module and
// --desktop-module name the socket's and the bus's module files.
#include <QTextStream>
#include <QTimer>

#include "app/singleapplication.h"

int main(int argc, char *argv[])
{
    QString message = QStringLiteral("ShowMe");
    QString module;
    QString desktopModule;
    int late = 0;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument == QLatin1String("--late") && i + 1 < argc)
            late = QString::fromLocal8Bit(argv[++i]).toInt();
        else if (argument == QLatin1String("--module") && i + 1 < argc)
            module = QString::fromLocal8Bit(argv[++i]);
        else if (argument == QLatin1String("--desktop-module") && i + 1 < argc)
            desktopModule = QString::fromLocal8Bit(argv[++i]);
        else
            message = argument;
    }
    SingleApplication app(argc, argv, module, desktopModule);
    QTextStream out(stdout);

    if (app.isRunning()) {
        out << (app.sendMessage(message, 2000) ? "sent" : "failed") << Qt::endl;
        return 0;
    }
    out << "locked" << Qt::endl;
    QObject::connect(&app, &SingleApplication::messageReceived, [&](const QString &received) {
        out << "received:" << received << Qt::endl;
        if (received == QLatin1String("quit"))
            app.quit();
    });
    QTimer::singleShot(late, &app, [&] {
        const bool serving = app.listenForMessages();
        out << (serving ? "serving" : "not serving") << Qt::endl;
        if (serving)
            out << (app.isListeningOnBus() ? "via bus" : "via socket") << Qt::endl;
    });
    QTimer::singleShot(30000, &app, &QCoreApplication::quit);
    return app.exec();
}
