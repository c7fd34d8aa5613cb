// The timetable data plug-in as built: its tables against the published
// sources, its catalogue and location tree, and the entry points.

#include <QDate>
#include <QDomDocument>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTimeZone>
#include <QtTest>

#include "core/pluginbinder.h"
#include "plugin-api/ialmarikobject.h"
#include "testcsv.h"

namespace {

const QStringList monthNames = {
    "Muharram", "Safar", "Rabiul Awal", "Rabiul Akhir", "Jamadil Awal", "Jamadil Akhir",
    "Rejab", "Syaaban", "Ramadan", "Syawal", "Zulkaedah", "Zulhijjah"
};

int minutesOf(const QString &hhmm)
{
    return hhmm.leftRef(2).toInt() * 60 + hhmm.midRef(3).toInt();
}

// Owns the records a dayTimes() call hands out.
struct DayList
{
    QList<AlmarikDay *> days;
    ~DayList() { qDeleteAll(days); }
};

void collectItems(const QDomElement &parent, QStringList &names)
{
    for (QDomElement e = parent.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (e.tagName() == QLatin1String("item"))
            names << e.text();
        else
            collectItems(e, names);
    }
}

} // namespace

class TestAlmarikData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    // Tables against the sources
    void publishedTimes2026();
    void everyZoneCoversTenYears();
    void hijriDatesFollowTheTakwim();
    void daylightSaving_data();
    void daylightSaving();
    void monthTitles2015To2017();
    void monthTitlesOutsideTheTable();

    // Operations
    void dayTimesAppends();
    void dayTimesOfUnknownCodes();
    void dateRange();
    void locationOfEveryPlace();
    void locationEdgeCases();
    void locationTreeFormat();
    void locationTreeContent();

    // Entry points and version
    void versionStamp();
    void freeApi();

private:
    QString dataPath(const QString &name) const { return QStringLiteral(ALMARIK_TEST_DATA_DIR "/") + name; }

    IAlmarikObject *m_api = nullptr;
    TestCsv m_places;
};

void TestAlmarikData::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    PluginBinder::setPluginDirectory(QString());
    m_api = PluginBinder::bind<IAlmarikObject>(QStringLiteral("AlmarikData"), "Almarik data version:");
    QVERIFY2(m_api, qPrintable(PluginBinder::pluginFilePath(QStringLiteral("AlmarikData"))));
    QVERIFY(m_places.read(QStringLiteral(ALMARIK_TEST_PLACES_CSV)));
    QCOMPARE(m_places.rowCount(), 264);
}

void TestAlmarikData::publishedTimes2026()
{
    TestCsv published;
    QVERIFY(published.read(dataPath(QStringLiteral("jakim/prayer_times_2026.csv"))));
    QCOMPARE(published.rowCount(), 60 * 365);

    const char *columns[8] = {"imsak", "subuh", "syuruk", "dhuha", "zohor", "asar", "maghrib", "isyak"};
    QHash<QString, QHash<QDate, const AlmarikDay *>> byZone;
    QList<DayList *> owners;
    int compared = 0;
    int mended = 0;
    QStringList differences;
    for (int row = 0; row < published.rowCount(); ++row) {
        const QString zone = published.value(row, QStringLiteral("zone"));
        if (!byZone.contains(zone)) {
            auto *list = new DayList;
            owners << list;
            m_api->dayTimes(zone, list->days);
            QHash<QDate, const AlmarikDay *> &days = byZone[zone];
            for (const AlmarikDay *d : qAsConst(list->days))
                days.insert(QDate(d->year, d->month, d->day), d);
        }
        const QDate date = QDate::fromString(published.value(row, QStringLiteral("date")), Qt::ISODate);
        const AlmarikDay *day = byZone.value(zone).value(date);
        if (!day) {
            differences << QStringLiteral("%1 %2 missing").arg(zone, date.toString(Qt::ISODate));
            continue;
        }
        for (int slot = 0; slot < 8; ++slot) {
            const QString text = published.value(row, QLatin1String(columns[slot]));
            int expected = minutesOf(text);
            // The one obvious error of the published table: SBH08's Imsak
            // of 3 April is a copy of its Asar. It is mended to Subuh - 10.
            if (zone == QLatin1String("SBH08") && date == QDate(2026, 4, 3) && slot == 0) {
                QCOMPARE(text, QStringLiteral("15:20"));
                expected = minutesOf(published.value(row, QStringLiteral("subuh"))) - 10;
                ++mended;
            }
            const int actual = day->times[slot][0] * 60 + day->times[slot][1];
            ++compared;
            if (actual != expected && differences.size() < 20) {
                differences << QStringLiteral("%1 %2 %3: %4, published %5").arg(zone,
                        date.toString(Qt::ISODate), QLatin1String(columns[slot]),
                        QString::number(actual), text);
            }
        }
    }
    qDeleteAll(owners);
    QVERIFY2(differences.isEmpty(), qPrintable(differences.join(QLatin1Char('\n'))));
    QCOMPARE(compared, 60 * 365 * 8);
    QCOMPARE(mended, 1);
}

