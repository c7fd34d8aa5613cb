#include "xpathlabel.h"

#include <QMouseEvent>

XPathLabel::XPathLabel(QWidget *parent)
    : QLabel(parent)
{
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
