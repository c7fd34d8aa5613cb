#include "ui/config/panelconfadjust.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

#include <iterator>

#include "core/almarikmanager.h"
#include "core/appconfig.h"
#include "core/calc/customplace.h"
#include "core/calc/prayerconvention.h"
#include "core/language.h"
#include "core/logcategories.h"

namespace {

// Combo entries in stored-value order: the Asar school (CustomPlace::
// AsarSchool) and the high-latitude rule (ConventionHighLatitude, then
// PrayerConvention::HighLatitudeRule).
const char *const AsarKeys[] = {"ConfAdjust.ByConvention", "ConfAdjust.AsarShafii", "ConfAdjust.AsarHanafi"};
const char *const HighLatitudeKeys[] = {"ConfAdjust.ByConvention", "ConfAdjust.HighNone", "ConfAdjust.HighMiddle",
                                        "ConfAdjust.HighSeventh", "ConfAdjust.HighAngle"};

void refill(const Language &language, QComboBox *combo, const char *const *keys, int count)
{
    const QSignalBlocker blocker(combo);
    combo->clear();
    for (int i = 0; i < count; ++i)
        combo->addItem(language.text(QString::fromLatin1(keys[i])));
}

} // namespace

PanelConfAdjust::PanelConfAdjust(const UiContext &ctx, QWidget *parent)
    : PanelConfBase(parent)
    , m_ctx(ctx)
{
    labelAsar = makeCaption(QStringLiteral("labelAsar"));
    comboAsar = makeCombo(QStringLiteral("comboAsar"));
    labelHighLatitude = makeCaption(QStringLiteral("labelHighLatitude"));
    comboHighLatitude = makeCombo(QStringLiteral("comboHighLatitude"));
    labelMinutes = makeCaption(QStringLiteral("labelMinutes"));
    for (int slot = 0; slot < PrayerSlotCount; ++slot) {
        labelSlot[slot] = makeCaption(QStringLiteral("label") + prayerSlotName(slot));
        // The slot names are the same in every language.
        labelSlot[slot]->setText(prayerSlotName(slot));
        spinMinutes[slot] = new QSpinBox(this);
        spinMinutes[slot]->setObjectName(QStringLiteral("spin") + prayerSlotName(slot));
        spinMinutes[slot]->setRange(-CustomPlace::MaxAdjustment, CustomPlace::MaxAdjustment);
        connect(spinMinutes[slot], QOverload<int>::of(&QSpinBox::valueChanged), this, &PanelConfAdjust::apply);
    }
    labelNote = makeCaption(QStringLiteral("labelNote"));
    labelNote->setWordWrap(true);

    connect(comboAsar, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &PanelConfAdjust::apply);
    connect(comboHighLatitude, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &PanelConfAdjust::apply);

    slotUpdateLanguage();
    connect(m_ctx.language, &Language::updated, this, &PanelConfAdjust::slotUpdateLanguage);
    connect(m_ctx.almarikManager, &AlmarikManager::updated, this, &PanelConfAdjust::slotUpdatePlace);
}

PlaceAdjustments PanelConfAdjust::stored() const
{
    if (m_ctx.almarikManager->isCustomPlace())
        return PlaceAdjustments::of(m_ctx.config->customPlace);
    return m_ctx.config->abroadAdjustments;
}

void PanelConfAdjust::showStored()
{
    const PlaceAdjustments shown = stored();
    showIndex(comboAsar, shown.asarSchool);
    showIndex(comboHighLatitude, shown.highLatitude - CustomPlace::ConventionHighLatitude);
    for (int slot = 0; slot < PrayerSlotCount; ++slot) {
        const QSignalBlocker blocker(spinMinutes[slot]);
        spinMinutes[slot]->setValue(shown.adjustment[slot]);
    }
}

