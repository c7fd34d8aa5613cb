#ifndef PROMPTNOLANGUAGE_H
#define PROMPTNOLANGUAGE_H

#include "ui/dialogs/dialogbase.h"

class Language;
class QLabel;
class XGreenButton;

// Tells that the chosen language cannot be used yet. Its one
// button, like closing the frame, rejects.
class PromptNoLanguage : public DialogBase
{
    Q_OBJECT
public:
    explicit PromptNoLanguage(const Language &language, QWidget *parent = nullptr);

public slots:
    void slotClose();

private:
    QLabel *labelDescription;
    XGreenButton *buttonClosePrompt;
};

#endif // PROMPTNOLANGUAGE_H
