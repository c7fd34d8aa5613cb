#include "ui/main/dialogmain.h"
#include "ui/picturestore.h"

#include "core/logcategories.h"

#include <QAction>
#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPixmap>
#include <QTimer>
#include <QWindow>
#include <QUrl>

#include <functional>

#include "core/almarikmanager.h"
#include "core/appconfig.h"
#include "core/applicationinformation.h"
#include "core/clocksetwatcher.h"
#include "core/coveragenotice.h"
#include "core/language.h"
#include "core/minuteclock.h"
#include "ui/config/pageconfig.h"
#include "ui/controls/labelfactory.h"
#include "ui/main/abstractsoundplayer.h"
#include "ui/main/systemutilities.h"
#include "ui/controls/taborder.h"
#include "ui/controls/xbuttonmenu.h"
#include "ui/controls/xpushbutton.h"
#include "ui/controls/xurllabel.h"
#include "ui/dialogs/dialogonlinesupport.h"
#include "ui/dialogs/dialogplace.h"
#include "ui/dialogs/dialogwhatsapp.h"
#include "ui/dialogs/promptexit.h"
#include "ui/main/abstractdesktopnotifier.h"
#include "ui/main/resumewatcher.h"
#include "ui/pages/pageabout.h"
#include "ui/pages/pagecalendar.h"
#include "ui/pages/pagehelp.h"
#include "core/islamicdays.h"
#include "ui/pages/nextprayerwatch.h"
#include "ui/pages/pagehome.h"
#include "ui/pages/pageqibla.h"
#include "ui/pages/pageupdate.h"

namespace {

constexpr int PageHeight = 375;
constexpr int PageTop = 80;
constexpr int ButtonRowX = 18;
constexpr int ButtonRowY = 470;
constexpr int ButtonSpacing = 6;


QString picture(const QString &name)
{
    return QStringLiteral(":/images/") + name;
}

} // namespace

DialogMain::DialogMain(const UiContext &ctx, QWidget *parent)
    : QDialog(parent)
    , m_notifier(*ctx.config, *ctx.language,
                 [manager = ctx.almarikManager](const QDate &date, DailyTimes &out) {
                     return manager->timesOfDay(date.day(), date.month(), date.year(), out);
                 },
                 [manager = ctx.almarikManager] { return manager->zoneName(); })
    , m_ctx(ctx)
{
    createForm();
    setWindowTitle(ApplicationInformation::shortName());
    setWindowIcon(QIcon(PictureStore::pixmap(m_ctx.pictures, picture(QStringLiteral("AppIcon.png")))));
    setWindowFlags(Qt::FramelessWindowHint | Qt::CustomizeWindowHint);

    selectStartPlace();

    createBackground();
    createTrayMenu();
    createClock();
    createUrlLabel();
    createButtons();
    // The countdown runs for the tray from the start; the home page, built
    // when first shown, shows the same watch.
    m_watch = new NextPrayerWatch(m_ctx, this);
    m_watch->refreshOnTicks();
    createPages();
    connect(m_watch, &NextPrayerWatch::changed, this, &DialogMain::updateTrayText);
    updateTrayText();
    updateIslamicDays();
    m_today = QDate::currentDate();
    createBorders();
    placeBackgroundPanel();

    connect(m_ctx.almarikManager, &AlmarikManager::updated, this, &DialogMain::slotUpdateAlmarik);
    SystemUtilities::centerOnDesktop(this);

    slotUpdateLanguage();
    connect(m_ctx.language, &Language::updated, this, &DialogMain::slotUpdateLanguage);

    if (m_ctx.soundPlayer)
        m_ctx.soundPlayer->setFailureHandler(this, [this](const QString &reason) { soundFailed(reason); });
}

DialogMain::~DialogMain()
{
    // No notification may start while the window is taken apart.
    m_clock->stop();
    if (m_trayIcon)
        m_trayIcon->hide();
    if (m_ctx.soundPlayer)
        m_ctx.soundPlayer->clearFailureHandler(this);
    if (m_ctx.desktopNotifier)
        m_ctx.desktopNotifier->activated = nullptr;
}

void DialogMain::selectStartPlace()
{
    m_ctx.almarikManager->setAbroadAdjustments(m_ctx.config->abroadAdjustments);
    if (m_ctx.config->useCustomPlace && m_ctx.almarikManager->setCustomPlace(m_ctx.config->customPlace)) {
        m_zoneChoice = AlmarikManager::ZoneChoice::Stored;
        return;
    }
    m_ownPlaceRefused = m_ctx.config->useCustomPlace;
    if (m_ownPlaceRefused)
        qCWarning(lcUi).noquote() << "own place" << m_ctx.config->customPlace.name << "cannot be computed";
    // An empty zone setting selects the timetable's default zone, and so
    // does one the timetable does not know (the user is told).
    m_zoneChoice = m_ctx.almarikManager->selectStoredZone(m_ctx.config->zone);
}

