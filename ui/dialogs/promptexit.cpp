#include "promptexit.h"

#include "ui/controls/xgreenbutton.h"
#include "ui/dialogs/promptlayout.h"

PromptExit::PromptExit(const Language &language, QWidget *parent)
    : DialogBase(parent)
    , buttonYes(new XGreenButton(this))
    , buttonCancel(new XGreenButton(this))
{
    buttonYes->setObjectName(QStringLiteral("buttonYes"));
    buttonCancel->setObjectName(QStringLiteral("buttonCancel"));
    labelDescription = PromptLayout::build(language, this, QStringLiteral("Prompt.ExitApp"), QSize(250, 250),
                                           QStringLiteral("ExitApp.Description"), 40,
                                           {{buttonYes, QStringLiteral("ExitApp.BtnYes")},
                                            {buttonCancel, QStringLiteral("ExitApp.BtnCancel")}});
    connect(buttonYes, &XPanelButton::clicked, this, &PromptExit::slotYes);
    connect(buttonCancel, &XPanelButton::clicked, this, &PromptExit::slotCancel);
}

void PromptExit::slotYes()
{
    accept();
}

void PromptExit::slotCancel()
{
    reject();
}
