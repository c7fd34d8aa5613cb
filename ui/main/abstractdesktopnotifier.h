#ifndef ABSTRACTDESKTOPNOTIFIER_H
#define ABSTRACTDESKTOPNOTIFIER_H

#include <QString>

#include <functional>

// The desktop's notification service as the main window sees it, used when
// there is no system tray to raise balloons on. The application object
// supplies the D-Bus one; tests supply a recorder.
class AbstractDesktopNotifier
{
public:
    virtual ~AbstractDesktopNotifier() = default;

    // Shows the message for `milliseconds`; false when no service took it.
    virtual bool show(const QString &title, const QString &body, int milliseconds) = 0;

    // Called when the user clicks a message this notifier showed (its
    // default action); set by the main window.
    std::function<void()> activated;
};

#endif // ABSTRACTDESKTOPNOTIFIER_H
