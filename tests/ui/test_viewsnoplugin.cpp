// The timetable views when the timetable plug-in is missing.

#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include "app/appmain.h"
#include "ui/controls/xurllabel.h"
#include "ui/pages/pagecalendar.h"
#include "ui/pages/pagehome.h"
#include "ui/pages/panelalmarik.h"
#include "ui/pages/xtimepanel.h"
#include "viewsharness.h"

class TestViewsNoPlugin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void homePageIsEmpty();
    void navigationShowsTheNoDataPrompt_data();
    void navigationShowsTheNoDataPrompt();
    void calendarPageIsEmpty();
    void timePanelWithoutZone();

private:
    PromptWatcher *m_prompts = nullptr;
};

void TestViewsNoPlugin::initTestCase()
{
    QVERIFY(!appAlmarikManager()->isBound());
    QVERIFY(!appAlmarikManager()->setZone(QString(), true));
    m_prompts = new PromptWatcher;
}

void TestViewsNoPlugin::init()
{
    m_prompts->clear();
}

void TestViewsNoPlugin::cleanupTestCase()
{
    delete m_prompts;
}

void TestViewsNoPlugin::homePageIsEmpty()
{
    PageHome page(appMain()->uiContext());
    page.resize(648, 375);
    page.show();
    QCOMPARE(page.findChild<QLabel *>(QStringLiteral("labelZone"))->text(), QString());
    QCOMPARE(page.findChild<QLabel *>(QStringLiteral("labelGps"))->text(), QString());
    QCOMPARE(page.findChild<XUrlLabel *>(QStringLiteral("labelGps"))->url(), QString());
    QCOMPARE(page.findChild<QLabel *>(QStringLiteral("labelHijri"))->text(), QString());
    QVERIFY(page.days().isEmpty());
    QCOMPARE(page.panel()->rowCount(), 0);
    QCOMPARE(page.panel()->height(), 0);
    QVERIFY(page.panel()->highlightRect().isNull());
    QCOMPARE(page.shownDate(), QDate::currentDate());
    // Showing it again, as the main window does, changes nothing.
    page.slotGoToToday();
    QVERIFY(page.days().isEmpty());
    QVERIFY(m_prompts->seen().isEmpty());
}

void TestViewsNoPlugin::navigationShowsTheNoDataPrompt_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("next") << QStringLiteral("next");
    QTest::newRow("previous") << QStringLiteral("previous");
    QTest::newRow("now") << QStringLiteral("now");
    QTest::newRow("month name") << QStringLiteral("month");
}

void TestViewsNoPlugin::navigationShowsTheNoDataPrompt()
{
    QFETCH(QString, action);
    PageHome page(appMain()->uiContext());
    page.resize(648, 375);
    page.show();
    const QString dateText = page.findChild<QLabel *>(QStringLiteral("labelDate"))->text();
    if (action == QLatin1String("next"))
        page.slotShowNext();
    else if (action == QLatin1String("previous"))
        page.slotShowPrevious();
    else if (action == QLatin1String("now"))
        page.slotShowNow();
    else
        QTest::mouseClick(page.findChild<XUrlLabel *>(QStringLiteral("labelMonth5")), Qt::LeftButton);
    QCOMPARE(m_prompts->seen(), QStringList{QStringLiteral("PromptNoData")});
    QCOMPARE(page.shownDate(), QDate::currentDate());
    QCOMPARE(page.findChild<QLabel *>(QStringLiteral("labelDate"))->text(), dateText);
    QVERIFY(page.days().isEmpty());
}

void TestViewsNoPlugin::calendarPageIsEmpty()
{
    PageCalendar page(appAlmarikManager(), appLanguage());
    QVERIFY(page.calendars().isEmpty());
    QCOMPARE(page.contentWidget()->height(), 20);
    page.resize(648, 375);
    page.show();
    page.slotScrollToTop();
    page.slotHideTimePanel();
}

void TestViewsNoPlugin::timePanelWithoutZone()
{
    XTimePanel panel(appAlmarikManager(), appLanguage());
    DailyTimes day;
    day.day = 9;
    day.month = 3;
    day.year = 2027;
    day.hijriDay = 1;
    day.hijriMonthName = QStringLiteral("Syawal");
    day.hijriYear = 1448;
    panel.setDay(day);
    auto *zone = panel.findChild<QLabel *>(QStringLiteral("labelZone"));
    auto *date = panel.findChild<QLabel *>(QStringLiteral("labelDate"));
    QCOMPARE(zone->text(), QString());
    QCOMPARE(date->text(), appLanguage()->monthName(3) + QStringLiteral(" 9, 2027"));
    // The empty zone line still takes its place; the rest follows below it.
    QCOMPARE(date->y(), zone->height() + 16);
    auto *isyak = panel.findChild<QLabel *>(QStringLiteral("labelTimeIsyak"));
    QCOMPARE(isyak->text(), QStringLiteral("00:00"));
    QCOMPARE(panel.height(), isyak->y() + isyak->height() + 15);
}

int main(int argc, char *argv[])
{
    QTemporaryDir empty;
    if (!empty.isValid())
        return 1;
    return runViewTest<TestViewsNoPlugin>(argc, argv, empty.path());
}

#include "test_viewsnoplugin.moc"
