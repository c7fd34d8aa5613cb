// AlmarikManager with the real timetable plug-in, with stand-ins for the
// cases the shipped data does not have, and without any plug-in.

#include <algorithm>

#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "core/almarikmanager.h"
#include "core/pluginbinder.h"
#include "testcsv.h"

Q_DECLARE_METATYPE(DataProvenance::Kind)

namespace {
QString pluginFileName()
{
    return QFileInfo(PluginBinder::pluginFilePath(QStringLiteral("AlmarikData"))).fileName();
}

int itemCount(const LocationNode &group)
{
    int count = 0;
    for (const LocationNode &child : group.children)
        count += child.isItem ? 1 : itemCount(child);
    return count;
}
}

class TestAlmarikManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    // With the shipped plug-in
    void bindsAtConstruction();
    void defaultLocation();
    void emptyNameWithoutDefaultKeepsZone();
    void unknownNameKeepsZone();
    void zoneChangeReloadsDays();
    void zoneReadAhead_data();
    void zoneReadAhead();
    void timesOfDay();
    void timesOfDayOutsideTheTable();
    void timesOfMonth();
    void timesOfMonthClearsOut();
    void dayOfWeek();
    void zoneDetails();
    void dateRangeTreeAndTitles();
    void sourceOfADay_data();
    void sourceOfADay();
    void pluginWithoutProvenance();

    // With stand-ins
    void zoneWithoutTable();
    void daysInAnyOrder_data();
    void daysInAnyOrder();
    void treeThatIsNotXml();
    void withoutPlugin_data();
    void withoutPlugin();

private:
    void bindFrom(const QString &directory) { PluginBinder::setPluginDirectory(directory); }
    TestCsv m_published;
};

void TestAlmarikManager::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_published.read(QStringLiteral(ALMARIK_TEST_DATA_DIR "/jakim/prayer_times_2026.csv")));
}

void TestAlmarikManager::cleanup()
{
    PluginBinder::setPluginDirectory(QString());
}

void TestAlmarikManager::bindsAtConstruction()
{
    AlmarikManager manager;
    QVERIFY(manager.isBound());
    QCOMPARE(manager.version().size(), 16);
    QVERIFY(manager.bind());
    // Before a zone is chosen there is nothing to answer.
    QCOMPARE(manager.zoneName(), QString());
    QCOMPARE(manager.coordinatesText(), QString());
    QCOMPARE(manager.latitude(), 0.0);
    DailyTimes out;
    QVERIFY(!manager.timesOfDay(1, 1, 2026, out));
    QList<DailyTimes> month;
    QVERIFY(!manager.timesOfMonth(1, 2026, month));
}

void TestAlmarikManager::defaultLocation()
{
    AlmarikManager manager;
    QSignalSpy updated(&manager, &AlmarikManager::updated);
    QVERIFY(manager.setZone(QString(), true));
    QCOMPARE(updated.count(), 1);
    QCOMPARE(manager.zoneName(), QStringLiteral("Kuala Lumpur"));
    QCOMPARE(manager.zoneDisplayName(), QStringLiteral("Kuala Lumpur"));
}

void TestAlmarikManager::emptyNameWithoutDefaultKeepsZone()
{
    AlmarikManager manager;
    QVERIFY(manager.setZone(QStringLiteral("Ipoh"), false));
    QSignalSpy updated(&manager, &AlmarikManager::updated);
    QVERIFY(!manager.setZone(QString(), false));
    QCOMPARE(updated.count(), 0);
    QCOMPARE(manager.zoneName(), QStringLiteral("Ipoh"));
    QList<DailyTimes> month;
    QVERIFY(manager.timesOfMonth(1, 2026, month));
    QCOMPARE(month.size(), 31);
}

