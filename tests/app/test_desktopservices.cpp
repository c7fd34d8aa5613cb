#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "app/dbusdesktopnotifier.h"
#include "app/desktopnotifier.h"
#include "app/systemresumewatcher.h"

namespace {

// The desktop's notification service on the test's own bus: records each
// Notify call and answers with an id of its own.
class FakeNotifications : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Call {
        QString appName;
        uint replacesId;
        QString title;
        QString body;
        int timeout;
    };
    QList<Call> calls;

public slots:
    uint Notify(const QString &appName, uint replacesId, const QString &, const QString &title,
                const QString &body, const QStringList &, const QVariantMap &, int timeout)
    {
        calls.append({appName, replacesId, title, body, timeout});
        return 40 + uint(calls.size());
    }
};

// Counts a bus signal as it reaches this process, beside the program's
// own receivers on the same connection.
class SignalCounter : public QObject
{
    Q_OBJECT
public:
    int seen = 0;
public slots:
    void count() { ++seen; }
};

} // namespace

// The program's D-Bus side through its module (AlmarikDesktop), as the
// program loads it, against a private bus daemon that stands in for both
// the session and the system bus: a notification goes out and its click
// comes back, logind's wake-up notice reaches the resume watch, and a
// missing module is logged and leaves the program without the service.
class TestDesktopServices : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void notifyCall();
    void notificationGoesOutAndItsClickComesBack();
    void wakeUpReachesTheResumeWatch();
    void missingModuleIsLogged_data();
    void missingModuleIsLogged();

private:
    void sendSignal(const QString &path, const QString &interface, const QString &name, const QVariantList &args);

    QProcess m_daemon;
    QDBusConnection m_service{QString()};
    FakeNotifications m_notifications;
    QTemporaryDir m_empty;
};

void TestDesktopServices::initTestCase()
{
    m_daemon.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
    if (!m_daemon.waitForStarted(5000))
        QSKIP("no dbus-daemon to stand in for the desktop's buses");
    QByteArray address;
    while (!address.contains('\n') && m_daemon.waitForReadyRead(5000))
        address += m_daemon.readAllStandardOutput();
    address = address.trimmed();
    QVERIFY(!address.isEmpty());
    // Read by the program's side when it first connects.
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", address);

    m_service = QDBusConnection::connectToBus(QString::fromLatin1(address), QStringLiteral("fake-services"));
    QVERIFY(m_service.isConnected());
    QVERIFY(m_service.registerService(QStringLiteral("org.freedesktop.Notifications")));
    QVERIFY(m_service.registerService(QStringLiteral("org.freedesktop.login1")));
    QVERIFY(m_service.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &m_notifications,
                                     QDBusConnection::ExportAllSlots));
}

void TestDesktopServices::cleanupTestCase()
{
    if (m_daemon.state() != QProcess::NotRunning) {
        m_daemon.kill();
        m_daemon.waitForFinished(5000);
    }
}

void TestDesktopServices::sendSignal(const QString &path, const QString &interface, const QString &name,
                                     const QVariantList &args)
{
    QDBusMessage signal = QDBusMessage::createSignal(path, interface, name);
    signal.setArguments(args);
    QVERIFY(m_service.send(signal));
}

void TestDesktopServices::notifyCall()
{
    const QDBusMessage call = DBusDesktopNotifier::notifyCall(QStringLiteral("App"), 7, QStringLiteral("Waktu Zohor"),
                                                              QStringLiteral("body"), 15000);
    QCOMPARE(call.service(), QStringLiteral("org.freedesktop.Notifications"));
    QCOMPARE(call.path(), QStringLiteral("/org/freedesktop/Notifications"));
    QCOMPARE(call.member(), QStringLiteral("Notify"));
    const QList<QVariant> args = call.arguments();
    QCOMPARE(args.size(), 8);
    QCOMPARE(args.at(0).toString(), QStringLiteral("App"));
    QCOMPARE(args.at(1).toUInt(), 7u);
    QCOMPARE(args.at(3).toString(), QStringLiteral("Waktu Zohor"));
    QCOMPARE(args.at(4).toString(), QStringLiteral("body"));
    QCOMPARE(args.at(5).toStringList(), (QStringList{QStringLiteral("default"), QString()}));
    QCOMPARE(args.at(7).toInt(), 15000);
    // "Forever" keeps the notification until it is dismissed (0 in the
    // protocol), never the other way round.
    QCOMPARE(DBusDesktopNotifier::notifyCall(QString(), 0, QString(), QString(), 2147483647).arguments().at(7).toInt(), 0);
    QVERIFY(DBusDesktopNotifier::notifyCall(QString(), 0, QString(), QString(), 1).arguments().at(7).toInt() > 0);
}

