#ifndef PANELCONFSUBUH_H
#define PANELCONFSUBUH_H

#include "ui/config/panelconfnotifier.h"

// Notifier settings of Subuh.
class PanelConfSubuh : public PanelConfNotifier
{
    Q_OBJECT
public:
    explicit PanelConfSubuh(const UiContext &ctx, QWidget *parent = nullptr);
};

#endif // PANELCONFSUBUH_H
