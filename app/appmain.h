#ifndef APPMAIN_H
#define APPMAIN_H

#include <QPointer>

#include "app/singleapplication.h"
#include "app/soundplayer.h"
#include "app/systemutilities.h"
#include "core/almarikmanager.h"
#include "core/appconfig.h"
#include "core/configsaver.h"
#include "core/applicationinformation.h"
#include "core/language.h"
#include "core/mapmanager.h"

class QWidget;

// The application object: owns the settings, the catalogue, the plug-in
// clients, the sound player and the application information for the whole
// run. Everything else reaches them through the accessors below.
class AppMain : public SingleApplication
{
public:
    AppMain(int &argc, char **argv);
    ~AppMain() override;

    // Replaces any splash screen shown before with a new one.
    void showSplash(QWidget *parent);
    QWidget *splash() const { return m_splash; }

    // Registers the compiled-in pictures, sounds and catalogues.
    static void registerResources();

    AppConfig config;
    // Saves config soon after each change, and at once on quit.
    ConfigSaver configSaver{config};
    Language language;
    AlmarikManager almarikManager;
    MapManager mapManager;
    SystemUtilities systemUtilities;
    SoundPlayer soundPlayer;
    ApplicationInformation details;

private:
    QPointer<QWidget> m_splash;
};

AppMain *appMain();
AppConfig &appConfig();
Language *appLanguage();
AlmarikManager *appAlmarikManager();
MapManager *appMapManager();
SoundPlayer *appSoundPlayer();
ApplicationInformation *appDetails();
SystemUtilities *appSystemUtilities();

#endif // APPMAIN_H