void TestAlmarikData::everyZoneCoversTenYears()
{
    // 60 JAKIM zones, the zones of the places outside Malaysia, and Tokyo.
    QSet<QString> codes;
    TestCsv jakimZones;
    QVERIFY(jakimZones.read(dataPath(QStringLiteral("jakim/zones.csv"))));
    for (int row = 0; row < jakimZones.rowCount(); ++row)
        codes.insert(jakimZones.value(row, QStringLiteral("zone")));
    QCOMPARE(codes.size(), 60);
    for (int row = 0; row < m_places.rowCount(); ++row)
        codes.insert(m_places.value(row, QStringLiteral("zone")));
    QCOMPARE(codes.size(), 115);
    QVERIFY(codes.contains(QStringLiteral("Tokyo")));

    for (const QString &code : qAsConst(codes)) {
        DayList list;
        m_api->dayTimes(code, list.days);
        QVERIFY2(list.days.size() == 3652, qPrintable(code));
        QDate expected(2026, 1, 1);
        for (const AlmarikDay *day : qAsConst(list.days)) {
            QVERIFY2(QDate(day->year, day->month, day->day) == expected,
                     qPrintable(code + QLatin1Char(' ') + expected.toString(Qt::ISODate)));
            for (int slot = 0; slot < 8; ++slot) {
                QVERIFY(day->times[slot][0] >= 0 && day->times[slot][0] <= 23);
                QVERIFY(day->times[slot][1] >= 0 && day->times[slot][1] <= 59);
            }
            expected = expected.addDays(1);
        }
        QCOMPARE(expected, QDate(2036, 1, 1));
    }
}

void TestAlmarikData::hijriDatesFollowTheTakwim()
{
    TestCsv takwim;
    QVERIFY(takwim.read(dataPath(QStringLiteral("jakim/tarikh.csv"))));
    QHash<QDate, QString> hijriOf;
    for (int row = 0; row < takwim.rowCount(); ++row) {
        hijriOf.insert(QDate::fromString(takwim.value(row, QStringLiteral("gregorian")), Qt::ISODate),
                       takwim.value(row, QStringLiteral("hijri")));
    }

    for (const char *zone : {"WLY01", "SWK09", "NewYork", "Tokyo"}) {
        DayList list;
        m_api->dayTimes(QLatin1String(zone), list.days);
        QCOMPARE(list.days.size(), 3652);
        int fromTakwim = 0;
        for (const AlmarikDay *day : qAsConst(list.days)) {
            const QDate date(day->year, day->month, day->day);
            QVERIFY2(day->hijriYear > 0 && day->hijriDay >= 1 && day->hijriDay <= 30
                     && monthNames.contains(day->hijriMonthName), qPrintable(date.toString(Qt::ISODate)));
            if (!hijriOf.contains(date))
                continue;
            const QStringList parts = hijriOf.value(date).split(QLatin1Char('-'));
            QCOMPARE(day->hijriYear, parts.at(0).toInt());
            QCOMPARE(day->hijriMonthName, monthNames.at(parts.at(1).toInt() - 1));
            QCOMPARE(day->hijriDay, parts.at(2).toInt());
            ++fromTakwim;
        }
        // The takwim ends on 2027-12-28; the days after it are computed.
        QCOMPARE(fromTakwim, 727);
    }
}

void TestAlmarikData::daylightSaving_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QByteArray>("timeZone");
    QTest::newRow("New York") << "NewYork" << QByteArray("America/New_York");
    QTest::newRow("London") << "London" << QByteArray("Europe/London");
    QTest::newRow("Sydney") << "Sydney" << QByteArray("Australia/Sydney");
}