// Creates every widget of the form with its object name; the steps below
// give them their pictures, texts and places.
void DialogMain::createForm()
{
    m_panelBackground = new QWidget(this);
    m_panelBackground->setObjectName(QStringLiteral("panelBackground"));
    m_labelAppTitle = new QLabel(this);
    m_labelAppTitle->setObjectName(QStringLiteral("labelAppTitle"));
    m_labelUrl = new XUrlLabel(this);
    m_labelUrl->setObjectName(QStringLiteral("labelUrl"));

    const struct {
        QLabel **label;
        const char *name;
    } borders[] = {
        {&m_labelBorderTop, "labelBorderTop"},
        {&m_labelBorderBottom, "labelBorderBottom"},
        {&m_labelBorderLeft, "labelBorderLeft"},
        {&m_labelBorderRight, "labelBorderRight"},
    };
    for (const auto &border : borders) {
        *border.label = new QLabel(this);
        (*border.label)->setObjectName(QLatin1String(border.name));
    }
}

void DialogMain::createBackground()
{
    // The picture's size fixes the window's now; the picture itself (1.5 MiB
    // decoded) is loaded when the window is first shown, so a start to the
    // tray does without it.
    setFixedSize(PictureStore::size(m_ctx.pictures, picture(QStringLiteral("Background.png"))));

    QPalette panelPalette = m_panelBackground->palette();
    panelPalette.setColor(QPalette::Window, QColor(60, 137, 165, 181));
    m_panelBackground->setPalette(panelPalette);
    m_panelBackground->setAutoFillBackground(true);

    const QPixmap title = PictureStore::pixmap(m_ctx.pictures, picture(QStringLiteral("AppTitle.png")));
    m_labelAppTitle->setText(QString());
    m_labelAppTitle->setPixmap(title);
    m_labelAppTitle->resize(title.size());
    m_labelAppTitle->move(22, 20);
}

void DialogMain::completeForShow()
{
    if (m_completedForShow)
        return;
    m_completedForShow = true;
    m_labelUrl->adjustSize();
    QPalette windowPalette = palette();
    windowPalette.setBrush(QPalette::Window, QBrush(PictureStore::pixmap(m_ctx.pictures, picture(QStringLiteral("Background.png")))));
    setPalette(windowPalette);
}

void DialogMain::createTrayMenu()
{
    // Their texts come from slotUpdateLanguage().
    m_actionRestore = new QAction(this);
    m_actionStopAlarm = new QAction(this);
    m_actionAbout = new QAction(this);
    m_actionExit = new QAction(this);
    connect(m_actionRestore, &QAction::triggered, this, &DialogMain::slotActionRestore);
    connect(m_actionStopAlarm, &QAction::triggered, this, &DialogMain::slotActionStopAlarm);
    connect(m_actionAbout, &QAction::triggered, this, &DialogMain::slotActionAbout);
    connect(m_actionExit, &QAction::triggered, this, &DialogMain::slotActionExit);

    m_actionCountdown = new QAction(this);
    m_actionCountdown->setEnabled(false);

    m_trayMenu = new QMenu(this);
    m_trayMenu->addAction(m_actionCountdown);
    m_trayMenu->addSeparator();
    m_trayMenu->addAction(m_actionRestore);
    m_trayMenu->addAction(m_actionStopAlarm);
    m_trayMenu->addAction(m_actionAbout);
    m_trayMenu->addSeparator();
    m_trayMenu->addAction(m_actionExit);
    m_trayMenu->setDefaultAction(m_actionRestore);
    if (m_ctx.desktopNotifier)
        m_ctx.desktopNotifier->activated = [this] { showHomeFromNotice(); };
}

QSystemTrayIcon *DialogMain::trayIcon()
{
    if (m_trayIcon)
        return m_trayIcon;
    m_trayIcon = new QSystemTrayIcon(this);
    m_trayIcon->setContextMenu(m_trayMenu);
    m_trayIcon->setIcon(QIcon(PictureStore::pixmap(m_ctx.pictures, picture(SystemUtilities::isWindows7()
                                                                   ? QStringLiteral("TrayIconWin7.png")
                                                                   : QStringLiteral("TrayIcon.png")))));
    connect(m_trayIcon, &QSystemTrayIcon::activated, this, &DialogMain::trayIconActivated);
    connect(m_trayIcon, &QSystemTrayIcon::messageClicked, this, &DialogMain::showHomeFromNotice);
    updateTrayText();
    m_trayIcon->show();
    return m_trayIcon;
}

