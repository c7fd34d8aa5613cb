#include "ui/config/panelconfsyuruk.h"

PanelConfSyuruk::PanelConfSyuruk(const UiContext &ctx, QWidget *parent)
    : PanelConfNotifier(ctx, Syuruk, parent)
{
}