void TestAlmarikData::daylightSaving()
{
    // Times are local clock times: on the days the clocks change, Zohor
    // and Maghrib move by the hour, and on every other day by a few
    // minutes at most. Within a day the times keep their order.
    QFETCH(QString, zone);
    QFETCH(QByteArray, timeZone);
    const QTimeZone clock(timeZone);
    QVERIFY(clock.isValid());
    DayList list;
    m_api->dayTimes(zone, list.days);
    QCOMPARE(list.days.size(), 3652);
    const auto minuteOf = [](const AlmarikDay *day, int slot) {
        return day->times[slot][0] * 60 + day->times[slot][1];
    };
    int changes = 0;
    for (int i = 0; i < list.days.size(); ++i) {
        const AlmarikDay *day = list.days.at(i);
        const QDate date(day->year, day->month, day->day);
        for (int slot = 1; slot <= 6; ++slot) {
            QVERIFY2(minuteOf(day, slot - 1) <= minuteOf(day, slot) && (slot == 1 || minuteOf(day, slot - 1) < minuteOf(day, slot)),
                     qPrintable(date.toString(Qt::ISODate) + QLatin1Char(' ') + QString::number(slot)));
        }
        if (i == 0)
            continue;
        const AlmarikDay *previous = list.days.at(i - 1);
        const int shift = (clock.offsetFromUtc(QDateTime(date, QTime(12, 0), clock))
                           - clock.offsetFromUtc(QDateTime(date.addDays(-1), QTime(12, 0), clock))) / 60;
        if (shift != 0)
            ++changes;
        for (int slot : {4, 6}) {  // Zohor, Maghrib
            const int step = minuteOf(day, slot) - minuteOf(previous, slot) - shift;
            QVERIFY2(qAbs(step) <= 4, qPrintable(QStringLiteral("%1 slot %2: %3 minutes, clock shift %4")
                     .arg(date.toString(Qt::ISODate)).arg(slot).arg(step).arg(shift)));
        }
    }
    QCOMPARE(changes, 20);  // two changes a year
}

void TestAlmarikData::monthTitles2015To2017()
{
    // Gregorian month -> title and Hijri year, 2015 to 2017.
    static const struct { const char *title; int hijriYear; } rows[12][3] = {
        {{"Rabiul Awal - Rabiul Akhir", 1436}, {"Rabiul Awal - Rabiul Akhir", 1437}, {"Rabiul Akhir - Jamadil Awal", 1438}},
        {{"Rabiul Akhir - Jamadil Awal", 1436}, {"Rabiul Akhir - Jamadil Awal", 1437}, {"Jamadil Awal - Jamadil Akhir", 1438}},
        {{"Jamadil Awal - Jamadil Akhir", 1436}, {"Jamadil Awal - Jamadil Akhir", 1437}, {"Jamadil Akhir - Rejab", 1438}},
        {{"Jamadil Akhir - Rejab", 1436}, {"Jamadil Akhir - Rejab", 1437}, {"Rejab - Syaaban", 1438}},
        {{"Rejab - Syaaban", 1436}, {"Rejab - Syaaban", 1437}, {"Syaaban - Ramadan", 1438}},
        {{"Syaaban - Ramadan", 1436}, {"Syaaban - Ramadan", 1437}, {"Ramadan - Syawal", 1438}},
        {{"Ramadan - Syawal", 1436}, {"Ramadan - Syawal", 1437}, {"Syawal - Zulkaedah", 1438}},
        {{"Syawal - Zulkaedah", 1436}, {"Syawal - Zulkaedah", 1437}, {"Zulkaedah - Zulhijjah", 1438}},
        {{"Zulkaedah - Zulhijjah", 1436}, {"Zulkaedah - Zulhijjah", 1437}, {"Zulhijjah - Muharram", 1439}},
        {{"Zulhijjah - Muharram", 1437}, {"Zulhijjah - Muharram", 1438}, {"Muharram - Safar", 1439}},
        {{"Muharram - Safar", 1437}, {"Safar", 1438}, {"Safar - Rabiul Awal", 1439}},
        {{"Safar - Rabiul Awal", 1437}, {"Rabiul Awal - Rabiul Akhir", 1438}, {"Rabiul Awal - Rabiul Akhir", 1439}},
    };
    for (int month = 1; month <= 12; ++month) {
        for (int year = 2015; year <= 2017; ++year) {
            const auto &row = rows[month - 1][year - 2015];
            QCOMPARE(m_api->hijriMonthTitle(year, month),
                     QStringLiteral("%1 %2").arg(QLatin1String(row.title)).arg(row.hijriYear));
        }
    }
    QCOMPARE(m_api->hijriMonthTitle(2016, 11), QStringLiteral("Safar 1438"));
}

