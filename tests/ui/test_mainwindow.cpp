// The main window, headless, on the application object: zone and contact
// menus, tray activation, exit, single-instance restore, the no-tray
// behaviour and the notifier's path to the sound player.

#include <QApplication>
#include <QFileInfo>
#include <QAbstractButton>
#include <QSlider>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolTip>
#include <QUrlQuery>
#include <QtTest>

#include <functional>

#include "app/appmain.h"
#include "support/privatehome.h"
#include "support/urlrecorder.h"
#include "core/almarikmanager.h"
#include "core/pluginbinder.h"
#include "ui/controls/xbuttonmenu.h"
#include "ui/controls/xpushbutton.h"
#include "ui/controls/xurllabel.h"
#include "ui/config/pageconfig.h"
#include "ui/controls/xpathlabel.h"
#include "ui/config/panelconfnotifier.h"
#include "ui/dialogs/dialogonlinesupport.h"
#include "ui/dialogs/dialogwhatsapp.h"
#include "ui/dialogs/promptexit.h"
#include "ui/main/abstractdesktopnotifier.h"
#include "ui/main/abstractsoundplayer.h"
#include "ui/main/dialogmain.h"
#include "ui/main/resumewatcher.h"
#include "core/clocksetwatcher.h"
#include "core/minuteclock.h"
#include "ui/pages/pageabout.h"
#include "ui/pages/pagecalendar.h"
#include "ui/pages/pagehelp.h"
#include "ui/pages/pagehome.h"
#include "ui/pages/nextprayerwatch.h"
#include "ui/pages/pageqibla.h"
#include "ui/pages/pageupdate.h"

namespace {

// A main window whose desktop has, or has not, a system tray.
class TrayWindow : public DialogMain
{
public:
    explicit TrayWindow(bool tray, const UiContext &ctx = appMain()->uiContext())
        : DialogMain(ctx)
        , m_tray(tray)
    {
        // The test drives the clock itself.
        timer()->stop();
    }

    // The desktop's tray appears or goes away.
    void setTray(bool tray) { m_tray = tray; }

protected:
    bool hasSystemTray() const override { return m_tray; }

private:
    bool m_tray;
};

// Every entry of a menu and its sub-menus, depth first.
QList<QAction *> leafActions(QMenu *menu)
{
    QList<QAction *> result;
    for (QAction *action : menu->actions()) {
        if (action->menu())
            result += leafActions(action->menu());
        else if (!action->isSeparator())
            result.append(action);
    }
    return result;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Calls `act` on the modal dialog as soon as one is up (giving up after a
// few hundred looks).
void whenModal(std::function<void(QWidget *)> act, int looks = 500)
{
    QTimer::singleShot(10, [act, looks] {
        if (QWidget *modal = QApplication::activeModalWidget())
            act(modal);
        else if (looks > 0)
            whenModal(act, looks - 1);
    });
}

// Runs the application's event loop until something exits it; a loop that
// nothing ends is stopped with 99 so the test fails instead of hanging.
int runEventLoop()
{
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(30000);
    return QCoreApplication::exec();
}

// Stands in for the sound device: records what it was asked to play.
class FakeSoundPlayer : public AbstractSoundPlayer
{
public:
    bool play(const QString &path, int volume) override
    {
        played.append({path, volume});
        return true;
    }
    bool stop() override
    {
        ++stops;
        return true;
    }
    QList<QPair<QString, int>> played;
    int stops = 0;
};

// A sound device that is not there: every sound fails at once.
class FailingSoundPlayer : public AbstractSoundPlayer
{
public:
    bool play(const QString &, int) override
    {
        ++attempts;
        reportFailure(QStringLiteral("no audio device"));
        return false;
    }
    bool stop() override { return true; }
    int attempts = 0;
};

// The tool tip shown now, or null.
QWidget *shownToolTip()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->inherits("QTipLabel") && widget->isVisible())
            return widget;
    }
    return nullptr;
}

// Stands in for the desktop's notification service.
class FakeDesktopNotifier : public AbstractDesktopNotifier
{
public:
    struct Message {
        QString title;
        QString body;
        int milliseconds;
    };
    bool show(const QString &title, const QString &body, int milliseconds) override
    {
        shown.append({title, body, milliseconds});
        return true;
    }
    QList<Message> shown;
};

QString pluginFolder;

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void zoneMenuWaitsForThePlugin();
    void zoneMenuIsBuiltOnce();
    void zoneChoiceIsSaved();
    void unknownStoredZoneFallsBackToDefault();
    void refusedZoneChangesNothing();
    void askForPlace_data();
    void askForPlace();
    void form();
    void pageButtons();
    void pagesAreBuiltWhenFirstShown_data();
    void pagesAreBuiltWhenFirstShown();
    void saveProblemWaitsForTheConfigPage();
    void trayActivation_data();
    void trayActivation();
    void noticeClickShowsHome_data();
    void noticeClickShowsHome();
    void trayMenu();
    void exitWithoutPromptQuits();
    void exitPromptCancelKeepsRunning();
    void exitPromptYesQuits();
    void contactMenuEntries();
    void contactMenuKeepsItsFirstLanguage();
    void contactLinks();
    void contactDialogs();
    void singleAppShowsTheWindowNormal_data();
    void singleAppShowsTheWindowNormal();
    void hideWithAndWithoutTray();
    void closingWithoutTrayAsksToExit_data();
    void closingWithoutTrayAsksToExit();
    void hiddenWindowReturnsWhenTrayGoes();
    void toolTipsReadable_data();
    void toolTipsReadable();
    void trayMenuInTheChosenLanguage_data();
    void trayMenuInTheChosenLanguage();
    void soundFailureToldOnce();
    void missingSoundModuleIsASoundFailure();
    void startMinimizedWithAndWithoutTray();
    void trayIconComesAfterTheWindow();
    void resumeAndClockSetTickTheClock_data();
    void resumeAndClockSetTickTheClock();
    void dragging();
    void notifierPlaysTheSlotSound();
    void showNoticeWithFakes_data();
    void showNoticeWithFakes();
    void playButtonsPreview_data();
    void playButtonsPreview();
    void customSoundIsChecked_data();
    void customSoundIsChecked();
    void notifierCustomSounds_data();
    void notifierCustomSounds();

private:
    QString configFile() const;
    DialogMain *m_window = nullptr;
    UrlRecorder m_recorder;
};

QString TestMainWindow::configFile() const
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/App.cnf");
}

void TestMainWindow::initTestCase()
{
    QVERIFY(QStandardPaths::isTestModeEnabled());
    m_recorder.catchSchemes({"mailto", "http", "https"});
}

void TestMainWindow::init()
{
    // Every case but the first runs with the timetable plug-in.
    if (qstrcmp(QTest::currentTestFunction(), "zoneMenuWaitsForThePlugin") != 0) {
        PluginBinder::setPluginDirectory(pluginFolder);
        QVERIFY(appAlmarikManager()->bind());
    }
    appConfig().showSplashScreen = false;
    appConfig().askBeforeExit = true;
    m_recorder.urls.clear();
}

void TestMainWindow::cleanup()
{
    delete m_window;
    m_window = nullptr;
    appSoundPlayer()->stop();
}

void TestMainWindow::zoneMenuWaitsForThePlugin()
{
    // Started without the timetable plug-in: the Zone button shows nothing.
    QVERIFY(!appAlmarikManager()->isBound());
    m_window = new TrayWindow(true);
    m_window->slotButtonZone();
    QVERIFY(!m_window->zoneMenu());
    m_window->slotButtonZone();
    QVERIFY(!m_window->zoneMenu());

    // Once the plug-in is there, the next click builds and shows the menu.
    PluginBinder::setPluginDirectory(pluginFolder);
    QVERIFY(appAlmarikManager()->bind());
    m_window->slotButtonZone();
    QVERIFY(m_window->zoneMenu());
    QVERIFY(m_window->zoneMenu()->isVisible());
    QVERIFY(!leafActions(m_window->zoneMenu()).isEmpty());
    m_window->zoneMenu()->hide();
}

