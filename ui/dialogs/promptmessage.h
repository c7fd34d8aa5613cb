#ifndef PROMPTMESSAGE_H
#define PROMPTMESSAGE_H

#include <QSize>
#include <QString>

#include "ui/dialogs/dialogbase.h"

class Language;
class XGreenButton;

// A modal prompt that only tells something: catalogue title and text, and
// one button that, like closing the frame, rejects.
class PromptMessage : public DialogBase
{
    Q_OBJECT
public:
    struct Texts {
        QString titleKey;
        QSize initialSize;
        QString textKey;
        int textHeight;
        QString buttonKey;
    };

    PromptMessage(const Language &language, const Texts &texts, QWidget *parent = nullptr);

private:
    XGreenButton *buttonClosePrompt;
};

#endif // PROMPTMESSAGE_H
