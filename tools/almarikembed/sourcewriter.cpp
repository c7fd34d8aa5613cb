#include "sourcewriter.h"

#include <QFile>
#include <QSaveFile>

QByteArray SourceWriter::literal(const QString &text, int piece)
{
    const QByteArray utf8 = text.toUtf8();
    QByteArray out = "\"";
    int pieceLength = 0;
    for (const char c : utf8) {
        if (piece > 0 && pieceLength >= piece) {
            out += "\"\n    \"";
            pieceLength = 0;
        }
        const unsigned char u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\n') {
            out += "\\n";
        } else if (u < 0x20 || u >= 0x7f || c == '?') {
            // Three-digit octal escapes cannot run into a following digit,
            // and escaping '?' keeps trigraphs out.
            out += '\\';
            out += char('0' + ((u >> 6) & 7));
            out += char('0' + ((u >> 3) & 7));
            out += char('0' + (u & 7));
        } else {
            out += c;
        }
        ++pieceLength;
    }
    out += '"';
    return out;
}

bool SourceWriter::writeIfChanged(const QString &filePath)
{
    QFile current(filePath);
    if (current.open(QIODevice::ReadOnly) && current.readAll() == m_text)
        return true;
    current.close();
    QSaveFile file(filePath);
    if (!file.open(QIODevice::WriteOnly) || file.write(m_text) != m_text.size() || !file.commit()) {
        m_error = QStringLiteral("cannot write %1: %2").arg(filePath, file.errorString());
        return false;
    }
    return true;
}
