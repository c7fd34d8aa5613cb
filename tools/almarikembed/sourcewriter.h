#ifndef SOURCEWRITER_H
#define SOURCEWRITER_H

#include <QByteArray>
#include <QString>

// Builds the text of a generated C++ source file and writes it only when
// it differs from what is on disk, so that an unchanged table does not
// cause a rebuild of the plug-in.
class SourceWriter
{
public:
    SourceWriter &operator<<(const char *text) { m_text += text; return *this; }
    SourceWriter &operator<<(const QByteArray &text) { m_text += text; return *this; }
    SourceWriter &operator<<(int value) { m_text += QByteArray::number(value); return *this; }

    void reserve(int size) { m_text.reserve(size); }
    const QByteArray &text() const { return m_text; }

    // A C string literal of the UTF-8 text; long texts are split into
    // adjacent literals, one per output line.
    static QByteArray literal(const QString &text, int piece = 0);

    // False with errorText() set when the file cannot be written.
    bool writeIfChanged(const QString &filePath);
    QString errorText() const { return m_error; }

private:
    QByteArray m_text;
    QString m_error;
};

#endif // SOURCEWRITER_H
