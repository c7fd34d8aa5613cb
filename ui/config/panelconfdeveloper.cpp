#include "ui/config/panelconfdeveloper.h"

#include <QLabel>

#include "app/appmain.h"

PanelConfDeveloper::PanelConfDeveloper(QWidget *parent)
    : PanelConfBase(parent)
{
    labelDescription = makeCaption(QStringLiteral("labelDescription"));
    labelDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    labelDescription->setWordWrap(true);

    slotUpdateLanguage();
    connect(appLanguage(), &Language::updated, this, &PanelConfDeveloper::slotUpdateLanguage);
}

void PanelConfDeveloper::slotUpdateLanguage()
{
    const Language *language = appLanguage();
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
