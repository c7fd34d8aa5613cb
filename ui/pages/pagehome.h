#ifndef PAGEHOME_H
#define PAGEHOME_H

#include <QDate>
#include <QList>
#include <QPair>
#include <QWidget>

#include "core/dailytimes.h"
#include "core/islamicdays.h"
#include "ui/uicontext.h"

class QFrame;
class QLabel;
class QScrollArea;
class PanelAlmarik;
class NextPrayerWatch;
class QMenu;
class TimetableExport;
class XUrlLabel;

// The main window's first page: zone, position and source of the selected
// timetable, the shown month with its Hijri months, the month's times with
// today marked, and the links that move between months.
class PageHome : public QWidget
{
    Q_OBJECT
public:
    // The page shows `watch`'s countdown; without one it keeps its own.
    explicit PageHome(const UiContext &ctx, NextPrayerWatch *watch = nullptr, QWidget *parent = nullptr);
    ~PageHome() override;

    QDate shownDate() const { return m_date; }
    // The shown month's days; copies, so that a zone change cannot leave the
    // page holding records that the manager has already freed.
    const QList<DailyTimes> &days() const { return m_days; }
    PanelAlmarik *panel() const { return m_panel; }
    // The period now and the next prayer's countdown, shared with the tray.
    NextPrayerWatch *nextPrayerWatch() const { return m_watch; }
    QLabel *countdownLabel() const { return labelCountdown; }
    // Writes the timetable to a calendar file, a spreadsheet or a PDF.
    TimetableExport *timetableExport() const { return m_export; }
    XUrlLabel *exportLink() const { return labelExport; }
    QMenu *exportMenu() const { return m_exportMenu; }
    QScrollArea *scrollArea() const { return m_scrollArea; }
    // Map link for a position, as labelGps carries it.
    static QString mapUrl(double latitude, double longitude);
    // Shows the month of date (keeping date as the shown date); when the
    // month has no data, shows the no-data prompt and changes nothing.
    bool showMonth(const QDate &date);
    // The kept days of the Islamic year, marked on the month's rows.
    void setIslamicDays(const QList<IslamicDays::Day> &days);
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
    void createCountdown();
    void showCountdown();
    void layoutCountdown();
    void markIslamicDays();
    void createExportMenu();
    void orderTabs();
    void relabelExportMenu();
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
    void fitGridToWholeRows();

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
    QLabel *labelCountdown = nullptr;
    NextPrayerWatch *m_watch = nullptr;
    XUrlLabel *labelExport = nullptr;
    QMenu *m_exportMenu = nullptr;
    TimetableExport *m_export = nullptr;
    XUrlLabel *labelMonth[12] = {};
    QScrollArea *m_scrollArea = nullptr;
    PanelAlmarik *m_panel = nullptr;

    QDate m_date;
    QDate m_today;   // invalid: the clock's date
    QList<DailyTimes> m_days;
    QList<IslamicDays::Day> m_islamicDays;
    bool m_initialised = false;
    QPair<int, int> m_shownDisplay;   // hour system, Hijri adjustment
    UiContext m_ctx;
};

#endif // PAGEHOME_H