void TestMainWindow::zoneMenuIsBuiltOnce()
{
    m_window = new TrayWindow(true);
    m_window->slotButtonZone();
    XButtonMenu *menu = m_window->zoneMenu();
    QVERIFY(menu);
    const int entries = leafActions(menu).size();
    menu->hide();
    m_window->slotButtonZone();
    QCOMPARE(m_window->zoneMenu(), menu);
    QVERIFY(menu->isVisible());
    QCOMPARE(leafActions(menu).size(), entries);
    QCOMPARE(m_window->findChildren<XButtonMenu *>().size(), 1);
    menu->hide();

    // The entries are the places of the timetable's location tree and,
    // last, "Other place...".
    LocationNode root;
    QVERIFY(appAlmarikManager()->locationTree(root));
    std::function<int(const LocationNode &)> items = [&items](const LocationNode &group) {
        int count = 0;
        for (const LocationNode &child : group.children)
            count += child.isItem ? 1 : items(child);
        return count;
    };
    QCOMPARE(entries, items(root) + 1);
    QCOMPARE(leafActions(menu).last()->text(), appLanguage()->text(QStringLiteral("Place.Other")));
}

void TestMainWindow::zoneChoiceIsSaved()
{
    m_window = new TrayWindow(true);
    m_window->slotButtonZone();
    m_window->zoneMenu()->hide();
    // Two places the timetable accepts: start on the first, choose the other.
    QList<QAction *> accepted;
    for (QAction *action : leafActions(m_window->zoneMenu())) {
        if (appAlmarikManager()->setZone(action->text(), false))
            accepted.append(action);
        if (accepted.size() == 2)
            break;
    }
    QCOMPARE(accepted.size(), 2);
    QAction *other = accepted.at(1);
    QVERIFY(appAlmarikManager()->setZone(accepted.at(0)->text(), false));

    QSignalSpy updated(appAlmarikManager(), &AlmarikManager::updated);
    other->trigger();
    QCOMPARE(updated.count(), 1);
    QCOMPARE(appAlmarikManager()->zoneName(), other->text());
    QCOMPARE(appConfig().zone, other->text());
    QVERIFY(m_window->trayIcon()->toolTip().split(QLatin1Char('\n')).contains(other->text()));

    // It reached the file.
    QVERIFY(appConfig().flush());
    AppConfig saved;
    saved.zone.clear();
    QVERIFY(saved.load());
    QCOMPARE(saved.zone, other->text());
}

void TestMainWindow::unknownStoredZoneFallsBackToDefault()
{
    // A zone the timetable no longer knows: the default zone's times are
    // shown rather than none, the window says so, and the stored setting
    // is left for the user to change.
    const QString stored = appConfig().zone;
    appConfig().zone = QStringLiteral("NoSuchZone");
    m_window = new TrayWindow(true);
    QCOMPARE(m_window->zoneChoice(), AlmarikManager::ZoneChoice::DefaultForUnknown);
    QVERIFY(!appAlmarikManager()->zoneName().isEmpty());
    int firstYear = 0, firstMonth = 0, lastYear = 0, lastMonth = 0;
    QVERIFY(appAlmarikManager()->dateRange(firstYear, firstMonth, lastYear, lastMonth));
    DailyTimes day;
    QVERIFY(appAlmarikManager()->timesOfDay(1, firstMonth, firstYear, day));
    QCOMPARE(appConfig().zone, QStringLiteral("NoSuchZone"));
    delete m_window;
    m_window = nullptr;

    appConfig().zone = stored;
    m_window = new TrayWindow(true);
    QCOMPARE(m_window->zoneChoice(), AlmarikManager::ZoneChoice::Stored);
}

void TestMainWindow::askForPlace_data()
{
    QTest::addColumn<bool>("firstRun");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("asks");
    QTest::newRow("first run") << true << "Kuala Lumpur" << true;
    QTest::newRow("unknown stored zone") << false << "NoSuchZone" << true;
    QTest::newRow("known zone, later run") << false << "Kuala Lumpur" << false;
}

// On a first run or with a stored zone the data no longer knows, the window
// comes up with the place menu open on the place in use, ticked, and a
// choice there is the new place.
void TestMainWindow::askForPlace()
{
    QFETCH(bool, firstRun);
    QFETCH(QString, stored);
    QFETCH(bool, asks);
    const QString kept = appConfig().zone;
    appConfig().zone = stored;
    m_window = new TrayWindow(true);
    QCOMPARE(m_window->askForPlace(firstRun), asks);
    appConfig().zone = kept;
    XButtonMenu *menu = m_window->zoneMenu();
    if (!asks) {
        QVERIFY(!m_window->isVisible());
        QVERIFY(!menu || !menu->isVisible());
        return;
    }
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_window->currentPage(), m_window->pages().at(0));
    QVERIFY(menu && menu->isVisible());
    QAction *marked = menu->markedItem();
    QVERIFY(marked);
    QCOMPARE(marked->text(), appAlmarikManager()->zoneName());
    QCOMPARE(marked->text(), QStringLiteral("Kuala Lumpur"));
    menu->close();

    // Choosing another place stores it; the menu then ticks that one.
    QAction *other = nullptr;
    QList<QMenu *> menus{menu};
    while (!other && !menus.isEmpty()) {
        for (QAction *action : menus.takeFirst()->actions()) {
            if (action->menu())
                menus.append(action->menu());
            else if (!other && !action->isSeparator() && action->text() == QStringLiteral("Ipoh"))
                other = action;
        }
    }
    QVERIFY(other);
    other->trigger();
    QCOMPARE(appConfig().zone, QStringLiteral("Ipoh"));
    m_window->slotButtonZone();
    QCOMPARE(menu->markedItem(), other);
    menu->close();
    appConfig().zone = kept;
    QVERIFY(appAlmarikManager()->setZone(kept, false));
}

void TestMainWindow::refusedZoneChangesNothing()
{
    m_window = new TrayWindow(true);
    const QString zone = appAlmarikManager()->zoneName();
    const QString configured = appConfig().zone;
    const QString tip = m_window->trayIcon()->toolTip();
    QVERIFY(appConfig().save() && appConfig().flush());
    const QByteArray file = fileBytes(configFile());
    QVERIFY(!file.isEmpty());
    QSignalSpy updated(appAlmarikManager(), &AlmarikManager::updated);

    for (const QString &name : {QStringLiteral("Atlantis"), QString(), QStringLiteral("<item>")}) {
        m_window->slotZoneTriggered(name);
        QCOMPARE(appAlmarikManager()->zoneName(), zone);
        QCOMPARE(appConfig().zone, configured);
    }
    QCOMPARE(updated.count(), 0);
    QCOMPARE(m_window->trayIcon()->toolTip(), tip);
    QCOMPARE(fileBytes(configFile()), file);
}

