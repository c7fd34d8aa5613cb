#include "ui/config/panelconfmaghrib.h"

PanelConfMaghrib::PanelConfMaghrib(QWidget *parent)
    : PanelConfNotifier(Maghrib, parent)
{
}
