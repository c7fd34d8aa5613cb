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

    // Loads the catalogue of the configured language over the current
    // table; with notify set, emits updated() after a successful load.
    bool load(bool notify);
    QString text(const QString &key) const;
    QString monthName(int month) const;
    QString shortDate(const QDate &date) const;
    QString name() const { return m_name; }

signals:
    void updated();

private:
    const AppConfig &m_config;
    QString m_name;
    QHash<QString, QString> m_table;
};

#endif // LANGUAGE_H
