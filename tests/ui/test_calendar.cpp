// The day pop-up, the month calendars and the calendar page, against the
// shipped timetable data.

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QtTest>

#include "app/appmain.h"
#include "core/dailytimes.h"
#include "ui/main/dialogmain.h"
#include "ui/pages/pagecalendar.h"
#include "ui/pages/pagehome.h"
#include "ui/pages/xcalendar.h"
#include "ui/pages/xdateframe.h"
#include "ui/pages/xtimepanel.h"
#include "viewsharness.h"

namespace {
const QColor TodayGreen(48, 184, 65);

// Number of receivers of a signal of a cell, to find piled-up connections.
struct ConnectionCounter : public QObject
{
    static int receiversOf(QObject *object, const char *signal)
    {
        return (object->*(&ConnectionCounter::receivers))(signal);
    }
};

QList<DailyTimes> monthOf(int month, int year)
{
    QList<DailyTimes> days;
    appAlmarikManager()->timesOfMonth(month, year, days);
    return days;
}

QLabel *childLabel(QWidget *cell, const QString &name)
{
    return cell->findChild<QLabel *>(name, Qt::FindDirectChildrenOnly);
}

void enter(QWidget *widget)
{
    QEvent event(QEvent::Enter);
    QApplication::sendEvent(widget, &event);
}

void leave(QWidget *widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(widget, &event);
}

bool isGreen(const QWidget *cell)
{
    return cell->autoFillBackground() && cell->palette().color(QPalette::Window) == TodayGreen;
}
}

class TestCalendar : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void timePanelShowsADay();
    void timePanelLaysOutItsRows();

    void calendarPlacesEveryDay_data();
    void calendarPlacesEveryDay();
    void calendarWeekStartsOnSunday();
    void calendarMarksTodayOnly();
    void calendarMovesTheGreenCellOnANewDay();
    void calendarTexts();
    void popUpFollowsThePointer();
    void emptyCellShowsNoPopUp();

    void pageHoldsEveryCoveredMonth();
    void pageScrollsToTopAndHidesPopUps();
    void zoneChangesDoNotPileUp();
    void mainWindowShowsTheCalendarFromTheTop();

private:
    QList<QPair<int, int>> coveredMonths() const;
    int m_firstYear = 0, m_firstMonth = 0, m_lastYear = 0, m_lastMonth = 0;
};

void TestCalendar::initTestCase()
{
    QVERIFY(appAlmarikManager()->setZone(QStringLiteral("Kuala Lumpur"), false));
    QVERIFY(appAlmarikManager()->dateRange(m_firstYear, m_firstMonth, m_lastYear, m_lastMonth));
}

void TestCalendar::init()
{
    QVERIFY(appAlmarikManager()->setZone(QStringLiteral("Kuala Lumpur"), false));
}

QList<QPair<int, int>> TestCalendar::coveredMonths() const
{
    QList<QPair<int, int>> months;
    for (QDate date(m_firstYear, m_firstMonth, 1); date <= QDate(m_lastYear, m_lastMonth, 1); date = date.addMonths(1))
        months.append({date.month(), date.year()});
    return months;
}

