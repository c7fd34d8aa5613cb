#ifndef DIALOGMAIN_H
#define DIALOGMAIN_H

#include <QDate>
#include <QDialog>
#include <QList>
#include <QPoint>
#include <QSystemTrayIcon>

#include <functional>
#include <vector>

#include "core/almarikmanager.h"
#include "core/islamicdays.h"
#include "core/prayernotifier.h"
#include "ui/uicontext.h"

class QAction;
class NextPrayerWatch;
class QDateTime;
class QLabel;
class QMenu;
class QTimer;
class MinuteClock;
class PageAbout;
class PageCalendar;
class PageConfig;
class PageHelp;
class PageHome;
class PageQibla;
class PageUpdate;
class XButtonMenu;
class XPushButton;
class XUrlLabel;

// The program's one top-level window: frameless and of fixed size, with the
// title picture, a stack of pages and a row of image buttons that switch
// pages or open the zone and contact menus. It owns the tray icon and the
// minute clock that drives the prayer-time notifier, and keeps running in
// the tray while hidden.
class DialogMain : public QDialog
{
    Q_OBJECT
public:
    explicit DialogMain(const UiContext &ctx, QWidget *parent = nullptr);
    ~DialogMain() override;

    // Shows the window at start, or with `minimized` leaves only the tray
    // icon; a desktop without a tray gets a minimized window instead, so the
    // window can always be found again.
    void showAtStart(bool minimized);

    // Runs the notifier for the clock time `now` and raises what is due.
    void notifyDue(const QDateTime &now);
    // Raises one notification: balloon (or desktop notification) and sound.
    void showNotice(const PrayerNotifier::Notice &notice);
    // Tells the user about a problem of the program itself (settings not
    // saved, a file moved aside, an unknown zone): tray message or desktop
    // notice, no sound.
    void showStatusNotice(const QString &title, const QString &text);
    // How the stored zone was found at start.
    AlmarikManager::ZoneChoice zoneChoice() const { return m_zoneChoice; }
    // Whether the settings chose the user's own place and it could not be
    // computed at start (the stored zone is shown instead).
    bool ownPlaceRefused() const { return m_ownPlaceRefused; }
    // On a first run (no settings file), or when the stored zone is unknown
    // to the timetable, shows the window with the place menu open on the
    // place in use (Kuala Lumpur by default) so that the user confirms or
    // chooses where they are; false (nothing done) otherwise.
    bool askForPlace(bool firstRun);
    // Called on every timer tick with the current date. When the day has
    // The configuration page, built on first use.
    PageConfig *configPage();
    // Puts the line about settings that cannot be saved on the
    // configuration page ("" takes it away); kept for the page until it is
    // built.
    void setSaveProblem(const QString &text, const QString &reason = QString());
    // Called on every clock tick with the current date. When the day has
    // changed while the window is shown, the home page and the calendars
    // move their mark to the new day (a hidden window catches up when it
    // is shown again).
    void followDate(const QDate &today);
    // Tells the user once a day, from the warning window on, when the
    // tables end, and once after they have ended (CoverageNotice).
    void noteCoverage(const QDate &today);

    PrayerNotifier &notifier() { return m_notifier; }
    // The tray icon, made and shown on first use: at once for a start to
    // the tray, once the window is painted for one that shows it.
    QSystemTrayIcon *trayIcon();
    QMenu *trayMenu() const { return m_trayMenu; }
    // The minute clock and its single-shot timer.
    MinuteClock *clock() const { return m_clock; }
    QTimer *timer() const;
    QAction *countdownAction() const { return m_actionCountdown; }
    XButtonMenu *zoneMenu() const { return m_zoneMenu; }
    QMenu *contactMenu() const { return m_contactMenu; }
    // The page of type Page (PageHome, PageCalendar, ...), built, placed
    // and hidden on first use; null for a type not in the page list. Pages
    // are built when first shown: the window builds the home page when it
    // is first shown, and one started to the tray builds none until then.
    template<class Page>
    Page *page() { return static_cast<Page *>(pageOfType(&Page::staticMetaObject)); }
    // Every page in the order of the page list, building those not built.
    QList<QWidget *> pages();
    // The pages built so far, in the order of the page list.
    QList<QWidget *> builtPages() const;
    // The page shown, null when none is built.
    QWidget *currentPage() const;

public slots:
    void slotTimer();
    void trayIconActivated(QSystemTrayIcon::ActivationReason reason);
    void slotActionRestore();
    void slotActionStopAlarm();
    void slotActionAbout();
    void slotSingleApp(const QString &message);
    void slotUpdateAlmarik();
    void slotButtonMinimize();
    void slotButtonHide();
    void slotButtonHome();
    void slotButtonCalendar();
    void slotButtonZone();
    void slotButtonMap();
    void slotButtonUpdate();
    void slotButtonConfig();
    void slotButtonFacebook();
    void slotButtonHelp();
    void slotButtonEmail();
    void slotButtonAbout();
    void slotActionExit();
    void slotZoneTriggered(QString name);
    // "Other place..." of the zone menu: the own-place dialog.
    void slotOtherPlace();
    void slotUpdateLanguage();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void showEvent(QShowEvent *event) override;
    // The window's first expose, after a start that shows it.
    bool eventFilter(QObject *object, QEvent *event) override;
    // Escape and the window manager's close act like the Hide button: the
    // window goes to the tray or, with no tray, the exit prompt asks
    // whether to quit.
    void reject() override;

