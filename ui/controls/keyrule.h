#ifndef KEYRULE_H
#define KEYRULE_H

#include <QColor>
#include <QKeyEvent>
#include <QPainter>
#include <QPen>
#include <QWidget>

// The keyboard rule the program's own controls (XPanelButton, XUrlLabel,
// XCheckBox, XPathLabel) share with Qt's buttons: Enter, Return and Space
// press the focused control, and the focus shows as a dotted frame, since
// the controls' pictures and colours have no focused look of their own.
class KeyRule
{
public:
    // Whether `event` presses a focused control (a held key presses once).
    static bool presses(const QKeyEvent *event)
    {
        if (event->isAutoRepeat() || (event->modifiers() & ~Qt::KeypadModifier))
            return false;
        return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space;
    }

    // Draws the dotted frame on `widget` while it has the focus.
    static void paintFocus(QWidget *widget, const QColor &colour)
    {
        if (!widget->hasFocus())
            return;
        QPainter painter(widget);
        painter.setPen(QPen(colour, 1, Qt::DotLine));
        painter.drawRect(widget->rect().adjusted(0, 0, -1, -1));
    }
};

#endif // KEYRULE_H
