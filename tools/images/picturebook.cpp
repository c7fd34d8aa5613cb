#include "picturebook.h"

#include "iconglyphs.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QRadialGradient>
#include <QTextLayout>
#include <QtMath>

const QColor PictureBook::teal(60, 137, 165);
const QColor PictureBook::tealDark(30, 86, 108);
const QColor PictureBook::green(48, 184, 65);
const QColor PictureBook::yellow(247, 255, 37);

namespace {

const char *const buttonNames[] = {"Minimize", "Hide", "Home", "Calendar", "Zone", "Map",
                                   "Update", "Config", "Facebook", "Help", "Email", "About"};
const char *const lookNames[] = {"Normal", "Hover", "Pressed"};

QImage blankImage(const QSize &size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QColor withAlpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

// Arabic text is written in the font's own text engine, which shapes the
// letters and runs them right to left.
QTextLayout *arabicLine(const QString &text, const QFont &font)
{
    auto *layout = new QTextLayout(text, font);
    QTextOption option;
    option.setTextDirection(Qt::RightToLeft);
    option.setAlignment(Qt::AlignRight);
    layout->setTextOption(option);
    layout->beginLayout();
    QTextLine line = layout->createLine();
    line.setLineWidth(10000);
    layout->endLayout();
    return layout;
}

} // namespace

QStringList PictureBook::names()
{
    QStringList list{QStringLiteral("Background.png"), QStringLiteral("AppTitle.png"),
                     QStringLiteral("AppIcon.png"), QStringLiteral("TrayIcon.png"),
                     QStringLiteral("TrayIconWin7.png")};
    for (const char *button : buttonNames) {
        for (const char *look : lookNames)
            list << QStringLiteral("Btn%1%2.png").arg(QLatin1String(button), QLatin1String(look));
    }
    list << QStringLiteral("CheckOn.png") << QStringLiteral("CheckOff.png")
         << QStringLiteral("AyatQuran.png") << QStringLiteral("OnlineSupport.png")
         << QStringLiteral("WhatsApp.png") << QStringLiteral("CompassRose.png")
         << QStringLiteral("QiblaNeedle.png");
    return list;
}

QImage PictureBook::picture(const QString &name)
{
    if (name == QLatin1String("Background.png"))
        return background();
    if (name == QLatin1String("AppTitle.png"))
        return appTitle();
    // The windows' icon. Desktops show the installed theme icon (its sizes
    // are drawn by --icons); this one is held by every window for as long
    // as it lives, and 128 pixels serve a task switcher at twice the scale.
    if (name == QLatin1String("AppIcon.png"))
        return appMark(128, true);
    if (name == QLatin1String("TrayIcon.png"))
        return appMark(32, true);
    if (name == QLatin1String("TrayIconWin7.png"))
        return appMark(16, true);
    if (name == QLatin1String("CheckOn.png"))
        return checkBox(true);
    if (name == QLatin1String("CheckOff.png"))
        return checkBox(false);
    if (name == QLatin1String("AyatQuran.png"))
        return ayatQuran();
    if (name == QLatin1String("OnlineSupport.png"))
        return onlineSupport();
    if (name == QLatin1String("WhatsApp.png"))
        return whatsApp();
    if (name == QLatin1String("CompassRose.png"))
        return compassRose();
    if (name == QLatin1String("QiblaNeedle.png"))
        return qiblaNeedle();
    for (const char *button : buttonNames) {
        for (int look = 0; look < 3; ++look) {
            const QString file = QStringLiteral("Btn%1%2.png")
                                     .arg(QLatin1String(button), QLatin1String(lookNames[look]));
            if (name != file)
                continue;
            const QString glyph = QLatin1String(button);
            const bool corner = glyph == QLatin1String("Minimize") || glyph == QLatin1String("Hide");
            return PictureBook::button(glyph, static_cast<Look>(look),
                                       corner ? cornerButtonSize() : rowButtonSize());
        }
    }
    return QImage();
}

void PictureBook::fillGlyph(QPainter &painter, const QPainterPath &glyph, const QRectF &box,
                            const QColor &colour, qreal shadow)
{
    QTransform transform;
    transform.translate(box.x(), box.y());
    transform.scale(box.width() / 100.0, box.height() / 100.0);
    const QPainterPath shape = transform.map(glyph);
    painter.save();
    painter.setPen(Qt::NoPen);
    if (shadow > 0) {
        painter.setBrush(QColor(8, 40, 52, 110));
        painter.drawPath(shape.translated(0, shadow));
    }
    painter.setBrush(colour);
    painter.drawPath(shape);
    painter.restore();
}

QImage PictureBook::button(const QString &glyph, Look look, const QSize &size)
{
    QImage image = blankImage(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    const bool small = size.height() < 40;
    const qreal radius = small ? 6 : 10;
    const QRectF tile = QRectF(image.rect()).adjusted(1, 1, -1, small ? -1.5 : -2);

    // Drop shadow under raised tiles; a pressed tile sits flat.
    if (look != Look::Pressed) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 30, 40, 70));
        painter.drawRoundedRect(tile.translated(0, small ? 1 : 1.5), radius, radius);
    }

    QLinearGradient body(tile.topLeft(), tile.bottomLeft());
    switch (look) {
    case Look::Normal:
        body.setColorAt(0, QColor(80, 162, 190));
        body.setColorAt(1, QColor(38, 104, 130));
        break;
    case Look::Hover:
        body.setColorAt(0, QColor(92, 180, 210));
        body.setColorAt(1, QColor(44, 122, 150));
        break;
    case Look::Pressed:
        body.setColorAt(0, QColor(24, 74, 94));
        body.setColorAt(1, QColor(42, 108, 134));
        break;
    }
    QPainterPath shape;
    shape.addRoundedRect(tile, radius, radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(body);
    painter.drawPath(shape);

    painter.save();
    painter.setClipPath(shape);
    if (look == Look::Pressed) {
        // Sunken: a shadow along the inner top edge.
        QLinearGradient inner(tile.topLeft(), tile.topLeft() + QPointF(0, small ? 5 : 8));
        inner.setColorAt(0, QColor(0, 20, 30, 120));
        inner.setColorAt(1, QColor(0, 20, 30, 0));
        painter.fillRect(tile, inner);
    } else {
        // Raised: a soft gloss over the upper half.
        QLinearGradient gloss(tile.topLeft(), QPointF(tile.left(), tile.center().y()));
        gloss.setColorAt(0, QColor(255, 255, 255, look == Look::Hover ? 70 : 55));
        gloss.setColorAt(1, QColor(255, 255, 255, 0));
        painter.fillRect(QRectF(tile.topLeft(), QSizeF(tile.width(), tile.height() / 2)), gloss);
    }
    painter.restore();

    // Rim: a light edge on a resting tile, the highlight yellow under the
    // pointer and while pressed.
    painter.setBrush(Qt::NoBrush);
    if (look == Look::Normal) {
        QLinearGradient rim(tile.topLeft(), tile.bottomLeft());
        rim.setColorAt(0, QColor(255, 255, 255, 120));
        rim.setColorAt(1, QColor(255, 255, 255, 25));
        painter.setPen(QPen(QBrush(rim), 1));
        painter.drawRoundedRect(tile.adjusted(0.5, 0.5, -0.5, -0.5), radius - 0.5, radius - 0.5);
    } else {
        painter.setPen(QPen(look == Look::Hover ? yellow : withAlpha(yellow, 200), small ? 1.3 : 1.8));
        painter.drawRoundedRect(tile.adjusted(0.9, 0.9, -0.9, -0.9), radius - 0.9, radius - 0.9);
    }

    // The symbol: white at rest, yellow under the pointer, pushed down and
    // to the right while pressed.
    const qreal side = qMin(tile.width(), tile.height()) * (small ? 0.62 : 0.64);
    QRectF box(tile.center().x() - side / 2, tile.center().y() - side / 2, side, side);
    QColor colour = Qt::white;
    if (look == Look::Hover)
        colour = yellow;
    else if (look == Look::Pressed)
        colour = QColor(232, 240, 40);
    if (look == Look::Pressed)
        box.translate(1, 1);
    fillGlyph(painter, IconGlyphs::glyph(glyph), box, colour,
              look == Look::Pressed ? 0 : (small ? 0.8 : 1.2));
    return image;
}

