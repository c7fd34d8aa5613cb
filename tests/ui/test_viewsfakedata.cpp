// The timetable views against a small test plug-in: a data range across a
// year end, a zone whose code has no table, a zone name on two lines.

#include <QFileInfo>
#include <QLabel>
#include <QtTest>

#include "app/appmain.h"
#include "ui/pages/pagecalendar.h"
#include "ui/pages/pagehome.h"
#include "ui/pages/panelalmarik.h"
#include "ui/controls/xurllabel.h"
#include "ui/pages/xcalendar.h"
#include "ui/pages/xtimepanel.h"
#include "viewsharness.h"

namespace {
QStringList textsOf(QWidget *root)
{
    QStringList texts;
    const QList<QLabel *> labels = root->findChildren<QLabel *>();
    for (const QLabel *label : labels) {
        texts << QStringLiteral("%1=%2@%3,%4%5").arg(label->objectName(), label->text())
                         .arg(label->x()).arg(label->y()).arg(label->isHidden() ? QStringLiteral(" hidden") : QString());
    }
    for (const PanelAlmarik *panel : root->findChildren<PanelAlmarik *>()) {
        for (int row = 0; row < panel->rowCount(); ++row) {
            for (int column = 0; column < PanelAlmarik::ColumnCount; ++column)
                texts << QStringLiteral("cell=%1").arg(panel->cellText(row, column));
        }
    }
    return texts;
}

// What every calendar of a page shows: title, Hijri line and each cell's
// numbers and colour.
QStringList calendarTexts(const PageCalendar &page)
{
    QStringList texts;
    for (const XCalendar *calendar : page.calendars()) {
        texts << calendar->titleText() << calendar->hijriText();
        for (int index = 0; index < XCalendar::CellCount; ++index) {
            texts << QStringLiteral("%1/%2%3").arg(calendar->dayNumber(index)).arg(calendar->hijriDayNumber(index))
                             .arg(calendar->todayCell() == index ? QStringLiteral(" today") : QString());
        }
    }
    return texts;
}

// Rests the pointer on a cell of a calendar.
void hover(XCalendar *calendar, int index)
{
    const QPoint at = calendar->cellRect(index).center();
    QMouseEvent event(QEvent::MouseMove, at, calendar->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(calendar, &event);
}
}

class TestViewsFakeData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void rangeAcrossYearEndGivesFourCalendars();
    void hijriLineNamesBothMonths();
    void monthWithoutDataKeepsAnEmptyGrid();
    void zoneWithoutTableLeavesTheViewsAsTheyWere();
    void zoneNameOnTwoLinesIsSmaller();
    void unknownPositionGivesNoMapLink();

private:
    int m_year = 0;
    PromptWatcher *m_prompts = nullptr;
};

void TestViewsFakeData::initTestCase()
{
    QCOMPARE(appAlmarikManager()->version(), QStringLiteral("fake-1"));
    int lastYear = 0, firstMonth = 0, lastMonth = 0;
    QVERIFY(appAlmarikManager()->dateRange(m_year, firstMonth, lastYear, lastMonth));
    m_prompts = new PromptWatcher;
}

void TestViewsFakeData::init()
{
    QVERIFY(appAlmarikManager()->setZone(QStringLiteral("Alpha"), false));
    m_prompts->clear();
}

void TestViewsFakeData::cleanupTestCase()
{
    delete m_prompts;
}

void TestViewsFakeData::rangeAcrossYearEndGivesFourCalendars()
{
    PageCalendar page(appAlmarikManager(), appLanguage());
    const QList<XCalendar *> &calendars = page.calendars();
    QCOMPARE(calendars.size(), 4);
    const QList<QPair<int, int>> expected = {{11, m_year}, {12, m_year}, {1, m_year + 1}, {2, m_year + 1}};
    for (int index = 0; index < 4; ++index) {
        QCOMPARE(calendars.at(index)->month(), expected.at(index).first);
        QCOMPARE(calendars.at(index)->year(), expected.at(index).second);
    }
    // Two rows of two.
    QCOMPARE(calendars.at(0)->pos(), QPoint(20, 10));
    QCOMPARE(calendars.at(1)->pos(), QPoint(335, 10));
    QCOMPARE(calendars.at(2)->pos(), QPoint(20, 10 + calendars.at(0)->height() + 10));
    QCOMPARE(calendars.at(3)->y(), calendars.at(2)->y());
    QCOMPARE(page.contentWidget()->height(), calendars.at(2)->y() + calendars.at(2)->height() + 10 + 10);
}

void TestViewsFakeData::hijriLineNamesBothMonths()
{
    XCalendar calendar(12, m_year, appAlmarikManager(), appLanguage());
    QCOMPARE(calendar.hijriText(), QStringLiteral("Jamadil Awal - Jamadil Akhir 1448"));
}

void TestViewsFakeData::monthWithoutDataKeepsAnEmptyGrid()
{
    // March is past the test data.
    XCalendar calendar(3, m_year + 1, appAlmarikManager(), appLanguage());
    QCOMPARE(calendar.titleText(), appLanguage()->monthName(3) + QLatin1Char(' ') + QString::number(m_year + 1));
    for (int index = 0; index < XCalendar::CellCount; ++index) {
        QVERIFY(!calendar.day(index));
        QCOMPARE(calendar.dayNumber(index), 0);
        QCOMPARE(calendar.hijriDayNumber(index), 0);
    }
    QCOMPARE(calendar.todayCell(), -1);
    QVERIFY(calendar.hijriText().trimmed().isEmpty());
    calendar.show();
    hover(&calendar, 10);
    QVERIFY(!calendar.timePanel()->isVisible());
}

