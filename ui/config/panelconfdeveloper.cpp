#include "ui/config/panelconfdeveloper.h"

#include <QLabel>

#include "core/language.h"

PanelConfDeveloper::PanelConfDeveloper(const UiContext &ctx, QWidget *parent)
    : PanelConfBase(parent)
    , m_ctx(ctx)
{
    labelDescription = makeCaption(QStringLiteral("labelDescription"));
    labelDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    labelDescription->setWordWrap(true);

    slotUpdateLanguage();
    connect(m_ctx.language, &Language::updated, this, &PanelConfDeveloper::slotUpdateLanguage);
}

void PanelConfDeveloper::slotUpdateLanguage()
{
    const Language *language = m_ctx.language;
    labelTitle->setText(language->text(QStringLiteral("ConfDeveloper.Title")));
    labelDescription->setText(language->text(QStringLiteral("ConfDeveloper.Description")));
    relayout();
}

void PanelConfDeveloper::relayout()
{
    const int top = layoutTitle() + 20;
    const int width = qMax(0, this->width() - 60);
    labelDescription->setGeometry(30, top, width, qMax(0, labelDescription->heightForWidth(width)));
}