bool DialogMain::eventFilter(QObject *object, QEvent *event)
{
    // The window's first expose: the tray icon follows once it is painted.
    if (object == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed()) {
        windowHandle()->removeEventFilter(this);
        QTimer::singleShot(0, this, [this] { trayIcon(); });
    }
    return QDialog::eventFilter(object, event);
}

void DialogMain::createClock()
{
    // Due times change once a minute: the clock wakes the program at each
    // minute boundary, at a resume from suspend and when the system clock
    // is set (its armed wait then ends at the wrong moment), nothing in
    // between.
    m_notifier.start(QDateTime::currentDateTime());
    m_clock = new MinuteClock(MinuteClock::systemSource(), this);
    connect(m_clock, &MinuteClock::ticked, this, [this](const QDateTime &now) {
        notifyDue(now);
        followDate(now.date());
        if (m_watch)
            m_watch->refresh();
    });
    m_clock->start();
    if (m_ctx.resumeWatcher)
        connect(m_ctx.resumeWatcher, &ResumeWatcher::resumed, m_clock, &MinuteClock::fire);
    if (m_ctx.clockSetWatcher)
        connect(m_ctx.clockSetWatcher, &ClockSetWatcher::clockSet, m_clock, &MinuteClock::fire);
}

QTimer *DialogMain::timer() const
{
    return m_clock->timer();
}

void DialogMain::createUrlLabel()
{
    const QString site = m_ctx.details->website();
    m_labelUrl->setUrl(site);
    m_labelUrl->setNormalFont(QFont(QStringLiteral("Arial"), 10));
    m_labelUrl->setText(site);
    // Sized when first shown: measuring the text loads the font.
    m_labelUrl->setAnchorPosition(15, 545);
}

XPushButton *DialogMain::createButton(const QString &objectName, const QString &pictureName,
                                      const QString &toolTip, void (DialogMain::*slot)())
{
    auto *button = new XPushButton(this);
    button->setObjectName(objectName);
    button->setText(QString());
    button->setToolTip(toolTip);
    connect(button, &QPushButton::clicked, this, slot);
    const QString normal = picture(QStringLiteral("Btn%1Normal.png").arg(pictureName));
    button->setImages({normal, picture(QStringLiteral("Btn%1Hover.png").arg(pictureName)),
                       picture(QStringLiteral("Btn%1Pressed.png").arg(pictureName)), normal},
                      PictureStore::pixmap(m_ctx.pictures, normal));
    return button;
}

void DialogMain::createButtons()
{
    // These first tool tips are replaced from the catalogue by
    // slotUpdateLanguage().
    m_buttonMinimize = createButton(QStringLiteral("buttonMinimize"), QStringLiteral("Minimize"),
                                    QStringLiteral("Minimize Window"), &DialogMain::slotButtonMinimize);
    m_buttonHide = createButton(QStringLiteral("buttonHide"), QStringLiteral("Hide"),
                                QStringLiteral("Hide Window"), &DialogMain::slotButtonHide);
    m_buttonMinimize->move(520, 10);
    m_buttonHide->move(554, 10);

    m_buttonHome = createButton(QStringLiteral("buttonHome"), QStringLiteral("Home"),
                                QStringLiteral("Home"), &DialogMain::slotButtonHome);
    m_buttonCalendar = createButton(QStringLiteral("buttonCalendar"), QStringLiteral("Calendar"),
                                    QStringLiteral("Calendar"), &DialogMain::slotButtonCalendar);
    m_buttonZone = createButton(QStringLiteral("buttonZone"), QStringLiteral("Zone"),
                                QStringLiteral("Zone"), &DialogMain::slotButtonZone);
    m_buttonMap = createButton(QStringLiteral("buttonMap"), QStringLiteral("Map"),
                               QStringLiteral("Map & Qiblah"), &DialogMain::slotButtonMap);
    m_buttonUpdate = createButton(QStringLiteral("buttonUpdate"), QStringLiteral("Update"),
                                  QStringLiteral("Update"), &DialogMain::slotButtonUpdate);
    m_buttonConfig = createButton(QStringLiteral("buttonConfig"), QStringLiteral("Config"),
                                  QStringLiteral("Configuration"), &DialogMain::slotButtonConfig);
    m_buttonFacebook = createButton(QStringLiteral("buttonFacebook"), QStringLiteral("Facebook"),
                                    QStringLiteral("Facebook"), &DialogMain::slotButtonFacebook);
    m_buttonHelp = createButton(QStringLiteral("buttonHelp"), QStringLiteral("Help"),
                                QStringLiteral("Help"), &DialogMain::slotButtonHelp);
    m_buttonEmail = createButton(QStringLiteral("buttonEmail"), QStringLiteral("Email"),
                                 QStringLiteral("Email"), &DialogMain::slotButtonEmail);
    m_buttonAbout = createButton(QStringLiteral("buttonAbout"), QStringLiteral("About"),
                                 QStringLiteral("About"), &DialogMain::slotButtonAbout);

    int x = ButtonRowX;
    for (XPushButton *button : {m_buttonHome, m_buttonCalendar, m_buttonZone, m_buttonMap,
                                m_buttonUpdate, m_buttonConfig, m_buttonFacebook, m_buttonHelp,
                                m_buttonEmail, m_buttonAbout}) {
        button->move(x, ButtonRowY);
        x += button->width() + ButtonSpacing;
    }
    // Tab goes as the window reads: the frame's buttons at the top right,
    // the page (see buildPage()), the row of buttons, the web address.
    TabOrder::chain({m_buttonMinimize, m_buttonHide, m_buttonHome, m_buttonCalendar, m_buttonZone, m_buttonMap,
                     m_buttonUpdate, m_buttonConfig, m_buttonFacebook, m_buttonHelp, m_buttonEmail,
                     m_buttonAbout, m_labelUrl});
}

