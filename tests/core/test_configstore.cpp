// The configuration store: the cipher of "App.cnf", the document inside
// it, loading and saving the file (including failed saves) and the
// auto-start entry.

#include "core/appconfig.h"
#include "core/autostart.h"
#include "core/configcipher.h"
#include "core/configstore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace {

// Expected cipher texts, made with the OpenSSL command line:
//   printf '%s' "$TEXT" | openssl enc -aes-256-cbc
//     -K 4b376d32703951347731523874365933753556306f324c377834423963760000
//     -iv 00000000000000000000000000000000 | xxd -p -u
// (one command line)
// (the key is the ASCII text "K7m2p9Q4w1R8t6Y3u5V0o2L7x4B9cv" and two zero bytes).
const char KnownEmpty[] = "DAD08A29293B5947863B679FC4F05119";
const char KnownZone[] = "BE67CF93415BC89D936F8885A5BBB4EE";   // "Kuala Lumpur"
const char KnownBlock[] =                                       // "0123456789ABCDEF"
    "1E016C04D6EF0CEB9FAE4C735633238D0EF43B9163316481D7D8AD4AEB53F3B0";
const char KnownUtf8[] =                                        // 24 UTF-8 bytes
    "6F13AD71FA395F129A8DFF0880B8385DFE951142D799E441A67D9C15BED741EA";
const char KnownUtf8Text[] = "Waktu Solat: \xd9\x85\xd8\xa4\xd8\xb0\xd9\x86 \xc3\xbc";

// Single blocks enciphered with -nopad, so that only the pad check can
// reject them: "ABCDEFGHIJKLMN" + 03 02, "ABCDEFGHIJKLMNO" + 00,
// "ABCDEFGHIJKLMNO" + 11, and the well-padded "ABCDEFGHIJKLMN" + 02 02.
const char PadMixed[] = "C4F122F67D18BEE1FFEECB496469379F";
const char PadZero[] = "041231C60A8BF351FC21C4FBC18A01D9";
const char PadTooLong[] = "5BF0C56F4C4D427A04AC9FEEFB2062D4";
const char PadGood[] = "C6C558AB6150BF3B1E25A30D30C3229C";

// A whole "App.cnf" made with the same command line from the document
//   <?xml version='1.0' encoding='UTF-8'?>
//   <AppConfig>
//       <Timestamp>2017/04/19 22:37:08</Timestamp>
//       <Zone>Ipoh</Zone>
//       <AutoStart>0</AutoStart>
//       <IsyakAudioVolume>35</IsyakAudioVolume>
//   </AppConfig>
// (4-space indentation, a line end after each line).
const char OpenSslFile[] =
    "A35AB1C04711C55D18C73DA1E2C9F5D5BCC993B4A64431895CD7D545262A2638ED4A03C09048A3F1A5C44707D6BCB251"
    "619B620D823EA7D2BE2D3D3D8912B6F3734FB7CC69FE63D526E550C7CF62FA8BE993297770ADD2434C7A4156CD894E45"
    "746610A037A07CC4FD4B313EF2CA68ADFFD813E98E386F28CC21F72170BC9D6B620FF20990CFA7700BC542913BE419E5"
    "7CDD5C1E35BB757898E5CF125398DB720C328CAD4FB8D6241EF73A7CD6CDBE76DB54851990E91D9E53BE7F546FEA29C0"
    "0AF7F9F6E36EAC5BE39E562A78E4D844";

// The element names of the document, in their order on disk.
QStringList expectedKeys()
{
    QStringList keys = {
        "Zone", "AutoStart", "ShowSplashScreen", "AskBeforeExit", "Language",
        "AutoUpdate", "UpdateOnStartup", "NotifyUpdateComplete", "PromptNewVersion",
        "UpdateInterval", "AlmarikHourSystem", "HijriAdjustment"
    };
    const char *const slotNames[] = {
        "Imsak", "Subuh", "Syuruk", "Duha", "Zohor", "Asar", "Maghrib", "Isyak"
    };
    const char *const fields[] = {
        "Enable", "MessageDuration", "AlarmTime", "NotificationSound", "Muazin",
        "CustomSoundPath", "AudioVolume"
    };
    for (const char *slot : slotNames) {
        for (const char *field : fields)
            keys << QString::fromLatin1(slot) + QString::fromLatin1(field);
    }
    keys << "UseCustomPlace" << "CustomPlaceName" << "CustomPlaceLatitude" << "CustomPlaceLongitude"
         << "CustomPlaceTimeZone" << "CustomPlaceConvention" << "CustomPlaceAsarSchool" << "CustomPlaceHighLatitude";
    for (const char *slot : slotNames)
        keys << QStringLiteral("CustomPlace") + QString::fromLatin1(slot) + QStringLiteral("Adjustment");
    for (const char *slot : slotNames)
        keys << QString::fromLatin1(slot) + QStringLiteral("ReminderSound");
    keys << "AbroadAsarSchool" << "AbroadHighLatitude";
    for (const char *slot : slotNames)
        keys << QStringLiteral("Abroad") + QString::fromLatin1(slot) + QStringLiteral("Adjustment");
    return keys;
}

