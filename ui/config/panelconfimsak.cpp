#include "ui/config/panelconfimsak.h"

PanelConfImsak::PanelConfImsak(const UiContext &ctx, QWidget *parent)
    : PanelConfNotifier(ctx, Imsak, parent)
{
}
