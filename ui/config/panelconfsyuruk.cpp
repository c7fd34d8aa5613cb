#include "ui/config/panelconfsyuruk.h"

PanelConfSyuruk::PanelConfSyuruk(QWidget *parent)
    : PanelConfNotifier(Syuruk, parent)
{
}
