#ifndef PANELCONFIMSAK_H
#define PANELCONFIMSAK_H

#include "ui/config/panelconfnotifier.h"

// Notifier settings of Imsak.
class PanelConfImsak : public PanelConfNotifier
{
    Q_OBJECT
public:
    explicit PanelConfImsak(const UiContext &ctx, QWidget *parent = nullptr);
};

#endif // PANELCONFIMSAK_H
