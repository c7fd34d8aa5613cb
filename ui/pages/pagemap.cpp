#include "ui/pages/pagemap.h"

#include "core/language.h"
#include "ui/controls/labelfactory.h"

#include <QLabel>
#include <QVBoxLayout>

PageMap::PageMap(const Language &language, QWidget *parent)
    : QWidget(parent)
    , m_language(language)
    , m_label(LabelFactory::label(this, QStringLiteral("label"), 12, Qt::white, QFont::Bold))
    , m_description(LabelFactory::label(this, QStringLiteral("labelDescription"), 10))
{
    setObjectName(QStringLiteral("PageMap"));
    resize(618, 326);
    m_description->setWordWrap(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(30, 20, 30, 20);
    layout->setSpacing(12);
    layout->addWidget(m_label);
    layout->addWidget(m_description);
    layout->addStretch(1);

    slotUpdateLanguage();
    connect(&m_language, &Language::updated, this, &PageMap::slotUpdateLanguage);
}

PageMap::~PageMap() = default;

void PageMap::slotUpdateLanguage()
{
    m_label->setText(m_language.text(QStringLiteral("Map.Title")));
    m_description->setText(m_language.text(QStringLiteral("Map.Description")));
}