// The page list, in its order. Nothing is built here: each page is built
// when first shown (see page()), which keeps a start to the tray light.
void DialogMain::createPages()
{
    addPage(&PageHome::staticMetaObject, [this] {
        m_pageHome = new PageHome(m_ctx, m_watch, this);
        m_pageHome->setToday(m_today);
        m_pageHome->setIslamicDays(islamicDays());
        return m_pageHome;
    });
    addPage(&PageCalendar::staticMetaObject, [this] {
        m_pageCalendar = new PageCalendar(m_ctx.almarikManager, m_ctx.language, this);
        m_pageCalendar->setDisplaySettings(m_ctx.config);
        m_pageCalendar->setIslamicDays(islamicDays());
        return m_pageCalendar;
    });
    addPage(&PageQibla::staticMetaObject, [this] { return m_pageMap = new PageQibla(m_ctx, this); });
    addPage(&PageUpdate::staticMetaObject, [this] { return m_pageUpdate = new PageUpdate(m_ctx, this); });
    addPage(&PageConfig::staticMetaObject, [this] {
        m_pageConfig = new PageConfig(m_ctx, this);
        if (!m_saveProblemText.isEmpty())
            m_pageConfig->setSaveProblem(m_saveProblemText, m_saveProblemReason);
        return m_pageConfig;
    });
    addPage(&PageHelp::staticMetaObject, [this] { return m_pageHelp = new PageHelp(*m_ctx.language, this); });
    addPage(&PageAbout::staticMetaObject, [this] { return m_pageAbout = new PageAbout(m_ctx, this); });
}

void DialogMain::addPage(const QMetaObject *type, std::function<QWidget *()> build)
{
    m_pages.push_back({type, std::move(build), nullptr});
}

QWidget *DialogMain::pageOfType(const QMetaObject *type)
{
    for (int index = 0; index < int(m_pages.size()); ++index) {
        if (m_pages[index].type == type)
            return m_pages[index].page ? m_pages[index].page : buildPage(index);
    }
    return nullptr;
}

QWidget *DialogMain::buildPage(int index)
{
    QWidget *page = m_pages[index].build();
    m_pages[index].page = page;
    qCDebug(lcUi) << "built page" << page->metaObject()->className();
    page->resize(width() - 2, PageHeight);
    page->move(1, PageTop);
    page->hide();
    // Above the background band, below the one-pixel frame.
    page->stackUnder(m_labelBorderTop);
    // The page's controls come between the frame's buttons and the row of
    // buttons under the page, in the page's own order.
    TabOrder::chain(QList<QWidget *>{m_buttonHide} + TabOrder::block(page));
    return page;
}

QList<QWidget *> DialogMain::pages()
{
    QList<QWidget *> all;
    for (int index = 0; index < int(m_pages.size()); ++index)
        all.append(m_pages[index].page ? m_pages[index].page : buildPage(index));
    return all;
}

QList<QWidget *> DialogMain::builtPages() const
{
    QList<QWidget *> built;
    for (const PageEntry &entry : m_pages) {
        if (entry.page)
            built.append(entry.page);
    }
    return built;
}

