// The next prayer's countdown on the home page and in the tray, the Qibla
// page's figures, and the timetable export from the home page, against the
// shipped timetable data.

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QtMath>
#include <QtTest>

#include "app/appmain.h"
#include "core/almarikmanager.h"
#include "core/appconfig.h"
#include "core/coveragenotice.h"
#include "core/language.h"
#include "core/timetablecsv.h"
#include "core/timetableics.h"
#include "core/zonetimezone.h"
#include "ui/controls/xurllabel.h"
#include "ui/main/dialogmain.h"
#include "ui/pages/nextprayerwatch.h"
#include "ui/pages/pagecalendar.h"
#include "ui/pages/panelalmarik.h"
#include "ui/pages/xcalendar.h"
#include "ui/pages/xtimepanel.h"
#include "ui/pages/pagehome.h"
#include "ui/pages/pageqibla.h"
#include "ui/pages/qiblacompass.h"
#include "ui/pages/timetableexport.h"
#include "viewsharness.h"

namespace {
// The first day on or after `from` with the given day of the week.
QDate nextWeekday(QDate from, int dayOfWeek)
{
    while (from.dayOfWeek() != dayOfWeek)
        from = from.addDays(1);
    return from;
}

QDateTime at(const QDate &date, int slot, int minutesBefore)
{
    DailyTimes day;
    appAlmarikManager()->timesOfDay(date.day(), date.month(), date.year(), day);
    return QDateTime(date, QTime(day.hour(slot), day.minute(slot))).addSecs(-60 * minutesBefore);
}

// Great-circle initial bearing and distance, from the haversine and the
// spherical law of the tangent, worked out here rather than taken from
// the program.
void greatCircle(double lat1, double lon1, double *bearing, double *km)
{
    const double p1 = qDegreesToRadians(lat1), p2 = qDegreesToRadians(21.4225);
    const double dl = qDegreesToRadians(39.8262 - lon1);
    const double y = std::sin(dl) * std::cos(p2);
    const double x = std::cos(p1) * std::sin(p2) - std::sin(p1) * std::cos(p2) * std::cos(dl);
    *bearing = std::fmod(qRadiansToDegrees(std::atan2(y, x)) + 360.0, 360.0);
    const double h = std::pow(std::sin((p2 - p1) / 2), 2) + std::cos(p1) * std::cos(p2) * std::pow(std::sin(dl / 2), 2);
    *km = 2 * 6371.0088 * std::asin(std::sqrt(h));
}

// Pages of a PDF: its page objects, not the page tree's nodes.
int pdfPages(const QByteArray &pdf)
{
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s])"));
    int pages = 0;
    // The whole file: its compressed streams hold NUL bytes.
    auto it = page.globalMatch(QString::fromLatin1(pdf.constData(), pdf.size()));
    while (it.hasNext()) {
        it.next();
        ++pages;
    }
    return pages;
}

// Answers the export's questions as a user would, and records them.
struct FakeUser
{
    TimetableExport::Choice choice;
    QString path;
    bool replace = false;
    int replaceAsked = 0;
    QStringList reports;

    TimetableExport::Hooks hooks()
    {
        TimetableExport::Hooks h;
        h.choose = [this](TimetableExport::Format, TimetableExport::Choice *c) {
            *c = choice;
            return true;
        };
        h.savePath = [this](TimetableExport::Format, const QString &) { return path; };
        h.confirmReplace = [this](const QString &) {
            ++replaceAsked;
            return replace;
        };
        h.report = [this](const QString &message, bool) { reports << message; };
        return h;
    }
};

// An iCalendar file without the moments it was made (DTSTAMP, CREATED),
// which differ between two writes of the same table.
QByteArray withoutStamps(const QByteArray &ics)
{
    QByteArrayList kept;
    for (const QByteArray &line : ics.split('\n')) {
        if (!line.startsWith("DTSTAMP") && !line.startsWith("CREATED") && !line.startsWith("LAST-MODIFIED"))
            kept << line;
    }
    return kept.join('\n');
}