// First field where a and b differ, or "" when they are equal.
QString difference(const AppConfig &a, const AppConfig &b)
{
#define CHECK_FIELD(f) \
    if (a.f != b.f) return QStringLiteral(#f)
    CHECK_FIELD(zone);
    CHECK_FIELD(autoStart);
    CHECK_FIELD(showSplashScreen);
    CHECK_FIELD(askBeforeExit);
    CHECK_FIELD(language);
    CHECK_FIELD(autoUpdate);
    CHECK_FIELD(updateOnStartup);
    CHECK_FIELD(notifyUpdateComplete);
    CHECK_FIELD(promptNewVersion);
    CHECK_FIELD(updateInterval);
    CHECK_FIELD(hourSystem);
    CHECK_FIELD(hijriAdjustment);
    for (int i = 0; i < PrayerSlotCount; ++i) {
        CHECK_FIELD(prayer[i].enable);
        CHECK_FIELD(prayer[i].messageDuration);
        CHECK_FIELD(prayer[i].alarmTime);
        CHECK_FIELD(prayer[i].notificationSound);
        CHECK_FIELD(prayer[i].muazin);
        CHECK_FIELD(prayer[i].customSoundPath);
        CHECK_FIELD(prayer[i].audioVolume);
        CHECK_FIELD(prayer[i].reminderSound);
        CHECK_FIELD(customPlace.adjustment[i]);
        CHECK_FIELD(abroadAdjustments.adjustment[i]);
    }
    CHECK_FIELD(abroadAdjustments.asarSchool);
    CHECK_FIELD(abroadAdjustments.highLatitude);
    CHECK_FIELD(useCustomPlace);
    CHECK_FIELD(customPlace.name);
    CHECK_FIELD(customPlace.latitude);
    CHECK_FIELD(customPlace.longitude);
    CHECK_FIELD(customPlace.timeZone);
    CHECK_FIELD(customPlace.convention);
    CHECK_FIELD(customPlace.asarSchool);
    CHECK_FIELD(customPlace.highLatitude);
#undef CHECK_FIELD
    return QString();
}

// A record in which every field differs from its default, and the slots
// differ from each other.
AppConfig changedConfig()
{
    AppConfig c;
    c.zone = QStringLiteral("Kota Kinabalu");
    c.autoStart = false;
    c.showSplashScreen = false;
    c.askBeforeExit = false;
    c.language = QStringLiteral("Bahasa Malaysia");
    c.autoUpdate = false;
    c.updateOnStartup = false;
    c.notifyUpdateComplete = false;
    c.promptNewVersion = false;
    c.updateInterval = 4;
    c.hourSystem = 0;
    c.hijriAdjustment = 3;
    for (int i = 0; i < PrayerSlotCount; ++i) {
        PrayerSettings &p = c.prayer[i];
        p.enable = (i % 2) == 1;
        p.messageDuration = i % 7;
        p.alarmTime = (i + 1) % 5;
        p.notificationSound = 12 - i;
        p.muazin = i % 3;
        p.customSoundPath = QStringLiteral("/home/aminah/Muzik/slot%1.mp3").arg(i);
        p.audioVolume = 10 + i;
        p.reminderSound = i + 1;
        c.customPlace.adjustment[i] = i - 4;
        c.abroadAdjustments.adjustment[i] = 3 - i;
    }
    c.abroadAdjustments.asarSchool = CustomPlace::Hanafi;
    c.abroadAdjustments.highLatitude = PrayerConvention::MiddleOfNight;
    c.useCustomPlace = true;
    c.customPlace.name = QStringLiteral("Aberdeen");
    c.customPlace.latitude = 57.14369;
    c.customPlace.longitude = -2.09814;
    c.customPlace.timeZone = QStringLiteral("Europe/London");
    c.customPlace.convention = QStringLiteral("MSC");
    c.customPlace.asarSchool = CustomPlace::Hanafi;
    c.customPlace.highLatitude = PrayerConvention::OneSeventh;
    return c;
}

// The changed record with texts that need escaping or encoding, as in the
// file configfiles/changed.xml.
AppConfig escapedConfig()
{
    AppConfig c = changedConfig();
    c.zone = QStringLiteral("A & B <C> \"D\" 'E' ]]> x>y");
    c.prayer[Subuh].customSoundPath = QStringLiteral("/home/siti/Muzik/Azan \u2013 \u0645\u0624\u0630\u0646 \U0001F54C.mp3");
    c.prayer[Syuruk].customSoundPath = QStringLiteral("   ");
    c.prayer[Duha].customSoundPath = QStringLiteral("a\tb\nc\r\nd");
    return c;
}

// A document as the DOM reads it: the declaration, the root's name and,
// for each child but the time stamp, its name, attributes and text.
QStringList domReading(const QString &text)
{
    QDomDocument doc;
    if (!doc.setContent(text))
        return {QStringLiteral("not XML")};
    QStringList parts{doc.firstChild().toProcessingInstruction().data(), doc.documentElement().tagName()};
    for (QDomElement e = doc.documentElement().firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (e.tagName() == QLatin1String("Timestamp"))
            continue;
        QString part = e.tagName();
        const QDomNamedNodeMap attributes = e.attributes();
        for (int i = 0; i < attributes.count(); ++i)
            part += QLatin1Char(' ') + attributes.item(i).nodeName() + QLatin1Char('=') + attributes.item(i).nodeValue();
        parts << part + QLatin1Char(':') + e.text();
    }
    return parts;
}

QString wrapDocument(const QString &root, const QString &body)
{
    return QStringLiteral("<?xml version='1.0' encoding='UTF-8'?>\n<%1>\n%2</%1>\n").arg(root, body);
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return QByteArray();
    return f.readAll();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// Values of a desktop entry's [Desktop Entry] group, as written (escapes
// not undone).
QHash<QString, QString> desktopEntryValues(const QByteArray &content, QString *firstLine)
{
    QHash<QString, QString> values;
    const QStringList lines = QString::fromUtf8(content).split(QLatin1Char('\n'));
    *firstLine = lines.value(0);
    for (const QString &line : lines) {
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq > 0)
            values.insert(line.left(eq), line.mid(eq + 1));
    }
    return values;
}

} // namespace

class TestConfigStore : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    // Cipher
    void cipherKnownAnswers_data();
    void cipherKnownAnswers();
    void decipherIgnoresOddLastCharacter();
    void decipherAcceptsLowerCase();
    void decipherRejects_data();
    void decipherRejects();
    void cipherRoundTripLongText();

    // Document
    void documentShape();
    void timestampFormat();
    void documentDefaultValues();
    void documentRoundTrip();
    void documentEscapesText();
    void documentAsEarlierVersionsWroteIt_data();
    void documentAsEarlierVersionsWroteIt();
    void readRootWithoutChildren();
    void readUnknownElementAndDuplicate();
    void readValueConversions_data();
    void readValueConversions();
    void readTextLikeDom_data();
    void readTextLikeDom();
    void readIgnoresRootNameAndCase();
    void readRejectsNonXml_data();
    void readRejectsNonXml();
    void readKeepsWhatCanBeRead_data();
    void readKeepsWhatCanBeRead();
    void stringsSurviveSaveAndLoad_data();
    void stringsSurviveSaveAndLoad();

    // File
    void configFilePathCreatesDirectory();
    void firstStartWritesDefaults();
    void saveLoadRoundTrip();
    void loadsFileMadeElsewhere();
    void badFileGivesDefaults_data();
    void badFileGivesDefaults();
    void brokenFileKeepsWhatCanBeRead();
    void existingFileKeepsItsSounds();
    void onlyTheNewestBadFilesAreKept();
    void filesArePrivate();
    void staleTemporariesRemovedAtStart();
    void saveFailsWhenDirectoryIsAFile();
    void saveFailsWhenFileIsADirectory();
    void saveKeepsOldFileWhenDiskFull();
    void saveKeepsOldFileWhenDirectoryReadOnly();

    // Auto-start
    void windowsRunValue();
    void autoStartEntryCreated();
    void autoStartExecQuoting();
    void autoStartRemoved();
    void autoStartRefusesEmptyPath();
    void saveAppliesAutoStart();

private:
    QString dataDirectory() const;
    QString entryPath() const;

    QTemporaryDir m_home;
};

void TestConfigStore::initTestCase()
{
    QVERIFY(m_home.isValid());
    // Everything the store touches lives under the temporary home.
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.path() + "/config"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.path() + "/data"));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(m_home.path() + "/cache"));
    QStandardPaths::setTestModeEnabled(true);

    QVERIFY(ConfigStore::configFilePath(false).startsWith(m_home.path() + '/'));
    QVERIFY(entryPath().startsWith(m_home.path() + '/'));
}

void TestConfigStore::init()
{
    const QString data = dataDirectory();
    QFileInfo info(data);
    if (info.isDir()) {
        QFile::setPermissions(data, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(QDir(data).removeRecursively());
    } else if (info.exists()) {
        QVERIFY(QFile::remove(data));
    }
    if (QFileInfo::exists(entryPath()))
        QVERIFY(QFile::remove(entryPath()));
    // What the store last applied is now "no entry", as on disk.
    ConfigStore::applyAutoStart(false, true);
}

QString TestConfigStore::dataDirectory() const
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString TestConfigStore::entryPath() const
{
#ifdef Q_OS_WIN
    return QString();
#else
    return AutoStart::desktopEntryPath();
#endif
}

// ---------------------------------------------------------------- Cipher

void TestConfigStore::cipherKnownAnswers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("hex");
    QTest::newRow("empty") << QString() << QString::fromLatin1(KnownEmpty);
    QTest::newRow("short") << QStringLiteral("Kuala Lumpur") << QString::fromLatin1(KnownZone);
    QTest::newRow("whole block") << QStringLiteral("0123456789ABCDEF") << QString::fromLatin1(KnownBlock);
    QTest::newRow("utf-8") << QString::fromUtf8(KnownUtf8Text) << QString::fromLatin1(KnownUtf8);
}

