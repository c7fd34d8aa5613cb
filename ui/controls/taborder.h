#ifndef TABORDER_H
#define TABORDER_H

#include <QList>

class QWidget;

// Puts the controls of a form in the focus chain in the order they are
// read (top to bottom, left to right): Qt's chain follows the order in
// which they were made, which the skin's placement does not.
class TabOrder
{
public:
    // Chains `widgets` in this order, each one right after the one before,
    // whatever their focus policy now (a link that has no URL yet takes
    // the focus once it gets one, and must then stand in its place).
    static void chain(const QList<QWidget *> &widgets);
    // `root` and its descendants as they stand in the focus chain, in
    // that order.
    static QList<QWidget *> block(QWidget *root);
};

#endif // TABORDER_H
