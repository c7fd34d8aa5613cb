// The home page and its month timetable, against the shipped timetable data.

#include <QLabel>
#include <QScrollArea>
#include <QScopeGuard>
#include <QScrollBar>
#include <QUrlQuery>
#include <QtTest>

#include <functional>

#include "app/appmain.h"
#include "core/appconfig.h"
#include "core/dailytimes.h"
#include "ui/controls/xurllabel.h"
#include "ui/main/dialogmain.h"
#include "ui/pages/pagecalendar.h"
#include "ui/pages/pagehome.h"
#include "ui/pages/panelalmarik.h"
#include "ui/pages/xcalendar.h"
#include "viewsharness.h"

namespace {
const QColor Yellow(247, 255, 37, 255);
const QColor White(255, 255, 255, 255);

QString clock(int hour, int minute)
{
    return QString::asprintf("%02d:%02d", hour, minute);
}

QList<DailyTimes> monthOf(int month, int year)
{
    QList<DailyTimes> days;
    appAlmarikManager()->timesOfMonth(month, year, days);
    return days;
}

int visibleRows(PanelAlmarik *panel)
{
    return panel->rowCount();
}

// Everything a user can read on the page, to tell whether anything moved.
struct PageState
{
    QDate date;
    QStringList texts;
    bool operator==(const PageState &other) const { return date == other.date && texts == other.texts; }
};

PageState stateOf(PageHome *page)
{
    PageState state;
    state.date = page->shownDate();
    const QList<QLabel *> labels = page->findChildren<QLabel *>();
    for (const QLabel *label : labels) {
        state.texts << QStringLiteral("%1=%2@%3,%4 %5").arg(label->objectName(), label->text())
                               .arg(label->x()).arg(label->y()).arg(label->isHidden() ? QStringLiteral("hidden") : QString());
    }
    const PanelAlmarik *panel = page->panel();
    for (int row = 0; row < panel->rowCount(); ++row) {
        for (int column = 0; column < PanelAlmarik::ColumnCount; ++column) {
            const QRect cell = panel->cellRect(row, column);
            state.texts << QStringLiteral("cell=%1@%2,%3").arg(panel->cellText(row, column)).arg(cell.x()).arg(cell.y());
        }
    }
    return state;
}
}

class TestHomePage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void panelFillsAMonth_data();
    void panelFillsAMonth();
    void panelMarksTodaysDayNumber();
    void panelHidesTheBarWhenTheMonthIsShort();

    void headerShowsTheZone();
    void goToTodayShowsTodaysMonth();
    void nextAndPreviousCrossTheYearEnd();
    void navigationPastTheDataKeepsEverything();
    void nowComesBackToToday();
    void monthClickUsesTodaysYear();
    void monthClickClampsTheDay();
    void zoneChangeRefreshesThePage();
    void languageChangeRelabels();
    void layoutStaysInsideThePage();
    void gridShowsWholeRows_data();
    void gridShowsWholeRows();
    void mainWindowComesBackOnToday();

private:
    bool covered(int month, int year) const;

    PageHome *m_page = nullptr;
    PromptWatcher *m_prompts = nullptr;
    int m_firstYear = 0, m_firstMonth = 0, m_lastYear = 0, m_lastMonth = 0;
};

void TestHomePage::initTestCase()
{
    QVERIFY(appAlmarikManager()->setZone(QStringLiteral("Kuala Lumpur"), false));
    QVERIFY(appAlmarikManager()->dateRange(m_firstYear, m_firstMonth, m_lastYear, m_lastMonth));
    const QDate today = QDate::currentDate();
    if (!covered(today.month(), today.year()))
        QSKIP("The shipped data does not cover today's month");
    m_prompts = new PromptWatcher;
    m_page = new PageHome(appMain()->uiContext());
    m_page->resize(648, 375);
    m_page->show();
}

void TestHomePage::init()
{
    QVERIFY(appAlmarikManager()->setZone(QStringLiteral("Kuala Lumpur"), false));
    m_page->slotGoToToday();
    m_prompts->clear();
}

void TestHomePage::cleanupTestCase()
{
    delete m_page;
    delete m_prompts;
}

