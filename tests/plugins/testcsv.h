#ifndef TESTCSV_H
#define TESTCSV_H

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

// A plain reader for the project's CSV files (header row, LF or CRLF,
// fields quoted when they hold a comma), kept apart from the build tools'
// own reader so that the tests check the tables independently.
class TestCsv
{
public:
    bool read(const QString &filePath);
    int rowCount() const { return m_rows.size(); }
    QString value(int row, const QString &column) const;

private:
    QHash<QString, int> m_columns;
    QVector<QStringList> m_rows;
};

#endif // TESTCSV_H