QPainterPath PictureBook::mosqueSkyline(qreal width, qreal baseline)
{
    QPainterPath path;
    auto dome = [&path, baseline](qreal cx, qreal radius, qreal drum) {
        QPainterPath part;
        // Drum, onion dome and finial.
        part.addRect(QRectF(cx - radius, baseline - drum, 2 * radius, drum));
        QPainterPath cap;
        const qreal top = baseline - drum;
        cap.moveTo(cx - radius * 1.08, top);
        cap.cubicTo(cx - radius * 1.25, top - radius * 0.9, cx - radius * 0.2, top - radius * 1.2,
                    cx, top - radius * 1.75);
        cap.cubicTo(cx + radius * 0.2, top - radius * 1.2, cx + radius * 1.25, top - radius * 0.9,
                    cx + radius * 1.08, top);
        cap.closeSubpath();
        part.addPath(cap);
        part.addRect(QRectF(cx - 1, top - radius * 1.75 - 9, 2, 9));
        path.addPath(part);
    };
    auto minaret = [&path, baseline](qreal cx, qreal height, qreal w) {
        QPainterPath part;
        part.addRect(QRectF(cx - w / 2, baseline - height, w, height));
        part.addRect(QRectF(cx - w / 2 - 3, baseline - height * 0.72, w + 6, 4));
        part.addRect(QRectF(cx - w / 2 - 2, baseline - height * 0.4, w + 4, 3));
        QPainterPath spire;
        spire.moveTo(cx - w / 2 - 1, baseline - height);
        spire.lineTo(cx, baseline - height - w * 2.6);
        spire.lineTo(cx + w / 2 + 1, baseline - height);
        spire.closeSubpath();
        part.addPath(spire);
        part.addRect(QRectF(cx - 0.75, baseline - height - w * 2.6 - 6, 1.5, 6));
        path.addPath(part);
    };
    // Low buildings across the whole width, the mosque on the right.
    path.addRect(QRectF(0, baseline - 22, width, 22));
    minaret(width - 250, 92, 9);
    dome(width - 190, 30, 26);
    dome(width - 138, 17, 22);
    dome(width - 242 + 10, 14, 18);
    minaret(width - 92, 118, 11);
    dome(width - 50, 16, 20);
    minaret(60, 70, 8);
    dome(104, 18, 16);
    return path.simplified();
}

