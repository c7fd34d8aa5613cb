#ifndef UICONTEXT_H
#define UICONTEXT_H

class AbstractDesktopNotifier;
class AbstractSoundPlayer;
class AlmarikManager;
class AppConfig;
class ApplicationInformation;
class ClockSetWatcher;
class Language;
class MapManager;
class PictureStore;
class ResumeWatcher;

// What the windows work with: the settings, the catalogue, the timetable
// and map clients, the program's details, the sound player, the desktop's
// notification service and the watches for resume from suspend and for
// the clock being set. The application object owns them for the whole run
// and hands this to the main window, which hands it on to its pages,
// panels and dialogs; a test fills it with its own parts (fakes for the
// sound device, the notification service and the watches).
struct UiContext {
    AppConfig *config = nullptr;
    Language *language = nullptr;
    AlmarikManager *almarikManager = nullptr;
    MapManager *mapManager = nullptr;
    ApplicationInformation *details = nullptr;
    AbstractSoundPlayer *soundPlayer = nullptr;
    AbstractDesktopNotifier *desktopNotifier = nullptr;
    // Null: nothing tells of a resume; the minute clock's next tick
    // catches up.
    ResumeWatcher *resumeWatcher = nullptr;
    // Null: nothing tells of the clock being set or of a new time zone;
    // the minute clock's next tick notices either.
    ClockSetWatcher *clockSetWatcher = nullptr;
    // Pictures decoded ahead at start; null reads each when asked for.
    PictureStore *pictures = nullptr;
};

#endif // UICONTEXT_H
