#ifndef LABELFACTORY_H
#define LABELFACTORY_H

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QString>

class QLabel;
class QWidget;
class XUrlLabel;

// The labels that pages and dialogs are made of: named, in Arial, with one
// text colour whether the window is active or not.
class LabelFactory
{
public:
    // `base` with `colour` as its text colour in the active and inactive
    // groups.
    static QPalette textPalette(const QPalette &base, const QColor &colour);

    static QLabel *label(QWidget *parent, const QString &name, int pointSize,
                         const QColor &colour = Qt::white, int weight = QFont::Normal);

    // A link that turns bold under the pointer and keeps its colour.
    static XUrlLabel *link(QWidget *parent, const QString &name, int pointSize,
                           const QColor &colour = Qt::white);
};

#endif // LABELFACTORY_H
