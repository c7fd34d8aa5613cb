#ifndef CSVREADER_H
#define CSVREADER_H

#include <QString>
#include <QStringList>
#include <QVector>

// Reads the small CSV files of data/: a header row, comma-separated fields,
// double quotes around fields that hold commas, LF or CRLF line ends.
class CsvReader
{
public:
    bool read(const QString &path, QString *error);

    QStringList header() const { return m_header; }
    const QVector<QStringList> &rows() const { return m_rows; }
    int column(const QString &name) const { return m_header.indexOf(name); }

    static QStringList splitLine(const QString &line);

private:
    QStringList m_header;
    QVector<QStringList> m_rows;
};

#endif
