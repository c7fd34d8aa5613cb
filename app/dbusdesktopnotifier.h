#ifndef DBUSDESKTOPNOTIFIER_H
#define DBUSDESKTOPNOTIFIER_H

#include <QDBusMessage>
#include <QObject>
#include <QString>

#include "ui/main/abstractdesktopnotifier.h"

// Shows a message through the desktop's notification service
// (org.freedesktop.Notifications on the session bus). The main window uses
// it when the desktop has no system tray to raise balloons on, e.g. GNOME
// without an extension. Each message replaces the one shown before it.
// Built into the desktop module (AlmarikDesktop), which DesktopNotifier
// loads at the first message.
class DBusDesktopNotifier : public QObject, public AbstractDesktopNotifier
{
    Q_OBJECT
public:
    // appName: the program's name as the service shows it.
    explicit DBusDesktopNotifier(const QString &appName, QObject *parent = nullptr);

    // The Notify call for a message shown for `milliseconds`; a time of
    // 2147483647 ms or more asks the service to keep it until dismissed.
    static QDBusMessage notifyCall(const QString &appName, uint replacesId, const QString &title,
                                   const QString &body, int milliseconds);

    // Sends the message; false when there is no session bus.
    bool show(const QString &title, const QString &body, int milliseconds) override;
    // The service's id of the last message shown, 0 before the first reply.
    uint lastId() const { return m_lastId; }

private slots:
    // The service's ActionInvoked signal: a click on one of our messages
    // calls activated.
    void slotActionInvoked(uint id, const QString &actionKey);

private:
    QString m_appName;
    bool m_listening = false;
    uint m_lastId = 0;
};

#endif // DBUSDESKTOPNOTIFIER_H
