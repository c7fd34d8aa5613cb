#ifndef PANELCONFADJUST_H
#define PANELCONFADJUST_H

#include "ui/config/panelconfbase.h"
#include "core/prayerslot.h"
#include "ui/uicontext.h"

class QComboBox;
class QLabel;
class QSpinBox;

// Adjustments of the user's own place: the Asar school, the high-latitude
// rule and whole minutes added to each time (-10..+10). A change is
// stored and the place computed again at once. While a fixed place is
// selected the controls are greyed and a note says why: JAKIM's zones show
// JAKIM's times unadjusted.
class PanelConfAdjust : public PanelConfBase
{
    Q_OBJECT
public:
    explicit PanelConfAdjust(const UiContext &ctx, QWidget *parent = nullptr);

    void relayout() override;

    QComboBox *asarCombo() const { return comboAsar; }
    QComboBox *highLatitudeCombo() const { return comboHighLatitude; }
    QSpinBox *minutesBox(int slot) const { return spinMinutes[slot]; }
    QLabel *noteLabel() const { return labelNote; }

public slots:
    void slotUpdateLanguage();
    // Greys the controls or lets them act, after the selected place.
    void slotUpdatePlace();

private:
    void showStored();
    // Stores the controls' values and computes the own place again.
    void apply();

    QLabel *labelAsar;
    QComboBox *comboAsar;
    QLabel *labelHighLatitude;
    QComboBox *comboHighLatitude;
    QLabel *labelMinutes;
    QLabel *labelSlot[PrayerSlotCount];
    QSpinBox *spinMinutes[PrayerSlotCount];
    QLabel *labelNote;
    UiContext m_ctx;
};

#endif // PANELCONFADJUST_H