QImage PictureBook::background()
{
    const QSize size(650, 574);
    QImage image = blankImage(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0.0, QColor(86, 166, 194));
    sky.setColorAt(0.55, QColor(54, 128, 156));
    sky.setColorAt(1.0, QColor(40, 108, 134));
    painter.fillRect(image.rect(), sky);

    // A faint lattice of eight-pointed stars over everything.
    const qreal pitch = 50;
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 26), 1));
    for (qreal y = 0; y <= size.height() + pitch; y += pitch) {
        for (qreal x = 0; x <= size.width() + pitch; x += pitch) {
            const qreal offset = (qRound(y / pitch) % 2) ? pitch / 2 : 0;
            const QPointF c(x + offset, y);
            const qreal r = 13;
            QPolygonF star;
            for (int i = 0; i < 16; ++i) {
                const qreal a = qDegreesToRadians(i * 22.5 - 90);
                const qreal rr = (i % 2) ? r * 0.62 : r;
                star << c + QPointF(rr * qCos(a), rr * qSin(a));
            }
            star << star.first();
            painter.drawPolygon(star);
            painter.drawLine(c + QPointF(r, 0), c + QPointF(pitch - r, 0));
        }
    }

    // The skyline sits at the bottom of the page area (which ends at 455).
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(24, 78, 100, 120));
    painter.drawPath(mosqueSkyline(size.width(), 455));

    // The button strip below the pages.
    const QRectF strip(0, 455, size.width(), size.height() - 455);
    QLinearGradient band(strip.topLeft(), strip.bottomLeft());
    band.setColorAt(0, QColor(62, 142, 170));
    band.setColorAt(1, QColor(50, 124, 151));
    painter.fillRect(strip, band);
    painter.fillRect(QRectF(0, 455, size.width(), 3), green);
    painter.fillRect(QRectF(0, 458, size.width(), 1), QColor(255, 255, 255, 60));
    // A thin rule above the address line at the foot.
    painter.fillRect(QRectF(12, 539, size.width() - 24, 1), QColor(255, 255, 255, 45));
    return image;
}

QImage PictureBook::appMark(int size, bool framed)
{
    QImage image = blankImage(QSize(size, size));
    QPainter painter(&image);
    paintAppMark(painter, size, framed);
    return image;
}