PageConfig *DialogMain::configPage()
{
    return page<PageConfig>();
}

void DialogMain::setSaveProblem(const QString &text, const QString &reason)
{
    m_saveProblemText = text;
    m_saveProblemReason = reason;
    if (m_pageConfig)
        m_pageConfig->setSaveProblem(text, reason);
}

void DialogMain::createBorders()
{
    for (QLabel *border : {m_labelBorderTop, m_labelBorderBottom, m_labelBorderLeft, m_labelBorderRight})
        LabelFactory::makeBar(border, Qt::black);
    m_labelBorderTop->setGeometry(0, 0, width(), 1);
    m_labelBorderBottom->setGeometry(0, height() - 1, width(), 1);
    m_labelBorderLeft->setGeometry(0, 0, 1, height());
    m_labelBorderRight->setGeometry(width() - 1, 0, 1, height());
    for (QLabel *border : {m_labelBorderTop, m_labelBorderBottom, m_labelBorderLeft, m_labelBorderRight})
        border->raise();
}

void DialogMain::placeBackgroundPanel()
{
    // The translucent band ends where the pages end.
    const int bottom = PageTop + PageHeight;
    m_panelBackground->move(0, 0);
    m_panelBackground->resize(width(), bottom);
    m_labelAppTitle->raise();
}

void DialogMain::showAtStart(bool minimized)
{
    if (minimized) {
        // The tray icon is all there is: at once.
        trayIcon();
        if (!hasSystemTray())
            showMinimized();
        return;
    }
    show();
    // The window comes first and the tray icon once it is painted: making
    // the icon asks the desktop's bus whether it hosts tray icons, a few
    // milliseconds on many desktops. Within a second in any case, should
    // the window never be exposed.
    QWindow *handle = windowHandle();
    if (handle && !handle->isExposed())
        handle->installEventFilter(this);
    else
        QTimer::singleShot(0, this, [this] { trayIcon(); });
    QTimer::singleShot(1000, this, [this] { trayIcon(); });
}

bool DialogMain::hasSystemTray() const
{
    return QSystemTrayIcon::isSystemTrayAvailable();
}

QWidget *DialogMain::currentPage() const
{
    for (const PageEntry &entry : m_pages) {
        if (entry.page && !entry.page->isHidden())
            return entry.page;
    }
    return nullptr;
}

void DialogMain::showPage(QWidget *page)
{
    if (!page)
        return;
    for (const PageEntry &entry : m_pages) {
        if (entry.page)
            entry.page->setVisible(entry.page == page);
    }
}

void DialogMain::restoreWindow()
{
    showNormal();
    raise();
    activateWindow();
}

void DialogMain::slotTimer()
{
    // A window hidden while there was a tray comes back to the taskbar
    // when the tray goes away, so it can always be found again.
    if (isHidden() && !hasSystemTray())
        showMinimized();
    const QDateTime now = QDateTime::currentDateTime();
    notifyDue(now);
    followDate(now.date());
}

void DialogMain::followDate(const QDate &today)
{
    const QDate previous = m_today;
    m_today = today;
    if (m_pageHome)
        m_pageHome->setToday(today);
    noteCoverage(today);
    if (!previous.isValid() || previous == today || !isVisible() || !m_pageHome)
        return;
    // A window left open over midnight would go on marking yesterday. The
    // home page on the month of the day that ended moves on to today (at a
    // month's end that is the next month); browsing another month, it only
    // moves its mark to the new day number.
    const QDate shown = m_pageHome->shownDate();
    if (shown.year() == previous.year() && shown.month() == previous.month())
        m_pageHome->slotGoToToday();
    else
        m_pageHome->slotUpdateAlmarik();
    // A calendar page not built yet marks today when it is built.
    if (m_pageCalendar)
        m_pageCalendar->slotRefreshToday();
}

void DialogMain::noteCoverage(const QDate &today)
{
    const CoverageNotice coverage(today, m_ctx.almarikManager->lastCoveredDay());
    if (!coverage.noticeDue(m_coverageShown))
        return;
    m_coverageShown = today;
    showStatusNotice(ApplicationInformation::shortName(), coverage.notice(*m_ctx.language));
}

void DialogMain::notifyDue(const QDateTime &now)
{
    const QList<PrayerNotifier::Notice> notices = m_notifier.tick(now);
    for (const PrayerNotifier::Notice &notice : notices)
        showNotice(notice);
}

