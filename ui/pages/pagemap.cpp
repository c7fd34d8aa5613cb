#include "ui/pages/pagemap.h"

#include "ui/controls/labelfactory.h"

#include <QLabel>

PageMap::PageMap(QWidget *parent)
    : QWidget(parent)
    , m_label(LabelFactory::label(this, QStringLiteral("label"), 9))
{
    setObjectName(QStringLiteral("PageMap"));
    resize(618, 326);

    // The page's own caption, the same in every language.
    m_label->setText(QStringLiteral("Page Map"));
    m_label->adjustSize();
    m_label->move(30, 20);
}

PageMap::~PageMap() = default;
