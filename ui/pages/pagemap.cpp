#include "ui/pages/pagemap.h"

#include <QLabel>

PageMap::PageMap(QWidget *parent)
    : QWidget(parent)
    , m_label(new QLabel(this))
{
    setObjectName(QStringLiteral("PageMap"));
    resize(618, 326);

    m_label->setObjectName(QStringLiteral("label"));
    m_label->setFont(QFont(QStringLiteral("Arial"), 9));
    QPalette palette = m_label->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, Qt::white);
    m_label->setPalette(palette);
    // The page's own caption, the same in every language.
    m_label->setText(QStringLiteral("Page Map"));
    m_label->adjustSize();
    m_label->move(30, 20);
}

PageMap::~PageMap() = default;
