#ifndef PROMPTNOLANGUAGE_H
#define PROMPTNOLANGUAGE_H

#include "ui/dialogs/promptmessage.h"

// Tells that the chosen language cannot be used yet.
class PromptNoLanguage : public PromptMessage
{
    Q_OBJECT
public:
    explicit PromptNoLanguage(const Language &language, QWidget *parent = nullptr)
        : PromptMessage(language,
                        {QStringLiteral("Prompt.NoLanguage"), QSize(350, 200),
                         QStringLiteral("NoLanguage.Description"), 50, QStringLiteral("NoLanguage.BtnClose")},
                        parent)
    {
    }
};

#endif // PROMPTNOLANGUAGE_H
