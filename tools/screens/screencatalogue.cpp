#include "screencatalogue.h"

#include "ui/config/pageconfig.h"
#include "ui/dialogs/dialogbase.h"
#include "ui/dialogs/dialogonlinesupport.h"
#include "ui/dialogs/dialogwhatsapp.h"
#include "ui/dialogs/promptexit.h"
#include "ui/dialogs/promptnodata.h"
#include "ui/dialogs/promptnolanguage.h"
#include "ui/dialogs/splashscreen.h"
#include "ui/main/dialogmain.h"
#include "ui/pages/pagecalendar.h"
#include "ui/pages/pagehome.h"
#include "ui/pages/pageupdate.h"
#include "ui/pages/xcalendar.h"
#include "ui/pages/xtimepanel.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

namespace {

template <class Widget>
QWidget *topLevel(QWidget *)
{
    return new Widget(nullptr);
}

template <class Widget>
QWidget *onHost(QWidget *host)
{
    return new Widget(host);
}

// The main window, shown, after `step` has put it in the state to picture.
std::function<QWidget *(QWidget *)> mainWindow(std::function<void(DialogMain *)> step)
{
    return [step](QWidget *) -> QWidget * {
        auto *window = new DialogMain;
        window->show();
        step(window);
        return window;
    };
}

// The main window on the configuration page with one of its panels.
std::function<QWidget *(QWidget *)> configPanel(const char *slot)
{
    return mainWindow([slot](DialogMain *window) {
        window->slotButtonConfig();
        QMetaObject::invokeMethod(window->findChild<PageConfig *>(), slot);
    });
}

// A dialog in the main window's place, after `step` has filled it in.
template <class Dialog>
std::function<QWidget *(QWidget *)> dialog(std::function<void(Dialog *)> step = {})
{
    return [step](QWidget *) -> QWidget * {
        auto *shown = new Dialog(nullptr);
        shown->show();
        if (step)
            step(shown);
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
        {QStringLiteral("home-february"), mainWindow([](DialogMain *w) { w->findChild<PageHome *>()->showMonth(QDate(2027, 2, 1)); })},
        {QStringLiteral("calendar"), mainWindow([](DialogMain *w) { w->slotButtonCalendar(); })},
        {QStringLiteral("calendar-popup"), [](QWidget *) -> QWidget * { auto *w = new DialogMain; w->show(); w->slotButtonCalendar(); XCalendar *c = w->findChild<PageCalendar *>()->calendars().value(0); auto *l = new QLabel; if (!c) { l->setPixmap(w->grab()); l->resize(w->size()); delete w; return l; } const QPoint at = c->cellRect(QDate(c->year(), c->month(), 1).dayOfWeek() % 7 + 13).center(); QMouseEvent move(QEvent::MouseMove, at, c->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier); QApplication::sendEvent(c, &move); QPixmap p = w->grab(); QPainter(&p).drawPixmap(c->timePanel()->pos() - w->pos(), c->timePanel()->grab()); l->setPixmap(p); l->resize(p.size()); delete w; return l; }},
        {QStringLiteral("config-general"), configPanel("slotPanelGeneral")},
        {QStringLiteral("config-theme"), configPanel("slotPanelTheme")},
        {QStringLiteral("config-update"), configPanel("slotPanelUpdate")},
        {QStringLiteral("config-almarikdata"), configPanel("slotPanelAlmarikData")},
        {QStringLiteral("config-imsak"), configPanel("slotPanelImsak")},
        {QStringLiteral("config-subuh"), configPanel("slotPanelSubuh")},
        {QStringLiteral("config-syuruk"), configPanel("slotPanelSyuruk")},
        {QStringLiteral("config-duha"), configPanel("slotPanelDuha")},
        {QStringLiteral("config-zohor"), configPanel("slotPanelZohor")},
        {QStringLiteral("config-asar"), configPanel("slotPanelAsar")},
        {QStringLiteral("config-maghrib"), configPanel("slotPanelMaghrib")},
        {QStringLiteral("config-isyak"), configPanel("slotPanelIsyak")},
        {QStringLiteral("config-developer"), configPanel("slotPanelDeveloper")},
        {QStringLiteral("map"), mainWindow([](DialogMain *w) { w->slotButtonMap(); })},
        {QStringLiteral("update"), mainWindow([](DialogMain *w) { w->slotButtonUpdate(); })},
        {QStringLiteral("update-running"), mainWindow([](DialogMain *w) { w->slotButtonUpdate(); auto *page = w->findChild<PageUpdate *>(); page->slotUpdateNow(); for (int tick = 0; tick < 8; ++tick) page->slotTimer(); })},
        {QStringLiteral("update-result"), mainWindow([](DialogMain *w) { w->slotButtonUpdate(); auto *page = w->findChild<PageUpdate *>(); page->slotUpdateNow(); for (int tick = 0; tick < 21; ++tick) page->slotTimer(); })},
        {QStringLiteral("help"), mainWindow([](DialogMain *w) { w->slotButtonHelp(); })},
        {QStringLiteral("about"), mainWindow([](DialogMain *w) { w->slotButtonAbout(); })},
        {QStringLiteral("online-support"), dialog<DialogOnlineSupport>()},
        {QStringLiteral("online-support-refused"), dialog<DialogOnlineSupport>([](DialogOnlineSupport *d) { d->emailEdit()->setText(QStringLiteral("nobody.example")); d->slotSubmit(); })},
        {QStringLiteral("whatsapp"), dialog<DialogWhatsApp>()},
    };
    return list;
}
