// The settings model: changes announced and coalesced into one write,
// pending writes flushed on quit, failures told once, the auto-start entry
// left alone unless its setting changes; and a save killed at random
// moments never leaves a torn file or, after the next start, a temporary.

#include "core/appconfig.h"
#include "core/autostart.h"
#include "core/configsaver.h"
#include "core/configstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

class TestConfigSaver : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void burstIsOneWriteAfterTheDelay();
    void flushWritesAtOnce();
    void quitWritesPendingChange();
    void failedSaveToldOnceAndRetried();
    void autoStartFollowsOnlyItsSetting();
    void killDuringSaveNeverTearsTheFile();

private:
    static AppConfig onDisk();
    QString dataDirectory() const { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }

    QTemporaryDir m_home;
};

void TestConfigSaver::initTestCase()
{
    QVERIFY(m_home.isValid());
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.path() + "/config"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.path() + "/data"));
    QStandardPaths::setTestModeEnabled(true);
}

void TestConfigSaver::init()
{
    const QString data = dataDirectory();
    if (QFileInfo(data).isDir()) {
        QFile::setPermissions(data, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(QDir(data).removeRecursively());
    }
    QFile::remove(AutoStart::desktopEntryPath());
    ConfigStore::applyAutoStart(false, true);
}

AppConfig TestConfigSaver::onDisk()
{
    AppConfig record;
    record.zone = QStringLiteral("not on disk");
    ConfigStore::load(record);
    return record;
}

void TestConfigSaver::burstIsOneWriteAfterTheDelay()
{
    AppConfig config;
    ConfigSaver saver(config);
    saver.initialise();
    QSignalSpy changed(&saver, &ConfigSaver::changed);
    QSignalSpy saved(&saver, &ConfigSaver::saved);
    const QByteArray before = [&] {
        QFile file(ConfigStore::configFilePath(false));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    QVERIFY(!before.isEmpty());

    for (int value = 1; value <= 50; ++value) {
        config.prayer[Zohor].audioVolume = value;
        QVERIFY(config.save());
    }
    QCOMPARE(changed.count(), 50);
    QVERIFY(saver.isPending());
    QCOMPARE(saved.count(), 0);
    QCOMPARE(onDisk().prayer[Zohor].audioVolume, 80);   // not yet

    QVERIFY(saved.wait(10 * ConfigSaver::DelayMs));
    QCOMPARE(saved.count(), 1);
    QCOMPARE(onDisk().prayer[Zohor].audioVolume, 50);
    // Nothing more is written afterwards.
    QTest::qWait(2 * ConfigSaver::DelayMs);
    QCOMPARE(saved.count(), 1);
    QCOMPARE(saver.writeCount(), 1);
}

void TestConfigSaver::flushWritesAtOnce()
{
    AppConfig config;
    ConfigSaver saver(config);
    saver.initialise();
    config.zone = QStringLiteral("Ipoh");
    config.save();
    QCOMPARE(onDisk().zone, QStringLiteral("Kuala Lumpur"));
    QVERIFY(config.flush());
    QCOMPARE(onDisk().zone, QStringLiteral("Ipoh"));
    QVERIFY(!saver.isPending());
    QCOMPARE(saver.writeCount(), 1);

    // A saver that goes away writes what is pending.
    {
        ConfigSaver other(config);
        config.zone = QStringLiteral("Miri");
        config.save();
    }
    QCOMPARE(onDisk().zone, QStringLiteral("Miri"));
    QVERIFY(!config.saver());
}

void TestConfigSaver::quitWritesPendingChange()
{
    AppConfig config;
    ConfigSaver saver(config);
    saver.initialise();
    config.prayer[Asar].audioVolume = 17;
    config.save();
    // Quit before the delay is up: the change is on disk when the event
    // loop has ended.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
    QCOMPARE(onDisk().prayer[Asar].audioVolume, 17);
    QVERIFY(!saver.isPending());
}

void TestConfigSaver::failedSaveToldOnceAndRetried()
{
    AppConfig config;
    ConfigSaver saver(config);
    saver.initialise();
    QSignalSpy failed(&saver, &ConfigSaver::saveFailed);
    QSignalSpy recovered(&saver, &ConfigSaver::saveRecovered);

    // The folder's place is taken by a file: nothing can be written there,
    // whoever runs the test.
    const QString data = dataDirectory();
    QVERIFY(QDir(data).removeRecursively());
    QFile blocker(data);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    for (int i = 0; i < 3; ++i) {
        config.prayer[Isyak].audioVolume = 10 + i;
        config.save();
        QVERIFY(!config.flush());
    }
    QCOMPARE(failed.count(), 1);   // told once, not at every change
    QVERIFY(!failed.first().first().toString().isEmpty());
    QVERIFY(!saver.saveError().isEmpty());
    QCOMPARE(saver.writeCount(), 3);   // each change tried again

    QVERIFY(QFile::remove(data));
    config.prayer[Isyak].audioVolume = 42;
    config.save();
    QVERIFY(config.flush());
    QCOMPARE(recovered.count(), 1);
    QVERIFY(saver.saveError().isEmpty());
    QCOMPARE(onDisk().prayer[Isyak].audioVolume, 42);
}

void TestConfigSaver::autoStartFollowsOnlyItsSetting()
{
    const QString entry = AutoStart::desktopEntryPath();
    AppConfig config;
    config.autoStart = true;
    ConfigSaver saver(config);
    saver.initialise();
    QVERIFY(QFileInfo(entry).isFile());

    // Removed behind the program's back: other changes do not rewrite it.
    QVERIFY(QFile::remove(entry));
    for (int value = 0; value < 20; ++value) {
        config.prayer[Subuh].audioVolume = value;
        config.save();
        QVERIFY(config.flush());
    }
    QVERIFY(!QFileInfo::exists(entry));

    // Nor does a start when the entry already says the same.
    QVERIFY(AutoStart::apply(true, QCoreApplication::applicationFilePath()));
    const QDateTime written = QDateTime::currentDateTime().addSecs(-3600);
    {
        QFile file(entry);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(written, QFileDevice::FileModificationTime));
    }
    AppConfig restarted;
    ConfigStore::initialise(restarted);
    QCOMPARE(QFileInfo(entry).lastModified().toSecsSinceEpoch(), written.toSecsSinceEpoch());

    // A change of the setting does.
    config.autoStart = false;
    config.save();
    QVERIFY(config.flush());
    QVERIFY(!QFileInfo::exists(entry));
    config.autoStart = true;
    config.save();
    QVERIFY(config.flush());
    QVERIFY(QFileInfo(entry).isFile());
}

void TestConfigSaver::killDuringSaveNeverTearsTheFile()
{
#ifdef Q_OS_UNIX
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/configsaveloop");
    QVERIFY2(QFileInfo::exists(program), qPrintable(program));
    const QString path = ConfigStore::configFilePath(true);
    const int kills = qEnvironmentVariableIntValue("ALMARIK_KILL_ROUNDS") > 0
        ? qEnvironmentVariableIntValue("ALMARIK_KILL_ROUNDS") : 300;
    QElapsedTimer clock;
    clock.start();
    int rounds = 0;
    int torn = 0;
    for (; rounds < kills && clock.elapsed() < 60000; ++rounds) {
        QProcess child;
        child.start(program, {QCoreApplication::applicationName()});
        QVERIFY(child.waitForStarted(5000));
        QVERIFY(child.waitForReadyRead(5000));
        QThread::usleep(QRandomGenerator::global()->bounded(20000));
        child.kill();
        QVERIFY(child.waitForFinished(5000));
        AppConfig record;
        if (ConfigStore::loadFile(record) != ConfigStore::LoadStatus::Loaded)
            ++torn;
    }
    const QDir dir(QFileInfo(path).absolutePath());
    const QStringList left = dir.entryList(QDir::Files | QDir::Hidden);
    qInfo("%d kills in %lld ms, %d torn, %d temporaries left behind", rounds,
          clock.elapsed(), torn, int(left.size() - 1));
    QCOMPARE(torn, 0);
    QVERIFY(rounds >= 50);

    // Whatever temporaries the kills left are gone after the next start
    // (they are aged first: a young one may be a save under way).
    for (const QString &name : left) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
    }
    AppConfig started;
    QCOMPARE(ConfigStore::initialise(started).status, ConfigStore::LoadStatus::Loaded);
    QCOMPARE(dir.entryList(QDir::Files | QDir::Hidden), QStringList(QStringLiteral("App.cnf")));
#else
    QSKIP("needs kill -9");
#endif
}

QTEST_GUILESS_MAIN(TestConfigSaver)
#include "test_configsaver.moc"