void TestAlmarikManager::unknownNameKeepsZone()
{
    AlmarikManager manager;
    QSignalSpy updated(&manager, &AlmarikManager::updated);
    QVERIFY(!manager.setZone(QStringLiteral("Atlantis"), true));
    QCOMPARE(manager.zoneName(), QString());
    QVERIFY(manager.setZone(QStringLiteral("Kuching"), false));
    QVERIFY(!manager.setZone(QStringLiteral("kuching"), false));
    QVERIFY(!manager.setZone(QStringLiteral("Tokyo"), false));  // a zone, not a place
    QCOMPARE(updated.count(), 1);
    QCOMPARE(manager.zoneName(), QStringLiteral("Kuching"));
    QCOMPARE(manager.zoneSourceUrl(), QStringLiteral(
        "https://www.e-solat.gov.my/index.php?r=esolatApi/takwimsolat&period=year&zone=SWK08"));
}

void TestAlmarikManager::zoneChangeReloadsDays()
{
    AlmarikManager manager;
    QVERIFY(manager.setZone(QStringLiteral("Kuala Lumpur"), false));
    DailyTimes kl;
    QVERIFY(manager.timesOfDay(1, 1, 2026, kl));
    QVERIFY(manager.setZone(QStringLiteral("Kota Kinabalu"), false));
    DailyTimes kk;
    QVERIFY(manager.timesOfDay(1, 1, 2026, kk));
    // Kota Kinabalu lies 14 degrees east of Kuala Lumpur on the same clock:
    // its dawn comes close to an hour earlier.
    const int earlier = kl.hour(Subuh) * 60 + kl.minute(Subuh) - kk.hour(Subuh) * 60 - kk.minute(Subuh);
    QVERIFY2(earlier > 45 && earlier < 75, qPrintable(QString::number(earlier)));
    QList<DailyTimes> month;
    QVERIFY(manager.timesOfMonth(2, 2027, month));
    QCOMPARE(month.size(), 28);  // replaced, not added to
    // Switching back gives the first zone's days again.
    QVERIFY(manager.setZone(QStringLiteral("Kuala Lumpur"), false));
    DailyTimes again;
    QVERIFY(manager.timesOfDay(1, 1, 2026, again));
    QCOMPARE(again.timeText(Subuh), kl.timeText(Subuh));
}

void TestAlmarikManager::zoneReadAhead_data()
{
    QTest::addColumn<QString>("ahead");
    QTest::addColumn<QString>("selected");
    QTest::newRow("the zone selected") << "Kota Kinabalu" << "Kota Kinabalu";
    QTest::newRow("another zone") << "Kota Kinabalu" << "Kuala Lumpur";
    QTest::newRow("the default zone") << "" << "";
    QTest::newRow("an unknown place") << "Atlantis" << "Kuching";
}

// Days read ahead serve only the zone they were read for.
void TestAlmarikManager::zoneReadAhead()
{
    QFETCH(QString, ahead);
    QFETCH(QString, selected);
    AlmarikManager plain;
    QVERIFY(plain.setZone(selected, true));
    AlmarikManager manager;
    manager.readZoneAhead(ahead);
    for (int round = 0; round < 2; ++round) {
        QVERIFY(manager.setZone(selected, true));
        QCOMPARE(manager.zoneName(), plain.zoneName());
        const QVector<DailyTimes> &days = manager.days();
        QCOMPARE(days.size(), plain.days().size());
        for (int i = 0; i < days.size(); ++i) {
            const DailyTimes &want = plain.days().at(i);
            QCOMPARE(QDate(days[i].year, days[i].month, days[i].day), QDate(want.year, want.month, want.day));
            QCOMPARE(days[i].hijriMonthName, want.hijriMonthName);
            QVERIFY(std::equal(&days[i].times[0][0], &days[i].times[0][0] + 2 * PrayerSlotCount, &want.times[0][0]));
        }
        // A later selection reads its days itself.
        QVERIFY(manager.setZone(QStringLiteral("Ipoh"), false));
    }
}