// The first day of the table whose Hijri date is day/month (by the
// table's own month names), or an invalid date.
QDate tableDay(int hijriDay, const QString &hijriMonth)
{
    int firstYear = 0, firstMonth = 0, lastYear = 0, lastMonth = 0;
    appAlmarikManager()->dateRange(firstYear, firstMonth, lastYear, lastMonth);
    for (QDate month(firstYear, firstMonth, 1); month <= QDate(lastYear, lastMonth, 1); month = month.addMonths(1)) {
        QList<DailyTimes> days;
        appAlmarikManager()->timesOfMonth(month.month(), month.year(), days);
        for (const DailyTimes &day : days) {
            if (day.hijriDay == hijriDay && day.hijriMonthName.simplified() == hijriMonth)
                return QDate(day.year, day.month, day.day);
        }
    }
    return QDate();
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
}

class TestPrayerExtras : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void homeAndTrayShowTheCountdown_data();
    void homeAndTrayShowTheCountdown();
    void trayTellsTheTimetablesEnd();

    void ramadanNamesSahurAndIftar();
    void keptDaysAreMarked_data();
    void keptDaysAreMarked();

    void qiblaPageFiguresMatchGreatCircle_data();
    void qiblaPageFiguresMatchGreatCircle();
    void qiblaTimesFollowTheClockSetting();

    void exportWritesCoresFile_data();
    void exportWritesCoresFile();
    void exportAsksBeforeReplacing_data();
    void exportAsksBeforeReplacing();
    void pdfHasOnePagePerMonth();

private:
    QDate m_today;
    QTemporaryDir m_dir;
};

void TestPrayerExtras::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(appAlmarikManager()->setZone(QStringLiteral("Kuala Lumpur"), false));
    m_today = QDate::currentDate();
    DailyTimes day;
    if (!appAlmarikManager()->timesOfDay(m_today.day(), m_today.month(), m_today.year(), day))
        QSKIP("The shipped data does not cover today");
}

void TestPrayerExtras::init()
{
    QVERIFY(appAlmarikManager()->setZone(QStringLiteral("Kuala Lumpur"), false));
    appConfig().hourSystem = AppConfig::Hour24;
    appConfig().hijriAdjustment = AppConfig::HijriNone;
}

void TestPrayerExtras::homeAndTrayShowTheCountdown_data()
{
    QTest::addColumn<int>("dayOfWeek");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("minutesBefore");
    QTest::addColumn<QString>("expected");
    // 72 minutes before a Friday's Zohor the morning is still Duha's.
    QTest::newRow("Friday's Zohor is Jumaat") << 5 << int(Zohor) << 72 << "Now: Duha \u00b7 Jumaat in 1 h 12 min";
    QTest::newRow("Thursday's Zohor") << 4 << int(Zohor) << 72 << "Now: Duha \u00b7 Zohor in 1 h 12 min";
    QTest::newRow("Asar within the hour") << 2 << int(Asar) << 45 << "Now: Zohor \u00b7 Asar in 45 min";
    QTest::newRow("Syuruk ends Subuh's time") << 3 << int(Zohor) << 120 << "Now: Duha \u00b7 Zohor in 2 h";
}

void TestPrayerExtras::homeAndTrayShowTheCountdown()
{
    QFETCH(int, dayOfWeek);
    QFETCH(int, slot);
    QFETCH(int, minutesBefore);
    QFETCH(QString, expected);

    QDate date = nextWeekday(m_today.addDays(1), dayOfWeek);
    DailyTimes probe;
    if (!appAlmarikManager()->timesOfDay(date.day(), date.month(), date.year(), probe))
        date = nextWeekday(m_today.addDays(-7), dayOfWeek);
    // Half a minute past a whole minute before the prayer: the countdown
    // rounds up, and changes at the next whole minute.
    const QDateTime now = at(date, slot, minutesBefore).addSecs(30);

    DialogMain window(appMain()->uiContext());
    PageHome *home = window.page<PageHome>();
    QVERIFY(home);
    NextPrayerWatch *watch = home->nextPrayerWatch();
    watch->setClock([now] { return now; });

    QCOMPARE(home->countdownLabel()->text(), expected);
    QVERIFY(window.trayIcon()->toolTip().split(QLatin1Char('\n')).contains(expected));
    QCOMPARE(window.trayMenu()->actions().constFirst(), window.countdownAction());
    QCOMPARE(window.countdownAction()->text(), expected);
    // One wake-up, at the moment the minutes next change.
    QCOMPARE(watch->nextRefresh(), now.addSecs(30));
}