void TestCalendar::timePanelShowsADay()
{
    XTimePanel panel(appMain()->uiContext());
    QVERIFY(panel.width() >= 150);
    QVERIFY(panel.windowFlags() & Qt::ToolTip);
    QVERIFY(panel.isHidden());

    DailyTimes day;
    day.day = 5;
    day.month = 1;
    day.year = 2017;
    day.hijriDay = 7;
    day.hijriMonthName = QStringLiteral("Rabiul Akhir");
    day.hijriYear = 1438;
    for (int slot = 0; slot < PrayerSlotCount; ++slot) {
        day.times[slot][0] = slot * 3;
        day.times[slot][1] = slot * 7;
    }
    panel.setDay(day);

    QCOMPARE(panel.findChild<QLabel *>(QStringLiteral("labelZone"))->text(), appAlmarikManager()->zoneDisplayName());
    QCOMPARE(panel.findChild<QLabel *>(QStringLiteral("labelDate"))->text(),
             appLanguage()->monthName(1) + QStringLiteral(" 5, 2017"));
    QCOMPARE(panel.findChild<QLabel *>(QStringLiteral("labelHijri"))->text(), QStringLiteral("Rabiul Akhir 7, 1438"));
    for (int slot = 0; slot < PrayerSlotCount; ++slot) {
        const QString expected = QString::asprintf("%02d:%02d", slot * 3, slot * 7);
        QCOMPARE(panel.findChild<QLabel *>(QStringLiteral("labelTime") + prayerSlotName(slot))->text(), expected);
        QCOMPARE(panel.findChild<QLabel *>(QStringLiteral("labelName") + prayerSlotName(slot))->text(),
                 appLanguage()->text(QStringLiteral("Prayer.") + prayerSlotName(slot)));
    }
}

void TestCalendar::timePanelLaysOutItsRows()
{
    XTimePanel panel(appMain()->uiContext());
    DailyTimes day;
    day.day = 28;
    day.month = 12;
    day.year = 2026;
    day.hijriMonthName = QStringLiteral("Rejab");
    panel.setDay(day);

    auto *zone = panel.findChild<QLabel *>(QStringLiteral("labelZone"));
    QVERIFY(qAbs(zone->x() + zone->width() / 2 - panel.width() / 2) <= 1);
    QCOMPARE(zone->y(), 15);
    auto *date = panel.findChild<QLabel *>(QStringLiteral("labelDate"));
    auto *hijri = panel.findChild<QLabel *>(QStringLiteral("labelHijri"));
    QCOMPARE(date->y(), zone->height() + 16);
    QCOMPARE(hijri->y(), date->y() + date->height() + 1);

    int y = hijri->y() + hijri->height() + 5;
    QLabel *lastTime = nullptr;
    for (int slot = 0; slot < PrayerSlotCount; ++slot) {
        auto *name = panel.findChild<QLabel *>(QStringLiteral("labelName") + prayerSlotName(slot));
        auto *time = panel.findChild<QLabel *>(QStringLiteral("labelTime") + prayerSlotName(slot));
        QCOMPARE(name->pos(), QPoint(25, y));
        QCOMPARE(time->x() + time->width(), panel.width() - 25);
        QCOMPARE(time->y(), y);
        y += name->height() + 1;
        lastTime = time;
    }
    QCOMPARE(panel.height(), lastTime->y() + lastTime->height() + 15);
    // 150 wide unless the font needs more room for a row.
    const int width = panel.width();
    QVERIFY(width >= 150);
    for (int slot = 0; slot < PrayerSlotCount; ++slot) {
        auto *name = panel.findChild<QLabel *>(QStringLiteral("labelName") + prayerSlotName(slot));
        auto *time = panel.findChild<QLabel *>(QStringLiteral("labelTime") + prayerSlotName(slot));
        QVERIFY(name->x() + name->width() < time->x());
    }
    QCOMPARE(panel.findChild<QLabel *>(QStringLiteral("labelBorderRight"))->geometry(), QRect(width - 1, 0, 1, panel.height()));
    QCOMPARE(panel.findChild<QLabel *>(QStringLiteral("labelBorderBottom"))->geometry(), QRect(0, panel.height() - 1, width, 1));

    // A date line too long for 150 pixels widens the panel instead of being
    // cut off; the frame follows.
    day.hijriMonthName = QStringLiteral("Rabiul Akhir Rabiul Akhir Rabiul Akhir");
    panel.setDay(day);
    QVERIFY(panel.width() > width);
    QVERIFY(hijri->x() >= 0 && hijri->x() + hijri->width() <= panel.width());
    QCOMPARE(panel.findChild<QLabel *>(QStringLiteral("labelBorderRight"))->x(), panel.width() - 1);
    auto *isyak = panel.findChild<QLabel *>(QStringLiteral("labelTimeIsyak"));
    QCOMPARE(isyak->x() + isyak->width(), panel.width() - 25);
}




