// The user's own place (the place dialog, start-up, the adjustments panel),
// the home page's source line and the warning before the tables end,
// against the shipped timetable data and GeoNames' city list.

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QtTest>

#include "app/appmain.h"
#include "core/calc/conventioncatalogue.h"
#include "core/customplacetimes.h"
#include "core/coveragenotice.h"
#include "ui/config/pageconfig.h"
#include "ui/config/panelconfadjust.h"
#include "ui/controls/xgreenbutton.h"
#include "ui/dialogs/dialogplace.h"
#include "ui/main/abstractdesktopnotifier.h"
#include "ui/main/dialogmain.h"
#include "ui/pages/pagehome.h"
#include "viewsharness.h"

namespace {

class FakeDesktopNotifier : public AbstractDesktopNotifier
{
public:
    bool show(const QString &title, const QString &body, int) override
    {
        shown << title + QLatin1Char('|') + body;
        return true;
    }
    QStringList shown;
};

// A main window that never finds a tray, so that its notices reach the
// fake notifier.
class TraylessWindow : public DialogMain
{
public:
    using DialogMain::DialogMain;

protected:
    bool hasSystemTray() const override { return false; }
};

CustomPlace bonn()
{
    CustomPlace place;
    place.name = QStringLiteral("Bonn");
    place.latitude = 50.7374;
    place.longitude = 7.0982;
    place.timeZone = QStringLiteral("Europe/Berlin");
    place.convention = QStringLiteral("MWL");
    return place;
}

int minutesOf(const DailyTimes &day, int slot)
{
    return day.times[slot][0] * 60 + day.times[slot][1];
}

QDate midYear()
{
    return QDate(2026, 6, 21);
}

DailyTimes dayOf(const QDate &date)
{
    DailyTimes day;
    appAlmarikManager()->timesOfDay(date.day(), date.month(), date.year(), day);
    return day;
}

void useLanguage(const QString &name)
{
    appConfig().language = name;
    appLanguage()->load(true);
}

} // namespace

class TestOwnPlace : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void chooserSavesAndStartUpServesThePlace();
    void chooserRefuses_data();
    void chooserRefuses();
    void fixedZoneTurnsTheOwnPlaceOff();
    void startUpFallsBackFromAnUnusablePlace();
    void adjustmentsAct_data();
    void adjustmentsAct();
    void adjustmentsGreyedForZones_data();
    void adjustmentsGreyedForZones();
    void abroadMinutesMoveOnePrayer_data();
    void abroadMinutesMoveOnePrayer();
    void abroadAsarSchool_data();
    void abroadAsarSchool();
    void sourceLine_data();
    void sourceLine();
    void sourceLineClearsTheVerse_data();
    void sourceLineClearsTheVerse();
    void warningWindow_data();
    void warningWindow();

private:
    PromptWatcher m_prompts;
};

void TestOwnPlace::init()
{
    appConfig() = AppConfig();
    appConfig().showSplashScreen = false;
    useLanguage(QStringLiteral("English"));
    QVERIFY(appAlmarikManager()->setAbroadAdjustments(PlaceAdjustments()));
    QVERIFY(appAlmarikManager()->setZone(QStringLiteral("Kuala Lumpur"), false));
}

void TestOwnPlace::cleanup()
{
    appConfig() = AppConfig();
    appConfig().flush();
}

