#include "screencatalogue.h"

#include <type_traits>

#include "app/appmain.h"

#include "core/appconfig.h"
#include "ui/config/pageconfig.h"
#include "ui/controls/xbuttonmenu.h"
#include "ui/dialogs/dialogbase.h"
#include "ui/dialogs/dialogonlinesupport.h"
#include "ui/dialogs/dialogplace.h"
#include "ui/dialogs/dialogwhatsapp.h"
#include "ui/dialogs/exportoptionsdialog.h"
#include "ui/dialogs/promptexit.h"
#include "ui/dialogs/promptnodata.h"
#include "ui/dialogs/promptnolanguage.h"
#include "ui/dialogs/splashscreen.h"
#include "ui/main/dialogmain.h"
#include "ui/pages/pagecalendar.h"
#include "ui/controls/xurllabel.h"
#include "ui/pages/pagehome.h"
#include "ui/pages/pageqibla.h"
#include "ui/pages/pageupdate.h"
#include "ui/pages/xcalendar.h"
#include "ui/pages/xtimepanel.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QTextEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QWidget>

namespace {

// A widget built the way the program builds it: with the application
// object's context, with its catalogue, or with only a parent.
template <class Widget>
Widget *make(QWidget *parent)
{
    const UiContext &ctx = appMain()->uiContext();
    if constexpr (std::is_constructible_v<Widget, const UiContext &, QWidget *>)
        return new Widget(ctx, parent);
    else if constexpr (std::is_constructible_v<Widget, const Language &, QWidget *>)
        return new Widget(*ctx.language, parent);
    else
        return new Widget(parent);
}

template <class Widget>
QWidget *topLevel(QWidget *)
{
    return make<Widget>(nullptr);
}

template <class Widget>
QWidget *onHost(QWidget *host)
{
    return make<Widget>(host);
}

// The main window, shown, after `step` has put it in the state to picture.
std::function<QWidget *(QWidget *)> mainWindow(std::function<void(DialogMain *)> step)
{
    return [step](QWidget *) -> QWidget * {
        auto *window = make<DialogMain>(nullptr);
        window->show();
        step(window);
        return window;
    };
}

// The main window on the configuration page with one of its panels.
std::function<QWidget *(QWidget *)> configPanel(int index)
{
    return mainWindow([index](DialogMain *window) {
        window->slotButtonConfig();
        window->findChild<PageConfig *>()->showPanel(index);
    });
}

// A dialog in the main window's place, after `step` has filled it in.
template <class Dialog>
std::function<QWidget *(QWidget *)> dialog(std::function<void(Dialog *)> step = {})
{
    return [step](QWidget *) -> QWidget * {
        auto *shown = make<Dialog>(nullptr);
        shown->show();
        if (step)
            step(shown);
        return shown;
    };
}

// The calendar page with the day pop-up of the first day the Islamic year
// keeps, drawn over the window's picture.
QWidget *keptDayPopup(QWidget *)
{
    auto *window = make<DialogMain>(nullptr);
    window->show();
    window->slotButtonCalendar();
    auto *shot = new QLabel;
    for (XCalendar *calendar : window->findChild<PageCalendar *>()->calendars()) {
        for (int cell = 0; cell < XCalendar::CellCount; ++cell) {
            if (!calendar->isMarked(cell))
                continue;
            window->findChild<PageCalendar *>()->scrollArea()->ensureWidgetVisible(calendar);
            const QPoint at = calendar->cellRect(cell).center();
            QMouseEvent move(QEvent::MouseMove, at, calendar->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(calendar, &move);
            QPixmap picture = window->grab();
            QPainter(&picture).drawPixmap(calendar->timePanel()->pos() - window->pos(), calendar->timePanel()->grab());
            shot->setPixmap(picture);
            shot->resize(picture.size());
            delete window;
            return shot;
        }
    }
    shot->setPixmap(window->grab());
    shot->resize(window->size());
    delete window;
    return shot;
}

// The home page with its export menu open, drawn over the window's picture.
QWidget *exportMenu(QWidget *)
{
    auto *window = make<DialogMain>(nullptr);
    window->show();
    PageHome *home = window->findChild<PageHome *>();
    QMenu *menu = home->exportMenu();
    const QPoint below = home->exportLink()->mapTo(window, QPoint(0, home->exportLink()->height()));
    menu->popup(window->mapToGlobal(below));
    QPixmap picture = window->grab();
    QPainter(&picture).drawPixmap(below - QPoint(0, menu->sizeHint().height() + home->exportLink()->height()), menu->grab());
    menu->hide();
    auto *shot = new QLabel;
    shot->setPixmap(picture);
    shot->resize(picture.size());
    delete window;
    return shot;
}

// Selects an own place abroad for the screens that show one (the zone
// comes back with the next main window built by a screen that needs it).
void ownPlace()
{
    CustomPlace place;
    place.name = QStringLiteral("Bonn");
    place.latitude = 50.7374;
    place.longitude = 7.0982;
    place.timeZone = QStringLiteral("Europe/Berlin");
    place.convention = QStringLiteral("MWL");
    appAlmarikManager()->setCustomPlace(place);
}

// The main window with its own pop-up menu open, both in one picture (a
// menu is a window of its own).
QWidget *withMenu(DialogMain *window, QMenu *menu)
{
    QPixmap picture = window->grab();
    if (menu && menu->isVisible())
        QPainter(&picture).drawPixmap(menu->pos() - window->pos(), menu->grab());
    auto *shown = new QLabel;
    shown->setPixmap(picture);
    shown->resize(picture.size());
    delete window;
    return shown;
}

// A screen made with settings changed for it, restored afterwards.
std::function<QWidget *(QWidget *)> withSettings(std::function<void(AppConfig &)> change,
                                                 std::function<QWidget *(QWidget *)> create)
{
    return [change, create](QWidget *host) -> QWidget * {
        AppConfig &config = *appMain()->uiContext().config;
        const AppConfig kept = config;
        change(config);
        QWidget *shown = create(host);
        config = kept;
        return shown;
    };
}

} // namespace

// One line per screen; add pages and panels here as they land.
const QList<ScreenEntry> &ScreenCatalogue::entries()
{
    static const QList<ScreenEntry> list = {
        {QStringLiteral("main-window"), topLevel<DialogMain>},
        {QStringLiteral("dialog-frame"), topLevel<DialogBase>},
        {QStringLiteral("prompt-exit"), topLevel<PromptExit>},
        {QStringLiteral("prompt-nodata"), topLevel<PromptNoData>},
        {QStringLiteral("prompt-nolanguage"), topLevel<PromptNoLanguage>},
        {QStringLiteral("splash"), onHost<SplashScreen>},
        {QStringLiteral("home-today"), mainWindow([](DialogMain *) {})},
        {QStringLiteral("home-export-menu"), exportMenu},
        {QStringLiteral("home-february"), mainWindow([](DialogMain *w) { w->findChild<PageHome *>()->showMonth(QDate(2027, 2, 1)); })},
        {QStringLiteral("first-run-place"), [](QWidget *) -> QWidget * { auto *w = make<DialogMain>(nullptr); w->show(); w->askForPlace(true); return withMenu(w, w->zoneMenu()); }},
        {QStringLiteral("home-12-hour"), withSettings([](AppConfig &c) { c.hourSystem = AppConfig::Hour12; c.hijriAdjustment = AppConfig::HijriPlus1; }, mainWindow([](DialogMain *) {}))},
        {QStringLiteral("config-zohor-reminder"), withSettings([](AppConfig &c) { c.prayer[Zohor].alarmTime = NotifierSetting::Before10Minutes; c.prayer[Zohor].messageDuration = NotifierSetting::Duration1Minute; }, configPanel(8))},
        {QStringLiteral("config-almarikdata-12-hour"), withSettings([](AppConfig &c) { c.hourSystem = AppConfig::Hour12; c.hijriAdjustment = AppConfig::HijriMinus1; }, configPanel(3))},
        {QStringLiteral("calendar"), mainWindow([](DialogMain *w) { w->slotButtonCalendar(); })},
        {QStringLiteral("calendar-popup"), [](QWidget *) -> QWidget * { auto *w = make<DialogMain>(nullptr); w->show(); w->slotButtonCalendar(); XCalendar *c = w->findChild<PageCalendar *>()->calendars().value(0); auto *l = new QLabel; if (!c) { l->setPixmap(w->grab()); l->resize(w->size()); delete w; return l; } const QPoint at = c->cellRect(QDate(c->year(), c->month(), 1).dayOfWeek() % 7 + 13).center(); QMouseEvent move(QEvent::MouseMove, at, c->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier); QApplication::sendEvent(c, &move); QPixmap p = w->grab(); QPainter(&p).drawPixmap(c->timePanel()->pos() - w->pos(), c->timePanel()->grab()); l->setPixmap(p); l->resize(p.size()); delete w; return l; }},
        {QStringLiteral("calendar-popup-kept"), keptDayPopup},
        {QStringLiteral("config-general"), configPanel(0)},
        {QStringLiteral("config-theme"), configPanel(1)},
        {QStringLiteral("config-update"), configPanel(2)},
        {QStringLiteral("config-almarikdata"), configPanel(3)},
        {QStringLiteral("config-imsak"), configPanel(4)},
        {QStringLiteral("config-subuh"), configPanel(5)},
        {QStringLiteral("config-syuruk"), configPanel(6)},
        {QStringLiteral("config-duha"), configPanel(7)},
        {QStringLiteral("config-zohor"), configPanel(8)},
        {QStringLiteral("config-asar"), configPanel(9)},
        {QStringLiteral("config-maghrib"), configPanel(10)},
        {QStringLiteral("config-isyak"), configPanel(11)},
        {QStringLiteral("config-adjust"), configPanel(12)},
        {QStringLiteral("config-developer"), configPanel(13)},
        {QStringLiteral("config-adjust-own-place"), mainWindow([](DialogMain *w) { ownPlace(); w->slotButtonConfig(); w->findChild<PageConfig *>()->showPanel(12); })},
        {QStringLiteral("config-adjust-abroad"), withSettings([](AppConfig &c) { c.zone = QStringLiteral("Paris"); c.abroadAdjustments.asarSchool = CustomPlace::Hanafi; c.abroadAdjustments.adjustment[Zohor] = 2; }, mainWindow([](DialogMain *w) { w->slotButtonConfig(); w->findChild<PageConfig *>()->showPanel(12); }))},
        {QStringLiteral("place-chooser"), dialog<DialogPlace>()},
        {QStringLiteral("place-chooser-search"), dialog<DialogPlace>([](DialogPlace *d) { d->searchEdit()->setText(QStringLiteral("London")); d->cityList()->setCurrentRow(0); })},
        {QStringLiteral("home-own-place"), mainWindow([](DialogMain *) { ownPlace(); })},
        {QStringLiteral("home-ends-soon"), mainWindow([](DialogMain *w) { w->findChild<PageHome *>()->setToday(appAlmarikManager()->lastCoveredDay().addDays(-20)); w->findChild<PageHome *>()->slotGoToToday(); })},
        {QStringLiteral("home-ended"), mainWindow([](DialogMain *w) { w->findChild<PageHome *>()->setToday(appAlmarikManager()->lastCoveredDay().addDays(1)); w->findChild<PageHome *>()->slotGoToToday(); })},
        {QStringLiteral("qibla"), mainWindow([](DialogMain *w) { w->slotButtonMap(); })},
        {QStringLiteral("qibla-june"), mainWindow([](DialogMain *w) { w->slotButtonMap(); auto *q = w->findChild<PageQibla *>(); for (int d = 1; d <= 30; ++d) { q->setDay(QDate(QDate::currentDate().year(), 6, d)); if (q->shadowLabel()->text().contains(QLatin1Char(':'))) break; } })},
        {QStringLiteral("export-options"), [](QWidget *) -> QWidget * { auto *d = new ExportOptionsDialog(*appMain()->uiContext().language, QDate::currentDate().year(), QDate::currentDate().month(), true); d->show(); return d; }},
        {QStringLiteral("update"), mainWindow([](DialogMain *w) { w->slotButtonUpdate(); })},
        {QStringLiteral("update-running"), mainWindow([](DialogMain *w) { w->slotButtonUpdate(); auto *page = w->findChild<PageUpdate *>(); page->slotUpdateNow(); for (int tick = 0; tick < 8; ++tick) page->slotTimer(); })},
        {QStringLiteral("update-result"), mainWindow([](DialogMain *w) { w->slotButtonUpdate(); auto *page = w->findChild<PageUpdate *>(); page->slotUpdateNow(); for (int tick = 0; tick < 21; ++tick) page->slotTimer(); })},
        {QStringLiteral("help"), mainWindow([](DialogMain *w) { w->slotButtonHelp(); })},
        {QStringLiteral("about"), mainWindow([](DialogMain *w) { w->slotButtonAbout(); })},
        {QStringLiteral("online-support"), dialog<DialogOnlineSupport>()},
        {QStringLiteral("online-support-no-mail-program"), dialog<DialogOnlineSupport>([](DialogOnlineSupport *d) {
             // A handler without the named slot: the desktop reports that
             // no mail program took the link, and nothing is opened.
             static QObject noMailProgram;
             QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &noMailProgram, "missing");
             d->emailEdit()->setText(QStringLiteral("ali@example.com"));
             d->enquiryTypeCombo()->setCurrentIndex(4);
             d->enquiryEdit()->setPlainText(QStringLiteral("Subuh time in Gua Musang"));
             d->slotSubmit();
             QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
         })},
        {QStringLiteral("online-support-refused"), dialog<DialogOnlineSupport>([](DialogOnlineSupport *d) { d->emailEdit()->setText(QStringLiteral("nobody.example")); d->slotSubmit(); })},
        {QStringLiteral("whatsapp"), dialog<DialogWhatsApp>()},
    };
    return list;
}