void PictureBook::paintAppMark(QPainter &painter, int size, bool framed)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 100.0, size / 100.0);
    const bool tiny = size <= 16;

    if (framed) {
        const QRectF tile = tiny ? QRectF(0, 0, 100, 100) : QRectF(3, 3, 94, 94);
        QLinearGradient body(tile.topLeft(), tile.bottomLeft());
        body.setColorAt(0, QColor(84, 168, 198));
        body.setColorAt(1, QColor(32, 96, 122));
        painter.setPen(Qt::NoPen);
        painter.setBrush(body);
        painter.drawRoundedRect(tile, 22, 22);
        if (!tiny) {
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(QColor(255, 255, 255, 90), 1.5));
            painter.drawRoundedRect(tile.adjusted(1, 1, -1, -1), 21, 21);
            // A green foot, as along the main window's button strip: the
            // strip cut to the tile's shape as a path rather than a clip,
            // so that the scalable drawing carries it too.
            QPainterPath body;
            body.addRoundedRect(tile, 22, 22);
            QPainterPath strip;
            strip.addRect(QRectF(tile.left(), tile.bottom() - 9, tile.width(), 9));
            painter.setPen(Qt::NoPen);
            painter.setBrush(green);
            painter.drawPath(body.intersected(strip));
        }
    }

    // A crescent holding a small clock: prayer at its times.
    QTransform place;
    if (tiny) {
        place.translate(4, 6);
        place.scale(0.92, 0.92);
    } else {
        place.translate(8, 6);
        place.scale(0.84, 0.84);
    }
    const QPainterPath crescent = place.map(IconGlyphs::crescent());
    painter.setPen(Qt::NoPen);
    if (!tiny) {
        painter.setBrush(QColor(8, 40, 52, 90));
        painter.drawPath(crescent.translated(0, 1.5));
    }
    painter.setBrush(Qt::white);
    painter.drawPath(crescent);

    const QPointF clock = tiny ? QPointF(70, 46) : QPointF(68, 46);
    const qreal r = tiny ? 21 : 17;
    painter.setBrush(yellow);
    painter.drawEllipse(clock, r, r);
    painter.setPen(QPen(tealDark, tiny ? 7 : 4.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(clock, clock + QPointF(0, -r * 0.62));
    painter.drawLine(clock, clock + QPointF(r * 0.5, r * 0.18));
}

QImage PictureBook::appTitle()
{
    const QSize size(330, 46);
    QImage image = blankImage(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    const QImage mark = appMark(44, false);
    painter.drawImage(QPointF(2, 1), mark);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(27);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.5);
    const QString first = QStringLiteral("Almarik");
    const QString second = QStringLiteral("Zenhar");
    QFontMetricsF metrics(font);
    const qreal baseline = 33;
    const qreal x = 56;
    QPainterPath text;
    text.addText(QPointF(x, baseline), font, first);
    QPainterPath accent;
    accent.addText(QPointF(x + metrics.horizontalAdvance(first + QLatin1Char(' ')), baseline),
                   font, second);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(8, 40, 52, 120));
    painter.drawPath(text.translated(1, 1.5));
    painter.drawPath(accent.translated(1, 1.5));
    painter.setBrush(Qt::white);
    painter.drawPath(text);
    painter.setBrush(yellow);
    painter.drawPath(accent);

    // Green underline beneath the name.
    const qreal end = x + metrics.horizontalAdvance(first + QLatin1Char(' ') + second);
    painter.setBrush(green);
    painter.drawRoundedRect(QRectF(x + 1, 39, end - x - 2, 3), 1.5, 1.5);
    return image;
}

QImage PictureBook::checkBox(bool checked)
{
    const QSize size(18, 18);
    QImage image = blankImage(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box(1, 1, 16, 16);
    if (checked) {
        QLinearGradient body(box.topLeft(), box.bottomLeft());
        body.setColorAt(0, green.lighter(118));
        body.setColorAt(1, green.darker(112));
        painter.setBrush(body);
        painter.setPen(QPen(QColor(22, 110, 36), 1));
        painter.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 3.5, 3.5);
        fillGlyph(painter, IconGlyphs::glyph(QStringLiteral("Check")), box.adjusted(1, 1, -1, -1),
                  Qt::white, 0);
    } else {
        QLinearGradient body(box.topLeft(), box.bottomLeft());
        body.setColorAt(0, QColor(232, 240, 243));
        body.setColorAt(1, Qt::white);
        painter.setBrush(body);
        painter.setPen(QPen(tealDark, 1));
        painter.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 3.5, 3.5);
    }
    return image;
}

