#ifndef INSTANCECHANNEL_H
#define INSTANCECHANNEL_H

#include <QString>

#include <functional>

// How copies of the program talk to each other: the copy that runs serves
// a local socket, later copies hand it a message. The channel on Qt
// Network lives in the instance module (AlmarikInstance), which
// SingleApplication loads when the running copy is up or when a later copy
// has a message to hand over, so that a start does not load the network
// libraries.
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
    virtual QString errorString() const = 0;
};

#endif // INSTANCECHANNEL_H
