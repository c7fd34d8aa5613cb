#include <QFile>
#include <QHash>
#include <QStandardPaths>
#include <QTimeZone>
#include <QtTest>

#include "core/appconfig.h"
#include "core/clocksetwatcher.h"
#include "core/dailytimes.h"
#include "core/language.h"
#include "core/minuteclock.h"
#include "core/prayernotifier.h"
#include "core/soundrecordings.h"
#include "core/prayerslot.h"
#include "resources/resourceregistry.h"

// Drives the notifier decision through whole days and through the clock
// ticks of the main window's timer, with timetables made up per test.
class TestNotifier : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void leadTimes_data();
    void leadTimes();
    void messageDurations_data();
    void messageDurations();
    void soundUrls_data();
    void soundUrls();
    void everySoundResourceIsCompiledIn();
    void everyRecordingIsStoredOnce();

    void zohorTenMinutesBefore();
    void reminderAndOnTimeEachOnce_data();
    void reminderAndOnTimeEachOnce();
    void zohorOnTime();
    void fridaysZohorIsJumaat();
    void imsakAndSubuhInTheSameMinute();
    void leadTimeCrossingMidnightIsNeverDue();
    void subuhAzanVariants_data();
    void subuhAzanVariants();
    void disabledSlotNeverNotifies();
    void outOfRangeSettings();
    void customSoundPaths_data();
    void customSoundPaths();
    void noTimesForTheDate();
    void emptyZoneName();
    void everyMinuteOfADay_data();
    void everyMinuteOfADay();
    void newSettingsDefaults_data();
    void newSettingsDefaults();
    void noticesInTheChosenLanguage_data();
    void noticesInTheChosenLanguage();

    void tickMissingSecondZero();
    void twoTicksInSecondZero();
    void suspendSkipsOldMinutes();
    void catchUpReachesFiveMinutesBack();
    void startInsideOrAfterSecondZero();
    void clockStepsBack();
    void catchUpOverMidnight();
    void clockSetBackRingsOnce_data();
    void clockSetBackRingsOnce();
    void repeatedHourRingsOnce();

    void clockArmsForTheNextMinute_data();
    void clockArmsForTheNextMinute();
    void clockDrivesTheNotifier();
    void clockNoticesJumpsAndZoneChanges_data();
    void clockNoticesJumpsAndZoneChanges();
    void clockSetIsWatched();
#ifndef Q_OS_WIN
    void zoneChangeIsTold_data();
    void zoneChangeIsTold();
#endif

private:
    PrayerNotifier makeNotifier();
    void setTimes(const QDate &date, const QList<QTime> &times);
    static QDateTime at(const QDate &date, int hour, int minute, int second = 0, int ms = 0);
    QString prayer(int slot) const { return m_language->text(QStringLiteral("Prayer.") + prayerSlotName(slot)); }

    AppConfig m_config;
    Language *m_language = nullptr;
    QHash<QDate, DailyTimes> m_days;
    QString m_zone;
    int m_lookups = 0;
};

namespace {
const QDate Day(2025, 6, 12);
const QString OnTime = QStringLiteral("It is now time for the %1 prayer in %2 and the places that share its times.");
const QString BeforeTime = QStringLiteral("The %1 prayer begins in %3 minutes in %2 and the places that share its times.");

// A plausible Kuala Lumpur day.
QList<QTime> ordinaryDay()
{
    return {QTime(5, 45), QTime(5, 55), QTime(7, 5), QTime(7, 30),
            QTime(13, 15), QTime(16, 38), QTime(19, 25), QTime(20, 39)};
}
}

void TestNotifier::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    registerAlmarikResources();
    m_config.language = QStringLiteral("English");
    m_language = new Language(m_config, this);
    QVERIFY(m_language->load(false));
}

void TestNotifier::init()
{
    m_config = AppConfig();
    m_config.language = QStringLiteral("English");
    m_days.clear();
    m_zone = QStringLiteral("Kuala Lumpur");
    m_lookups = 0;
}

PrayerNotifier TestNotifier::makeNotifier()
{
    return PrayerNotifier(
            m_config, *m_language,
            [this](const QDate &date, DailyTimes &out) {
                ++m_lookups;
                if (!m_days.contains(date))
                    return false;
                out = m_days.value(date);
                return true;
            },
            [this] { return m_zone; });
}

void TestNotifier::setTimes(const QDate &date, const QList<QTime> &times)
{
    DailyTimes day;
    day.day = date.day();
    day.month = date.month();
    day.year = date.year();
    for (int slot = 0; slot < PrayerSlotCount; ++slot) {
        day.times[slot][0] = times.at(slot).hour();
        day.times[slot][1] = times.at(slot).minute();
    }
    m_days.insert(date, day);
}

QDateTime TestNotifier::at(const QDate &date, int hour, int minute, int second, int ms)
{
    return QDateTime(date, QTime(hour, minute, second, ms));
}

void TestNotifier::leadTimes_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("minutes");
    QTest::newRow("at the time") << 0 << 0;
    QTest::newRow("5") << 1 << 5;
    QTest::newRow("10") << 2 << 10;
    QTest::newRow("15") << 3 << 15;
    QTest::newRow("30") << 4 << 30;
    QTest::newRow("negative counts as 0") << -1 << 0;
    QTest::newRow("past the table counts as 0") << 5 << 0;
    QTest::newRow("huge counts as 0") << 2147483647 << 0;
}

void TestNotifier::leadTimes()
{
    QFETCH(int, index);
    QFETCH(int, minutes);
    QCOMPARE(PrayerNotifier::leadMinutes(index), minutes);
}

void TestNotifier::messageDurations_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<int>("milliseconds");
    QTest::newRow("turn off") << 0 << 0 << 0;
    QTest::newRow("5 s") << 1 << 5 << 5000;
    QTest::newRow("10 s") << 2 << 10 << 10000;
    QTest::newRow("15 s") << 3 << 15 << 15000;
    QTest::newRow("30 s") << 4 << 30 << 30000;
    QTest::newRow("1 min") << 5 << 60 << 60000;
    QTest::newRow("forever is capped") << 6 << 2147483647 << 2147483647;
    QTest::newRow("negative counts as off") << -3 << 0 << 0;
    QTest::newRow("past the table counts as off") << 7 << 0 << 0;
}