void TestAlmarikManager::timesOfDay()
{
    AlmarikManager manager;
    QVERIFY(manager.setZone(QStringLiteral("Terusan"), false));
    QCOMPARE(manager.zoneSource(), QStringLiteral("e-Solat JAKIM"));
    int checked = 0;
    const char *columns[8] = {"imsak", "subuh", "syuruk", "dhuha", "zohor", "asar", "maghrib", "isyak"};
    for (int row = 0; row < m_published.rowCount(); ++row) {
        if (m_published.value(row, QStringLiteral("zone")) != QLatin1String("SBH02"))
            continue;
        const QDate date = QDate::fromString(m_published.value(row, QStringLiteral("date")), Qt::ISODate);
        DailyTimes out;
        QVERIFY(manager.timesOfDay(date.day(), date.month(), date.year(), out));
        QCOMPARE(out.day, date.day());
        QCOMPARE(out.month, date.month());
        QCOMPARE(out.year, date.year());
        for (int slot = 0; slot < PrayerSlotCount; ++slot)
            QCOMPARE(out.timeText(slot), m_published.value(row, QLatin1String(columns[slot])));
        ++checked;
    }
    QCOMPARE(checked, 365);
}

void TestAlmarikManager::timesOfDayOutsideTheTable()
{
    AlmarikManager manager;
    QVERIFY(manager.setZone(QStringLiteral("Kuala Lumpur"), false));
    DailyTimes out;
    out.day = 77;
    out.hijriMonthName = QStringLiteral("untouched");
    QVERIFY(!manager.timesOfDay(29, 2, 2027, out));
    QVERIFY(!manager.timesOfDay(31, 12, 2025, out));
    QVERIFY(!manager.timesOfDay(1, 1, 2036, out));
    QVERIFY(!manager.timesOfDay(0, 1, 2026, out));
    QCOMPARE(out.day, 77);
    QCOMPARE(out.hijriMonthName, QStringLiteral("untouched"));
    QVERIFY(manager.timesOfDay(28, 2, 2027, out));
    QVERIFY(manager.timesOfDay(31, 12, 2035, out));
    QCOMPARE(out.year, 2035);
    QVERIFY(manager.timesOfDay(29, 2, 2028, out));
    QCOMPARE(QDate(out.year, out.month, out.day), QDate(2028, 2, 29));
}

void TestAlmarikManager::timesOfMonth()
{
    AlmarikManager manager;
    QVERIFY(manager.setZone(QStringLiteral("Labuan"), false));
    int total = 0;
    for (int year = 2026; year <= 2027; ++year) {
        for (int month = 1; month <= 12; ++month) {
            QList<DailyTimes> days;
            QVERIFY(manager.timesOfMonth(month, year, days));
            QCOMPARE(days.size(), QDate(year, month, 1).daysInMonth());
            for (int i = 0; i < days.size(); ++i) {
                QCOMPARE(days.at(i).day, i + 1);
                QCOMPARE(days.at(i).month, month);
                QCOMPARE(days.at(i).year, year);
            }
            total += days.size();
        }
    }
    QCOMPARE(total, 730);
    // The same records are handed out each time.
    QList<DailyTimes> first;
    QList<DailyTimes> second;
    QVERIFY(manager.timesOfMonth(3, 2026, first));
    QVERIFY(manager.timesOfMonth(3, 2026, second));
    QCOMPARE(first.size(), second.size());
    for (int i = 0; i < first.size(); ++i) {
        QCOMPARE(first.at(i).day, second.at(i).day);
        for (int slot = 0; slot < PrayerSlotCount; ++slot)
            QCOMPARE(first.at(i).timeText(slot), second.at(i).timeText(slot));
    }
}

void TestAlmarikManager::timesOfMonthClearsOut()
{
    AlmarikManager manager;
    QVERIFY(manager.setZone(QStringLiteral("Kuala Lumpur"), false));
    QList<DailyTimes> out;
    QVERIFY(manager.timesOfMonth(1, 2026, out));
    QCOMPARE(out.size(), 31);
    QVERIFY(!manager.timesOfMonth(12, 2025, out));
    QVERIFY(out.isEmpty());
    QVERIFY(manager.timesOfMonth(2, 2026, out));
    QCOMPARE(out.size(), 28);
    QVERIFY(!manager.timesOfMonth(13, 2026, out));
    QVERIFY(out.isEmpty());
}

