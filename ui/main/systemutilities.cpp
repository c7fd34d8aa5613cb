#include "ui/main/systemutilities.h"

#include <QGuiApplication>
#include <QOperatingSystemVersion>
#include <QScreen>
#include <QWidget>

void SystemUtilities::centerOnDesktop(QWidget *widget)
{
    if (!widget)
        return;
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QSize desktop = screen->virtualSize();
    widget->move(desktop.width() / 2 - widget->width() / 2,
                 desktop.height() / 2 - widget->height() / 2);
}

bool SystemUtilities::isWindows7()
{
    const QOperatingSystemVersion os = QOperatingSystemVersion::current();
    return os.type() == QOperatingSystemVersion::Windows
            && os.majorVersion() == 6 && os.minorVersion() == 1;
}
