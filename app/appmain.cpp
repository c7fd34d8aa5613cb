#include "app/appmain.h"
#include "app/rasteronlydisplay.h"

#include <QStringList>
#include <QThreadPool>
#include <QTimer>

#include "core/configcipher.h"
#include "core/logcategories.h"
#include "resources/resourceregistry.h"
#include "ui/dialogs/splashscreen.h"
#include "ui/fontconfiguration.h"
#include "ui/main/dialogmain.h"
#include "ui/picturestore.h"

AppMain::AppMain(int &argc, char **argv, PictureStore *pictures)
    : SingleApplication(argc, argv)
    , language(config)
{
    // The start's worker may read its pictures now that the application
    // object exists.
    if (pictures)
        pictures->applicationCreated();
    RasterOnlyDisplay::releaseAtFirstWindow(this);
    // The window may be hidden in the tray; only the tray's exit ends the
    // program.
    setQuitOnLastWindowClosed(false);
    if (!almarikManager.version().isEmpty())
        details.setDataVersion(almarikManager.version().left(14));
    // A copy that only hands its message to the running one leaves the
    // settings folder alone.
    if (!isRunning())
        config.initialise();
    language.load(false);
    m_uiContext.config = &config;
    m_uiContext.language = &language;
    m_uiContext.almarikManager = &almarikManager;
    m_uiContext.mapManager = &mapManager;
    m_uiContext.details = &details;
    m_uiContext.soundPlayer = &soundPlayer;
    m_uiContext.desktopNotifier = &desktopNotifier;
    m_uiContext.resumeWatcher = &resumeWatcher;
    m_uiContext.clockSetWatcher = &clockSetWatcher;
    m_uiContext.pictures = pictures;
    if (!isRunning()) {
        // The window selects the stored place first thing; its days (for
        // the user's own place, the default zone's, which give it its
        // Hijri dates) are read now, while the worker may still be reading
        // the font configuration.
        almarikManager.readZoneAhead(config.useCustomPlace ? QString() : config.zone);
        // The window's first widget would read the font configuration
        // itself if the worker has not yet done so; fontconfig then builds
        // it twice. Waiting costs less: the wait decodes pictures the
        // window needs.
        if (pictures)
            pictures->waitForWarmUp();
    }
    qCDebug(lcUi).noquote() << "Almarik Zenhar" << details.appVersion();
    qCDebug(lcUi).noquote() << "Build time:" << details.buildTime();
}

AppMain::~AppMain()
{
    delete m_splash.data();
}

void AppMain::preloadStart(PictureStore &pictures, bool minimized)
{
    // In the order the start asks for them, but the largest last: it is
    // the one the worker takes first.
    QStringList names{QStringLiteral("AppIcon.png"), QStringLiteral("AppTitle.png"), QStringLiteral("TrayIcon.png")};
    for (const char *button : {"Minimize", "Hide", "Home", "Calendar", "Zone", "Map", "Update", "Config",
                               "Facebook", "Help", "Email", "About"})
        names << QStringLiteral("Btn%1Normal.png").arg(QLatin1String(button));
    if (!minimized)
        names << QStringLiteral("AyatQuran.png") << QStringLiteral("Background.png");
    QStringList paths;
    for (const QString &name : qAsConst(names))
        paths << QStringLiteral(":/images/") + name;
    // Two warm-ups beside the main thread, each on a thread of its own:
    // the cipher's tables, wanted when the application object reads the
    // settings, on a thread of Qt's pool (the application object waits for
    // its jobs when it goes), and the font configuration, wanted by the
    // first widget (also in a start to the tray), on the picture worker
    // before its pictures.
    QThreadPool::globalInstance()->start([] { ConfigCipher::warmUp(); });
    pictures.preload(paths, [] { FontConfiguration::warmUp(); });
}

void AppMain::registerResources()
{
    registerAlmarikResources();
}

void AppMain::showMainWindow(DialogMain &window, bool minimized)
{
    // The splash fades in while the window is still hidden.
    if (config.showSplashScreen)
        showSplash(&window);
    window.showAtStart(minimized);
}

void AppMain::startServicesWhenUp(QWidget *window)
{
    // A window being shown is up once it is exposed; a minimized one may
    // never be (until restored), so it counts as up at once, like a start
    // to the tray.
    QWindow *handle = window && window->isVisible() && !window->isMinimized() ? window->windowHandle() : nullptr;
    if (!handle || handle->isExposed()) {
        startServicesSoon();
        return;
    }
    m_awaitedWindow = handle;
    handle->installEventFilter(this);
    // A window manager that never exposes the window must not keep the
    // program deaf to later starts.
    QTimer::singleShot(3000, this, [this] {
        if (m_awaitedWindow)
            startServicesSoon();
    });
}

bool AppMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_awaitedWindow && event->type() == QEvent::Expose && m_awaitedWindow->isExposed())
        startServicesSoon();
    return SingleApplication::eventFilter(watched, event);
}

void AppMain::startServicesSoon()
{
    if (m_awaitedWindow) {
        m_awaitedWindow->removeEventFilter(this);
        m_awaitedWindow = nullptr;
    }
    // Not from inside the expose: the window paints first.
    QTimer::singleShot(0, this, [this] { startServices(); });
}

void AppMain::startServices()
{
    if (m_servicesStarted)
        return;
    m_servicesStarted = true;
    qCDebug(lcInstance) << "up: serving later starts and watching for resume and clock changes";
    listenForMessages();
    resumeWatcher.start();
    clockSetWatcher.start();
}

void AppMain::showSplash(QWidget *parent)
{
    delete m_splash.data();
    auto *splash = new SplashScreen(m_uiContext, parent);
    m_splash = splash;
    splash->show();
}

AppMain *appMain()
{
    return static_cast<AppMain *>(QCoreApplication::instance());
}

AppConfig &appConfig()
{
    return appMain()->config;
}

Language *appLanguage()
{
    return &appMain()->language;
}

AlmarikManager *appAlmarikManager()
{
    return &appMain()->almarikManager;
}

MapManager *appMapManager()
{
    return &appMain()->mapManager;
}

SoundPlayer *appSoundPlayer()
{
    return &appMain()->soundPlayer;
}

ApplicationInformation *appDetails()
{
    return &appMain()->details;
}
