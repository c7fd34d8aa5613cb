#ifndef EXPORTOPTIONSDIALOG_H
#define EXPORTOPTIONSDIALOG_H

#include <QDialog>
#include <QList>

class Language;
class QCheckBox;
class QComboBox;
class QSpinBox;

// What to export: a month or a whole year, and for a calendar file the
// prayers and how many minutes before each one it reminds (0: no reminder).
class ExportOptionsDialog : public QDialog
{
    Q_OBJECT
public:
    ExportOptionsDialog(const Language &language, int year, int month, bool calendarFile,
                        QWidget *parent = nullptr);

    int year() const;
    int month() const;  // 1-12; 0 for the whole year
    QList<int> prayerSlots() const;
    int alarmMinutes() const;  // -1 for none

private:
    QComboBox *m_month = nullptr;
    QSpinBox *m_year = nullptr;
    QList<QCheckBox *> m_slots;
    QSpinBox *m_alarm = nullptr;
};

#endif // EXPORTOPTIONSDIALOG_H
