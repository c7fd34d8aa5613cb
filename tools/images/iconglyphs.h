#ifndef ICONGLYPHS_H
#define ICONGLYPHS_H

#include <QPainterPath>
#include <QString>

// The symbols drawn on the program's image buttons and check boxes. Every
// glyph is one filled outline in a 100 x 100 design box, so that the
// picture code can scale it, give it a shadow and colour it by state
// without caring which symbol it is.
class IconGlyphs
{
public:
    // "Minimize", "Hide", "Home", "Calendar", "Zone", "Map", "Update",
    // "Config", "Facebook", "Help", "Email", "About", "Check"; an empty path
    // for any other name.
    static QPainterPath glyph(const QString &name);

    // The crescent of the program's mark, in the same design box.
    static QPainterPath crescent();

private:
    static QPainterPath stroked(const QPainterPath &path, qreal width,
                                Qt::PenCapStyle cap = Qt::RoundCap,
                                Qt::PenJoinStyle join = Qt::RoundJoin);
    static QPainterPath ring(qreal cx, qreal cy, qreal radius, qreal width);
    static QPainterPath disc(qreal cx, qreal cy, qreal radius);

    static QPainterPath minimize();
    static QPainterPath hide();
    static QPainterPath home();
    static QPainterPath calendar();
    static QPainterPath zone();
    static QPainterPath map();
    static QPainterPath update();
    static QPainterPath config();
    static QPainterPath facebook();
    static QPainterPath help();
    static QPainterPath email();
    static QPainterPath about();
    static QPainterPath check();
};

#endif // ICONGLYPHS_H
