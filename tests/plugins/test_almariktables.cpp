// The almarik-tables command against the built plug-in and the sources.

#include <cmath>

#include <QProcess>
#include <QRegularExpression>
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
    void monthSlices_data();
    void monthSlices();
    void outFileNeverReplacedUnasked();
    void qibla_data();
    void qibla();
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
    QTest::newRow("month outside the table") << QStringList({"--zone", "WLY01", "--month", "2031-01"}) << 3;
    QTest::newRow("month not YYYY-MM") << QStringList({"--zone", "WLY01", "--month", "March"}) << 2;
    QTest::newRow("months the wrong way round")
            << QStringList({"--zone", "WLY01", "--from", "2027-02", "--to", "2026-03"}) << 2;
    QTest::newRow("unknown format") << QStringList({"--zone", "WLY01", "--format", "xlsx"}) << 2;
    QTest::newRow("unknown prayer") << QStringList({"--zone", "WLY01", "--ics", "--prayers", "subuh,dinner"}) << 2;
    QTest::newRow("alarm without ics") << QStringList({"--zone", "WLY01", "--alarm", "10"}) << 2;
    QTest::newRow("negative alarm") << QStringList({"--zone", "WLY01", "--ics", "--alarm", "-5"}) << 2;
    QTest::newRow("unknown place for the Qibla") << QStringList({"--qibla", "Atlantis"}) << 3;
    QTest::newRow("Qibla date not ISO") << QStringList({"--qibla", "Kuala Lumpur", "--date", "28/05/2026"}) << 2;
}

void TestAlmarikTables::monthSlices_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::newRow("one month") << QStringList({"--month", "2026-02"}) << "2026-02-01" << "2026-02-28";
    QTest::newRow("one year") << QStringList({"--year", "2027"}) << "2027-01-01" << "2027-12-31";
    QTest::newRow("across the new year") << QStringList({"--from", "2026-11", "--to", "2027-01"})
                                         << "2026-11-01" << "2027-01-31";
    QTest::newRow("from a month on") << QStringList({"--from", "2027-12"}) << "2027-12-01" << "2027-12-31";
    QTest::newRow("csv asked for by name") << QStringList({"--format", "csv", "--month", "2026-03"})
                                           << "2026-03-01" << "2026-03-31";
}

void TestAlmarikTables::monthSlices()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, first);
    QFETCH(QString, last);
    // A slice is the full table's header and exactly its rows of those days.
    QStringList full;
    QCOMPARE(run({QStringLiteral("--zone"), QStringLiteral("SGR01")}, &full), 0);
    QStringList expected{full.first()};
    for (const QString &line : full.mid(1)) {
        const QString date = line.left(10);
        if (date >= first && date <= last)
            expected << line;
    }
    QStringList lines;
    QCOMPARE(run(QStringList({QStringLiteral("--zone"), QStringLiteral("SGR01")}) + arguments, &lines), 0);
    QCOMPARE(lines, expected);
    QCOMPARE(lines.at(1).left(10), first);
    QCOMPARE(lines.last().left(10), last);
}

void TestAlmarikTables::outFileNeverReplacedUnasked()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("march.csv"));
    const QStringList march{QStringLiteral("--zone"), QStringLiteral("WLY01"), QStringLiteral("--month"),
                            QStringLiteral("2026-03"), QStringLiteral("--out"), path};
    QStringList lines;
    QString errors;
    QCOMPARE(run(march, &lines, &errors), 0);
    QVERIFY(lines.isEmpty());
    QVERIFY2(errors.contains(QStringLiteral("wrote ") + QFileInfo(path).absoluteFilePath()), qPrintable(errors));
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray marchText = written.readAll();
    written.close();
    QCOMPARE(marchText.count('\n'), 1 + 31);

    // Another month to the same name: refused, the file stays as it was.
    QStringList april = march;
    april[3] = QStringLiteral("2026-04");
    QCOMPARE(run(april, &lines, &errors), 4);
    QVERIFY2(errors.contains(QStringLiteral("--force")), qPrintable(errors));
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), marchText);
    written.close();

    // With --force it is replaced.
    QCOMPARE(run(april + QStringList{QStringLiteral("--force")}, &lines, &errors), 0);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QByteArray aprilText = written.readAll();
    QCOMPARE(aprilText.count('\n'), 1 + 30);
    QVERIFY(aprilText.contains("\n2026-04-30,"));
}

void TestAlmarikTables::qibla_data()
{
    QTest::addColumn<QString>("place");
    QTest::addColumn<QString>("date");
    QTest::addColumn<bool>("towards");
    QTest::addColumn<bool>("away");
    // On the overhead day the sun stands over the Kaaba at 12:18 in Makkah,
    // 17:18 in Kuala Lumpur: there the shadow falls straight from the Qibla.
    QTest::newRow("Kuala Lumpur, Kaaba overhead") << "Kuala Lumpur" << "2026-05-28" << true << false;
    QTest::newRow("London, midwinter: none") << "London" << "2026-12-21" << false << false;
    QTest::newRow("London, midsummer: both") << "London" << "2026-06-21" << true << true;
}

void TestAlmarikTables::qibla()
{
    QFETCH(QString, place);
    QFETCH(QString, date);
    QFETCH(bool, towards);
    QFETCH(bool, away);

    QStringList catalogue;
    QCOMPARE(run({QStringLiteral("--list")}, &catalogue), 0);
    const QStringList row = catalogue.filter(QLatin1Char(',') + place + QLatin1Char(',')).first().split(QLatin1Char(','));
    const double lat = row.at(3).toDouble() * M_PI / 180;
    const double lon = row.at(4).toDouble() * M_PI / 180;
    const double kLat = 21.4225 * M_PI / 180;
    const double kLon = 39.8262 * M_PI / 180;
    // Spherical law of cosines for the distance; the bearing from the
    // four-part formula cot(B) = (cos a tan b - sin a cos C) / sin C.
    const double distance = 6371.0088 * std::acos(std::sin(lat) * std::sin(kLat)
                                                  + std::cos(lat) * std::cos(kLat) * std::cos(kLon - lon));
    const double c = kLon - lon;
    double bearing = std::atan2(std::sin(c), std::cos(lat) * std::tan(kLat) - std::sin(lat) * std::cos(c)) * 180 / M_PI;
    if (bearing < 0)
        bearing += 360;

    QStringList lines;
    QCOMPARE(run({QStringLiteral("--qibla"), place, QStringLiteral("--date"), date}, &lines), 0);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.first(), QStringLiteral("bearing_deg,distance_km,shadow_towards,shadow_away"));
    const QStringList fields = lines.at(1).split(QLatin1Char(','));
    QCOMPARE(fields.size(), 4);
    QVERIFY2(std::fabs(fields.at(0).toDouble() - bearing) <= 0.005, qPrintable(lines.at(1)));
    QVERIFY2(std::fabs(fields.at(1).toDouble() - distance) <= 0.05, qPrintable(lines.at(1)));
    QCOMPARE(!fields.at(2).isEmpty(), towards);
    QCOMPARE(!fields.at(3).isEmpty(), away);
    const QRegularExpression hhmm(QStringLiteral("^(\\d\\d:\\d\\d( |$))*$"));
    QVERIFY(hhmm.match(fields.at(2)).hasMatch());
    QVERIFY(hhmm.match(fields.at(3)).hasMatch());
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