void TestAlmarikManager::dayOfWeek()
{
    AlmarikManager manager;
    QVERIFY(manager.setZone(QStringLiteral("Kuala Lumpur"), false));
    DailyTimes out;
    QVERIFY(manager.timesOfDay(4, 1, 2026, out));  // a Sunday
    QCOMPARE(out.dayOfWeek, 0);
    QVERIFY(manager.timesOfDay(3, 1, 2026, out));  // a Saturday
    QCOMPARE(out.dayOfWeek, 6);
    QVERIFY(manager.timesOfDay(5, 1, 2026, out));
    QCOMPARE(out.dayOfWeek, 1);
    // Every stored day agrees with the calendar.
    QVERIFY(manager.days().size() > 365);
    for (const DailyTimes &day : manager.days())
        QCOMPARE(day.dayOfWeek, QDate(day.year, day.month, day.day).dayOfWeek() % 7);
}

void TestAlmarikManager::zoneDetails()
{
    AlmarikManager manager;
    QVERIFY(manager.setZone(QStringLiteral("Kuala Lumpur"), false));
    QCOMPARE(manager.coordinatesText(), QStringLiteral("(3.13192, 101.684)"));
    QCOMPARE(manager.latitude(), 3.131920);
    QCOMPARE(manager.longitude(), 101.684059);

    QVERIFY(manager.setZone(QStringLiteral("Gua Musang (Galas, Bertam)"), false));
    QCOMPARE(manager.zoneName(), QStringLiteral("Gua Musang (Galas, Bertam)"));
    QCOMPARE(manager.zoneDisplayName(), QStringLiteral("Gua Musang\n(Galas, Bertam)"));

    QVERIFY(manager.setZone(QStringLiteral("Sydney"), false));
    QCOMPARE(manager.coordinatesText(), QStringLiteral("(-33.8833, 151.217)"));
    QCOMPARE(manager.zoneSource(), QStringLiteral("IslamicFinder"));

    QVERIFY(manager.setZone(QStringLiteral("Temanggong"), false));
    QCOMPARE(manager.coordinatesText(), QStringLiteral("(0, 0)"));

    DailyTimes out;
    QVERIFY(manager.setZone(QStringLiteral("Kuala Lumpur"), false));
    QVERIFY(manager.timesOfDay(1, 1, 2026, out));
    QCOMPARE(out.hijriMonthName, QStringLiteral("Rejab"));
    QCOMPARE(out.hijriDay, 11);
    QCOMPARE(out.hijriYear, 1447);
}

void TestAlmarikManager::sourceOfADay_data()
{
    QTest::addColumn<QString>("place");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<DataProvenance::Kind>("kind");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("convention");
    QTest::newRow("published") << "Kuala Lumpur" << QDate(2026, 12, 31) << DataProvenance::Published << 2026 << "";
    QTest::newRow("computed") << "Kuala Lumpur" << QDate(2027, 1, 1) << DataProvenance::Computed << 2026 << "";
    QTest::newRow("last day") << "Kota Kinabalu" << QDate(2035, 12, 31) << DataProvenance::Computed << 2026 << "";
    QTest::newRow("after the tables") << "Kuala Lumpur" << QDate(2036, 1, 1) << DataProvenance::Unknown << 0 << "";
    QTest::newRow("before the tables") << "Kuala Lumpur" << QDate(2025, 12, 31) << DataProvenance::Unknown << 0 << "";
    QTest::newRow("abroad") << "New York" << QDate(2026, 6, 1) << DataProvenance::Convention << 0 << "ISNA";
    QTest::newRow("Makkah") << "Makkah" << QDate(2031, 6, 1) << DataProvenance::Convention << 0 << "UMMALQURA";
}

