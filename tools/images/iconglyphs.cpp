#include "iconglyphs.h"

#include <QPainterPathStroker>
#include <QPolygonF>
#include <QtMath>

QPainterPath IconGlyphs::glyph(const QString &name)
{
    if (name == QLatin1String("Minimize"))
        return minimize();
    if (name == QLatin1String("Hide"))
        return hide();
    if (name == QLatin1String("Home"))
        return home();
    if (name == QLatin1String("Calendar"))
        return calendar();
    if (name == QLatin1String("Zone"))
        return zone();
    if (name == QLatin1String("Map"))
        return map();
    if (name == QLatin1String("Update"))
        return update();
    if (name == QLatin1String("Config"))
        return config();
    if (name == QLatin1String("Facebook"))
        return facebook();
    if (name == QLatin1String("Help"))
        return help();
    if (name == QLatin1String("Email"))
        return email();
    if (name == QLatin1String("About"))
        return about();
    if (name == QLatin1String("Check"))
        return check();
    return QPainterPath();
}

QPainterPath IconGlyphs::stroked(const QPainterPath &path, qreal width,
                                 Qt::PenCapStyle cap, Qt::PenJoinStyle join)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(join);
    // The stroker's outline may overlap itself; uniting it with an empty
    // path turns it into one clean outline that fills without holes.
    return QPainterPath().united(stroker.createStroke(path));
}

QPainterPath IconGlyphs::ring(qreal cx, qreal cy, qreal radius, qreal width)
{
    QPainterPath outer;
    outer.addEllipse(QPointF(cx, cy), radius + width / 2, radius + width / 2);
    QPainterPath inner;
    inner.addEllipse(QPointF(cx, cy), radius - width / 2, radius - width / 2);
    return outer.subtracted(inner);
}

QPainterPath IconGlyphs::disc(qreal cx, qreal cy, qreal radius)
{
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), radius, radius);
    return path;
}

QPainterPath IconGlyphs::minimize()
{
    QPainterPath path;
    path.addRoundedRect(QRectF(22, 60, 56, 13), 6, 6);
    return path;
}

QPainterPath IconGlyphs::hide()
{
    QPainterPath cross;
    cross.moveTo(28, 28);
    cross.lineTo(72, 72);
    cross.moveTo(72, 28);
    cross.lineTo(28, 72);
    return stroked(cross, 12);
}

QPainterPath IconGlyphs::home()
{
    QPainterPath roof;
    roof.moveTo(12, 50);
    roof.lineTo(50, 16);
    roof.lineTo(88, 50);
    QPainterPath path = stroked(roof, 10);

    QPainterPath body;
    body.addRect(QRectF(25, 47, 50, 40));
    QPainterPath chimney;
    chimney.addRect(QRectF(65, 20, 10, 20));
    QPainterPath door;
    door.addRoundedRect(QRectF(43, 62, 14, 30), 3, 3);
    return path.united(body).united(chimney).subtracted(door);
}

QPainterPath IconGlyphs::calendar()
{
    QPainterPath frame;
    frame.addRoundedRect(QRectF(13, 20, 74, 68), 9, 9);
    QPainterPath page;
    page.addRect(QRectF(21, 40, 58, 40));
    QPainterPath path = frame.subtracted(page);

    // The two binding rings stand out of the top band with a small gap.
    for (qreal x : {29.0, 61.0}) {
        QPainterPath gap;
        gap.addRoundedRect(QRectF(x - 3, 7, 16, 24), 5, 5);
        path = path.subtracted(gap);
        QPainterPath ringBar;
        ringBar.addRoundedRect(QRectF(x, 10, 10, 18), 5, 5);
        path = path.united(ringBar);
    }

    // Days of the month.
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column) {
            QPainterPath day;
            day.addRoundedRect(QRectF(25 + column * 13.5, 45 + row * 11.5, 9, 8), 1.5, 1.5);
            path = path.united(day);
        }
    }
    return path;
}

QPainterPath IconGlyphs::zone()
{
    QPainterPath path = ring(50, 50, 36, 7);
    QPainterPath lines;
    // Meridian and the three parallels, kept inside the rim.
    QPainterPath meridian;
    meridian.addEllipse(QPointF(50, 50), 15, 36);
    lines.addPath(meridian);
    lines.moveTo(14, 50);
    lines.lineTo(86, 50);
    const qreal half = qSqrt(36.0 * 36.0 - 19.0 * 19.0);
    lines.moveTo(50 - half, 31);
    lines.lineTo(50 + half, 31);
    lines.moveTo(50 - half, 69);
    lines.lineTo(50 + half, 69);
    lines.moveTo(50, 14);
    lines.lineTo(50, 86);
    return path.united(stroked(lines, 5, Qt::FlatCap));
}

