#ifndef PANELCONFMAGHRIB_H
#define PANELCONFMAGHRIB_H

#include "ui/config/panelconfnotifier.h"

// Notifier settings of Maghrib.
class PanelConfMaghrib : public PanelConfNotifier
{
    Q_OBJECT
public:
    explicit PanelConfMaghrib(const UiContext &ctx, QWidget *parent = nullptr);
};

#endif // PANELCONFMAGHRIB_H
