#include "ui/config/panelconfbase.h"
#include "ui/controls/labelfactory.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>

#include "ui/controls/xcheckbox.h"
#include "ui/controls/xurllabel.h"

PanelConfBase::PanelConfBase(QWidget *parent)
    : QWidget(parent)
{
    // Captions, check-box captions and combos inherit this.
    setFont(QFont(QStringLiteral("Arial"), 9));

    labelTitle = new QLabel(this);
    labelTitle->setObjectName(QStringLiteral("labelTitle"));
    QPalette titlePalette = labelTitle->palette();
    titlePalette.setColor(QPalette::Active, QPalette::WindowText, QColor(247, 255, 37));
    titlePalette.setColor(QPalette::Inactive, QPalette::WindowText, QColor(247, 255, 37));
    labelTitle->setPalette(titlePalette);
    labelTitle->setFont(QFont(QStringLiteral("Arial"), 12, QFont::Bold));

    labelLine = new QLabel(this);
    labelLine->setObjectName(QStringLiteral("labelLine"));
    LabelFactory::makeBar(labelLine, Qt::white);
}

int PanelConfBase::layoutTitle()
{
    labelTitle->adjustSize();
    labelTitle->move(10, 5);
    labelLine->setGeometry(labelTitle->x(), labelTitle->y() + labelTitle->height() + 4,
                           qMax(0, width() - 20), 1);
    return labelLine->y() + labelLine->height();
}

int PanelConfBase::placeRow(QLabel *caption, QComboBox *combo, int x, int y)
{
    caption->adjustSize();
    combo->resize(combo->sizeHint());
    const int rowHeight = qMax(caption->height(), combo->height());
    // Both are centred on one line inside the row, so that a combo taller
    // than its caption never reaches into the row above.
    caption->move(x, y + (rowHeight - caption->height()) / 2);
    combo->move(caption->x() + caption->width() + 10,
                caption->y() + caption->height() / 2 - combo->height() / 2);
    return y + rowHeight;
}

void PanelConfBase::showIndex(QComboBox *combo, int value)
{
    if (value < 0 || value >= combo->count())
        return;
    const QSignalBlocker blocker(combo);
    combo->setCurrentIndex(value);
}

QLabel *PanelConfBase::makeCaption(const QString &objectName)
{
    auto *label = new QLabel(this);
    label->setObjectName(objectName);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    return label;
}

QComboBox *PanelConfBase::makeCombo(const QString &objectName)
{
    auto *combo = new QComboBox(this);
    combo->setObjectName(objectName);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

XUrlLabel *PanelConfBase::makeCheckCaption(const QString &objectName)
{
    auto *caption = new XUrlLabel(this);
    caption->setObjectName(objectName);
    QPalette palette = caption->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, Qt::black);
    caption->setNormalPalette(palette);
    return caption;
}

XCheckBox *PanelConfBase::makeCheckBox(XUrlLabel *caption, const QString &objectName)
{
    auto *box = new XCheckBox(caption, this);
    box->setObjectName(objectName);
    return box;
}

int PanelConfBase::placeCheckBox(XCheckBox *box, XUrlLabel *caption, int x, int y)
{
    caption->adjustSize();
    box->placeAt(x, y);
    return qMax(box->y() + box->height(), caption->y() + caption->height());
}

void PanelConfBase::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    relayout();
}