void TestOwnPlace::chooserSavesAndStartUpServesThePlace()
{
    DialogPlace dialog(appMain()->uiContext());
    dialog.searchEdit()->setText(QStringLiteral("London"));
    QVERIFY(dialog.cityList()->count() > 0);
    dialog.cityList()->setCurrentRow(0);
    QCOMPARE(dialog.nameEdit()->text(), QStringLiteral("London"));
    QCOMPARE(dialog.timeZoneEdit()->text(), QStringLiteral("Europe/London"));
    QVERIFY(qAbs(dialog.latitudeBox()->value() - 51.5) < 0.2);
    // Great Britain's convention is proposed; the user takes another.
    QCOMPARE(dialog.conventionCombo()->currentData().toString(), QStringLiteral("MSC"));
    dialog.conventionCombo()->setCurrentIndex(dialog.conventionCombo()->findData(QStringLiteral("MWL")));
    dialog.nameEdit()->setText(QStringLiteral("Rumah London"));
    emit dialog.saveButton()->clicked();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));

    // Selected and stored.
    QVERIFY(appAlmarikManager()->isCustomPlace());
    QCOMPARE(appAlmarikManager()->zoneName(), QStringLiteral("Rumah London"));
    QVERIFY(appConfig().useCustomPlace);
    QVERIFY(appConfig().flush());
    AppConfig reloaded;
    QVERIFY(reloaded.load());
    QVERIFY(reloaded.useCustomPlace);
    QCOMPARE(reloaded.customPlace.name, QStringLiteral("Rumah London"));
    QCOMPARE(reloaded.customPlace.timeZone, QStringLiteral("Europe/London"));
    QCOMPARE(reloaded.customPlace.convention, QStringLiteral("MWL"));
    QCOMPARE(reloaded.customPlace.latitude, appConfig().customPlace.latitude);

    // Start-up with the reloaded settings serves the place, which the
    // heading names with its convention.
    QVERIFY(appAlmarikManager()->setZone(QStringLiteral("Kuala Lumpur"), false));
    appConfig() = reloaded;
    DialogMain window(appMain()->uiContext());
    QVERIFY(appAlmarikManager()->isCustomPlace());
    QCOMPARE(window.zoneChoice(), AlmarikManager::ZoneChoice::Stored);
    auto *home = window.page<PageHome>();
    QCOMPARE(home->headingText(), QStringLiteral("Rumah London (Muslim World League)"));
    // London's midsummer: Maghrib after nine in the evening, on the
    // British clock.
    const DailyTimes summer = dayOf(midYear());
    QVERIFY(minutesOf(summer, Maghrib) > 21 * 60);
    QVERIFY(minutesOf(summer, Maghrib) < 21 * 60 + 30);
}

void TestOwnPlace::chooserRefuses_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<QString>("timeZone");
    QTest::addColumn<QString>("messageKey");
    QTest::newRow("no name") << "  " << 50.0 << "Europe/Berlin" << "Place.NeedName";
    QTest::newRow("unknown time zone") << "Somewhere" << 50.0 << "Europe/Atlantis" << "Place.BadTimeZone";
    QTest::newRow("polar night") << "Longyearbyen" << 78.2 << "Arctic/Longyearbyen" << "Place.CannotCompute";
}

void TestOwnPlace::chooserRefuses()
{
    QFETCH(QString, name);
    QFETCH(double, latitude);
    QFETCH(QString, timeZone);
    QFETCH(QString, messageKey);
    DialogPlace dialog(appMain()->uiContext());
    dialog.nameEdit()->setText(name);
    dialog.latitudeBox()->setValue(latitude);
    dialog.longitudeBox()->setValue(15.6);
    dialog.timeZoneEdit()->setText(timeZone);
    emit dialog.saveButton()->clicked();
    QVERIFY(dialog.result() != QDialog::Accepted);
    QCOMPARE(dialog.errorLabel()->text(), appLanguage()->text(messageKey));
    QVERIFY(!appAlmarikManager()->isCustomPlace());
    QCOMPARE(appAlmarikManager()->zoneName(), QStringLiteral("Kuala Lumpur"));
    QVERIFY(!appConfig().useCustomPlace);
}

void TestOwnPlace::fixedZoneTurnsTheOwnPlaceOff()
{
    appConfig().useCustomPlace = true;
    appConfig().customPlace = bonn();
    DialogMain window(appMain()->uiContext());
    QCOMPARE(appAlmarikManager()->zoneName(), QStringLiteral("Bonn"));
    window.slotZoneTriggered(QStringLiteral("Kuala Lumpur"));
    QVERIFY(!appConfig().useCustomPlace);
    QVERIFY(!appAlmarikManager()->isCustomPlace());
    // The place is kept for the next time it is chosen.
    QCOMPARE(appConfig().customPlace.name, QStringLiteral("Bonn"));
}