void DialogMain::showNotice(const PrayerNotifier::Notice &notice)
{
    if (!notice.isValid())
        return;
    // A zero time hint would keep the message up until dismissed on most
    // desktops, the opposite of "Turn off", so then no message is shown.
    if (notice.balloonMilliseconds > 0) {
        if (hasSystemTray() && trayIcon()->isVisible() && QSystemTrayIcon::supportsMessages())
            trayIcon()->showMessage(notice.title, notice.message, QSystemTrayIcon::Information,
                                    notice.balloonMilliseconds);
        else if (!m_ctx.desktopNotifier || !m_ctx.desktopNotifier->show(notice.title, notice.message, notice.balloonMilliseconds))
            qCWarning(lcNotifier).noquote() << "No tray and no notification service for" << notice.title;
    }
    if (!notice.soundUrl.isEmpty() && m_ctx.soundPlayer)
        m_ctx.soundPlayer->play(notice.soundUrl, notice.volume);
}

void DialogMain::showStatusNotice(const QString &title, const QString &text)
{
    const int milliseconds = 30000;
    if (hasSystemTray() && trayIcon()->isVisible() && QSystemTrayIcon::supportsMessages())
        trayIcon()->showMessage(title, text, QSystemTrayIcon::Warning, milliseconds);
    else if (!m_ctx.desktopNotifier || !m_ctx.desktopNotifier->show(title, text, milliseconds))
        qCWarning(lcUi).noquote() << "no tray and no notification service for:" << text;
}

void DialogMain::trayIconActivated(QSystemTrayIcon::ActivationReason reason)
{
    // A single click shows or hides the window; a double click always
    // shows it (its first click may have hidden it).
    if (reason == QSystemTrayIcon::Trigger && isVisible() && !isMinimized())
        slotButtonHide();
    else if (reason == QSystemTrayIcon::Trigger || reason == QSystemTrayIcon::DoubleClick)
        restoreWindow();
}

void DialogMain::showHomeFromNotice()
{
    restoreWindow();
    slotButtonHome();
}

void DialogMain::slotActionRestore()
{
    restoreWindow();
}

void DialogMain::slotActionStopAlarm()
{
    if (m_ctx.soundPlayer)
        m_ctx.soundPlayer->stop();
}

void DialogMain::slotActionAbout()
{
    restoreWindow();
    showPage(page<PageAbout>());
}

void DialogMain::slotSingleApp(const QString &message)
{
    qCDebug(lcInstance).noquote() << "Another start asked to show the window:" << message;
    restoreWindow();
}

void DialogMain::slotUpdateAlmarik()
{
    updateTrayText();
    updateIslamicDays();
}

const QList<IslamicDays::Day> &DialogMain::islamicDays()
{
    if (m_islamicDaysStale) {
        m_islamicDays = IslamicDays::resolve(
                *m_ctx.almarikManager, IslamicDays::adjustmentFromSetting(m_ctx.config->hijriAdjustment));
        m_islamicDaysStale = false;
    }
    return m_islamicDays;
}

void DialogMain::updateIslamicDays()
{
    // Reading every month of the timetable takes a few milliseconds: it
    // waits for the first page that shows the days.
    m_islamicDaysStale = true;
    if (!m_pageCalendar && !m_pageHome)
        return;
    islamicDays();
    if (m_pageCalendar)
        m_pageCalendar->setIslamicDays(m_islamicDays);
    if (m_pageHome)
        m_pageHome->setIslamicDays(m_islamicDays);
}

void DialogMain::updateTrayText()
{
    QStringList lines{ApplicationInformation::shortName(), m_ctx.almarikManager->zoneName()};
    QString countdown;
    QString coverage;
    if (m_watch) {
        countdown = m_watch->summary();
        coverage = m_watch->coverageLine();
    }
    for (const QString &line : {countdown, coverage}) {
        if (!line.isEmpty())
            lines << line;
    }
    if (m_trayIcon)
        m_trayIcon->setToolTip(lines.join(QLatin1Char('\n')));
    QString first = countdown.isEmpty() ? m_ctx.almarikManager->zoneName() : countdown;
    if (!coverage.isEmpty())
        first += QStringLiteral(" - ") + coverage;
    m_actionCountdown->setText(first);
    m_actionCountdown->setVisible(!first.isEmpty());
}

void DialogMain::slotButtonMinimize()
{
    showMinimized();
}

void DialogMain::slotButtonHide()
{
    // Without a tray a hidden window could not be brought back, and the
    // tray menu's Exit cannot be reached: closing the window is the way to
    // quit, so it asks first.
    if (hasSystemTray())
        hide();
    else
        askToExit();
}

void DialogMain::slotButtonHome()
{
    page<PageHome>()->slotGoToToday();
    showPage(m_pageHome);
}

