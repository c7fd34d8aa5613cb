#include "ui/config/panelconfduha.h"

PanelConfDuha::PanelConfDuha(const UiContext &ctx, QWidget *parent)
    : PanelConfNotifier(ctx, Duha, parent)
{
}
