#include "core/configstore.h"

#include "core/appconfig.h"
#include "core/autostart.h"
#include "core/configcipher.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QStandardPaths>
#include <QVector>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include "core/logcategories.h"

namespace {

const char FileName[] = "App.cnf";

// A real file is a few kilobytes; anything above this is not ours and is
// treated as unreadable rather than read into memory.
constexpr qint64 MaxFileSize = 1024 * 1024;

// One stored value: its element name and the field it lives in. Exactly
// one of the pointers is set.
struct Entry
{
    QString key;
    QString *text = nullptr;
    bool *flag = nullptr;
    int *number = nullptr;
    double *real = nullptr;
};

Entry textEntry(const QString &key, QString *field) { Entry e; e.key = key; e.text = field; return e; }
Entry flagEntry(const QString &key, bool *field) { Entry e; e.key = key; e.flag = field; return e; }
Entry numberEntry(const QString &key, int *field) { Entry e; e.key = key; e.number = field; return e; }
Entry realEntry(const QString &key, double *field) { Entry e; e.key = key; e.real = field; return e; }

// The user's own place. Files written before these keys existed load
// with the defaults of AppConfig.
void addCustomPlaceEntries(QVector<Entry> &entries, AppConfig &config)
{
    CustomPlace &place = config.customPlace;
    entries << flagEntry(QStringLiteral("UseCustomPlace"), &config.useCustomPlace)
            << textEntry(QStringLiteral("CustomPlaceName"), &place.name)
            << realEntry(QStringLiteral("CustomPlaceLatitude"), &place.latitude)
            << realEntry(QStringLiteral("CustomPlaceLongitude"), &place.longitude)
            << textEntry(QStringLiteral("CustomPlaceTimeZone"), &place.timeZone)
            << textEntry(QStringLiteral("CustomPlaceConvention"), &place.convention)
            << numberEntry(QStringLiteral("CustomPlaceAsarSchool"), &place.asarSchool)
            << numberEntry(QStringLiteral("CustomPlaceHighLatitude"), &place.highLatitude);
    for (int slot = 0; slot < PrayerSlotCount; ++slot)
        entries << numberEntry(QStringLiteral("CustomPlace") + prayerSlotName(slot) + QLatin1String("Adjustment"),
                               &place.adjustment[slot]);
}

// The adjustments of the fixed places abroad. Files written before these
// keys existed load with the conventions' own times.
void addAbroadEntries(QVector<Entry> &entries, AppConfig &config)
{
    PlaceAdjustments &adjustments = config.abroadAdjustments;
    entries << numberEntry(QStringLiteral("AbroadAsarSchool"), &adjustments.asarSchool)
            << numberEntry(QStringLiteral("AbroadHighLatitude"), &adjustments.highLatitude);
    for (int slot = 0; slot < PrayerSlotCount; ++slot)
        entries << numberEntry(QStringLiteral("Abroad") + prayerSlotName(slot) + QLatin1String("Adjustment"),
                               &adjustments.adjustment[slot]);
}

// The sound of each slot's reminder. Files written before these keys
// existed load with the chime of PrayerSettings.
void addReminderEntries(QVector<Entry> &entries, AppConfig &config)
{
    for (int slot = 0; slot < PrayerSlotCount; ++slot)
        entries << numberEntry(prayerSlotName(slot) + QLatin1String("ReminderSound"),
                               &config.prayer[slot].reminderSound);
}

// The stored values of config, in the order they are written.
QVector<Entry> entriesOf(AppConfig &config)
{
    QVector<Entry> entries;
    entries.reserve(12 + 8 * PrayerSlotCount + 16 + 2 + PrayerSlotCount);
    entries << textEntry(QStringLiteral("Zone"), &config.zone)
            << flagEntry(QStringLiteral("AutoStart"), &config.autoStart)
            << flagEntry(QStringLiteral("ShowSplashScreen"), &config.showSplashScreen)
            << flagEntry(QStringLiteral("AskBeforeExit"), &config.askBeforeExit)
            << textEntry(QStringLiteral("Language"), &config.language)
            << flagEntry(QStringLiteral("AutoUpdate"), &config.autoUpdate)
            << flagEntry(QStringLiteral("UpdateOnStartup"), &config.updateOnStartup)
            << flagEntry(QStringLiteral("NotifyUpdateComplete"), &config.notifyUpdateComplete)
            << flagEntry(QStringLiteral("PromptNewVersion"), &config.promptNewVersion)
            << numberEntry(QStringLiteral("UpdateInterval"), &config.updateInterval)
            << numberEntry(QStringLiteral("AlmarikHourSystem"), &config.hourSystem)
            << numberEntry(QStringLiteral("HijriAdjustment"), &config.hijriAdjustment);
    for (int slot = 0; slot < PrayerSlotCount; ++slot) {
        const QString name = prayerSlotName(slot);
        PrayerSettings &p = config.prayer[slot];
        entries << flagEntry(name + QLatin1String("Enable"), &p.enable)
                << numberEntry(name + QLatin1String("MessageDuration"), &p.messageDuration)
                << numberEntry(name + QLatin1String("AlarmTime"), &p.alarmTime)
                << numberEntry(name + QLatin1String("NotificationSound"), &p.notificationSound)
                << numberEntry(name + QLatin1String("Muazin"), &p.muazin)
                << textEntry(name + QLatin1String("CustomSoundPath"), &p.customSoundPath)
                << numberEntry(name + QLatin1String("AudioVolume"), &p.audioVolume);
    }
    addCustomPlaceEntries(entries, config);
    addReminderEntries(entries, config);
    addAbroadEntries(entries, config);
    return entries;
}

QString valueText(const Entry &entry)
{
    if (entry.text)
        return *entry.text;
    if (entry.flag)
        return *entry.flag ? QStringLiteral("1") : QStringLiteral("0");
    if (entry.real)
        return QString::number(*entry.real, 'f', 6);
    return QString::number(*entry.number);
}

// Text that is not a decimal number reads as 0; a flag is set only by 1.
void assignValue(const Entry &entry, const QString &value)
{
    if (entry.text)
        *entry.text = value;
    else if (entry.flag)
        *entry.flag = value.toInt() == 1;
    else if (entry.real)
        *entry.real = value.toDouble();
    else
        *entry.number = value.toInt();
}

// True when XML 1.0 cannot carry the text as element content so that it
// reads back the same: characters outside its set, characters a reader
// changes (carriage returns), and white space alone, which readers drop.
bool needsEncoding(const QString &text)
{
    if (text.isEmpty())
        return false;
    bool onlySpace = true;
    for (int i = 0; i < text.size(); ++i) {
        const ushort u = text.at(i).unicode();
        if (u < 0x20 || u == 0xFFFE || u == 0xFFFF)
            return true;
        if (QChar::isHighSurrogate(u)) {
            if (i + 1 >= text.size() || !text.at(i + 1).isLowSurrogate())
                return true;
            ++i;
        } else if (QChar::isLowSurrogate(u)) {
            return true;
        }
        if (!QChar(u).isSpace())
            onlySpace = false;
    }
    return onlySpace;
}

const char EncodingAttribute[] = "encoding";
const char Base64Encoding[] = "utf16-base64";

// The text's UTF-16 code units, little-endian, in base64: exact for any
// QString, even one that is not valid Unicode.
QString encodeText(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size() * 2);
    for (const QChar c : text) {
        bytes.append(char(c.unicode() & 0xFF));
        bytes.append(char(c.unicode() >> 8));
    }
    return QString::fromLatin1(bytes.toBase64());
}

