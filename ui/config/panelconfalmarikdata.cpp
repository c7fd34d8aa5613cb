#include "ui/config/panelconfalmarikdata.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>

#include "app/appmain.h"

namespace {

// Fills a combo with catalogue texts without reporting it as a choice.
void refill(QComboBox *combo, std::initializer_list<const char *> keys)
{
    const QSignalBlocker blocker(combo);
    combo->clear();
    for (const char *key : keys)
        combo->addItem(appLanguage()->text(QString::fromLatin1(key)));
}

} // namespace

PanelConfAlmarikData::PanelConfAlmarikData(QWidget *parent)
    : PanelConfBase(parent)
{
    labelHourSystem = makeCaption(QStringLiteral("labelHourSystem"));
    comboHourSystem = makeCombo(QStringLiteral("comboHourSystem"));
    labelHijri = makeCaption(QStringLiteral("labelHijri"));
    comboHijri = makeCombo(QStringLiteral("comboHijri"));

    connect(comboHourSystem, QOverload<int>::of(&QComboBox::currentIndexChanged),
            this, &PanelConfAlmarikData::slotHourSystemChanged);
    connect(comboHijri, QOverload<int>::of(&QComboBox::currentIndexChanged),
            this, &PanelConfAlmarikData::slotHijriAdjustmentChanged);
    comboHourSystem->setEnabled(false);
    comboHijri->setEnabled(false);

    slotUpdateLanguage();
    connect(appLanguage(), &Language::updated, this, &PanelConfAlmarikData::slotUpdateLanguage);
}

void PanelConfAlmarikData::slotUpdateLanguage()
{
    const Language *language = appLanguage();
    labelTitle->setText(language->text(QStringLiteral("ConfAlmarikData.Title")));
    labelHourSystem->setText(language->text(QStringLiteral("ConfAlmarikData.HourSystem")));
    labelHijri->setText(language->text(QStringLiteral("ConfAlmarikData.Hijri")));

    refill(comboHourSystem, {"HourSystem.12Hours", "HourSystem.24Hours"});
    showIndex(comboHourSystem, appConfig().hourSystem);
    refill(comboHijri, {"HijriAdjustment.None", "HijriAdjustment.MinusOneDay",
                        "HijriAdjustment.MinusTwoDays", "HijriAdjustment.PlusOneDay",
                        "HijriAdjustment.PlusTwoDays"});
    showIndex(comboHijri, appConfig().hijriAdjustment);
    relayout();
}

void PanelConfAlmarikData::slotHourSystemChanged(int index)
{
    // Times are always shown in 24-hour form for now; the combo only shows
    // the stored choice.
    Q_UNUSED(index)
}

void PanelConfAlmarikData::slotHijriAdjustmentChanged(int index)
{
    // Hijri dates are shown as the timetable data gives them; the combo
    // only shows the stored choice.
    Q_UNUSED(index)
}

void PanelConfAlmarikData::relayout()
{
    const int y = placeRow(labelHourSystem, comboHourSystem, 30, layoutTitle() + 20);
    placeRow(labelHijri, comboHijri, 30, y + 15);
}
