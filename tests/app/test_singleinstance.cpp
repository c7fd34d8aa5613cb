#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

#include "app/singleapplication.h"

// Real processes of a small program on the single-instance base, in a
// private runtime folder so that no other run of the suite interferes. A
// private bus daemon stands in for the session bus where a case has one;
// the other cases run without a session bus.
class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();
    void keyDependsOnProgramAndUser();
    void laterCopyHandsItsMessageToTheFirst();
    void messageReachesACopyStillStarting_data();
    void messageReachesACopyStillStarting();
    void copiesStartedTogetherEndWithOneServer();
    void crashedCopyLeavesNoStaleLock();
    void lockWithoutLiveOwnerIsStale_data();
    void lockWithoutLiveOwnerIsStale();
    void socketAndLockInPrivateFolder();
    void socketOfAnotherUserRefused();
    void busOrSocketReachesTheRunningCopyOnce_data();
    void busOrSocketReachesTheRunningCopyOnce();

private:
    QProcess *start(const QString &message = QString(), const QStringList &options = {}, bool bus = false);
    QString probeKey() const;
    bool waitForLine(QProcess *process, const QByteArray &line, int timeout = 10000);

    QTemporaryDir m_runtime;
    QProcess m_busDaemon;
    QByteArray m_busAddress;
    QString m_probe;
    QList<QProcess *> m_processes;
    // Each process's output read so far.
    QHash<QProcess *, QByteArray> m_seen;
};