void DialogMain::slotButtonCalendar()
{
    page<PageCalendar>()->slotScrollToToday();
    showPage(m_pageCalendar);
}

void DialogMain::slotButtonZone()
{
    if (!m_zoneMenu) {
        LocationNode root;
        // No tree (no timetable plug-in): nothing now, the next click tries
        // again.
        if (!m_ctx.almarikManager->locationTree(root))
            return;
        m_zoneMenu = new XButtonMenu(this);
        m_zoneMenu->setGroupLabels({{QStringLiteral("Other"), m_ctx.language->text(QStringLiteral("Zone.Other"))}});
        m_zoneMenu->load(root);
        connect(m_zoneMenu, &XButtonMenu::itemTriggered, this, &DialogMain::slotZoneTriggered);
        addOtherPlaceEntry(m_zoneMenu);
    }
    // The place in use is ticked (none for a place of one's own).
    m_zoneMenu->markItem(m_ctx.config->useCustomPlace ? QString() : m_ctx.almarikManager->zoneName());
    m_zoneMenu->popup(m_buttonZone->mapToGlobal(QPoint(0, -20)));
}

bool DialogMain::askForPlace(bool firstRun)
{
    if (!firstRun && m_zoneChoice != AlmarikManager::ZoneChoice::DefaultForUnknown)
        return false;
    restoreWindow();
    slotButtonHome();
    slotButtonZone();
    return true;
}

void DialogMain::slotButtonMap()
{
    showPage(page<PageQibla>());
}

void DialogMain::slotButtonUpdate()
{
    showPage(page<PageUpdate>());
}

void DialogMain::slotButtonConfig()
{
    page<PageConfig>()->showPanel(0);
    showPage(m_pageConfig);
}

void DialogMain::slotButtonFacebook()
{
    openUrl(m_ctx.details->facebookPage());
}

void DialogMain::slotButtonHelp()
{
    showPage(page<PageHelp>());
}

void DialogMain::slotButtonEmail()
{
    if (!m_contactMenu)
        buildContactMenu();
    m_contactMenu->popup(m_buttonEmail->mapToGlobal(QPoint(0, -20)));
}

void DialogMain::slotButtonAbout()
{
    showPage(page<PageAbout>());
}

void DialogMain::slotActionExit()
{
    if (m_ctx.config->askBeforeExit) {
        askToExit();
        return;
    }
    QCoreApplication::quit();
}

void DialogMain::askToExit()
{
    PromptExit prompt(*m_ctx.language, this);
    if (prompt.exec() == QDialog::Accepted)
        QCoreApplication::quit();
}

void DialogMain::soundFailed(const QString &reason)
{
    qCWarning(lcSound).noquote() << "Sound could not be played:" << reason;
    // Told once per run: a missing audio device fails at every time.
    if (m_toldSoundFailure)
        return;
    m_toldSoundFailure = true;
    const Language *language = m_ctx.language;
    showStatusNotice(language->text(QStringLiteral("Sound.FailedTitle")),
                     language->text(QStringLiteral("Sound.Failed")).arg(reason));
}

void DialogMain::slotZoneTriggered(QString name)
{
    // A name the timetable refuses changes nothing.
    if (!m_ctx.almarikManager->setZone(name, false))
        return;
    m_ctx.config->zone = name;
    m_ctx.config->useCustomPlace = false;
    m_ctx.config->save();
}

void DialogMain::addOtherPlaceEntry(XButtonMenu *menu)
{
    menu->addSeparator();
    QAction *other = menu->addAction(m_ctx.language->text(QStringLiteral("Place.Other")));
    other->setObjectName(QStringLiteral("actionOtherPlace"));
    connect(other, &QAction::triggered, this, &DialogMain::slotOtherPlace);
}

void DialogMain::slotOtherPlace()
{
    DialogPlace dialog(m_ctx, this);
    dialog.exec();
}

