#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

// Starts the real program, headless, with a private home, data, config and
// runtime folder for every case, so no real user's file is touched.
class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void secondStartShowsTheRunningCopy_data();
    void secondStartShowsTheRunningCopy();
    void unreadableSettingsAreReplacedByDefaults_data();
    void unreadableSettingsAreReplacedByDefaults();
    void startsWithMissingOrBrokenPlugins_data();
    void startsWithMissingOrBrokenPlugins();

private:
    QProcess *start(const QString &program, const QStringList &arguments = {});
    bool waitForLog(QProcess *process, const QString &text, int timeout = 15000);
    QString configFile(const QString &programName = QStringLiteral("AlmarikZenhar")) const;

    QTemporaryDir *m_home = nullptr;
    QList<QProcess *> m_processes;
    QHash<QProcess *, QString> m_logs;
};

void TestStartup::init()
{
    m_home = new QTemporaryDir;
    QVERIFY(m_home->isValid());
    for (const char *sub : {"data", "config", "runtime"})
        QVERIFY(QDir(m_home->path()).mkpath(QString::fromLatin1(sub)));
    QFile::setPermissions(m_home->filePath(QStringLiteral("runtime")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

void TestStartup::cleanup()
{
    for (QProcess *process : qAsConst(m_processes)) {
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(5000);
        }
        delete process;
    }
    m_processes.clear();
    m_logs.clear();
    delete m_home;
    m_home = nullptr;
}

QProcess *TestStartup::start(const QString &program, const QStringList &arguments)
{
    auto *process = new QProcess;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), m_home->path());
    env.insert(QStringLiteral("XDG_DATA_HOME"), m_home->filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home->filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home->filePath(QStringLiteral("runtime")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // The program's own categories tell when it is up and when another
    // start reached it.
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("almarik.*.debug=true"));
    env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    process->setProcessEnvironment(env);
    process->start(program, arguments);
    m_processes.append(process);
    return process;
}

bool TestStartup::waitForLog(QProcess *process, const QString &text, int timeout)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeout) {
        m_logs[process] += QString::fromLocal8Bit(process->readAllStandardError());
        if (m_logs[process].contains(text))
            return true;
        if (process->state() == QProcess::NotRunning)
            return false;
        process->waitForReadyRead(100);
    }
    return false;
}

QString TestStartup::configFile(const QString &programName) const
{
    return m_home->filePath(QStringLiteral("data/") + programName + QStringLiteral("/App.cnf"));
}

static QString programPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/AlmarikZenhar");
}

void TestStartup::secondStartShowsTheRunningCopy_data()
{
    QTest::addColumn<QStringList>("firstArguments");
    QTest::addColumn<QStringList>("secondArguments");
    QTest::newRow("plain") << QStringList() << QStringList();
    QTest::newRow("first minimized") << QStringList{QStringLiteral("/minimized")} << QStringList();
    QTest::newRow("second minimized, any case")
            << QStringList{QStringLiteral("/MINIMIZED")} << QStringList{QStringLiteral("/Minimized")};
}

void TestStartup::secondStartShowsTheRunningCopy()
{
    QFETCH(QStringList, firstArguments);
    QFETCH(QStringList, secondArguments);

    QProcess *first = start(programPath(), firstArguments);
    QVERIFY2(waitForLog(first, QStringLiteral("Build time:")), qPrintable(m_logs.value(first)));

    QProcess *second = start(programPath(), secondArguments);
    QVERIFY(second->waitForFinished(20000));
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);

    // The running copy was asked to show itself, and is still the one.
    QVERIFY2(waitForLog(first, QStringLiteral("asked to show the window")), qPrintable(m_logs.value(first)));
    QCOMPARE(first->state(), QProcess::Running);
}

void TestStartup::unreadableSettingsAreReplacedByDefaults_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("odd-length hex") << QByteArray("0123456789ABCDEF0");
    QTest::newRow("not hex") << QByteArray("this is not a settings file at all, just words");
    QTest::newRow("wrong pad") << QByteArray(64, 'A');
    QTest::newRow("10 MB") << QByteArray(10 * 1024 * 1024, 'F');
}

