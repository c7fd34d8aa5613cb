#include "ui/config/panelconfalmarikdata.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>

#include "core/appconfig.h"
#include "core/language.h"

namespace {

// Fills a combo with catalogue texts without reporting it as a choice.
void refill(const Language &language, QComboBox *combo, std::initializer_list<const char *> keys)
{
    const QSignalBlocker blocker(combo);
    combo->clear();
    for (const char *key : keys)
        combo->addItem(language.text(QString::fromLatin1(key)));
}

} // namespace

PanelConfAlmarikData::PanelConfAlmarikData(const UiContext &ctx, QWidget *parent)
    : PanelConfBase(parent)
    , m_ctx(ctx)
{
    labelHourSystem = makeCaption(QStringLiteral("labelHourSystem"));
    comboHourSystem = makeCombo(QStringLiteral("comboHourSystem"));
    labelHijri = makeCaption(QStringLiteral("labelHijri"));
    comboHijri = makeCombo(QStringLiteral("comboHijri"));

    connect(comboHourSystem, QOverload<int>::of(&QComboBox::currentIndexChanged),
            this, &PanelConfAlmarikData::slotHourSystemChanged);
    connect(comboHijri, QOverload<int>::of(&QComboBox::currentIndexChanged),
            this, &PanelConfAlmarikData::slotHijriAdjustmentChanged);
    slotUpdateLanguage();
    connect(m_ctx.language, &Language::updated, this, &PanelConfAlmarikData::slotUpdateLanguage);
}

void PanelConfAlmarikData::slotUpdateLanguage()
{
    const Language *language = m_ctx.language;
    labelTitle->setText(language->text(QStringLiteral("ConfAlmarikData.Title")));
    labelHourSystem->setText(language->text(QStringLiteral("ConfAlmarikData.HourSystem")));
    labelHijri->setText(language->text(QStringLiteral("ConfAlmarikData.Hijri")));

    refill(*m_ctx.language, comboHourSystem, {"HourSystem.12Hours", "HourSystem.24Hours"});
    showIndex(comboHourSystem, m_ctx.config->hourSystem);
    refill(*m_ctx.language, comboHijri, {"HijriAdjustment.None", "HijriAdjustment.MinusOneDay",
                        "HijriAdjustment.MinusTwoDays", "HijriAdjustment.PlusOneDay",
                        "HijriAdjustment.PlusTwoDays"});
    showIndex(comboHijri, m_ctx.config->hijriAdjustment);
    relayout();
}

void PanelConfAlmarikData::slotHourSystemChanged(int index)
{
    // Refilling the entries (a language change) passes through -1 and back
    // to the stored entry: only a real choice is stored.
    if (index < 0 || index == m_ctx.config->hourSystem)
        return;
    m_ctx.config->hourSystem = index;
    m_ctx.config->save();
}

void PanelConfAlmarikData::slotHijriAdjustmentChanged(int index)
{
    if (index < 0 || index == m_ctx.config->hijriAdjustment)
        return;
    m_ctx.config->hijriAdjustment = index;
    m_ctx.config->save();
}

void PanelConfAlmarikData::relayout()
{
    const int y = placeRow(labelHourSystem, comboHourSystem, 30, layoutTitle() + 20);
    placeRow(labelHijri, comboHijri, 30, y + 15);
}
