#include "ui/controls/taborder.h"

#include <QVector>
#include <QWidget>

void TabOrder::chain(const QList<QWidget *> &widgets)
{
    // A widget that hands its focus to another (a scroll area's viewport)
    // is left alone: setting its policy would set its proxy's.
    QList<QWidget *> own;
    for (QWidget *widget : widgets) {
        if (!widget->focusProxy())
            own.append(widget);
    }
    // QWidget::setTabOrder() leaves widgets without focus alone: they
    // take it for the time of the reordering.
    QVector<Qt::FocusPolicy> policies;
    policies.reserve(own.size());
    for (QWidget *widget : own) {
        policies.append(widget->focusPolicy());
        if (widget->focusPolicy() == Qt::NoFocus)
            widget->setFocusPolicy(Qt::TabFocus);
    }
    for (int k = 1; k < own.size(); ++k)
        QWidget::setTabOrder(own.at(k - 1), own.at(k));
    for (int k = 0; k < own.size(); ++k)
        own.at(k)->setFocusPolicy(policies.at(k));
}

QList<QWidget *> TabOrder::block(QWidget *root)
{
    QList<QWidget *> widgets{root};
    for (QWidget *next = root->nextInFocusChain(); next != root && root->isAncestorOf(next);
         next = next->nextInFocusChain())
        widgets.append(next);
    return widgets;
}
