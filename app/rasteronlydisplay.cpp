#include "app/rasteronlydisplay.h"

#include <QEvent>
#include <QPlatformSurfaceEvent>
#include <QWindow>

namespace {
const char GlIntegrationVariable[] = "QT_XCB_GL_INTEGRATION";
}

bool RasterOnlyDisplay::s_requested = false;

bool RasterOnlyDisplay::request()
{
    if (qEnvironmentVariableIsSet(GlIntegrationVariable))
        return false;
    s_requested = qputenv(GlIntegrationVariable, "none");
    return s_requested;
}

void RasterOnlyDisplay::releaseAtFirstWindow(QObject *application)
{
    if (s_requested && application)
        new RasterOnlyDisplay(application);
}

RasterOnlyDisplay::RasterOnlyDisplay(QObject *application)
    : QObject(application)
{
    application->installEventFilter(this);
}

bool RasterOnlyDisplay::eventFilter(QObject *watched, QEvent *event)
{
    // Sent once the platform has made a window, after it chose (or did not
    // choose) an OpenGL integration for the whole connection. The xcb
    // platform makes the desktop's window and an embedded tray icon's
    // without choosing, so those do not count.
    if (event->type() == QEvent::PlatformSurface && watched->isWindowType()
        && static_cast<QPlatformSurfaceEvent *>(event)->surfaceEventType()
            == QPlatformSurfaceEvent::SurfaceCreated
        && static_cast<QWindow *>(watched)->type() != Qt::Desktop
        && watched->objectName() != QLatin1String("QSystemTrayIconSysWindow")) {
        qunsetenv(GlIntegrationVariable);
        s_requested = false;
        parent()->removeEventFilter(this);
        deleteLater();
    }
    return QObject::eventFilter(watched, event);
}
