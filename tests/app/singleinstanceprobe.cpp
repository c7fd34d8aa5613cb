// A tiny program on the single-instance base, driven by test_singleinstance:
// the copy that serves prints "serving" and every message it receives; a
// later copy sends its first argument and prints whether it was delivered.
#include <QTextStream>
#include <QTimer>

#include "app/singleapplication.h"

int main(int argc, char *argv[])
{
    SingleApplication app(argc, argv);
    QTextStream out(stdout);
    const QString message = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("ShowMe");

    if (app.isRunning()) {
        out << (app.sendMessage(message, 2000) ? "sent" : "failed") << Qt::endl;
        return 0;
    }
    out << "serving" << Qt::endl;
    QObject::connect(&app, &SingleApplication::messageReceived, [&](const QString &received) {
        out << "received:" << received << Qt::endl;
        if (received == QLatin1String("quit"))
            app.quit();
    });
    QTimer::singleShot(30000, &app, &QCoreApplication::quit);
    return app.exec();
}
