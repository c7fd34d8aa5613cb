#ifndef CSVREADER_H
#define CSVREADER_H

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

// Reads a small comma-separated file with a header row: UTF-8, LF or CRLF
// line ends, fields in double quotes when they hold a comma or a quote
// (a doubled quote inside stands for one quote).
class CsvReader
{
public:
    // False with errorText() set when the file cannot be read or a row
    // has a different number of fields than the header.
    bool read(const QString &filePath);
    // The same, handing the error text to the caller when it wants one.
    bool read(const QString &filePath, QString *error);

    QString errorText() const { return m_error; }
    const QStringList &header() const { return m_header; }
    int rowCount() const { return m_rows.size(); }
    // Index of a header column, -1 when there is none.
    int column(const QString &name) const { return m_columns.value(name, -1); }
    // Field of a data row by column name; "" for an unknown column.
    QString field(int row, const QString &name) const;
    const QStringList &row(int row) const { return m_rows.at(row); }
    const QVector<QStringList> &rows() const { return m_rows; }

    // Fields of one line; ok (when given) is false for unbalanced quotes.
    static QStringList splitLine(const QString &line, bool *ok = nullptr);

private:
    QString m_error;
    QStringList m_header;
    QHash<QString, int> m_columns;
    QVector<QStringList> m_rows;
};

#endif // CSVREADER_H