void TestAlmarikData::monthTitlesOutsideTheTable()
{
    // Every month of 2015 to 2035 has a title; the months around do not.
    for (int year = 2015; year <= 2035; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const QString title = m_api->hijriMonthTitle(year, month);
            QVERIFY2(QRegularExpression(QStringLiteral("^[A-Za-z ]+( - [A-Za-z ]+)* 14[0-9][0-9]$"))
                     .match(title).hasMatch(), qPrintable(title));
        }
    }
    QCOMPARE(m_api->hijriMonthTitle(2014, 12), QString());
    QCOMPARE(m_api->hijriMonthTitle(2036, 1), QString());
    QCOMPARE(m_api->hijriMonthTitle(2026, 0), QString());
    QCOMPARE(m_api->hijriMonthTitle(2026, 13), QString());
    // The title of a month names its Hijri year by the month's last day.
    QCOMPARE(m_api->hijriMonthTitle(2026, 6), QStringLiteral("Zulhijjah - Muharram 1448"));
}

void TestAlmarikData::dayTimesAppends()
{
    DayList list;
    auto *mine = new AlmarikDay;
    mine->year = 1999;
    list.days << mine;
    m_api->dayTimes(QStringLiteral("WLY01"), list.days);
    m_api->dayTimes(QStringLiteral("WLY01"), list.days);
    QCOMPARE(list.days.size(), 1 + 2 * 3652);
    QCOMPARE(list.days.first(), mine);
    QCOMPARE(list.days.at(1)->year, 2026);
    QCOMPARE(list.days.at(3653)->year, 2026);
    QCOMPARE(list.days.at(3653)->month, 1);
    QCOMPARE(list.days.at(3653)->day, 1);
    QVERIFY(list.days.at(1) != list.days.at(3653));  // new records each time
    QCOMPARE(list.days.last()->day, 31);
}

void TestAlmarikData::dayTimesOfUnknownCodes()
{
    for (const char *code : {"", "wly01", "WLY1", "SGR05", "Kuala Lumpur", "New York", "WLY01 "}) {
        DayList list;
        m_api->dayTimes(QLatin1String(code), list.days);
        QVERIFY2(list.days.isEmpty(), code);
    }
}

void TestAlmarikData::dateRange()
{
    int firstYear = -1, firstMonth = -1, lastYear = -1, lastMonth = -1;
    QVERIFY(m_api->dateRange(firstYear, firstMonth, lastYear, lastMonth));
    QCOMPARE(firstYear, 2026);
    QCOMPARE(firstMonth, 1);
    QCOMPARE(lastYear, 2035);
    QCOMPARE(lastMonth, 12);
}

void TestAlmarikData::locationOfEveryPlace()
{
    int checked = 0;
    for (int row = 0; row < m_places.rowCount(); ++row) {
        const QString name = m_places.value(row, QStringLiteral("name"));
        if (m_places.value(row, QStringLiteral("group")) == QLatin1String("zone_only"))
            continue;
        // The Sarawak "Terusan" is reached by name only as the Sabah one.
        if (name == QLatin1String("Terusan") && m_places.value(row, QStringLiteral("state")) == QLatin1String("Sarawak"))
            continue;
        QScopedPointer<AlmarikLocation> place(m_api->location(name));
        QVERIFY2(place, qPrintable(name));
        QCOMPARE(place->name, name);
        QCOMPARE(place->zoneCode, m_places.value(row, QStringLiteral("zone")));
        QCOMPARE(place->latitude, m_places.value(row, QStringLiteral("latitude")).toDouble());
        QCOMPARE(place->longitude, m_places.value(row, QStringLiteral("longitude")).toDouble());
        QCOMPARE(place->source, m_places.value(row, QStringLiteral("source")));
        QCOMPARE(place->sourceUrl, m_places.value(row, QStringLiteral("source_url")));
        if (name == QLatin1String("Gua Musang (Galas, Bertam)"))
            QCOMPARE(place->displayName, QStringLiteral("Gua Musang\n(Galas, Bertam)"));
        else
            QCOMPARE(place->displayName, name);
        ++checked;
    }
    QCOMPARE(checked, 262);
}

