#ifndef PANELCONFISYAK_H
#define PANELCONFISYAK_H

#include "ui/config/panelconfnotifier.h"

// Notifier settings of Isyak.
class PanelConfIsyak : public PanelConfNotifier
{
    Q_OBJECT
public:
    explicit PanelConfIsyak(const UiContext &ctx, QWidget *parent = nullptr);
};

#endif // PANELCONFISYAK_H
