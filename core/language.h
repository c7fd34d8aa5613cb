#ifndef LANGUAGE_H
#define LANGUAGE_H

#include <QDate>
#include <QHash>
#include <QObject>
#include <QString>

class AppConfig;

// The text catalogue of the configured language. Widgets look every text
// up by key and re-read them all when updated() is emitted.
class Language : public QObject
{
    Q_OBJECT
public:
    explicit Language(const AppConfig &config, QObject *parent = nullptr);

    // Resource path of the catalogue for a configured language name
    // ("English", "Bahasa Malaysia", "Bahasa Indonesia"); "" otherwise.
    static QString resourcePath(const QString &languageName);

    // Largest catalogue and deepest nesting accepted.
    static constexpr int MaxCatalogueBytes = 2 * 1024 * 1024;
    static constexpr int MaxCatalogueDepth = 8;

    // Loads the catalogue of the configured language over the current
    // table; with notify set, emits updated() after a successful load. A
    // language it does not know loads English (see fellBack()).
    bool load(bool notify);
    // True when the last load used English for an unknown language;
    // requestedLanguage() is the name that was asked for.
    bool fellBack() const { return m_fellBack; }
    QString requestedLanguage() const { return m_requested; }

    // Reads a catalogue document: the root's "name" attribute and each
    // child element's text by tag name. False, with nothing set, for a
    // document that is not well-formed, too large, nested too deeply or
    // has a document type declaration.
    static bool parseCatalogue(const QByteArray &bytes, QString *name, QHash<QString, QString> *table);
    QString text(const QString &key) const;
    QString monthName(int month) const;
    // "December 7, 2026" or "7 Disember 2026": a date in the catalogue's
    // order, with its month name.
    QString shortDate(const QDate &date) const;
    // The same order for any calendar's month name (Hijri dates).
    QString dateText(const QString &month, int day, int year) const;
    QString name() const { return m_name; }

signals:
    void updated();

private:
    const AppConfig &m_config;
    QString m_name;
    QString m_requested;
    bool m_fellBack = false;
    QHash<QString, QString> m_table;
};

#endif // LANGUAGE_H
