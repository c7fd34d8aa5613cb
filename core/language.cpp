#include "core/language.h"

#include <QDomDocument>
#include <QDomElement>
#include <QFile>

#include "core/appconfig.h"

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

bool Language::load(bool notify)
{
    const QString path = resourcePath(m_config.language);
    if (path.isEmpty())
        return false;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;

    // The whole document is parsed before anything is touched, so a broken
    // catalogue leaves the texts in force as they were.
    QDomDocument document;
    if (!document.setContent(&file))
        return false;
    file.close();

    const QDomElement root = document.documentElement();
    m_name = root.attribute(QStringLiteral("name"));

    // The table is deliberately not cleared: a catalogue that lacks a key
    // leaves the text of the previously loaded catalogue in force.
    for (QDomElement element = root.firstChildElement(); !element.isNull();
         element = element.nextSiblingElement())
        m_table.insert(element.tagName(), element.text());

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
    // One multi-argument call, so that a month name containing "%2" or "%3"
    // cannot be substituted a second time.
    return QStringLiteral("%1 %2, %3").arg(monthName(date.month()),
                                          QString::number(date.day()),
                                          QString::number(date.year()));
}
