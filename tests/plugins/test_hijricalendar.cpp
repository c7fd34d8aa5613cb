// The Hijri calendar component of the timetable plug-in, reached directly:
// its binary search over the whole day table and the days outside it,
// which the shipped zone tables never ask for.

#include <QDate>
#include <QStandardPaths>
#include <QtTest>

#include "plugins/almarikdata/hijritablelookup.h"
#include "testcsv.h"

class TestHijriCalendar : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyDayOfTheTable();
    void daysOutsideTheTable();
    void titleOfEveryMonth();
};

void TestHijriCalendar::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestHijriCalendar::everyDayOfTheTable()
{
    static const char *const names[12] = {
        "Muharram", "Safar", "Rabiul Awal", "Rabiul Akhir", "Jamadil Awal", "Jamadil Akhir",
        "Rejab", "Syaaban", "Ramadan", "Syawal", "Zulkaedah", "Zulhijjah"
    };
    TestCsv takwim;
    QVERIFY(takwim.read(QStringLiteral(ALMARIK_TEST_DATA_DIR "/jakim/tarikh.csv")));
    QHash<QDate, QString> hijriOf;
    for (int row = 0; row < takwim.rowCount(); ++row) {
        hijriOf.insert(QDate::fromString(takwim.value(row, QStringLiteral("gregorian")), Qt::ISODate),
                       takwim.value(row, QStringLiteral("hijri")));
    }

    const HijriTableLookup calendar;
    int fromTakwim = 0;
    for (QDate date(2015, 1, 1); date <= QDate(2027, 12, 31); date = date.addDays(1)) {
        const AlmarikTables::HijriDayRow *row = calendar.dayOf(date.year(), date.month(), date.day());
        QVERIFY2(row, qPrintable(date.toString(Qt::ISODate)));
        QCOMPARE(QDate(row->year, row->month, row->day), date);
        if (!hijriOf.contains(date))
            continue;
        const QStringList parts = hijriOf.value(date).split(QLatin1Char('-'));
        QCOMPARE(row->hijriYear, parts.at(0).toInt());
        QCOMPARE(QString::fromLatin1(row->monthName), QLatin1String(names[parts.at(1).toInt() - 1]));
        QCOMPARE(row->hijriDay, parts.at(2).toInt());
        ++fromTakwim;
    }
    QCOMPARE(fromTakwim, int(QDate(2015, 1, 1).daysTo(QDate(2027, 12, 28))) + 1);
    QCOMPARE(calendar.dayOf(2017, 1, 1)->hijriDay, 2);
    QCOMPARE(QString::fromLatin1(calendar.dayOf(2015, 1, 1)->monthName), QStringLiteral("Rabiul Awal"));
}

void TestHijriCalendar::daysOutsideTheTable()
{
    const HijriTableLookup calendar;
    QCOMPARE(calendar.dayOf(2014, 12, 31), nullptr);
    QCOMPARE(calendar.dayOf(2028, 1, 1), nullptr);
    QCOMPARE(calendar.dayOf(2027, 2, 29), nullptr);
    QCOMPARE(calendar.dayOf(2026, 13, 1), nullptr);
    QCOMPARE(calendar.dayOf(2026, 1, 0), nullptr);
    QCOMPARE(calendar.dayOf(2026, 1, 32), nullptr);
    QCOMPARE(calendar.dayOf(0, 0, 0), nullptr);
    QCOMPARE(calendar.dayOf(INT_MIN, INT_MIN, INT_MIN), nullptr);
    QCOMPARE(calendar.dayOf(INT_MAX, INT_MAX, INT_MAX), nullptr);
    QVERIFY(calendar.dayOf(2016, 2, 29));  // a leap day inside the table
}

void TestHijriCalendar::titleOfEveryMonth()
{
    const HijriTableLookup calendar;
    // A month's title names the Hijri months of its first and last day and
    // the Hijri year of its last day.
    for (int year = 2015; year <= 2027; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const QDate first(year, month, 1);
            const QDate last(year, month, first.daysInMonth());
            const auto *a = calendar.dayOf(first.year(), first.month(), first.day());
            const auto *b = calendar.dayOf(last.year(), last.month(), last.day());
            QVERIFY(a && b);
            const QString title = calendar.monthTitle(year, month);
            QVERIFY2(title.startsWith(QLatin1String(a->monthName)), qPrintable(title));
            QVERIFY2(title.endsWith(QStringLiteral("%1 %2").arg(QLatin1String(b->monthName)).arg(b->hijriYear)),
                     qPrintable(title));
        }
    }
    QCOMPARE(calendar.monthTitle(2014, 12), QString());
    QCOMPARE(calendar.monthTitle(2028, 1), QString());
}

QTEST_GUILESS_MAIN(TestHijriCalendar)
#include "test_hijricalendar.moc"
