#include "ui/config/panelconfzohor.h"

PanelConfZohor::PanelConfZohor(QWidget *parent)
    : PanelConfNotifier(Zohor, parent)
{
}
