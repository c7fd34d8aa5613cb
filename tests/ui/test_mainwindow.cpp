// The main window, headless, on the application object: zone and contact
// menus, tray activation, exit, single-instance restore, the no-tray
// behaviour and the notifier's path to the sound player.

#include <QApplication>
#include <QDBusMessage>
#include <QDesktopServices>
#include <QDir>
#include <QDomElement>
#include <QFile>
#include <QMediaPlayer>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrlQuery>
#include <QtTest>

#include "app/appmain.h"
#include "support/privatehome.h"
#include "support/urlrecorder.h"
#include "core/pluginbinder.h"
#include "ui/controls/xbuttonmenu.h"
#include "ui/controls/xpushbutton.h"
#include "ui/controls/xurllabel.h"
#include "ui/config/pageconfig.h"
#include "ui/dialogs/dialogonlinesupport.h"
#include "ui/dialogs/dialogwhatsapp.h"
#include "ui/dialogs/promptexit.h"
#include "ui/main/abstractdesktopnotifier.h"
#include "ui/main/abstractsoundplayer.h"
#include "ui/main/desktopnotifier.h"
#include "ui/main/dialogmain.h"
#include "ui/pages/pageabout.h"
#include "ui/pages/pagecalendar.h"
#include "ui/pages/pagehelp.h"
#include "ui/pages/pagehome.h"
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
    void form();
    void pageButtons();
    void trayActivation_data();
    void trayActivation();
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
    void startMinimizedWithAndWithoutTray();
    void dragging();
    void notifierPlaysTheSlotSound();
    void showNoticeWithFakes_data();
    void showNoticeWithFakes();
    void notifierCustomSounds_data();
    void notifierCustomSounds();
    void desktopNotificationCall();

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
    QDomElement root;
    QVERIFY(appAlmarikManager()->locationTree(root));
    QCOMPARE(entries, root.elementsByTagName(QStringLiteral("item")).size() + 1);
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

void TestMainWindow::trayActivation_data()
{
    QTest::addColumn<int>("reason");
    QTest::addColumn<bool>("restores");
    QTest::newRow("double click") << int(QSystemTrayIcon::DoubleClick) << true;
    QTest::newRow("single click") << int(QSystemTrayIcon::Trigger) << false;
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
    QCOMPARE(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
             QStringLiteral("Almarik Zenhar untuk Windows!"));
    const QString body = query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded);
    QCOMPARE(body, QStringLiteral("Jom Download dan Share!\nAlmarik Zenhar berguna untuk semua. "
                                  "Rugi kalau tak download:)\nUntuk download, lawati ")
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

    // Without a tray a hidden window could not be found again: Hide,
    // Escape and closing minimize it.
    TrayWindow noTray(false);
    noTray.show();
    noTray.slotButtonHide();
    QVERIFY(noTray.isVisible());
    QVERIFY(noTray.isMinimized());
    noTray.showNormal();
    QTest::keyClick(&noTray, Qt::Key_Escape);
    QVERIFY(noTray.isVisible());
    QVERIFY(noTray.isMinimized());
    noTray.showNormal();
    QVERIFY(!noTray.close());
    QVERIFY(noTray.isVisible());
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
    appConfig().prayer[Asar].notificationSound = 5;
    appConfig().prayer[Asar].audioVolume = 40;
    appConfig().prayer[Asar].alarmTime = 1;
    const QDateTime due(date, asar.addSecs(-5 * 60));

    QMediaPlayer *player = appSoundPlayer()->player();
    player->setMedia(QMediaContent());
    m_window->notifyDue(due.addSecs(-30));
    QVERIFY(player->media().isNull());
    // The tick falls a little after second 0.
    m_window->notifyDue(due.addMSecs(700));
    QCOMPARE(player->media().request().url(), QUrl(QStringLiteral("qrc:/recordings/chime-ding-dong.mp3")));
    QCOMPARE(player->volume(), 40);

    // "&Stop Alarm" silences it.
    m_window->trayMenu()->actions().at(3)->trigger();
    QCOMPARE(player->state(), QMediaPlayer::StoppedState);
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
    zohor.notificationSound = sound;
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
    QCOMPARE(appSoundPlayer()->player()->media().request().url(), url);
    // Missing or undecodable files end in silence, not in a crash.
    QCoreApplication::processEvents();
    appConfig().prayer[Maghrib] = saved;
}

void TestMainWindow::desktopNotificationCall()
{
    const QDBusMessage call = DesktopNotifier::notifyCall(QStringLiteral("App"), 7, QStringLiteral("Waktu Zohor"),
                                                          QStringLiteral("body"), 15000);
    QCOMPARE(call.service(), QStringLiteral("org.freedesktop.Notifications"));
    QCOMPARE(call.path(), QStringLiteral("/org/freedesktop/Notifications"));
    QCOMPARE(call.member(), QStringLiteral("Notify"));
    const QList<QVariant> args = call.arguments();
    QCOMPARE(args.size(), 8);
    QCOMPARE(args.at(0).toString(), QStringLiteral("App"));
    QCOMPARE(args.at(1).toUInt(), 7u);
    QCOMPARE(args.at(3).toString(), QStringLiteral("Waktu Zohor"));
    QCOMPARE(args.at(4).toString(), QStringLiteral("body"));
    QCOMPARE(args.at(7).toInt(), 15000);
    // "Forever" keeps the notification until it is dismissed (0 in the
    // protocol), never the other way round.
    QCOMPARE(DesktopNotifier::notifyCall(QString(), 0, QString(), QString(), 2147483647).arguments().at(7).toInt(), 0);
    QVERIFY(DesktopNotifier::notifyCall(QString(), 0, QString(), QString(), 1).arguments().at(7).toInt() > 0);
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