bool TestHomePage::covered(int month, int year) const
{
    const int wanted = year * 12 + month;
    return wanted >= m_firstYear * 12 + m_firstMonth && wanted <= m_lastYear * 12 + m_lastMonth;
}

void TestHomePage::panelFillsAMonth_data()
{
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    // February of the last year is 28 or 29 days long; December has 31 and
    // April 30.
    QTest::newRow("February") << 2 << m_lastYear;
    QTest::newRow("April") << 4 << m_lastYear;
    QTest::newRow("December") << 12 << m_firstYear;
}

void TestHomePage::panelFillsAMonth()
{
    QFETCH(int, month);
    QFETCH(int, year);
    const QList<DailyTimes> days = monthOf(month, year);
    QCOMPARE(days.size(), QDate(year, month, 1).daysInMonth());

    PanelAlmarik panel;
    const int centres[9] = {22, 71, 130, 189, 248, 307, 366, 425, 484};
    panel.fill(518, centres, 9, days);

    QCOMPARE(panel.rowCount(), days.size());
    for (int row = 0; row < days.size(); ++row) {
        QCOMPARE(panel.cellText(row, 0), QString::number(row + 1));
        for (int slot = 0; slot < PrayerSlotCount; ++slot) {
            QCOMPARE(panel.cellText(row, slot + 1), clock(days.at(row).times[slot][0], days.at(row).times[slot][1]));
            const QRect cell = panel.cellRect(row, slot + 1);
            QVERIFY(qAbs(cell.center().x() - centres[slot + 1]) <= 1);
            QVERIFY(cell.width() > 0);
        }
        // Rows are stacked one pixel apart and do not overlap.
        if (row > 0) {
            const QRect above = panel.cellRect(row - 1, 0);
            QCOMPARE(panel.cellRect(row, 0).y(), above.bottom() + 2);
        }
    }
    QVERIFY(panel.cellText(days.size(), 1).isEmpty());
    QCOMPARE(panel.size(), QSize(518, panel.cellRect(days.size() - 1, 0).bottom() + 2));
}

void TestHomePage::panelMarksTodaysDayNumber()
{
    // Today's row is marked in today's month, and no row in another month
    // (the same day number of the month after).
    const QDate today(m_firstYear, 12, QDate::currentDate().day());
    const QList<DailyTimes> days = monthOf(12, m_firstYear);
    PanelAlmarik panel;
    const int centres[9] = {22, 71, 130, 189, 248, 307, 366, 425, 484};
    for (const QDate &markedOn : {today.addMonths(1), today}) {
        panel.fill(518, centres, 9, days, TimeFormat(), markedOn);
        const int todayRow = markedOn == today ? today.day() - 1 : -1;
        for (int row = 0; row < days.size(); ++row) {
            const bool marked = row == todayRow;
            for (int column = 0; column < PanelAlmarik::ColumnCount; ++column)
                QCOMPARE(panel.cellFont(row, column).bold(), marked);
            QCOMPARE(panel.cellColour(row), marked ? Yellow : White);
        }
        QCOMPARE(panel.todayRow(), todayRow);
        QCOMPARE(panel.highlightRect().isNull(), todayRow < 0);
    }
    // The bar spans the panel's width over today's row, and the painted
    // panel shows it there.
    const int todayRow = today.day() - 1;
    const QRect row = panel.cellRect(todayRow, 0);
    QCOMPARE(panel.highlightRect(), QRect(0, row.y(), 518, row.height()));
    QCOMPARE(panel.highlightY(), row.y());
    const QImage picture = panel.grab().toImage();
    const QRect other = panel.cellRect(todayRow == 0 ? 1 : 0, 0);
    QVERIFY(picture.pixelColor(2, row.center().y()) != picture.pixelColor(2, other.center().y()));
}

