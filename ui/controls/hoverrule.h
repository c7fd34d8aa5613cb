#ifndef HOVERRULE_H
#define HOVERRULE_H

#include <QPoint>
#include <QSize>

// The hover rule the program's own controls (XPushButton, XPanelButton,
// XUrlLabel) share. Qt's Enter and Leave events do not come while a button
// is held down, so a control decides its look on every pointer move from
// where the pointer is.
class HoverRule
{
public:
    // Which pixels count as on the control.
    enum Edges {
        AllEdges,      // the rectangle with all four edges, one pixel beyond the
                       // right and bottom ones
        TopLeftOutside // the top and left pixel rows count as outside
    };

    // True when `pos`, in the control's coordinates, lies on a control of
    // `size`.
    static bool covers(const QSize &size, const QPoint &pos, Edges edges = AllEdges)
    {
        const int first = edges == AllEdges ? 0 : 1;
        return pos.x() >= first && pos.x() <= size.width() && pos.y() >= first && pos.y() <= size.height();
    }

    // For a control that is hovered: the hover look while `pos` is on it,
    // the normal look once it is off. A control not hovered is left alone.
    template <class Control>
    static void followPointer(Control *control, const QPoint &pos)
    {
        if (!control->isHovered())
            return;
        if (covers(control->size(), pos))
            control->applyHoverLook();
        else
            control->applyNormalLook();
    }
};

#endif // HOVERRULE_H
