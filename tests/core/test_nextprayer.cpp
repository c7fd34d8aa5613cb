// The current period and the next prayer at chosen instants, and the
// countdown texts of both catalogues.

#include <QtTest>

#include "core/appconfig.h"
#include "core/language.h"
#include "core/nextprayer.h"

static void registerCatalogues() { Q_INIT_RESOURCE(languages); }

namespace {

// A day of Kuala Lumpur's table: Imsak 05:50, Subuh 06:00, Syuruk 07:10,
// Duha 07:35, Zohor 13:15, Asar 16:35, Maghrib 19:20, Isyak 20:30.
DailyTimes dayOf(const QDate &date, int subuhMinute = 0)
{
    DailyTimes day;
    day.year = date.year();
    day.month = date.month();
    day.day = date.day();
    const int times[PrayerSlotCount][2] = {{5, 50}, {6, subuhMinute}, {7, 10}, {7, 35},
                                           {13, 15}, {16, 35}, {19, 20}, {20, 30}};
    for (int slot = 0; slot < PrayerSlotCount; ++slot) {
        day.times[slot][0] = times[slot][0];
        day.times[slot][1] = times[slot][1];
    }
    return day;
}

} // namespace

class TestNextPrayer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void periods_data();
    void periods();
    void noTomorrowAfterIsyak();
    void nextChange_data();
    void nextChange();
    void countdownTexts_data();
    void countdownTexts();

private:
    AppConfig m_englishConfig;
    AppConfig m_malayConfig;
    Language *m_english = nullptr;
    Language *m_malay = nullptr;
};

void TestNextPrayer::initTestCase()
{
    registerCatalogues();
    m_malayConfig.language = QStringLiteral("Bahasa Malaysia");
    m_english = new Language(m_englishConfig, this);
    m_malay = new Language(m_malayConfig, this);
    QVERIFY(m_english->load(false));
    QVERIFY(m_malay->load(false));
}

void TestNextPrayer::periods_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<int>("current");
    QTest::addColumn<bool>("currentIsPrayer");
    QTest::addColumn<int>("next");
    QTest::addColumn<QDateTime>("nextTime");
    QTest::addColumn<int>("minutesLeft");

    // 2026-03-11 is a Wednesday, 2026-03-13 a Friday.
    const QDate wed(2026, 3, 11);
    const QDate thu(2026, 3, 12);
    const QDate fri(2026, 3, 13);
    auto at = [](const QDate &d, int h, int m, int s = 0) { return QDateTime(d, QTime(h, m, s)); };

    QTest::newRow("after midnight, before Imsak: still Isyak")
            << at(wed, 0, 30) << int(Isyak) << true << int(Subuh) << at(wed, 6, 0) << 330;
    QTest::newRow("Imsak is a period, not a prayer")
            << at(wed, 5, 55) << int(Imsak) << false << int(Subuh) << at(wed, 6, 0) << 5;
    QTest::newRow("at Subuh's minute")
            << at(wed, 6, 0) << int(Subuh) << true << int(Zohor) << at(wed, 13, 15) << 435;
    QTest::newRow("Syuruk ends Subuh's time")
            << at(wed, 7, 20) << int(Syuruk) << false << int(Zohor) << at(wed, 13, 15) << 355;
    QTest::newRow("between Syuruk and Duha, seconds round up")
            << at(wed, 7, 30, 1) << int(Syuruk) << false << int(Zohor) << at(wed, 13, 15) << 345;
    QTest::newRow("Duha")
            << at(wed, 9, 0) << int(Duha) << false << int(Zohor) << at(wed, 13, 15) << 255;
    QTest::newRow("one second before Asar")
            << at(wed, 16, 34, 59) << int(Zohor) << true << int(Asar) << at(wed, 16, 35) << 1;
    QTest::newRow("after Isyak rolls to tomorrow's Subuh")
            << at(wed, 22, 0) << int(Isyak) << true << int(Subuh) << at(thu, 6, 0) << 480;
    QTest::newRow("just before midnight")
            << at(thu, 23, 59) << int(Isyak) << true << int(Subuh) << at(fri, 6, 0) << 361;
    QTest::newRow("Friday morning: next is Jumaat's Zohor")
            << at(fri, 12, 0) << int(Duha) << false << int(Zohor) << at(fri, 13, 15) << 75;
}

void TestNextPrayer::periods()
{
    QFETCH(QDateTime, now);
    QFETCH(int, current);
    QFETCH(bool, currentIsPrayer);
    QFETCH(int, next);
    QFETCH(QDateTime, nextTime);
    QFETCH(int, minutesLeft);

    const DailyTimes today = dayOf(now.date());
    const DailyTimes tomorrow = dayOf(now.date().addDays(1));
    const NextPrayer state(now, today, &tomorrow);
    QVERIFY(state.isValid());
    QCOMPARE(state.currentSlot(), current);
    QCOMPARE(state.currentIsPrayer(), currentIsPrayer);
    QCOMPARE(state.nextSlot(), next);
    QCOMPARE(state.nextTime(), nextTime);
    QCOMPARE(state.minutesLeft(), minutesLeft);
    QCOMPARE(state.nextIsJumaat(), next == Zohor && nextTime.date().dayOfWeek() == Qt::Friday);
}