void TestConfigStore::cipherKnownAnswers()
{
    QFETCH(QString, text);
    QFETCH(QString, hex);
    QCOMPARE(ConfigCipher::encipherText(text), hex);
    QCOMPARE(ConfigCipher::decipherText(hex), text);
}

void TestConfigStore::decipherIgnoresOddLastCharacter()
{
    QCOMPARE(ConfigCipher::decipherText(QString::fromLatin1(KnownZone) + "7"),
             QStringLiteral("Kuala Lumpur"));
    QCOMPARE(ConfigCipher::decipherText(QString::fromLatin1(KnownZone) + "\n"),
             QStringLiteral("Kuala Lumpur"));
}

void TestConfigStore::decipherAcceptsLowerCase()
{
    QCOMPARE(ConfigCipher::decipherText(QString::fromLatin1(KnownBlock).toLower()),
             QStringLiteral("0123456789ABCDEF"));
}

void TestConfigStore::decipherRejects_data()
{
    QTest::addColumn<QString>("hex");
    const QString block = QString::fromLatin1(KnownZone);
    QTest::newRow("empty") << QString();
    QTest::newRow("one character") << QStringLiteral("A");
    QTest::newRow("15 bytes") << block.left(30);
    QTest::newRow("17 bytes") << block + "00";
    QTest::newRow("31 bytes") << QString::fromLatin1(KnownBlock).left(62);
    QTest::newRow("letters past F") << QStringLiteral("GHIJKLMNOPQRSTUVWXYZGHIJKLMNOPQR");
    QTest::newRow("one bad digit") << QString(block).replace(5, 1, QLatin1Char('G'));
    QTest::newRow("space") << QString(block).replace(16, 1, QLatin1Char(' '));
    QTest::newRow("non-ascii") << QString(block).replace(0, 1, QChar(0x0661));   // Arabic-Indic one
    // A digit swapped for a look-alike: read as 0 it would still decipher.
    const QString known = QString::fromLatin1(KnownBlock);
    QVERIFY(known.at(2) == QLatin1Char('0') && known.at(6) == QLatin1Char('0'));
    QTest::newRow("letter O for zero") << QString(known).replace(2, 1, QLatin1Char('O'));
    QTest::newRow("space for zero") << QString(known).replace(6, 1, QLatin1Char(' '));
    QTest::newRow("line break inside") << block.left(16) + "\r\n" + block.mid(18);
    QTest::newRow("mixed pad") << QString::fromLatin1(PadMixed);
    QTest::newRow("zero pad") << QString::fromLatin1(PadZero);
    QTest::newRow("pad 17") << QString::fromLatin1(PadTooLong);
    QTest::newRow("last byte changed") << block.left(30) + "FF";
}

void TestConfigStore::decipherRejects()
{
    QFETCH(QString, hex);
    QCOMPARE(ConfigCipher::decipherText(hex), QString());
    // The same input without the defect deciphers: guards the pad check
    // against rejecting everything.
    QCOMPARE(ConfigCipher::decipherText(QString::fromLatin1(PadGood)), QStringLiteral("ABCDEFGHIJKLMN"));
}

void TestConfigStore::cipherRoundTripLongText()
{
    QString text;
    for (int i = 0; i < 500; ++i)
        text += QStringLiteral("%1 Zohor \u0638\u0647\u0631 ").arg(i);
    const QString hex = ConfigCipher::encipherText(text);
    QVERIFY(QRegularExpression(QStringLiteral("^[0-9A-F]+$")).match(hex).hasMatch());
    QCOMPARE(hex.size() % 32, 0);
    QVERIFY(hex.size() / 2 > text.toUtf8().size());
    QCOMPARE(ConfigCipher::decipherText(hex), text);
}

// -------------------------------------------------------------- Document

void TestConfigStore::documentShape()
{
    const QDateTime before = QDateTime::currentDateTime().addMSecs(-999);
    const QString text = ConfigStore::documentText(AppConfig());
    const QDateTime after = QDateTime::currentDateTime();

    QDomDocument doc;
    QVERIFY(doc.setContent(text));
    const QDomNode first = doc.firstChild();
    QVERIFY(first.isProcessingInstruction());
    QCOMPARE(first.toProcessingInstruction().target(), QStringLiteral("xml"));
    QCOMPARE(first.toProcessingInstruction().data(), QStringLiteral("version='1.0' encoding='UTF-8'"));
    QCOMPARE(doc.documentElement().tagName(), QStringLiteral("AppConfig"));

    QStringList tags;
    for (QDomElement e = doc.documentElement().firstChildElement(); !e.isNull(); e = e.nextSiblingElement())
        tags << e.tagName();
    QCOMPARE(tags.size(), 69 + 8 + 2 * PrayerSlotCount + 2 + PrayerSlotCount);
    QCOMPARE(tags, QStringList(QStringLiteral("Timestamp")) + expectedKeys());

    const QString stamp = doc.documentElement().firstChildElement().text();
    QVERIFY2(QRegularExpression(QStringLiteral("^\\d{4}/\\d\\d/\\d\\d \\d\\d:\\d\\d:\\d\\d$")).match(stamp).hasMatch(),
             qPrintable(stamp));
    const QDateTime written = QDateTime::fromString(stamp, QStringLiteral("yyyy/MM/dd HH:mm:ss"));
    QVERIFY(written.isValid());
    QVERIFY(written >= before && written <= after);

    // Four spaces per level, one element per line.
    const QStringList lines = text.split(QLatin1Char('\n'));
    QCOMPARE(lines.value(0), QStringLiteral("<?xml version='1.0' encoding='UTF-8'?>"));
    QCOMPARE(lines.value(1), QStringLiteral("<AppConfig>"));
    QVERIFY(lines.value(2).startsWith(QStringLiteral("    <Timestamp>")));
    QCOMPARE(lines.value(3), QStringLiteral("    <Zone>Kuala Lumpur</Zone>"));
    QCOMPARE(lines.value(2 + tags.size()), QStringLiteral("</AppConfig>"));
}

void TestConfigStore::timestampFormat()
{
    QCOMPARE(ConfigStore::timestampText(QDateTime(QDate(2017, 4, 9), QTime(5, 7, 8))),
             QStringLiteral("2017/04/09 05:07:08"));
    QCOMPARE(ConfigStore::timestampText(QDateTime(QDate(2024, 12, 31), QTime(23, 59, 59))),
             QStringLiteral("2024/12/31 23:59:59"));
    QCOMPARE(ConfigStore::timestampText(QDateTime(QDate(987, 1, 1), QTime(0, 0, 0))),
             QStringLiteral("0987/01/01 00:00:00"));
}

