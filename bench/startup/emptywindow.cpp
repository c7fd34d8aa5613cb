// The floor of the start-up benchmark: an empty frameless QWidget of the
// main window's size, in a program that links Qt Widgets only, started by
// the benchmark's driver in the same modes as the program.
//
//   almarik_bench_empty --child empty-shown|empty-tray|empty-idle SECONDS

#include <memory>

#include "childprobe.h"

int main(int argc, char **argv)
{
    if (argc < 4 || qstrcmp(argv[1], "--child") != 0)
        return 2;
    const QByteArray mode(argv[2]);
    const int idleSeconds = QByteArray(argv[3]).toInt();
    static int childArgc = 1;
    QApplication app(childArgc, argv);
    QWidget window;
    makeEmptyWindow(window);
    std::unique_ptr<ExposeWatcher> watcher;
    std::unique_ptr<QSystemTrayIcon> tray;
    if (mode.endsWith("-shown")) {
        watcher.reset(new ExposeWatcher(&window, false));
        window.show();
    } else {
        tray.reset(new QSystemTrayIcon);
        makeTrayIcon(*tray);
        // As the program started minimized on a desktop with a system
        // tray (the driver measures both that way): the window stays hidden.
        if (mode.endsWith("-idle"))
            countIdle(idleSeconds);
        else
            QTimer::singleShot(0, [] {
                report("tray");
                QCoreApplication::exit(0);
            });
    }
    return QApplication::exec();
}