void TestNotifier::messageDurations()
{
    QFETCH(int, index);
    QFETCH(int, seconds);
    QFETCH(int, milliseconds);
    QCOMPARE(PrayerNotifier::messageSeconds(index), seconds);
    QCOMPARE(PrayerNotifier::balloonMilliseconds(index), milliseconds);
}

void TestNotifier::soundUrls_data()
{
    QTest::addColumn<int>("sound");
    QTest::addColumn<int>("muazin");
    QTest::addColumn<bool>("subuh");
    QTest::addColumn<QString>("custom");
    QTest::addColumn<QString>("url");
    const QString custom = QStringLiteral("/home/user/azan.mp3");
    QTest::newRow("off") << 0 << 0 << false << custom << QString();
    QTest::newRow("azan 0") << 1 << 0 << false << custom << QStringLiteral("qrc:/sounds/AzanOrvan.mp3");
    QTest::newRow("azan 0 subuh") << 1 << 0 << true << custom << QStringLiteral("qrc:/sounds/AzanOrvanSubuh.mp3");
    QTest::newRow("azan 1") << 1 << 1 << false << custom << QStringLiteral("qrc:/sounds/AzanTessaly.mp3");
    QTest::newRow("azan 1 subuh") << 1 << 1 << true << custom << QStringLiteral("qrc:/sounds/AzanTessalySubuh.mp3");
    QTest::newRow("azan 2") << 1 << 2 << false << custom << QStringLiteral("qrc:/sounds/AzanBelunar.mp3");
    QTest::newRow("azan 2 subuh") << 1 << 2 << true << custom << QStringLiteral("qrc:/sounds/AzanBelunarSubuh.mp3");
    QTest::newRow("azan, muazzin 3") << 1 << 3 << false << custom << QString();
    QTest::newRow("azan, muazzin -1") << 1 << -1 << true << custom << QString();
    QTest::newRow("short 0") << 2 << 0 << false << custom << QStringLiteral("qrc:/sounds/ShortAzanOrvan.mp3");
    QTest::newRow("short 1 subuh") << 2 << 1 << true << custom << QStringLiteral("qrc:/sounds/ShortAzanTessaly.mp3");
    QTest::newRow("short 2") << 2 << 2 << false << custom << QStringLiteral("qrc:/sounds/ShortAzanBelunar.mp3");
    QTest::newRow("short, muazzin 9") << 2 << 9 << false << custom << QString();
    QTest::newRow("iqamah") << 3 << 9 << true << custom << QStringLiteral("qrc:/sounds/Iqamat.mp3");
    QTest::newRow("3 beep") << 4 << 0 << false << custom << QStringLiteral("qrc:/sounds/NotifyThreeBeep.mp3");
    QTest::newRow("ding dong") << 5 << 0 << false << custom << QStringLiteral("qrc:/sounds/NotifyDingDong.mp3");
    QTest::newRow("ding") << 6 << 0 << false << custom << QStringLiteral("qrc:/sounds/NotifyDing.mp3");
    QTest::newRow("bird") << 7 << 0 << false << custom << QStringLiteral("qrc:/sounds/NotifyBird.mp3");
    QTest::newRow("door bell") << 8 << 0 << false << custom << QStringLiteral("qrc:/sounds/NotifyDoorBell.mp3");
    QTest::newRow("clock") << 9 << 0 << false << custom << QStringLiteral("qrc:/sounds/NotifyClock.mp3");
    QTest::newRow("drop") << 10 << 0 << false << custom << QStringLiteral("qrc:/sounds/NotifyDrop.mp3");
    QTest::newRow("hon") << 11 << 0 << false << custom << QStringLiteral("qrc:/sounds/NotifyHon.mp3");
    QTest::newRow("custom") << 12 << 7 << true << custom << custom;
    QTest::newRow("custom, empty") << 12 << 0 << false << QString() << QString();
    QTest::newRow("13") << 13 << 0 << false << custom << QString();
    QTest::newRow("-1") << -1 << 0 << false << custom << QString();
}

void TestNotifier::soundUrls()
{
    QFETCH(int, sound);
    QFETCH(int, muazin);
    QFETCH(bool, subuh);
    QFETCH(QString, custom);
    QFETCH(QString, url);
    QCOMPARE(PrayerNotifier::soundUrl(sound, muazin, subuh, custom), url);
}

void TestNotifier::everySoundResourceIsCompiledIn()
{
    // Every URL the notifier can hand out names an MP3 in the resources.
    QSet<QString> urls;
    for (int sound = 1; sound <= 11; ++sound) {
        for (int muazin = 0; muazin < 3; ++muazin) {
            for (bool subuh : {false, true})
                urls.insert(PrayerNotifier::soundUrl(sound, muazin, subuh, QString()));
        }
    }
    QCOMPARE(urls.size(), 6 + 3 + 1 + 8);
    for (const QString &url : qAsConst(urls)) {
        QVERIFY2(url.startsWith(QLatin1String("qrc:/sounds/")), qPrintable(url));
        const QString recording = SoundRecordings::recordingUrl(url);
        QVERIFY2(recording.startsWith(QLatin1String("qrc:/recordings/")), qPrintable(url));
        QFile file(recording.mid(3));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(url));
        const QByteArray head = file.read(3);
        // An ID3 tag or an MPEG audio frame sync.
        const bool mp3 = head == "ID3" || (head.size() == 3 && uchar(head[0]) == 0xFF && (uchar(head[1]) & 0xE0) == 0xE0);
        QVERIFY2(mp3, qPrintable(url));
        QVERIFY2(file.size() > 10000, qPrintable(url));
    }
}

