#ifndef PANELCONFDUHA_H
#define PANELCONFDUHA_H

#include "ui/config/panelconfnotifier.h"

// Notifier settings of Duha.
class PanelConfDuha : public PanelConfNotifier
{
    Q_OBJECT
public:
    explicit PanelConfDuha(const UiContext &ctx, QWidget *parent = nullptr);
};

#endif // PANELCONFDUHA_H