void TestPrayerExtras::trayTellsTheTimetablesEnd()
{
    const QDate last = appAlmarikManager()->lastCoveredDay();
    QVERIFY(last.isValid());
    const QDateTime now(last.addDays(-10), QTime(12, 0));
    DialogMain window(appMain()->uiContext());
    window.page<PageHome>()->nextPrayerWatch()->setClock([now] { return now; });

    const QString line = CoverageNotice(now.date(), last).line(*appLanguage());
    QVERIFY(!line.isEmpty());
    QVERIFY(line.contains(QString::number(last.year())));
    QVERIFY(window.trayIcon()->toolTip().split(QLatin1Char('\n')).contains(line));
    QVERIFY(window.countdownAction()->text().contains(line));

    // Far from the end nothing is said.
    const QDateTime early(m_today, QTime(12, 0));
    window.page<PageHome>()->nextPrayerWatch()->setClock([early] { return early; });
    if (CoverageNotice(m_today, last).state() == CoverageNotice::None)
        QVERIFY(!window.trayIcon()->toolTip().contains(line));
}

void TestPrayerExtras::ramadanNamesSahurAndIftar()
{
    const QDate first = tableDay(10, QStringLiteral("Ramadan"));
    if (!first.isValid())
        QSKIP("The table holds no Ramadan");
    PageHome home(appMain()->uiContext());
    const QDateTime beforeIftar = at(first, Maghrib, 45).addSecs(30);
    home.nextPrayerWatch()->setClock([beforeIftar] { return beforeIftar; });
    QVERIFY(home.nextPrayerWatch()->isRamadan());
    QCOMPARE(home.countdownLabel()->text(), QStringLiteral("Now: Asar \u00b7 Iftar in 45 min"));

    // A month later, in Syawal, Maghrib is Maghrib again.
    const QDateTime later = at(first.addDays(30), Maghrib, 45).addSecs(30);
    home.nextPrayerWatch()->setClock([later] { return later; });
    QVERIFY(!home.nextPrayerWatch()->isRamadan());
    QCOMPARE(home.countdownLabel()->text(), QStringLiteral("Now: Asar \u00b7 Maghrib in 45 min"));
}

void TestPrayerExtras::keptDaysAreMarked_data()
{
    QTest::addColumn<int>("adjustment");
    QTest::addColumn<int>("shift");
    QTest::newRow("as the table has it") << int(AppConfig::HijriNone) << 0;
    // One day added to the Hijri dates: each kept day comes a day earlier.
    QTest::newRow("Hijri date plus one") << int(AppConfig::HijriPlus1) << -1;
}

void TestPrayerExtras::keptDaysAreMarked()
{
    QFETCH(int, adjustment);
    QFETCH(int, shift);
    const QDate tableDate = tableDay(1, QStringLiteral("Syawal"));
    if (!tableDate.isValid())
        QSKIP("The table holds no 1 Syawal");
    const QDate aidilfitri = tableDate.addDays(shift);

    DialogMain window(appMain()->uiContext());
    appConfig().hijriAdjustment = adjustment;
    // A zone change recomputes the days.
    QVERIFY(appAlmarikManager()->setZone(QStringLiteral("Kuala Lumpur"), false));

    XCalendar *calendar = nullptr;
    for (XCalendar *each : window.page<PageCalendar>()->calendars()) {
        if (each->year() == aidilfitri.year() && each->month() == aidilfitri.month())
            calendar = each;
    }
    QVERIFY(calendar);
    // Sunday first: the month's first day sits in its weekday's column.
    const int firstCell = QDate(aidilfitri.year(), aidilfitri.month(), 1).dayOfWeek() % 7;
    const int cell = firstCell + aidilfitri.day() - 1;
    QCOMPARE(calendar->dayNumber(cell), aidilfitri.day());
    QVERIFY(calendar->isMarked(cell));
    QVERIFY(!calendar->isMarked(cell + 2));
    QVERIFY(!calendar->isMarked(cell - 2 >= firstCell ? cell - 2 : cell + 3));

    DailyTimes record;
    QVERIFY(appAlmarikManager()->timesOfDay(aidilfitri.day(), aidilfitri.month(), aidilfitri.year(), record));
    calendar->timePanel()->setDay(record);
    QCOMPARE(calendar->timePanel()->eventLabel()->text(), QStringLiteral("Hari Raya Aidilfitri"));
    QVERIFY(!calendar->timePanel()->eventLabel()->isHidden());

    PageHome *home = window.page<PageHome>();
    QVERIFY(home->showMonth(aidilfitri));
    QVERIFY(home->panel()->isRowMarked(aidilfitri.day() - 1));
    QCOMPARE(home->panel()->rowToolTip(aidilfitri.day() - 1), QStringLiteral("Hari Raya Aidilfitri"));
    QVERIFY(home->panel()->cellFont(aidilfitri.day() - 1, 0).underline());
    const int other = aidilfitri.day() > 3 ? aidilfitri.day() - 3 : aidilfitri.day() + 3;
    QVERIFY(!home->panel()->isRowMarked(other - 1));
    appConfig().hijriAdjustment = AppConfig::HijriNone;
}

