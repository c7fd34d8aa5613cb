// The entry points of the desktop module (AlmarikDesktop): the program's
// use of D-Bus, loaded once the program is up so that a start neither
// loads nor maps Qt D-Bus and libdbus.
#include <QDBusConnection>
#include <QLoggingCategory>
#include <QObject>

#include "app/businstancechannel.h"
#include "app/dbusdesktopnotifier.h"

namespace {
Q_LOGGING_CATEGORY(lcUi, "almarik.ui", QtInfoMsg)
}

// The notifier on the session bus's notification service; DesktopNotifier
// owns it.
extern "C" Q_DECL_EXPORT AbstractDesktopNotifier *almarikCreateDesktopNotifier(const QString &appName)
{
    return new DBusDesktopNotifier(appName);
}

// Connects logind's PrepareForSleep signal on the system bus to receiver's
// slot slotPrepareForSleep(bool); false when there is no system bus or no
// logind (a container, another init).
extern "C" Q_DECL_EXPORT bool almarikWatchSleep(QObject *receiver)
{
    const bool connected = QDBusConnection::systemBus().connect(
            QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
            QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"), receiver,
            SLOT(slotPrepareForSleep(bool)));
    if (!connected)
        qCDebug(lcUi) << "no logind on the system bus: resume from suspend is not watched";
    return connected;
}

// The channel between copies of the program on the session bus;
// SingleApplication owns it.
extern "C" Q_DECL_EXPORT InstanceChannel *almarikCreateBusInstanceChannel()
{
    return new BusInstanceChannel;
}