    // Whether the desktop shows a system tray now. It can appear or go away
    // while the program runs, so it is asked each time it matters.
    virtual bool hasSystemTray() const;
    // A click on a notice (tray balloon or desktop notification): the
    // window on the home page.
    void showHomeFromNotice();

private:
    void createForm();
    // Start-up's place: the user's own place when the settings choose it
    // and it can be computed, otherwise the stored zone.
    void selectStartPlace();
    void addOtherPlaceEntry(XButtonMenu *menu);
    void createBackground();
    // What only a shown window needs, done when it is first shown: the
    // background picture and the web address's size (its font), which a
    // start to the tray does without.
    void completeForShow();
    void createTrayMenu();
    void createClock();
    // The tray's tooltip and its menu's first line: the zone, the period
    // now with the next prayer's countdown, and the timetable's end when near.
    void updateTrayText();
    // The kept days of the Islamic year for the selected zone, marked on
    // the calendar and the home page.
    void updateIslamicDays();
    // The kept days of the Islamic year over the timetable, read when
    // first asked for after a change.
    const QList<IslamicDays::Day> &islamicDays();
    void createUrlLabel();
    void createButtons();
    void createPages();
    void createBorders();
    void placeBackgroundPanel();

    XPushButton *createButton(const QString &objectName, const QString &pictureName,
                              const QString &toolTip, void (DialogMain::*slot)());
    // Adds an entry to the end of the page list: its type and how to build
    // the page (which also sets the page's member).
    void addPage(const QMetaObject *type, std::function<QWidget *()> build);
    // The page of that type, built on first use; null for an unknown type.
    QWidget *pageOfType(const QMetaObject *type);
    // Builds the page of one entry, placed in the page area and hidden.
    QWidget *buildPage(int index);
    // Shows `page` and hides the others; a page not built (null) changes
    // nothing.
    void showPage(QWidget *page);
    void restoreWindow();
    // The exit prompt; quits when the user agrees.
    void askToExit();
    // Logs a sound that could not be played and tells the user the first
    // time in a run.
    void soundFailed(const QString &reason);
    void buildContactMenu();
    void openUrl(const QString &url);
    void shareByEmail();

    // Form.
    XPushButton *m_buttonMinimize = nullptr;
    XPushButton *m_buttonHide = nullptr;
    XPushButton *m_buttonHome = nullptr;
    XPushButton *m_buttonCalendar = nullptr;
    XPushButton *m_buttonZone = nullptr;
    XPushButton *m_buttonMap = nullptr;
    XPushButton *m_buttonUpdate = nullptr;
    XPushButton *m_buttonConfig = nullptr;
    XPushButton *m_buttonFacebook = nullptr;
    XPushButton *m_buttonHelp = nullptr;
    XPushButton *m_buttonEmail = nullptr;
    XPushButton *m_buttonAbout = nullptr;
    XUrlLabel *m_labelUrl = nullptr;
    QLabel *m_labelAppTitle = nullptr;
    QLabel *m_labelBorderTop = nullptr;
    QLabel *m_labelBorderBottom = nullptr;
    QLabel *m_labelBorderLeft = nullptr;
    QLabel *m_labelBorderRight = nullptr;
    QWidget *m_panelBackground = nullptr;
    bool m_completedForShow = false;

    // Pages.
    PageHome *m_pageHome = nullptr;
    PageCalendar *m_pageCalendar = nullptr;
    PageQibla *m_pageMap = nullptr;
    NextPrayerWatch *m_watch = nullptr;
    QList<IslamicDays::Day> m_islamicDays;
    bool m_islamicDaysStale = true;
    PageUpdate *m_pageUpdate = nullptr;
    PageConfig *m_pageConfig = nullptr;
    AlmarikManager::ZoneChoice m_zoneChoice = AlmarikManager::ZoneChoice::None;
    bool m_ownPlaceRefused = false;
    PageHelp *m_pageHelp = nullptr;
    PageAbout *m_pageAbout = nullptr;
    struct PageEntry {
        const QMetaObject *type = nullptr;
        std::function<QWidget *()> build;
        QWidget *page = nullptr;  // null until built
    };
    std::vector<PageEntry> m_pages;
    QString m_saveProblemText;
    QString m_saveProblemReason;

    // Tray, timer and notifier.
    QSystemTrayIcon *m_trayIcon = nullptr;
    QMenu *m_trayMenu = nullptr;
    QAction *m_actionCountdown = nullptr;
    QAction *m_actionRestore = nullptr;
    QAction *m_actionStopAlarm = nullptr;
    QAction *m_actionAbout = nullptr;
    QAction *m_actionExit = nullptr;
    MinuteClock *m_clock = nullptr;
    PrayerNotifier m_notifier;
    QDate m_today;  // the date of the last tick
    QDate m_coverageShown;  // when the notice about the tables' end was last shown
    bool m_toldSoundFailure = false;

    // Menus, built on first use.
    XButtonMenu *m_zoneMenu = nullptr;
    QMenu *m_contactMenu = nullptr;

    // Dragging the frameless window.
    bool m_dragging = false;
    QPoint m_pressPosition;
    QPoint m_windowPosition;
    UiContext m_ctx;
};

#endif // DIALOGMAIN_H