void TestConfigStore::documentDefaultValues()
{
    AppConfig config;
    config.askBeforeExit = false;
    QDomDocument doc;
    QVERIFY(doc.setContent(ConfigStore::documentText(config)));
    const QDomElement root = doc.documentElement();
    auto value = [&](const char *key) { return root.firstChildElement(QLatin1String(key)).text(); };
    QCOMPARE(value("Zone"), QStringLiteral("Kuala Lumpur"));
    // Starting with the desktop is the user's choice: off in a new file.
    QCOMPARE(value("AutoStart"), QStringLiteral("0"));
    QCOMPARE(value("AskBeforeExit"), QStringLiteral("0"));
    QCOMPARE(value("Language"), QStringLiteral("English"));
    QCOMPARE(value("UpdateInterval"), QStringLiteral("0"));
    QCOMPARE(value("AlmarikHourSystem"), QStringLiteral("1"));
    QCOMPARE(value("HijriAdjustment"), QStringLiteral("0"));
    QCOMPARE(value("ImsakEnable"), QStringLiteral("1"));
    QCOMPARE(value("SubuhMessageDuration"), QStringLiteral("3"));
    QCOMPARE(value("ZohorAlarmTime"), QStringLiteral("0"));
    // The azan at the prayers, a chime at Imsak (ding dong) and Syuruk
    // (ding), Duha without a sound.
    QCOMPARE(value("AsarNotificationSound"), QStringLiteral("1"));
    QCOMPARE(value("ImsakNotificationSound"), QStringLiteral("5"));
    QCOMPARE(value("SyurukNotificationSound"), QStringLiteral("6"));
    QCOMPARE(value("DuhaNotificationSound"), QStringLiteral("0"));
    QCOMPARE(value("MaghribMuazin"), QStringLiteral("2"));
    QCOMPARE(value("IsyakCustomSoundPath"), QString());
    QCOMPARE(value("IsyakAudioVolume"), QStringLiteral("80"));
    QCOMPARE(value("UseCustomPlace"), QStringLiteral("0"));
    QCOMPARE(value("CustomPlaceConvention"), QStringLiteral("MWL"));
    QCOMPARE(value("CustomPlaceHighLatitude"), QStringLiteral("-1"));
    // Places abroad: their conventions' own times.
    QCOMPARE(value("AbroadAsarSchool"), QStringLiteral("0"));
    QCOMPARE(value("AbroadHighLatitude"), QStringLiteral("-1"));
    QCOMPARE(value("AbroadZohorAdjustment"), QStringLiteral("0"));
}

void TestConfigStore::documentRoundTrip()
{
    const AppConfig changed = changedConfig();
    AppConfig loaded;
    QVERIFY(ConfigStore::readDocument(ConfigStore::documentText(changed), loaded));
    QCOMPARE(difference(loaded, changed), QString());
    QVERIFY(!difference(loaded, AppConfig()).isEmpty());
}

void TestConfigStore::documentEscapesText()
{
    AppConfig config;
    config.zone = QStringLiteral("A & B <C> \"D\" 'E' ]]>");
    config.prayer[Duha].customSoundPath = QStringLiteral("  leading and trailing  ");
    const QString text = ConfigStore::documentText(config);
    QDomDocument doc;
    QVERIFY(doc.setContent(text));
    AppConfig loaded;
    QVERIFY(ConfigStore::readDocument(text, loaded));
    QCOMPARE(loaded.zone, config.zone);
    QCOMPARE(loaded.prayer[Duha].customSoundPath, config.prayer[Duha].customSoundPath);
}

void TestConfigStore::documentAsEarlierVersionsWroteIt_data()
{
    // Files written by the previous version, deciphered: one a first
    // start wrote, one with every setting changed and texts that need
    // escaping or encoding.
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("changed");
    QTest::newRow("first start") << "first-start.xml" << false;
    QTest::newRow("changed and escaped") << "changed.xml" << true;
}

void TestConfigStore::documentAsEarlierVersionsWroteIt()
{
    QFETCH(QString, file);
    QFETCH(bool, changed);
    const AppConfig config = changed ? escapedConfig() : AppConfig();
    const QString old = QString::fromUtf8(readAll(QStringLiteral(ALMARIK_TEST_CONFIG_FILES "/") + file));
    QVERIFY(!old.isEmpty());

    // The old file loads to the settings it was written from.
    AppConfig loaded = changed ? AppConfig() : escapedConfig();
    QVERIFY(ConfigStore::readDocument(old, loaded));
    QCOMPARE(difference(loaded, config), QString());

    // The file written now reads the same to a reader of its own, and
    // keeps the old layout: one element per line, the same tags and
    // attributes on the same lines.
    const QString now = ConfigStore::documentText(config);
    QCOMPARE(domReading(now), domReading(old));
    const QStringList oldLines = old.split(QLatin1Char('\n'));
    const QStringList nowLines = now.split(QLatin1Char('\n'));
    QCOMPARE(nowLines.size(), oldLines.size());
    for (int i = 0; i < oldLines.size(); ++i)
        QCOMPARE(nowLines.at(i).section(QLatin1Char('>'), 0, 0), oldLines.at(i).section(QLatin1Char('>'), 0, 0));
}

void TestConfigStore::readRootWithoutChildren()
{
    AppConfig config;
    QVERIFY(ConfigStore::readDocument(QStringLiteral("<?xml version='1.0' encoding='UTF-8'?>\n<AppConfig/>\n"), config));
    QCOMPARE(difference(config, AppConfig()), QString());

    // A missing key keeps whatever the record already holds.
    AppConfig changed = changedConfig();
    QVERIFY(ConfigStore::readDocument(wrapDocument("AppConfig", "<Zone>Ipoh</Zone>\n"), changed));
    QCOMPARE(changed.zone, QStringLiteral("Ipoh"));
    AppConfig expected = changedConfig();
    expected.zone = QStringLiteral("Ipoh");
    QCOMPARE(difference(changed, expected), QString());
}

void TestConfigStore::readUnknownElementAndDuplicate()
{
    AppConfig config;
    const QString body = QStringLiteral(
        "    <Timestamp>not a date</Timestamp>\n"
        "    <Zone>Johor Bahru</Zone>\n"
        "    <FavouriteColour>green</FavouriteColour>\n"
        "    <Nested><Zone>Kuantan</Zone></Nested>\n"
        "    <AudioVolume>5</AudioVolume>\n"
        "    <Zone>Melaka</Zone>\n"
        "    <SubuhAudioVolume>40</SubuhAudioVolume>\n");
    QVERIFY(ConfigStore::readDocument(wrapDocument("AppConfig", body), config));
    QCOMPARE(config.zone, QStringLiteral("Melaka"));
    QCOMPARE(config.prayer[Subuh].audioVolume, 40);
    AppConfig expected;
    expected.zone = QStringLiteral("Melaka");
    expected.prayer[Subuh].audioVolume = 40;
    QCOMPARE(difference(config, expected), QString());
}

void TestConfigStore::readValueConversions_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("flag");
    QTest::addColumn<int>("number");
    QTest::newRow("1") << "1" << true << 1;
    QTest::newRow("0") << "0" << false << 0;
    QTest::newRow("true") << "true" << false << 0;
    QTest::newRow("True") << "True" << false << 0;
    QTest::newRow("2") << "2" << false << 2;
    QTest::newRow("-1") << "-1" << false << -1;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("words") << "abc" << false << 0;
    QTest::newRow("trailing letters") << "12abc" << false << 0;
    QTest::newRow("out of range") << "150" << false << 150;
}