void TestNotifier::everyRecordingIsStoredOnce()
{
    // Names share recordings through the table; the resources hold each
    // recording's bytes once, and every recording is named by some sound.
    QSet<QString> used;
    for (const QString &name : SoundRecordings::soundNames())
        used.insert(SoundRecordings::recordingUrl(QStringLiteral("qrc:/sounds/") + name + QStringLiteral(".mp3")));
    QSet<QByteArray> contents;
    const QStringList files = QDir(QStringLiteral(":/recordings")).entryList(QDir::Files);
    QVERIFY(!files.isEmpty());
    for (const QString &name : files) {
        QFile file(QStringLiteral(":/recordings/") + name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll();
        QVERIFY2(!contents.contains(data), qPrintable(name));
        contents.insert(data);
        QVERIFY2(used.contains(QStringLiteral("qrc:/recordings/") + name), qPrintable(name));
    }
    QCOMPARE(used.size(), files.size());
    QVERIFY(SoundRecordings::recordingUrl(QStringLiteral("qrc:/sounds/NoSuchSound.mp3")).isEmpty());
    QCOMPARE(SoundRecordings::recordingUrl(QStringLiteral("QRC:/SOUNDS/AzanBelunar.mp3")),
             SoundRecordings::recordingUrl(QStringLiteral("qrc:/sounds/AzanOrvan.mp3")));
}

void TestNotifier::zohorTenMinutesBefore()
{
    setTimes(Day, ordinaryDay());
    m_config.prayer[Zohor].alarmTime = 2;
    PrayerNotifier notifier = makeNotifier();

    QVERIFY(!notifier.examine(at(Day, 13, 4)).isValid());
    const PrayerNotifier::Notice notice = notifier.examine(at(Day, 13, 5));
    QVERIFY(notice.isValid());
    QCOMPARE(notice.slot, int(Zohor));
    QCOMPARE(notice.leadMinutes, 10);
    QCOMPARE(notice.title, QStringLiteral("Zohor prayer time"));
    QCOMPARE(notice.message, BeforeTime.arg(prayer(Zohor), m_zone, QStringLiteral("10")));
    QVERIFY(notice.message.contains(QStringLiteral("in 10 minutes")));
    QCOMPARE(notice.balloonMilliseconds, 15000);
    // The reminder plays its own sound, a chime unless chosen otherwise.
    QVERIFY(notice.isReminder());
    QCOMPARE(notice.soundUrl, QStringLiteral("qrc:/sounds/NotifyDing.mp3"));
    QCOMPARE(notice.volume, 80);
    QVERIFY(!notifier.examine(at(Day, 13, 6)).isValid());
    // The notice at the time still comes, with the slot's own sound.
    const PrayerNotifier::Notice onTime = notifier.examine(at(Day, 13, 15));
    QCOMPARE(onTime.slot, int(Zohor));
    QVERIFY(!onTime.isReminder());
    QCOMPARE(onTime.message, OnTime.arg(prayer(Zohor), m_zone));
    QCOMPARE(onTime.soundUrl, QStringLiteral("qrc:/sounds/AzanBelunar.mp3"));
}

void TestNotifier::reminderAndOnTimeEachOnce_data()
{
    QTest::addColumn<int>("reminderSound");
    QTest::addColumn<QString>("reminderUrl");
    QTest::newRow("chime") << int(NotifierSetting::SoundDingDong) << QStringLiteral("qrc:/sounds/NotifyDingDong.mp3");
    QTest::newRow("silent reminder") << int(NotifierSetting::SoundOff) << QString();
    QTest::newRow("custom") << int(NotifierSetting::SoundCustom) << QStringLiteral("/home/aminah/zohor.ogg");
}

void TestNotifier::reminderAndOnTimeEachOnce()
{
    QFETCH(int, reminderSound);
    QFETCH(QString, reminderUrl);
    setTimes(Day, ordinaryDay());
    PrayerSettings &zohor = m_config.prayer[Zohor];
    zohor.alarmTime = NotifierSetting::Before15Minutes;
    zohor.reminderSound = reminderSound;
    zohor.customSoundPath = QStringLiteral("/home/aminah/zohor.ogg");
    PrayerNotifier notifier = makeNotifier();
    notifier.start(at(Day, 12, 50, 30));

    // Ticked every 20 seconds through the hour, with the clock set back ten
    // minutes after each notice: each of the two rings once.
    QList<PrayerNotifier::Notice> rung;
    QDateTime now = at(Day, 12, 50, 40);
    while (now < at(Day, 13, 30)) {
        const QList<PrayerNotifier::Notice> notices = notifier.tick(now);
        rung += notices;
        now = notices.isEmpty() ? now.addSecs(20) : now.addSecs(-600);
    }
    QCOMPARE(rung.size(), 2);
    QVERIFY(rung.at(0).isReminder());
    QCOMPARE(rung.at(0).slot, int(Zohor));
    QCOMPARE(rung.at(0).minute, at(Day, 13, 0));
    QCOMPARE(rung.at(0).soundUrl, reminderUrl);
    QVERIFY(!rung.at(1).isReminder());
    QCOMPARE(rung.at(1).slot, int(Zohor));
    QCOMPARE(rung.at(1).minute, at(Day, 13, 15));
    QCOMPARE(rung.at(1).soundUrl, QStringLiteral("qrc:/sounds/AzanBelunar.mp3"));
}

void TestNotifier::zohorOnTime()
{
    setTimes(Day, ordinaryDay());
    PrayerNotifier notifier = makeNotifier();
    QVERIFY(!notifier.examine(at(Day, 13, 5)).isValid());
    const PrayerNotifier::Notice notice = notifier.examine(at(Day, 13, 15, 0));
    QCOMPARE(notice.slot, int(Zohor));
    QCOMPARE(notice.leadMinutes, 0);
    QCOMPARE(notice.message, OnTime.arg(prayer(Zohor), m_zone));
}

void TestNotifier::fridaysZohorIsJumaat()
{
    const QDate friday = Day.addDays(1);
    QCOMPARE(friday.dayOfWeek(), int(Qt::Friday));
    setTimes(friday, ordinaryDay());
    PrayerNotifier notifier = makeNotifier();
    const PrayerNotifier::Notice notice = notifier.examine(at(friday, 13, 15, 0));
    QCOMPARE(notice.slot, int(Zohor));
    QCOMPARE(notice.title, QStringLiteral("Jumaat prayer time"));
    QCOMPARE(notice.message, OnTime.arg(QStringLiteral("Jumaat"), m_zone));
}

void TestNotifier::imsakAndSubuhInTheSameMinute()
{
    setTimes(Day, {QTime(5, 45), QTime(5, 55), QTime(7, 5), QTime(7, 30),
                   QTime(13, 15), QTime(16, 38), QTime(19, 25), QTime(20, 39)});
    m_config.prayer[Subuh].alarmTime = 2;
    PrayerNotifier notifier = makeNotifier();
    const PrayerNotifier::Notice notice = notifier.examine(at(Day, 5, 45));
    QCOMPARE(notice.slot, int(Imsak));
    QCOMPARE(notice.title, QStringLiteral("Imsak"));

    // Subuh's reminder shares the minute and comes second.
    const QList<PrayerNotifier::Notice> both = notifier.examineAll(at(Day, 5, 45));
    QCOMPARE(both.size(), 2);
    QCOMPARE(both.at(1).slot, int(Subuh));
    QVERIFY(both.at(1).isReminder());

    // With Imsak off, the same minute belongs to Subuh.
    m_config.prayer[Imsak].enable = false;
    QCOMPARE(notifier.examine(at(Day, 5, 45)).slot, int(Subuh));
}

void TestNotifier::leadTimeCrossingMidnightIsNeverDue()
{
    // A made-up zone whose Isyak falls just after midnight.
    QList<QTime> times = ordinaryDay();
    times[Isyak] = QTime(0, 10);
    setTimes(Day, times);
    setTimes(Day.addDays(-1), times);
    m_config.prayer[Isyak].alarmTime = 4;
    PrayerNotifier notifier = makeNotifier();
    for (QDateTime minute = at(Day.addDays(-1), 0, 0); minute < at(Day.addDays(1), 0, 0);
         minute = minute.addSecs(60)) {
        for (const PrayerNotifier::Notice &notice : notifier.examineAll(minute))
            QVERIFY2(notice.slot != Isyak || !notice.isReminder(), qPrintable(minute.toString()));
    }
}

void TestNotifier::subuhAzanVariants_data()
{
    QTest::addColumn<int>("muazin");
    QTest::addColumn<QString>("voice");
    QTest::newRow("0") << 0 << QStringLiteral("Orvan");
    QTest::newRow("1") << 1 << QStringLiteral("Tessaly");
    QTest::newRow("2") << 2 << QStringLiteral("Belunar");
}

void TestNotifier::subuhAzanVariants()
{
    QFETCH(int, muazin);
    QFETCH(QString, voice);
    setTimes(Day, ordinaryDay());
    for (PrayerSettings &settings : m_config.prayer) {
        settings.notificationSound = 1;
        settings.muazin = muazin;
    }
    PrayerNotifier notifier = makeNotifier();
    const QList<QTime> times = ordinaryDay();
    for (int slot = 0; slot < PrayerSlotCount; ++slot) {
        const PrayerNotifier::Notice notice = notifier.examine(QDateTime(Day, times.at(slot)));
        QCOMPARE(notice.slot, slot);
        const QString expected = QStringLiteral("qrc:/sounds/Azan") + voice
                + (slot == Subuh ? QStringLiteral("Subuh") : QString()) + QStringLiteral(".mp3");
        QCOMPARE(notice.soundUrl, expected);
    }
    // The short azan has no dawn variant.
    m_config.prayer[Subuh].notificationSound = 2;
    m_config.prayer[Imsak].notificationSound = 2;
    QCOMPARE(notifier.examine(QDateTime(Day, times.at(Subuh))).soundUrl,
             notifier.examine(QDateTime(Day, times.at(Imsak))).soundUrl);
}

void TestNotifier::disabledSlotNeverNotifies()
{
    setTimes(Day, ordinaryDay());
    m_config.prayer[Asar].enable = false;
    m_config.prayer[Asar].alarmTime = 3;
    m_config.prayer[Asar].notificationSound = 1;
    PrayerNotifier notifier = makeNotifier();
    int notices = 0;
    for (QDateTime minute = at(Day, 0, 0); minute.date() == Day; minute = minute.addSecs(60)) {
        const PrayerNotifier::Notice notice = notifier.examine(minute);
        QVERIFY(notice.slot != Asar);
        notices += notice.isValid();
    }
    QCOMPARE(notices, PrayerSlotCount - 1);
}

void TestNotifier::outOfRangeSettings()
{
    setTimes(Day, ordinaryDay());
    PrayerSettings &maghrib = m_config.prayer[Maghrib];
    maghrib.alarmTime = 17;
    maghrib.messageDuration = -4;
    maghrib.notificationSound = 2;
    maghrib.muazin = 3;
    maghrib.audioVolume = 250;
    PrayerNotifier notifier = makeNotifier();

    // An unknown lead time is "at the time".
    QVERIFY(!notifier.examine(at(Day, 19, 20)).isValid());
    PrayerNotifier::Notice notice = notifier.examine(at(Day, 19, 25));
    QCOMPARE(notice.slot, int(Maghrib));
    QCOMPARE(notice.leadMinutes, 0);
    QCOMPARE(notice.message, OnTime.arg(prayer(Maghrib), m_zone));
    // An unknown duration is "Turn off"; an unknown muazzin plays nothing.
    QCOMPARE(notice.balloonMilliseconds, 0);
    QVERIFY(notice.soundUrl.isEmpty());
    QVERIFY(notice.volume >= 0 && notice.volume <= 100);

    maghrib.notificationSound = 40;
    maghrib.muazin = 1;
    maghrib.audioVolume = -5;
    notice = notifier.examine(at(Day, 19, 25));
    QCOMPARE(notice.slot, int(Maghrib));
    QVERIFY(notice.soundUrl.isEmpty());
    QVERIFY(notice.volume >= 0 && notice.volume <= 100);
}

void TestNotifier::customSoundPaths_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("missing file") << QStringLiteral("/nonexistent/folder/azan.mp3");
    QTest::newRow("not audio") << QStringLiteral("/etc/hostname");
    QTest::newRow("non-ASCII") << QStringLiteral("/home/pengguna/Muzik/azan \u0623\u0630\u0627\u0646 Subuh \u00e9\u00e8.mp3");
    QTest::newRow("resource in capitals") << QStringLiteral("QRC:/sounds/NotifyDing.mp3");
    QTest::newRow("spaces and percent") << QStringLiteral("/tmp/my azan %20 100%.mp3");
}

