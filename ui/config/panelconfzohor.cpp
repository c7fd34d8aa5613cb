#include "ui/config/panelconfzohor.h"

PanelConfZohor::PanelConfZohor(const UiContext &ctx, QWidget *parent)
    : PanelConfNotifier(ctx, Zohor, parent)
{
}