void TestPrayerExtras::qiblaPageFiguresMatchGreatCircle_data()
{
    QTest::addColumn<QString>("zone");
    QTest::newRow("Kuala Lumpur") << "Kuala Lumpur";
    QTest::newRow("Kota Kinabalu") << "Kota Kinabalu";
    QTest::newRow("Langkawi") << "Langkawi";
}

void TestPrayerExtras::qiblaPageFiguresMatchGreatCircle()
{
    QFETCH(QString, zone);
    if (!appAlmarikManager()->setZone(zone, false))
        QSKIP("zone not in the catalogue");
    PageQibla page(appMain()->uiContext());
    double bearing = 0, km = 0;
    greatCircle(appAlmarikManager()->latitude(), appAlmarikManager()->longitude(), &bearing, &km);

    QVERIFY(page.compass()->hasBearing());
    QVERIFY2(qAbs(page.compass()->bearing() - bearing) < 0.05, qPrintable(QString::number(page.compass()->bearing())));
    QVERIFY2(page.bearingLabel()->text().contains(QString::number(bearing, 'f', 1)), qPrintable(page.bearingLabel()->text()));
    const int shownKm = page.distanceLabel()->text().section(QLatin1Char(':'), 1).remove(QStringLiteral("km")).trimmed().toInt();
    QVERIFY2(qAbs(shownKm - km) <= 1, qPrintable(page.distanceLabel()->text()));
    QCOMPARE(page.coordinatesLink()->text(), appAlmarikManager()->coordinatesText());
    QVERIFY(!page.shadowLabel()->text().isEmpty());
    // The two overhead noons, late May and mid July.
    QCOMPARE(page.overheadLabel()->text().count(QLatin1Char('\n')), 1);

    // The page follows a change of place.
    const double before = page.compass()->bearing();
    QVERIFY(appAlmarikManager()->setZone(zone == QLatin1String("Kuala Lumpur") ? QStringLiteral("Kota Kinabalu")
                                                                             : QStringLiteral("Kuala Lumpur"), false));
    QVERIFY(page.compass()->bearing() != before);
}

void TestPrayerExtras::qiblaTimesFollowTheClockSetting()
{
    PageQibla page(appMain()->uiContext());
    // In June the sun passes the Qibla's azimuth in Kuala Lumpur's
    // afternoon; some day of the month has a shadow time.
    QString text;
    for (int day = 1; day <= 30 && !text.contains(QLatin1Char(':')); ++day) {
        page.setDay(QDate(m_today.year(), 6, day));
        text = page.shadowLabel()->text();
    }
    QVERIFY2(text.contains(QLatin1Char(':')), qPrintable(text));
    QVERIFY(!text.contains(QStringLiteral("PM")));
    appConfig().hourSystem = AppConfig::Hour12;
    page.refresh();
    QVERIFY2(page.shadowLabel()->text().contains(QStringLiteral("PM")), qPrintable(page.shadowLabel()->text()));
}

void TestPrayerExtras::exportWritesCoresFile_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("alarm");
    QTest::newRow("calendar, a month, reminder") << int(TimetableExport::Calendar) << m_today.month() << 10;
    QTest::newRow("calendar, a year, no reminder") << int(TimetableExport::Calendar) << 0 << -1;
    QTest::newRow("spreadsheet, a month") << int(TimetableExport::Spreadsheet) << m_today.month() << -1;
    QTest::newRow("spreadsheet, a year") << int(TimetableExport::Spreadsheet) << 0 << -1;
}