void TestCalendar::calendarPlacesEveryDay_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    for (const auto &month : coveredMonths())
        QTest::newRow(qPrintable(QStringLiteral("%1-%2").arg(month.second).arg(month.first))) << month.first << month.second;
}

void TestCalendar::calendarPlacesEveryDay()
{
    QFETCH(int, month);
    QFETCH(int, year);
    XCalendar calendar(appMain()->uiContext(), month, year);
    const QList<DailyTimes> days = monthOf(month, year);
    const QDate first(year, month, 1);
    QCOMPARE(days.size(), first.daysInMonth());
    const int firstCell = first.dayOfWeek() % 7;

    for (int index = 0; index < XCalendar::CellCount; ++index) {
        XDateFrame *cell = calendar.cell(index);
        const int dayIndex = index - firstCell;
        if (dayIndex < 0 || dayIndex >= days.size()) {
            QVERIFY(!cell->record());
            QVERIFY(!cell->autoFillBackground());
            QVERIFY(cell->findChildren<QLabel *>().isEmpty());
            continue;
        }
        const DailyTimes *day = &days.at(dayIndex);
        QVERIFY(cell->record());
        QCOMPARE(cell->record()->day, day->day);
        QCOMPARE(cell->record()->month, day->month);
        QCOMPARE(cell->record()->timeText(Zohor), day->timeText(Zohor));
        QCOMPARE(day->day, dayIndex + 1);
        QLabel *number = childLabel(cell, QStringLiteral("labelDay"));
        QLabel *hijri = childLabel(cell, QStringLiteral("labelHijriDay"));
        QVERIFY(number && hijri);
        QCOMPARE(number->text(), QString::number(dayIndex + 1));
        QCOMPARE(hijri->text(), QString::number(day->hijriDay));
        QCOMPARE(number->pos(), QPoint(3, cell->height() - number->height() - 3));
        QCOMPARE(hijri->pos(), QPoint(cell->width() - hijri->width() - 3, 3));
        QCOMPARE(cell->findChildren<QLabel *>().size(), 2);
    }

    const DailyTimes *firstDay = &days.first();
    const DailyTimes *lastDay = &days.last();
    const QString expected = firstDay->hijriMonthName == lastDay->hijriMonthName
            ? QStringLiteral("%1 %2").arg(lastDay->hijriMonthName).arg(lastDay->hijriYear)
            : QStringLiteral("%1 - %2 %3").arg(firstDay->hijriMonthName, lastDay->hijriMonthName).arg(lastDay->hijriYear);
    QCOMPARE(calendar.hijriLabel()->text(), expected);
    QVERIFY(qAbs(calendar.hijriLabel()->x() + calendar.hijriLabel()->width() / 2 - 150) <= 1);
}

void TestCalendar::calendarWeekStartsOnSunday()
{
    bool sunday = false, saturday = false, sixthRow = false;
    for (const auto &month : coveredMonths()) {
        const QDate first(month.second, month.first, 1);
        XCalendar calendar(appMain()->uiContext(), month.first, month.second);
        if (first.dayOfWeek() == Qt::Sunday) {
            sunday = true;
            QVERIFY(calendar.cell(0)->record());
            QCOMPARE(calendar.cell(0)->record()->day, 1);
        }
        if (first.dayOfWeek() == Qt::Saturday) {
            saturday = true;
            QVERIFY(!calendar.cell(5)->record());
            QCOMPARE(calendar.cell(6)->record()->day, 1);
        }
        if (first.daysInMonth() == 31 && first.dayOfWeek() >= Qt::Friday && first.dayOfWeek() <= Qt::Saturday) {
            sixthRow = true;
            QVERIFY(calendar.cell(35)->record());
            QCOMPARE(calendar.cell(35)->record()->day, 36 - first.dayOfWeek() % 7);
        }
    }
    if (!sunday || !saturday || !sixthRow)
        QSKIP("The covered months lack a Sunday or Saturday start or a six-row month");
}