QString decodeText(const QString &encoded)
{
    const QByteArray bytes = QByteArray::fromBase64(encoded.toLatin1());
    QString text;
    text.reserve(bytes.size() / 2);
    for (int i = 0; i + 1 < bytes.size(); i += 2)
        text.append(QChar(ushort(uchar(bytes.at(i)) | (uchar(bytes.at(i + 1)) << 8))));
    return text;
}

// Nesting deeper than this is not ours; reading stops there.
constexpr int MaxDepth = 32;

QString badFilePrefix()
{
    return QLatin1String(FileName) + QLatin1String(".bad-");
}

// The files moved aside, newest first (their names sort by time). Matched
// by hand: QDir's name filters would compile a regular expression.
QStringList badFiles(const QDir &directory)
{
    const QString prefix = badFilePrefix();
    QStringList bad;
    for (const QString &name : directory.entryList(QDir::Files | QDir::Hidden, QDir::Name | QDir::Reversed)) {
        if (name.startsWith(prefix))
            bad << name;
    }
    return bad;
}

// True for the name of a temporary file QSaveFile makes beside the
// settings: the file's name, a dot and six ASCII letters or digits.
bool isSaveTemporary(const QString &name)
{
    const QString prefix = QLatin1String(FileName) + QLatin1Char('.');
    if (name.size() != prefix.size() + 6 || !name.startsWith(prefix))
        return false;
    for (int i = prefix.size(); i < name.size(); ++i) {
        const ushort u = name.at(i).unicode();
        const bool ascii = (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
        if (!ascii)
            return false;
    }
    return true;
}

QString settingsDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

void makePrivate(const QString &path, bool directory)
{
    const QFileDevice::Permissions owner = QFileDevice::ReadOwner | QFileDevice::WriteOwner
        | QFileDevice::ReadUser | QFileDevice::WriteUser;
    const QFileDevice::Permissions wanted = directory
        ? owner | QFileDevice::ExeOwner | QFileDevice::ExeUser : owner;
    const QFileInfo info(path);
    if (!info.exists() || info.isSymLink())
        return;
    if (info.permissions() != wanted && !QFile::setPermissions(path, wanted))
        qCWarning(lcConfig) << "cannot make private:" << path;
}

} // namespace

