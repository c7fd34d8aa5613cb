#include "core/language.h"

#include <QFile>
#include <QXmlStreamReader>

#include "core/appconfig.h"
#include "core/logcategories.h"

namespace {

// Keys of the month names, January first.
const char *const MonthKeys[12] = {
    "DateTime.January", "DateTime.February", "DateTime.March",
    "DateTime.April", "DateTime.May", "DateTime.June",
    "DateTime.July", "DateTime.August", "DateTime.September",
    "DateTime.October", "DateTime.November", "DateTime.December"
};

} // namespace

Language::Language(const AppConfig &config, QObject *parent)
    : QObject(parent)
    , m_config(config)
{
}

QString Language::resourcePath(const QString &languageName)
{
    // The configured name must match exactly: "english" is not English.
    if (languageName == QLatin1String("English"))
        return QStringLiteral(":/languages/English.xml");
    if (languageName == QLatin1String("Bahasa Malaysia"))
        return QStringLiteral(":/languages/Malay.xml");
    if (languageName == QLatin1String("Bahasa Indonesia"))
        return QStringLiteral(":/languages/Indonesia.xml");
    return QString();
}

bool Language::parseCatalogue(const QByteArray &bytes, QString *name, QHash<QString, QString> *table)
{
    // Caps before and while parsing, so that a catalogue from outside the
    // program cannot exhaust memory or stack: a size limit, no document
    // type declaration (hence no entities of its own) and a depth limit.
    if (bytes.size() > MaxCatalogueBytes)
        return false;
    QXmlStreamReader xml(bytes);
    QHash<QString, QString> entries;
    QString rootName;
    QString key;
    QString value;
    int depth = 0;
    bool sawRoot = false;
    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            xml.raiseError(QStringLiteral("document type declarations are not accepted"));
            break;
        case QXmlStreamReader::StartElement:
            if (++depth > MaxCatalogueDepth) {
                xml.raiseError(QStringLiteral("nested too deeply"));
            } else if (depth == 1) {
                if (sawRoot)
                    xml.raiseError(QStringLiteral("a second root"));
                sawRoot = true;
                rootName = xml.attributes().value(QLatin1String("name")).toString();
            } else if (depth == 2) {
                key = xml.name().toString();
                value.clear();
            }
            break;
        case QXmlStreamReader::EndElement:
            if (depth == 2)
                entries.insert(key, value);
            --depth;
            break;
        case QXmlStreamReader::Characters:
            // An entry's text is all the text inside it; runs of bare white
            // space between markup are not text.
            if (depth >= 2 && (xml.isCDATA() || !xml.isWhitespace()))
                value += xml.text();
            break;
        default:
            break;
        }
    }
    if (xml.hasError() || !sawRoot)
        return false;
    *name = rootName;
    *table = entries;
    return true;
}

bool Language::load(bool notify)
{
    // A language this program does not know (a setting from another
    // version, a hand-edited file) gives English rather than no text.
    QString path = resourcePath(m_config.language);
    const bool fallBack = path.isEmpty();
    if (fallBack) {
        qCWarning(lcUi).noquote() << "unknown language" << m_config.language << "- using English";
        path = resourcePath(QStringLiteral("English"));
    }

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // Only what the file holds, and one byte past the cap to tell it was
    // too long: reading the cap itself would allocate its two megabytes at
    // every start for a catalogue of thirty kilobytes.
    const QByteArray bytes = file.read(qBound<qint64>(0, file.size(), MaxCatalogueBytes) + 1);
    file.close();

    // The whole document is parsed before anything is touched, so a broken
    // catalogue leaves the texts in force as they were.
    QString name;
    QHash<QString, QString> entries;
    if (!parseCatalogue(bytes, &name, &entries))
        return false;

    m_name = name;
    m_fellBack = fallBack;
    m_requested = m_config.language;
    // The table is deliberately not cleared: a catalogue that lacks a key
    // leaves the text of the previously loaded catalogue in force. The
    // first catalogue is the table.
    if (m_table.isEmpty()) {
        m_table.swap(entries);
    } else {
        for (auto it = entries.cbegin(); it != entries.cend(); ++it)
            m_table.insert(it.key(), it.value());
    }

    if (notify)
        emit updated();
    return true;
}

QString Language::text(const QString &key) const
{
    // value() never inserts: looking up a missing key leaves the table as is.
    return m_table.value(key);
}

QString Language::monthName(int month) const
{
    if (month < 1 || month > 12)
        return QString();
    return text(QLatin1String(MonthKeys[month - 1]));
}

QString Language::shortDate(const QDate &date) const
{
    // An invalid date has no month, day or year to show.
    if (!date.isValid())
        return QString();
    return dateText(monthName(date.month()), date.day(), date.year());
}

QString Language::dateText(const QString &month, int day, int year) const
{
    // The catalogue gives the order ("December 7, 2026", "7 Disember
    // 2026"); one without it uses the English one. One multi-argument
    // call, so that a month name containing "%2" or "%3" cannot be
    // substituted a second time.
    QString pattern = text(QStringLiteral("DateTime.DateFormat"));
    if (pattern.isEmpty())
        pattern = QStringLiteral("%1 %2, %3");
    return pattern.arg(month, QString::number(day), QString::number(year));
}
