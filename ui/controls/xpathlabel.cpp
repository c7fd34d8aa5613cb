#include "xpathlabel.h"

#include <QMouseEvent>

#include "ui/controls/keyrule.h"

XPathLabel::XPathLabel(QWidget *parent)
    : QLabel(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void XPathLabel::mousePressEvent(QMouseEvent *event)
{
    QLabel::mousePressEvent(event);
    // Takes the press, so the release comes here and the window behind is
    // not dragged.
    event->accept();
}

void XPathLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    // A press that is dragged off the label and released elsewhere is not
    // a click.
    if (rect().contains(event->pos()))
        emit clicked();
}

void XPathLabel::keyPressEvent(QKeyEvent *event)
{
    if (!KeyRule::presses(event)) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    emit clicked();
}

void XPathLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    KeyRule::paintFocus(this, palette().color(QPalette::WindowText));
}