QImage PictureBook::ayatQuran()
{
    // An-Nisa 4:103: "Indeed, prayer has been decreed upon the believers
    // at fixed times", followed by the end-of-verse sign with its number.
    const QString verse = QString::fromUtf8(
        "\u0625\u0650\u0646\u0651\u064e \u0671\u0644\u0635\u0651\u064e\u0644\u064e\u0648\u0670"
        "\u0629\u064e \u0643\u064e\u0627\u0646\u064e\u062a\u0652 \u0639\u064e\u0644\u064e\u0649 "
        "\u0671\u0644\u0652\u0645\u064f\u0624\u0652\u0645\u0650\u0646\u0650\u064a\u0646\u064e "
        "\u0643\u0650\u062a\u064e\u0670\u0628\u064b\u0627 \u0645\u0651\u064e\u0648\u0652\u0642"
        "\u064f\u0648\u062a\u064b\u0627");
    const QString number = QString::fromUtf8("\u06dd\u0661\u0660\u0663");

    const QSize size(300, 60);
    const qreal gap = 5;
    // The largest size at which the verse and its sign fit the width.
    QFont font(QStringLiteral("Amiri"));
    QScopedPointer<QTextLayout> line;
    QScopedPointer<QTextLayout> mark;
    for (int pixels = 26; pixels >= 12; --pixels) {
        font.setPixelSize(pixels);
        line.reset(arabicLine(verse, font));
        mark.reset(arabicLine(number, font));
        if (line->lineAt(0).naturalTextWidth() + gap + mark->lineAt(0).naturalTextWidth()
            <= size.width() - 10)
            break;
    }
    const QTextLine verseLine = line->lineAt(0);
    const QTextLine markLine = mark->lineAt(0);
    const qreal verseWidth = verseLine.naturalTextWidth();
    const qreal markWidth = markLine.naturalTextWidth();

    QImage image = blankImage(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    // Right to left: the verse starts at the right edge, the verse sign
    // closes it on the left.
    const qreal total = verseWidth + gap + markWidth;
    const qreal right = size.width() - (size.width() - total) / 2;
    const qreal top = (size.height() - verseLine.height()) / 2 - 2;
    // The layouts are right-aligned in a very wide line; shift them so that
    // their right ends land where wanted.
    const qreal verseShift = right - (verseLine.x() + verseLine.width());
    const qreal markShift = right - verseWidth - gap - (markLine.x() + markLine.width());

    painter.setPen(QColor(8, 40, 52, 130));
    line->draw(&painter, QPointF(verseShift + 1, top + 1.5));
    painter.setPen(Qt::white);
    line->draw(&painter, QPointF(verseShift, top));
    painter.setPen(yellow);
    mark->draw(&painter, QPointF(markShift, top));

    // Fine ornamental rules above and below.
    const qreal left = right - total;
    for (qreal y : {4.0, size.height() - 5.0}) {
        QLinearGradient rule(QPointF(left, y), QPointF(right, y));
        rule.setColorAt(0, withAlpha(yellow, 0));
        rule.setColorAt(0.5, withAlpha(yellow, 200));
        rule.setColorAt(1, withAlpha(yellow, 0));
        painter.fillRect(QRectF(left, y, total, 1), rule);
    }
    return image;
}

QPainterPath PictureBook::headset()
{
    QPainterPath band;
    QRectF box(20, 18, 60, 60);
    band.arcMoveTo(box, 190);
    band.arcTo(box, 190, -200);
    QPainterPathStroker stroker;
    stroker.setWidth(7);
    stroker.setCapStyle(Qt::RoundCap);
    QPainterPath path = QPainterPath().united(stroker.createStroke(band));
    QPainterPath cups;
    cups.addRoundedRect(QRectF(13, 46, 16, 28), 7, 7);
    cups.addRoundedRect(QRectF(71, 46, 16, 28), 7, 7);
    path = path.united(cups.simplified());
    QPainterPath boom;
    boom.moveTo(78, 72);
    boom.cubicTo(78, 84, 70, 88, 58, 88);
    stroker.setWidth(5);
    path = path.united(QPainterPath().united(stroker.createStroke(boom)));
    QPainterPath mic;
    mic.addRoundedRect(QRectF(44, 83, 16, 10), 5, 5);
    return path.united(mic);
}

QPainterPath PictureBook::handset()
{
    // A telephone receiver lying diagonally: ear piece top left, mouth
    // piece bottom right, joined by a curved grip.
    QPainterPath grip;
    grip.moveTo(30, 26);
    grip.cubicTo(20, 44, 44, 76, 72, 72);
    QPainterPathStroker stroker;
    stroker.setWidth(13);
    stroker.setCapStyle(Qt::RoundCap);
    QPainterPath path = QPainterPath().united(stroker.createStroke(grip));
    QTransform ear;
    ear.translate(32, 26);
    ear.rotate(-35);
    QPainterPath earPiece;
    earPiece.addRoundedRect(QRectF(-9, -8, 18, 16), 5, 5);
    QTransform mouth;
    mouth.translate(72, 70);
    mouth.rotate(-35);
    QPainterPath mouthPiece;
    mouthPiece.addRoundedRect(QRectF(-8, -9, 16, 18), 5, 5);
    return path.united(ear.map(earPiece)).united(mouth.map(mouthPiece));
}

QImage PictureBook::onlineSupport()
{
    const QSize size(128, 128);
    QImage image = blankImage(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // A teal disc with a headset, and a green chat balloon at its shoulder.
    QRadialGradient body(QPointF(52, 50), 70);
    body.setColorAt(0, QColor(96, 178, 206));
    body.setColorAt(1, QColor(36, 102, 128));
    painter.setPen(QPen(QColor(255, 255, 255, 160), 2));
    painter.setBrush(body);
    painter.drawEllipse(QPointF(58, 66), 54, 54);
    fillGlyph(painter, headset(), QRectF(16, 26, 84, 84), Qt::white, 1.5);

    QPainterPath balloon;
    balloon.addRoundedRect(QRectF(78, 6, 46, 32), 10, 10);
    QPainterPath tail;
    tail.moveTo(86, 34);
    tail.lineTo(82, 46);
    tail.lineTo(98, 36);
    tail.closeSubpath();
    balloon = balloon.united(tail);
    painter.setPen(QPen(Qt::white, 2));
    painter.setBrush(green);
    painter.drawPath(balloon);
    painter.setPen(Qt::NoPen);
    painter.setBrush(yellow);
    for (int i = 0; i < 3; ++i)
        painter.drawEllipse(QPointF(89 + i * 12, 22), 3.6, 3.6);
    return image;
}

QImage PictureBook::whatsApp()
{
    const QSize size(96, 96);
    QImage image = blankImage(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // A green speech balloon carrying a telephone receiver.
    QPainterPath balloon;
    balloon.addRoundedRect(QRectF(6, 6, 84, 70), 18, 18);
    QPainterPath tail;
    tail.moveTo(22, 70);
    tail.lineTo(14, 92);
    tail.lineTo(42, 74);
    tail.closeSubpath();
    balloon = balloon.united(tail);
    QLinearGradient body(QPointF(0, 6), QPointF(0, 92));
    body.setColorAt(0, green.lighter(120));
    body.setColorAt(1, green.darker(115));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 30, 10, 60));
    painter.drawPath(balloon.translated(0, 2));
    painter.setBrush(body);
    painter.setPen(QPen(QColor(255, 255, 255, 200), 2));
    painter.drawPath(balloon);
    fillGlyph(painter, handset(), QRectF(20, 8, 56, 62), Qt::white, 1.2);
    return image;
}

// The Qibla page's compass rose, north up, without letters (the page
// writes the directions in the user's language): a ring with a tick every
// 5 degrees, longer every 30, the four cardinal points as long rays with
// north's in green, and the intercardinal points as short ones.
QImage PictureBook::compassRose()
{
    const QSize size(240, 240);
    QImage image = blankImage(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(120, 120);
    const qreal outer = 116;

    QRadialGradient face(centre - QPointF(20, 24), 150);
    face.setColorAt(0, QColor(250, 252, 248));
    face.setColorAt(1, QColor(214, 230, 232));
    painter.setPen(QPen(tealDark, 3));
    painter.setBrush(face);
    painter.drawEllipse(centre, outer, outer);
    painter.setPen(QPen(teal, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, outer - 20, outer - 20);

    painter.translate(centre);
    for (int degree = 0; degree < 360; degree += 5) {
        const bool major = degree % 30 == 0;
        painter.setPen(QPen(major ? tealDark : teal, major ? 2.4 : 1.2));
        const qreal inner = major ? outer - 19 : outer - 10;
        painter.drawLine(QPointF(0, -inner), QPointF(0, -(outer - 3)));
        painter.rotate(5);
    }

    // Rays: two halves each, one darker, so the rose reads as relief.
    auto ray = [&](qreal angle, qreal length, qreal halfWidth, const QColor &light, const QColor &dark) {
        painter.save();
        painter.rotate(angle);
        QPainterPath left;
        left.moveTo(0, -length);
        left.lineTo(-halfWidth, -halfWidth);
        left.lineTo(0, 0);
        left.closeSubpath();
        QPainterPath right;
        right.moveTo(0, -length);
        right.lineTo(halfWidth, -halfWidth);
        right.lineTo(0, 0);
        right.closeSubpath();
        painter.setPen(QPen(QColor(20, 60, 76, 180), 0.8));
        painter.setBrush(light);
        painter.drawPath(left);
        painter.setBrush(dark);
        painter.drawPath(right);
        painter.restore();
    };
    for (int i = 0; i < 4; ++i)
        ray(45 + 90 * i, 62, 11, QColor(150, 196, 210), teal);
    for (int i = 1; i < 4; ++i)
        ray(90 * i, outer - 24, 15, QColor(238, 242, 240), tealDark);
    ray(0, outer - 24, 15, green.lighter(130), green.darker(130));

    painter.setPen(QPen(Qt::white, 2));
    painter.setBrush(tealDark);
    painter.drawEllipse(QPointF(0, 0), 7, 7);
    return image;
}

// The needle the Qibla page turns by the bearing over the rose: a slim
// gold arrow pointing up with a small Kaaba cube at its head, on a
// transparent square the rose's size so that both share their centre.
QImage PictureBook::qiblaNeedle()
{
    const QSize size(240, 240);
    QImage image = blankImage(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(120, 120);

    QPainterPath arrow;
    arrow.moveTo(0, -84);
    arrow.lineTo(9, -60);
    arrow.lineTo(3.5, -60);
    arrow.lineTo(3.5, 40);
    arrow.lineTo(-3.5, 40);
    arrow.lineTo(-3.5, -60);
    arrow.lineTo(-9, -60);
    arrow.closeSubpath();
    QLinearGradient gold(-9, 0, 9, 0);
    gold.setColorAt(0, QColor(255, 226, 120));
    gold.setColorAt(1, QColor(196, 142, 22));
    painter.setPen(QPen(QColor(90, 60, 10), 1.2));
    painter.setBrush(gold);
    painter.drawPath(arrow);

    // The Kaaba: a black cube with its gold band, seen a little from above.
    const QRectF front(-13, -112, 26, 22);
    QPainterPath top;
    top.moveTo(front.left(), front.top());
    top.lineTo(front.left() + 6, front.top() - 6);
    top.lineTo(front.right() + 6, front.top() - 6);
    top.lineTo(front.right(), front.top());
    top.closeSubpath();
    QPainterPath side;
    side.moveTo(front.right(), front.top());
    side.lineTo(front.right() + 6, front.top() - 6);
    side.lineTo(front.right() + 6, front.bottom() - 6);
    side.lineTo(front.right(), front.bottom());
    side.closeSubpath();
    painter.setPen(QPen(QColor(255, 255, 255, 200), 1));
    painter.setBrush(QColor(38, 38, 38));
    painter.drawPath(top);
    painter.setBrush(QColor(14, 14, 14));
    painter.drawPath(side);
    painter.setBrush(QColor(24, 24, 24));
    painter.drawRect(front);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(222, 178, 60));
    painter.drawRect(QRectF(front.left(), front.top() + 5, front.width(), 3));

    painter.setPen(QPen(Qt::white, 1.5));
    painter.setBrush(QColor(196, 142, 22));
    painter.drawEllipse(QPointF(0, 0), 5, 5);
    return image;
}
