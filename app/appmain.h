#ifndef APPMAIN_H
#define APPMAIN_H

#include <QPointer>
#include <QWindow>

#include "app/desktopnotifier.h"
#include "app/singleapplication.h"
#include "app/soundplayer.h"
#include "app/systemresumewatcher.h"
#include "core/almarikmanager.h"
#include "core/appconfig.h"
#include "core/clocksetwatcher.h"
#include "core/configsaver.h"
#include "core/applicationinformation.h"
#include "core/language.h"
#include "core/mapmanager.h"
#include "ui/uicontext.h"

class QWidget;
class DialogMain;
class PictureStore;

// The application object: owns the settings, the catalogue, the plug-in
// clients, the sound player, the desktop notifier, the resume watch and
// the application information for the whole run, and hands them to the
// windows it builds through one UiContext.
class AppMain : public SingleApplication
{
public:
    // pictures, when given, holds the start's pictures decoded ahead; it
    // must outlive the application object.
    AppMain(int &argc, char **argv, PictureStore *pictures = nullptr);
    ~AppMain() override;

    // Brings the main window up as every start does: the splash fading in
    // over it when the settings ask for one (at a start to the tray too),
    // then the window shown, or with minimized only its tray icon. The
    // program and the start-up benchmark both start through here.
    void showMainWindow(DialogMain &window, bool minimized);

    // Replaces any splash screen shown before with a new one.
    void showSplash(QWidget *parent);
    QWidget *splash() const { return m_splash; }

    // Starts readying, on a worker beside the start, the cipher of the
    // settings file, the pictures the first screen shows and then the font
    // configuration. A start to the tray leaves out the window's background
    // and page, and the fonts: most desktops read none before the tray
    // icon's menu or tooltip opens.
    static void preloadStart(PictureStore &pictures, bool minimized);

    // Registers the compiled-in pictures, sounds and catalogues.
    static void registerResources();

    // Starts what the program needs only once it is up: the server that
    // hears later starts and the watch for resume from suspend. Their
    // modules (Qt Network, Qt D-Bus) load one event-loop turn after the
    // window's first expose, or, when the window is not shown, after the
    // tray icon is set; never before the first screen.
    void startServicesWhenUp(QWidget *window);
    bool servicesStarted() const { return m_servicesStarted; }

    // What the windows are given.
    const UiContext &uiContext() const { return m_uiContext; }

    AppConfig config;
    // Saves config soon after each change, and at once on quit.
    ConfigSaver configSaver{config};
    Language language;
    AlmarikManager almarikManager;
    MapManager mapManager;
    SoundPlayer soundPlayer;
    DesktopNotifier desktopNotifier;
    // Watches from startServicesWhenUp() on.
    SystemResumeWatcher resumeWatcher;
    ClockSetWatcher clockSetWatcher;
    ApplicationInformation details;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void startServicesSoon();
    void startServices();

    UiContext m_uiContext;
    QPointer<QWidget> m_splash;
    QPointer<QWindow> m_awaitedWindow;
    bool m_servicesStarted = false;
};

// The running application object, for main() and the tools and tests that
// drive the whole program. The windows never call it: they are given a
// UiContext.
AppMain *appMain();
AppConfig &appConfig();
Language *appLanguage();
AlmarikManager *appAlmarikManager();
MapManager *appMapManager();
SoundPlayer *appSoundPlayer();
ApplicationInformation *appDetails();

#endif // APPMAIN_H
