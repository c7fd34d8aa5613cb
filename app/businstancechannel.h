#ifndef BUSINSTANCECHANNEL_H
#define BUSINSTANCECHANNEL_H

#include <QObject>
#include <QString>

#include <memory>

#include "app/instancechannel.h"

// The object the running copy exports on the session bus: one method that
// takes a later copy's message.
class InstanceBusReceiver : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.almarikzenhar.Instance")
public:
    explicit InstanceBusReceiver(InstanceChannel::MessageHandler handler);

public slots:
    // Answers once the message has been handed on.
    void Deliver(const QString &message);

private:
    InstanceChannel::MessageHandler m_handler;
};

// The copies' channel on the user's session bus: the running copy owns a
// well-known name made from the single-instance key and exports
// InstanceBusReceiver; a later copy calls its Deliver method. The session
// bus is the user's own, and the key is per program file and user, so
// another user's or another installation's copy is never reached. Built
// into the desktop module (AlmarikDesktop), which already holds the
// program's use of D-Bus.
class BusInstanceChannel : public InstanceChannel
{
public:
    BusInstanceChannel();
    ~BusInstanceChannel() override;
    BusInstanceChannel(const BusInstanceChannel &) = delete;
    BusInstanceChannel &operator=(const BusInstanceChannel &) = delete;

    // serverName is the single-instance key; false when there is no
    // session bus or the name cannot be owned.
    bool listen(const QString &serverName, MessageHandler handler) override;
    // Retries while no copy owns the name, until timeout; a call that went
    // out is never repeated, so a message is delivered at most once.
    bool send(const QString &serverName, const QString &message, int timeout) override;
    bool isServed(const QString &serverName) override;
    QString errorString() const override { return m_error; }

    // The well-known bus name for a key: "org.almarikzenhar.i" and the
    // key without its "almarikzenhar-" prefix, any character other than a
    // letter, digit or underscore made an underscore: always a valid name.
    static QString busNameFor(const QString &key);

private:
    std::unique_ptr<InstanceBusReceiver> m_receiver;
    QString m_busName;
    QString m_error;
};

#endif // BUSINSTANCECHANNEL_H
