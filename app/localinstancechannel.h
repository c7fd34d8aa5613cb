#ifndef LOCALINSTANCECHANNEL_H
#define LOCALINSTANCECHANNEL_H

#include <QString>

#include <memory>

#include "app/instancechannel.h"

class QLocalServer;

// The copies' channel on a local socket (QLocalServer and QLocalSocket): a
// message is one length-prefixed UTF-16 string, and the receiver answers
// with one byte once it has handed the message on. Built into the instance
// module (AlmarikInstance).
class LocalInstanceChannel : public InstanceChannel
{
public:
    LocalInstanceChannel();
    ~LocalInstanceChannel() override;
    LocalInstanceChannel(const LocalInstanceChannel &) = delete;
    LocalInstanceChannel &operator=(const LocalInstanceChannel &) = delete;

    bool listen(const QString &serverName, MessageHandler handler) override;
    bool send(const QString &serverName, const QString &message, int timeout) override;
    QString errorString() const override { return m_error; }

private:
    void readConnections();

    std::unique_ptr<QLocalServer> m_server;
    MessageHandler m_handler;
    QString m_error;
};

#endif // LOCALINSTANCECHANNEL_H