void TestCalendar::calendarMarksTodayOnly()
{
    const QDate today = QDate::currentDate();
    if (monthOf(today.month(), today.year()).isEmpty())
        QSKIP("Today's month is not covered");
    XCalendar calendar(appMain()->uiContext(), today.month(), today.year());
    int green = 0;
    for (int index = 0; index < XCalendar::CellCount; ++index) {
        XDateFrame *cell = calendar.cell(index);
        if (!isGreen(cell)) {
            if (QLabel *number = childLabel(cell, QStringLiteral("labelDay"))) {
                QVERIFY(!number->font().bold());
                QCOMPARE(number->palette().color(QPalette::Active, QPalette::WindowText), QColor(Qt::white));
            }
            continue;
        }
        ++green;
        QCOMPARE(cell->record()->day, today.day());
        QLabel *number = childLabel(cell, QStringLiteral("labelDay"));
        QLabel *hijri = childLabel(cell, QStringLiteral("labelHijriDay"));
        QVERIFY(number->font().bold());
        QVERIFY(hijri->font().bold());
        QCOMPARE(number->palette().color(QPalette::Active, QPalette::WindowText), QColor(Qt::black));
        QCOMPARE(hijri->palette().color(QPalette::Active, QPalette::WindowText), QColor(Qt::black));
    }
    QCOMPARE(green, 1);

    // Another month has no green cell.
    const QDate other = today.addMonths(today.month() == 1 ? 1 : -1);
    if (!monthOf(other.month(), other.year()).isEmpty()) {
        XCalendar otherCalendar(appMain()->uiContext(), other.month(), other.year());
        for (int index = 0; index < XCalendar::CellCount; ++index)
            QVERIFY(!isGreen(otherCalendar.cell(index)));
    }
}

void TestCalendar::calendarMovesTheGreenCellOnANewDay()
{
    const QDate today = QDate::currentDate();
    const QDate tomorrow = today.addDays(1);
    if (tomorrow.month() != today.month() || monthOf(today.month(), today.year()).isEmpty())
        QSKIP("Today's month is not covered or ends today");
    XCalendar calendar(appMain()->uiContext(), today.month(), today.year());
    QCOMPARE(calendar.filledOn(), today);
    const int firstCell = QDate(today.year(), today.month(), 1).dayOfWeek() % 7;
    XDateFrame *todayCell = calendar.cell(firstCell + today.day() - 1);
    XDateFrame *tomorrowCell = calendar.cell(firstCell + tomorrow.day() - 1);
    QVERIFY(isGreen(todayCell));

    // The same day: nothing is rebuilt.
    QLabel *label = childLabel(todayCell, QStringLiteral("labelDay"));
    calendar.refreshIfStale(today);
    QCOMPARE(childLabel(todayCell, QStringLiteral("labelDay")), label);

    // The next day: the green cell moves and only one cell is green.
    calendar.refreshIfStale(tomorrow);
    QCOMPARE(calendar.filledOn(), tomorrow);
    QVERIFY(!isGreen(todayCell));
    QVERIFY(isGreen(tomorrowCell));
    QVERIFY(childLabel(tomorrowCell, QStringLiteral("labelDay"))->font().bold());
    int green = 0;
    for (int index = 0; index < XCalendar::CellCount; ++index)
        green += isGreen(calendar.cell(index)) ? 1 : 0;
    QCOMPARE(green, 1);
}