void TestNotifier::customSoundPaths()
{
    QFETCH(QString, path);
    setTimes(Day, ordinaryDay());
    m_config.prayer[Isyak].notificationSound = 12;
    m_config.prayer[Isyak].customSoundPath = path;
    m_config.prayer[Isyak].audioVolume = 35;
    PrayerNotifier notifier = makeNotifier();
    const PrayerNotifier::Notice notice = notifier.examine(at(Day, 20, 39));
    QCOMPARE(notice.slot, int(Isyak));
    // The path goes to the player unchanged; the player decides how to open it.
    QCOMPARE(notice.soundUrl, path);
    QCOMPARE(notice.volume, 35);
}

void TestNotifier::noTimesForTheDate()
{
    setTimes(Day, ordinaryDay());
    PrayerNotifier notifier = makeNotifier();
    QVERIFY(!notifier.examine(at(Day.addDays(1), 13, 15)).isValid());
    QVERIFY(notifier.examine(at(Day, 13, 15)).isValid());
}

void TestNotifier::emptyZoneName()
{
    setTimes(Day, ordinaryDay());
    m_zone.clear();
    m_config.prayer[Asar].alarmTime = 1;
    PrayerNotifier notifier = makeNotifier();
    const PrayerNotifier::Notice notice = notifier.examine(at(Day, 16, 33));
    QCOMPARE(notice.message, BeforeTime.arg(prayer(Asar), QString(), QStringLiteral("5")));
    QVERIFY(notice.message.contains(QStringLiteral("in  and")));
}

