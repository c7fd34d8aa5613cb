#ifndef PAGEHOME_H
#define PAGEHOME_H

#include <QDate>
#include <QList>
#include <QPair>
#include <QWidget>

#include "core/dailytimes.h"
#include "ui/uicontext.h"

class QFrame;
class QLabel;
class QScrollArea;
class PanelAlmarik;
class XUrlLabel;

// The main window's first page: zone, position and source of the selected
// timetable, the shown month with its Hijri months, the month's times with
// today marked, and the links that move between months.
class PageHome : public QWidget
{
    Q_OBJECT
public:
    explicit PageHome(const UiContext &ctx, QWidget *parent = nullptr);
    ~PageHome() override;

    QDate shownDate() const { return m_date; }
    // The shown month's days; copies, so that a zone change cannot leave the
    // page holding records that the manager has already freed.
    const QList<DailyTimes> &days() const { return m_days; }
    PanelAlmarik *panel() const { return m_panel; }
    QScrollArea *scrollArea() const { return m_scrollArea; }
    // Map link for a position, as labelGps carries it.
    static QString mapUrl(double latitude, double longitude);
    // Shows the month of date (keeping date as the shown date); when the
    // month has no data, shows the no-data prompt and changes nothing.
    bool showMonth(const QDate &date);
    // The day the page counts as today (the clock's date unless the main
    // window's tick or a test has set one).
    QDate today() const;
    void setToday(const QDate &today);
    // The heading, the source line of the shown day and the line about
    // the end of the tables, as shown.
    QString headingText() const;
    QString sourceText() const;
    QString coverageText() const;
    // The plain statement shown instead of the grid when there are no
    // times for today; empty when the grid is shown.
    QString noTimesText() const;

public slots:
    void slotUpdateLanguage();
    void slotShowGpsMap();
    void slotShowPrevious();
    void slotShowNow();
    void slotShowNext();
    void slotUpdateAlmarik();
    // Shows the month of today and scrolls today's row near the top.
    void slotGoToToday();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildForm();
    bool loadMonth(int month, int year, QList<DailyTimes> &days) const;
    // Shows the month again when the clock or the Hijri adjustment changes.
    void followDisplaySettings();
    // The month's name was clicked: shows that month of this year.
    void showMonthOfThisYear(int month);
    void showNoDataPrompt();
    void refreshHeader();
    QString placeHeading() const;
    QString sourceLine() const;
    void refreshCoverage();
    void layoutPage();

    // Form widgets, all children of the page.
    QLabel *labelZone = nullptr;
    XUrlLabel *labelGps = nullptr;
    QLabel *labelDate = nullptr;
    QLabel *labelHijri = nullptr;
    XUrlLabel *labelSource = nullptr;
    QLabel *labelCoverage = nullptr;
    QLabel *labelNoTimes = nullptr;
    QFrame *frameNavigate = nullptr;
    XUrlLabel *labelPrevious = nullptr;
    XUrlLabel *labelNow = nullptr;
    XUrlLabel *labelNext = nullptr;
    QLabel *labelSeparator1 = nullptr;
    QLabel *labelSeparator2 = nullptr;
    QLabel *labelLine1 = nullptr;
    QLabel *labelLine2 = nullptr;
    QLabel *labelLine3 = nullptr;
    QLabel *labelHeader = nullptr;
    QLabel *labelColumn[9] = {};
    QLabel *labelAyatQuran = nullptr;
    QLabel *labelTafsirQuran = nullptr;
    XUrlLabel *labelMonth[12] = {};
    QScrollArea *m_scrollArea = nullptr;
    PanelAlmarik *m_panel = nullptr;

    QDate m_date;
    QDate m_today;   // invalid: the clock's date
    QList<DailyTimes> m_days;
    bool m_initialised = false;
    QPair<int, int> m_shownDisplay;   // hour system, Hijri adjustment
    UiContext m_ctx;
};

#endif // PAGEHOME_H