void TestAlmarikData::locationEdgeCases()
{
    QScopedPointer<AlmarikLocation> kl(m_api->location(m_api->defaultLocation()));
    QCOMPARE(m_api->defaultLocation(), QStringLiteral("Kuala Lumpur"));
    QVERIFY(kl);
    QCOMPARE(kl->zoneCode, QStringLiteral("WLY01"));
    QCOMPARE(kl->latitude, 3.131920);
    QCOMPARE(kl->longitude, 101.684059);
    QCOMPARE(kl->source, QStringLiteral("e-Solat JAKIM"));

    QScopedPointer<AlmarikLocation> terusan(m_api->location(QStringLiteral("Terusan")));
    QVERIFY(terusan);
    QCOMPARE(terusan->zoneCode, QStringLiteral("SBH02"));

    // Each call hands out a fresh copy.
    QScopedPointer<AlmarikLocation> again(m_api->location(QStringLiteral("Terusan")));
    QVERIFY(again.data() != terusan.data());

    QCOMPARE(m_api->location(QStringLiteral("kuala lumpur")), nullptr);
    QCOMPARE(m_api->location(QStringLiteral("Kuala Lumpur ")), nullptr);
    QCOMPARE(m_api->location(QStringLiteral("Kuala Lumpur") + QChar(0) + QStringLiteral("x")), nullptr);
    QCOMPARE(m_api->location(QString()), nullptr);
    QCOMPARE(m_api->location(QStringLiteral("Tokyo")), nullptr);
    QCOMPARE(m_api->location(QStringLiteral("Search location...")), nullptr);

    QScopedPointer<AlmarikLocation> klang(m_api->location(QStringLiteral("Klang")));
    QVERIFY(klang);
    QCOMPARE(klang->zoneCode, QStringLiteral("SGR03"));
    QScopedPointer<AlmarikLocation> newYork(m_api->location(QStringLiteral("New York")));
    QVERIFY(newYork);
    QCOMPARE(newYork->zoneCode, QStringLiteral("NewYork"));
}

void TestAlmarikData::locationTreeFormat()
{
    const QString tree = m_api->locationTree();
    QVERIFY(!tree.contains(QLatin1Char('\n')));
    QVERIFY(!tree.contains(QLatin1Char('"')));
    QVERIFY(tree.startsWith(QStringLiteral(
        "<?xml version='1.0' encoding='UTF-8'?><root><group label='Malaysia'>"
        "    <group label='Johor'>        <item>Batu Pahat</item>        <item>Gemas</item>")));
    QVERIFY(tree.contains(QStringLiteral("</group>    <item>Kuala Lumpur</item>    <item>Labuan</item>    <group label='Melaka'>")));
    QVERIFY(tree.contains(QStringLiteral("</group><item>Singapura</item><group label='Brunei'>    <item>Brunei</item>")));
    QVERIFY(tree.contains(QStringLiteral("</group><group label='Other'>    <item>Abu Dhabi</item>    <item>Ankara</item>")));
    QVERIFY(tree.endsWith(QStringLiteral("    <item>Washington</item>    <item>Woking</item></group></root>")));
}