QPainterPath IconGlyphs::map()
{
    // A map pin: a disc running down to a point, with a hole.
    const QPointF centre(50, 38);
    const qreal radius = 27;
    const QPointF tip(50, 86);
    const qreal distance = tip.y() - centre.y();
    const qreal angle = qAcos(radius / distance);
    const qreal dx = radius * qSin(angle);
    const qreal dy = radius * qCos(angle);
    QPainterPath pin = disc(centre.x(), centre.y(), radius);
    QPainterPath point;
    point.addPolygon(QPolygonF({QPointF(centre.x() - dx, centre.y() + dy),
                                QPointF(centre.x() + dx, centre.y() + dy), tip,
                                QPointF(centre.x() - dx, centre.y() + dy)}));
    pin = pin.united(point).subtracted(disc(centre.x(), centre.y(), 11));

    // The spot on the ground, cut away where the pin stands on it.
    QPainterPath groundOuter;
    groundOuter.addEllipse(QPointF(50, 86), 30, 9);
    QPainterPath groundInner;
    groundInner.addEllipse(QPointF(50, 86), 23, 4.5);
    QPainterPath ground = groundOuter.subtracted(groundInner);
    QPainterPathStroker margin;
    margin.setWidth(10);
    ground = ground.subtracted(QPainterPath().united(margin.createStroke(pin)).united(pin));
    return pin.united(ground);
}

QPainterPath IconGlyphs::update()
{
    const QPointF centre(50, 50);
    const qreal radius = 30;
    QPainterPath path;
    // Two arcs chasing each other round, each ending in an arrow head.
    for (qreal start : {30.0, 210.0}) {
        const qreal span = 125;
        QPainterPath arc;
        QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
        arc.arcMoveTo(box, start);
        arc.arcTo(box, start, span);
        path = path.united(stroked(arc, 10, Qt::FlatCap));

        const qreal end = qDegreesToRadians(start + span);
        const QPointF onArc(centre.x() + radius * qCos(end), centre.y() - radius * qSin(end));
        const QPointF along(-qSin(end), -qCos(end));
        const QPointF outward(qCos(end), -qSin(end));
        QPainterPath head;
        head.addPolygon(QPolygonF({onArc + outward * 15, onArc + along * 16,
                                   onArc - outward * 15, onArc + outward * 15}));
        path = path.united(head);
    }
    return path;
}

QPainterPath IconGlyphs::config()
{
    const int teeth = 8;
    const qreal outer = 44;
    const qreal inner = 32;
    QPolygonF outline;
    for (int i = 0; i < teeth; ++i) {
        const qreal middle = i * 360.0 / teeth;
        const qreal points[][2] = {{middle - 16, inner}, {middle - 10, outer},
                                   {middle + 10, outer}, {middle + 16, inner}};
        for (const auto &p : points) {
            const qreal a = qDegreesToRadians(p[0]);
            outline << QPointF(50 + p[1] * qCos(a), 50 + p[1] * qSin(a));
        }
        // Follow the body's rim to the next tooth.
        for (int step = 1; step < 4; ++step) {
            const qreal a = qDegreesToRadians(middle + 16 + step * (360.0 / teeth - 32) / 4);
            outline << QPointF(50 + inner * qCos(a), 50 + inner * qSin(a));
        }
    }
    outline << outline.first();
    QPainterPath path;
    path.addPolygon(outline);
    return path.united(disc(50, 50, inner + 0.5)).subtracted(disc(50, 50, 14));
}

QPainterPath IconGlyphs::facebook()
{
    QPainterPath square;
    square.addRoundedRect(QRectF(14, 14, 72, 72), 16, 16);

    // A lower-case "f" cut out of the square, its stem running off the
    // bottom edge.
    QPainterPath letter;
    letter.moveTo(56, 90);
    letter.lineTo(56, 46);
    letter.cubicTo(56, 33, 61, 28, 73, 28);
    QPainterPath cut = stroked(letter, 12, Qt::FlatCap, Qt::RoundJoin);
    QPainterPath bar;
    bar.addRoundedRect(QRectF(42, 49, 31, 11), 2, 2);
    return square.subtracted(cut.united(bar));
}

QPainterPath IconGlyphs::help()
{
    QPainterPath mark;
    mark.moveTo(37, 39);
    mark.cubicTo(37, 22, 63, 22, 63, 38);
    mark.cubicTo(63, 49, 50, 50, 50, 60);
    mark.lineTo(50, 62);
    return ring(50, 50, 38, 7).united(stroked(mark, 9)).united(disc(50, 74, 5.5));
}

QPainterPath IconGlyphs::email()
{
    QPainterPath envelope;
    envelope.addRoundedRect(QRectF(13, 25, 74, 52), 7, 7);
    QPainterPath flap;
    flap.moveTo(17, 31);
    flap.lineTo(50, 56);
    flap.lineTo(83, 31);
    return stroked(envelope, 7).united(stroked(flap, 7));
}

QPainterPath IconGlyphs::about()
{
    QPainterPath stem;
    stem.addRoundedRect(QRectF(44, 44, 12, 30), 3, 3);
    QPainterPath serif;
    serif.addRoundedRect(QRectF(39, 44, 14, 7), 2, 2);
    return ring(50, 50, 38, 7).united(disc(50, 31, 6.5)).united(stem).united(serif);
}

QPainterPath IconGlyphs::check()
{
    QPainterPath tick;
    tick.moveTo(24, 52);
    tick.lineTo(42, 70);
    tick.lineTo(76, 32);
    return stroked(tick, 14);
}

QPainterPath IconGlyphs::crescent()
{
    return disc(46, 50, 38).subtracted(disc(62, 42, 32));
}
