// The almarik-tables command against the built plug-in and the sources.

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "core/pluginbinder.h"
#include "testcsv.h"

class TestAlmarikTables : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void zoneTable();
    void catalogue();
    void titles();
    void range();
    void failures_data();
    void failures();

private:
    // Runs the command; returns its exit code and fills the output lines.
    int run(const QStringList &arguments, QStringList *lines = nullptr, QString *errors = nullptr);
    QString m_program;
};

void TestAlmarikTables::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    m_program = QCoreApplication::applicationDirPath() + QStringLiteral("/almarik-tables");
#ifdef Q_OS_WIN
    m_program += QStringLiteral(".exe");
#endif
    QVERIFY2(QFile::exists(m_program), qPrintable(m_program));
}

int TestAlmarikTables::run(const QStringList &arguments, QStringList *lines, QString *errors)
{
    QProcess process;
    // The tool's own messages only, not the plug-in loader's log.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("almarik.*=false"));
    process.setProcessEnvironment(environment);
    process.start(m_program, arguments);
    if (!process.waitForFinished(60000))
        return -1;
    if (lines)
        *lines = QString::fromUtf8(process.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (errors)
        *errors = QString::fromUtf8(process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

void TestAlmarikTables::zoneTable()
{
    QStringList lines;
    QCOMPARE(run({QStringLiteral("--zone"), QStringLiteral("SBH08")}, &lines), 0);
    QCOMPARE(lines.size(), 1 + 730);
    QCOMPARE(lines.first(), QStringLiteral(
        "date,imsak,subuh,syuruk,duha,zohor,asar,maghrib,isyak,hijri_day,hijri_month,hijri_year"));

    // Each 2026 row is the published one, with the mended Imsak of 3 April.
    TestCsv published;
    QVERIFY(published.read(QStringLiteral(ALMARIK_TEST_DATA_DIR "/jakim/prayer_times_2026.csv")));
    QStringList expected;
    for (int row = 0; row < published.rowCount(); ++row) {
        if (published.value(row, QStringLiteral("zone")) != QLatin1String("SBH08"))
            continue;
        QStringList fields;
        for (const char *column : {"date", "imsak", "subuh", "syuruk", "dhuha", "zohor", "asar", "maghrib", "isyak"})
            fields << published.value(row, QLatin1String(column));
        if (fields.first() == QLatin1String("2026-04-03"))
            fields[1] = QStringLiteral("04:54");  // Subuh 05:04 - 10
        expected << fields.join(QLatin1Char(','));
    }
    QCOMPARE(expected.size(), 365);
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(lines.at(1 + i).section(QLatin1Char(','), 0, 8), expected.at(i));
    QCOMPARE(lines.at(1).section(QLatin1Char(','), 9), QStringLiteral("11,Rejab,1447"));
    QVERIFY(lines.last().startsWith(QStringLiteral("2027-12-31,")));
}

void TestAlmarikTables::catalogue()
{
    QStringList lines;
    QCOMPARE(run({QStringLiteral("--list")}, &lines), 0);
    QCOMPARE(lines.size(), 1 + 263);
    QCOMPARE(lines.first(), QStringLiteral("order,name,zone,latitude,longitude,source,source_url"));
    QVERIFY(lines.contains(QStringLiteral(
        "36,Kuala Lumpur,WLY01,3.131920,101.684059,e-Solat JAKIM,"
        "https://www.e-solat.gov.my/index.php?r=esolatApi/takwimsolat&period=year&zone=WLY01")));
    QVERIFY(lines.contains(QStringLiteral("26,\"Gua Musang (Galas, Bertam)\",KTN02,4.884410,101.968570,e-Solat JAKIM,"
        "https://www.e-solat.gov.my/index.php?r=esolatApi/takwimsolat&period=year&zone=KTN02")));
    // Both "Terusan" items resolve to the Sabah place, as in the program.
    QCOMPARE(lines.filter(QStringLiteral(",Terusan,SBH02,")).size(), 2);
    QVERIFY(lines.last().startsWith(QStringLiteral("263,Woking,Woking,51.319030,-0.558930,IslamicFinder,")));
}

void TestAlmarikTables::titles()
{
    QStringList lines;
    QCOMPARE(run({QStringLiteral("--titles")}, &lines), 0);
    QCOMPARE(lines.size(), 1 + 13 * 12);
    QCOMPARE(lines.at(1), QStringLiteral("2015,1,Rabiul Awal - Rabiul Akhir 1436"));
    QVERIFY(lines.contains(QStringLiteral("2016,11,Safar 1438")));
    QVERIFY(lines.last().startsWith(QStringLiteral("2027,12,")));
}

void TestAlmarikTables::range()
{
    QStringList lines;
    const QString plugin = PluginBinder::pluginFilePath(QStringLiteral("AlmarikData"));
    QCOMPARE(run({QStringLiteral("--plugin"), plugin, QStringLiteral("--range")}, &lines), 0);
    QCOMPARE(lines, QStringList({"first_year,first_month,last_year,last_month", "2026,1,2027,12"}));
}

void TestAlmarikTables::failures_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("no action") << QStringList() << 2;
    QTest::newRow("two actions") << QStringList({"--list", "--range"}) << 2;
    QTest::newRow("unknown zone") << QStringList({"--zone", "XYZ01"}) << 3;
    QTest::newRow("missing plug-in") << QStringList({"--plugin", "/nonexistent/AlmarikData.so", "--range"}) << 1;
}

void TestAlmarikTables::failures()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QStringList lines;
    QString errors;
    QCOMPARE(run(arguments, &lines, &errors), exitCode);
    QVERIFY(lines.isEmpty());
    QVERIFY(errors.startsWith(QStringLiteral("almarik-tables: ")));
}

QTEST_GUILESS_MAIN(TestAlmarikTables)
#include "test_almariktables.moc"