void TestCalendar::calendarTexts()
{
    XCalendar calendar(appMain()->uiContext(), 2, m_lastYear);
    QCOMPARE(calendar.titleLabel()->text(), appLanguage()->monthName(2) + QLatin1Char(' ') + QString::number(m_lastYear));
    QVERIFY(qAbs(calendar.titleLabel()->x() + calendar.titleLabel()->width() / 2 - 150) <= 1);
    QCOMPARE(calendar.weekdayLabel(0)->text(), appLanguage()->text(QStringLiteral("DateTime.ShortSunday")));
    QCOMPARE(calendar.weekdayLabel(6)->text(), appLanguage()->text(QStringLiteral("DateTime.ShortSaturday")));

    appConfig().language = QStringLiteral("Bahasa Malaysia");
    QVERIFY(appLanguage()->load(true));
    QCOMPARE(calendar.titleLabel()->text(), appLanguage()->monthName(2) + QLatin1Char(' ') + QString::number(m_lastYear));
    QCOMPARE(calendar.weekdayLabel(1)->text(), appLanguage()->text(QStringLiteral("DateTime.ShortMonday")));
    QVERIFY(qAbs(calendar.titleLabel()->x() + calendar.titleLabel()->width() / 2 - 150) <= 1);
    appConfig().language = QStringLiteral("English");
    QVERIFY(appLanguage()->load(true));
    QCOMPARE(calendar.weekdayLabel(1)->text(), appLanguage()->text(QStringLiteral("DateTime.ShortMonday")));
}

void TestCalendar::popUpFollowsThePointer()
{
    XCalendar calendar(appMain()->uiContext(), m_lastMonth, m_lastYear);
    calendar.show();
    const int firstCell = QDate(m_lastYear, m_lastMonth, 1).dayOfWeek() % 7;
    XDateFrame *a = calendar.cell(firstCell + 9);
    XDateFrame *b = calendar.cell(firstCell + 10);
    XTimePanel *panel = calendar.timePanel();

    enter(a);
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->pos(), a->mapToGlobal(QPoint(a->width(), 0)));
    QCOMPARE(panel->findChild<QLabel *>(QStringLiteral("labelDate"))->text(),
             appLanguage()->shortDate(QDate(m_lastYear, m_lastMonth, 10)));
    QCOMPARE(panel->findChild<QLabel *>(QStringLiteral("labelTimeZohor"))->text(), a->record()->timeText(Zohor));

    // Leaving one cell for the next keeps the pop-up and moves it.
    leave(a);
    enter(b);
    QTRY_VERIFY(!panel->isHidePending());
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->pos(), b->mapToGlobal(QPoint(b->width(), 0)));
    QCOMPARE(panel->findChild<QLabel *>(QStringLiteral("labelDate"))->text(),
             appLanguage()->shortDate(QDate(m_lastYear, m_lastMonth, 11)));

    // Leaving the calendar hides it.
    leave(b);
    QTRY_VERIFY(!panel->isVisible());
}

void TestCalendar::emptyCellShowsNoPopUp()
{
    XCalendar calendar(appMain()->uiContext(), m_lastMonth, m_lastYear);
    calendar.show();
    XDateFrame *last = calendar.cell(XCalendar::CellCount - 1);
    if (last->record())
        QSKIP("The month fills all six rows");
    enter(last);
    QVERIFY(!calendar.timePanel()->isVisible());
}

void TestCalendar::pageHoldsEveryCoveredMonth()
{
    PageCalendar page(appMain()->uiContext());
    const QList<QPair<int, int>> months = coveredMonths();
    QCOMPARE(page.calendars().size(), months.size());
    int y = 10;
    for (int index = 0; index < months.size(); ++index) {
        XCalendar *calendar = page.calendars().at(index);
        QCOMPARE(calendar->month(), months.at(index).first);
        QCOMPARE(calendar->year(), months.at(index).second);
        QCOMPARE(calendar->parentWidget(), page.contentWidget());
        if (index % 2 == 0) {
            QCOMPARE(calendar->pos(), QPoint(20, y));
            y += calendar->height() + 10;
        } else {
            QCOMPARE(calendar->pos(), QPoint(calendar->width() + 35, page.calendars().at(index - 1)->y()));
        }
    }
    QCOMPARE(page.contentWidget()->height(), y + 10);
    QCOMPARE(page.scrollArea()->widget(), page.contentWidget());

    page.resize(648, 375);
    page.show();
    QCOMPARE(page.scrollArea()->geometry(), QRect(0, 0, 648, 375));
    QCOMPARE(page.contentWidget()->size(), QSize(638, y + 10));
}