void TestViewsFakeData::zoneWithoutTableLeavesTheViewsAsTheyWere()
{
    PageHome home(appMain()->uiContext());
    home.resize(648, 375);
    home.show();
    QVERIFY(home.showMonth(QDate(m_year, 12, 10)));
    PageCalendar calendarPage(appAlmarikManager(), appLanguage());
    XCalendar *december = calendarPage.calendars().at(1);
    // The countdown follows the zone (it has no times for the new one);
    // everything else stays.
    const auto withoutCountdown = [&home] {
        return textsOf(&home).filter(QRegularExpression(QStringLiteral("^(?!labelCountdown=)")));
    };
    const QStringList homeBefore = withoutCountdown();
    const QStringList calendarBefore = calendarTexts(calendarPage);
    QCOMPARE(december->dayNumber(QDate(m_year, 12, 1).dayOfWeek() % 7), 1);
    const int rows = home.days().size();
    QCOMPARE(rows, 31);

    // The zone is known, its code has no table: the manager reports a
    // change, and the views keep what they show without a prompt.
    QVERIFY(appAlmarikManager()->setZone(QStringLiteral("Gamma"), false));
    QCoreApplication::processEvents();
    QCOMPARE(withoutCountdown(), homeBefore);
    QVERIFY(home.countdownLabel()->text().isEmpty());
    QCOMPARE(calendarTexts(calendarPage), calendarBefore);
    QCOMPARE(home.shownDate(), QDate(m_year, 12, 10));
    QVERIFY(m_prompts->seen().isEmpty());

    // Laying the page out again (a resize, a language change) redraws the
    // same rows: the page does not depend on the previous zone's records,
    // which the manager has freed.
    home.resize(660, 375);
    home.resize(648, 375);
    QCOMPARE(withoutCountdown(), homeBefore);
    QCOMPARE(home.panel()->cellText(30, 1), QString::asprintf("04:%02d", 31 % 60));

    // No cell points at a freed record; resting on one shows nothing.
    const int firstCell = QDate(m_year, 12, 1).dayOfWeek() % 7;
    for (int index = 0; index < XCalendar::CellCount; ++index)
        QVERIFY(!december->day(index));
    calendarPage.show();
    hover(december, firstCell + 3);
    QVERIFY(!december->timePanel()->isVisible());

    // An explicit refresh is silent too; user navigation is not.
    home.slotUpdateAlmarik();
    QVERIFY(m_prompts->seen().isEmpty());
    home.slotShowNext();
    QCOMPARE(m_prompts->seen(), QStringList{QStringLiteral("PromptNoData")});
    QCOMPARE(home.shownDate(), QDate(m_year, 12, 10));
    QCOMPARE(withoutCountdown(), homeBefore);

    // Back on a zone with data, the views fill again.
    QVERIFY(appAlmarikManager()->setZone(QStringLiteral("Beta"), false));
    QCOMPARE(home.panel()->cellText(0, 1), QStringLiteral("05:01"));
    QVERIFY(december->day(firstCell));
    QCOMPARE(december->day(firstCell)->times[0][0], 5);
}

void TestViewsFakeData::zoneNameOnTwoLinesIsSmaller()
{
    PageHome home(appMain()->uiContext());
    auto *zone = home.findChild<QLabel *>(QStringLiteral("labelZone"));
    QCOMPARE(zone->text(), QStringLiteral("Alpha"));
    QCOMPARE(zone->font().pointSize(), 12);
    const int oneLine = zone->height();

    QVERIFY(appAlmarikManager()->setZone(QStringLiteral("Beta"), false));
    QCOMPARE(zone->text(), QStringLiteral("Beta\nTown"));
    QCOMPARE(zone->font().pointSize(), 10);
    QVERIFY(zone->font().bold());
    QVERIFY(zone->height() > oneLine);
    // Still stacked on the coordinates.
    auto *gps = home.findChild<QLabel *>(QStringLiteral("labelGps"));
    QCOMPARE(zone->y() + zone->height(), gps->y());

    QVERIFY(appAlmarikManager()->setZone(QStringLiteral("Alpha"), false));
    QCOMPARE(zone->font().pointSize(), 12);
}

void TestViewsFakeData::unknownPositionGivesNoMapLink()
{
    PageHome home(appMain()->uiContext());
    auto *gps = home.findChild<XUrlLabel *>(QStringLiteral("labelGps"));
    QVERIFY(gps->url().contains(QStringLiteral("mlat=3.5&mlon=101.25")));

    QVERIFY(appAlmarikManager()->setZone(QStringLiteral("Delta"), false));
    QCOMPARE(gps->text(), appAlmarikManager()->coordinatesText());
    QCOMPARE(gps->url(), QString());

    QVERIFY(appAlmarikManager()->setZone(QStringLiteral("Alpha"), false));
    QVERIFY(!gps->url().isEmpty());
}

int main(int argc, char *argv[])
{
    const QString plugins = QFileInfo(QString::fromLocal8Bit(argv[0])).absolutePath() + QStringLiteral("/fakealmarik");
    return runViewTest<TestViewsFakeData>(argc, argv, plugins);
}

#include "test_viewsfakedata.moc"
