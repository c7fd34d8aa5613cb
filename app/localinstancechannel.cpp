#include "app/localinstancechannel.h"

#include <QDataStream>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QThread>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
Q_LOGGING_CATEGORY(lcInstance, "almarik.instance", QtInfoMsg)

// The receiver's answer once it has handed the message on.
constexpr char AckByte = '\x06';

#ifdef Q_OS_UNIX
// True when the socket at path is this user's.
bool socketIsOurs(const QString &path)
{
    struct stat status;
    const QByteArray name = QFile::encodeName(path);
    return lstat(name.constData(), &status) == 0 && S_ISSOCK(status.st_mode) && status.st_uid == geteuid();
}
#endif
}

LocalInstanceChannel::LocalInstanceChannel() = default;

LocalInstanceChannel::~LocalInstanceChannel()
{
    if (m_server)
        m_server->close();
}

bool LocalInstanceChannel::listen(const QString &serverName, MessageHandler handler)
{
    m_handler = std::move(handler);
    m_server.reset(new QLocalServer);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket file left by a crashed copy would make listen() fail; the
    // caller holds the lock, so no live copy owns it.
    QLocalServer::removeServer(serverName);
    if (!m_server->listen(serverName)) {
        m_error = m_server->errorString();
        qCWarning(lcInstance).noquote() << "cannot listen on" << serverName << "-" << m_error;
        return false;
    }
    QObject::connect(m_server.get(), &QLocalServer::newConnection, m_server.get(), [this] { readConnections(); });
    return true;
}

void LocalInstanceChannel::readConnections()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // Read when the whole message is there; a sender that never
        // completes it is dropped when it disconnects.
        auto readMessage = [this, socket]() {
            QDataStream stream(socket);
            stream.startTransaction();
            QString message;
            stream >> message;
            if (!stream.commitTransaction())
                return;
            socket->write(&AckByte, 1);
            socket->flush();
            if (m_handler)
                m_handler(message);
            socket->disconnectFromServer();
        };
        QObject::connect(socket, &QLocalSocket::readyRead, socket, readMessage);
        if (socket->bytesAvailable() > 0)
            readMessage();
    }
}

bool LocalInstanceChannel::send(const QString &serverName, const QString &message, int timeout)
{
    QElapsedTimer clock;
    clock.start();
    auto remaining = [&]() { return qMax(0, timeout - int(clock.elapsed())); };

    QLocalSocket socket;
    // The first copy may still be starting: its server comes up once its
    // window or tray icon is. Keep trying until the time is up.
    for (;;) {
#ifdef Q_OS_UNIX
        if (QFileInfo::exists(serverName) && !socketIsOurs(serverName)) {
            m_error = QStringLiteral("the socket %1 belongs to another user").arg(serverName);
            qCWarning(lcInstance).noquote() << "refusing a socket owned by another user:" << serverName;
            return false;
        }
#endif
        socket.connectToServer(serverName);
        if (socket.waitForConnected(qMin(remaining(), 200)))
            break;
        if (remaining() == 0) {
            m_error = socket.errorString();
            return false;
        }
        QThread::msleep(50);
    }
    QByteArray data;
    QDataStream stream(&data, QIODevice::WriteOnly);
    stream << message;
    socket.write(data);
    if (!socket.waitForBytesWritten(remaining())) {
        m_error = socket.errorString();
        return false;
    }
    while (socket.bytesAvailable() < 1) {
        if (remaining() == 0 || !socket.waitForReadyRead(remaining())) {
            m_error = socket.errorString();
            return false;
        }
    }
    return socket.read(1).at(0) == AckByte;
}

// The module's one entry point, resolved by SingleApplication.
extern "C" Q_DECL_EXPORT InstanceChannel *almarikCreateInstanceChannel()
{
    return new LocalInstanceChannel;
}