void TestOwnPlace::startUpFallsBackFromAnUnusablePlace()
{
    // A settings file edited by hand: the place's time zone is unknown.
    appConfig().zone = QStringLiteral("Kuala Lumpur");
    appConfig().useCustomPlace = true;
    appConfig().customPlace = bonn();
    appConfig().customPlace.timeZone = QStringLiteral("Europe/Atlantis");
    DialogMain window(appMain()->uiContext());
    QVERIFY(window.ownPlaceRefused());
    QVERIFY(!appAlmarikManager()->isCustomPlace());
    QCOMPARE(appAlmarikManager()->zoneName(), QStringLiteral("Kuala Lumpur"));
    // The choice stays for the user to correct.
    QVERIFY(appConfig().useCustomPlace);

    appConfig().customPlace = bonn();
    DialogMain good(appMain()->uiContext());
    QVERIFY(!good.ownPlaceRefused());
    QVERIFY(appAlmarikManager()->isCustomPlace());
}

void TestOwnPlace::adjustmentsAct_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("minutes");
    QTest::newRow("Zohor +5") << int(Zohor) << 5;
    QTest::newRow("Isyak -10") << int(Isyak) << -10;
    QTest::newRow("Subuh +10") << int(Subuh) << 10;
}

void TestOwnPlace::adjustmentsAct()
{
    QFETCH(int, slot);
    QFETCH(int, minutes);
    appConfig().useCustomPlace = true;
    appConfig().customPlace = bonn();
    QVERIFY(appAlmarikManager()->setCustomPlace(appConfig().customPlace));
    const DailyTimes before = dayOf(QDate(2026, 3, 10));
    PanelConfAdjust panel(appMain()->uiContext());
    QVERIFY(panel.minutesBox(slot)->isEnabled());
    panel.minutesBox(slot)->setValue(minutes);
    const DailyTimes after = dayOf(QDate(2026, 3, 10));
    QCOMPARE(minutesOf(after, slot), minutesOf(before, slot) + minutes);
    QCOMPARE(minutesOf(after, Maghrib == slot ? Asar : Maghrib), minutesOf(before, Maghrib == slot ? Asar : Maghrib));
    QCOMPARE(appConfig().customPlace.adjustment[slot], minutes);
    // The box keeps showing what was chosen once the place is computed.
    QCOMPARE(panel.minutesBox(slot)->value(), minutes);

    // Hanafi's Asar comes later than the convention's Shafi'i one.
    panel.asarCombo()->setCurrentIndex(CustomPlace::Hanafi);
    QCOMPARE(appConfig().customPlace.asarSchool, int(CustomPlace::Hanafi));
    QVERIFY(minutesOf(dayOf(QDate(2026, 3, 10)), Asar) > minutesOf(before, Asar) + 20);
}

void TestOwnPlace::adjustmentsGreyedForZones_data()
{
    QTest::addColumn<QString>("zone");
    QTest::newRow("Kuala Lumpur") << "Kuala Lumpur";
    QTest::newRow("Kota Kinabalu") << "Kota Kinabalu";
    QTest::newRow("Kuching") << "Kuching";
}

// JAKIM's zones show JAKIM's times: greyed controls with their note, and
// the adjustments of the places abroad leave their times alone.
void TestOwnPlace::adjustmentsGreyedForZones()
{
    QFETCH(QString, zone);
    QVERIFY(appAlmarikManager()->setZone(zone, false));
    const DailyTimes table = dayOf(QDate(2026, 3, 10));
    PlaceAdjustments abroad;
    abroad.asarSchool = CustomPlace::Hanafi;
    abroad.adjustment[Zohor] = 7;
    appConfig().abroadAdjustments = abroad;
    QVERIFY(appAlmarikManager()->setAbroadAdjustments(abroad));
    QVERIFY(appAlmarikManager()->setZone(zone, false));
    QVERIFY(!appAlmarikManager()->isAdjustable());
    const DailyTimes shown = dayOf(QDate(2026, 3, 10));
    for (int slot = 0; slot < PrayerSlotCount; ++slot)
        QCOMPARE(minutesOf(shown, slot), minutesOf(table, slot));

    PanelConfAdjust panel(appMain()->uiContext());
    QVERIFY(!panel.asarCombo()->isEnabled());
    QVERIFY(!panel.highLatitudeCombo()->isEnabled());
    for (int slot = 0; slot < PrayerSlotCount; ++slot)
        QVERIFY(!panel.minutesBox(slot)->isEnabled());
    QCOMPARE(panel.noteLabel()->text(), appLanguage()->text(QStringLiteral("ConfAdjust.FixedNote")));
    // Choosing the own place or a place abroad lets them act.
    QVERIFY(appAlmarikManager()->setCustomPlace(bonn()));
    QVERIFY(panel.minutesBox(Zohor)->isEnabled());
    QCOMPARE(panel.noteLabel()->text(), appLanguage()->text(QStringLiteral("ConfAdjust.OwnNote")));
    QVERIFY(appAlmarikManager()->setZone(QStringLiteral("Paris"), false));
    QVERIFY(panel.asarCombo()->isEnabled());
    QCOMPARE(panel.asarCombo()->currentIndex(), int(CustomPlace::Hanafi));
    QCOMPARE(panel.minutesBox(Zohor)->value(), 7);
    QCOMPARE(panel.noteLabel()->text(), appLanguage()->text(QStringLiteral("ConfAdjust.AbroadNote")));
}

