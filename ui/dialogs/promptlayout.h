#ifndef PROMPTLAYOUT_H
#define PROMPTLAYOUT_H

#include <QList>
#include <QSize>
#include <QString>

class DialogBase;
class Language;
class QLabel;
class XGreenButton;

// The form shared by the modal prompts: catalogue title, a justified,
// word-wrapped description of a given height (more only if the wrapped
// text needs it), and one or two green buttons below it; the prompt's
// height follows the buttons.
class PromptLayout
{
public:
    struct Button {
        XGreenButton *button;
        QString captionKey;
    };

    // Builds the form on the prompt and returns the description label.
    static QLabel *build(const Language &language, DialogBase *prompt, const QString &titleKey, const QSize &initialSize,
                         const QString &textKey, int textHeight, const QList<Button> &buttons);
};

#endif // PROMPTLAYOUT_H
