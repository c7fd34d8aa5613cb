#ifndef PANELCONFDEVELOPER_H
#define PANELCONFDEVELOPER_H

#include "ui/config/panelconfbase.h"

class QLabel;

// Developer options: a title and a note; there are no options yet.
class PanelConfDeveloper : public PanelConfBase
{
    Q_OBJECT
public:
    explicit PanelConfDeveloper(QWidget *parent = nullptr);

public slots:
    void slotUpdateLanguage();

protected:
    void relayout() override;

private:
    QLabel *labelDescription;
};

#endif // PANELCONFDEVELOPER_H
