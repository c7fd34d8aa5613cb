// The kept days of the Islamic year, resolved from the shipped plug-in's
// Hijri dates, against JAKIM's takwim in data/jakim/tarikh.csv.

#include <QStandardPaths>
#include <QtTest>

#include "core/almarikmanager.h"
#include "core/islamicdays.h"
#include "testcsv.h"

class TestIslamicDays : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void takwimDays_data();
    void takwimDays();
    void daysOfOneDate();
    void ramadan_data();
    void ramadan();
    void adjustmentSetting_data();
    void adjustmentSetting();

private:
    TestCsv m_takwim;
    AlmarikManager *m_manager = nullptr;
};

void TestIslamicDays::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_takwim.read(QStringLiteral(ALMARIK_TEST_DATA_DIR "/jakim/tarikh.csv")));
    m_manager = new AlmarikManager(this);
    QVERIFY(m_manager->isBound());
    QVERIFY(m_manager->setZone(QStringLiteral("Kuala Lumpur"), false));
}

void TestIslamicDays::takwimDays_data()
{
    QTest::addColumn<int>("adjustment");
    for (int adjustment = -2; adjustment <= 2; ++adjustment)
        QTest::newRow(qPrintable(QStringLiteral("adjustment %1").arg(adjustment))) << adjustment;
    QTest::newRow("adjustment out of range is clamped to +2") << 7;
}

void TestIslamicDays::takwimDays()
{
    QFETCH(int, adjustment);
    const int effective = qBound(-2, adjustment, 2);

    // Month, day and name of each kept day, read from the takwim's Hijri
    // column for 1447 and 1448 wherever the timetable has the day.
    struct Kept { int month; int day; const char *key; };
    const Kept kept[] = {{1, 1, "Event.AwalMuharram"}, {3, 12, "Event.MaulidurRasul"},
                         {7, 27, "Event.IsrakMikraj"}, {8, 15, "Event.NisfuSyaaban"},
                         {9, 1, "Event.AwalRamadan"}, {9, 17, "Event.NuzulQuran"},
                         {10, 1, "Event.Aidilfitri"}, {12, 9, "Event.HariArafah"},
                         {12, 10, "Event.Aidiladha"}};
    QList<QPair<QDate, QString>> expected;
    for (int row = 0; row < m_takwim.rowCount(); ++row) {
        const QStringList hijri = m_takwim.value(row, QStringLiteral("hijri")).split(QLatin1Char('-'));
        QCOMPARE(hijri.size(), 3);
        const int year = hijri.at(0).toInt();
        if (year != 1447 && year != 1448)
            continue;
        const QDate gregorian = QDate::fromString(m_takwim.value(row, QStringLiteral("gregorian")), Qt::ISODate);
        DailyTimes inTable;
        if (!m_manager->timesOfDay(gregorian.day(), gregorian.month(), gregorian.year(), inTable))
            continue;
        for (const Kept &k : kept) {
            if (hijri.at(1).toInt() == k.month && hijri.at(2).toInt() == k.day)
                expected.append({gregorian.addDays(-effective), QString::fromLatin1(k.key)});
        }
    }
    // 2026 and 2027 hold 1447 from Rejab on and all of 1448.
    QCOMPARE(expected.size(), 7 + 9);
    QCOMPARE(expected.first().first, QDate(2026, 1, 17).addDays(-effective));  // 27 Rejab 1447
    QCOMPARE(expected.last().first, QDate(2027, 5, 17).addDays(-effective));   // 10 Zulhijjah 1448

    QList<QPair<QDate, QString>> resolved;
    for (const IslamicDays::Day &day : IslamicDays::resolve(*m_manager, adjustment)) {
        if (day.hijriYear == 1447 || day.hijriYear == 1448)
            resolved.append({day.date, day.nameKey});
    }
    QCOMPARE(resolved, expected);
}

void TestIslamicDays::daysOfOneDate()
{
    const QList<IslamicDays::Day> all = IslamicDays::resolve(*m_manager, 0);
    const QList<IslamicDays::Day> fitri = IslamicDays::on(all, QDate(2026, 3, 21));
    QCOMPARE(fitri.size(), 1);
    QCOMPARE(fitri.first().nameKey, QStringLiteral("Event.Aidilfitri"));
    QCOMPARE(fitri.first().hijriMonth, 10);
    QVERIFY(IslamicDays::on(all, QDate(2026, 3, 22)).isEmpty());
}

void TestIslamicDays::ramadan_data()
{
    // The takwim: 1 Ramadan 1447 is 2026-02-19, 1 Syawal 2026-03-21.
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("adjustment");
    QTest::addColumn<bool>("ramadan");
    QTest::newRow("the day before") << QDate(2026, 2, 18) << 0 << false;
    QTest::newRow("the first day") << QDate(2026, 2, 19) << 0 << true;
    QTest::newRow("the last day") << QDate(2026, 3, 20) << 0 << true;
    QTest::newRow("Aidilfitri") << QDate(2026, 3, 21) << 0 << false;
    QTest::newRow("a day later with +1: starts a day earlier") << QDate(2026, 2, 18) << 1 << true;
    QTest::newRow("+1 ends a day earlier") << QDate(2026, 3, 20) << 1 << false;
    QTest::newRow("-2 runs two days longer") << QDate(2026, 3, 22) << -2 << true;
    QTest::newRow("outside the table") << QDate(2031, 1, 1) << 0 << false;
}

void TestIslamicDays::ramadan()
{
    QFETCH(QDate, date);
    QFETCH(int, adjustment);
    QFETCH(bool, ramadan);
    QCOMPARE(IslamicDays::isRamadan(*m_manager, date, adjustment), ramadan);
}

void TestIslamicDays::adjustmentSetting_data()
{
    QTest::addColumn<int>("setting");
    QTest::addColumn<int>("days");
    QTest::newRow("none") << 0 << 0;
    QTest::newRow("-1 day") << 1 << -1;
    QTest::newRow("-2 days") << 2 << -2;
    QTest::newRow("+1 day") << 3 << 1;
    QTest::newRow("+2 days") << 4 << 2;
    QTest::newRow("unknown") << 9 << 0;
}

void TestIslamicDays::adjustmentSetting()
{
    QFETCH(int, setting);
    QFETCH(int, days);
    QCOMPARE(IslamicDays::adjustmentFromSetting(setting), days);
}

QTEST_GUILESS_MAIN(TestIslamicDays)
#include "test_islamicdays.moc"
