#include "csvreader.h"

#include <QFile>

bool CsvReader::read(const QString &filePath)
{
    m_error.clear();
    m_header.clear();
    m_columns.clear();
    m_rows.clear();

    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = QStringLiteral("cannot read %1: %2").arg(filePath, file.errorString());
        return false;
    }
    const QString text = QString::fromUtf8(file.readAll());
    const QVector<QStringRef> lines = text.splitRef(QLatin1Char('\n'));
    int lineNumber = 0;
    for (QStringRef line : lines) {
        ++lineNumber;
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty())
            continue;
        bool ok = false;
        const QStringList fields = splitLine(line.toString(), &ok);
        if (!ok) {
            m_error = QStringLiteral("%1:%2: unbalanced quotes").arg(filePath).arg(lineNumber);
            return false;
        }
        if (m_header.isEmpty()) {
            m_header = fields;
            for (int i = 0; i < fields.size(); ++i)
                m_columns.insert(fields.at(i), i);
            continue;
        }
        if (fields.size() != m_header.size()) {
            m_error = QStringLiteral("%1:%2: %3 fields, the header has %4")
                    .arg(filePath).arg(lineNumber).arg(fields.size()).arg(m_header.size());
            return false;
        }
        m_rows.append(fields);
    }
    if (m_header.isEmpty()) {
        m_error = QStringLiteral("%1: no header row").arg(filePath);
        return false;
    }
    return true;
}

bool CsvReader::read(const QString &filePath, QString *error)
{
    const bool ok = read(filePath);
    if (!ok && error)
        *error = m_error;
    return ok;
}

QString CsvReader::field(int row, const QString &name) const
{
    const int index = column(name);
    if (index < 0)
        return QString();
    return m_rows.at(row).at(index);
}

QStringList CsvReader::splitLine(const QString &line, bool *ok)
{
    QStringList fields;
    QString current;
    bool quoted = false;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < line.size() && line.at(i + 1) == QLatin1Char('"')) {
                    current += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                current += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            fields.append(current);
            current.clear();
        } else {
            current += c;
        }
    }
    fields.append(current);
    if (ok)
        *ok = !quoted;
    return fields;
}
