#include "ui/config/panelconfasar.h"

PanelConfAsar::PanelConfAsar(QWidget *parent)
    : PanelConfNotifier(Asar, parent)
{
}
