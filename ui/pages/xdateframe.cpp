#include "ui/pages/xdateframe.h"

XDateFrame::XDateFrame(QWidget *parent)
    : QFrame(parent)
{
}

void XDateFrame::enterEvent(QEvent *event)
{
    QFrame::enterEvent(event);
    emit showTime(this);
}

void XDateFrame::leaveEvent(QEvent *event)
{
    QFrame::leaveEvent(event);
    emit hideTime(this);
}
