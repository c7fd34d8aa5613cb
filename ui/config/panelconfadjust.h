#ifndef PANELCONFADJUST_H
#define PANELCONFADJUST_H

#include "ui/config/panelconfbase.h"
#include "core/calc/placeadjustments.h"
#include "core/prayerslot.h"
#include "ui/uicontext.h"

class QComboBox;
class QLabel;
class QSpinBox;

// Adjustments of the computed places: the Asar school, the high-latitude
// rule and whole minutes added to each time (-10..+10), for the user's own
// place (its own set) or the fixed places abroad (one set for all). A
// change is stored and the place computed again at once. While one of
// JAKIM's zones is selected the controls are greyed and a note says why:
// JAKIM's zones show JAKIM's times unadjusted.
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
    // The stored adjustments of the selected place's kind.
    PlaceAdjustments stored() const;
    void store(const PlaceAdjustments &adjustments);
    void showStored();
    // Stores the controls' values and computes the place again.
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