void TestNotifier::everyMinuteOfADay_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("leadIndex");
    QTest::newRow("ordinary day, at the time") << QDate(2025, 6, 12) << 0;
    QTest::newRow("leap day, 5 before") << QDate(2024, 2, 29) << 1;
    QTest::newRow("new year's eve, 15 before") << QDate(2025, 12, 31) << 3;
    QTest::newRow("first of the year, 30 before") << QDate(2027, 1, 1) << 4;
}

void TestNotifier::everyMinuteOfADay()
{
    QFETCH(QDate, date);
    QFETCH(int, leadIndex);
    const QList<QTime> times = ordinaryDay();
    setTimes(date, times);
    const int lead = QList<int>{0, 5, 10, 15, 30}.at(leadIndex);
    for (PrayerSettings &settings : m_config.prayer)
        settings.alarmTime = leadIndex;
    PrayerNotifier notifier = makeNotifier();

    // Each slot is due exactly once at its time and, with a lead time, once
    // `lead` minutes before it; each kind comes in slot order through the day.
    QList<int> onTimeSlots;
    QList<int> reminderSlots;
    for (QDateTime minute = at(date, 0, 0); minute.date() == date; minute = minute.addSecs(60)) {
        for (const PrayerNotifier::Notice &notice : notifier.examineAll(minute)) {
            QCOMPARE(minute.time().addSecs(notice.leadMinutes * 60), times.at(notice.slot));
            if (notice.isReminder()) {
                QCOMPARE(notice.leadMinutes, lead);
                reminderSlots.append(notice.slot);
            } else {
                onTimeSlots.append(notice.slot);
            }
        }
    }
    const QList<int> all{0, 1, 2, 3, 4, 5, 6, 7};
    QCOMPARE(onTimeSlots, all);
    QCOMPARE(reminderSlots, lead > 0 ? all : QList<int>());
}

void TestNotifier::tickMissingSecondZero()
{
    const QDate day(2025, 3, 3);
    QList<QTime> times = ordinaryDay();
    times[Zohor] = QTime(13, 5);
    setTimes(day, times);
    PrayerNotifier notifier = makeNotifier();
    notifier.start(at(day, 13, 4, 20));

    QVERIFY(notifier.tick(at(day, 13, 4, 59, 600)).isEmpty());
    // Second 0 of 13:05 was never seen by a tick.
    const QList<PrayerNotifier::Notice> notices = notifier.tick(at(day, 13, 6, 0, 400));
    QCOMPARE(notices.size(), 1);
    QCOMPARE(notices.first().slot, int(Zohor));
    QCOMPARE(notices.first().minute, at(day, 13, 5));
    for (int second = 1; second < 60; ++second)
        QVERIFY(notifier.tick(at(day, 13, 6, second, 400)).isEmpty());
    QVERIFY(notifier.tick(at(day, 13, 7, 0, 400)).isEmpty());
}

void TestNotifier::twoTicksInSecondZero()
{
    setTimes(Day, ordinaryDay());
    PrayerNotifier notifier = makeNotifier();
    notifier.start(at(Day, 13, 14, 30));
    QCOMPARE(notifier.tick(at(Day, 13, 15, 0, 50)).size(), 1);
    QVERIFY(notifier.tick(at(Day, 13, 15, 0, 990)).isEmpty());
    QVERIFY(notifier.tick(at(Day, 13, 15, 1, 10)).isEmpty());
}

void TestNotifier::suspendSkipsOldMinutes()
{
    QList<QTime> times = ordinaryDay();
    times[Zohor] = QTime(13, 10);
    setTimes(Day, times);
    PrayerNotifier notifier = makeNotifier();
    notifier.start(at(Day, 9, 0, 5));
    QVERIFY(notifier.tick(at(Day, 9, 0, 6)).isEmpty());

    // Asleep from 09:00 to 13:20: Zohor at 13:10 is older than the catch-up.
    m_lookups = 0;
    QVERIFY(notifier.tick(at(Day, 13, 20, 3)).isEmpty());
    QCOMPARE(notifier.lastExamined(), at(Day, 13, 20));
    // Only the minutes in reach were looked at, not the whole morning.
    QVERIFY(m_lookups <= PrayerNotifier::CatchUpMinutes + 1);
    QVERIFY(notifier.tick(at(Day, 13, 21, 0)).isEmpty());
}

void TestNotifier::catchUpReachesFiveMinutesBack()
{
    QList<QTime> times = ordinaryDay();
    times[Zohor] = QTime(13, 15);
    times[Asar] = QTime(13, 17);
    setTimes(Day, times);
    m_config.prayer[Asar].notificationSound = 6;
    PrayerNotifier notifier = makeNotifier();
    notifier.start(at(Day, 9, 0, 5));

    // Woken at 13:20:10: 13:15 is five minutes back and still rings, then
    // 13:17, oldest first; 13:14 and earlier would not.
    const QList<PrayerNotifier::Notice> notices = notifier.tick(at(Day, 13, 20, 10));
    QCOMPARE(notices.size(), 2);
    QCOMPARE(notices.at(0).slot, int(Zohor));
    QCOMPARE(notices.at(1).slot, int(Asar));
    QCOMPARE(notices.at(1).soundUrl, QStringLiteral("qrc:/sounds/NotifyDing.mp3"));

    PrayerNotifier later = makeNotifier();
    later.start(at(Day, 9, 0, 5));
    const QList<PrayerNotifier::Notice> six = later.tick(at(Day, 13, 21, 10));
    QCOMPARE(six.size(), 1);
    QCOMPARE(six.first().slot, int(Asar));
}

