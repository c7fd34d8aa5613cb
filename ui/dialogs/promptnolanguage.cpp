#include "promptnolanguage.h"

#include "ui/controls/xgreenbutton.h"
#include "ui/dialogs/promptlayout.h"

PromptNoLanguage::PromptNoLanguage(const Language &language, QWidget *parent)
    : DialogBase(parent)
    , buttonClosePrompt(new XGreenButton(this))
{
    buttonClosePrompt->setObjectName(QStringLiteral("buttonClosePrompt"));
    labelDescription = PromptLayout::build(language, this, QStringLiteral("Prompt.NoLanguage"), QSize(350, 200),
                                           QStringLiteral("NoLanguage.Description"), 50,
                                           {{buttonClosePrompt, QStringLiteral("NoLanguage.BtnClose")}});
    connect(buttonClosePrompt, &XPanelButton::clicked, this, &PromptNoLanguage::slotClose);
}

void PromptNoLanguage::slotClose()
{
    reject();
}
