#include "ui/pages/pagehelp.h"

#include "ui/controls/labelfactory.h"

#include <QLabel>
#include <QSlider>

PageHelp::PageHelp(QWidget *parent)
    : QWidget(parent)
    , m_label(LabelFactory::label(this, QStringLiteral("label"), 9))
    , m_horizontalSlider(new QSlider(Qt::Horizontal, this))
{
    setObjectName(QStringLiteral("PageHelp"));
    resize(716, 347);

    // The page's own caption, the same in every language.
    m_label->setText(QStringLiteral("Page Help"));
    m_label->adjustSize();
    m_label->move(30, 20);

    m_horizontalSlider->setObjectName(QStringLiteral("horizontalSlider"));
    m_horizontalSlider->setGeometry(30, m_label->y() + m_label->height() + 10, 160, 22);
}

PageHelp::~PageHelp() = default;