void TestAlmarikManager::sourceOfADay()
{
    QFETCH(QString, place);
    QFETCH(QDate, date);
    QFETCH(DataProvenance::Kind, kind);
    QFETCH(int, year);
    QFETCH(QString, convention);
    AlmarikManager manager;
    QVERIFY(manager.provenance().isKnown());
    QCOMPARE(manager.sourceOf(date).kind, DataProvenance::Unknown);   // no zone yet
    QVERIFY(!manager.lastCoveredDay().isValid());
    QVERIFY(manager.setZone(place, false));
    QCOMPARE(manager.lastCoveredDay(), QDate(2035, 12, 31));
    const DataProvenance::Source source = manager.sourceOf(date);
    QCOMPARE(source.kind, kind);
    QCOMPARE(source.year, year);
    QCOMPARE(source.convention, convention);
}

void TestAlmarikManager::pluginWithoutProvenance()
{
    // A plug-in without the entry point still gives times; where they come
    // from stays unknown.
    bindFrom(QStringLiteral(ALMARIK_TEST_PLUGIN_DIR "/fake"));
    AlmarikManager manager;
    QVERIFY(manager.isBound());
    QVERIFY(!manager.provenance().isKnown());
    QVERIFY(manager.setZone(QStringLiteral("Somewhere"), false));
    QCOMPARE(manager.lastCoveredDay(), QDate(2026, 3, 2));
    QCOMPARE(manager.sourceOf(QDate(2026, 3, 1)).kind, DataProvenance::Unknown);
}

void TestAlmarikManager::dateRangeTreeAndTitles()
{
    AlmarikManager manager;
    int firstYear = 0, firstMonth = 0, lastYear = 0, lastMonth = 0;
    QVERIFY(manager.dateRange(firstYear, firstMonth, lastYear, lastMonth));
    QCOMPARE(QList<int>({firstYear, firstMonth, lastYear, lastMonth}), QList<int>({2026, 1, 2035, 12}));
    LocationNode root;
    QVERIFY(manager.locationTree(root));
    QCOMPARE(itemCount(root), 263);
    QCOMPARE(manager.hijriMonthTitle(2017, 1), QStringLiteral("Rabiul Akhir - Jamadil Awal 1438"));
    QCOMPARE(manager.hijriMonthTitle(2036, 1), QString());
}

void TestAlmarikManager::zoneWithoutTable()
{
    bindFrom(QStringLiteral(ALMARIK_TEST_PLUGIN_DIR "/fake"));
    AlmarikManager manager;
    QVERIFY(manager.isBound());
    QCOMPARE(manager.version(), QStringLiteral("2000010100000000"));
    // The stand-in has no default place.
    QVERIFY(!manager.setZone(QString(), true));

    QVERIFY(manager.setZone(QStringLiteral("Somewhere"), false));
    QList<DailyTimes> month;
    QVERIFY(manager.timesOfMonth(3, 2026, month));
    QCOMPARE(month.size(), 2);
    QCOMPARE(month.at(0).dayOfWeek, 0);  // 1 March 2026 is a Sunday
    QCOMPARE(month.at(1).timeText(Isyak), QStringLiteral("19:27"));

    QSignalSpy updated(&manager, &AlmarikManager::updated);
    QVERIFY(manager.setZone(QStringLiteral("Nowhere"), false));
    QCOMPARE(updated.count(), 1);
    QCOMPARE(manager.zoneName(), QStringLiteral("Nowhere"));
    QVERIFY(!manager.timesOfMonth(3, 2026, month));
    QVERIFY(month.isEmpty());
    DailyTimes out;
    QVERIFY(!manager.timesOfDay(1, 3, 2026, out));
    QCOMPARE(out.year, 0);
}

void TestAlmarikManager::daysInAnyOrder_data()
{
    QTest::addColumn<QString>("place");
    QTest::newRow("one after another") << QStringLiteral("Somewhere");
    QTest::newRow("out of order") << QStringLiteral("Shuffled");
}