void TestNotifier::startInsideOrAfterSecondZero()
{
    setTimes(Day, ordinaryDay());
    {
        // Started at 13:15:20: Zohor's moment has passed.
        PrayerNotifier notifier = makeNotifier();
        notifier.start(at(Day, 13, 15, 20));
        QVERIFY(notifier.tick(at(Day, 13, 15, 21)).isEmpty());
    }
    {
        // Started within second 0: the first tick a second later still rings.
        PrayerNotifier notifier = makeNotifier();
        notifier.start(at(Day, 13, 15, 0, 300));
        QCOMPARE(notifier.tick(at(Day, 13, 15, 1, 300)).size(), 1);
    }
    {
        // Never started: the first tick sets the starting point.
        PrayerNotifier notifier = makeNotifier();
        QCOMPARE(notifier.tick(at(Day, 13, 15, 0, 100)).size(), 1);
        PrayerNotifier late = makeNotifier();
        QVERIFY(late.tick(at(Day, 13, 15, 2)).isEmpty());
    }
}

void TestNotifier::clockStepsBack()
{
    setTimes(Day, ordinaryDay());
    PrayerNotifier notifier = makeNotifier();
    notifier.start(at(Day, 13, 14, 50));
    QCOMPARE(notifier.tick(at(Day, 13, 15, 0, 200)).size(), 1);
    // A time-server correction of a second back does not ring Zohor again.
    QVERIFY(notifier.tick(at(Day, 13, 14, 59, 800)).isEmpty());
    QVERIFY(notifier.tick(at(Day, 13, 15, 0, 500)).isEmpty());
    QVERIFY(notifier.tick(at(Day, 13, 16, 0, 500)).isEmpty());

    // Set back by three hours: the notifier goes on from the new time.
    QVERIFY(notifier.tick(at(Day, 10, 16, 30)).isEmpty());
    QList<QTime> times = ordinaryDay();
    times[Duha] = QTime(10, 17);
    setTimes(Day, times);
    const QList<PrayerNotifier::Notice> notices = notifier.tick(at(Day, 10, 17, 0, 400));
    QCOMPARE(notices.size(), 1);
    QCOMPARE(notices.first().slot, int(Duha));
}

void TestNotifier::catchUpOverMidnight()
{
    const QDate today(2025, 12, 31);
    const QDate tomorrow(2026, 1, 1);
    QList<QTime> times = ordinaryDay();
    setTimes(today, times);
    times[Imsak] = QTime(0, 0);
    setTimes(tomorrow, times);
    PrayerNotifier notifier = makeNotifier();
    notifier.start(at(today, 23, 59, 58));
    QVERIFY(notifier.tick(at(today, 23, 59, 59, 500)).isEmpty());
    const QList<PrayerNotifier::Notice> notices = notifier.tick(QDateTime(tomorrow, QTime(0, 0, 1, 200)));
    QCOMPARE(notices.size(), 1);
    QCOMPARE(notices.first().slot, int(Imsak));
    QCOMPARE(notices.first().minute.date(), tomorrow);
}

void TestNotifier::clockSetBackRingsOnce_data()
{
    QTest::addColumn<int>("backMinutes");
    QTest::newRow("within the catch-up window") << 3;
    QTest::newRow("just past it") << PrayerNotifier::CatchUpMinutes + 1;
    QTest::newRow("twenty minutes") << 20;
    QTest::newRow("three hours") << 180;
}

void TestNotifier::clockSetBackRingsOnce()
{
    // Zohor rings at 13:15; then the clock is set back and runs forward
    // through 13:15 again, one tick a minute: Zohor does not ring again,
    // and Asar still rings on time.
    QFETCH(int, backMinutes);
    setTimes(Day, ordinaryDay());
    PrayerNotifier notifier = makeNotifier();
    notifier.start(at(Day, 13, 14, 30));
    QCOMPARE(notifier.tick(at(Day, 13, 15, 0, 100)).size(), 1);
    QVERIFY(notifier.tick(at(Day, 13, 16, 0, 100)).isEmpty());

    QList<int> rung;
    const QDateTime back = at(Day, 13, 16, 0, 100).addSecs(-60 * backMinutes);
    for (QDateTime now = back; now <= at(Day, 16, 40); now = now.addSecs(60)) {
        for (const PrayerNotifier::Notice &notice : notifier.tick(now))
            rung << notice.slot;
    }
    QCOMPARE(rung, QList<int>{int(Asar)});
}

void TestNotifier::repeatedHourRingsOnce()
{
    // The night clocks go back in London (02:00 BST becomes 01:00 GMT on
    // 26 October 2025), a slot at 01:30 comes round twice in local time.
    const QTimeZone london("Europe/London");
    QVERIFY(london.isValid());
    const QDate night(2025, 10, 26);
    QList<QTime> times = ordinaryDay();
    times[Imsak] = QTime(1, 30);
    setTimes(night, times);
    setTimes(night.addDays(-1), ordinaryDay());

    PrayerNotifier notifier = makeNotifier();
    const QDateTime first = QDateTime(night.addDays(-1), QTime(23, 50), Qt::UTC);   // 00:50 BST
    const QDateTime last = QDateTime(night, QTime(2, 10), Qt::UTC);                 // 02:10 GMT
    QList<QDateTime> rungAt;
    for (QDateTime utc = first; utc <= last; utc = utc.addSecs(60)) {
        const QDateTime now = utc.addMSecs(200).toTimeZone(london);
        for (const PrayerNotifier::Notice &notice : notifier.tick(now)) {
            QCOMPARE(notice.slot, int(Imsak));
            rungAt << now.toUTC();
        }
    }
    // Once, at the first 01:30 (00:30 UTC).
    QCOMPARE(rungAt.size(), 1);
    QCOMPARE(rungAt.first().time().hour(), 0);
    QCOMPARE(rungAt.first().time().minute(), 30);
}


void TestNotifier::newSettingsDefaults_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("url");
    QTest::newRow("Imsak: a chime") << int(Imsak) << QStringLiteral("qrc:/sounds/NotifyDingDong.mp3");
    QTest::newRow("Subuh: the Subuh azan") << int(Subuh) << QStringLiteral("qrc:/sounds/AzanBelunarSubuh.mp3");
    QTest::newRow("Syuruk: a chime") << int(Syuruk) << QStringLiteral("qrc:/sounds/NotifyDing.mp3");
    QTest::newRow("Duha: no sound") << int(Duha) << QString();
    QTest::newRow("Zohor: azan") << int(Zohor) << QStringLiteral("qrc:/sounds/AzanBelunar.mp3");
    QTest::newRow("Asar: azan") << int(Asar) << QStringLiteral("qrc:/sounds/AzanBelunar.mp3");
    QTest::newRow("Maghrib: azan") << int(Maghrib) << QStringLiteral("qrc:/sounds/AzanBelunar.mp3");
    QTest::newRow("Isyak: azan") << int(Isyak) << QStringLiteral("qrc:/sounds/AzanBelunar.mp3");
}