void TestSingleInstance::initTestCase()
{
    QVERIFY(m_runtime.isValid());
    QFile::setPermissions(m_runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    m_probe = QCoreApplication::applicationDirPath() + QStringLiteral("/singleinstanceprobe");
    QVERIFY2(QFileInfo::exists(m_probe), qPrintable(m_probe));

    m_busDaemon.start(QStringLiteral("dbus-daemon"),
                      {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    if (m_busDaemon.waitForStarted(5000)) {
        while (!m_busAddress.contains('\n') && m_busDaemon.waitForReadyRead(5000))
            m_busAddress += m_busDaemon.readAllStandardOutput();
        m_busAddress = m_busAddress.trimmed();
    }
}

void TestSingleInstance::cleanupTestCase()
{
    if (m_busDaemon.state() != QProcess::NotRunning) {
        m_busDaemon.kill();
        m_busDaemon.waitForFinished(5000);
    }
}

void TestSingleInstance::cleanup()
{
    for (QProcess *process : qAsConst(m_processes)) {
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(5000);
        }
        delete process;
    }
    m_processes.clear();
    m_seen.clear();
    for (const QString &name : QDir(m_runtime.path()).entryList(QDir::Files | QDir::System | QDir::Hidden))
        QFile::remove(QDir(m_runtime.path()).filePath(name));
}

QProcess *TestSingleInstance::start(const QString &message, const QStringList &options, bool bus)
{
    auto *process = new QProcess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path());
    if (bus)
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QString::fromLatin1(m_busAddress));
    else  // an address where no bus listens: no fallback to a desktop's bus
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                   QStringLiteral("unix:path=") + m_runtime.filePath(QStringLiteral("no-bus")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process->setProcessEnvironment(env);
    process->setProcessChannelMode(QProcess::SeparateChannels);
    process->start(m_probe, (message.isEmpty() ? QStringList() : QStringList{message}) + options);
    m_processes.append(process);
    return process;
}

bool TestSingleInstance::waitForLine(QProcess *process, const QByteArray &line, int timeout)
{
    QElapsedTimer clock;
    clock.start();
    QByteArray &seen = m_seen[process];
    while (clock.elapsed() < timeout) {
        process->waitForReadyRead(100);
        seen += process->readAllStandardOutput();
        if (seen.split('\n').contains(line))
            return true;
        if (process->state() == QProcess::NotRunning && process->bytesAvailable() == 0)
            return seen.split('\n').contains(line);
    }
    return false;
}

void TestSingleInstance::keyDependsOnProgramAndUser()
{
    const QString key = SingleApplication::keyFor(QStringLiteral("/opt/az/AlmarikZenhar"), QStringLiteral("aminah"));
    QCOMPARE(SingleApplication::keyFor(QStringLiteral("/opt/az/AlmarikZenhar"), QStringLiteral("aminah")), key);
    QVERIFY(SingleApplication::keyFor(QStringLiteral("/opt/az/AlmarikZenhar"), QStringLiteral("farid")) != key);
    QVERIFY(SingleApplication::keyFor(QStringLiteral("/home/aminah/AlmarikZenhar"), QStringLiteral("aminah")) != key);
    // The key names a socket and a lock file: no path separators in it.
    QVERIFY(!key.contains(QLatin1Char('/')));
    QVERIFY(!key.contains(QLatin1Char('\\')));
}

void TestSingleInstance::laterCopyHandsItsMessageToTheFirst()
{
    QProcess *first = start();
    QVERIFY(waitForLine(first, "serving"));

    QProcess *second = start(QStringLiteral("ShowMe"));
    QVERIFY(second->waitForFinished(10000));
    QCOMPARE(second->exitCode(), 0);
    QCOMPARE(second->readAllStandardOutput().trimmed(), QByteArray("sent"));
    QVERIFY(waitForLine(first, "received:ShowMe"));
    QCOMPARE(first->state(), QProcess::Running);

    // A third copy is turned away in the same way.
    QProcess *third = start(QStringLiteral("quit"));
    QVERIFY(third->waitForFinished(10000));
    QVERIFY(first->waitForFinished(10000));
    QCOMPARE(first->exitStatus(), QProcess::NormalExit);
}

// The running copy serves only once its window is up, and loads the
// socket's module then; a copy started meanwhile keeps trying until the
// server is there. Without the module the program still runs, alone.
void TestSingleInstance::messageReachesACopyStillStarting_data()
{
    QTest::addColumn<int>("late");
    QTest::addColumn<bool>("firstHasModule");
    QTest::addColumn<bool>("laterHasModule");
    QTest::addColumn<QByteArray>("firstSays");
    QTest::addColumn<QByteArray>("laterSays");
    QTest::newRow("server up at once") << 0 << true << true << QByteArray("serving") << QByteArray("sent");
    QTest::newRow("server up after a few tries") << 500 << true << true << QByteArray("serving") << QByteArray("sent");
    QTest::newRow("server up late") << 900 << true << true << QByteArray("serving") << QByteArray("sent");
    QTest::newRow("running copy without the module")
            << 0 << false << true << QByteArray("not serving") << QByteArray("failed");
    QTest::newRow("later copy without the module")
            << 0 << true << false << QByteArray("serving") << QByteArray("failed");
}

void TestSingleInstance::messageReachesACopyStillStarting()
{
    QFETCH(int, late);
    QFETCH(bool, firstHasModule);
    QFETCH(bool, laterHasModule);
    QFETCH(QByteArray, firstSays);
    QFETCH(QByteArray, laterSays);
    const QStringList missing{QStringLiteral("--module"), m_runtime.filePath(QStringLiteral("none/AlmarikInstance"))};

    QProcess *first = start(QString(), QStringList{QStringLiteral("--late"), QString::number(late)}
                                               + (firstHasModule ? QStringList() : missing));
    QVERIFY(waitForLine(first, "locked"));
    // Sent while the first copy may still be without its server.
    QProcess *later = start(QStringLiteral("ShowMe"), laterHasModule ? QStringList() : missing);
    QVERIFY(later->waitForFinished(10000));
    QCOMPARE(later->exitCode(), 0);
    QCOMPARE(later->readAllStandardOutput().trimmed(), laterSays);
    QVERIFY(waitForLine(first, firstSays));
    if (laterSays == "sent")
        QVERIFY(waitForLine(first, "received:ShowMe"));
    if (!firstHasModule)
        QVERIFY(first->readAllStandardError().contains("AlmarikInstance cannot be used"));
    if (!laterHasModule)
        QVERIFY(later->readAllStandardError().contains("AlmarikInstance cannot be used"));
    // A copy that cannot serve runs on.
    QCOMPARE(first->state(), QProcess::Running);
}

void TestSingleInstance::copiesStartedTogetherEndWithOneServer()
{
    QList<QProcess *> copies;
    for (int i = 0; i < 4; ++i)
        copies.append(start(QStringLiteral("hello")));

    auto finished = [&copies]() {
        return std::count_if(copies.begin(), copies.end(),
                             [](QProcess *p) { return p->state() == QProcess::NotRunning; });
    };
    QTRY_COMPARE_WITH_TIMEOUT(finished(), 3, 15000);

    QProcess *server = nullptr;
    for (QProcess *copy : qAsConst(copies)) {
        if (copy->state() != QProcess::NotRunning) {
            server = copy;
            continue;
        }
        QCOMPARE(copy->exitCode(), 0);
        QCOMPARE(copy->readAllStandardOutput().trimmed(), QByteArray("sent"));
    }
    QVERIFY(server);
    QByteArray log;
    QTRY_VERIFY_WITH_TIMEOUT((log += server->readAllStandardOutput()).count("received:hello") == 3, 5000);
    QVERIFY(log.startsWith("locked\nserving\n"));
}

void TestSingleInstance::crashedCopyLeavesNoStaleLock()
{
    QProcess *first = start();
    QVERIFY(waitForLine(first, "serving"));
    first->kill();  // no clean-up: the lock file and the socket stay behind
    QVERIFY(first->waitForFinished(5000));

    QProcess *next = start();
    QVERIFY2(waitForLine(next, "serving"), "a new copy must take over after a crash");

    QProcess *later = start(QStringLiteral("ShowMe"));
    QVERIFY(later->waitForFinished(10000));
    QCOMPARE(later->readAllStandardOutput().trimmed(), QByteArray("sent"));
    QVERIFY(waitForLine(next, "received:ShowMe"));
}

QString TestSingleInstance::probeKey() const
{
    // The user as the probe sees it (the same environment).
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    if (user.isEmpty())
        user = QDir::homePath();
    return SingleApplication::keyFor(m_probe, user);
}

void TestSingleInstance::lockWithoutLiveOwnerIsStale_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("garbage") << QByteArray("\x7f\x01garbage\n\n");
    QTest::newRow("no number") << QByteArray("abc\nsingleinstanceprobe\nlocalhost\n");
    // A process id far above any pid_max: no such process.
    QTest::newRow("dead pid") << QByteArray("2147480000\nsingleinstanceprobe\n") + QSysInfo::machineHostName().toUtf8() + "\n";
    // A live process of another program: this test.
    QTest::newRow("pid of another program")
        << QByteArray::number(QCoreApplication::applicationPid()) + "\nsingleinstanceprobe\n"
           + QSysInfo::machineHostName().toUtf8() + "\n";
}

