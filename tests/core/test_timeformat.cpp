#include <QtTest>

#include "core/timeformat.h"

// The 24-hour clock's text, which every grid cell, notice and export uses.
class TestTimeFormat : public QObject
{
    Q_OBJECT
private slots:
    void twentyFourHourText_data();
    void twentyFourHourText();
};

void TestTimeFormat::twentyFourHourText_data()
{
    QTest::addColumn<int>("hour");
    QTest::addColumn<int>("minute");
    QTest::addColumn<QString>("expected");
    QTest::newRow("midnight") << 0 << 0 << "00:00";
    QTest::newRow("one digit each") << 7 << 5 << "07:05";
    QTest::newRow("two digits each") << 13 << 45 << "13:45";
    QTest::newRow("last minute") << 23 << 59 << "23:59";
    // Values no table should hold are still written out, not garbled.
    QTest::newRow("hour past two digits") << 100 << 5 << "100:05";
    QTest::newRow("negative minute") << 6 << -1 << "06:-1";
}

void TestTimeFormat::twentyFourHourText()
{
    QFETCH(int, hour);
    QFETCH(int, minute);
    QFETCH(QString, expected);
    QCOMPARE(TimeFormat().text(hour, minute), expected);
}

QTEST_APPLESS_MAIN(TestTimeFormat)
#include "test_timeformat.moc"
