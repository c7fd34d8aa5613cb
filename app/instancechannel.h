#ifndef INSTANCECHANNEL_H
#define INSTANCECHANNEL_H

#include <QString>

#include <functional>

// How copies of the program talk to each other: the copy that runs serves
// a channel, later copies hand it a message. Two channels exist: on the
// session bus, in the desktop module (AlmarikDesktop), and on a local
// socket (Qt Network), in the instance module (AlmarikInstance) for a
// session without a bus and for Windows. SingleApplication loads them when
// the running copy is up or when a later copy has a message to hand over,
// so that a start loads neither.
class InstanceChannel
{
public:
    using MessageHandler = std::function<void(const QString &message)>;

    virtual ~InstanceChannel() = default;

    // Serves serverName (on Unix a socket path in the user's private
    // runtime folder), handing each message received to handler; false
    // when it cannot listen (the reason in errorString()).
    virtual bool listen(const QString &serverName, MessageHandler handler) = 0;
    // Hands message to the copy serving serverName; true when it was
    // delivered within timeout milliseconds. A copy that is still starting
    // its server is tried again until the time is up.
    virtual bool send(const QString &serverName, const QString &message, int timeout) = 0;
    // True when a copy serves serverName at this moment. A channel that
    // cannot tell without trying says true.
    virtual bool isServed(const QString &serverName)
    {
        Q_UNUSED(serverName);
        return true;
    }
    virtual QString errorString() const = 0;
};

#endif // INSTANCECHANNEL_H