void TestMainWindow::form()
{
    m_window = new TrayWindow(true);
    QCOMPARE(m_window->size(), QPixmap(QStringLiteral(":/images/Background.png")).size());
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    QVERIFY(m_window->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(m_window->windowTitle(), ApplicationInformation::shortName());

    // The bottom row, left to right, 6 pixels apart; tool tips from the
    // catalogue.
    const char *const row[] = {"Home", "Calendar", "Zone", "Map", "Update", "Config",
                               "Facebook", "Help", "Email", "About"};
    int x = 18;
    for (const char *name : row) {
        auto *button = m_window->findChild<XPushButton *>(QStringLiteral("button") + QLatin1String(name));
        QVERIFY2(button, name);
        QCOMPARE(button->pos(), QPoint(x, 470));
        QVERIFY(button->width() > 0);
        QCOMPARE(button->toolTip(), appLanguage()->text(QStringLiteral("ToolTip.") + QLatin1String(name)));
        x += button->width() + 6;
    }
    QCOMPARE(m_window->findChild<XPushButton *>(QStringLiteral("buttonMinimize"))->pos(), QPoint(520, 10));
    QCOMPARE(m_window->findChild<XPushButton *>(QStringLiteral("buttonHide"))->pos(), QPoint(554, 10));

    auto *url = m_window->findChild<XUrlLabel *>(QStringLiteral("labelUrl"));
    QVERIFY(url);
    QCOMPARE(url->text(), appDetails()->website());
    QCOMPARE(url->pos(), QPoint(15, 545));
    // Measured when the window is first shown, then wide enough for its text.
    m_window->show();
    QCOMPARE(url->size(), url->sizeHint());

    // A one-pixel frame along all four edges.
    const QRect frame = m_window->rect();
    QCOMPARE(m_window->findChild<QLabel *>(QStringLiteral("labelBorderTop"))->geometry(), QRect(0, 0, frame.width(), 1));
    QCOMPARE(m_window->findChild<QLabel *>(QStringLiteral("labelBorderBottom"))->geometry(),
             QRect(0, frame.height() - 1, frame.width(), 1));
    QCOMPARE(m_window->findChild<QLabel *>(QStringLiteral("labelBorderLeft"))->geometry(), QRect(0, 0, 1, frame.height()));
    QCOMPARE(m_window->findChild<QLabel *>(QStringLiteral("labelBorderRight"))->geometry(),
             QRect(frame.width() - 1, 0, 1, frame.height()));

    // Pages sit in the page area, and at most one shows.
    m_window->show();
    int shown = 0;
    for (QWidget *page : m_window->pages()) {
        QCOMPARE(page->parentWidget(), m_window);
        QCOMPARE(page->geometry(), QRect(1, 80, frame.width() - 2, 375));
        shown += page->isVisible();
    }
    QVERIFY(shown <= 1);
}

void TestMainWindow::pageButtons()
{
    m_window = new TrayWindow(true);
    m_window->show();
    const QList<QWidget *> pages = m_window->pages();
    QCOMPARE(pages.size(), 7);
    QVERIFY(qobject_cast<PageHome *>(pages.at(0)));
    QVERIFY(qobject_cast<PageCalendar *>(pages.at(1)));
    QVERIFY(qobject_cast<PageQibla *>(pages.at(2)));
    QVERIFY(qobject_cast<PageUpdate *>(pages.at(3)));
    QVERIFY(qobject_cast<PageConfig *>(pages.at(4)));
    QVERIFY(qobject_cast<PageHelp *>(pages.at(5)));
    QVERIFY(qobject_cast<PageAbout *>(pages.at(6)));
    QCOMPARE(m_window->currentPage(), pages.at(0));

    // Each button of the bottom row that owns a page shows that page and
    // only that one; Zone, Facebook and Email leave the page as it is.
    const struct {
        const char *button;
        int page;
    } rows[] = {{"Map", 2}, {"Update", 3}, {"Config", 4}, {"Help", 5}, {"About", 6},
                {"Calendar", 1}, {"Home", 0}, {"About", 6}, {"Zone", 6}};
    for (const auto &row : rows) {
        auto *button = m_window->findChild<XPushButton *>(QStringLiteral("button") + QLatin1String(row.button));
        QVERIFY2(button, row.button);
        button->click();
        if (QWidget *menu = QApplication::activePopupWidget())
            menu->hide();
        QVERIFY2(pages.at(row.page)->isVisible(), row.button);
        int shown = 0;
        for (QWidget *page : pages)
            shown += page->isVisible();
        QCOMPARE(shown, 1);
    }

    // Hidden to the tray on the update page, the window comes back on the
    // home page; "&About" brings it back on the about page.
    m_window->findChild<XPushButton *>(QStringLiteral("buttonUpdate"))->click();
    m_window->slotButtonHide();
    m_window->slotActionRestore();
    QCOMPARE(m_window->currentPage(), pages.at(0));
    m_window->slotButtonHide();
    m_window->slotActionAbout();
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_window->currentPage(), pages.at(6));
}

namespace {

QStringList classNames(const QList<QWidget *> &widgets)
{
    QStringList names;
    for (QWidget *widget : widgets)
        names << QString::fromLatin1(widget->metaObject()->className());
    return names;
}

} // namespace

void TestMainWindow::pagesAreBuiltWhenFirstShown_data()
{
    QTest::addColumn<QString>("button");  // "" for the tray's "&About"
    QTest::addColumn<QString>("page");
    QTest::newRow("calendar") << "Calendar" << "PageCalendar";
    QTest::newRow("map") << "Map" << "PageQibla";
    QTest::newRow("update") << "Update" << "PageUpdate";
    QTest::newRow("config") << "Config" << "PageConfig";
    QTest::newRow("help") << "Help" << "PageHelp";
    QTest::newRow("about") << "About" << "PageAbout";
    QTest::newRow("tray about") << "" << "PageAbout";
}

void TestMainWindow::pagesAreBuiltWhenFirstShown()
{
    QFETCH(QString, button);
    QFETCH(QString, page);
    m_window = new TrayWindow(true);
    m_window->showAtStart(true);
    // Started to the tray: tray and notifier ready, no page built.
    QVERIFY(m_window->builtPages().isEmpty());
    QVERIFY(m_window->trayIcon()->isVisible());
    QVERIFY(m_window->notifier().lastExamined().isValid());
    QVERIFY(!m_window->findChild<PageHome *>());
    // Nor is the background picture decoded; its size is the window's.
    QVERIFY(m_window->palette().brush(QPalette::Window).texture().isNull());
    QCOMPARE(m_window->size(), QImageReader(QStringLiteral(":/images/Background.png")).size());

    auto open = [this, &button] {
        if (button.isEmpty()) {
            m_window->slotActionAbout();
            return;
        }
        m_window->findChild<XPushButton *>(QStringLiteral("button") + button)->click();
    };
    m_window->slotActionRestore();
    QCOMPARE(classNames(m_window->builtPages()), QStringList{QStringLiteral("PageHome")});
    QCOMPARE(m_window->palette().brush(QPalette::Window).texture().size(), m_window->size());
    open();
    QCOMPARE(classNames(m_window->builtPages()), (QStringList{QStringLiteral("PageHome"), page}));
    QWidget *built = m_window->builtPages().at(1);
    QCOMPARE(m_window->currentPage(), built);
    QVERIFY(built->isVisible());
    QCOMPARE(built->geometry(), QRect(1, 80, m_window->width() - 2, 375));

    // Shown again it is the same page, and the full page list holds it
    // once.
    m_window->slotButtonHome();
    open();
    QCOMPARE(m_window->builtPages().size(), 2);
    QCOMPARE(m_window->currentPage(), built);
    QCOMPARE(m_window->pages().count(built), 1);
}

void TestMainWindow::saveProblemWaitsForTheConfigPage()
{
    m_window = new TrayWindow(true);
    // Told before the page exists, the page shows it when built.
    m_window->setSaveProblem(QStringLiteral("Settings not saved"), QStringLiteral("disk full"));
    QVERIFY(m_window->builtPages().isEmpty());
    PageConfig *page = m_window->configPage();
    QVERIFY(page);
    auto *line = page->findChild<QLabel *>(QStringLiteral("labelSaveProblem"));
    QVERIFY(line);
    QCOMPARE(line->text(), QStringLiteral("Settings not saved"));
    QCOMPARE(line->toolTip(), QStringLiteral("disk full"));
    QVERIFY(!line->isHidden());
    // Once the page exists it follows at once.
    m_window->setSaveProblem(QString());
    QVERIFY(line->isHidden());
    QCOMPARE(m_window->page<PageConfig>(), page);
}

void TestMainWindow::trayActivation_data()
{
    QTest::addColumn<int>("reason");
    QTest::addColumn<bool>("restores");
    QTest::newRow("double click") << int(QSystemTrayIcon::DoubleClick) << true;
    QTest::newRow("single click") << int(QSystemTrayIcon::Trigger) << true;
    QTest::newRow("middle click") << int(QSystemTrayIcon::MiddleClick) << false;
    QTest::newRow("context menu") << int(QSystemTrayIcon::Context) << false;
    QTest::newRow("unknown") << int(QSystemTrayIcon::Unknown) << false;
}