void TestAlmarikData::locationTreeContent()
{
    QDomDocument document;
    QVERIFY(document.setContent(m_api->locationTree()));
    const QDomElement root = document.documentElement();
    QCOMPARE(root.tagName(), QStringLiteral("root"));

    QStringList top;
    for (QDomElement e = root.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        top << (e.tagName() == QLatin1String("item") ? e.text() : e.attribute(QStringLiteral("label")));
    QCOMPARE(top, QStringList({"Malaysia", "Indonesia", "Singapura", "Brunei", "Other"}));

    QStringList malaysia;
    const QDomElement malaysiaGroup = root.firstChildElement();
    for (QDomElement e = malaysiaGroup.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        malaysia << e.tagName() + QLatin1Char(':') + (e.tagName() == QLatin1String("item") ? e.text() : e.attribute(QStringLiteral("label")));
    QCOMPARE(malaysia, QStringList({
        "group:Johor", "group:Kedah", "group:Kelantan", "item:Kuala Lumpur", "item:Labuan",
        "group:Melaka", "group:Negeri Sembilan", "group:Pahang", "group:Perak", "group:Perlis",
        "item:Pulau Pinang", "item:Putrajaya", "group:Sabah", "group:Sarawak", "group:Selangor",
        "group:Terengganu"}));

    QStringList items;
    collectItems(root, items);
    QCOMPARE(items.size(), 263);
    QCOMPARE(items.count(QStringLiteral("Terusan")), 2);
    QCOMPARE(QSet<QString>(items.cbegin(), items.cend()).size(), 262);
    // Every item resolves to a place.
    for (const QString &name : qAsConst(items)) {
        QScopedPointer<AlmarikLocation> place(m_api->location(name));
        QVERIFY2(place, qPrintable(name));
    }

    // Per state, the places in catalogue order; "Other" by name.
    QHash<QString, QStringList> expected;
    for (int row = 0; row < m_places.rowCount(); ++row) {
        const QString state = m_places.value(row, QStringLiteral("state"));
        const QString group = state.isEmpty() ? m_places.value(row, QStringLiteral("group")) : state;
        expected[group] << m_places.value(row, QStringLiteral("name"));
    }
    expected[QStringLiteral("Other")].sort();
    QCOMPARE(expected.value(QStringLiteral("Sabah")).size(), 42);
    for (QDomElement group = root.firstChildElement(QStringLiteral("group")); !group.isNull();
         group = group.nextSiblingElement(QStringLiteral("group"))) {
        QList<QDomElement> leaves;
        for (QDomElement e = group.firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
            leaves << e;
        for (const QDomElement &leaf : qAsConst(leaves)) {
            if (leaf.tagName() != QLatin1String("group"))
                continue;
            QStringList names;
            collectItems(leaf, names);
            QCOMPARE(names, expected.value(leaf.attribute(QStringLiteral("label"))));
        }
        if (group.attribute(QStringLiteral("label")) != QLatin1String("Malaysia")) {
            QStringList names;
            collectItems(group, names);
            QCOMPARE(names, expected.value(group.attribute(QStringLiteral("label"))));
        }
    }
    QCOMPARE(expected.value(QStringLiteral("Other")).size(), 29);
}

void TestAlmarikData::versionStamp()
{
    const QString version = m_api->version();
    QVERIFY2(QRegularExpression(QStringLiteral("^[0-9]{16}$")).match(version).hasMatch(), qPrintable(version));
    // year, month, day, hour, minute, second and hundredths of a real moment
    const QDateTime moment = QDateTime::fromString(version.left(14), QStringLiteral("yyyyMMddHHmmss"));
    QVERIFY(moment.isValid());
    QVERIFY(moment.date().year() >= 2026);
    QCOMPARE(m_api->version(), version);
}

void TestAlmarikData::freeApi()
{
    const QString path = PluginBinder::pluginFilePath(QStringLiteral("AlmarikData"));
    auto freeApi = reinterpret_cast<AlmarikFreeApiFunction>(PluginBinder::resolve(path, "freeApi"));
    auto getApi = reinterpret_cast<AlmarikGetApiFunction>(PluginBinder::resolve(path, "getApi"));
    QVERIFY(freeApi && getApi);

    IAlmarikObject *none = nullptr;
    QVERIFY(freeApi(&none));
    QCOMPARE(none, nullptr);
    QVERIFY(freeApi(nullptr));

    // A second object is independent of the first and is destroyed by freeApi.
    IAlmarikObject *api = getApi();
    QVERIFY(api && api != m_api);
    QCOMPARE(api->version(), m_api->version());
    QSignalSpy destroyed(api, &QObject::destroyed);
    IAlmarikObject *const before = api;
    QVERIFY(freeApi(&api));
    QCOMPARE(destroyed.count(), 1);
    QCOMPARE(api, before);  // the caller's pointer is left alone
    QCOMPARE(m_api->defaultLocation(), QStringLiteral("Kuala Lumpur"));
}

QTEST_GUILESS_MAIN(TestAlmarikData)
#include "test_almarikdata.moc"
