#include "app/appmain.h"

#include <QDebug>

#include "resources/resourceregistry.h"
#include "ui/dialogs/splashscreen.h"

AppMain::AppMain(int &argc, char **argv)
    : SingleApplication(argc, argv)
    , language(config)
{
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
    qDebug().noquote() << "Almarik Zenhar" << details.appVersion();
    qDebug().noquote() << "Build time:" << details.buildTime();
}

AppMain::~AppMain()
{
    delete m_splash.data();
}

void AppMain::registerResources()
{
    registerAlmarikResources();
}

void AppMain::showSplash(QWidget *parent)
{
    delete m_splash.data();
    auto *splash = new SplashScreen(parent);
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

SystemUtilities *appSystemUtilities()
{
    return &appMain()->systemUtilities;
}
