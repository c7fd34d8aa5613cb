#ifndef PAGECALENDAR_H
#define PAGECALENDAR_H

#include <QList>
#include <QWidget>

#include "core/islamicdays.h"

class AlmarikManager;
class QDate;
class AppConfig;
class Language;
class QScrollArea;
class XCalendar;
class XTimePanel;

// Every month that the timetable data covers as a small calendar, two per
// row, in a scroll area. The calendars read and paint their months only as
// they come into view, and share one day pop-up.
class PageCalendar : public QWidget
{
    Q_OBJECT
public:
    PageCalendar(const AlmarikManager *manager, const Language *language, QWidget *parent = nullptr);

    const QList<XCalendar *> &calendars() const { return m_calendars; }
    QScrollArea *scrollArea() const { return m_scrollArea; }
    QWidget *contentWidget() const { return m_content; }
    XTimePanel *timePanel() const { return m_timePanel; }
    // The settings whose clock and Hijri adjustment the calendars and their
    // pop-up follow; a change of either refills the calendars.
    void setDisplaySettings(const AppConfig *config);

public slots:
    void slotScrollToTop();
    // The page is about to be shown: today's month at the top.
    void slotScrollToToday();
    // Moves the green cell to today in every calendar filled on another day.
    void slotRefreshToday();
    // Marks the kept days of the Islamic year on every calendar.
    void setIslamicDays(const QList<IslamicDays::Day> &days);
    // Hides the day pop-up.
    void slotHideTimePanel();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void scrollToMonth(const QDate &date);
    QScrollArea *m_scrollArea = nullptr;
    QWidget *m_content = nullptr;
    XTimePanel *m_timePanel = nullptr;
    const AppConfig *m_config = nullptr;
    int m_shownAdjustment = 0;
    QList<XCalendar *> m_calendars;
};

#endif // PAGECALENDAR_H
