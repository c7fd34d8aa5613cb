#include "core/configstore.h"

#include "core/appconfig.h"
#include "core/autostart.h"
#include "core/configcipher.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>
#include <QStandardPaths>
#include <QVector>
#include <QXmlStreamReader>

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

// The stored values of config, in the order they are written.
QVector<Entry> entriesOf(AppConfig &config)
{
    QVector<Entry> entries;
    entries.reserve(12 + 7 * PrayerSlotCount);
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
    const QString directory = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (directory.isEmpty())
        return QString();
    if (create && (!QDir().mkpath(directory) || !QFileInfo(directory).isDir()))
        return QString();
    return directory + QLatin1Char('/') + QLatin1String(FileName);
}

QString ConfigStore::documentText(const AppConfig &config)
{
    AppConfig copy = config;
    const QVector<Entry> entries = entriesOf(copy);

    QDomDocument document;
    document.appendChild(document.createProcessingInstruction(
        QStringLiteral("xml"), QStringLiteral("version='1.0' encoding='UTF-8'")));
    QDomElement root = document.createElement(QStringLiteral("AppConfig"));
    document.appendChild(root);

    auto addValue = [&](const QString &key, const QString &value) {
        QDomElement element = document.createElement(key);
        element.appendChild(document.createTextNode(value));
        root.appendChild(element);
    };
    addValue(QStringLiteral("Timestamp"), timestampText(QDateTime::currentDateTime()));
    for (const Entry &entry : entries)
        addValue(entry.key, valueText(entry));

    return document.toString(4);
}

bool ConfigStore::readDocument(const QString &text, AppConfig &config)
{
    // Values go into a copy that replaces the record only once the whole
    // document has parsed. A stream reader keeps even a deeply nested
    // document from costing stack.
    AppConfig result = config;
    const QVector<Entry> entries = entriesOf(result);
    QHash<QString, int> index;
    for (int i = 0; i < entries.size(); ++i)
        index.insert(entries.at(i).key, i);

    QXmlStreamReader xml(text);
    xml.setNamespaceProcessing(false);   // tag names are compared as written
    int depth = 0;
    bool sawRoot = false;
    int current = -1;                    // entry of the open child element
    QString value;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            ++depth;
            if (depth == 1) {
                sawRoot = true;
            } else if (depth == 2) {
                current = index.value(xml.qualifiedName().toString(), -1);
                value.clear();
            }
            break;
        case QXmlStreamReader::EndElement:
            if (depth == 2 && current >= 0)
                assignValue(entries.at(current), value);
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
    if (xml.hasError() || !sawRoot)
        return false;
    config = result;
    return true;
}

bool ConfigStore::load(AppConfig &config)
{
    const QString path = configFilePath(false);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return false;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxFileSize)
        return false;
    const QByteArray bytes = file.read(MaxFileSize + 1);
    file.close();
    if (bytes.size() > MaxFileSize)
        return false;

    const QString text = ConfigCipher::decipherText(QString::fromUtf8(bytes));
    if (text.isEmpty())
        return false;
    return readDocument(text, config);
}

bool ConfigStore::save(const AppConfig &config)
{
    const QString path = configFilePath(true);
    if (path.isEmpty())
        return false;

    const QString hex = ConfigCipher::encipherText(documentText(config));
    if (hex.isEmpty())
        return false;

    // The new text goes to a temporary file beside the old one, which is
    // replaced only when every byte is on disk. The explicit flush matters:
    // QSaveFile buffers the text, and in Qt 5 commit() does not notice a
    // write that fails while it empties that buffer (a full disk), so it
    // would put a truncated file in place of the good one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = hex.toLatin1();
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit())
        return false;

    applyAutoStart(config.autoStart);
    return true;
}

void ConfigStore::initialise(AppConfig &config)
{
    // A successful save has already applied the auto-start setting.
    if (!load(config) && save(config))
        return;
    applyAutoStart(config.autoStart);
}

void ConfigStore::applyAutoStart(bool enabled)
{
    AutoStart::apply(enabled, QCoreApplication::applicationFilePath());
}