void TestConfigStore::readValueConversions()
{
    QFETCH(QString, text);
    QFETCH(bool, flag);
    QFETCH(int, number);
    AppConfig config;   // flags default to true, so a false result is the read value
    const QString body = QStringLiteral("<AutoStart>%1</AutoStart><MaghribEnable>%1</MaghribEnable>"
                                        "<UpdateInterval>%1</UpdateInterval><AsarAudioVolume>%1</AsarAudioVolume>")
                             .arg(text);
    QVERIFY(ConfigStore::readDocument(wrapDocument("AppConfig", body), config));
    QCOMPARE(config.autoStart, flag);
    QCOMPARE(config.prayer[Maghrib].enable, flag);
    QCOMPARE(config.updateInterval, number);
    QCOMPARE(config.prayer[Asar].audioVolume, number);
}

void TestConfigStore::readTextLikeDom_data()
{
    QTest::addColumn<QString>("element");
    QTest::newRow("plain") << "<Zone>Ipoh</Zone>";
    QTest::newRow("spaces around") << "<Zone>  Ipoh  </Zone>";
    QTest::newRow("spaces only") << "<Zone>   </Zone>";
    QTest::newRow("line break only") << "<Zone>\n    \n</Zone>";
    QTest::newRow("empty") << "<Zone></Zone>";
    QTest::newRow("self-closing") << "<Zone/>";
    QTest::newRow("entities") << "<Zone>A &amp; B &lt;&gt; &#x645;&#1572;</Zone>";
    QTest::newRow("cdata") << "<Zone><![CDATA[ <Ipoh> & ]]></Zone>";
    QTest::newRow("cdata blank") << "<Zone><![CDATA[  ]]></Zone>";
    QTest::newRow("nested") << "<Zone>\n    <b>Ipoh</b>\n    <i> Perak </i>\n</Zone>";
    QTest::newRow("comment inside") << "<Zone>Ip<!-- x -->oh</Zone>";
}

void TestConfigStore::readTextLikeDom()
{
    // A value reads exactly as the DOM's element text would.
    QFETCH(QString, element);
    const QString text = wrapDocument("AppConfig", element);
    QDomDocument doc;
    QVERIFY(doc.setContent(text));
    const QString expected = doc.documentElement().firstChildElement("Zone").text();
    AppConfig config;
    QVERIFY(ConfigStore::readDocument(text, config));
    QCOMPARE(config.zone, expected);
}

void TestConfigStore::readIgnoresRootNameAndCase()
{
    AppConfig config;
    QVERIFY(ConfigStore::readDocument(
        wrapDocument("Settings", "<zone>Ipoh</zone><ZONE>Ipoh</ZONE><Language>Bahasa Malaysia</Language>"),
        config));
    QCOMPARE(config.zone, QStringLiteral("Kuala Lumpur"));
    QCOMPARE(config.language, QStringLiteral("Bahasa Malaysia"));
}

void TestConfigStore::readRejectsNonXml_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("plain text") << QStringLiteral("Zone=Ipoh");
    QTest::newRow("declaration only") << QStringLiteral("<?xml version='1.0' encoding='UTF-8'?>\n");
    QTest::newRow("markup before any root") << QStringLiteral("<?xml version='1.0'?><!-- x --><<");
}

void TestConfigStore::readKeepsWhatCanBeRead_data()
{
    // Each document sets Zone to "Ipoh" before it goes wrong; what comes
    // after the fault, or sits in an unfinished element, is not taken.
    QTest::addColumn<QString>("text");
    const QString zone = QStringLiteral("<AppConfig><Zone>Ipoh</Zone>");
    QTest::newRow("unclosed root") << zone;
    QTest::newRow("cut in an element") << zone + QStringLiteral("<Language>Bahasa Mal");
    QTest::newRow("mismatched tag") << zone + QStringLiteral("<Language>Bahasa Malaysia</Languag></AppConfig>");
    QTest::newRow("second root") << zone + QStringLiteral("</AppConfig><AppConfig><Language>Bahasa Malaysia</Language></AppConfig>");
    QTest::newRow("extra element after the root") << zone + QStringLiteral("</AppConfig><Language>Bahasa Malaysia</Language>");
    QTest::newRow("bad entity") << zone + QStringLiteral("<Language>&nbsp;</Language></AppConfig>");
    QTest::newRow("30000 levels deep")
        << zone + QStringLiteral("<a>").repeated(30000) + QStringLiteral("<Language>Bahasa Malaysia</Language>");
}

void TestConfigStore::readKeepsWhatCanBeRead()
{
    QFETCH(QString, text);
    AppConfig config;
    QVERIFY(ConfigStore::readDocument(text, config));
    AppConfig expected;
    expected.zone = QStringLiteral("Ipoh");
    QCOMPARE(difference(config, expected), QString());
}

void TestConfigStore::stringsSurviveSaveAndLoad_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("escape") << QStringLiteral("/home/a/\x1b[31mred.mp3");
    QTest::newRow("ESC") << QString::fromUtf8("/home/a/\x1b" "azan.mp3");
    QTest::newRow("U+0001") << QString::fromUtf8("/home/a/\x01" "azan.mp3");
    QTest::newRow("U+FFFE") << QStringLiteral("/home/a/\ufffe" "azan.mp3");
    QTest::newRow("U+FFFF") << QStringLiteral("/home/a/\uffff.mp3");
    QTest::newRow("only spaces") << QStringLiteral("   ");
    QTest::newRow("tab and line ends") << QStringLiteral("/a\tb\nc\r\nd.mp3");
    QTest::newRow("carriage return") << QStringLiteral("/a\rb.mp3");
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + QStringLiteral("x");
    QTest::newRow("looks like base64") << QStringLiteral("L2EvYi5tcDM=");
}

void TestConfigStore::stringsSurviveSaveAndLoad()
{
    QFETCH(QString, text);
    AppConfig config = changedConfig();
    config.prayer[Asar].customSoundPath = text;
    config.zone = text;
    QVERIFY(config.save());

    // Every other setting comes back too: one bad string must not cost
    // the whole file.
    AppConfig loaded;
    QCOMPARE(ConfigStore::loadFile(loaded), ConfigStore::LoadStatus::Loaded);
    QCOMPARE(loaded.prayer[Asar].customSoundPath, text);
    QCOMPARE(loaded.zone, text);
    QCOMPARE(difference(loaded, config), QString());
}

void TestConfigStore::readRejectsNonXml()
{
    QFETCH(QString, text);
    // The record is left exactly as it was, even when values were seen
    // before the document broke off.
    AppConfig config = changedConfig();
    QVERIFY(!ConfigStore::readDocument(text, config));
    QCOMPARE(difference(config, changedConfig()), QString());
}

// ------------------------------------------------------------------ File

void TestConfigStore::configFilePathCreatesDirectory()
{
    const QString path = ConfigStore::configFilePath(false);
    QCOMPARE(path, dataDirectory() + QStringLiteral("/App.cnf"));
    QVERIFY(!QFileInfo::exists(dataDirectory()));   // not created without create

    QCOMPARE(ConfigStore::configFilePath(true), path);
    QVERIFY(QFileInfo(dataDirectory()).isDir());
    QVERIFY(!QFileInfo::exists(path));
}

