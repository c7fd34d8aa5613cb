#include "ui/config/panelconfisyak.h"

PanelConfIsyak::PanelConfIsyak(QWidget *parent)
    : PanelConfNotifier(Isyak, parent)
{
}