void TestHomePage::panelHidesTheBarWhenTheMonthIsShort()
{
    const QDate today(m_firstYear, 12, QDate::currentDate().day());
    if (today.day() == 1)
        QSKIP("Every month has a row for the 1st");
    const QList<DailyTimes> full = monthOf(12, m_firstYear);
    PanelAlmarik panel;
    const int centres[9] = {22, 71, 130, 189, 248, 307, 366, 425, 484};
    panel.fill(518, centres, 9, full, TimeFormat(), today);
    QVERIFY(!panel.highlightRect().isNull());

    // A month that ends before today's day number has no row to mark.
    const QList<DailyTimes> shorter = full.mid(0, today.day() - 1);
    panel.fill(518, centres, 9, shorter, TimeFormat(), today);
    QVERIFY(panel.highlightRect().isNull());
    QCOMPARE(panel.highlightY(), 0);
    QCOMPARE(visibleRows(&panel), shorter.size());
    for (int row = 0; row < shorter.size(); ++row)
        QVERIFY(!panel.cellFont(row, 0).bold());
}


void TestHomePage::headerShowsTheZone()
{
    AlmarikManager *manager = appAlmarikManager();
    auto *zone = m_page->findChild<QLabel *>(QStringLiteral("labelZone"));
    QCOMPARE(zone->text(), manager->zoneDisplayName());
    QVERIFY(zone->font().bold());
    QCOMPARE(zone->font().pointSize(), 12);
    QCOMPARE(zone->font().family(), QStringLiteral("Arial"));

    auto *gps = m_page->findChild<XUrlLabel *>(QStringLiteral("labelGps"));
    QCOMPARE(gps->text(), manager->coordinatesText());
    const QUrl url(gps->url());
    QCOMPARE(url.host(), QStringLiteral("www.openstreetmap.org"));
    const QUrlQuery query(url);
    QVERIFY(qAbs(query.queryItemValue(QStringLiteral("mlat")).toDouble() - manager->latitude()) < 1e-4);
    QVERIFY(qAbs(query.queryItemValue(QStringLiteral("mlon")).toDouble() - manager->longitude()) < 1e-3);
    QCOMPARE(url.fragment(), QStringLiteral("map=12/%1/%2").arg(manager->latitude(), 0, 'g', 6).arg(manager->longitude(), 0, 'g', 6));

    const QDate today = QDate::currentDate();
    QCOMPARE(m_page->findChild<QLabel *>(QStringLiteral("labelDate"))->text(),
             appLanguage()->monthName(today.month()) + QLatin1Char(' ') + QString::number(today.year()));
    QCOMPARE(m_page->findChild<QLabel *>(QStringLiteral("labelHijri"))->text(),
             manager->hijriMonthTitle(today.year(), today.month()));
    auto *source = m_page->findChild<XUrlLabel *>(QStringLiteral("labelSource"));
    QVERIFY(source->text().endsWith(QStringLiteral(": ") + manager->zoneSource()));
    QVERIFY(source->text().startsWith(appLanguage()->text(QStringLiteral("Almarik.Source"))));
    QCOMPARE(source->url(), manager->zoneSourceUrl());
    QVERIFY(!m_page->findChild<QLabel *>(QStringLiteral("labelTafsirQuran"))->text().isEmpty());
}


void TestHomePage::goToTodayShowsTodaysMonth()
{
    const QDate today = QDate::currentDate();
    m_page->slotShowNext();
    QVERIFY(m_page->shownDate() != today || !covered(today.addMonths(1).month(), today.addMonths(1).year()));
    m_page->slotGoToToday();
    QCOMPARE(m_page->shownDate(), today);
    QCOMPARE(m_page->days().size(), today.daysInMonth());
    QCOMPARE(visibleRows(m_page->panel()), today.daysInMonth());
    // Today's row is near the top of the scroll area.
    QScrollBar *bar = m_page->scrollArea()->verticalScrollBar();
    // The day before today stands at the top, whole.
    const int wanted = qMin(qMax(0, m_page->panel()->highlightY() - m_page->panel()->rowPitch()), bar->maximum());
    QCOMPARE(bar->value(), wanted);
    QVERIFY(m_page->panel()->highlightY() > 0 || today.day() == 1);
    QVERIFY(m_prompts->seen().isEmpty());
}

