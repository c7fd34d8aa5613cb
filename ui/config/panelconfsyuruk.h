#ifndef PANELCONFSYURUK_H
#define PANELCONFSYURUK_H

#include "ui/config/panelconfnotifier.h"

// Notifier settings of Syuruk.
class PanelConfSyuruk : public PanelConfNotifier
{
    Q_OBJECT
public:
    explicit PanelConfSyuruk(const UiContext &ctx, QWidget *parent = nullptr);
};

#endif // PANELCONFSYURUK_H
