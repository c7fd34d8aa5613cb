#include "ui/config/panelconfasar.h"

PanelConfAsar::PanelConfAsar(const UiContext &ctx, QWidget *parent)
    : PanelConfNotifier(ctx, Asar, parent)
{
}
