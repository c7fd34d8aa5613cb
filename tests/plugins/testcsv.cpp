#include "testcsv.h"

#include <QFile>
#include <QTextStream>

bool TestCsv::read(const QString &filePath)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream in(&file);
    in.setCodec("UTF-8");
    bool header = true;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.trimmed().isEmpty())
            continue;
        QStringList fields;
        QString field;
        bool quoted = false;
        for (const QChar c : line) {
            if (c == QLatin1Char('"'))
                quoted = !quoted;
            else if (c == QLatin1Char(',') && !quoted) {
                fields << field;
                field.clear();
            } else if (c != QLatin1Char('\r'))
                field += c;
        }
        fields << field;
        if (header) {
            for (int i = 0; i < fields.size(); ++i)
                m_columns.insert(fields.at(i), i);
            header = false;
        } else {
            m_rows.append(fields);
        }
    }
    return !header;
}

QString TestCsv::value(int row, const QString &column) const
{
    const int index = m_columns.value(column, -1);
    return index < 0 ? QString() : m_rows.at(row).value(index);
}
