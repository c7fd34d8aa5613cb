// The day pop-up, the month calendars and the calendar page, against the
// shipped timetable data.

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QComboBox>
#include <QtTest>

#include "app/appmain.h"
#include "core/dailytimes.h"
#include "core/almarikmanager.h"
#include "core/language.h"
#include "core/appconfig.h"
#include "ui/main/dialogmain.h"
#include "ui/pages/pagecalendar.h"
#include "ui/pages/pagehome.h"
#include "ui/pages/panelalmarik.h"
#include "ui/pages/xcalendar.h"
#include "ui/pages/xtimepanel.h"
#include "viewsharness.h"

namespace {
const QColor TodayGreen(48, 184, 65);
const QColor HijriYellow(247, 255, 37);

// Number of receivers of a signal, to find piled-up connections.
struct ConnectionCounter : public QObject
{
    static int receiversOf(const QObject *object, const char *signal)
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

// Rests the pointer on a cell of a calendar, as a mouse move without buttons.
void hover(XCalendar *calendar, int index)
{
    const QPoint at = calendar->cellRect(index).center();
    QMouseEvent event(QEvent::MouseMove, at, calendar->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(calendar, &event);
}

void leave(QWidget *widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(widget, &event);
}

// Whether a part of a picture holds ink of a text colour, allowing for
// the smoothing of the glyphs' edges: the picture is taken on black, where
// nothing else is that light.
bool painted(const QImage &picture, qreal scale, const QRect &part, const QColor &colour)
{
    const QRect pixels(part.topLeft() * scale, part.size() * scale);
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        for (int x = pixels.left(); x <= pixels.right(); ++x) {
            const QColor pixel = picture.pixelColor(x, y);
            if (qAbs(pixel.red() - colour.red()) < 60 && qAbs(pixel.green() - colour.green()) < 60
                    && qAbs(pixel.blue() - colour.blue()) < 60)
                return true;
        }
    }
    return false;
}

// The calendar's picture on a black background.
QImage pictureOnBlack(XCalendar &calendar)
{
    QPalette palette = calendar.palette();
    palette.setColor(QPalette::Window, Qt::black);
    calendar.setPalette(palette);
    return calendar.grab().toImage();
}

// The cells painted green, read from the calendar's picture just inside
// each cell's top left corner, clear of both numbers.
QList<int> paintedGreen(XCalendar &calendar)
{
    const QImage picture = calendar.grab().toImage();
    const qreal scale = picture.width() / qreal(calendar.width());
    QList<int> green;
    for (int index = 0; index < XCalendar::CellCount; ++index) {
        const QPoint inside = calendar.cellRect(index).topLeft() + QPoint(2, 2);
        if (picture.pixelColor(inside * scale) == TodayGreen)
            green.append(index);
    }
    return green;
}
}

class TestCalendar : public QObject
{
    Q_OBJECT

private slots:
    void pageOpensAtTodaysMonth();
    void displaySettingsFollowTheChoices_data();
    void displaySettingsFollowTheChoices();
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
    void pageReadsOnlyTheMonthsInView();
    void pageScrollsToTopAndHidesPopUps();
    void zoneChangesDoNotPileUp();
    void mainWindowShowsTheCalendarAtToday();

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
    XTimePanel panel(appAlmarikManager(), appLanguage());
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
    XTimePanel panel(appAlmarikManager(), appLanguage());
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
    XCalendar calendar(month, year, appAlmarikManager(), appLanguage());
    const QList<DailyTimes> days = monthOf(month, year);
    const QDate first(year, month, 1);
    QCOMPARE(days.size(), first.daysInMonth());
    const int firstCell = first.dayOfWeek() % 7;
    const QImage picture = pictureOnBlack(calendar);
    const qreal scale = picture.width() / qreal(calendar.width());

