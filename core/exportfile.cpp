#include "core/exportfile.h"

#include <QFileInfo>
#include <QSaveFile>

#include "core/logcategories.h"

ExportFile::Result ExportFile::write(const QString &path, const QByteArray &data, bool replace, QString *error)
{
    const QFileInfo info(path);
    if (path.isEmpty() || info.isDir()) {
        if (error)
            *error = QStringLiteral("not a file name");
        return Failed;
    }
    if (info.exists() && !replace)
        return Exists;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        qCWarning(lcData) << "could not write" << path << file.errorString();
        return Failed;
    }
    return Written;
}
