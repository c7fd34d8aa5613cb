#ifndef RASTERONLYDISPLAY_H
#define RASTERONLYDISPLAY_H

#include <QObject>

// The program paints every window with Qt's raster engine and never with
// OpenGL. On X11, Qt's xcb platform would still load the OpenGL driver
// when it makes the first window, only to pick that window's visual: Mesa,
// and with it LLVM where the driver renders in software. That costs tens
// of milliseconds and tens of megabytes at every start, for nothing.
// QT_XCB_GL_INTEGRATION=none tells Qt to leave the driver alone; other
// platforms ignore it.
//
// Qt reads the variable once, when it makes the first window that could
// draw with OpenGL. From then on the variable is taken out again, so that
// the browser, mail or file program the user opens from here starts with
// the environment the session gave. A value the user set is left as it is.
class RasterOnlyDisplay : public QObject
{
public:
    // Before the application object: sets the variable unless the user
    // did. True when it was set here.
    static bool request();

    // Watches the application's windows and takes the variable out once
    // the first one is made, when request() set it; then deletes itself.
    static void releaseAtFirstWindow(QObject *application);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit RasterOnlyDisplay(QObject *application);

    static bool s_requested;
};

#endif // RASTERONLYDISPLAY_H
