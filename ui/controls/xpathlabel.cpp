#include "xpathlabel.h"

#include <QMouseEvent>

XPathLabel::XPathLabel(QWidget *parent)
    : QLabel(parent)
{
}

void XPathLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    // A press that is dragged off the label and released elsewhere is not
    // a click.
    if (rect().contains(event->pos()))
        emit clicked();
}
