#ifndef XGREENBUTTON_H
#define XGREENBUTTON_H

#include "ui/controls/xpanelbutton.h"

#include <QColor>

// The green panel button of the prompts, the update page and the support
// dialogs.
class XGreenButton : public XPanelButton
{
    Q_OBJECT
public:
    explicit XGreenButton(QWidget *parent = nullptr);

    // "background-color:#rrggbb;" with lower-case, zero-padded hex digits.
    static QString backgroundSheet(const QColor &colour);
};

#endif // XGREENBUTTON_H