void TestMainWindow::trayActivation()
{
    QFETCH(int, reason);
    QFETCH(bool, restores);
    m_window = new TrayWindow(true);
    m_window->show();
    m_window->slotButtonHide();
    QVERIFY(m_window->isHidden());
    emit m_window->trayIcon()->activated(QSystemTrayIcon::ActivationReason(reason));
    QCOMPARE(m_window->isVisible(), restores);
    if (restores)
        QVERIFY(!m_window->isMinimized());
    // A single click on a shown window hides it again; other activations
    // leave a shown window as it is.
    m_window->show();
    emit m_window->trayIcon()->activated(QSystemTrayIcon::ActivationReason(reason));
    QCOMPARE(m_window->isHidden(), reason == QSystemTrayIcon::Trigger);
}

void TestMainWindow::noticeClickShowsHome_data()
{
    QTest::addColumn<bool>("tray");
    QTest::newRow("tray balloon") << true;
    QTest::newRow("desktop notification") << false;
}

// A click on a prayer notice brings the hidden window back on the home
// page, whichever page was shown last.
void TestMainWindow::noticeClickShowsHome()
{
    QFETCH(bool, tray);
    FakeSoundPlayer player;
    FakeDesktopNotifier desktop;
    UiContext ctx = appMain()->uiContext();
    ctx.soundPlayer = &player;
    ctx.desktopNotifier = &desktop;
    m_window = new TrayWindow(tray, ctx);
    m_window->show();
    const QList<QWidget *> pages = m_window->pages();
    m_window->slotButtonCalendar();
    QVERIFY(m_window->currentPage() != pages.at(0));
    // Without a tray, Hide asks whether to exit; the window is minimized
    // out of the way instead.
    if (tray)
        m_window->slotButtonHide();
    else
        m_window->showMinimized();
    if (tray) {
        QVERIFY(m_window->isHidden());
        emit m_window->trayIcon()->messageClicked();
    } else {
        QVERIFY(desktop.activated);
        desktop.activated();
    }
    QVERIFY(m_window->isVisible());
    QVERIFY(!m_window->isMinimized());
    QCOMPARE(m_window->currentPage(), pages.at(0));
    delete m_window;
    m_window = nullptr;
    // The window gone, a click reaches nothing.
    QVERIFY(!desktop.activated);
}

void TestMainWindow::trayMenu()
{
    m_window = new TrayWindow(true);
    QMenu *menu = m_window->trayMenu();
    QCOMPARE(m_window->trayIcon()->contextMenu(), menu);
    const QList<QAction *> actions = menu->actions();
    // The first line tells the next prayer (a disabled line), then the
    // commands.
    QCOMPARE(actions.size(), 7);
    QCOMPARE(actions.at(0), m_window->countdownAction());
    QVERIFY(!actions.at(0)->isEnabled());
    QVERIFY(actions.at(1)->isSeparator());
    QCOMPARE(actions.at(2)->text(), QStringLiteral("&Show Window"));
    QCOMPARE(actions.at(3)->text(), QStringLiteral("&Stop Alarm"));
    QCOMPARE(actions.at(4)->text(), QStringLiteral("&About"));
    QVERIFY(actions.at(5)->isSeparator());
    QCOMPARE(actions.at(6)->text(), QStringLiteral("&Exit"));
    QCOMPARE(menu->defaultAction(), actions.at(2));
    QVERIFY(m_window->trayIcon()->toolTip().startsWith(
            ApplicationInformation::shortName() + QLatin1Char('\n') + appAlmarikManager()->zoneName()));

    // "&Show Window" brings a minimized window back in its normal state.
    m_window->showMinimized();
    actions.at(2)->trigger();
    QVERIFY(m_window->isVisible());
    QVERIFY(!m_window->isMinimized());
    m_window->hide();
    actions.at(4)->trigger();
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_window->currentPage(), m_window->findChild<PageAbout *>());
}

void TestMainWindow::exitWithoutPromptQuits()
{
    appConfig().askBeforeExit = false;
    m_window = new TrayWindow(true);
    QTimer::singleShot(0, m_window, &DialogMain::slotActionExit);
    QCOMPARE(runEventLoop(), 0);
    QVERIFY(!QApplication::activeModalWidget());
}

void TestMainWindow::exitPromptCancelKeepsRunning()
{
    m_window = new TrayWindow(true);
    m_window->show();
    const QPoint position = m_window->pos();
    QString prompt;
    whenModal([&prompt](QWidget *modal) {
        prompt = QString::fromLatin1(modal->metaObject()->className());
        QMetaObject::invokeMethod(modal, "slotCancel");
    });
    QTimer::singleShot(0, m_window, [this] {
        m_window->slotActionExit();
        // Still running once the prompt is gone: this ends the loop.
        QCoreApplication::exit(42);
    });
    QCOMPARE(runEventLoop(), 42);
    QCOMPARE(prompt, QStringLiteral("PromptExit"));
    QVERIFY(m_window->isVisible());
    QVERIFY(!m_window->isMinimized());
    QCOMPARE(m_window->pos(), position);
}

void TestMainWindow::exitPromptYesQuits()
{
    m_window = new TrayWindow(true);
    QString prompt;
    whenModal([&prompt](QWidget *modal) {
        prompt = QString::fromLatin1(modal->metaObject()->className());
        QMetaObject::invokeMethod(modal, "slotYes");
    });
    QTimer::singleShot(0, m_window, &DialogMain::slotActionExit);
    QCOMPARE(runEventLoop(), 0);
    QCOMPARE(prompt, QStringLiteral("PromptExit"));
}

void TestMainWindow::contactMenuEntries()
{
    m_window = new TrayWindow(true);
    QVERIFY(!m_window->contactMenu());
    m_window->slotButtonEmail();
    QMenu *menu = m_window->contactMenu();
    QVERIFY(menu);
    QVERIFY(menu->isVisible());
    menu->hide();

    const QList<QAction *> top = menu->actions();
    QCOMPARE(top.size(), 6);
    const struct {
        const char *key;
        bool enabled;
    } expectedTop[] = {
        {"Action.Email", true}, {"Action.OnlineSupport", true}, {"Action.WhatsApp", true},
        {"Action.DownloadCenter", false}, {"Action.ShareApp", true}, {"Action.FAQ", false},
    };
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(top.at(i)->text(), appLanguage()->text(QLatin1String(expectedTop[i].key)));
        QCOMPARE(top.at(i)->isEnabled(), expectedTop[i].enabled);
    }
    QMenu *share = top.at(4)->menu();
    QVERIFY(share);
    const QList<QAction *> shared = share->actions();
    QCOMPARE(shared.size(), 3);
    QCOMPARE(shared.at(0)->text(), appLanguage()->text(QStringLiteral("Action.ShareEmail")));
    QVERIFY(shared.at(0)->isEnabled());
    QCOMPARE(shared.at(1)->text(), appLanguage()->text(QStringLiteral("Action.ShareFacebook")));
    QVERIFY(!shared.at(1)->isEnabled());
    QCOMPARE(shared.at(2)->text(), appLanguage()->text(QStringLiteral("Action.ShareTwitter")));
    QVERIFY(!shared.at(2)->isEnabled());

    // Built once.
    m_window->slotButtonEmail();
    QCOMPARE(m_window->contactMenu(), menu);
    QCOMPARE(menu->actions().size(), 6);
    menu->hide();
}

