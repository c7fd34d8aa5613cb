#include "app/singleapplication.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

#include "core/logcategories.h"

namespace {
// Messages are sent as one length-prefixed UTF-16 string; the receiver
// answers with one byte once it has emitted the message.
constexpr char AckByte = '\x06';

QString currentUserName()
{
    QString name = qEnvironmentVariable("USER");
    if (name.isEmpty())
        name = qEnvironmentVariable("USERNAME");
    if (name.isEmpty())
        name = QDir::homePath();
    return name;
}

QString runtimeDirectory()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    return dir;
}
}

SingleApplication::SingleApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    m_key = keyFor(QCoreApplication::applicationFilePath(), currentUserName());

    // The lock decides which copy serves: two copies started at the same
    // moment cannot both take it. A lock left by a crashed copy is stale
    // (its process is gone) and is taken over.
    m_lock = new QLockFile(QDir(runtimeDirectory()).filePath(m_key + QStringLiteral(".lock")));
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) {
        startServer();
    } else if (m_lock->error() == QLockFile::LockFailedError) {
        m_running = true;
    } else {
        // The lock file cannot be written at all (read-only runtime
        // folder): better to run than to refuse to start.
        startServer();
    }
}

SingleApplication::~SingleApplication()
{
    if (m_server)
        m_server->close();
    delete m_lock;
}

QString SingleApplication::keyFor(const QString &programPath, const QString &userName)
{
    const QString canonical = QFileInfo(programPath).absoluteFilePath();
    QByteArray seed = canonical.toUtf8();
#if defined(Q_OS_WIN)
    seed = seed.toLower();  // the same file under another case is the same program
#endif
    seed += '\n';
    seed += userName.toUtf8();
    const QByteArray hash = QCryptographicHash::hash(seed, QCryptographicHash::Sha256).toHex().left(24);
    return QStringLiteral("almarikzenhar-") + QString::fromLatin1(hash);
}

void SingleApplication::startServer()
{
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket file left by a crashed copy would make listen() fail; we
    // hold the lock, so no live copy owns it.
    QLocalServer::removeServer(m_key);
    if (!m_server->listen(m_key))
        qCWarning(lcInstance, "Cannot listen on %s", qPrintable(m_key));
    connect(m_server, &QLocalServer::newConnection, this, &SingleApplication::readConnection);
}

void SingleApplication::readConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
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
            emit messageReceived(message);
            socket->disconnectFromServer();
        };
        connect(socket, &QLocalSocket::readyRead, this, readMessage);
        if (socket->bytesAvailable() > 0)
            readMessage();
    }
}

bool SingleApplication::sendMessage(const QString &message, int timeout)
{
    if (!m_running)
        return false;
    QElapsedTimer clock;
    clock.start();
    auto remaining = [&]() { return qMax(0, timeout - int(clock.elapsed())); };

    QLocalSocket socket;
    // The first copy may still be starting its server: keep trying
    // until the time is up.
    for (;;) {
        socket.connectToServer(m_key);
        if (socket.waitForConnected(qMin(remaining(), 200)))
            break;
        if (remaining() == 0)
            return false;
        QThread::msleep(50);
    }
    QByteArray data;
    QDataStream stream(&data, QIODevice::WriteOnly);
    stream << message;
    socket.write(data);
    if (!socket.waitForBytesWritten(remaining()))
        return false;
    while (socket.bytesAvailable() < 1) {
        if (remaining() == 0 || !socket.waitForReadyRead(remaining()))
            return false;
    }
    return socket.read(1).at(0) == AckByte;
}
