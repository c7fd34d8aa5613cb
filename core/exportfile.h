#ifndef EXPORTFILE_H
#define EXPORTFILE_H

#include <QByteArray>
#include <QString>

// Writes an export to a file in one step (QSaveFile: a failed write leaves
// any earlier file as it was) and never replaces a file unless told to.
class ExportFile
{
public:
    enum Result {
        Written,
        Exists,   // the file is there and replacing it was not allowed
        Failed
    };

    static Result write(const QString &path, const QByteArray &data, bool replace, QString *error = nullptr);
};

#endif // EXPORTFILE_H