void TestConfigStore::firstStartWritesDefaults()
{
    const QString path = ConfigStore::configFilePath(false);
    QVERIFY(!QFileInfo::exists(path));

    AppConfig config;
    config.initialise();
    QCOMPARE(difference(config, AppConfig()), QString());
    QVERIFY(QFileInfo(path).isFile());

    // One run of uppercase hex digits, no line end.
    const QByteArray bytes = readAll(path);
    QVERIFY(QRegularExpression(QStringLiteral("^[0-9A-F]+$")).match(QString::fromLatin1(bytes)).hasMatch());
    QCOMPARE(bytes.size() % 32, 0);
    const QString text = ConfigCipher::decipherText(QString::fromLatin1(bytes));
    QVERIFY(text.startsWith(QStringLiteral("<?xml version='1.0' encoding='UTF-8'?>\n<AppConfig>\n")));

    AppConfig loaded = changedConfig();
    QVERIFY(loaded.load());
    QCOMPARE(difference(loaded, AppConfig()), QString());

#ifndef Q_OS_WIN
    // Auto-start is off until the user turns it on.
    QVERIFY(!QFileInfo(entryPath()).exists());
#endif
}

void TestConfigStore::saveLoadRoundTrip()
{
    AppConfig config = changedConfig();
    config.prayer[Subuh].customSoundPath =
        QStringLiteral("/home/siti/Muzik/Azan Subuh \u2013 \u0645\u0624\u0630\u0646/\u00dcmm\u00fc \U0001F54C.mp3");
    config.zone = QStringLiteral("W.P. Kuala Lumpur & Putrajaya");
    QVERIFY(config.save());

    AppConfig loaded;
    QVERIFY(loaded.load());
    QCOMPARE(difference(loaded, config), QString());
    QCOMPARE(loaded.prayer[Subuh].customSoundPath, config.prayer[Subuh].customSoundPath);

    // A second save replaces the first.
    config.zone = QStringLiteral("Sandakan");
    QVERIFY(config.save());
    QVERIFY(loaded.load());
    QCOMPARE(loaded.zone, QStringLiteral("Sandakan"));
    const QStringList left = QDir(dataDirectory()).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(left, QStringList(QStringLiteral("App.cnf")));
}

void TestConfigStore::loadsFileMadeElsewhere()
{
    const QString path = ConfigStore::configFilePath(true);
    QVERIFY(writeFile(path, QByteArray(OpenSslFile)));
    AppConfig config;
    QVERIFY(config.load());
    AppConfig expected;
    expected.zone = QStringLiteral("Ipoh");
    expected.autoStart = false;
    expected.prayer[Isyak].audioVolume = 35;
    QCOMPARE(difference(config, expected), QString());

    // Start-up keeps a file that loads instead of rewriting it.
    AppConfig started;
    started.initialise();
    QCOMPARE(difference(started, expected), QString());
    QCOMPARE(readAll(path), QByteArray(OpenSslFile));
}

void TestConfigStore::badFileGivesDefaults_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("loads");

    auto enciphered = [](const QString &text) { return ConfigCipher::encipherText(text).toLatin1(); };
    const QByteArray valid = enciphered(ConfigStore::documentText(changedConfig()));

    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("odd-length hex") << QByteArray("ABC") << false;
    QTest::newRow("non-hex characters") << QByteArray("this file is not hex at all!!!!!") << false;
    QTest::newRow("binary") << QByteArray("\x00\xff\x10\x80\x00\x01\x02\x03", 8) << false;
    QTest::newRow("not a multiple of 16") << valid.left(valid.size() - 2) << false;
    QTest::newRow("wrong pad") << QByteArray(PadMixed) << false;
    QTest::newRow("truncated in the middle") << valid.left(valid.size() / 2 + 1) << false;
    QTest::newRow("cipher text of non-XML") << enciphered(QStringLiteral("Zone=Ipoh\nAutoStart=0\n")) << false;
    QTest::newRow("wrong key")
        << QByteArray(PadMixed) + QByteArray(OpenSslFile).mid(32) << false;
    QTest::newRow("random bytes") << QByteArray("\x8f\x13\xa0\x7e\x55\x01\xfe\xc3\x99\x42\x10\x00\xee\x7f\x80\x31", 16).repeated(64) << false;
    QTest::newRow("different root")
        << enciphered(wrapDocument("Preferences", "<Colour>blue</Colour>")) << true;
    QTest::newRow("10 MB of hex") << QByteArray(10 * 1024 * 1024, 'A') << false;
    QTest::newRow("10 MB valid prefix") << valid + QByteArray(10 * 1024 * 1024, '0') << false;
    QTest::newRow("plain XML") << ConfigStore::documentText(changedConfig()).toUtf8() << false;
}

void TestConfigStore::badFileGivesDefaults()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, loads);
    const QString path = ConfigStore::configFilePath(true);
    QVERIFY(writeFile(path, content));

    // load() leaves the record alone when the file is unusable.
    AppConfig kept = changedConfig();
    QCOMPARE(kept.load(), loads);
    QCOMPARE(difference(kept, changedConfig()), QString());

    // At start the program ends up with the defaults, on disk as well.
    AppConfig config;
    const ConfigStore::StartReport report = ConfigStore::initialise(config);
    QCOMPARE(difference(config, AppConfig()), QString());
    if (loads) {
        // A document that parses stays; none of its elements is ours.
        QCOMPARE(readAll(path), content);
        QVERIFY(report.movedAsidePath.isEmpty());
    } else {
        AppConfig reread = changedConfig();
        QVERIFY(reread.load());
        QCOMPARE(difference(reread, AppConfig()), QString());
        QVERIFY(QFileInfo(path).size() < 64 * 1024);
        // The old file is kept beside it, byte for byte, and named in the
        // report the user is shown.
        QCOMPARE(report.status, ConfigStore::LoadStatus::Unreadable);
        QVERIFY(QFileInfo(report.movedAsidePath).fileName().startsWith(QStringLiteral("App.cnf.bad-")));
        QCOMPARE(QFileInfo(report.movedAsidePath).absolutePath(), QFileInfo(path).absolutePath());
        QCOMPARE(readAll(report.movedAsidePath), content);
    }
}

void TestConfigStore::existingFileKeepsItsSounds()
{
    // A file written by an older version, with the azan at every time, and
    // one without the Duha values: the user's choices stay, a missing value
    // takes the new default.
    AppConfig old;
    for (PrayerSettings &p : old.prayer)
        p.notificationSound = NotifierSetting::SoundAzan;
    QString document = ConfigStore::documentText(old);
    const int from = document.indexOf(QStringLiteral("<DuhaEnable>"));
    const int to = document.indexOf(QStringLiteral("<ZohorEnable>"));
    QVERIFY(from > 0 && to > from);
    document.remove(from, to - from);
    QVERIFY(writeFile(ConfigStore::configFilePath(true), ConfigCipher::encipherText(document).toLatin1()));
    AppConfig config;
    QVERIFY(ConfigStore::load(config));
    QCOMPARE(config.prayer[Imsak].notificationSound, int(NotifierSetting::SoundAzan));
    QCOMPARE(config.prayer[Syuruk].notificationSound, int(NotifierSetting::SoundAzan));
    QCOMPARE(config.prayer[Duha].notificationSound, int(NotifierSetting::SoundOff));
    QCOMPARE(config.prayer[Zohor].notificationSound, int(NotifierSetting::SoundAzan));
}