void TestHomePage::nextAndPreviousCrossTheYearEnd()
{
    if (!covered(12, m_firstYear) || !covered(1, m_firstYear + 1))
        QSKIP("The data has no year end inside it");
    QVERIFY(m_page->showMonth(QDate(m_firstYear, 12, 20)));
    m_page->slotShowNext();
    QCOMPARE(m_page->shownDate(), QDate(m_firstYear + 1, 1, 20));
    const QList<DailyTimes> &january = m_page->days();
    QCOMPARE(january.size(), 31);
    QCOMPARE(january.first().month, 1);
    QCOMPARE(january.first().year, m_firstYear + 1);
    QCOMPARE(m_page->findChild<QLabel *>(QStringLiteral("labelDate"))->text(),
             appLanguage()->monthName(1) + QLatin1Char(' ') + QString::number(m_firstYear + 1));

    m_page->slotShowPrevious();
    QCOMPARE(m_page->shownDate(), QDate(m_firstYear, 12, 20));
    QCOMPARE(m_page->days().first().month, 12);
    QCOMPARE(m_page->findChild<QLabel *>(QStringLiteral("labelDate"))->text(),
             appLanguage()->monthName(12) + QLatin1Char(' ') + QString::number(m_firstYear));
    QVERIFY(m_prompts->seen().isEmpty());
}

void TestHomePage::navigationPastTheDataKeepsEverything()
{
    // Forward past the last month.
    QVERIFY(m_page->showMonth(QDate(m_lastYear, m_lastMonth, 10)));
    const PageState last = stateOf(m_page);
    const int lastDays = m_page->days().size();
    m_page->slotShowNext();
    QCOMPARE(m_prompts->seen(), QStringList{QStringLiteral("PromptNoData")});
    QVERIFY(stateOf(m_page) == last);
    QCOMPARE(m_page->days().size(), lastDays);
    QCOMPARE(m_page->days().first().month, m_lastMonth);

    // Backward past the first month.
    m_prompts->clear();
    QVERIFY(m_page->showMonth(QDate(m_firstYear, m_firstMonth, 10)));
    const PageState first = stateOf(m_page);
    m_page->slotShowPrevious();
    QCOMPARE(m_prompts->seen(), QStringList{QStringLiteral("PromptNoData")});
    QVERIFY(stateOf(m_page) == first);
    QCOMPARE(m_page->days().first().month, m_firstMonth);
    QCOMPARE(m_page->days().first().year, m_firstYear);

    // Navigation still works from there.
    m_page->slotShowNext();
    QCOMPARE(m_page->shownDate(), QDate(m_firstYear, m_firstMonth, 10).addMonths(1));
}

void TestHomePage::nowComesBackToToday()
{
    QVERIFY(m_page->showMonth(QDate(m_lastYear, m_lastMonth, 3)));
    m_page->slotShowNow();
    QCOMPARE(m_page->shownDate(), QDate::currentDate());
    QCOMPARE(m_page->days().first().month, QDate::currentDate().month());
    QVERIFY(m_prompts->seen().isEmpty());
}

void TestHomePage::monthClickUsesTodaysYear()
{
    const QDate today = QDate::currentDate();
    const int otherYear = today.year() == m_lastYear ? m_firstYear : m_lastYear;
    if (otherYear == today.year() || !covered(3, today.year()) || !covered(6, otherYear))
        QSKIP("The data covers a single year");
    QVERIFY(m_page->showMonth(QDate(otherYear, 6, 12)));

    auto *march = m_page->findChild<XUrlLabel *>(QStringLiteral("labelMonth3"));
    QTest::mouseClick(march, Qt::LeftButton);
    QCOMPARE(m_page->shownDate(), QDate(today.year(), 3, 12));
    QCOMPARE(m_page->days().size(), 31);
    QCOMPARE(m_page->days().first().year, today.year());
    QCOMPARE(m_page->findChild<QLabel *>(QStringLiteral("labelDate"))->text(),
             appLanguage()->monthName(3) + QLatin1Char(' ') + QString::number(today.year()));
    QVERIFY(m_prompts->seen().isEmpty());
}

