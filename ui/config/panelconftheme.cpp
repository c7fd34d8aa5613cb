#include "ui/config/panelconftheme.h"

#include <QLabel>

#include "core/language.h"

PanelConfTheme::PanelConfTheme(const UiContext &ctx, QWidget *parent)
    : PanelConfBase(parent)
    , m_ctx(ctx)
{
    labelDescription = makeCaption(QStringLiteral("labelDescription"));
    labelDescription->setAlignment(Qt::AlignCenter);
    labelDescription->setWordWrap(true);

    slotUpdateLanguage();
    connect(m_ctx.language, &Language::updated, this, &PanelConfTheme::slotUpdateLanguage);
}

void PanelConfTheme::slotUpdateLanguage()
{
    const Language *language = m_ctx.language;
    labelTitle->setText(language->text(QStringLiteral("ConfTheme.Title")));
    labelDescription->setText(language->text(QStringLiteral("ConfTheme.Description")));
    relayout();
}

void PanelConfTheme::relayout()
{
    // The note fills the panel under the rule and sits in its middle.
    const int top = layoutTitle() + 20;
    labelDescription->setGeometry(30, top, qMax(0, width() - 60), qMax(0, height() - top - 20));
}