void TestNextPrayer::noTomorrowAfterIsyak()
{
    // The last day of the table: after Isyak nothing is known to come.
    const QDate last(2027, 12, 31);
    const DailyTimes today = dayOf(last);
    const NextPrayer state(QDateTime(last, QTime(21, 0)), today, nullptr);
    QCOMPARE(state.currentSlot(), int(Isyak));
    QCOMPARE(state.nextSlot(), -1);
    QCOMPARE(state.minutesLeft(), -1);
    QCOMPARE(state.countdownText(*m_english), QString());
}

void TestNextPrayer::nextChange_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QDateTime>("change");
    const QDate wed(2026, 3, 11);
    const QDate thu(2026, 3, 12);
    QTest::newRow("mid-minute: at the next whole minute")
            << QDateTime(wed, QTime(15, 23, 20)) << QDateTime(wed, QTime(15, 24, 0));
    QTest::newRow("on the minute: a full minute on")
            << QDateTime(wed, QTime(15, 23, 0)) << QDateTime(wed, QTime(15, 24, 0));
    QTest::newRow("just before Syuruk: the period ends first")
            << QDateTime(wed, QTime(7, 9, 40, 500)) << QDateTime(wed, QTime(7, 10, 0));
    QTest::newRow("after Isyak, the countdown to tomorrow's Subuh")
            << QDateTime(wed, QTime(23, 59, 59)) << QDateTime(thu, QTime(0, 0, 0));
}

void TestNextPrayer::nextChange()
{
    QFETCH(QDateTime, now);
    QFETCH(QDateTime, change);
    const DailyTimes today = dayOf(now.date());
    const DailyTimes tomorrow = dayOf(now.date().addDays(1));
    const NextPrayer state(now, today, &tomorrow);
    QCOMPARE(state.nextChange(), change);
    // The shown minutes do not change before that moment, and do at it.
    const NextPrayer before(change.addMSecs(-1), today, &tomorrow);
    const NextPrayer at(change, today, &tomorrow);
    QCOMPARE(before.minutesLeft(), state.minutesLeft());
    QVERIFY(at.minutesLeft() != state.minutesLeft() || at.currentSlot() != state.currentSlot());
}

void TestNextPrayer::countdownTexts_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("malay");
    QTest::addColumn<QString>("currentEnglish");
    QTest::addColumn<bool>("ramadan");

    const QDate wed(2026, 3, 11);
    const QDate fri(2026, 3, 13);
    QTest::newRow("hours and minutes") << QDateTime(wed, QTime(15, 23))
            << "Asar in 1 h 12 min" << "Asar dalam 1 jam 12 minit" << "Zohor" << false;
    QTest::newRow("minutes only") << QDateTime(wed, QTime(19, 5))
            << "Maghrib in 15 min" << "Maghrib dalam 15 minit" << "Asar" << false;
    QTest::newRow("whole hours") << QDateTime(wed, QTime(18, 20))
            << "Maghrib in 1 h" << "Maghrib dalam 1 jam" << "Asar" << false;
    QTest::newRow("after Isyak to Subuh") << QDateTime(wed, QTime(23, 0))
            << "Subuh in 7 h" << "Subuh dalam 7 jam" << "Isyak" << false;
    QTest::newRow("Friday's Zohor is Jumaat") << QDateTime(fri, QTime(11, 45))
            << "Jumaat in 1 h 30 min" << "Jumaat dalam 1 jam 30 minit" << "Duha" << false;
    QTest::newRow("during Jumaat") << QDateTime(fri, QTime(14, 0))
            << "Asar in 2 h 35 min" << "Asar dalam 2 jam 35 minit" << "Jumaat" << false;
    QTest::newRow("between Syuruk and Duha") << QDateTime(wed, QTime(7, 15))
            << "Zohor in 6 h" << "Zohor dalam 6 jam" << "Syuruk" << false;
    QTest::newRow("Ramadan: Maghrib is iftar") << QDateTime(wed, QTime(19, 5))
            << "Iftar in 15 min" << "Berbuka puasa dalam 15 minit" << "Asar" << true;
    QTest::newRow("Ramadan: during the end of sahur") << QDateTime(wed, QTime(5, 52))
            << "Subuh in 8 min" << "Subuh dalam 8 minit" << "End of sahur" << true;
    QTest::newRow("Ramadan: a Friday's Zohor stays Jumaat") << QDateTime(fri, QTime(11, 45))
            << "Jumaat in 1 h 30 min" << "Jumaat dalam 1 jam 30 minit" << "Duha" << true;
}

void TestNextPrayer::countdownTexts()
{
    QFETCH(QDateTime, now);
    QFETCH(QString, english);
    QFETCH(QString, malay);
    QFETCH(QString, currentEnglish);
    QFETCH(bool, ramadan);

    const DailyTimes today = dayOf(now.date());
    const DailyTimes tomorrow = dayOf(now.date().addDays(1));
    const NextPrayer state(now, today, &tomorrow);
    QCOMPARE(state.countdownText(*m_english, ramadan), english);
    QCOMPARE(state.countdownText(*m_malay, ramadan), malay);
    QCOMPARE(state.currentText(*m_english, ramadan), currentEnglish);
}

QTEST_GUILESS_MAIN(TestNextPrayer)
#include "test_nextprayer.moc"
