#ifndef XCALENDAR_H
#define XCALENDAR_H

#include <QDate>
#include <QList>
#include <QRect>
#include <QSharedPointer>
#include <QWidget>

#include "core/dailytimes.h"

class AlmarikManager;
class AppConfig;
class Language;
class XTimePanel;
struct XCalendarNumberTexts;

// A small month calendar: a 6 x 7 grid of day cells, Sunday first, with the
// Gregorian day in the lower left and the Hijri day in the upper right of
// each cell, today's cell green. The calendar paints its cells itself and
// reads its month from the manager only when it is first painted or asked,
// so a page of many months costs little until they scroll into view; a zone
// change only marks it for a new read and a repaint. Resting the pointer on
// a day shows its times in the time panel, which a page shares among all
// its calendars (a calendar given none makes its own).
class XCalendar : public QWidget
{
    Q_OBJECT
public:
    static const int CellCount = 42;

    XCalendar(int month, int year, const AlmarikManager *manager, const Language *language,
              XTimePanel *timePanel = nullptr, QWidget *parent = nullptr);

    int month() const { return m_month; }
    int year() const { return m_year; }
    XTimePanel *timePanel() const { return m_timePanel; }
    // The settings whose Hijri adjustment the Hijri days and title follow
    // (and whose clock a pop-up of the calendar's own follows); none: the
    // table as it stands. Takes effect at the next fill.
    void setDisplaySettings(const AppConfig *config);

    // The day record of a cell (the manager's, not owned), null for a cell
    // without a day or while the zone has no table for the month.
    const DailyTimes *day(int index) const;
    // The day and Hijri day numbers a cell shows, 0 for an empty cell. They
    // stay as they were when a new zone has no table for the month.
    int dayNumber(int index) const;
    int hijriDayNumber(int index) const;
    // Whether a cell carries the mark of a kept day of the Islamic year
    // (the time panel holds the days).
    bool isMarked(int index) const;
    // The cell that is green: today's, or -1.
    int todayCell() const;
    // Where a cell lies in the calendar, and the cell under a point (-1
    // for none; where two cells share a border line, the later one).
    QRect cellRect(int index) const;
    int cellAt(const QPoint &pos) const;

    QString titleText() const;
    QString hijriText() const;
    QString weekdayText(int column) const;
    QRect titleRect() const;
    QRect hijriRect() const;

    // Whether the month has been read from the manager since the last
    // zone change (it is read when painted or asked).
    bool isFilled() const { return !m_fillPending; }

    // The date whose cell is marked green (invalid while the month has no
    // table). A program left in the tray lives past midnight:
    // refreshIfStale() moves the mark when today is another day than that.
    QDate filledOn() const;
    void refreshIfStale(const QDate &today = QDate::currentDate());

public slots:
    void slotUpdateLanguage();
    void slotUpdateAlmarik();
    // Hides the pop-up at once, for instance when the window moves.
    void hideTimePanel();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    struct Cell {
        const DailyTimes *record = nullptr;
        int day = 0;
        int hijriDay = 0;
    };

    void layoutGrid();
    void ensureFilled() const;
    void fill();
    void hover(int index);

    const AlmarikManager *m_manager = nullptr;
    const AppConfig *m_config = nullptr;
    bool m_ownsTimePanel = false;
    const Language *m_language = nullptr;
    XTimePanel *m_timePanel = nullptr;
    int m_month = 0;
    int m_year = 0;
    QDate m_today;
    // Filled lazily from const accessors and paintEvent.
    mutable bool m_fillPending = true;
    mutable bool m_hasTable = false;
    mutable QList<DailyTimes> m_days;
    mutable Cell m_cells[CellCount];
    mutable QString m_hijriText;
    QSharedPointer<XCalendarNumberTexts> m_numberTexts;
    int m_hover = -1;
    int m_headerY = 0;
    int m_firstRowY = 0;
    int m_titleHeight = 0;
    int m_hijriHeight = 0;
};

#endif // XCALENDAR_H