    for (int index = 0; index < XCalendar::CellCount; ++index) {
        const int dayIndex = index - firstCell;
        // Seven to a row, left to right, rows downwards, inside the calendar.
        const QRect cell = calendar.cellRect(index);
        QVERIFY(calendar.rect().contains(cell));
        QCOMPARE(calendar.cellAt(cell.center()), index);
        if (index % 7)
            QVERIFY(cell.left() > calendar.cellRect(index - 1).left() && cell.top() == calendar.cellRect(index - 1).top());
        else if (index)
            QVERIFY(cell.top() > calendar.cellRect(index - 7).top() && cell.left() == calendar.cellRect(index - 7).left());
        if (dayIndex < 0 || dayIndex >= days.size()) {
            QVERIFY(!painted(picture, scale, cell.adjusted(1, 1, -1, -1), Qt::white));
            QVERIFY(!painted(picture, scale, cell.adjusted(1, 1, -1, -1), HijriYellow));
            QVERIFY(!calendar.day(index));
            QCOMPARE(calendar.dayNumber(index), 0);
            QCOMPARE(calendar.hijriDayNumber(index), 0);
            continue;
        }
        const DailyTimes *day = &days.at(dayIndex);
        QVERIFY(calendar.day(index));
        QCOMPARE(calendar.day(index)->day, day->day);
        QCOMPARE(calendar.day(index)->month, day->month);
        QCOMPARE(calendar.day(index)->timeText(Zohor), day->timeText(Zohor));
        // The day in the lower left, the Hijri day in the upper right.
        if (index != calendar.todayCell()) {
            const QRect inside = cell.adjusted(1, 1, -1, -1);
            const QRect leftHalf(inside.topLeft(), QSize(inside.width() / 2, inside.height()));
            const QRect rightHalf = leftHalf.translated(inside.width() - leftHalf.width(), 0);
            const QRect topThird(inside.topLeft(), QSize(inside.width(), inside.height() / 3));
            const QRect bottomThird = topThird.translated(0, inside.height() - topThird.height());
            QVERIFY(painted(picture, scale, leftHalf, Qt::white));
            QVERIFY(!painted(picture, scale, rightHalf, Qt::white));
            QVERIFY(!painted(picture, scale, topThird, Qt::white));
            QVERIFY(painted(picture, scale, rightHalf, HijriYellow));
            QVERIFY(!painted(picture, scale, leftHalf, HijriYellow));
            QVERIFY(!painted(picture, scale, bottomThird, HijriYellow));
        }
        QCOMPARE(day->day, dayIndex + 1);
        QCOMPARE(calendar.dayNumber(index), dayIndex + 1);
        QCOMPARE(calendar.hijriDayNumber(index), day->hijriDay);
    }
    QCOMPARE(calendar.cellAt(calendar.titleRect().center()), -1);