void TestOwnPlace::abroadMinutesMoveOnePrayer_data()
{
    QTest::addColumn<QString>("place");
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("minutes");
    QTest::newRow("Paris Zohor +5") << "Paris" << int(Zohor) << 5;
    QTest::newRow("Jakarta Pusat Isyak -10") << "Jakarta Pusat" << int(Isyak) << -10;
    QTest::newRow("Makkah Subuh +3") << "Makkah" << int(Subuh) << 3;
    QTest::newRow("Daerah Belait Maghrib +7") << "Daerah Belait" << int(Maghrib) << 7;
    QTest::newRow("Singapura Asar +1") << "Singapura" << int(Asar) << 1;
}

// A minute adjustment moves that prayer, and only it, by exactly its
// minutes, in the home page and for the notifier, at once; it is stored
// for the places abroad, not for the own place.
void TestOwnPlace::abroadMinutesMoveOnePrayer()
{
    QFETCH(QString, place);
    QFETCH(int, slot);
    QFETCH(int, minutes);
    appConfig().zone = place;
    FakeDesktopNotifier notifier;
    UiContext ctx = appMain()->uiContext();
    ctx.desktopNotifier = &notifier;
    TraylessWindow window(ctx);
    QCOMPARE(appAlmarikManager()->zoneName(), place);
    QVERIFY(appAlmarikManager()->isPlaceAbroad());
    const QDate date(2026, 3, 10);
    const DailyTimes before = dayOf(date);
    auto *home = window.page<PageHome>();
    QVERIFY(home->showMonth(date));

    PanelConfAdjust panel(ctx);
    QVERIFY(panel.minutesBox(slot)->isEnabled());
    panel.minutesBox(slot)->setValue(minutes);

    QCOMPARE(home->days().size(), date.daysInMonth());
    const DailyTimes shown = home->days().at(date.day() - 1);
    for (int s = 0; s < PrayerSlotCount; ++s)
        QCOMPARE(minutesOf(shown, s), minutesOf(before, s) + (s == slot ? minutes : 0));
    const auto dueAt = [&window, &date](int minute) {
        QList<int> due;
        for (const PrayerNotifier::Notice &n : window.notifier().examineAll(QDateTime(date, QTime(minute / 60, minute % 60))))
            due << n.slot;
        return due;
    };
    QVERIFY(dueAt(minutesOf(before, slot) + minutes).contains(slot));
    QVERIFY(!dueAt(minutesOf(before, slot)).contains(slot));

    QCOMPARE(appConfig().abroadAdjustments.adjustment[slot], minutes);
    QCOMPARE(panel.minutesBox(slot)->value(), minutes);
    QCOMPARE(appConfig().customPlace.adjustment[slot], 0);
    // Back to the convention's minute: the table's times again.
    panel.minutesBox(slot)->setValue(0);
    QCOMPARE(minutesOf(dayOf(date), slot), minutesOf(before, slot));
}

void TestOwnPlace::abroadAsarSchool_data()
{
    QTest::addColumn<QString>("place");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<QString>("timeZone");
    QTest::addColumn<QString>("convention");
    QTest::newRow("Paris") << "Paris" << 48.85341 << 2.3488 << "Europe/Paris" << "MWL";
    QTest::newRow("Singapura") << "Singapura" << 1.28967 << 103.85007 << "Asia/Singapore" << "MUIS";
    QTest::newRow("Istanbul") << "Istanbul" << 41.01384 << 28.94966 << "Europe/Istanbul" << "DIYANET";
    QTest::newRow("Sydney") << "Sydney" << -33.8833 << 151.2167 << "Australia/Sydney" << "MWL";
    QTest::newRow("Jakarta Pusat") << "Jakarta Pusat" << -6.1777 << 106.8403 << "Asia/Jakarta" << "KEMENAG";
}

