#include "app/dbusdesktopnotifier.h"

#include <QDBusConnection>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>


namespace {
const char *const Service = "org.freedesktop.Notifications";
const char *const Path = "/org/freedesktop/Notifications";
const char *const Interface = "org.freedesktop.Notifications";
constexpr int Forever = 2147483647;
// In the notification protocol 0 means "until dismissed".
constexpr int NeverExpires = 0;
}

DBusDesktopNotifier::DBusDesktopNotifier(const QString &appName, QObject *parent)
    : QObject(parent)
    , m_appName(appName)
{
}

QDBusMessage DBusDesktopNotifier::notifyCall(const QString &appName, uint replacesId, const QString &title,
                                             const QString &body, int milliseconds)
{
    QDBusMessage call = QDBusMessage::createMethodCall(QLatin1String(Service), QLatin1String(Path),
                                                       QLatin1String(Interface), QStringLiteral("Notify"));
    const int timeout = milliseconds >= Forever ? NeverExpires : qMax(1, milliseconds);
    // The default action makes a click on the message itself come back as
    // ActionInvoked("default").
    call << appName << replacesId << QString() << title << body
         << QStringList{QStringLiteral("default"), QString()} << QVariantMap() << timeout;
    return call;
}

bool DBusDesktopNotifier::show(const QString &title, const QString &body, int milliseconds)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    if (!m_listening) {
        m_listening = bus.connect(QLatin1String(Service), QLatin1String(Path), QLatin1String(Interface),
                                  QStringLiteral("ActionInvoked"), this,
                                  SLOT(slotActionInvoked(uint, QString)));
    }
    const QDBusMessage call = notifyCall(m_appName, m_lastId, title, body, milliseconds);
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *w) {
        const QDBusPendingReply<uint> reply = *w;
        if (reply.isValid())
            m_lastId = reply.value();
        w->deleteLater();
    });
    return true;
}

void DBusDesktopNotifier::slotActionInvoked(uint id, const QString &actionKey)
{
    // The service tells every listener about every program's messages.
    if (id == 0 || id != m_lastId || actionKey != QLatin1String("default"))
        return;
    if (activated)
        activated();
}