void TestSingleInstance::lockWithoutLiveOwnerIsStale()
{
    QFETCH(QByteArray, content);
    QFile lock(QDir(m_runtime.path()).filePath(probeKey() + QStringLiteral(".lock")));
    QVERIFY(lock.open(QIODevice::WriteOnly));
    lock.write(content);
    lock.close();

    QProcess *first = start();
    QVERIFY2(waitForLine(first, "serving"), "a lock with no live owner must not stop the program");
    QProcess *later = start(QStringLiteral("ShowMe"));
    QVERIFY(later->waitForFinished(10000));
    QCOMPARE(later->readAllStandardOutput().trimmed(), QByteArray("sent"));
}

void TestSingleInstance::socketAndLockInPrivateFolder()
{
#ifdef Q_OS_UNIX
    // A socket an older build left in the shared folder must not count.
    const QString shared = QDir(QDir::tempPath()).filePath(probeKey());
    QFile::remove(shared);
    QProcess *first = start();
    QVERIFY(waitForLine(first, "serving"));
    // Both live in the user's private runtime folder, not in a folder where
    // any local user can compute and take the name first.
    const QString socket = QDir(m_runtime.path()).filePath(probeKey());
    QVERIFY2(QFileInfo::exists(socket), qPrintable(socket));
    QVERIFY(QFileInfo::exists(socket + QStringLiteral(".lock")));
    QVERIFY(!QFileInfo::exists(shared));
#else
    QSKIP("named pipes on Windows");
#endif
}