QString ConfigStore::timestampText(const QDateTime &time)
{
    const QDate d = time.date();
    const QTime t = time.time();
    const QChar zero(QLatin1Char('0'));
    return QStringLiteral("%1/%2/%3 %4:%5:%6")
        .arg(d.year(), 4, 10, zero)
        .arg(d.month(), 2, 10, zero)
        .arg(d.day(), 2, 10, zero)
        .arg(t.hour(), 2, 10, zero)
        .arg(t.minute(), 2, 10, zero)
        .arg(t.second(), 2, 10, zero);
}

QString ConfigStore::configFilePath(bool create)
{
    const QString directory = settingsDirectory();
    if (directory.isEmpty())
        return QString();
    if (create) {
        const bool existed = QFileInfo(directory).isDir();
        if (!QDir().mkpath(directory) || !QFileInfo(directory).isDir())
            return QString();
        if (!existed)
            makePrivate(directory, true);
    }
    return directory + QLatin1Char('/') + QLatin1String(FileName);
}

QString ConfigStore::documentText(const AppConfig &config)
{
    AppConfig copy = config;
    const QVector<Entry> entries = entriesOf(copy);

    // The declaration is written as earlier versions wrote it; the writer
    // adds the rest, one element per line indented by four spaces.
    QString text = QStringLiteral("<?xml version='1.0' encoding='UTF-8'?>");
    QXmlStreamWriter xml(&text);
    xml.setAutoFormatting(true);
    xml.setAutoFormattingIndent(4);
    xml.writeStartElement(QStringLiteral("AppConfig"));

    auto addValue = [&xml](const QString &key, const QString &value) {
        xml.writeStartElement(key);
        if (needsEncoding(value)) {
            xml.writeAttribute(QLatin1String(EncodingAttribute), QLatin1String(Base64Encoding));
            xml.writeCharacters(encodeText(value));
        } else {
            xml.writeCharacters(value);
        }
        xml.writeEndElement();
    };
    addValue(QStringLiteral("Timestamp"), timestampText(QDateTime::currentDateTime()));
    for (const Entry &entry : entries)
        addValue(entry.key, valueText(entry));

    xml.writeEndElement();
    xml.writeEndDocument();
    return text;
}

bool ConfigStore::readDocument(const QString &text, AppConfig &config)
{
    // Values go into a copy that replaces the record once reading ends. A
    // stream reader keeps even a deeply nested document from costing
    // stack; the depth cap stops it early.
    AppConfig result = config;
    const QVector<Entry> entries = entriesOf(result);
    QHash<QString, int> index;
    for (int i = 0; i < entries.size(); ++i)
        index.insert(entries.at(i).key, i);

    QXmlStreamReader xml(text);
    xml.setNamespaceProcessing(false);   // tag names are compared as written
    int depth = 0;
    bool sawRoot = false;
    bool encoded = false;
    int current = -1;                    // entry of the open child element
    QString value;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            ++depth;
            if (depth > MaxDepth) {
                xml.raiseError(QStringLiteral("nested too deeply"));
            } else if (depth == 1) {
                sawRoot = true;
            } else if (depth == 2) {
                current = index.value(xml.qualifiedName().toString(), -1);
                encoded = xml.attributes().value(QLatin1String(EncodingAttribute))
                          == QLatin1String(Base64Encoding);
                value.clear();
            }
            break;
        case QXmlStreamReader::EndElement:
            if (depth == 2 && current >= 0) {
                if (encoded)
                    value = decodeText(value);
                assignValue(entries.at(current), value);
            }
            if (depth == 2)
                current = -1;
            --depth;
            break;
        case QXmlStreamReader::Characters:
            // An element's value is all of its text; runs of bare white
            // space between markup are not part of it.
            if (current >= 0 && (xml.isCDATA() || !xml.isWhitespace()))
                value += xml.text();
            break;
        default:
            break;
        }
    }
    if (!sawRoot)
        return false;
    if (xml.hasError())
        qCWarning(lcConfig).noquote() << "settings read in part:" << xml.errorString()
                                      << "at line" << xml.lineNumber();
    config = result;
    return true;
}

