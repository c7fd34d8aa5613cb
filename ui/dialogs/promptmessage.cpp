#include "ui/dialogs/promptmessage.h"

#include "ui/controls/xgreenbutton.h"
#include "ui/dialogs/promptlayout.h"

PromptMessage::PromptMessage(const Language &language, const Texts &texts, QWidget *parent)
    : DialogBase(parent)
    , buttonClosePrompt(new XGreenButton(this))
{
    buttonClosePrompt->setObjectName(QStringLiteral("buttonClosePrompt"));
    PromptLayout::build(language, this, texts.titleKey, texts.initialSize, texts.textKey, texts.textHeight,
                        {{buttonClosePrompt, texts.buttonKey}});
    connect(buttonClosePrompt, &XPanelButton::clicked, this, &PromptMessage::reject);
}