// With the settings of a new file every time is notified, the azan only
// at the five prayers.
void TestNotifier::newSettingsDefaults()
{
    QFETCH(int, slot);
    QFETCH(QString, url);
    const QList<QTime> times = ordinaryDay();
    setTimes(Day, times);
    PrayerNotifier notifier = makeNotifier();
    const PrayerNotifier::Notice notice = notifier.examine(QDateTime(Day, times.at(slot)));
    QCOMPARE(notice.slot, slot);
    QVERIFY(notice.balloonMilliseconds > 0);
    QCOMPARE(notice.soundUrl, url);
}

void TestNotifier::noticesInTheChosenLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("alarmTime");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("message");
    const QString en = QStringLiteral("English");
    const QString ms = QStringLiteral("Bahasa Malaysia");
    QTest::newRow("en Zohor") << en << int(Zohor) << 0 << QStringLiteral("Zohor prayer time")
            << QStringLiteral("It is now time for the Zohor prayer in Kuala Lumpur and the places that share its times.");
    QTest::newRow("ms Zohor") << ms << int(Zohor) << 0 << QStringLiteral("Waktu Zohor")
            << QStringLiteral("Telah masuk waktu solat Zohor bagi kawasan Kuala Lumpur dan kawasan-kawasan yang sewaktu dengannya.");
    QTest::newRow("en Imsak") << en << int(Imsak) << 0 << QStringLiteral("Imsak")
            << QStringLiteral("It is Imsak in Kuala Lumpur: the fast begins, and Subuh time is near (Imsak).");
    QTest::newRow("ms Imsak") << ms << int(Imsak) << 0 << QStringLiteral("Waktu Imsak")
            << QStringLiteral("Telah masuk waktu Imsak bagi kawasan Kuala Lumpur: puasa bermula dan waktu Subuh hampir masuk.");
    QTest::newRow("en Syuruk") << en << int(Syuruk) << 0 << QStringLiteral("Sunrise (Syuruk)")
            << QStringLiteral("Sunrise (Syuruk) in Kuala Lumpur: Subuh time has ended.");
    QTest::newRow("ms Syuruk") << ms << int(Syuruk) << 0 << QStringLiteral("Waktu Syuruk")
            << QStringLiteral("Matahari terbit (Syuruk) bagi kawasan Kuala Lumpur: waktu Subuh telah berakhir.");
    QTest::newRow("en Duha") << en << int(Duha) << 0 << QStringLiteral("Duha time")
            << QStringLiteral("Duha time has begun in Kuala Lumpur.");
    QTest::newRow("ms Duha") << ms << int(Duha) << 0 << QStringLiteral("Waktu Duha")
            << QStringLiteral("Telah masuk waktu Duha bagi kawasan Kuala Lumpur.");
    QTest::newRow("en Syuruk 10 min before") << en << int(Syuruk) << 2 << QStringLiteral("Sunrise (Syuruk)")
            << QStringLiteral("Sunrise (Syuruk) in Kuala Lumpur comes in 10 minutes: Subuh time ends then.");
    QTest::newRow("ms Asar 5 min before") << ms << int(Asar) << 1 << QStringLiteral("Waktu Asar")
            << QStringLiteral("Akan masuk waktu solat Asar bagi kawasan Kuala Lumpur dan kawasan-kawasan yang sewaktu dengannya dalam 5 minit lagi.");
}

// Each catalogue carries its own notices, and Imsak, Syuruk and Duha are
// not announced as prayers.
void TestNotifier::noticesInTheChosenLanguage()
{
    QFETCH(QString, language);
    QFETCH(int, slot);
    QFETCH(int, alarmTime);
    QFETCH(QString, title);
    QFETCH(QString, message);
    m_config.language = language;
    QVERIFY(m_language->load(false));
    const QList<QTime> times = ordinaryDay();
    setTimes(Day, times);
    m_config.prayer[slot].alarmTime = alarmTime;
    PrayerNotifier notifier = makeNotifier();
    const int lead = PrayerNotifier::leadMinutes(alarmTime);
    const PrayerNotifier::Notice notice = notifier.examine(QDateTime(Day, times.at(slot)).addSecs(-60 * lead));
    m_config.language = QStringLiteral("English");
    QVERIFY(m_language->load(false));
    QCOMPARE(notice.slot, slot);
    QCOMPARE(notice.title, title);
    QCOMPARE(notice.message, message);
}

void TestNotifier::clockArmsForTheNextMinute_data()
{
    QTest::addColumn<QTime>("now");
    QTest::addColumn<int>("wait");
    const int slack = MinuteClock::SlackMilliseconds;
    QTest::newRow("on the boundary") << QTime(13, 5, 0, 0) << 60000 + slack;
    QTest::newRow("just after a tick") << QTime(13, 5, 0, slack) << 60000;
    QTest::newRow("mid minute") << QTime(13, 5, 30, 500) << 29500 + slack;
    QTest::newRow("last millisecond") << QTime(13, 5, 59, 999) << 1 + slack;
    QTest::newRow("before midnight") << QTime(23, 59, 45) << 15000 + slack;
}

void TestNotifier::clockArmsForTheNextMinute()
{
    QFETCH(QTime, now);
    QFETCH(int, wait);
    QCOMPARE(MinuteClock::millisecondsToNextMinute(QDateTime(Day, now)), wait);
    QDateTime wall(Day, now);
    MinuteClock clock({[&wall] { return wall; }, [] { return qint64(0); },
                       [] { return QByteArray("Asia/Kuala_Lumpur"); }});
    clock.start();
    QVERIFY(clock.timer()->isActive());
    QVERIFY(clock.timer()->isSingleShot());
    QCOMPARE(clock.timer()->interval(), wait);
    clock.stop();
}

