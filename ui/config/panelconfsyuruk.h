#ifndef PANELCONFSYURUK_H
#define PANELCONFSYURUK_H

#include "ui/config/panelconfnotifier.h"

// Notifier settings of Syuruk.
class PanelConfSyuruk : public PanelConfNotifier
{
    Q_OBJECT
public:
    explicit PanelConfSyuruk(QWidget *parent = nullptr);
};

#endif // PANELCONFSYURUK_H