void TestConfigStore::brokenFileKeepsWhatCanBeRead()
{
    // A document cut off in the middle: the values before the cut are
    // kept, the rest are defaults, and nothing is moved aside.
    const QString path = ConfigStore::configFilePath(true);
    const QString document = ConfigStore::documentText(changedConfig());
    const int cut = document.indexOf(QStringLiteral("<SubuhEnable>"));
    QVERIFY(cut > 0);
    QVERIFY(writeFile(path, ConfigCipher::encipherText(document.left(cut + 5)).toLatin1()));
    AppConfig config;
    const ConfigStore::StartReport report = ConfigStore::initialise(config);
    QCOMPARE(report.status, ConfigStore::LoadStatus::Loaded);
    QVERIFY(report.movedAsidePath.isEmpty());
    const AppConfig changed = changedConfig();
    QCOMPARE(config.zone, changed.zone);
    QCOMPARE(config.language, changed.language);
    QCOMPARE(config.prayer[Imsak].audioVolume, changed.prayer[Imsak].audioVolume);
    QCOMPARE(config.prayer[Isyak].audioVolume, AppConfig().prayer[Isyak].audioVolume);
}

void TestConfigStore::onlyTheNewestBadFilesAreKept()
{
    const QString path = ConfigStore::configFilePath(true);
    const QDateTime first(QDate(2026, 3, 1), QTime(8, 0, 0));
    QStringList moved;
    for (int i = 0; i < ConfigStore::KeptBadFiles + 2; ++i) {
        QVERIFY(writeFile(path, QByteArray::number(i)));
        moved << ConfigStore::moveAside(path, first.addSecs(i));
        QVERIFY(!moved.last().isEmpty());
        QVERIFY(!QFileInfo::exists(path));
    }
    QCOMPARE(QFileInfo(moved.first()).fileName(), QStringLiteral("App.cnf.bad-20260301-080000"));
    const QStringList left = QDir(dataDirectory()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    QCOMPARE(left.size(), ConfigStore::KeptBadFiles);
    for (int i = 0; i < ConfigStore::KeptBadFiles; ++i) {
        const QString kept = moved.at(moved.size() - ConfigStore::KeptBadFiles + i);
        QCOMPARE(left.at(i), QFileInfo(kept).fileName());
        QCOMPARE(readAll(kept), QByteArray::number(moved.size() - ConfigStore::KeptBadFiles + i));
    }
}

void TestConfigStore::filesArePrivate()
{
#ifdef Q_OS_UNIX
    const QFileDevice::Permissions file = QFileDevice::ReadOwner | QFileDevice::WriteOwner
        | QFileDevice::ReadUser | QFileDevice::WriteUser;
    const QFileDevice::Permissions folder = file | QFileDevice::ExeOwner | QFileDevice::ExeUser;
    AppConfig config;
    QVERIFY(config.save());
    const QString path = ConfigStore::configFilePath(false);
    QCOMPARE(QFileInfo(path).permissions(), file);
    QCOMPARE(QFileInfo(dataDirectory()).permissions(), folder);

    // Files of an older version, readable by all, are mended at start.
    const QFileDevice::Permissions open = QFileDevice::ReadOwner | QFileDevice::WriteOwner
        | QFileDevice::ReadGroup | QFileDevice::ReadOther;
    QVERIFY(QFile::setPermissions(path, open));
    QVERIFY(QFile::setPermissions(dataDirectory(), open | QFileDevice::ExeOwner | QFileDevice::ExeGroup
                                  | QFileDevice::ExeOther));
    AppConfig started;
    started.initialise();
    QCOMPARE(QFileInfo(path).permissions(), file);
    QCOMPARE(QFileInfo(dataDirectory()).permissions(), folder);
    // And a save keeps it so.
    QVERIFY(started.save());
    QCOMPARE(QFileInfo(path).permissions(), file);
#else
    QSKIP("file modes are a Unix matter");
#endif
}

void TestConfigStore::staleTemporariesRemovedAtStart()
{
    AppConfig config = changedConfig();
    QVERIFY(config.save());
    const QDir dir(dataDirectory());
    const QDateTime old = QDateTime::currentDateTime().addSecs(-3600);
    auto make = [&](const QString &name, bool aged) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("ABCD");
        file.flush();
        if (aged)
            QVERIFY(file.setFileTime(old, QFileDevice::FileModificationTime));
    };
    make(QStringLiteral("App.cnf.Xq3ZpA"), true);     // left by a killed save
    make(QStringLiteral("App.cnf.k29dLm"), true);
    make(QStringLiteral("App.cnf.Rt5uV1"), false);    // a save may be under way
    make(QStringLiteral("App.cnf.bad-20260301-080000"), true);
    make(QStringLiteral("App.cnf.toolongname"), true);
    make(QStringLiteral("App.cnf.ab-cd1"), true);     // not a letter or digit
    make(QStringLiteral("App.cnf.Xq3Zp"), true);      // five
    make(QStringLiteral("Other.cnf.Xq3ZpA"), true);

    AppConfig started;
    started.initialise();
    QCOMPARE(difference(started, changedConfig()), QString());
    QStringList left = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    QCOMPARE(left, (QStringList{QStringLiteral("App.cnf"), QStringLiteral("App.cnf.Rt5uV1"),
                                QStringLiteral("App.cnf.Xq3Zp"), QStringLiteral("App.cnf.ab-cd1"),
                                QStringLiteral("App.cnf.bad-20260301-080000"),
                                QStringLiteral("App.cnf.toolongname"), QStringLiteral("Other.cnf.Xq3ZpA")}));
}

void TestConfigStore::saveFailsWhenDirectoryIsAFile()
{
    // The data directory's place is taken by a file: nothing can be
    // created there, whoever runs the test.
    const QString data = dataDirectory();
    QVERIFY(QDir().mkpath(QFileInfo(data).absolutePath()));
    QVERIFY(writeFile(data, QByteArray("in the way")));

    QCOMPARE(ConfigStore::configFilePath(true), QString());
    QVERIFY(!ConfigStore::configFilePath(false).isEmpty());
    AppConfig config;
    QVERIFY(!config.save());
    QVERIFY(!config.load());
    QCOMPARE(readAll(data), QByteArray("in the way"));

    config.initialise();   // must cope
    QCOMPARE(difference(config, AppConfig()), QString());
#ifndef Q_OS_WIN
    // The auto-start entry still follows the setting (off by default).
    QVERIFY(!QFileInfo(entryPath()).exists());
#endif
}

void TestConfigStore::saveFailsWhenFileIsADirectory()
{
    const QString path = ConfigStore::configFilePath(true);
    QVERIFY(QDir().mkpath(path + "/inside"));
    AppConfig config = changedConfig();
    QVERIFY(!config.save());
    QVERIFY(!config.load());
    QVERIFY(QFileInfo(path + "/inside").isDir());
    QCOMPARE(difference(config, changedConfig()), QString());
}

void TestConfigStore::saveKeepsOldFileWhenDiskFull()
{
#ifdef Q_OS_UNIX
    // A file-size limit makes every write past it fail as a full disk
    // would, and it holds for root too.
    AppConfig old;
    old.zone = QStringLiteral("Old zone");
    old.autoStart = true;
    QVERIFY(old.save());
    const QString path = ConfigStore::configFilePath(false);
    const QByteArray before = readAll(path);
    QVERIFY(before.size() > 4096);
#ifndef Q_OS_WIN
    QVERIFY(QFileInfo(entryPath()).isFile());
#endif

    AppConfig changed = changedConfig();   // auto-start off
    struct rlimit saved;
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit small = saved;
    small.rlim_cur = 1024;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved_ok = changed.save();   // no test output until the limit is lifted
    const int restored = setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    QCOMPARE(restored, 0);

    QVERIFY(!saved_ok);
    QCOMPARE(readAll(path), before);
    QCOMPARE(QDir(dataDirectory()).entryList(QDir::Files | QDir::Hidden), QStringList(QStringLiteral("App.cnf")));
    // The auto-start entry follows only a save that worked.
    QVERIFY(QFileInfo(entryPath()).isFile());
    AppConfig loaded;
    QVERIFY(loaded.load());
    QCOMPARE(loaded.zone, QStringLiteral("Old zone"));

    // Without the limit the same save goes through.
    QVERIFY(changed.save());
    QVERIFY(!QFileInfo::exists(entryPath()));
#else
    QSKIP("needs a file-size limit");
#endif
}

