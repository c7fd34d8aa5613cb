#include "ui/config/panelconfmaghrib.h"

PanelConfMaghrib::PanelConfMaghrib(const UiContext &ctx, QWidget *parent)
    : PanelConfNotifier(ctx, Maghrib, parent)
{
}