void TestDesktopServices::notificationGoesOutAndItsClickComesBack()
{
    DesktopNotifier notifier;
    int clicks = 0;
    notifier.activated = [&clicks] { ++clicks; };
    QVERIFY(!notifier.isLoaded());

    QVERIFY(notifier.show(QStringLiteral("Zohor"), QStringLiteral("It is time for Zohor"), 15000));
    QVERIFY2(notifier.isLoaded(), qPrintable(notifier.loadError()));
    QTRY_COMPARE_WITH_TIMEOUT(m_notifications.calls.size(), 1, 15000);
    QCOMPARE(m_notifications.calls.at(0).appName, QStringLiteral("Almarik Zenhar"));
    QCOMPARE(m_notifications.calls.at(0).title, QStringLiteral("Zohor"));
    QCOMPARE(m_notifications.calls.at(0).body, QStringLiteral("It is time for Zohor"));
    QCOMPARE(m_notifications.calls.at(0).timeout, 15000);
    QCOMPARE(m_notifications.calls.at(0).replacesId, 0u);

    // The service numbered it 41: only a click on that one is ours.
    QTRY_VERIFY_WITH_TIMEOUT(static_cast<DBusDesktopNotifier *>(notifier.backEnd())->lastId() == 41, 15000);

    const QString path = QStringLiteral("/org/freedesktop/Notifications");
    const QString interface = QStringLiteral("org.freedesktop.Notifications");
    SignalCounter delivered;
    QVERIFY(QDBusConnection::sessionBus().connect(interface, path, interface, QStringLiteral("ActionInvoked"),
                                                  &delivered, SLOT(count())));
    sendSignal(path, interface, QStringLiteral("ActionInvoked"), {7u, QStringLiteral("default")});
    sendSignal(path, interface, QStringLiteral("ActionInvoked"), {41u, QStringLiteral("default")});
    QTRY_COMPARE_WITH_TIMEOUT(delivered.seen, 2, 15000);
    // Another program's click is not taken for ours.
    QCOMPARE(clicks, 1);
}

void TestDesktopServices::wakeUpReachesTheResumeWatch()
{
    SystemResumeWatcher watcher;
    QSignalSpy resumed(&watcher, &ResumeWatcher::resumed);
    QVERIFY(!watcher.isWatching());
    QVERIFY(watcher.start());
    QVERIFY(watcher.isWatching());

    // Going to sleep is not a resume; waking up is, once each time.
    const QString path = QStringLiteral("/org/freedesktop/login1");
    const QString interface = QStringLiteral("org.freedesktop.login1.Manager");
    sendSignal(path, interface, QStringLiteral("PrepareForSleep"), {true});
    sendSignal(path, interface, QStringLiteral("PrepareForSleep"), {false});
    QTRY_COMPARE_WITH_TIMEOUT(resumed.count(), 1, 15000);
    sendSignal(path, interface, QStringLiteral("PrepareForSleep"), {true});
    sendSignal(path, interface, QStringLiteral("PrepareForSleep"), {false});
    QTRY_COMPARE_WITH_TIMEOUT(resumed.count(), 2, 15000);
}

void TestDesktopServices::missingModuleIsLogged_data()
{
    QTest::addColumn<QString>("service");
    QTest::addColumn<QString>("warning");
    QTest::newRow("notifier") << "notifier" << "Cannot show Zohor - no desktop module";
    QTest::newRow("resume watch") << "resume watch" << "resume from suspend is not watched: no desktop module";
}

// A broken installation without the module: the service is missing,
// which is logged with the loader's reason, and nothing else breaks.
void TestDesktopServices::missingModuleIsLogged()
{
    QFETCH(QString, service);
    QFETCH(QString, warning);
    const QString missing = m_empty.filePath(QStringLiteral("AlmarikDesktop"));
    const int calls = m_notifications.calls.size();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("AlmarikDesktop cannot be used: .+")));
    QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
    if (service == QLatin1String("notifier")) {
        DesktopNotifier notifier(missing);
        QVERIFY(!notifier.show(QStringLiteral("Zohor"), QStringLiteral("It is time for Zohor"), 15000));
        QVERIFY(!notifier.isLoaded());
        QVERIFY(!notifier.loadError().isEmpty());
        // Loaded once, not at every message.
        QTest::ignoreMessage(QtWarningMsg, "Cannot show Asar - no desktop module");
        QVERIFY(!notifier.show(QStringLiteral("Asar"), QStringLiteral("It is time for Asar"), 15000));
    } else {
        SystemResumeWatcher watcher(missing);
        QVERIFY(!watcher.start());
        QVERIFY(!watcher.isWatching());
    }
    QCOMPARE(m_notifications.calls.size(), calls);
}

QTEST_GUILESS_MAIN(TestDesktopServices)
#include "test_desktopservices.moc"
