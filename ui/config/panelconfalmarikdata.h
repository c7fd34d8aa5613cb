#ifndef PANELCONFALMARIKDATA_H
#define PANELCONFALMARIKDATA_H

#include "ui/config/panelconfbase.h"
#include "ui/uicontext.h"

class QComboBox;
class QLabel;

// Timetable data: the hour system and the Hijri adjustment. Both are
// stored settings that no display consults yet, so their combos are shown
// greyed with the stored values.
class PanelConfAlmarikData : public PanelConfBase
{
    Q_OBJECT
public:
    explicit PanelConfAlmarikData(const UiContext &ctx, QWidget *parent = nullptr);

    void relayout() override;

public slots:
    void slotUpdateLanguage();
    void slotHourSystemChanged(int index);
    void slotHijriAdjustmentChanged(int index);

private:
    QLabel *labelHourSystem;
    QComboBox *comboHourSystem;
    QLabel *labelHijri;
    QComboBox *comboHijri;
    UiContext m_ctx;
};

#endif // PANELCONFALMARIKDATA_H