// The entry texts are read once: the menu keeps the language in force when
// it was first opened. The entries shown disabled keep their targets,
// should they be enabled; sharing on Facebook and Twitter has none.
void DialogMain::buildContactMenu()
{
    const Language *language = m_ctx.language;
    m_contactMenu = new QMenu(this);
    auto addAction = [this, language](QMenu *menu, const char *key, bool enabled,
                                      std::function<void()> handler) {
        QAction *action = menu->addAction(language->text(QLatin1String(key)));
        action->setEnabled(enabled);
        if (handler)
            connect(action, &QAction::triggered, this, handler);
    };
    addAction(m_contactMenu, "Action.Email", true, [this] {
        QString link = m_ctx.details->supportMailLink();
        const QString version = m_ctx.details->appVersion();
        if (!version.isEmpty())
            link += QLatin1Char(' ') + version;
        openUrl(link);
    });
    // The support form hands the enquiry to the mail program, so it is
    // offered.
    addAction(m_contactMenu, "Action.OnlineSupport", true, [this] {
        DialogOnlineSupport dialog(m_ctx, this);
        dialog.exec();
    });
    addAction(m_contactMenu, "Action.WhatsApp", true, [this] {
        DialogWhatsApp dialog(m_ctx, this);
        dialog.exec();
    });
    addAction(m_contactMenu, "Action.DownloadCenter", false,
              [this] { openUrl(m_ctx.details->downloadCenterUrl()); });
    QMenu *shareMenu = m_contactMenu->addMenu(language->text(QStringLiteral("Action.ShareApp")));
    addAction(shareMenu, "Action.ShareEmail", true, [this] { shareByEmail(); });
    addAction(shareMenu, "Action.ShareFacebook", false, {});
    addAction(shareMenu, "Action.ShareTwitter", false, {});
    addAction(m_contactMenu, "Action.FAQ", false, [this] { openUrl(m_ctx.details->faqUrl()); });
}

void DialogMain::shareByEmail()
{
    const Language *language = m_ctx.language;
    const QString subject = language->text(QStringLiteral("Share.Subject"))
            .arg(ApplicationInformation::platformName());
    const QString body = language->text(QStringLiteral("Share.Body")).arg(m_ctx.details->website());
    const QString link = QStringLiteral("mailto:?subject=%1&body=%2")
            .arg(QString::fromLatin1(QUrl::toPercentEncoding(subject)),
                 QString::fromLatin1(QUrl::toPercentEncoding(body)));
    openUrl(link);
}

void DialogMain::openUrl(const QString &url)
{
    QDesktopServices::openUrl(QUrl(url, QUrl::TolerantMode));
}

void DialogMain::slotUpdateLanguage()
{
    const Language *language = m_ctx.language;
    const struct {
        XPushButton *button;
        const char *key;
    } tips[] = {
        {m_buttonMinimize, "ToolTip.Minimize"}, {m_buttonHide, "ToolTip.Hide"},
        {m_buttonHome, "ToolTip.Home"}, {m_buttonCalendar, "ToolTip.Calendar"},
        {m_buttonZone, "ToolTip.Zone"}, {m_buttonMap, "ToolTip.Map"},
        {m_buttonUpdate, "ToolTip.Update"}, {m_buttonConfig, "ToolTip.Config"},
        {m_buttonFacebook, "ToolTip.Facebook"}, {m_buttonHelp, "ToolTip.Help"},
        {m_buttonEmail, "ToolTip.Email"}, {m_buttonAbout, "ToolTip.About"},
    };
    for (const auto &tip : tips)
        tip.button->setToolTip(language->text(QLatin1String(tip.key)));

    m_actionRestore->setText(language->text(QStringLiteral("Tray.ShowWindow")));
    m_actionStopAlarm->setText(language->text(QStringLiteral("Tray.StopAlarm")));
    m_actionAbout->setText(language->text(QStringLiteral("Tray.About")));
    m_actionExit->setText(language->text(QStringLiteral("Tray.Exit")));
}

void DialogMain::mousePressEvent(QMouseEvent *event)
{
    QDialog::mousePressEvent(event);
    m_pressPosition = event->globalPos();
    m_windowPosition = event->globalPos() - event->pos();
    m_dragging = true;
}

void DialogMain::mouseReleaseEvent(QMouseEvent *event)
{
    QDialog::mouseReleaseEvent(event);
    m_dragging = false;
}

void DialogMain::mouseMoveEvent(QMouseEvent *event)
{
    QDialog::mouseMoveEvent(event);
    if (m_dragging && (windowFlags() & Qt::FramelessWindowHint))
        move(m_windowPosition + (event->globalPos() - m_pressPosition));
}

void DialogMain::moveEvent(QMoveEvent *event)
{
    QDialog::moveEvent(event);
    // The calendar's day pop-up would otherwise stay behind on the desktop.
    // (No page exists yet while the window is being built.)
    if (m_pageCalendar)
        m_pageCalendar->slotHideTimePanel();
}

void DialogMain::showEvent(QShowEvent *event)
{
    completeForShow();
    QDialog::showEvent(event);
    // The window always comes back on the home page at today's date (built
    // here the first time the window is shown).
    page<PageHome>()->slotGoToToday();
    showPage(m_pageHome);
}

void DialogMain::reject()
{
    slotButtonHide();
}
