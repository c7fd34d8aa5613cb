#include "ui/config/panelconfduha.h"

PanelConfDuha::PanelConfDuha(QWidget *parent)
    : PanelConfNotifier(Duha, parent)
{
}