void TestHomePage::monthClickClampsTheDay()
{
    const QDate today = QDate::currentDate();
    const int otherYear = today.year() == m_lastYear ? m_firstYear : m_lastYear;
    if (!covered(1, otherYear) || !covered(2, today.year()) || !covered(3, today.year()))
        QSKIP("The data lacks the months this case needs");
    QVERIFY(m_page->showMonth(QDate(otherYear, 1, 31)));

    QTest::mouseClick(m_page->findChild<XUrlLabel *>(QStringLiteral("labelMonth2")), Qt::LeftButton);
    const QDate shown = m_page->shownDate();
    QVERIFY(shown.isValid());
    QCOMPARE(shown, QDate(today.year(), 2, QDate(today.year(), 2, 1).daysInMonth()));

    // Later navigation goes on from a valid date.
    m_page->slotShowNext();
    QCOMPARE(m_page->shownDate().month(), 3);
    QCOMPARE(m_page->shownDate().year(), today.year());
    QCOMPARE(m_page->days().first().month, 3);
    QVERIFY(m_prompts->seen().isEmpty());
}

void TestHomePage::zoneChangeRefreshesThePage()
{
    QVERIFY(m_page->showMonth(QDate(m_lastYear, 2, 1)));
    QVERIFY(appAlmarikManager()->setZone(QStringLiteral("Kota Kinabalu"), false));
    QCOMPARE(m_page->findChild<QLabel *>(QStringLiteral("labelZone"))->text(), appAlmarikManager()->zoneDisplayName());
    QCOMPARE(m_page->findChild<XUrlLabel *>(QStringLiteral("labelGps"))->text(), appAlmarikManager()->coordinatesText());
    // The same month, now with the other zone's times.
    QCOMPARE(m_page->shownDate(), QDate(m_lastYear, 2, 1));
    const QList<DailyTimes> days = monthOf(2, m_lastYear);
    QCOMPARE(m_page->days().size(), days.size());
    for (int row = 0; row < days.size(); ++row) {
        QCOMPARE(m_page->panel()->cellText(row, 5),
                 clock(days.at(row).times[Zohor][0], days.at(row).times[Zohor][1]));
    }
    QVERIFY(m_prompts->seen().isEmpty());
}

void TestHomePage::languageChangeRelabels()
{
    auto *frame = m_page->findChild<QWidget *>(QStringLiteral("frameNavigate"));
    QCOMPARE(frame->width(), 251);
    const QString englishJanuary = m_page->findChild<XUrlLabel *>(QStringLiteral("labelMonth1"))->text();

    appConfig().language = QStringLiteral("Bahasa Malaysia");
    QVERIFY(appLanguage()->load(true));
    QCOMPARE(m_page->findChild<XUrlLabel *>(QStringLiteral("labelMonth1"))->text(),
             appLanguage()->text(QStringLiteral("DateTime.January")));
    QVERIFY(m_page->findChild<XUrlLabel *>(QStringLiteral("labelMonth1"))->text() != englishJanuary);
    QCOMPARE(m_page->findChild<XUrlLabel *>(QStringLiteral("labelNext"))->text(),
             appLanguage()->text(QStringLiteral("Almarik.Next")));
    const QDate shown = m_page->shownDate();
    QCOMPARE(m_page->findChild<QLabel *>(QStringLiteral("labelDate"))->text(),
             appLanguage()->monthName(shown.month()) + QLatin1Char(' ') + QString::number(shown.year()));
    QCOMPARE(frame->width(), 265);

    appConfig().language = QStringLiteral("English");
    QVERIFY(appLanguage()->load(true));
    QCOMPARE(m_page->findChild<XUrlLabel *>(QStringLiteral("labelMonth1"))->text(), englishJanuary);
    QCOMPARE(frame->width(), 251);
}