void TestPrayerExtras::exportWritesCoresFile()
{
    QFETCH(int, format);
    QFETCH(int, month);
    QFETCH(int, alarm);
    PageHome home(appMain()->uiContext());
    FakeUser user;
    user.choice.year = m_today.year();
    user.choice.month = month;
    user.choice.prayerSlots = {Subuh, Zohor, Maghrib};
    user.choice.alarmMinutes = alarm;
    user.path = m_dir.filePath(QStringLiteral("export-%1-%2.out").arg(format).arg(month));
    home.timetableExport()->setHooks(user.hooks());
    QVERIFY(home.timetableExport()->run(TimetableExport::Format(format), m_today.year(), m_today.month()));

    QList<DailyTimes> days;
    for (int m = month ? month : 1; m <= (month ? month : 12); ++m) {
        QList<DailyTimes> found;
        if (appAlmarikManager()->timesOfMonth(m, m_today.year(), found))
            days << found;
    }
    const QString code = appAlmarikManager()->zoneCode();
    QByteArray expected;
    if (format == TimetableExport::Calendar) {
        TimetableIcs::Options options;
        options.zoneCode = code;
        options.placeName = appAlmarikManager()->zoneDisplayName().simplified();
        options.source = appAlmarikManager()->zoneSource();
        options.timeZone = ZoneTimeZone::of(code);
        options.prayerSlots = user.choice.prayerSlots;
        options.alarmMinutes = alarm;
        expected = TimetableIcs::build(days, options, appLanguage());
        QCOMPARE(expected.count("BEGIN:VEVENT"), days.size() * 3);
        QCOMPARE(expected.count("BEGIN:VALARM"), alarm > 0 ? days.size() * 3 : 0);
    } else {
        expected = TimetableCsv::text(days, &appAlmarikManager()->provenance(), code).toUtf8();
    }
    QVERIFY(!expected.isEmpty());
    QCOMPARE(withoutStamps(readAll(user.path)), withoutStamps(expected));
    QCOMPARE(user.replaceAsked, 0);
    QCOMPARE(user.reports.size(), 1);
    QVERIFY(user.reports.constFirst().contains(QDir::toNativeSeparators(user.path)));
}

void TestPrayerExtras::exportAsksBeforeReplacing_data()
{
    QTest::addColumn<bool>("replace");
    QTest::newRow("user keeps the file") << false;
    QTest::newRow("user replaces it") << true;
}

void TestPrayerExtras::exportAsksBeforeReplacing()
{
    QFETCH(bool, replace);
    PageHome home(appMain()->uiContext());
    FakeUser user;
    user.choice.year = m_today.year();
    user.choice.month = m_today.month();
    user.path = m_dir.filePath(QStringLiteral("existing-%1.csv").arg(replace));
    user.replace = replace;
    {
        QFile old(user.path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old contents\n");
    }
    home.timetableExport()->setHooks(user.hooks());
    QCOMPARE(home.timetableExport()->run(TimetableExport::Spreadsheet, m_today.year(), m_today.month()), replace);
    QCOMPARE(user.replaceAsked, 1);
    const QByteArray now = readAll(user.path);
    if (replace)
        QVERIFY(now.startsWith(TimetableCsv::header(true).toUtf8()) || now.startsWith(TimetableCsv::header(false).toUtf8()));
    else
        QCOMPARE(now, QByteArray("old contents\n"));
    QCOMPARE(user.reports.size(), replace ? 1 : 0);
}

void TestPrayerExtras::pdfHasOnePagePerMonth()
{
    PageHome home(appMain()->uiContext());
    FakeUser user;
    user.choice.year = m_today.year();
    user.choice.month = m_today.month();
    user.path = m_dir.filePath(QStringLiteral("month.pdf"));
    home.timetableExport()->setHooks(user.hooks());
    QVERIFY(home.timetableExport()->run(TimetableExport::Pdf, m_today.year(), m_today.month()));
    const QByteArray pdf = readAll(user.path);
    QVERIFY(pdf.startsWith("%PDF"));
    QCOMPARE(pdfPages(pdf), 1);

    // A month without data writes nothing and says so.
    user.choice.year = 1990;
    user.path = m_dir.filePath(QStringLiteral("none.pdf"));
    QVERIFY(!home.timetableExport()->run(TimetableExport::Pdf, 1990, 1));
    QVERIFY(!QFile::exists(user.path));
    QCOMPARE(user.reports.constLast(), appLanguage()->text(QStringLiteral("Export.NoData")));
}

int main(int argc, char *argv[])
{
    return runViewTest<TestPrayerExtras>(argc, argv);
}

#include "test_prayerextras.moc"
