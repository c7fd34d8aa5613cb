#ifndef PROMPTNODATA_H
#define PROMPTNODATA_H

#include "ui/dialogs/dialogbase.h"

class Language;
class QLabel;
class XGreenButton;

// Tells that the timetable of the month asked for is not available. Its one
// button, like closing the frame, rejects.
class PromptNoData : public DialogBase
{
    Q_OBJECT
public:
    explicit PromptNoData(const Language &language, QWidget *parent = nullptr);

public slots:
    void slotClose();

private:
    QLabel *labelDescription;
    XGreenButton *buttonClosePrompt;
};

#endif // PROMPTNODATA_H
