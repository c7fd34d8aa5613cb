#include "promptnodata.h"

#include "ui/controls/xgreenbutton.h"
#include "ui/dialogs/promptlayout.h"

PromptNoData::PromptNoData(const Language &language, QWidget *parent)
    : DialogBase(parent)
    , buttonClosePrompt(new XGreenButton(this))
{
    buttonClosePrompt->setObjectName(QStringLiteral("buttonClosePrompt"));
    labelDescription = PromptLayout::build(language, this, QStringLiteral("Prompt.NoData"), QSize(350, 250),
                                           QStringLiteral("NoData.Description"), 70,
                                           {{buttonClosePrompt, QStringLiteral("NoData.BtnClose")}});
    connect(buttonClosePrompt, &XPanelButton::clicked, this, &PromptNoData::slotClose);
}

void PromptNoData::slotClose()
{
    reject();
}
