#ifndef PAGECALENDAR_H
#define PAGECALENDAR_H

#include <QList>
#include <QWidget>
#include "ui/uicontext.h"

class QScrollArea;
class XCalendar;

// Every month that the timetable data covers as a small calendar, two per
// row, in a scroll area.
class PageCalendar : public QWidget
{
    Q_OBJECT
public:
    explicit PageCalendar(const UiContext &ctx, QWidget *parent = nullptr);

    const QList<XCalendar *> &calendars() const { return m_calendars; }
    QScrollArea *scrollArea() const { return m_scrollArea; }
    QWidget *contentWidget() const { return m_content; }

public slots:
    void slotUpdateAlmarik();
    void slotScrollToTop();
    // Moves the green cell to today in every calendar filled on another day.
    void slotRefreshToday();
    // Hides the day pop-up of every calendar.
    void slotHideTimePanel();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QScrollArea *m_scrollArea = nullptr;
    QWidget *m_content = nullptr;
    QList<XCalendar *> m_calendars;
    UiContext m_ctx;
};

#endif // PAGECALENDAR_H