void TestMainWindow::contactMenuKeepsItsFirstLanguage()
{
    m_window = new TrayWindow(true);
    m_window->slotButtonEmail();
    m_window->contactMenu()->hide();
    const QString english = m_window->contactMenu()->actions().first()->text();
    auto *zone = m_window->findChild<XPushButton *>(QStringLiteral("buttonZone"));

    appConfig().language = QStringLiteral("Bahasa Malaysia");
    QVERIFY(appLanguage()->load(true));
    const QString malay = appLanguage()->text(QStringLiteral("Action.Email"));
    // The tool tips follow the language; the built menu does not.
    QCOMPARE(zone->toolTip(), appLanguage()->text(QStringLiteral("ToolTip.Zone")));
    QCOMPARE(m_window->contactMenu()->actions().first()->text(), english);
    appConfig().language = QStringLiteral("English");
    QVERIFY(appLanguage()->load(true));
    QVERIFY(!malay.isEmpty());
    QVERIFY(malay != english);
}

void TestMainWindow::contactLinks()
{
    m_window = new TrayWindow(true);
    m_window->slotButtonEmail();
    QMenu *menu = m_window->contactMenu();
    menu->hide();
    const QList<QAction *> top = menu->actions();
    const QList<QAction *> shared = top.at(4)->menu()->actions();

    top.at(0)->trigger();
    QCOMPARE(m_recorder.urls.size(), 1);
    QCOMPARE(m_recorder.urls.first(),
             QUrl(appDetails()->supportMailLink() + QLatin1Char(' ') + appDetails()->appVersion(), QUrl::TolerantMode));
    QCOMPARE(m_recorder.urls.first().scheme(), QStringLiteral("mailto"));

    m_recorder.urls.clear();
    shared.at(0)->trigger();
    QCOMPARE(m_recorder.urls.size(), 1);
    const QUrl share = m_recorder.urls.first();
    QCOMPARE(share.scheme(), QStringLiteral("mailto"));
    QVERIFY(share.path().isEmpty());
    const QUrlQuery query(share);
    // In the user's language, naming the platform the program runs on.
    QCOMPARE(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
             QStringLiteral("Almarik Zenhar for ") + ApplicationInformation::platformName());
    QVERIFY(!ApplicationInformation::platformName().isEmpty());
    const QString body = query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded);
    QCOMPARE(body, QStringLiteral("Prayer times and reminders for Malaysia on your computer. Download it from ")
                     + appDetails()->website());

    // The entries shown disabled still know their targets, should they be
    // enabled; sharing on Facebook or Twitter opens nothing.
    m_recorder.urls.clear();
    top.at(3)->trigger();
    top.at(5)->trigger();
    QCOMPARE(m_recorder.urls, (QList<QUrl>{QUrl(appDetails()->downloadCenterUrl(), QUrl::TolerantMode),
                                           QUrl(appDetails()->faqUrl(), QUrl::TolerantMode)}));
    m_recorder.urls.clear();
    for (QAction *action : {shared.at(1), shared.at(2)})
        action->trigger();
    QVERIFY(m_recorder.urls.isEmpty());

    m_window->slotButtonFacebook();
    QCOMPARE(m_recorder.urls.size(), 1);
    QCOMPARE(m_recorder.urls.first(), QUrl(appDetails()->facebookPage(), QUrl::TolerantMode));
}

void TestMainWindow::contactDialogs()
{
    m_window = new TrayWindow(true);
    m_window->show();
    m_window->slotButtonEmail();
    QMenu *menu = m_window->contactMenu();
    menu->hide();
    const QList<QAction *> top = menu->actions();

    // The support form and the messaging dialog run modally over the
    // window and open nothing by themselves.
    QString seen;
    whenModal([&seen](QWidget *modal) {
        if (qobject_cast<DialogOnlineSupport *>(modal))
            seen = QStringLiteral("support");
        static_cast<QDialog *>(modal)->reject();
    });
    top.at(1)->trigger();
    QCOMPARE(seen, QStringLiteral("support"));

    seen.clear();
    whenModal([&seen, this](QWidget *modal) {
        if (qobject_cast<DialogWhatsApp *>(modal) && modal->parentWidget() == m_window)
            seen = QStringLiteral("messaging");
        static_cast<QDialog *>(modal)->reject();
    });
    top.at(2)->trigger();
    QCOMPARE(seen, QStringLiteral("messaging"));
    QVERIFY(m_recorder.urls.isEmpty());
    QVERIFY(!QApplication::activeModalWidget());
}

void TestMainWindow::singleAppShowsTheWindowNormal_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("message");
    QTest::newRow("hidden") << QStringLiteral("hidden") << QStringLiteral("ShowMe");
    QTest::newRow("minimized") << QStringLiteral("minimized") << QStringLiteral("ShowMe");
    QTest::newRow("any text") << QStringLiteral("hidden") << QStringLiteral("something else");
    QTest::newRow("already shown") << QStringLiteral("shown") << QString();
}

void TestMainWindow::singleAppShowsTheWindowNormal()
{
    QFETCH(QString, state);
    QFETCH(QString, message);
    m_window = new TrayWindow(true);
    if (state == QLatin1String("minimized"))
        m_window->showMinimized();
    else if (state == QLatin1String("shown"))
        m_window->show();
    m_window->slotSingleApp(message);
    QVERIFY(m_window->isVisible());
    QVERIFY(!m_window->isMinimized());
}

void TestMainWindow::hideWithAndWithoutTray()
{
    TrayWindow withTray(true);
    withTray.show();
    withTray.slotButtonHide();
    QVERIFY(withTray.isHidden());
    withTray.show();
    QTest::keyClick(&withTray, Qt::Key_Escape);
    QVERIFY(withTray.isHidden());

    // Minimize still minimizes without a tray.
    TrayWindow noTray(false);
    noTray.show();
    noTray.slotButtonMinimize();
    QVERIFY(noTray.isVisible());
    QVERIFY(noTray.isMinimized());
}

void TestMainWindow::closingWithoutTrayAsksToExit_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("askBeforeExit");
    QTest::newRow("Hide button") << "hide" << true;
    QTest::newRow("Escape") << "escape" << true;
    QTest::newRow("window manager's close") << "close" << true;
    // The setting spares the prompt for Exit in the tray menu; a close
    // without a tray is no Exit and still asks.
    QTest::newRow("close, no confirmation set") << "close" << false;
}

// Without a tray the tray menu's Exit cannot be reached: closing the
// window asks whether to exit. Cancel keeps the window as it was; Yes
// quits.
void TestMainWindow::closingWithoutTrayAsksToExit()
{
    QFETCH(QString, how);
    QFETCH(bool, askBeforeExit);
    appConfig().askBeforeExit = askBeforeExit;
    m_window = new TrayWindow(false);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    const auto closeWindow = [this, how] {
        if (how == QLatin1String("hide"))
            m_window->slotButtonHide();
        else if (how == QLatin1String("escape"))
            QTest::keyClick(m_window, Qt::Key_Escape);
        else
            m_window->close();
    };

    QString prompt;
    whenModal([&prompt](QWidget *modal) {
        prompt = QString::fromLatin1(modal->metaObject()->className());
        QMetaObject::invokeMethod(modal, "slotCancel");
    });
    QTimer::singleShot(0, m_window, [closeWindow] {
        closeWindow();
        QCoreApplication::exit(42);
    });
    QCOMPARE(runEventLoop(), 42);
    QCOMPARE(prompt, QStringLiteral("PromptExit"));
    QVERIFY(m_window->isVisible());
    QVERIFY(!m_window->isMinimized());

    prompt.clear();
    whenModal([&prompt](QWidget *modal) {
        prompt = QString::fromLatin1(modal->metaObject()->className());
        QMetaObject::invokeMethod(modal, "slotYes");
    });
    QTimer::singleShot(0, m_window, closeWindow);
    QCOMPARE(runEventLoop(), 0);
    QCOMPARE(prompt, QStringLiteral("PromptExit"));
}

void TestMainWindow::hiddenWindowReturnsWhenTrayGoes()
{
    TrayWindow window(true);
    window.show();
    window.slotButtonHide();
    QVERIFY(window.isHidden());
    window.slotTimer();
    QVERIFY(window.isHidden());
    // The tray goes away while the window is hidden: the next tick puts
    // it on the taskbar.
    window.setTray(false);
    window.slotTimer();
    QVERIFY(window.isVisible());
    QVERIFY(window.isMinimized());
}