// Hanafi's Asar, chosen for the places abroad, comes later at each of
// them, leaves the other times, is kept over a restart, and equals the
// same point computed as an own place with that school (the program and
// `almarik-gen --latitude ... --asar hanafi` agree).
void TestOwnPlace::abroadAsarSchool()
{
    QFETCH(QString, place);
    QFETCH(double, latitude);
    QFETCH(double, longitude);
    QFETCH(QString, timeZone);
    QFETCH(QString, convention);
    QVERIFY(appAlmarikManager()->setZone(place, false));
    QList<DailyTimes> table;
    QVERIFY(appAlmarikManager()->timesOfMonth(7, 2027, table));

    PanelConfAdjust panel(appMain()->uiContext());
    panel.asarCombo()->setCurrentIndex(CustomPlace::Hanafi);
    QCOMPARE(appConfig().abroadAdjustments.asarSchool, int(CustomPlace::Hanafi));
    QVERIFY(appConfig().flush());
    AppConfig reloaded;
    QVERIFY(reloaded.load());
    QCOMPARE(reloaded.abroadAdjustments.asarSchool, int(CustomPlace::Hanafi));

    // A start with the stored settings computes the place with them.
    QVERIFY(appAlmarikManager()->setAbroadAdjustments(PlaceAdjustments()));
    appConfig() = reloaded;
    appConfig().zone = place;
    DialogMain window(appMain()->uiContext());
    QList<DailyTimes> hanafi;
    QVERIFY(appAlmarikManager()->timesOfMonth(7, 2027, hanafi));
    QCOMPARE(hanafi.size(), table.size());

    CustomPlace own;
    own.name = place;
    own.latitude = latitude;
    own.longitude = longitude;
    own.timeZone = timeZone;
    own.convention = convention;
    own.asarSchool = CustomPlace::Hanafi;
    const CustomPlaceTimes computed(own, ConventionCatalogue::builtIn());
    for (int i = 0; i < hanafi.size(); ++i) {
        QVERIFY(minutesOf(hanafi.at(i), Asar) > minutesOf(table.at(i), Asar) + 15);
        DailyTimes expected;
        QVERIFY(computed.timesOfDay(QDate(2027, 7, i + 1), expected));
        for (int slot = 0; slot < PrayerSlotCount; ++slot) {
            if (slot != Asar)
                QCOMPARE(minutesOf(hanafi.at(i), slot), minutesOf(table.at(i), slot));
            QCOMPARE(minutesOf(hanafi.at(i), slot), minutesOf(expected, slot));
        }
    }
}

void TestOwnPlace::sourceLine_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("line");
    QTest::newRow("published") << "English" << "Kuala Lumpur" << QDate(2026, 5, 1) << "Source: e-Solat JAKIM";
    QTest::newRow("published, Malay") << "Bahasa Malaysia" << "Kuala Lumpur" << QDate(2026, 5, 1)
                                      << "Sumber: e-Solat JAKIM";
    QTest::newRow("computed") << "English" << "Kuala Lumpur" << QDate(2031, 5, 1)
                              << "Computed by JAKIM's method from the 2026 table";
    QTest::newRow("computed, Malay") << "Bahasa Malaysia" << "Kuala Lumpur" << QDate(2031, 5, 1)
                                     << "Dikira mengikut kaedah JAKIM (jadual 2026)";
    QTest::newRow("place abroad") << "English" << "New York" << QDate(2026, 5, 1)
                                  << "Computed by the ISNA convention";
    QTest::newRow("own place") << "English" << "" << QDate(2026, 5, 1)
                               << "Computed by the MWL convention";
    QTest::newRow("own place, Malay") << "Bahasa Malaysia" << "" << QDate(2031, 5, 1)
                                      << "Dikira mengikut kaedah Liga Dunia Islam";
}

