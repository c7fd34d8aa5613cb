#include "ui/dialogs/exportoptionsdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QPushButton>
#include <QSpinBox>

#include "core/language.h"
#include "core/nextprayer.h"
#include "core/prayerslot.h"

ExportOptionsDialog::ExportOptionsDialog(const Language &language, int year, int month, bool calendarFile,
                                         QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("ExportOptionsDialog"));
    setWindowTitle(language.text(QStringLiteral("Export.Title")));
    auto *form = new QFormLayout(this);

    m_month = new QComboBox(this);
    m_month->setObjectName(QStringLiteral("comboMonth"));
    m_month->addItem(language.text(QStringLiteral("Export.WholeYear")), 0);
    for (int k = 1; k <= 12; ++k)
        m_month->addItem(language.monthName(k), k);
    m_month->setCurrentIndex(qBound(0, month, 12));
    form->addRow(language.text(QStringLiteral("Export.Month")), m_month);

    m_year = new QSpinBox(this);
    m_year->setObjectName(QStringLiteral("spinYear"));
    m_year->setRange(1900, 2200);
    m_year->setValue(year);
    form->addRow(language.text(QStringLiteral("Export.Year")), m_year);

    if (calendarFile) {
        auto *grid = new QGridLayout;
        for (int slot = 0; slot < PrayerSlotCount; ++slot) {
            auto *box = new QCheckBox(language.text(QStringLiteral("Prayer.") + prayerSlotName(slot)), this);
            box->setObjectName(QStringLiteral("check") + prayerSlotName(slot));
            box->setChecked(NextPrayer::isPrayer(slot));
            box->setProperty("slot", slot);
            grid->addWidget(box, slot / 4, slot % 4);
            m_slots << box;
        }
        form->addRow(language.text(QStringLiteral("Export.Prayers")), grid);

        m_alarm = new QSpinBox(this);
        m_alarm->setObjectName(QStringLiteral("spinAlarm"));
        m_alarm->setRange(0, 120);
        m_alarm->setValue(10);
        form->addRow(language.text(QStringLiteral("Export.AlarmMinutes")), m_alarm);
    }

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(language.text(QStringLiteral("Export.Ok")));
    buttons->button(QDialogButtonBox::Cancel)->setText(language.text(QStringLiteral("Export.Cancel")));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

int ExportOptionsDialog::year() const
{
    return m_year->value();
}

int ExportOptionsDialog::month() const
{
    return m_month->currentData().toInt();
}

QList<int> ExportOptionsDialog::prayerSlots() const
{
    QList<int> chosen;
    for (const QCheckBox *box : m_slots) {
        if (box->isChecked())
            chosen << box->property("slot").toInt();
    }
    return chosen;
}

int ExportOptionsDialog::alarmMinutes() const
{
    return m_alarm && m_alarm->value() > 0 ? m_alarm->value() : -1;
}
