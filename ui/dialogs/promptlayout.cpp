#include "promptlayout.h"

#include "core/language.h"
#include "ui/controls/xgreenbutton.h"
#include "ui/controls/xpushbutton.h"
#include "ui/dialogs/dialogbase.h"

#include <QLabel>

QLabel *PromptLayout::build(const Language &language, DialogBase *prompt, const QString &titleKey, const QSize &initialSize,
                            const QString &textKey, int textHeight, const QList<Button> &buttons)
{
    prompt->titleLabel()->setText(language.text(titleKey));
    prompt->closeButton()->setToolTip(language.text(QStringLiteral("Dialog.Close")));
    prompt->resize(initialSize);
    prompt->centre();

    auto *description = new QLabel(prompt);
    description->setObjectName(QStringLiteral("labelDescription"));
    QPalette palette = description->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, Qt::black);
    description->setPalette(palette);
    description->setFont(QFont(QStringLiteral("Arial"), 9, QFont::Normal));
    description->setText(language.text(textKey));
    description->setAlignment(Qt::AlignJustify);
    description->setWordWrap(true);
    // The table's text height, unless the wrapped text needs more (a
    // font wider than Arial): the message is never cut off.
    const int textWidth = prompt->width() - 50;
    description->resize(textWidth, qMax(textHeight, description->heightForWidth(textWidth)));
    description->move(25, 70);
    description->show();

    const int buttonWidth = 100;
    const int buttonHeight = 40;
    const int y = description->y() + description->height() + 10;
    for (int i = 0; i < buttons.size(); ++i) {
        XGreenButton *button = buttons.at(i).button;
        button->resize(buttonWidth, buttonHeight);
        button->setText(language.text(buttons.at(i).captionKey));
        int x = prompt->width() / 2 - buttonWidth / 2;
        if (buttons.size() == 2)
            x = i == 0 ? prompt->width() / 2 - buttonWidth - 3 : prompt->width() / 2 + 2;
        button->move(x, y);
    }
    // The first button has the focus: Enter or Space answers with it.
    if (!buttons.isEmpty())
        buttons.first().button->setFocus();
    prompt->resize(prompt->width(), y + buttonHeight + 20);
    // Centred again at the final size, so the prompt really sits in the
    // middle.
    prompt->centre();
    return description;
}