    const DailyTimes *firstDay = &days.first();
    const DailyTimes *lastDay = &days.last();
    const QString expected = firstDay->hijriMonthName == lastDay->hijriMonthName
            ? QStringLiteral("%1 %2").arg(lastDay->hijriMonthName).arg(lastDay->hijriYear)
            : QStringLiteral("%1 - %2 %3").arg(firstDay->hijriMonthName, lastDay->hijriMonthName).arg(lastDay->hijriYear);
    QCOMPARE(calendar.hijriText(), expected);
    QVERIFY(qAbs(calendar.hijriRect().center().x() - 150) <= 1);
    QVERIFY(calendar.hijriRect().top() >= calendar.titleRect().bottom());
}

void TestCalendar::calendarWeekStartsOnSunday()
{
    bool sunday = false, saturday = false, sixthRow = false;
    for (const auto &month : coveredMonths()) {
        const QDate first(month.second, month.first, 1);
        XCalendar calendar(month.first, month.second, appAlmarikManager(), appLanguage());
        if (first.dayOfWeek() == Qt::Sunday) {
            sunday = true;
            QVERIFY(calendar.day(0));
            QCOMPARE(calendar.day(0)->day, 1);
        }
        if (first.dayOfWeek() == Qt::Saturday) {
            saturday = true;
            QVERIFY(!calendar.day(5));
            QCOMPARE(calendar.day(6)->day, 1);
        }
        if (first.daysInMonth() == 31 && first.dayOfWeek() >= Qt::Friday && first.dayOfWeek() <= Qt::Saturday) {
            sixthRow = true;
            QVERIFY(calendar.day(35));
            QCOMPARE(calendar.day(35)->day, 36 - first.dayOfWeek() % 7);
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
    XCalendar calendar(today.month(), today.year(), appAlmarikManager(), appLanguage());
    const int todayCell = calendar.todayCell();
    QVERIFY(todayCell >= 0);
    QCOMPARE(calendar.day(todayCell)->day, today.day());
    QCOMPARE(paintedGreen(calendar), QList<int>{todayCell});

    // Another month has no green cell.
    const QDate other = today.addMonths(today.month() == 1 ? 1 : -1);
    if (!monthOf(other.month(), other.year()).isEmpty()) {
        XCalendar otherCalendar(other.month(), other.year(), appAlmarikManager(), appLanguage());
        QCOMPARE(otherCalendar.todayCell(), -1);
        QVERIFY(paintedGreen(otherCalendar).isEmpty());
    }
}

void TestCalendar::calendarMovesTheGreenCellOnANewDay()
{
    const QDate today = QDate::currentDate();
    const QDate tomorrow = today.addDays(1);
    if (tomorrow.month() != today.month() || monthOf(today.month(), today.year()).isEmpty())
        QSKIP("Today's month is not covered or ends today");
    XCalendar calendar(today.month(), today.year(), appAlmarikManager(), appLanguage());
    QCOMPARE(calendar.filledOn(), today);
    const int firstCell = QDate(today.year(), today.month(), 1).dayOfWeek() % 7;
    const int todayCell = firstCell + today.day() - 1;
    QCOMPARE(calendar.todayCell(), todayCell);

    // The same day: nothing changes.
    calendar.refreshIfStale(today);
    QCOMPARE(calendar.todayCell(), todayCell);

    // The next day: the green cell moves and only one cell is green.
    calendar.refreshIfStale(tomorrow);
    QCOMPARE(calendar.filledOn(), tomorrow);
    QCOMPARE(calendar.todayCell(), todayCell + 1);
    QCOMPARE(paintedGreen(calendar), QList<int>{todayCell + 1});
}

void TestCalendar::calendarTexts()
{
    XCalendar calendar(2, m_lastYear, appAlmarikManager(), appLanguage());
    QCOMPARE(calendar.titleText(), appLanguage()->monthName(2) + QLatin1Char(' ') + QString::number(m_lastYear));
    QVERIFY(qAbs(calendar.titleRect().center().x() - 150) <= 1);
    QCOMPARE(calendar.weekdayText(0), appLanguage()->text(QStringLiteral("DateTime.ShortSunday")));
    QCOMPARE(calendar.weekdayText(6), appLanguage()->text(QStringLiteral("DateTime.ShortSaturday")));
    const QString englishTitle = calendar.titleText();

    appConfig().language = QStringLiteral("Bahasa Malaysia");
    QVERIFY(appLanguage()->load(true));
    QCOMPARE(calendar.titleText(), appLanguage()->monthName(2) + QLatin1Char(' ') + QString::number(m_lastYear));
    QVERIFY(calendar.titleText() != englishTitle);
    QCOMPARE(calendar.weekdayText(1), appLanguage()->text(QStringLiteral("DateTime.ShortMonday")));
    QVERIFY(qAbs(calendar.titleRect().center().x() - 150) <= 1);
    // The pop-up outlives a language change and names the times anew.
    DailyTimes day;
    day.month = 2;
    calendar.timePanel()->setDay(day);
    QCOMPARE(calendar.timePanel()->findChild<QLabel *>(QStringLiteral("labelNameZohor"))->text(),
             appLanguage()->text(QStringLiteral("Prayer.Zohor")));
    appConfig().language = QStringLiteral("English");
    QVERIFY(appLanguage()->load(true));
    QCOMPARE(calendar.weekdayText(1), appLanguage()->text(QStringLiteral("DateTime.ShortMonday")));
}

void TestCalendar::popUpFollowsThePointer()
{
    XCalendar calendar(m_lastMonth, m_lastYear, appAlmarikManager(), appLanguage());
    calendar.show();
    const int firstCell = QDate(m_lastYear, m_lastMonth, 1).dayOfWeek() % 7;
    const int a = firstCell + 9;
    const int b = firstCell + 10;
    XTimePanel *panel = calendar.timePanel();

    hover(&calendar, a);
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->pos(), calendar.mapToGlobal(calendar.cellRect(a).topRight() + QPoint(1, 0)));
    QCOMPARE(panel->findChild<QLabel *>(QStringLiteral("labelDate"))->text(),
             appLanguage()->shortDate(QDate(m_lastYear, m_lastMonth, 10)));
    QCOMPARE(panel->findChild<QLabel *>(QStringLiteral("labelTimeZohor"))->text(), calendar.day(a)->timeText(Zohor));

    // Moving from one cell to the next keeps the pop-up and moves it.
    hover(&calendar, b);
    QTRY_VERIFY(!panel->isHidePending());
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->pos(), calendar.mapToGlobal(calendar.cellRect(b).topRight() + QPoint(1, 0)));
    QCOMPARE(panel->findChild<QLabel *>(QStringLiteral("labelDate"))->text(),
             appLanguage()->shortDate(QDate(m_lastYear, m_lastMonth, 11)));

    // Leaving the calendar hides it.
    leave(&calendar);
    QTRY_VERIFY(!panel->isVisible());

    // Coming back to the same cell shows it again.
    hover(&calendar, b);
    QVERIFY(panel->isVisible());
    leave(&calendar);
    QTRY_VERIFY(!panel->isVisible());
}

void TestCalendar::emptyCellShowsNoPopUp()
{
    XCalendar calendar(m_lastMonth, m_lastYear, appAlmarikManager(), appLanguage());
    calendar.show();
    if (calendar.day(XCalendar::CellCount - 1))
        QSKIP("The month fills all six rows");
    hover(&calendar, XCalendar::CellCount - 1);
    QVERIFY(!calendar.timePanel()->isVisible());
}

void TestCalendar::pageHoldsEveryCoveredMonth()
{
    PageCalendar page(appAlmarikManager(), appLanguage());
    const QList<QPair<int, int>> months = coveredMonths();
    QCOMPARE(page.calendars().size(), months.size());
    int y = 10;
    for (int index = 0; index < months.size(); ++index) {
        XCalendar *calendar = page.calendars().at(index);
        QCOMPARE(calendar->month(), months.at(index).first);
        QCOMPARE(calendar->year(), months.at(index).second);
        QCOMPARE(calendar->parentWidget(), page.contentWidget());
        // One pop-up for the whole page.
        QCOMPARE(calendar->timePanel(), page.timePanel());
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

void TestCalendar::pageReadsOnlyTheMonthsInView()
{
    // A page of many months reads only those it paints, before and after a
    // zone change, and the rest as they scroll into view.
    PageCalendar page(appAlmarikManager(), appLanguage());
    page.resize(648, 375);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    const QList<XCalendar *> &calendars = page.calendars();
    if (calendars.size() < 6)
        QSKIP("Too few months to scroll");
    const auto inView = [&](XCalendar *calendar) {
        // The content lies in the viewport, moved up by the scrolling.
        const QRect viewport(-page.contentWidget()->pos(), page.scrollArea()->viewport()->size());
        return calendar->geometry().intersects(viewport);
    };
    QTRY_VERIFY(calendars.first()->isFilled());
    QVERIFY(!calendars.last()->isFilled());

    QVERIFY(appAlmarikManager()->setZone(QStringLiteral("Kota Kinabalu"), false));
    QVERIFY(!calendars.first()->isFilled());
    QTRY_VERIFY(calendars.first()->isFilled());
    for (XCalendar *calendar : calendars)
        QCOMPARE(calendar->isFilled(), inView(calendar));

    QScrollBar *bar = page.scrollArea()->verticalScrollBar();
    bar->setValue(bar->maximum());
    QTRY_VERIFY(calendars.last()->isFilled());
    // What was read is the new zone's.
    const int firstCell = QDate(calendars.last()->year(), calendars.last()->month(), 1).dayOfWeek() % 7;
    DailyTimes stored;
    QVERIFY(appAlmarikManager()->timesOfDay(1, calendars.last()->month(), calendars.last()->year(), stored));
    QCOMPARE(calendars.last()->day(firstCell)->timeText(Zohor), stored.timeText(Zohor));
}

void TestCalendar::pageScrollsToTopAndHidesPopUps()
{
    PageCalendar page(appAlmarikManager(), appLanguage());
    page.resize(648, 375);
    page.show();
    QScrollBar *bar = page.scrollArea()->verticalScrollBar();
    QTRY_VERIFY(bar->maximum() > 0);
    bar->setValue(bar->maximum());
    page.slotScrollToTop();
    QCOMPARE(bar->value(), 0);

    XCalendar *calendar = page.calendars().first();
    const int firstCell = QDate(calendar->year(), calendar->month(), 1).dayOfWeek() % 7;
    hover(calendar, firstCell);
    QVERIFY(page.timePanel()->isVisible());
    page.slotHideTimePanel();
    QVERIFY(!page.timePanel()->isVisible());
    // The next rest on the same cell shows it again.
    hover(calendar, firstCell);
    QVERIFY(page.timePanel()->isVisible());
    // Hiding the page takes the pop-up along.
    page.hide();
    QTRY_VERIFY(!page.timePanel()->isVisible());
}

void TestCalendar::zoneChangesDoNotPileUp()
{
    PageCalendar calendarPage(appAlmarikManager(), appLanguage());
    PageHome homePage(appMain()->uiContext());
    const QStringList zones = {QStringLiteral("Kota Kinabalu"), QStringLiteral("Kuala Lumpur")};

    QVERIFY(appAlmarikManager()->setZone(zones.at(0), false));
    const int calendarObjects = countObjects(&calendarPage);
    const int homeObjects = countObjects(&homePage);
    const int listeners = ConnectionCounter::receiversOf(appAlmarikManager(), SIGNAL(updated()));

    for (int change = 1; change <= 30; ++change) {
        QVERIFY(appAlmarikManager()->setZone(zones.at(change % 2), false));
        // Every other change is looked at, as a repaint would.
        if (change % 2)
            calendarPage.calendars().first()->dayNumber(0);
    }
    QCOMPARE(appAlmarikManager()->zoneName(), zones.at(0));
    QCOMPARE(countObjects(&calendarPage), calendarObjects);
    QCOMPARE(countObjects(&homePage), homeObjects);
    QCOMPARE(ConnectionCounter::receiversOf(appAlmarikManager(), SIGNAL(updated())), listeners);

    // Each cell with a day points at the current zone's record of its day.
    for (XCalendar *calendar : calendarPage.calendars()) {
        for (int index = 0; index < XCalendar::CellCount; ++index) {
            if (const DailyTimes *day = calendar->day(index)) {
                DailyTimes stored;
                QVERIFY(appAlmarikManager()->timesOfDay(day->day, calendar->month(), calendar->year(), stored));
                QCOMPARE(day->timeText(Zohor), stored.timeText(Zohor));
            }
        }
    }
}

void TestCalendar::mainWindowShowsTheCalendarAtToday()
{
    appConfig().showSplashScreen = false;
    DialogMain window(appMain()->uiContext());
    window.show();
    // Built when first shown, as the second page of the list.
    QVERIFY(!window.findChild<PageCalendar *>());
    window.slotButtonCalendar();
    auto *page = window.findChild<PageCalendar *>();
    QVERIFY(page);
    QCOMPARE(window.page<PageCalendar>(), page);
    QCOMPARE(window.pages().value(1), page);
    QCOMPARE(window.currentPage(), page);
    QScrollBar *bar = page->scrollArea()->verticalScrollBar();
    QTRY_VERIFY(bar->maximum() > 0);
    // Each opening comes back to today's month, wherever the page was left.
    const int todays = bar->value();
    bar->setValue(todays == bar->maximum() ? 0 : bar->maximum());
    window.slotButtonHome();
    window.slotButtonCalendar();
    QCOMPARE(bar->value(), todays);

    // Moving the window hides a pop-up that would otherwise stay behind.
    XCalendar *calendar = page->calendars().first();
    hover(calendar, QDate(calendar->year(), calendar->month(), 1).dayOfWeek() % 7);
    QVERIFY(page->timePanel()->isVisible());
    window.move(window.pos() + QPoint(7, 5));
    QVERIFY(!page->timePanel()->isVisible());
}

int main(int argc, char *argv[])
{
    return runViewTest<TestCalendar>(argc, argv);
}

// The calendar button opens the page on today's month, with a scroll bar
// that says there is more.
void TestCalendar::pageOpensAtTodaysMonth()
{
    appConfig().showSplashScreen = false;
    DialogMain window(appMain()->uiContext());
    window.show();
    window.slotButtonCalendar();
    auto *page = window.findChild<PageCalendar *>();
    QVERIFY(page && page->isVisible());
    const QDate today = QDate::currentDate();
    XCalendar *current = nullptr;
    for (XCalendar *calendar : page->calendars()) {
        if (calendar->year() == today.year() && calendar->month() == today.month())
            current = calendar;
    }
    if (!current || page->calendars().size() < 3)
        QSKIP("The shipped data does not cover today's month");
    QScrollBar *bar = page->scrollArea()->verticalScrollBar();
    QVERIFY(bar->isVisible());
    QWidget *viewport = page->scrollArea()->viewport();
    const QRect shown = QRect(current->mapTo(viewport, QPoint(0, 0)), current->size());
    QVERIFY2(viewport->rect().contains(shown.topLeft()), qPrintable(QStringLiteral("%1,%2").arg(shown.x()).arg(shown.y())));
    if (page->calendars().first() != current)
        QVERIFY(bar->value() > 0);
}

void TestCalendar::displaySettingsFollowTheChoices_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("hourEntry");
    QTest::addColumn<int>("hijriEntry");
    QTest::addColumn<int>("shift");
    QTest::addColumn<QString>("am");
    QTest::addColumn<QString>("pm");
    QTest::newRow("English, 12 hours, +1 day") << "English" << 0 << 3 << 1 << "am" << "pm";
    QTest::newRow("Malay, 12 hours, -2 days") << "Bahasa Malaysia" << 0 << 2 << -2 << "pg" << "ptg";
    QTest::newRow("Malay, 24 hours, +2 days") << "Bahasa Malaysia" << 1 << 4 << 2 << "" << "";
    QTest::newRow("English, 24 hours, none") << "English" << 1 << 0 << 0 << "" << "";
}

// The clock and the Hijri adjustment, chosen on the settings page of the
// real window, change every time and Hijri date the other pages show; the
// timetable itself is left as it is.
void TestCalendar::displaySettingsFollowTheChoices()
{
    QFETCH(QString, language);
    QFETCH(int, hourEntry);
    QFETCH(int, hijriEntry);
    QFETCH(int, shift);
    QFETCH(QString, am);
    QFETCH(QString, pm);
    const QDate today = QDate::currentDate();
    QList<DailyTimes> table;
    if (!appAlmarikManager()->timesOfMonth(today.month(), today.year(), table)
            || QDate(today.year(), today.month(), 1).addDays(-2) < QDate(m_firstYear, m_firstMonth, 1)
            || QDate(today.year(), today.month(), 1).addMonths(1).addDays(2) > QDate(m_lastYear, m_lastMonth, 1).addMonths(1))
        QSKIP("The shipped data does not cover today's month and its neighbours");
    appConfig().hourSystem = AppConfig::Hour24;
    appConfig().hijriAdjustment = AppConfig::HijriNone;
    appConfig().language = language;
    QVERIFY(appLanguage()->load(true));
    appConfig().showSplashScreen = false;

    DialogMain window(appMain()->uiContext());
    window.pages();
    auto *hours = window.findChild<QComboBox *>(QStringLiteral("comboHourSystem"));
    auto *hijri = window.findChild<QComboBox *>(QStringLiteral("comboHijri"));
    QVERIFY(hours && hijri);
    hours->setCurrentIndex(hourEntry);
    hijri->setCurrentIndex(hijriEntry);
    QCOMPARE(appConfig().hourSystem, hourEntry);
    QCOMPARE(appConfig().hijriAdjustment, hijriEntry);
    window.show();

    auto expectedTime = [&](const DailyTimes &day, int slot) {
        const int h = day.hour(slot);
        if (hourEntry != AppConfig::Hour12)
            return day.timeText(slot);
        return QStringLiteral("%1:%2 %3").arg(h % 12 == 0 ? 12 : h % 12)
                .arg(day.minute(slot), 2, 10, QLatin1Char('0')).arg(h < 12 ? am : pm);
    };
    // The table's Hijri date of the day `shift` days after `date`.
    auto tableHijri = [&](const QDate &date) {
        DailyTimes partner;
        const QDate shifted = date.addDays(shift);
        appAlmarikManager()->timesOfDay(shifted.day(), shifted.month(), shifted.year(), partner);
        return partner;
    };

    // Home page: the grid's times and the Hijri title.
    auto *home = window.findChild<PageHome *>();
    QVERIFY(home);
    QCOMPARE(home->shownDate().month(), today.month());
    auto *grid = home->findChild<PanelAlmarik *>();
    QVERIFY(grid);
    for (int slot : {int(Subuh), int(Zohor), int(Isyak)})
        QCOMPARE(grid->cellText(0, slot + 1), expectedTime(table.first(), slot));
    const QDate first(today.year(), today.month(), 1);
    const QString homeTitle = home->findChild<QLabel *>(QStringLiteral("labelHijri"))->text();
    if (shift == 0)
        QCOMPARE(homeTitle, appAlmarikManager()->hijriMonthTitle(today.year(), today.month()));
    else
        QVERIFY2(homeTitle.startsWith(tableHijri(first).hijriMonthName), qPrintable(homeTitle));

    // Calendar page: the Hijri day of each cell, the title and the pop-up.
    auto *calendars = window.findChild<PageCalendar *>();
    QVERIFY(calendars);
    XCalendar *calendar = nullptr;
    for (XCalendar *candidate : calendars->calendars()) {
        if (candidate->month() == today.month() && candidate->year() == today.year())
            calendar = candidate;
    }
    QVERIFY(calendar);
    const int firstCell = first.dayOfWeek() % 7;
    for (int day = 1; day <= first.daysInMonth(); ++day)
        QCOMPARE(calendar->hijriDayNumber(firstCell + day - 1), tableHijri(first.addDays(day - 1)).hijriDay);
    QVERIFY2(calendar->hijriText().startsWith(tableHijri(first).hijriMonthName), qPrintable(calendar->hijriText()));
    calendar->show();
    hover(calendar, firstCell + 9);
    XTimePanel *panel = calendar->timePanel();
    QCOMPARE(panel->findChild<QLabel *>(QStringLiteral("labelTimeZohor"))->text(), expectedTime(table.at(9), Zohor));
    QCOMPARE(panel->findChild<QLabel *>(QStringLiteral("labelTimeSubuh"))->text(), expectedTime(table.at(9), Subuh));
    QVERIFY(panel->findChild<QLabel *>(QStringLiteral("labelHijri"))->text()
                .contains(QString::number(tableHijri(first.addDays(9)).hijriDay)));

    // The stored timetable is untouched.
    QList<DailyTimes> again;
    QVERIFY(appAlmarikManager()->timesOfMonth(today.month(), today.year(), again));
    QCOMPARE(again.at(9).hijriDay, table.at(9).hijriDay);

    appConfig().hourSystem = AppConfig::Hour24;
    appConfig().hijriAdjustment = AppConfig::HijriNone;
    appConfig().language = QStringLiteral("English");
    QVERIFY(appLanguage()->load(true));
}

#include "test_calendar.moc"
