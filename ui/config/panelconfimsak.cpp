#include "ui/config/panelconfimsak.h"

PanelConfImsak::PanelConfImsak(QWidget *parent)
    : PanelConfNotifier(Imsak, parent)
{
}
