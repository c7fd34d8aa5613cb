#include "ui/config/panelconftheme.h"

#include <QLabel>

#include "app/appmain.h"

PanelConfTheme::PanelConfTheme(QWidget *parent)
    : PanelConfBase(parent)
{
    labelDescription = makeCaption(QStringLiteral("labelDescription"));
    labelDescription->setAlignment(Qt::AlignCenter);
    labelDescription->setWordWrap(true);

    slotUpdateLanguage();
    connect(appLanguage(), &Language::updated, this, &PanelConfTheme::slotUpdateLanguage);
}

void PanelConfTheme::slotUpdateLanguage()
{
    const Language *language = appLanguage();
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