// A month and a day are found with their own times however the plug-in
// orders its days (the stand-in's minutes tell its days apart).
void TestAlmarikManager::daysInAnyOrder()
{
    QFETCH(QString, place);
    bindFrom(QStringLiteral(ALMARIK_TEST_PLUGIN_DIR "/fake"));
    AlmarikManager manager;
    QVERIFY(manager.setZone(place, false));
    const struct {
        int month;
        QList<int> days;
    } months[] = {{2, {28}}, {3, {1, 2}}, {4, {}}};
    for (const auto &expected : months) {
        QList<DailyTimes> found;
        QCOMPARE(manager.timesOfMonth(expected.month, 2026, found), !expected.days.isEmpty());
        QList<int> days;
        for (const DailyTimes &day : found) {
            days << day.day;
            QCOMPARE(day.month, expected.month);
            QCOMPARE(day.dayOfWeek, QDate(day.year, day.month, day.day).dayOfWeek() % 7);
            const int index = int(QDate(2026, 2, 28).daysTo(QDate(2026, day.month, day.day)));
            QCOMPARE(day.times[Isyak][1], 10 * index + Isyak);
        }
        QCOMPARE(days, expected.days);
    }
    DailyTimes out;
    QVERIFY(manager.timesOfDay(28, 2, 2026, out));
    QCOMPARE(out.times[Isyak][1], Isyak);
}

void TestAlmarikManager::treeThatIsNotXml()
{
    bindFrom(QStringLiteral(ALMARIK_TEST_PLUGIN_DIR "/fake"));
    AlmarikManager manager;
    QVERIFY(manager.isBound());
    LocationNode root;
    root.text = QStringLiteral("untouched");
    QVERIFY(!manager.locationTree(root));
    QCOMPARE(root.text, QStringLiteral("untouched"));
    QVERIFY(root.children.isEmpty());
}

void TestAlmarikManager::withoutPlugin_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("no file") << "none";
    QTest::newRow("not a library") << "junk";
    QTest::newRow("no getApi") << "nogetapi";
    QTest::newRow("getApi gives null") << "nullapi";
}

void TestAlmarikManager::withoutPlugin()
{
    QFETCH(QString, kind);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    if (kind == QLatin1String("none") || kind == QLatin1String("junk")) {
        bindFrom(folder.path());
        if (kind == QLatin1String("junk")) {
            QFile junk(folder.filePath(pluginFileName()));
            QVERIFY(junk.open(QIODevice::WriteOnly));
            junk.write(QByteArray(4096, '\x7f'));
            junk.close();
        }
    } else {
        bindFrom(QStringLiteral(ALMARIK_TEST_PLUGIN_DIR "/") + kind);
        QVERIFY(QFile::exists(PluginBinder::pluginFilePath(QStringLiteral("AlmarikData"))));
    }

    AlmarikManager manager;
    QVERIFY(!manager.isBound());
    QVERIFY(!manager.bind());
    QCOMPARE(manager.version(), QString());
    QSignalSpy updated(&manager, &AlmarikManager::updated);
    QVERIFY(!manager.setZone(QStringLiteral("Kuala Lumpur"), true));
    QVERIFY(!manager.setZone(QString(), true));
    QCOMPARE(updated.count(), 0);
    QCOMPARE(manager.zoneName(), QString());
    QCOMPARE(manager.zoneDisplayName(), QString());
    QCOMPARE(manager.zoneSource(), QString());
    QCOMPARE(manager.zoneSourceUrl(), QString());
    QCOMPARE(manager.latitude(), 0.0);
    QCOMPARE(manager.longitude(), 0.0);
    QCOMPARE(manager.coordinatesText(), QString());
    int firstYear = 9, firstMonth = 9, lastYear = 9, lastMonth = 9;
    QVERIFY(!manager.dateRange(firstYear, firstMonth, lastYear, lastMonth));
    QCOMPARE(QList<int>({firstYear, firstMonth, lastYear, lastMonth}), QList<int>({0, 0, 0, 0}));
    LocationNode root;
    QVERIFY(!manager.locationTree(root));
    QCOMPARE(manager.hijriMonthTitle(2017, 1), QString());
    DailyTimes out;
    QVERIFY(!manager.timesOfDay(1, 1, 2026, out));
    QList<DailyTimes> month;
    QVERIFY(!manager.timesOfMonth(1, 2026, month));
}

QTEST_GUILESS_MAIN(TestAlmarikManager)
#include "test_almarikmanager.moc"
