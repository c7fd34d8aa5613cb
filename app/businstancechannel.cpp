#include "app/businstancechannel.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QThread>

namespace {
Q_LOGGING_CATEGORY(lcInstance, "almarik.instance", QtInfoMsg)

const char ObjectPath[] = "/org/almarikzenhar/Instance";
const char Interface[] = "org.almarikzenhar.Instance";

// Errors that mean no copy owns the name (yet): the call never reached one.
bool isNoOwner(const QDBusMessage &reply)
{
    const QString name = reply.errorName();
    return name == QLatin1String("org.freedesktop.DBus.Error.ServiceUnknown")
        || name == QLatin1String("org.freedesktop.DBus.Error.NameHasNoOwner");
}
}

InstanceBusReceiver::InstanceBusReceiver(InstanceChannel::MessageHandler handler)
    : m_handler(std::move(handler))
{
}

void InstanceBusReceiver::Deliver(const QString &message)
{
    if (m_handler)
        m_handler(message);
}

BusInstanceChannel::BusInstanceChannel() = default;

BusInstanceChannel::~BusInstanceChannel()
{
    if (!m_receiver)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterService(m_busName);
    bus.unregisterObject(QLatin1String(ObjectPath));
}

QString BusInstanceChannel::busNameFor(const QString &key)
{
    // The key's own prefix says again what the name's first elements say.
    QString element = key;
    if (element.startsWith(QLatin1String("almarikzenhar-")))
        element.remove(0, 14);
    for (QChar &c : element) {
        const ushort u = c.unicode();
        const bool allowed = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_';
        if (!allowed)
            c = QLatin1Char('_');
    }
    // The "i" keeps a key that starts with a digit a valid element.
    return QStringLiteral("org.almarikzenhar.i") + element;
}

bool BusInstanceChannel::listen(const QString &serverName, MessageHandler handler)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        m_error = bus.lastError().message();
        if (m_error.isEmpty())
            m_error = QStringLiteral("no session bus");
        return false;
    }
    const QString name = busNameFor(serverName);
    auto receiver = std::make_unique<InstanceBusReceiver>(std::move(handler));
    // The object first: once the name has an owner, calls find it.
    if (!bus.registerObject(QLatin1String(ObjectPath), receiver.get(), QDBusConnection::ExportAllSlots)) {
        m_error = bus.lastError().message();
        return false;
    }
    if (!bus.registerService(name)) {
        m_error = bus.lastError().message();
        qCWarning(lcInstance).noquote() << "cannot own" << name << "on the session bus -" << m_error;
        bus.unregisterObject(QLatin1String(ObjectPath));
        return false;
    }
    m_busName = name;
    m_receiver = std::move(receiver);
    return true;
}

bool BusInstanceChannel::isServed(const QString &serverName)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    return bus.isConnected() && bus.interface()->isServiceRegistered(busNameFor(serverName)).value();
}

bool BusInstanceChannel::send(const QString &serverName, const QString &message, int timeout)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        m_error = QStringLiteral("no session bus");
        return false;
    }
    QElapsedTimer clock;
    clock.start();
    auto remaining = [&]() { return qMax(0, timeout - int(clock.elapsed())); };
    QDBusMessage call = QDBusMessage::createMethodCall(busNameFor(serverName), QLatin1String(ObjectPath),
                                                       QLatin1String(Interface), QStringLiteral("Deliver"));
    call << message;
    // Nothing is to be started for the name: a copy owns it or none does.
    call.setAutoStartService(false);
    // The running copy may still be starting: it owns the name once its
    // window or tray icon is up. Keep trying while no one owns it.
    for (;;) {
        const QDBusMessage reply = bus.call(call, QDBus::Block, qMax(1, remaining()));
        if (reply.type() == QDBusMessage::ReplyMessage)
            return true;
        m_error = reply.errorMessage();
        if (!isNoOwner(reply) || remaining() == 0)
            return false;
        QThread::msleep(50);
    }
}
