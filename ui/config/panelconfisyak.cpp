#include "ui/config/panelconfisyak.h"

PanelConfIsyak::PanelConfIsyak(const UiContext &ctx, QWidget *parent)
    : PanelConfNotifier(ctx, Isyak, parent)
{
}
