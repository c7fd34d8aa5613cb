#include "csvreader.h"

#include <QFile>
#include <QTextStream>

QStringList CsvReader::splitLine(const QString &line)
{
    QStringList fields;
    QString field;
    bool quoted = false;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < line.size() && line.at(i + 1) == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            fields << field;
            field.clear();
        } else {
            field += c;
        }
    }
    fields << field;
    return fields;
}

bool CsvReader::read(const QString &path, QString *error)
{
    m_header.clear();
    m_rows.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("cannot open %1").arg(path);
        return false;
    }
    QTextStream in(&file);
    in.setCodec("UTF-8");
    bool first = true;
    while (!in.atEnd()) {
        QString line = in.readLine();
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty())
            continue;
        const QStringList fields = splitLine(line);
        if (first) {
            m_header = fields;
            first = false;
            continue;
        }
        if (fields.size() != m_header.size()) {
            if (error)
                *error = QStringLiteral("%1: row %2 has %3 fields, expected %4")
                             .arg(path).arg(m_rows.size() + 2).arg(fields.size()).arg(m_header.size());
            return false;
        }
        m_rows << fields;
    }
    if (first) {
        if (error)
            *error = QStringLiteral("%1 is empty").arg(path);
        return false;
    }
    return true;
}