void TestMainWindow::toolTipsReadable_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("key");
    for (const char *language : {"English", "Bahasa Malaysia"}) {
        QTest::addRow("%s, help", language) << language << "buttonHelp" << "ToolTip.Help";
        QTest::addRow("%s, zone", language) << language << "buttonZone" << "ToolTip.Zone";
    }
}

// A button's tool tip is drawn opaque, with text in a colour well apart
// from its background, and in the chosen language.
void TestMainWindow::toolTipsReadable()
{
    QFETCH(QString, language);
    QFETCH(QString, button);
    QFETCH(QString, key);
    appConfig().language = language;
    appLanguage()->load(true);
    m_window = new TrayWindow(true);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    auto *target = m_window->findChild<XPushButton *>(button);
    QVERIFY(target);
    const QString expected = appLanguage()->text(key);
    QCOMPARE(target->toolTip(), expected);

    QToolTip::showText(target->mapToGlobal(target->rect().center()), target->toolTip(), target);
    QWidget *tip = shownToolTip();
    QVERIFY(tip);
    QCOMPARE(qobject_cast<QLabel *>(tip)->text(), expected);
    const QImage image = tip->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    QToolTip::hideText();
    appConfig().language = QStringLiteral("English");
    appLanguage()->load(true);

    // The most frequent colour is the background; the text is what lies
    // farthest from it.
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    }
    QRgb background = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > counts.value(background))
            background = it.key();
    }
    QCOMPARE(qAlpha(background), 255);
    const auto lightness = [](QRgb rgb) { return QColor(rgb).lightness(); };
    int contrast = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        contrast = qMax(contrast, qAbs(lightness(it.key()) - lightness(background)));
    QVERIFY2(contrast >= 100, qPrintable(QString::number(contrast)));
}

void TestMainWindow::trayMenuInTheChosenLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("English") << "English"
                             << QStringList{"&Show Window", "&Stop Alarm", "&About", "&Exit"};
    QTest::newRow("Malay") << "Bahasa Malaysia"
                           << QStringList{"&Tunjuk Tetingkap", "&Henti Bunyi", "Tent&ang", "&Keluar"};
}

void TestMainWindow::trayMenuInTheChosenLanguage()
{
    QFETCH(QString, language);
    QFETCH(QStringList, entries);
    m_window = new TrayWindow(true);
    appConfig().language = language;
    appLanguage()->load(true);
    QStringList shown;
    // The commands, after the line that tells the next prayer.
    for (QAction *action : m_window->trayMenu()->actions()) {
        if (!action->isSeparator() && action != m_window->countdownAction())
            shown << action->text();
    }
    appConfig().language = QStringLiteral("English");
    appLanguage()->load(true);
    QCOMPARE(shown, entries);
}

namespace {
// A notice with the azan, as the notifier makes at a prayer's time.
PrayerNotifier::Notice azanNotice(int slot, const QString &title)
{
    PrayerNotifier::Notice notice;
    notice.slot = slot;
    notice.title = title;
    notice.message = QStringLiteral("It is time");
    notice.soundUrl = QStringLiteral("qrc:/sounds/AzanBelunar.mp3");
    notice.volume = 50;
    notice.balloonMilliseconds = 5000;
    return notice;
}
} // namespace

// No audio device: the first failure of a run is told (and logged), the
// visual notices still come, and later failures are not told again.
void TestMainWindow::soundFailureToldOnce()
{
    FailingSoundPlayer player;
    FakeDesktopNotifier desktop;
    UiContext ctx = appMain()->uiContext();
    ctx.soundPlayer = &player;
    ctx.desktopNotifier = &desktop;
    m_window = new TrayWindow(false, ctx);

    const PrayerNotifier::Notice notice = azanNotice(Zohor, QStringLiteral("Zohor"));
    QTest::ignoreMessage(QtWarningMsg, "Sound could not be played: no audio device");
    m_window->showNotice(notice);
    QTest::ignoreMessage(QtWarningMsg, "Sound could not be played: no audio device");
    m_window->showNotice(notice);
    delete m_window;
    m_window = nullptr;

    QCOMPARE(player.attempts, 2);
    QStringList titles;
    for (const auto &message : desktop.shown)
        titles << message.title;
    const QString failure = appLanguage()->text(QStringLiteral("Sound.Failed")).arg(QStringLiteral("no audio device"));
    QCOMPARE(titles, (QStringList{QStringLiteral("Zohor"), appLanguage()->text(QStringLiteral("Sound.FailedTitle")),
                                  QStringLiteral("Zohor")}));
    QCOMPARE(desktop.shown.at(1).body, failure);
    QCOMPARE(desktop.shown.at(2).body, QStringLiteral("It is time"));
}

