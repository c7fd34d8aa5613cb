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

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>
#endif

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

#ifdef Q_OS_UNIX
// True when path is a folder of this user that no one else may enter.
bool isPrivateFolder(const QString &path)
{
    struct stat status;
    const QByteArray name = QFile::encodeName(path);
    return lstat(name.constData(), &status) == 0 && S_ISDIR(status.st_mode)
        && status.st_uid == geteuid() && (status.st_mode & 0077) == 0;
}
#endif

// The folder of the lock and the socket: the user's private runtime folder
// ($XDG_RUNTIME_DIR), else a folder of the user's own in the temporary
// folder, made 0700 and checked to be the user's. Names in a shared folder
// can be computed and taken first by any other local user.
QString runtimeDirectory()
{
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
#ifdef Q_OS_UNIX
    if (!runtime.isEmpty() && isPrivateFolder(runtime))
        return runtime;
    const QString own = QDir::tempPath() + QStringLiteral("/almarikzenhar-") + QString::number(geteuid());
    QDir().mkdir(own);
    QFile::setPermissions(own, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (isPrivateFolder(own))
        return own;
    qCWarning(lcInstance).noquote() << "no private folder for the single-instance lock;" << own
                                    << "belongs to someone else";
    return QString();
#else
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
#endif
}

// A lock file whose owner cannot be confirmed alive is removed, so that
// the copy starting now can take it: no process id in it (empty, garbage),
// a process that is not running, or a running process of another program.
// QLockFile alone treats a lock without a readable id as held for ever.
void removeLockOfNoLiveOwner(QLockFile &lock, const QString &path)
{
    if (!QFileInfo::exists(path))
        return;
    qint64 pid = 0;
    QString host;
    QString application;
    // A copy starting at this moment has made the file but may not have
    // written its id yet: look twice before calling it garbage.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (lock.getLockInfo(&pid, &host, &application) && pid > 0)
            break;
        pid = 0;
        QThread::msleep(100);
    }
    bool stale = pid <= 0;
#ifdef Q_OS_UNIX
    if (!stale && ::kill(pid_t(pid), 0) != 0 && errno == ESRCH)
        stale = true;
    if (!stale && pid != qint64(getpid())) {
        // Another program now has that id: its executable is not ours.
        QString exe = QFile::symLinkTarget(QStringLiteral("/proc/%1/exe").arg(pid));
        // A program file replaced while it runs (an update) reads so.
        if (exe.endsWith(QLatin1String(" (deleted)")))
            exe.chop(10);
        const QString ours = QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath();
        if (!exe.isEmpty() && !ours.isEmpty() && QFileInfo(exe).fileName() != QFileInfo(ours).fileName())
            stale = true;
    }
#endif
    if (stale) {
        qCInfo(lcInstance).noquote() << "removing a lock with no live owner:" << path;
        QFile::remove(path);
    }
}

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

SingleApplication::SingleApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
    m_key = keyFor(QCoreApplication::applicationFilePath(), currentUserName());
    const QString folder = runtimeDirectory();
    if (folder.isEmpty()) {
        // Nowhere safe to meet other copies: run alone rather than not at all.
        return;
    }
#ifdef Q_OS_UNIX
    m_serverName = QDir(folder).filePath(m_key);
#else
    m_serverName = m_key;
#endif

    // The lock decides which copy serves: two copies started at the same
    // moment cannot both take it. A lock left by a crashed copy is stale
    // (its process is gone) and is taken over.
    const QString lockPath = QDir(folder).filePath(m_key + QStringLiteral(".lock"));
    m_lock = new QLockFile(lockPath);
    m_lock->setStaleLockTime(0);
    removeLockOfNoLiveOwner(*m_lock, lockPath);
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
    QLocalServer::removeServer(m_serverName);
    if (!m_server->listen(m_serverName))
        qCWarning(lcInstance).noquote() << "cannot listen on" << m_serverName << "-" << m_server->errorString();
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
#ifdef Q_OS_UNIX
        if (QFileInfo::exists(m_serverName) && !socketIsOurs(m_serverName)) {
            qCWarning(lcInstance).noquote() << "refusing a socket owned by another user:" << m_serverName;
            return false;
        }
#endif
        socket.connectToServer(m_serverName);
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