void PanelConfAdjust::slotUpdateLanguage()
{
    const Language *language = m_ctx.language;
    labelTitle->setText(language->text(QStringLiteral("ConfAdjust.Title")));
    labelAsar->setText(language->text(QStringLiteral("ConfAdjust.Asar")));
    labelHighLatitude->setText(language->text(QStringLiteral("ConfAdjust.HighLatitude")));
    labelMinutes->setText(language->text(QStringLiteral("ConfAdjust.Minutes")));
    for (QSpinBox *box : spinMinutes)
        box->setSuffix(QLatin1Char(' ') + language->text(QStringLiteral("ConfAdjust.MinuteUnit")));
    refill(*language, comboAsar, AsarKeys, int(std::size(AsarKeys)));
    refill(*language, comboHighLatitude, HighLatitudeKeys, int(std::size(HighLatitudeKeys)));
    slotUpdatePlace();
}

void PanelConfAdjust::slotUpdatePlace()
{
    const AlmarikManager *manager = m_ctx.almarikManager;
    const bool adjustable = manager->isAdjustable();
    for (QWidget *control : std::initializer_list<QWidget *>{comboAsar, comboHighLatitude})
        control->setEnabled(adjustable);
    for (QSpinBox *box : spinMinutes)
        box->setEnabled(adjustable);
    showStored();
    QString note = QStringLiteral("ConfAdjust.FixedNote");
    if (manager->isCustomPlace())
        note = QStringLiteral("ConfAdjust.OwnNote");
    else if (manager->isPlaceAbroad())
        note = QStringLiteral("ConfAdjust.AbroadNote");
    labelNote->setText(m_ctx.language->text(note));
    relayout();
}

void PanelConfAdjust::apply()
{
    AlmarikManager *manager = m_ctx.almarikManager;
    if (!manager->isAdjustable())
        return;
    PlaceAdjustments chosen;
    chosen.asarSchool = qMax(0, comboAsar->currentIndex());
    chosen.highLatitude = qMax(0, comboHighLatitude->currentIndex()) + CustomPlace::ConventionHighLatitude;
    for (int slot = 0; slot < PrayerSlotCount; ++slot)
        chosen.adjustment[slot] = spinMinutes[slot]->value();
    const PlaceAdjustments previous = stored();
    if (chosen == previous)
        return;
    // Stored first: the place computed again tells the panel, which then
    // shows the stored values.
    store(chosen);
    const bool applied = manager->isCustomPlace() ? manager->setCustomPlace(m_ctx.config->customPlace)
                                                  : manager->setAbroadAdjustments(chosen);
    if (!applied) {
        // A rule that leaves a day without a time: the place stays as it
        // was, and so do the controls.
        qCWarning(lcUi).noquote() << "adjusted place cannot be computed; kept as it was";
        store(previous);
        showStored();
        return;
    }
    m_ctx.config->save();
}

void PanelConfAdjust::store(const PlaceAdjustments &adjustments)
{
    if (m_ctx.almarikManager->isCustomPlace())
        adjustments.applyTo(m_ctx.config->customPlace);
    else
        m_ctx.config->abroadAdjustments = adjustments;
}

void PanelConfAdjust::relayout()
{
    int y = layoutTitle() + 12;
    const int noteWidth = qMax(0, width() - 40);
    labelNote->setGeometry(30, y, noteWidth, qMax(0, labelNote->heightForWidth(noteWidth)));
    y += labelNote->height() + 10;
    y = placeRow(labelAsar, comboAsar, 30, y) + 8;
    y = placeRow(labelHighLatitude, comboHighLatitude, 30, y) + 10;
    labelMinutes->adjustSize();
    labelMinutes->move(30, y);
    y += labelMinutes->height() + 6;
    // Two columns of four slots.
    int captionWidth = 0;
    for (QLabel *label : labelSlot) {
        label->adjustSize();
        captionWidth = qMax(captionWidth, label->width());
    }
    const int rowHeight = qMax(spinMinutes[0]->sizeHint().height(), labelSlot[0]->height()) + 4;
    const int boxWidth = spinMinutes[0]->sizeHint().width() + 10;
    for (int slot = 0; slot < PrayerSlotCount; ++slot) {
        const int x = 40 + (slot / 4) * (captionWidth + boxWidth + 40);
        const int rowY = y + (slot % 4) * rowHeight;
        labelSlot[slot]->move(x, rowY + (rowHeight - labelSlot[slot]->height()) / 2);
        spinMinutes[slot]->setGeometry(x + captionWidth + 8, rowY, boxWidth, rowHeight - 4);
    }
}