void TestHomePage::layoutStaysInsideThePage()
{
    for (const QString &language : {QStringLiteral("English"), QStringLiteral("Bahasa Malaysia")}) {
        appConfig().language = language;
        QVERIFY(appLanguage()->load(true));
        const QRect page = m_page->rect();
        const QList<QWidget *> widgets = m_page->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
        for (const QWidget *widget : widgets) {
            if (widget->isHidden())
                continue;
            QVERIFY2(page.contains(widget->geometry()), qPrintable(language + QLatin1Char(' ') + widget->objectName()));
        }
        // The month links stand right of the timetable, one under the other
        // at an even pitch, between the second and the last rule.
        const QRect area = m_page->scrollArea()->geometry();
        auto *line2 = m_page->findChild<QWidget *>(QStringLiteral("labelLine2"));
        auto *line3 = m_page->findChild<QWidget *>(QStringLiteral("labelLine3"));
        QWidget *previous = nullptr;
        int pitch = 0;
        for (int k = 1; k <= 12; ++k) {
            auto *link = m_page->findChild<XUrlLabel *>(QStringLiteral("labelMonth%1").arg(k));
            QCOMPARE(link->x(), area.right() + 1 + 8);
            if (!previous) {
                QCOMPARE(link->y(), line2->y() + line2->height() + 5);
            } else {
                if (!pitch)
                    pitch = link->y() - previous->y();
                QCOMPARE(link->y() - previous->y(), pitch);
                QVERIFY(pitch > 0 && pitch <= previous->height() + 1);
            }
            previous = link;
        }
        QVERIFY(previous->y() + previous->height() <= line3->y());
        // The navigation links do not overlap.
        auto *before = m_page->findChild<QWidget *>(QStringLiteral("labelPrevious"));
        auto *now = m_page->findChild<QWidget *>(QStringLiteral("labelNow"));
        auto *after = m_page->findChild<QWidget *>(QStringLiteral("labelNext"));
        auto *frame = m_page->findChild<QWidget *>(QStringLiteral("frameNavigate"));
        QVERIFY(before->geometry().right() < now->x());
        QVERIFY(now->geometry().right() < after->x());
        QVERIFY(before->x() >= 0);
        QVERIFY(after->geometry().right() < frame->width());
    }
    appConfig().language = QStringLiteral("English");
    QVERIFY(appLanguage()->load(true));
}

void TestHomePage::gridShowsWholeRows_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("hours");
    QTest::newRow("English, 24-hour") << "English" << int(AppConfig::Hour24);
    QTest::newRow("Malay, 24-hour") << "Bahasa Malaysia" << int(AppConfig::Hour24);
    QTest::newRow("English, 12-hour") << "English" << int(AppConfig::Hour12);
    QTest::newRow("Malay, 12-hour") << "Bahasa Malaysia" << int(AppConfig::Hour12);
}

// However the grid is scrolled (scroll bar, arrow keys, page keys, the
// wheel, today's row), every cell is either wholly inside the view or
// wholly outside it: no row is cut at the top or the bottom edge.
void TestHomePage::gridShowsWholeRows()
{
    QFETCH(QString, language);
    QFETCH(int, hours);
    const auto restore = qScopeGuard([this] {
        appConfig().language = QStringLiteral("English");
        appConfig().hourSystem = AppConfig::Hour24;
        appLanguage()->load(true);
        m_page->slotGoToToday();
    });
    appConfig().language = language;
    appConfig().hourSystem = hours;
    QVERIFY(appLanguage()->load(true));
    m_page->slotGoToToday();

    QScrollArea *area = m_page->scrollArea();
    QWidget *view = area->viewport();
    PanelAlmarik *panel = m_page->panel();
    const int rows = visibleRows(panel);
    QVERIFY(rows >= 28);
    auto *line3 = m_page->findChild<QWidget *>(QStringLiteral("labelLine3"));
    QVERIFY(area->geometry().bottom() < line3->y());

    QStringList seen;
    const auto verifyWholeRows = [&](const QString &how) {
        const QRect shown = view->rect();
        int whole = 0;
        for (int row = 0; row < rows; ++row) {
            for (int column = 0; column < PanelAlmarik::ColumnCount; ++column) {
                const QRect cell = panel->cellRect(row, column);
                const QRect rect(panel->mapTo(view, cell.topLeft()), cell.size());
                QVERIFY2(shown.contains(rect) || !shown.intersects(rect),
                         qPrintable(QStringLiteral("%1: row %2 is cut").arg(how).arg(row + 1)));
                if (column == 0 && shown.contains(rect))
                    ++whole;
            }
        }
        // The view is filled with rows: at least ten whole ones.
        QVERIFY2(whole >= 10, qPrintable(how));
        seen << QString::number(area->verticalScrollBar()->value());
    };

    QScrollBar *bar = area->verticalScrollBar();
    QVERIFY(bar->maximum() > 0);
    // Ways to scroll, each followed by the check; the first cut row ends
    // the test.
    QList<QPair<QString, std::function<void()>>> moves{{QStringLiteral("today"), [] {}}};
    for (int value = 0; value <= bar->maximum(); value += 7)
        moves.append({QStringLiteral("scroll bar at %1").arg(value), [bar, value] { bar->setValue(value); }});
    moves.append({QStringLiteral("top"), [bar] { bar->setValue(0); }});
    for (int step = 0; step < 4; ++step)
        moves.append({QStringLiteral("arrow key"), [area] { QTest::keyClick(area, Qt::Key_Down); }});
    moves.append({QStringLiteral("page key"), [area] { QTest::keyClick(area, Qt::Key_PageDown); }});
    moves.append({QStringLiteral("last page"), [area] {
                      for (int page = 0; page < 3; ++page)
                          QTest::keyClick(area, Qt::Key_PageDown);
                  }});
    moves.append({QStringLiteral("wheel"), [view] {
                      const QPoint middle = view->rect().center();
                      QWheelEvent wheel(middle, view->mapToGlobal(middle), QPoint(), QPoint(0, 120), Qt::NoButton,
                                        Qt::NoModifier, Qt::NoScrollPhase, false);
                      QApplication::sendEvent(view, &wheel);
                  }});
    int wheelFrom = 0;
    for (const auto &move : moves) {
        if (move.first == QLatin1String("wheel")) {
            QCOMPARE(bar->value(), bar->maximum());
            wheelFrom = bar->value();
        }
        move.second();
        verifyWholeRows(move.first);
        if (QTest::currentTestFailed())
            return;
    }
    QVERIFY(bar->value() < wheelFrom);
    // The positions reached differ: the grid did scroll.
    seen.removeDuplicates();
    QVERIFY(seen.size() > 3);
}