void TestStartup::unreadableSettingsAreReplacedByDefaults()
{
    QFETCH(QByteArray, content);
    QVERIFY(QDir().mkpath(QFileInfo(configFile()).path()));
    QFile junk(configFile());
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write(content);
    junk.close();

    QProcess *program = start(programPath(), {QStringLiteral("/minimized")});
    QVERIFY2(waitForLog(program, QStringLiteral("Build time:")), qPrintable(m_logs.value(program)));
    QCOMPARE(program->state(), QProcess::Running);

    QFile written(configFile());
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray hex = written.readAll();
    QVERIFY(hex != content);
    QVERIFY(hex.size() > 0 && hex.size() % 32 == 0);
    QVERIFY(QRegularExpression(QStringLiteral("^[0-9A-F]+$")).match(QString::fromLatin1(hex)).hasMatch());
}

void TestStartup::startsWithMissingOrBrokenPlugins_data()
{
    QTest::addColumn<QString>("pluginName");
    QTest::addColumn<QString>("standIn");
    QTest::newRow("no plug-ins") << QString() << QString();
    QTest::newRow("not a library") << QStringLiteral("AlmarikData.so") << QStringLiteral("junk");
    QTest::newRow("library without getApi") << QStringLiteral("Geolvin.so") << QStringLiteral("library");
    // An update cut short, and a plug-in of another kind under the name.
    QTest::newRow("truncated plug-in") << QStringLiteral("AlmarikData.so") << QStringLiteral("truncated");
    QTest::newRow("other plug-in under the name") << QStringLiteral("AlmarikData.so") << QStringLiteral("Geolvin.so");
}

void TestStartup::startsWithMissingOrBrokenPlugins()
{
    QFETCH(QString, pluginName);
    QFETCH(QString, standIn);

    // A copy of the program in a folder of its own, without the plug-ins
    // that are built beside it.
    const QString folder = m_home->filePath(QStringLiteral("bare"));
    QVERIFY(QDir().mkpath(folder));
    const QString program = folder + QStringLiteral("/AlmarikZenhar");
    QVERIFY(QFile::copy(programPath(), program));
    if (standIn == QLatin1String("junk")) {
        QFile file(folder + QLatin1Char('/') + pluginName);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("MZ this is not a shared library");
    } else if (standIn == QLatin1String("library")) {
        // Any real shared library that does not export getApi.
        QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/libnogetapi.so"),
                            folder + QLatin1Char('/') + pluginName));
    } else if (standIn == QLatin1String("truncated")) {
        QFile whole(QCoreApplication::applicationDirPath() + QLatin1Char('/') + pluginName);
        QVERIFY(whole.open(QIODevice::ReadOnly));
        const QByteArray bytes = whole.readAll();
        QFile cut(folder + QLatin1Char('/') + pluginName);
        QVERIFY(cut.open(QIODevice::WriteOnly));
        cut.write(bytes.left(bytes.size() / 2));
    } else if (!standIn.isEmpty()) {
        QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + QLatin1Char('/') + standIn,
                            folder + QLatin1Char('/') + pluginName));
    }

    QProcess *process = start(program, {QStringLiteral("/minimized")});
    QVERIFY2(waitForLog(process, QStringLiteral("Build time:")), qPrintable(m_logs.value(process)));
    QCOMPARE(process->state(), QProcess::Running);
    QVERIFY(!m_logs.value(process).contains(QStringLiteral("Almarik data version:")));
    QVERIFY(!m_logs.value(process).contains(QStringLiteral("Map data version:")));
    QVERIFY(!m_logs.value(process).contains(QStringLiteral("Ventabis data version:")));
    QVERIFY(QFile::exists(configFile()));
}

QTEST_GUILESS_MAIN(TestStartup)
#include "test_startup.moc"
