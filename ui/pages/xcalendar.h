#ifndef XCALENDAR_H
#define XCALENDAR_H

#include <QDate>
#include <QFrame>
#include "ui/uicontext.h"

class QLabel;
class XDateFrame;
class XTimePanel;

// A small month calendar: a 6 x 7 grid of day cells, Sunday first, with the
// Gregorian day in the lower left and the Hijri day in the upper right of
// each cell. Resting the pointer on a day shows its times in a pop-up.
class XCalendar : public QFrame
{
    Q_OBJECT
public:
    static const int CellCount = 42;

    XCalendar(const UiContext &ctx, int month, int year, QWidget *parent = nullptr);

    int month() const { return m_month; }
    int year() const { return m_year; }
    XTimePanel *timePanel() const { return m_timePanel; }
    XDateFrame *cell(int index) const;
    QLabel *titleLabel() const { return labelTitle; }
    QLabel *hijriLabel() const { return labelHijri; }
    QLabel *weekdayLabel(int column) const;

public slots:
    void slotUpdateLanguage();
    void slotShowTime(XDateFrame *frame);
    void slotHideTime(XDateFrame *frame);
    void slotUpdateAlmarik();
    // Hides the pop-up at once, for instance when the window moves.
    void hideTimePanel();

public:
    // The date whose cell was marked green by the last fill (invalid before
    // a successful fill). A program left in the tray lives past midnight:
    // refreshIfStale() refills when today is another day than that.
    QDate filledOn() const { return m_filledOn; }
    void refreshIfStale(const QDate &today = QDate::currentDate());

private:
    void buildGrid();
    void clearCell(XDateFrame *cell);
    void fill(const QDate &today);

    XTimePanel *m_timePanel = nullptr;
    QLabel *labelTitle = nullptr;
    QLabel *labelHijri = nullptr;
    QLabel *labelWeekday[7] = {};
    XDateFrame *m_cells[CellCount] = {};
    int m_month = 0;
    int m_year = 0;
    QDate m_filledOn;
    UiContext m_ctx;
};

#endif // XCALENDAR_H