void TestHomePage::mainWindowComesBackOnToday()
{
    appConfig().showSplashScreen = false;
    DialogMain window(appMain()->uiContext());
    // The home page is built when the window is first shown.
    QVERIFY(!window.findChild<PageHome *>());
    window.show();
    auto *home = window.findChild<PageHome *>();
    QVERIFY(home);
    QCOMPARE(window.page<PageHome>(), home);
    QCOMPARE(window.builtPages(), QList<QWidget *>{home});
    QCOMPARE(window.currentPage(), home);
    QCOMPARE(home->shownDate(), QDate::currentDate());

    // Browse away, switch page, hide; showing the window again brings the
    // home page back at today's month.
    home->slotShowNext();
    QVERIFY(home->shownDate() != QDate::currentDate() || !m_prompts->seen().isEmpty());
    window.slotButtonCalendar();
    QVERIFY(window.currentPage() != home);
    window.hide();
    window.show();
    QCOMPARE(window.currentPage(), home);
    QCOMPARE(home->shownDate(), QDate::currentDate());
    QCOMPARE(home->days().first().month, QDate::currentDate().month());

    // The Home button does the same without hiding the window.
    home->slotShowPrevious();
    window.slotButtonHome();
    QCOMPARE(home->shownDate(), QDate::currentDate());

    // Left open over midnight: the last tick saw a day of last month, on
    // which the home page and the calendars were filled; the first tick of
    // today moves both on to today.
    const QDate today = QDate::currentDate();
    const QDate earlier = today.addMonths(-1);
    m_prompts->clear();
    home->slotShowPrevious();
    if (!m_prompts->seen().isEmpty())
        QSKIP("Last month is not covered");
    window.followDate(earlier);
    QCOMPARE(home->shownDate().month(), earlier.month());
    auto *calendarPage = window.findChild<PageCalendar *>();
    QVERIFY(calendarPage);
    int stale = 0;
    for (XCalendar *calendar : calendarPage->calendars()) {
        calendar->refreshIfStale(earlier);
        stale += calendar->filledOn() == earlier ? 1 : 0;
    }
    QVERIFY(stale > 0);
    window.followDate(today);
    QCOMPARE(home->shownDate(), today);
    for (XCalendar *calendar : calendarPage->calendars())
        QVERIFY(calendar->filledOn() != earlier);

    // A hidden window leaves that to the next show.
    home->slotShowPrevious();
    window.hide();
    window.followDate(earlier);
    window.followDate(today);
    QCOMPARE(home->shownDate().month(), earlier.month());
}

int main(int argc, char *argv[])
{
    return runViewTest<TestHomePage>(argc, argv);
}

#include "test_homepage.moc"
