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

    // Turns label into a solid bar of colour, a rule or a window's border:
    // it fills its rectangle and shows no text. A palette, not a style
    // sheet, so that no style sheet style is made for each bar.
    static void makeBar(QLabel *label, const QColor &colour);

    // A link that turns bold under the pointer and keeps its colour.
    static XUrlLabel *link(QWidget *parent, const QString &name, int pointSize,
                           const QColor &colour = Qt::white);
};

#endif // LABELFACTORY_H
