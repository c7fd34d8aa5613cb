#ifndef PANELCONFTHEME_H
#define PANELCONFTHEME_H

#include "ui/config/panelconfbase.h"

class QLabel;

// Theme: a title and a note, centred in the panel. The program has one
// look for now.
class PanelConfTheme : public PanelConfBase
{
    Q_OBJECT
public:
    explicit PanelConfTheme(QWidget *parent = nullptr);

    void relayout() override;

public slots:
    void slotUpdateLanguage();

private:
    QLabel *labelDescription;
};

#endif // PANELCONFTHEME_H