// The clock's ticks, at the times a real timer would fire them, run the
// notifier: each minute is examined once, and a late tick catches up.
void TestNotifier::clockDrivesTheNotifier()
{
    QList<QTime> times = ordinaryDay();
    times[Zohor] = QTime(13, 5);
    times[Asar] = QTime(13, 7);
    setTimes(Day, times);
    PrayerNotifier notifier = makeNotifier();
    QDateTime wall = at(Day, 13, 4, 30);
    qint64 monotonic = 0;
    MinuteClock clock({[&wall] { return wall; }, [&monotonic] { return monotonic; },
                       [] { return QByteArray("Asia/Kuala_Lumpur"); }});
    QList<PrayerNotifier::Notice> notices;
    connect(&clock, &MinuteClock::ticked, this,
            [&](const QDateTime &now) { notices += notifier.tick(now); });
    notifier.start(wall);
    clock.start();

    // Fires the tick the timer would: after the armed wait, plus `late`.
    auto waitAndFire = [&](int late) {
        const int wait = clock.timer()->interval() + late;
        wall = wall.addMSecs(wait);
        monotonic += wait;
        clock.fire();
    };
    waitAndFire(0);
    QCOMPARE(wall, at(Day, 13, 5, 0, MinuteClock::SlackMilliseconds));
    QCOMPARE(notices.size(), 1);
    QCOMPARE(notices.first().slot, int(Zohor));
    // A second tick in the same minute (a resume notice) adds nothing.
    clock.fire();
    QCOMPARE(notices.size(), 1);
    QCOMPARE(clock.timer()->interval(), 60000);
    // A tick 80 s late (a busy machine) finds Asar at 13:07 it slept over...
    waitAndFire(80000);
    QCOMPARE(wall, at(Day, 13, 7, 20, MinuteClock::SlackMilliseconds));
    QCOMPARE(notices.size(), 2);
    QCOMPARE(notices.last().slot, int(Asar));
    QCOMPARE(notices.last().minute, at(Day, 13, 7));
    // ...and re-arms for the next boundary, not a minute after itself.
    QCOMPARE(clock.timer()->interval(), 40000);
}

void TestNotifier::clockNoticesJumpsAndZoneChanges_data()
{
    QTest::addColumn<qint64>("wallShift");  // beyond the monotonic count
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<int>("wait");
    const QByteArray kl("Asia/Kuala_Lumpur");
    QTest::newRow("steady") << qint64(0) << kl << false << 60000;
    QTest::newRow("drift within tolerance") << qint64(1500) << kl << false << 58500;
    QTest::newRow("set forward") << qint64(3600 * 1000 + 25000) << kl << true << 35000;
    QTest::newRow("set back") << qint64(-40000) << kl << true << 40000;
    QTest::newRow("resume after a night") << qint64(9LL * 3600 * 1000 + 7000) << kl << true << 53000;
    QTest::newRow("zone change") << qint64(0) << QByteArray("Asia/Jakarta") << true << 60000;
}

void TestNotifier::clockNoticesJumpsAndZoneChanges()
{
    QFETCH(qint64, wallShift);
    QFETCH(QByteArray, zone);
    QFETCH(bool, changed);
    QFETCH(int, wait);
    QDateTime wall = at(Day, 13, 4, 59, 950);
    qint64 monotonic = 500;
    QByteArray zoneId("Asia/Kuala_Lumpur");
    MinuteClock clock({[&wall] { return wall; }, [&monotonic] { return monotonic; },
                       [&zoneId] { return zoneId; }});
    QSignalSpy changes(&clock, &MinuteClock::clockChanged);
    QSignalSpy ticks(&clock, &MinuteClock::ticked);
    clock.start();
    QCOMPARE(clock.timer()->interval(), 100);
    // The armed wait runs out on the monotonic timer; the wall clock went
    // along, or was moved meanwhile.
    monotonic += 100;
    wall = wall.addMSecs(100 + wallShift);
    zoneId = zone;
    clock.fire();
    QCOMPARE(ticks.size(), 1);
    QCOMPARE(ticks.first().first().toDateTime(), wall);
    QCOMPARE(changes.size(), changed ? 1 : 0);
    // Re-armed from the wall clock as it reads now.
    QVERIFY(clock.timer()->isActive());
    QCOMPARE(clock.timer()->interval(), wait);
    // The next steady tick reports no change.
    monotonic += wait;
    wall = wall.addMSecs(wait);
    clock.fire();
    QCOMPARE(changes.size(), changed ? 1 : 0);
    QCOMPARE(clock.timer()->interval(), 60000);
}

// The system's notice of a clock set is had without any service; the
// watch wakes nothing until the clock is set (no clock is set here: that
// would move the machine's).
void TestNotifier::clockSetIsWatched()
{
    ClockSetWatcher watcher;
    QSignalSpy sets(&watcher, &ClockSetWatcher::clockSet);
    QVERIFY(!watcher.isWatching());
    QVERIFY(watcher.start());
    QVERIFY(watcher.isWatching());
    QVERIFY(watcher.start());
    QCoreApplication::processEvents();
    QCOMPARE(sets.size(), 0);
}

#ifndef Q_OS_WIN
void TestNotifier::zoneChangeIsTold_data()
{
    QTest::addColumn<QByteArray>("zoneAfter");
    QTest::addColumn<int>("told");
    QTest::newRow("setting rewritten, same zone") << QByteArray("Asia/Kuala_Lumpur") << 0;
    QTest::newRow("another zone") << QByteArray("Asia/Jakarta") << 1;
}

// A change in the folder of the system's time-zone setting is told when
// the zone it gives is another (the zone is read as the program reads it;
// here from TZ, which Qt reads first).
void TestNotifier::zoneChangeIsTold()
{
    QFETCH(QByteArray, zoneAfter);
    QFETCH(int, told);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const bool hadZone = qEnvironmentVariableIsSet("TZ");
    const QByteArray savedZone = qgetenv("TZ");
    auto restoreZone = qScopeGuard([&] {
        if (hadZone)
            qputenv("TZ", savedZone);
        else
            qunsetenv("TZ");
    });
    qputenv("TZ", "Asia/Kuala_Lumpur");
    ClockSetWatcher watcher(folder.path());
    QSignalSpy sets(&watcher, &ClockSetWatcher::clockSet);
    QVERIFY(watcher.start());

    qputenv("TZ", zoneAfter);
    // Replaced as a whole, as the system's setting is.
    QFile written(folder.filePath(QStringLiteral("localtime.new")));
    QVERIFY(written.open(QIODevice::WriteOnly));
    written.close();
    QVERIFY(QFile::rename(written.fileName(), folder.filePath(QStringLiteral("localtime"))));
    if (told)
        QTRY_COMPARE_WITH_TIMEOUT(sets.size(), told, 5000);
    else
        QTest::qWait(300);
    QCOMPARE(sets.size(), told);
}
#endif

QTEST_GUILESS_MAIN(TestNotifier)
#include "test_notifier.moc"
