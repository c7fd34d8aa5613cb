#ifndef PANELCONFZOHOR_H
#define PANELCONFZOHOR_H

#include "ui/config/panelconfnotifier.h"

// Notifier settings of Zohor.
class PanelConfZohor : public PanelConfNotifier
{
    Q_OBJECT
public:
    explicit PanelConfZohor(const UiContext &ctx, QWidget *parent = nullptr);
};

#endif // PANELCONFZOHOR_H
