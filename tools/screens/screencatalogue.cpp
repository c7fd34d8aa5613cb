#include "screencatalogue.h"

#include "ui/config/pageconfig.h"
#include "ui/dialogs/dialogbase.h"
#include "ui/dialogs/promptexit.h"
#include "ui/dialogs/promptnodata.h"
#include "ui/dialogs/promptnolanguage.h"
#include "ui/dialogs/splashscreen.h"
#include "ui/main/dialogmain.h"
#include "ui/pages/pagecalendar.h"
#include "ui/pages/pagehome.h"
#include "ui/pages/xcalendar.h"
#include "ui/pages/xdateframe.h"
#include "ui/pages/xtimepanel.h"

#include <QApplication>
#include <QLabel>
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
        {QStringLiteral("home-today"), [](QWidget *) -> QWidget * { auto *w = new DialogMain; w->show(); return w; }},
        {QStringLiteral("home-february"), [](QWidget *) -> QWidget * { auto *w = new DialogMain; w->show(); w->findChild<PageHome *>()->showMonth(QDate(2027, 2, 1)); return w; }},
        {QStringLiteral("calendar"), [](QWidget *) -> QWidget * { auto *w = new DialogMain; w->show(); w->slotButtonCalendar(); return w; }},
        {QStringLiteral("calendar-popup"), [](QWidget *) -> QWidget * { auto *w = new DialogMain; w->show(); w->slotButtonCalendar(); XCalendar *c = w->findChild<PageCalendar *>()->calendars().value(0); auto *l = new QLabel; if (!c) { l->setPixmap(w->grab()); l->resize(w->size()); delete w; return l; } QEvent enter(QEvent::Enter); QApplication::sendEvent(c->cell(QDate(c->year(), c->month(), 1).dayOfWeek() % 7 + 13), &enter); QPixmap p = w->grab(); QPainter(&p).drawPixmap(c->timePanel()->pos() - w->pos(), c->timePanel()->grab()); l->setPixmap(p); l->resize(p.size()); delete w; return l; }},
        {QStringLiteral("config-general"), [](QWidget *) -> QWidget * { auto *w = new DialogMain; w->show(); w->slotButtonConfig(); QMetaObject::invokeMethod(w->findChild<PageConfig *>(), "slotPanelGeneral"); return w; }},
        {QStringLiteral("config-theme"), [](QWidget *) -> QWidget * { auto *w = new DialogMain; w->show(); w->slotButtonConfig(); QMetaObject::invokeMethod(w->findChild<PageConfig *>(), "slotPanelTheme"); return w; }},
        {QStringLiteral("config-update"), [](QWidget *) -> QWidget * { auto *w = new DialogMain; w->show(); w->slotButtonConfig(); QMetaObject::invokeMethod(w->findChild<PageConfig *>(), "slotPanelUpdate"); return w; }},
        {QStringLiteral("config-almarikdata"), [](QWidget *) -> QWidget * { auto *w = new DialogMain; w->show(); w->slotButtonConfig(); QMetaObject::invokeMethod(w->findChild<PageConfig *>(), "slotPanelAlmarikData"); return w; }},
        {QStringLiteral("config-imsak"), [](QWidget *) -> QWidget * { auto *w = new DialogMain; w->show(); w->slotButtonConfig(); QMetaObject::invokeMethod(w->findChild<PageConfig *>(), "slotPanelImsak"); return w; }},
        {QStringLiteral("config-subuh"), [](QWidget *) -> QWidget * { auto *w = new DialogMain; w->show(); w->slotButtonConfig(); QMetaObject::invokeMethod(w->findChild<PageConfig *>(), "slotPanelSubuh"); return w; }},
        {QStringLiteral("config-syuruk"), [](QWidget *) -> QWidget * { auto *w = new DialogMain; w->show(); w->slotButtonConfig(); QMetaObject::invokeMethod(w->findChild<PageConfig *>(), "slotPanelSyuruk"); return w; }},
        {QStringLiteral("config-duha"), [](QWidget *) -> QWidget * { auto *w = new DialogMain; w->show(); w->slotButtonConfig(); QMetaObject::invokeMethod(w->findChild<PageConfig *>(), "slotPanelDuha"); return w; }},
        {QStringLiteral("config-zohor"), [](QWidget *) -> QWidget * { auto *w = new DialogMain; w->show(); w->slotButtonConfig(); QMetaObject::invokeMethod(w->findChild<PageConfig *>(), "slotPanelZohor"); return w; }},
        {QStringLiteral("config-asar"), [](QWidget *) -> QWidget * { auto *w = new DialogMain; w->show(); w->slotButtonConfig(); QMetaObject::invokeMethod(w->findChild<PageConfig *>(), "slotPanelAsar"); return w; }},
        {QStringLiteral("config-maghrib"), [](QWidget *) -> QWidget * { auto *w = new DialogMain; w->show(); w->slotButtonConfig(); QMetaObject::invokeMethod(w->findChild<PageConfig *>(), "slotPanelMaghrib"); return w; }},
        {QStringLiteral("config-isyak"), [](QWidget *) -> QWidget * { auto *w = new DialogMain; w->show(); w->slotButtonConfig(); QMetaObject::invokeMethod(w->findChild<PageConfig *>(), "slotPanelIsyak"); return w; }},
        {QStringLiteral("config-developer"), [](QWidget *) -> QWidget * { auto *w = new DialogMain; w->show(); w->slotButtonConfig(); QMetaObject::invokeMethod(w->findChild<PageConfig *>(), "slotPanelDeveloper"); return w; }},
    };
    return list;
}
