#include "ui/pages/pagehelp.h"

#include <QLabel>
#include <QSlider>

PageHelp::PageHelp(QWidget *parent)
    : QWidget(parent)
    , m_label(new QLabel(this))
    , m_horizontalSlider(new QSlider(Qt::Horizontal, this))
{
    setObjectName(QStringLiteral("PageHelp"));
    resize(716, 347);

    m_label->setObjectName(QStringLiteral("label"));
    m_label->setFont(QFont(QStringLiteral("Arial"), 9));
    QPalette palette = m_label->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, Qt::white);
    m_label->setPalette(palette);
    // The page's own caption, the same in every language.
    m_label->setText(QStringLiteral("Page Help"));
    m_label->adjustSize();
    m_label->move(30, 20);

    m_horizontalSlider->setObjectName(QStringLiteral("horizontalSlider"));
    m_horizontalSlider->setGeometry(30, m_label->y() + m_label->height() + 10, 160, 22);
}

PageHelp::~PageHelp() = default;
