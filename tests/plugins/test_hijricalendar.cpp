// The Hijri calendar component of the timetable plug-in, reached directly:
// its binary search over the whole day table and the days outside it,
// which the shipped zone tables never ask for.

#include <QDate>
#include <QMap>
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
    void titlesOfTheTakwim();
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
    for (QDate date(2015, 1, 1); date <= QDate(2035, 12, 31); date = date.addDays(1)) {
        const AlmarikTables::HijriDayRow *row = calendar.dayOf(date.year(), date.month(), date.day());
        QVERIFY2(row, qPrintable(date.toString(Qt::ISODate)));
        QCOMPARE(QDate(row->year, row->month, row->day), date);
        if (!hijriOf.contains(date))
            continue;
        const QStringList parts = hijriOf.value(date).split(QLatin1Char('-'));
        QCOMPARE(row->hijriYear, parts.at(0).toInt());
        QCOMPARE(QString::fromLatin1(HijriTableLookup::monthName(*row)), QLatin1String(names[parts.at(1).toInt() - 1]));
        QCOMPARE(row->hijriDay, parts.at(2).toInt());
        ++fromTakwim;
    }
    QCOMPARE(fromTakwim, int(QDate(2015, 1, 1).daysTo(QDate(2027, 12, 28))) + 1);
    QCOMPARE(calendar.dayOf(2017, 1, 1)->hijriDay, 2);
    QCOMPARE(QString::fromLatin1(HijriTableLookup::monthName(*calendar.dayOf(2015, 1, 1))), QStringLiteral("Rabiul Awal"));
}

void TestHijriCalendar::daysOutsideTheTable()
{
    const HijriTableLookup calendar;
    QCOMPARE(calendar.dayOf(2014, 12, 31), nullptr);
    QCOMPARE(calendar.dayOf(2036, 1, 1), nullptr);
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
    for (int year = 2015; year <= 2035; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const QDate first(year, month, 1);
            const QDate last(year, month, first.daysInMonth());
            const auto *a = calendar.dayOf(first.year(), first.month(), first.day());
            const auto *b = calendar.dayOf(last.year(), last.month(), last.day());
            QVERIFY(a && b);
            const QString title = calendar.monthTitle(year, month);
            QVERIFY2(title.startsWith(QLatin1String(HijriTableLookup::monthName(*a))), qPrintable(title));
            QVERIFY2(title.endsWith(QStringLiteral("%1 %2").arg(QLatin1String(HijriTableLookup::monthName(*b))).arg(b->hijriYear)),
                     qPrintable(title));
        }
    }
    QCOMPARE(calendar.monthTitle(2014, 12), QString());
    QCOMPARE(calendar.monthTitle(2036, 1), QString());
}

void TestHijriCalendar::titlesOfTheTakwim()
{
    // Every month of 2015 to 2027 that the takwim covers whole has the
    // title the takwim's own days give.
    static const char *const names[12] = {
        "Muharram", "Safar", "Rabiul Awal", "Rabiul Akhir", "Jamadil Awal", "Jamadil Akhir",
        "Rejab", "Syaaban", "Ramadan", "Syawal", "Zulkaedah", "Zulhijjah"
    };
    TestCsv takwim;
    QVERIFY(takwim.read(QStringLiteral(ALMARIK_TEST_DATA_DIR "/jakim/tarikh.csv")));
    QMap<int, QStringList> monthsOf;   // year * 100 + month -> Hijri month names in order
    QMap<int, int> yearOf;
    QMap<int, int> daysOf;
    for (int row = 0; row < takwim.rowCount(); ++row) {
        const QDate date = QDate::fromString(takwim.value(row, QStringLiteral("gregorian")), Qt::ISODate);
        if (date.year() < 2015 || date.year() > 2027)
            continue;
        const QStringList parts = takwim.value(row, QStringLiteral("hijri")).split(QLatin1Char('-'));
        const int key = date.year() * 100 + date.month();
        const QString name = QLatin1String(names[parts.at(1).toInt() - 1]);
        if (monthsOf[key].isEmpty() || monthsOf[key].last() != name)
            monthsOf[key] << name;
        yearOf[key] = parts.at(0).toInt();
        ++daysOf[key];
    }
    const HijriTableLookup calendar;
    int whole = 0;
    for (auto it = monthsOf.cbegin(); it != monthsOf.cend(); ++it) {
        const QDate first(it.key() / 100, it.key() % 100, 1);
        if (daysOf.value(it.key()) != first.daysInMonth())
            continue;
        ++whole;
        QCOMPARE(calendar.monthTitle(first.year(), first.month()),
                 QStringLiteral("%1 %2").arg(it.value().join(QLatin1String(" - "))).arg(yearOf.value(it.key())));
    }
    QCOMPARE(whole, 13 * 12 - 1);   // December 2027 runs past the takwim
}

QTEST_GUILESS_MAIN(TestHijriCalendar)
#include "test_hijricalendar.moc"
