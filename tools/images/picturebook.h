#ifndef PICTUREBOOK_H
#define PICTUREBOOK_H

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

class QPainter;
class QPainterPath;

// Paints every picture that the program loads from ":/images/". All of
// them share one palette and one button style, so changing a colour or a
// size here and running the generator again restyles the whole program.
class PictureBook
{
public:
    // The file names ("Background.png", "BtnHomeHover.png", ...) in the
    // order they are written.
    static QStringList names();
    // The picture of that file name; a null image for an unknown name.
    static QImage picture(const QString &name);

    // The bottom row buttons share one size: ten of them, 6 pixels apart,
    // fill the main window's width less an 18 pixel margin on each side.
    static QSize rowButtonSize() { return QSize(56, 60); }
    // The minimize and hide buttons at the top right (the hide picture is
    // also every dialog's close button).
    static QSize cornerButtonSize() { return QSize(30, 30); }

    static const QColor teal;
    static const QColor tealDark;
    static const QColor green;
    static const QColor yellow;

private:
    enum class Look { Normal, Hover, Pressed };

    static QImage button(const QString &glyph, Look look, const QSize &size);
    static QImage background();
    static QImage appTitle();
    static QImage appMark(int size, bool framed);
    static QImage checkBox(bool checked);
    static QImage ayatQuran();
    static QImage onlineSupport();
    static QImage whatsApp();
    static QImage compassRose();
    static QImage qiblaNeedle();

    static void fillGlyph(QPainter &painter, const QPainterPath &glyph,
                          const QRectF &box, const QColor &colour, qreal shadow);
    static QPainterPath mosqueSkyline(qreal width, qreal baseline);
    static QPainterPath handset();
    static QPainterPath headset();
};

#endif // PICTUREBOOK_H
