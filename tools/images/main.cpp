// Writes the program's pictures. Usage:
//
//   almarik-images OUTDIR [QRCFILE] [--sheet SHEETFILE]
//   almarik-images --icons THEMEDIR APPID
//
// OUTDIR receives every picture as PNG; QRCFILE, when given, is rewritten
// to list them under the prefix "/images" with paths relative to the
// resource file. --sheet paints all pictures onto one contact sheet
// (with the application icon at several sizes) for a quick look.
// --icons writes the application icon into a hicolor icon theme tree:
// THEMEDIR/hicolor/scalable/apps/APPID.svg and THEMEDIR/hicolor/NxN/apps/
// APPID.png for the sizes desktops look for, from the same drawing as
// AppIcon.png and the tray icon.

#include "picturebook.h"
#include "pngfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgGenerator>
#include <QTextStream>

namespace {

bool writeQrc(const QString &qrcPath, const QString &imageDir, const QStringList &names)
{
    QFile file(qrcPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return false;
    const QString relative = QFileInfo(qrcPath).absoluteDir().relativeFilePath(imageDir);
    QTextStream out(&file);
    out << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n"
        << "    <!-- Written by tools/images (almarik-images); edit the generator, not this list. -->\n"
        << "    <qresource prefix=\"/images\">\n";
    for (const QString &name : names)
        out << "        <file alias=\"" << name << "\">" << relative << '/' << name << "</file>\n";
    out << "    </qresource>\n</RCC>\n";
    return out.status() == QTextStream::Ok;
}

QImage contactSheet(const QStringList &names)
{
    const int columns = 6;
    const int cell = 130;
    const int rows = (names.size() + columns - 1) / columns;
    QImage sheet(QSize(columns * cell, rows * cell + 280), QImage::Format_ARGB32_Premultiplied);
    sheet.fill(PictureBook::teal);
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(9);
    painter.setFont(font);
    for (int i = 0; i < names.size(); ++i) {
        const QRect box((i % columns) * cell, (i / columns) * cell, cell, cell);
        QImage image = PictureBook::picture(names.at(i));
        const QString caption = QStringLiteral("%1 %2x%3").arg(names.at(i)).arg(image.width()).arg(image.height());
        if (image.width() > cell - 6 || image.height() > cell - 20)
            image = image.scaled(cell - 6, cell - 20, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        painter.drawImage(box.x() + (cell - image.width()) / 2, box.y() + 4, image);
        painter.setPen(Qt::white);
        painter.drawText(box.adjusted(2, 0, -2, -2), Qt::AlignBottom | Qt::AlignHCenter, caption);
    }
    // The icon at the sizes a desktop shows it, each drawn at its size as
    // the icon theme's are.
    int x = 10;
    const int y = rows * cell + 10;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        painter.save();
        painter.translate(x, y);
        PictureBook::paintAppMark(painter, size, true);
        painter.restore();
        x += size + 12;
    }
    painter.drawImage(x, y, PictureBook::picture(QStringLiteral("TrayIconWin7.png")));
    painter.drawImage(x + 28, y, PictureBook::picture(QStringLiteral("TrayIcon.png")));
    return sheet;
}

const int themeIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

bool writeIconTheme(const QString &themeDir, const QString &appId)
{
    const QDir hicolor(QDir(themeDir).absoluteFilePath(QStringLiteral("hicolor")));
    const QString scalableDir = QStringLiteral("scalable/apps");
    if (!hicolor.mkpath(scalableDir))
        return false;
    QSvgGenerator svg;
    svg.setFileName(hicolor.filePath(scalableDir + QLatin1Char('/') + appId + QLatin1String(".svg")));
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRect(0, 0, 256, 256));
    svg.setTitle(QStringLiteral("Almarik Zenhar"));
    svg.setDescription(QStringLiteral("Written by tools/images (almarik-images)."));
    {
        QPainter painter;
        if (!painter.begin(&svg))
            return false;
        PictureBook::paintAppMark(painter, 256, true);
    }
    // QSvgGenerator gives the size in millimetres; an icon is measured in
    // pixels.
    QFile svgFile(svg.fileName());
    if (!svgFile.open(QIODevice::ReadOnly))
        return false;
    QByteArray text = svgFile.readAll();
    svgFile.close();
    const int header = text.indexOf("viewBox");
    const int width = text.indexOf("width=\"");
    if (header < 0 || width < 0 || width > header)
        return false;
    text.replace(width, header - width, "width=\"256\" height=\"256\"\n ");
    if (!svgFile.open(QIODevice::WriteOnly | QIODevice::Truncate) || svgFile.write(text) != text.size())
        return false;
    svgFile.close();
    for (int size : themeIconSizes) {
        const QString dir = QStringLiteral("%1x%1/apps").arg(size);
        if (!hicolor.mkpath(dir))
            return false;
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            PictureBook::paintAppMark(painter, size, true);
        }
        if (!PngFile::write(image, hicolor.filePath(dir + QLatin1Char('/') + appId + QLatin1String(".png"))))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    if (arguments.value(0) == QLatin1String("--icons")) {
        if (arguments.size() != 3) {
            QTextStream(stderr) << "usage: almarik-images --icons THEMEDIR APPID\n";
            return 2;
        }
        if (!writeIconTheme(arguments.at(1), arguments.at(2))) {
            QTextStream(stderr) << "cannot write the icon theme into " << arguments.at(1) << '\n';
            return 1;
        }
        return 0;
    }
    QString sheetPath;
    const int sheetIndex = arguments.indexOf(QStringLiteral("--sheet"));
    if (sheetIndex >= 0) {
        if (sheetIndex + 1 >= arguments.size()) {
            QTextStream(stderr) << "--sheet needs a file name\n";
            return 2;
        }
        sheetPath = arguments.at(sheetIndex + 1);
        arguments.erase(arguments.begin() + sheetIndex, arguments.begin() + sheetIndex + 2);
    }
    if (arguments.isEmpty() || arguments.size() > 2) {
        QTextStream(stderr) << "usage: almarik-images OUTDIR [QRCFILE] [--sheet SHEETFILE]\n";
        return 2;
    }

    const QString outDir = QDir(arguments.at(0)).absolutePath();
    if (!QDir().mkpath(outDir)) {
        QTextStream(stderr) << "cannot create " << outDir << '\n';
        return 1;
    }
    const QStringList names = PictureBook::names();
    int failures = 0;
    for (const QString &name : names) {
        const QImage image = PictureBook::picture(name);
        if (!PngFile::write(image, outDir + QLatin1Char('/') + name)) {
            QTextStream(stderr) << "cannot write " << name << '\n';
            ++failures;
        }
    }
    if (arguments.size() == 2 && !writeQrc(arguments.at(1), outDir, names)) {
        QTextStream(stderr) << "cannot write " << arguments.at(1) << '\n';
        ++failures;
    }
    if (!sheetPath.isEmpty() && !contactSheet(names).save(sheetPath, "PNG")) {
        QTextStream(stderr) << "cannot write " << sheetPath << '\n';
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