ConfigStore::LoadStatus ConfigStore::loadFile(AppConfig &config)
{
    const QString path = configFilePath(false);
    if (path.isEmpty())
        return LoadStatus::Missing;
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return LoadStatus::Missing;
    if (!info.isFile())
        return LoadStatus::Unreadable;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxFileSize)
        return LoadStatus::Unreadable;
    // What the file holds (within the cap, checked above) and one byte
    // more, so that a file grown past the cap since is still refused; not
    // a buffer of the cap's size at every start.
    const QByteArray bytes = file.read(file.size() + 1);
    file.close();
    if (bytes.size() > MaxFileSize)
        return LoadStatus::Unreadable;

    const QString text = ConfigCipher::decipherText(QString::fromUtf8(bytes));
    if (text.isEmpty() || !readDocument(text, config))
        return LoadStatus::Unreadable;
    return LoadStatus::Loaded;
}

bool ConfigStore::load(AppConfig &config)
{
    return loadFile(config) == LoadStatus::Loaded;
}

bool ConfigStore::save(const AppConfig &config, QString *error)
{
    auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        qCWarning(lcConfig).noquote() << "settings not saved:" << reason;
        return false;
    };
    const QString path = configFilePath(true);
    if (path.isEmpty())
        return fail(QStringLiteral("the folder %1 cannot be created").arg(settingsDirectory()));

    const QString hex = ConfigCipher::encipherText(documentText(config));
    if (hex.isEmpty())
        return fail(QStringLiteral("the cipher failed"));

    // The new text goes to a temporary file beside the old one, which is
    // replaced only when every byte is on disk. The explicit flush matters:
    // QSaveFile buffers the text, and in Qt 5 commit() does not notice a
    // write that fails while it empties that buffer (a full disk), so it
    // would put a truncated file in place of the good one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString() + QStringLiteral(" (") + path + QLatin1Char(')'));
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QByteArray bytes = hex.toLatin1();
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return fail(reason + QStringLiteral(" (") + path + QLatin1Char(')'));
    }
    if (!file.commit())
        return fail(file.errorString() + QStringLiteral(" (") + path + QLatin1Char(')'));

    applyAutoStart(config.autoStart);
    return true;
}

QString ConfigStore::moveAside(const QString &path, const QDateTime &when)
{
    const QFileInfo info(path);
    const QString target = path + QLatin1String(".bad-") + when.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QFile::remove(target);   // a second bad file within the same second
    if (!QFile::rename(path, target)) {
        qCWarning(lcConfig).noquote() << "cannot move aside" << path;
        return QString();
    }
    // Only the newest few are kept; their names sort by time.
    QDir directory = info.absoluteDir();
    const QStringList bad = badFiles(directory);
    for (int i = KeptBadFiles; i < bad.size(); ++i)
        directory.remove(bad.at(i));
    qCWarning(lcConfig).noquote() << "unreadable settings moved to" << target;
    return target;
}

void ConfigStore::tidyDirectory()
{
    const QString directory = settingsDirectory();
    if (directory.isEmpty() || !QFileInfo(directory).isDir())
        return;
    makePrivate(directory, true);
    QDir dir(directory);
    makePrivate(dir.filePath(QLatin1String(FileName)), false);
    for (const QString &bad : badFiles(dir))
        makePrivate(dir.filePath(bad), false);

    // QSaveFile's temporaries are the file's name and six letters or
    // digits. One younger than a few seconds may belong to a save in
    // progress and is left alone.
    const QDateTime stale = QDateTime::currentDateTimeUtc().addSecs(-10);
    for (const QFileInfo &entry : dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!isSaveTemporary(entry.fileName()))
            continue;
        if (entry.lastModified().toUTC() > stale)
            continue;
        if (QFile::remove(entry.absoluteFilePath()))
            qCInfo(lcConfig).noquote() << "removed a temporary file left by an interrupted save:"
                                       << entry.absoluteFilePath();
    }
}

ConfigStore::StartReport ConfigStore::initialise(AppConfig &config)
{
    StartReport report;
    tidyDirectory();
    report.status = loadFile(config);
    if (report.status == LoadStatus::Unreadable)
        report.movedAsidePath = moveAside(configFilePath(false), QDateTime::currentDateTime());
    if (report.status != LoadStatus::Loaded)
        report.saved = save(config, &report.saveError);
    applyAutoStart(config.autoStart, true);
    return report;
}

namespace {
struct AppliedAutoStart
{
    bool known = false;
    bool enabled = false;
    QString program;
};
AppliedAutoStart &appliedAutoStart()
{
    static AppliedAutoStart applied;
    return applied;
}
} // namespace

void ConfigStore::applyAutoStart(bool enabled, bool force)
{
    const QString program = AutoStart::startFilePath(QCoreApplication::applicationFilePath());
    AppliedAutoStart &applied = appliedAutoStart();
    if (!force && applied.known && applied.enabled == enabled && applied.program == program)
        return;
    if (AutoStart::apply(enabled, program)) {
        applied.known = true;
        applied.enabled = enabled;
        applied.program = program;
    } else {
        applied.known = false;
        qCWarning(lcConfig) << "cannot" << (enabled ? "write" : "remove") << "the auto-start entry";
    }
}