void TestOwnPlace::sourceLine()
{
    QFETCH(QString, language);
    QFETCH(QString, zone);
    QFETCH(QDate, date);
    QFETCH(QString, line);
    useLanguage(language);
    if (zone.isEmpty())
        QVERIFY(appAlmarikManager()->setCustomPlace(bonn()));
    else
        QVERIFY(appAlmarikManager()->setZone(zone, false));
    PageHome page(appMain()->uiContext());
    QVERIFY(page.showMonth(date));
    QCOMPARE(page.sourceText(), line);
}

void TestOwnPlace::sourceLineClearsTheVerse_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("convention");
    for (const QString &language : {QStringLiteral("English"), QStringLiteral("Bahasa Malaysia")}) {
        for (const QString &code : ConventionCatalogue::builtIn().codes())
            QTest::newRow(qPrintable(language + QLatin1Char(' ') + code)) << language << code;
    }
}

// Every convention's source line ends before the verse's meaning begins.
void TestOwnPlace::sourceLineClearsTheVerse()
{
    QFETCH(QString, language);
    QFETCH(QString, convention);
    useLanguage(language);
    CustomPlace place = bonn();
    place.convention = convention;
    QVERIFY(appAlmarikManager()->setCustomPlace(place));
    PageHome page(appMain()->uiContext());
    page.resize(648, 375);
    QVERIFY(page.showMonth(QDate(2026, 5, 1)));
    auto *source = page.findChild<QLabel *>(QStringLiteral("labelSource"));
    auto *meaning = page.findChild<QLabel *>(QStringLiteral("labelTafsirQuran"));
    QVERIFY(source && meaning);
    QVERIFY(!source->text().isEmpty());
    QVERIFY2(!source->geometry().intersects(meaning->geometry()), qPrintable(source->text()));
}

void TestOwnPlace::warningWindow_data()
{
    QTest::addColumn<int>("daysBefore");
    QTest::addColumn<QString>("lineKey");
    QTest::addColumn<bool>("noTimes");
    QTest::newRow("61 days before") << 61 << "" << false;
    QTest::newRow("60 days before") << 60 << "Data.EndsSoonLine" << false;
    QTest::newRow("1 day before") << 1 << "Data.EndsSoonLine" << false;
    QTest::newRow("the last day") << 0 << "Data.EndsSoonLine" << false;
    QTest::newRow("the day after") << -1 << "Data.EndedLine" << true;
}

void TestOwnPlace::warningWindow()
{
    QFETCH(int, daysBefore);
    QFETCH(QString, lineKey);
    QFETCH(bool, noTimes);
    const QDate last = appAlmarikManager()->lastCoveredDay();
    QVERIFY(last.isValid());
    const QDate today = last.addDays(-daysBefore);
    const CoverageNotice coverage(today, last);

    FakeDesktopNotifier notifier;
    UiContext ctx = appMain()->uiContext();
    ctx.desktopNotifier = &notifier;
    TraylessWindow window(ctx);
    window.show();
    auto *home = window.page<PageHome>();
    window.followDate(today);
    home->slotGoToToday();

    const QString expected = lineKey.isEmpty() ? QString() : coverage.line(*appLanguage());
    QVERIFY(lineKey.isEmpty() || expected.contains(appLanguage()->shortDate(last)));
    // The line stands under the verse, or, once there are no times, in the
    // grid's place (and only there).
    QCOMPARE(home->coverageText(), noTimes ? QString() : expected);
    QCOMPARE(home->noTimesText(), noTimes ? expected : QString());
    QCOMPARE(home->days().isEmpty(), noTimes);

    // One notice from the window on; the next tick the same day adds none,
    // and the next day adds one more while the end is near (none once the
    // tables have ended: that one is said at start only).
    const int first = lineKey.isEmpty() ? 0 : 1;
    QCOMPARE(notifier.shown.size(), first);
    if (first)
        QVERIFY(notifier.shown.first().endsWith(coverage.notice(*appLanguage())));
    window.followDate(today);
    QCOMPARE(notifier.shown.size(), first);
    window.followDate(today.addDays(1));
    const int nextDay = CoverageNotice(today.addDays(1), last).state() == CoverageNotice::EndsSoon ? 1 : 0;
    QCOMPARE(notifier.shown.size(), first + nextDay);
}

int main(int argc, char *argv[])
{
    return runViewTest<TestOwnPlace>(argc, argv);
}

#include "test_ownplace.moc"
