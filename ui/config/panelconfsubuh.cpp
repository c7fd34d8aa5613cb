#include "ui/config/panelconfsubuh.h"

PanelConfSubuh::PanelConfSubuh(const UiContext &ctx, QWidget *parent)
    : PanelConfNotifier(ctx, Subuh, parent)
{
}
