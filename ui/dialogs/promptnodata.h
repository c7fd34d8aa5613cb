#ifndef PROMPTNODATA_H
#define PROMPTNODATA_H

#include "ui/dialogs/promptmessage.h"

// Tells that the timetable of the month asked for is not available.
class PromptNoData : public PromptMessage
{
    Q_OBJECT
public:
    explicit PromptNoData(const Language &language, QWidget *parent = nullptr)
        : PromptMessage(language,
                        {QStringLiteral("Prompt.NoData"), QSize(350, 250), QStringLiteral("NoData.Description"),
                         70, QStringLiteral("NoData.BtnClose")},
                        parent)
    {
    }
};

#endif // PROMPTNODATA_H