void TestCalendar::pageScrollsToTopAndHidesPopUps()
{
    PageCalendar page(appMain()->uiContext());
    page.resize(648, 375);
    page.show();
    QScrollBar *bar = page.scrollArea()->verticalScrollBar();
    QTRY_VERIFY(bar->maximum() > 0);
    bar->setValue(bar->maximum());
    page.slotScrollToTop();
    QCOMPARE(bar->value(), 0);

    XCalendar *calendar = page.calendars().first();
    const int firstCell = QDate(calendar->year(), calendar->month(), 1).dayOfWeek() % 7;
    enter(calendar->cell(firstCell));
    QVERIFY(calendar->timePanel()->isVisible());
    page.slotHideTimePanel();
    QVERIFY(!calendar->timePanel()->isVisible());
}

void TestCalendar::zoneChangesDoNotPileUp()
{
    PageCalendar calendarPage(appMain()->uiContext());
    PageHome homePage(appMain()->uiContext());
    const QStringList zones = {QStringLiteral("Kota Kinabalu"), QStringLiteral("Kuala Lumpur")};

    QVERIFY(appAlmarikManager()->setZone(zones.at(0), false));
    const int calendarObjects = countObjects(&calendarPage);
    const int homeObjects = countObjects(&homePage);

    for (int change = 1; change <= 30; ++change)
        QVERIFY(appAlmarikManager()->setZone(zones.at(change % 2), false));
    QCOMPARE(appAlmarikManager()->zoneName(), zones.at(0));
    QCOMPARE(countObjects(&calendarPage), calendarObjects);
    QCOMPARE(countObjects(&homePage), homeObjects);

    // Each cell with a day has one pair of labels and one connection per
    // signal, and points at the current zone's record of its day.
    for (XCalendar *calendar : calendarPage.calendars()) {
        for (int index = 0; index < XCalendar::CellCount; ++index) {
            XDateFrame *cell = calendar->cell(index);
            const int expected = cell->record() ? 1 : 0;
            QCOMPARE(ConnectionCounter::receiversOf(cell, SIGNAL(showTime(XDateFrame*))), expected);
            QCOMPARE(ConnectionCounter::receiversOf(cell, SIGNAL(hideTime(XDateFrame*))), expected);
            QCOMPARE(cell->findChildren<QLabel *>().size(), expected * 2);
            if (cell->record()) {
                DailyTimes stored;
                QVERIFY(appAlmarikManager()->timesOfDay(cell->record()->day, calendar->month(), calendar->year(), stored));
                QCOMPARE(cell->record()->timeText(Zohor), stored.timeText(Zohor));
            }
        }
    }
}

void TestCalendar::mainWindowShowsTheCalendarFromTheTop()
{
    appConfig().showSplashScreen = false;
    DialogMain window(appMain()->uiContext());
    auto *page = window.findChild<PageCalendar *>();
    QVERIFY(page);
    QCOMPARE(window.pages().value(1), page);
    window.show();
    window.slotButtonCalendar();
    QCOMPARE(window.currentPage(), page);
    QScrollBar *bar = page->scrollArea()->verticalScrollBar();
    QTRY_VERIFY(bar->maximum() > 0);
    bar->setValue(bar->maximum());
    window.slotButtonHome();
    window.slotButtonCalendar();
    QCOMPARE(bar->value(), 0);

    // Moving the window hides a pop-up that would otherwise stay behind.
    XCalendar *calendar = page->calendars().first();
    enter(calendar->cell(QDate(calendar->year(), calendar->month(), 1).dayOfWeek() % 7));
    QVERIFY(calendar->timePanel()->isVisible());
    window.move(window.pos() + QPoint(7, 5));
    QVERIFY(!calendar->timePanel()->isVisible());
}

int main(int argc, char *argv[])
{
    return runViewTest<TestCalendar>(argc, argv);
}

#include "test_calendar.moc"
