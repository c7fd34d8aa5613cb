#ifndef PANELCONFASAR_H
#define PANELCONFASAR_H

#include "ui/config/panelconfnotifier.h"

// Notifier settings of Asar.
class PanelConfAsar : public PanelConfNotifier
{
    Q_OBJECT
public:
    explicit PanelConfAsar(const UiContext &ctx, QWidget *parent = nullptr);
};

#endif // PANELCONFASAR_H