void TestMainWindow::missingSoundModuleIsASoundFailure()
{
    // A broken installation without the sound module: the notice still
    // shows, and the user is told why there is no sound.
    QTemporaryDir folder;
    SoundPlayer player(folder.filePath(QStringLiteral("AlmarikSound")));
    FakeDesktopNotifier desktop;
    UiContext ctx = appMain()->uiContext();
    ctx.soundPlayer = &player;
    ctx.desktopNotifier = &desktop;
    m_window = new TrayWindow(false, ctx);

    const PrayerNotifier::Notice notice = azanNotice(Asar, QStringLiteral("Asar"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("AlmarikSound cannot be used")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("no sound module")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Sound could not be played: .+")));
    m_window->showNotice(notice);
    delete m_window;
    m_window = nullptr;

    QVERIFY(!player.isLoaded());
    QVERIFY(!player.loadError().isEmpty());
    QVERIFY(player.stop());
    QCOMPARE(desktop.shown.size(), 2);
    QCOMPARE(desktop.shown.at(0).title, QStringLiteral("Asar"));
    QCOMPARE(desktop.shown.at(1).body, appLanguage()->text(QStringLiteral("Sound.Failed")).arg(player.loadError()));
}

void TestMainWindow::resumeAndClockSetTickTheClock_data()
{
    QTest::addColumn<bool>("resume");
    QTest::newRow("resume from suspend") << true;
    QTest::newRow("clock set") << false;
}

// A wake-up from suspend, or the system clock being set, ticks the minute
// clock at once and re-arms it from the wall clock (its armed wait stood
// still during the sleep, or now ends at the wrong moment).
void TestMainWindow::resumeAndClockSetTickTheClock()
{
    QFETCH(bool, resume);
    ResumeWatcher resumeWatcher;
    ClockSetWatcher clockSetWatcher;
    FakeSoundPlayer player;
    UiContext ctx = appMain()->uiContext();
    ctx.resumeWatcher = &resumeWatcher;
    ctx.clockSetWatcher = &clockSetWatcher;
    ctx.soundPlayer = &player;
    TrayWindow window(true, ctx);
    NextPrayerWatch *watch = window.page<PageHome>()->nextPrayerWatch();
    QSignalSpy refreshed(watch, &NextPrayerWatch::changed);
    QVERIFY(!window.timer()->isActive());
    if (resume)
        emit resumeWatcher.resumed();
    else
        emit clockSetWatcher.clockSet();
    QVERIFY(window.timer()->isActive());
    QVERIFY(window.timer()->interval() <= 60000 + MinuteClock::SlackMilliseconds);
    // The tick also refreshes the countdown, which keeps no timer of its
    // own that would wake the program a second time each minute.
    QCOMPARE(refreshed.count(), 1);
    for (const QTimer *timer : watch->findChildren<QTimer *>())
        QVERIFY(!timer->isActive());
}

// A start that shows the window makes the tray icon once the window is
// painted; a start to the tray makes it at once.
void TestMainWindow::trayIconComesAfterTheWindow()
{
    TrayWindow toTray(true);
    toTray.showAtStart(true);
    QVERIFY(toTray.findChild<QSystemTrayIcon *>());

    TrayWindow shown(true);
    shown.showAtStart(false);
    QVERIFY(!shown.findChild<QSystemTrayIcon *>());
    QVERIFY(QTest::qWaitForWindowExposed(&shown));
    QTRY_VERIFY(shown.findChild<QSystemTrayIcon *>());
    const QSystemTrayIcon *icon = shown.findChild<QSystemTrayIcon *>();
    QVERIFY(icon->isVisible());
    QVERIFY(icon->toolTip().split(QLatin1Char('\n')).contains(appAlmarikManager()->zoneName()));
    QCOMPARE(icon->contextMenu(), shown.trayMenu());
}

void TestMainWindow::startMinimizedWithAndWithoutTray()
{
    TrayWindow withTray(true);
    withTray.showAtStart(true);
    QVERIFY(withTray.isHidden());
    QVERIFY(withTray.trayIcon()->isVisible());

    TrayWindow noTray(false);
    noTray.showAtStart(true);
    QVERIFY(noTray.isVisible());
    QVERIFY(noTray.isMinimized());

    TrayWindow normal(false);
    normal.showAtStart(false);
    QVERIFY(normal.isVisible());
    QVERIFY(!normal.isMinimized());
}

void TestMainWindow::dragging()
{
    m_window = new TrayWindow(true);
    m_window->move(100, 100);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    const QPoint start = m_window->pos();
    const QPoint grip(300, 40);

    QMouseEvent press(QEvent::MouseButtonPress, grip, m_window->mapToGlobal(grip), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_window, &press);
    const QPoint to = grip + QPoint(40, 25);
    QMouseEvent move(QEvent::MouseMove, to, m_window->mapToGlobal(grip) + QPoint(40, 25), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_window, &move);
    QCOMPARE(m_window->pos(), start + QPoint(40, 25));

    QMouseEvent release(QEvent::MouseButtonRelease, to, m_window->mapToGlobal(to), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(m_window, &release);
    const QPoint dropped = m_window->pos();
    QMouseEvent after(QEvent::MouseMove, to, m_window->mapToGlobal(to) + QPoint(70, 70), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(m_window, &after);
    QCOMPARE(m_window->pos(), dropped);
}

void TestMainWindow::notifierPlaysTheSlotSound()
{
    m_window = new TrayWindow(true);
    int firstYear = 0, firstMonth = 0, lastYear = 0, lastMonth = 0;
    QVERIFY(appAlmarikManager()->dateRange(firstYear, firstMonth, lastYear, lastMonth));
    const QDate date(firstYear, firstMonth, 15);
    DailyTimes day;
    QVERIFY(appAlmarikManager()->timesOfDay(date.day(), date.month(), date.year(), day));
    const QTime asar(day.hour(Asar), day.minute(Asar));

    PrayerSettings saved = appConfig().prayer[Asar];
    appConfig().prayer[Asar].reminderSound = 5;
    appConfig().prayer[Asar].audioVolume = 40;
    appConfig().prayer[Asar].alarmTime = 1;
    const QDateTime due(date, asar.addSecs(-5 * 60));

    SoundPlayer *player = appSoundPlayer();
    const QString before = player->source();
    m_window->notifyDue(due.addSecs(-30));
    QCOMPARE(player->source(), before);
    // The tick falls a little after second 0; the sound module is loaded
    // for the first sound.
    m_window->notifyDue(due.addMSecs(700));
    QVERIFY2(player->isLoaded(), qPrintable(player->loadError()));
    QCOMPARE(player->source(), QStringLiteral("qrc:/recordings/chime-ding-dong.mp3"));
    QCOMPARE(player->volume(), 40);

    // "&Stop Alarm" silences it.
    m_window->trayMenu()->actions().at(3)->trigger();
    QVERIFY(!player->isPlaying());
    appConfig().prayer[Asar] = saved;
}

void TestMainWindow::showNoticeWithFakes_data()
{
    QTest::addColumn<int>("sound");
    QTest::addColumn<int>("duration");
    QTest::addColumn<int>("alarmTime");
    QTest::addColumn<QString>("url");
    QTest::addColumn<int>("milliseconds");
    QTest::addColumn<QString>("messageKey");
    // Sound 5 is the ding-dong chime, 7 the bell; duration 1 is 5 s, 4 is
    // 30 s, 0 "Turn off"; alarm time 1 is five minutes before.
    QTest::newRow("chime, five minutes before")
            << 5 << 1 << 1 << QStringLiteral("qrc:/sounds/NotifyDingDong.mp3") << 5000
            << QStringLiteral("Notification.MsgBeforeTime");
    QTest::newRow("at the time") << 5 << 4 << 0 << QStringLiteral("qrc:/sounds/NotifyDingDong.mp3") << 30000
                                 << QStringLiteral("Notification.MsgOnTime");
    QTest::newRow("sound turned off") << 0 << 1 << 0 << QString() << 5000
                                      << QStringLiteral("Notification.MsgOnTime");
    QTest::newRow("message turned off") << 5 << 0 << 0 << QStringLiteral("qrc:/sounds/NotifyDingDong.mp3") << 0
                                        << QString();
}

// The notice of a due slot reaches the sound player and the desktop's
// notification service given to the window, with the slot's sound, volume
// and texts; "Turn off" keeps each of them silent.
void TestMainWindow::showNoticeWithFakes()
{
    QFETCH(int, sound);
    QFETCH(int, duration);
    QFETCH(int, alarmTime);
    QFETCH(QString, url);
    QFETCH(int, milliseconds);
    QFETCH(QString, messageKey);

    FakeSoundPlayer player;
    FakeDesktopNotifier desktop;
    UiContext ctx = appMain()->uiContext();
    ctx.soundPlayer = &player;
    ctx.desktopNotifier = &desktop;
    // Without a tray every message goes to the notification service.
    m_window = new TrayWindow(false, ctx);

    int firstYear = 0, firstMonth = 0, lastYear = 0, lastMonth = 0;
    QVERIFY(appAlmarikManager()->dateRange(firstYear, firstMonth, lastYear, lastMonth));
    const QDate date(firstYear, firstMonth, 12);
    DailyTimes day;
    QVERIFY(appAlmarikManager()->timesOfDay(date.day(), date.month(), date.year(), day));

    const PrayerSettings saved = appConfig().prayer[Zohor];
    PrayerSettings &zohor = appConfig().prayer[Zohor];
    // Five minutes before the time the reminder plays its own sound.
    (alarmTime == 1 ? zohor.reminderSound : zohor.notificationSound) = sound;
    zohor.messageDuration = duration;
    zohor.alarmTime = alarmTime;
    zohor.audioVolume = 37;
    const int lead = alarmTime == 1 ? 5 : 0;
    const QDateTime due(date, QTime(day.hour(Zohor), day.minute(Zohor)).addSecs(-lead * 60));

    m_window->notifyDue(due.addSecs(-40));
    QVERIFY(player.played.isEmpty());
    QVERIFY(desktop.shown.isEmpty());
    m_window->notifyDue(due.addMSecs(400));
    appConfig().prayer[Zohor] = saved;

    if (url.isEmpty()) {
        QVERIFY(player.played.isEmpty());
    } else {
        QCOMPARE(player.played.size(), 1);
        QCOMPARE(player.played.first().first, url);
        QCOMPARE(player.played.first().second, 37);
    }
    if (messageKey.isEmpty()) {
        QVERIFY(desktop.shown.isEmpty());
    } else {
        QCOMPARE(desktop.shown.size(), 1);
        const Language *language = appLanguage();
        QCOMPARE(desktop.shown.first().title, language->text(QStringLiteral("Notification.Zohor")));
        const QString prayer = language->text(QStringLiteral("Prayer.Zohor"));
        QString body = language->text(messageKey).arg(prayer, appAlmarikManager()->zoneName());
        if (lead)
            body = body.arg(lead);
        QCOMPARE(desktop.shown.first().body, body);
        QCOMPARE(desktop.shown.first().milliseconds, milliseconds);
    }

    // "&Stop Alarm" reaches the same player.
    m_window->trayMenu()->actions().at(3)->trigger();
    QCOMPARE(player.stops, 1);
    // The fakes go with this function; the window must go first.
    delete m_window;
    m_window = nullptr;
}

void TestMainWindow::notifierCustomSounds_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QUrl>("url");
    const QString missing = QDir::tempPath() + QStringLiteral("/no-such-folder/azan.mp3");
    const QString nonAscii = QDir::tempPath() + QStringLiteral("/Muzik \u0623\u0630\u0627\u0646 \u00e9/azan.mp3");
    QTest::newRow("missing file") << missing << QUrl::fromLocalFile(missing);
    QTest::newRow("non-ASCII path") << nonAscii << QUrl::fromLocalFile(nonAscii);
    QTest::newRow("resource in capitals") << QStringLiteral("QRC:/sounds/NotifyDing.mp3")
                                          << QUrl(QStringLiteral("qrc:/recordings/chime-ding.mp3"));
}

void TestMainWindow::notifierCustomSounds()
{
    QFETCH(QString, path);
    QFETCH(QUrl, url);
    m_window = new TrayWindow(false);
    int firstYear = 0, firstMonth = 0, lastYear = 0, lastMonth = 0;
    QVERIFY(appAlmarikManager()->dateRange(firstYear, firstMonth, lastYear, lastMonth));
    const QDate date(firstYear, firstMonth, 20);
    DailyTimes day;
    QVERIFY(appAlmarikManager()->timesOfDay(date.day(), date.month(), date.year(), day));

    PrayerSettings saved = appConfig().prayer[Maghrib];
    appConfig().prayer[Maghrib].notificationSound = 12;
    appConfig().prayer[Maghrib].customSoundPath = path;
    appConfig().prayer[Maghrib].alarmTime = 0;
    const QDateTime due(date, QTime(day.hour(Maghrib), day.minute(Maghrib)));
    m_window->notifyDue(due.addSecs(-61));
    m_window->notifyDue(due.addMSecs(300));
    QCOMPARE(QUrl(appSoundPlayer()->source()), url);
    // Missing or undecodable files end in silence, not in a crash.
    QCoreApplication::processEvents();
    appConfig().prayer[Maghrib] = saved;
}

void TestMainWindow::playButtonsPreview_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("sound");
    QTest::addColumn<QString>("url");
    QTest::newRow("Subuh azan") << int(Subuh) << "buttonPlaySound" << int(NotifierSetting::SoundAzan)
                                << "qrc:/sounds/AzanBelunarSubuh.mp3";
    QTest::newRow("Zohor reminder chime") << int(Zohor) << "buttonPlayReminder" << int(NotifierSetting::SoundBird)
                                          << "qrc:/sounds/NotifyBird.mp3";
    QTest::newRow("custom file") << int(Asar) << "buttonPlaySound" << int(NotifierSetting::SoundCustom)
                                 << "/home/aminah/asar.flac";
    QTest::newRow("turned off") << int(Isyak) << "buttonPlayReminder" << int(NotifierSetting::SoundOff) << "";
}

// The play button beside a sound choice plays that choice at the chosen
// volume through the program's sound player; "Turn off" stops playing.
void TestMainWindow::playButtonsPreview()
{
    QFETCH(int, slot);
    QFETCH(QString, button);
    QFETCH(int, sound);
    QFETCH(QString, url);
    FakeSoundPlayer player;
    UiContext ctx = appMain()->uiContext();
    ctx.soundPlayer = &player;
    const PrayerSettings saved = appConfig().prayer[slot];
    appConfig().prayer[slot].customSoundPath = QStringLiteral("/home/aminah/asar.flac");
    {
        PageConfig page(ctx);
        page.show();
        page.showPanel(PageConfig::FirstPrayerPanel + slot);
        QWidget *panel = page.panels().at(PageConfig::FirstPrayerPanel + slot);
        const bool reminder = button == QLatin1String("buttonPlayReminder");
        auto *combo = panel->findChild<QComboBox *>(reminder ? QStringLiteral("comboReminderSound")
                                                             : QStringLiteral("comboSound"));
        auto *volume = panel->findChild<QSlider *>(QStringLiteral("sliderVolume"));
        auto *play = panel->findChild<QAbstractButton *>(button);
        QVERIFY(combo && volume && play);
        QVERIFY(play->focusPolicy() & Qt::TabFocus);
        QVERIFY(!play->toolTip().isEmpty());
        combo->setCurrentIndex(sound);
        volume->setValue(63);
        QTest::mouseClick(play, Qt::LeftButton);
        // Space on the focused button does the same.
        play->setFocus();
        QTest::keyClick(play, Qt::Key_Space);
    }
    appConfig().prayer[slot] = saved;
    if (url.isEmpty()) {
        QVERIFY(player.played.isEmpty());
        QCOMPARE(player.stops, 2);
    } else {
        QCOMPARE(player.played.size(), 2);
        QCOMPARE(player.played.at(0), qMakePair(url, 63));
        QCOMPARE(player.played.at(1), qMakePair(url, 63));
    }
}

void TestMainWindow::customSoundIsChecked_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("mp3") << "azan.mp3" << QByteArray("ID3\x03\x00") << true;
    QTest::newRow("ogg") << "azan.ogg" << QByteArray("OggS\x00\x02") << true;
    QTest::newRow("wav") << "azan.wav" << QByteArray("RIFF\x24\x00\x00\x00WAVEfmt ") << true;
    QTest::newRow("flac") << "azan.flac" << QByteArray("fLaC\x00\x00\x00\x22") << true;
    QTest::newRow("text") << "notes.txt" << QByteArray("not a sound\n") << false;
    QTest::newRow("missing") << "" << QByteArray() << false;
}

// A custom sound may be any audio file; anything else is refused when it
// is chosen, with the reason on the panel, and the old path stays.
void TestMainWindow::customSoundIsChecked()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(bool, accepted);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(name.isEmpty() ? QStringLiteral("gone.mp3") : name);
    if (!name.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    const PrayerSettings saved = appConfig().prayer[Maghrib];
    appConfig().prayer[Maghrib].customSoundPath = QStringLiteral("/old/choice.mp3");
    PageConfig page(appMain()->uiContext());
    page.show();
    page.showPanel(PageConfig::FirstPrayerPanel + Maghrib);
    auto *panel = qobject_cast<PanelConfNotifier *>(page.panels().at(PageConfig::FirstPrayerPanel + Maghrib));
    QVERIFY(panel);
    panel->fileChooser = [&](QWidget *, const QString &, const QString &, const QString &) { return path; };
    auto *pathLabel = panel->findChild<XPathLabel *>(QStringLiteral("labelPathValue"));
    QVERIFY(pathLabel);
    QTest::mouseClick(pathLabel, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    const QString stored = appConfig().prayer[Maghrib].customSoundPath;
    appConfig().prayer[Maghrib] = saved;
    QCOMPARE(stored, accepted ? path : QStringLiteral("/old/choice.mp3"));
    auto *problem = panel->findChild<QLabel *>(QStringLiteral("labelPathProblem"));
    QVERIFY(problem);
    QCOMPARE(problem->isVisible(), !accepted);
    if (!accepted)
        QVERIFY(problem->text().contains(QFileInfo(path).fileName()));
}

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    QDir(home.path()).mkpath(QStringLiteral("noplugins"));
    usePrivateHome(home.path());
    // No session bus: nothing can reach the real desktop's notifications.
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");

    // The application starts without the timetable plug-in; the first test
    // binds it later from the test's own folder.
    PluginBinder::setPluginDirectory(home.filePath(QStringLiteral("noplugins")));
    AppMain::registerResources();
    static int appArgc = 1;
    static char *appArgv[] = {argv[0], nullptr};
    AppMain app(appArgc, appArgv);
    pluginFolder = QCoreApplication::applicationDirPath();
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_mainwindow.moc"
