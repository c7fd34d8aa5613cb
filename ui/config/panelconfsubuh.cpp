#include "ui/config/panelconfsubuh.h"

PanelConfSubuh::PanelConfSubuh(QWidget *parent)
    : PanelConfNotifier(Subuh, parent)
{
}