void TestSingleInstance::socketOfAnotherUserRefused()
{
#ifdef Q_OS_UNIX
    if (geteuid() != 0)
        QSKIP("only root can give a socket to another user");
    QProcess *first = start();
    QVERIFY(waitForLine(first, "serving"));
    const QString socket = QDir(m_runtime.path()).filePath(probeKey());
    QVERIFY(QFileInfo::exists(socket));
    // The socket now belongs to someone else: a later copy must not hand
    // its message to it.
    QCOMPARE(::chown(QFile::encodeName(socket).constData(), 65534, 65534), 0);
    QProcess *later = start(QStringLiteral("ShowMe"));
    QVERIFY(later->waitForFinished(10000));
    QCOMPARE(later->readAllStandardOutput().trimmed(), QByteArray("failed"));
#else
    QSKIP("named pipes on Windows");
#endif
}

// The running copy serves on the session bus when it has one and on the
// socket otherwise (no bus, or no desktop module); a later copy finds it
// on either, also while it is still starting, and the message arrives
// exactly once. Serving on the bus leaves Qt Network unloaded.
void TestSingleInstance::busOrSocketReachesTheRunningCopyOnce_data()
{
    QTest::addColumn<bool>("firstHasBus");
    QTest::addColumn<bool>("firstHasDesktopModule");
    QTest::addColumn<bool>("laterHasBus");
    QTest::addColumn<int>("late");
    QTest::addColumn<QByteArray>("via");
    QTest::newRow("both on the bus") << true << true << true << 0 << QByteArray("via bus");
    QTest::newRow("both on the bus, running copy late") << true << true << true << 900 << QByteArray("via bus");
    QTest::newRow("running copy without a bus") << false << true << true << 0 << QByteArray("via socket");
    QTest::newRow("running copy without a bus, late") << false << true << true << 900 << QByteArray("via socket");
    QTest::newRow("running copy without the desktop module")
            << true << false << true << 0 << QByteArray("via socket");
}

void TestSingleInstance::busOrSocketReachesTheRunningCopyOnce()
{
    QFETCH(bool, firstHasBus);
    QFETCH(bool, firstHasDesktopModule);
    QFETCH(bool, laterHasBus);
    QFETCH(int, late);
    QFETCH(QByteArray, via);
    if (m_busAddress.isEmpty())
        QSKIP("no dbus-daemon to stand in for the session bus");
    const QStringList noDesktopModule{QStringLiteral("--desktop-module"),
                                      m_runtime.filePath(QStringLiteral("none/AlmarikDesktop"))};

    QProcess *first = start(QString(), QStringList{QStringLiteral("--late"), QString::number(late)}
                                               + (firstHasDesktopModule ? QStringList() : noDesktopModule),
                            firstHasBus);
    QVERIFY(waitForLine(first, "locked"));
    // Sent while the first copy may still serve neither.
    QProcess *later = start(QStringLiteral("ShowMe"), {}, laterHasBus);
    QVERIFY(later->waitForFinished(10000));
    QCOMPARE(later->readAllStandardOutput().trimmed(), QByteArray("sent"));
    QVERIFY(waitForLine(first, "serving"));
    QVERIFY(waitForLine(first, via));
    QVERIFY(waitForLine(first, "received:ShowMe"));
#ifdef Q_OS_LINUX
    const QByteArray maps = [first] {
        QFile file(QStringLiteral("/proc/%1/maps").arg(first->processId()));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    QVERIFY(!maps.isEmpty());
    QCOMPARE(maps.contains("AlmarikInstance"), via == "via socket");
    if (via == "via bus")
        QVERIFY(!maps.contains("libQt5Network"));
#endif
    if (!firstHasDesktopModule)
        QVERIFY(first->readAllStandardError().contains("AlmarikDesktop cannot be used"));

    QProcess *quit = start(QStringLiteral("quit"), {}, laterHasBus);
    QVERIFY(quit->waitForFinished(10000));
    QVERIFY(first->waitForFinished(10000));
    m_seen[first] += first->readAllStandardOutput();
    QCOMPARE(m_seen[first].count("received:ShowMe"), 1);
}

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "test_singleinstance.moc"
