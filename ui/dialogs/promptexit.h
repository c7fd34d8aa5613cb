#ifndef PROMPTEXIT_H
#define PROMPTEXIT_H

#include "ui/dialogs/dialogbase.h"

class Language;
class QLabel;
class XGreenButton;

// Asks before the program quits: Yes accepts, Cancel (or closing the
// prompt) rejects.
class PromptExit : public DialogBase
{
    Q_OBJECT
public:
    explicit PromptExit(const Language &language, QWidget *parent = nullptr);

public slots:
    void slotYes();
    void slotCancel();

private:
    QLabel *labelDescription;
    XGreenButton *buttonYes;
    XGreenButton *buttonCancel;
};

#endif // PROMPTEXIT_H