void TestConfigStore::saveKeepsOldFileWhenDirectoryReadOnly()
{
#ifdef Q_OS_UNIX
    if (geteuid() == 0)
        QSKIP("root writes into read-only directories");
#endif
    AppConfig old;
    old.zone = QStringLiteral("Old zone");
    QVERIFY(old.save());
    const QString path = ConfigStore::configFilePath(false);
    const QByteArray before = readAll(path);

    QVERIFY(QFile::setPermissions(dataDirectory(), QFile::ReadOwner | QFile::ExeOwner));
    AppConfig changed = changedConfig();
    const bool ok = changed.save();
    QFile::setPermissions(dataDirectory(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QVERIFY(!ok);
    QCOMPARE(readAll(path), before);
#ifndef Q_OS_WIN
    QVERIFY(QFileInfo(entryPath()).isFile());
#endif
}

// ------------------------------------------------------------ Auto-start

void TestConfigStore::windowsRunValue()
{
    QCOMPARE(AutoStart::windowsRunValue(QStringLiteral("C:/Program Files/Almarik Zenhar/AlmarikZenhar.exe")),
             QStringLiteral("\"C:\\Program Files\\Almarik Zenhar\\AlmarikZenhar.exe\" /minimized"));
    QCOMPARE(AutoStart::windowsRunValue(QStringLiteral("D:\\Apps/AlmarikZenhar.exe")),
             QStringLiteral("\"D:\\Apps\\AlmarikZenhar.exe\" /minimized"));
}

void TestConfigStore::autoStartEntryCreated()
{
#ifdef Q_OS_WIN
    QSKIP("the desktop entry is not used on Windows");
#else
    QCOMPARE(entryPath(), QString::fromLocal8Bit(qgetenv("HOME")) + "/.qttest/config/autostart/AlmarikZenhar.desktop");
    QVERIFY(!QFileInfo::exists(entryPath()));

    const QString program = QStringLiteral("/opt/Almarik Zenhar/bin/AlmarikZenhar");
    QVERIFY(AutoStart::apply(true, program));
    QString first;
    const QHash<QString, QString> values = desktopEntryValues(readAll(entryPath()), &first);
    QCOMPARE(first, QStringLiteral("[Desktop Entry]"));
    QCOMPARE(values.value("Type"), QStringLiteral("Application"));
    QCOMPARE(values.value("Name"), QStringLiteral("Almarik Zenhar"));
    QCOMPARE(values.value("Exec"), QStringLiteral("\"/opt/Almarik Zenhar/bin/AlmarikZenhar\" /minimized"));
    QCOMPARE(values.value("X-GNOME-Autostart-enabled"), QStringLiteral("true"));
    QVERIFY(!values.contains("Hidden"));

    // Applying again replaces the entry rather than adding to it.
    QVERIFY(AutoStart::apply(true, QStringLiteral("/usr/bin/AlmarikZenhar")));
    const QByteArray content = readAll(entryPath());
    QCOMPARE(content.count("[Desktop Entry]"), 1);
    QCOMPARE(desktopEntryValues(content, &first).value("Exec"), QStringLiteral("\"/usr/bin/AlmarikZenhar\" /minimized"));
#endif
}

void TestConfigStore::autoStartExecQuoting()
{
#ifdef Q_OS_WIN
    QSKIP("the desktop entry is not used on Windows");
#else
    // Inside the quotes '"', '`', '$' and '\' take a backslash and '%' is
    // doubled; then every backslash is escaped once more as a string value.
    QVERIFY(AutoStart::apply(true, QStringLiteral("/srv/a\"b`c$d\\e%f/Almarik")));
    QString first;
    const QString exec = desktopEntryValues(readAll(entryPath()), &first).value("Exec");
    QCOMPARE(exec, QStringLiteral("\"/srv/a\\\\\"b\\\\`c\\\\$d\\\\\\\\e%%f/Almarik\" /minimized"));

    QVERIFY(AutoStart::apply(true, QStringLiteral("/home/\u00e9lise/Program \u0645/AlmarikZenhar")));
    const QString exec2 = desktopEntryValues(readAll(entryPath()), &first).value("Exec");
    QCOMPARE(exec2, QStringLiteral("\"/home/\u00e9lise/Program \u0645/AlmarikZenhar\" /minimized"));
#endif
}

void TestConfigStore::autoStartRemoved()
{
#ifdef Q_OS_WIN
    QSKIP("the desktop entry is not used on Windows");
#else
    QVERIFY(AutoStart::apply(true, QStringLiteral("/usr/bin/AlmarikZenhar")));
    QVERIFY(QFileInfo(entryPath()).isFile());
    QVERIFY(AutoStart::apply(false, QString()));
    QVERIFY(!QFileInfo::exists(entryPath()));
    QVERIFY(AutoStart::apply(false, QString()));   // nothing to remove
    QVERIFY(!QFileInfo::exists(entryPath()));

    // With no autostart folder at all.
    QVERIFY(QDir(QFileInfo(entryPath()).absolutePath()).removeRecursively());
    QVERIFY(AutoStart::apply(false, QStringLiteral("/usr/bin/AlmarikZenhar")));

    // A dangling link in the entry's place is removed too.
    QVERIFY(QDir().mkpath(QFileInfo(entryPath()).absolutePath()));
    QVERIFY(QFile::link(m_home.path() + "/nowhere", entryPath()));
    QVERIFY(AutoStart::apply(false, QString()));
    QVERIFY(!QFileInfo(entryPath()).isSymLink());
#endif
}

void TestConfigStore::autoStartRefusesEmptyPath()
{
#ifdef Q_OS_WIN
    QSKIP("the desktop entry is not used on Windows");
#else
    QVERIFY(!AutoStart::apply(true, QString()));
    QVERIFY(!QFileInfo::exists(entryPath()));
#endif
}

void TestConfigStore::saveAppliesAutoStart()
{
#ifdef Q_OS_WIN
    QSKIP("the desktop entry is not used on Windows");
#else
    AppConfig config;
    config.autoStart = true;
    QVERIFY(config.save());
    QString first;
    const QString exec = desktopEntryValues(readAll(entryPath()), &first).value("Exec");
    const QString program = QCoreApplication::applicationFilePath();
    QVERIFY(QFileInfo(program).isAbsolute());
    QCOMPARE(exec, QLatin1Char('"') + program + QStringLiteral("\" /minimized"));

    config.autoStart = false;
    QVERIFY(config.save());
    QVERIFY(!QFileInfo::exists(entryPath()));

    // Start-up applies the stored setting even when the file loads.
    QVERIFY(AutoStart::apply(true, program));
    AppConfig started;
    started.initialise();
    QVERIFY(!started.autoStart);
    QVERIFY(!QFileInfo::exists(entryPath()));
#endif
}

QTEST_GUILESS_MAIN(TestConfigStore)
#include "test_configstore.moc"
