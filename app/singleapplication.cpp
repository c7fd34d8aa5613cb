#include "app/singleapplication.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>

#include "app/instancechannel.h"
#include "core/logcategories.h"

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
using CreateChannel = InstanceChannel *(*)();

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

}

SingleApplication::SingleApplication(int &argc, char **argv, const QString &instanceModule,
                                     const QString &desktopModule)
    : QApplication(argc, argv)
    , m_module("AlmarikInstance", instanceModule)
    , m_desktopModule("AlmarikDesktop", desktopModule)
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
    // A lock file that cannot be written at all (read-only runtime folder)
    // lets this copy run: better than refusing to start.
    if (!m_lock->tryLock(0) && m_lock->error() == QLockFile::LockFailedError)
        m_running = true;
#ifdef Q_OS_UNIX
    // A socket a crashed copy left would send later copies to no one while
    // this copy serves on the bus; the lock says no live copy serves it.
    if (!m_running)
        QFile::remove(m_serverName);
#endif
}

SingleApplication::~SingleApplication()
{
    // The channels' code lives in the modules: they go first.
    m_channel.reset();
    m_busChannel.reset();
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

InstanceChannel *SingleApplication::socketChannel()
{
    if (m_channelTried)
        return m_channel.get();
    m_channelTried = true;
    if (auto create = m_module.entry<CreateChannel>("almarikCreateInstanceChannel"))
        m_channel.reset(create());
    return m_channel.get();
}

InstanceChannel *SingleApplication::busChannel()
{
#ifdef Q_OS_WIN
    // Windows has no session bus: the socket (a named pipe) only.
    return nullptr;
#else
    if (m_busChannelTried)
        return m_busChannel.get();
    m_busChannelTried = true;
    if (auto create = m_desktopModule.entry<CreateChannel>("almarikCreateBusInstanceChannel"))
        m_busChannel.reset(create());
    return m_busChannel.get();
#endif
}

bool SingleApplication::socketIsServed() const
{
#ifdef Q_OS_UNIX
    return QFileInfo::exists(m_serverName);
#else
    return true;
#endif
}

bool SingleApplication::listenForMessages()
{
    if (m_listenTried)
        return m_listening;
    m_listenTried = true;
    if (m_running || m_serverName.isEmpty())
        return false;
    auto handler = [this](const QString &message) { emit messageReceived(message); };
    // On the session bus when there is one: Qt D-Bus is loaded on the
    // desktop anyway, Qt Network is not.
    if (InstanceChannel *bus = busChannel()) {
        if (bus->listen(m_key, handler)) {
            m_served = bus;
            m_listening = true;
            return true;
        }
        qCInfo(lcInstance).noquote() << "serving later starts on a local socket:" << bus->errorString();
    }
    InstanceChannel *served = socketChannel();
    if (!served) {
        qCWarning(lcInstance) << "later starts cannot reach this copy: no instance module";
        return false;
    }
    m_listening = served->listen(m_serverName, handler);
    if (m_listening)
        m_served = served;
    return m_listening;
}

bool SingleApplication::sendMessage(const QString &message, int timeout)
{
    if (!m_running)
        return false;
    QElapsedTimer clock;
    clock.start();
    auto remaining = [&]() { return qMax(0, timeout - int(clock.elapsed())); };
    // The running copy serves the bus or the socket once it is up, and
    // neither while it starts: look for both until the time is up. Each
    // channel hands the message over at most once.
    InstanceChannel *bus = busChannel();
    InstanceChannel *sender = nullptr;
    for (;;) {
        if (bus && bus->isServed(m_key)) {
            sender = bus;
            break;
        }
        if (socketIsServed()) {
            sender = socketChannel();
            if (!sender) {
                qCWarning(lcInstance) << "cannot reach the running copy: no instance module";
                return false;
            }
            break;
        }
        if (remaining() == 0) {
            qCWarning(lcInstance) << "the running copy did not serve within" << timeout << "ms";
            return false;
        }
        QThread::msleep(50);
    }
    const QString name = sender == bus ? m_key : m_serverName;
    if (sender->send(name, message, remaining()))
        return true;
    qCWarning(lcInstance).noquote() << "the running copy did not take the message:" << sender->errorString();
    return false;
}
