// Where the times come from and what is said before and after the tables
// end: the provenance statements of the data plug-in, the source line in
// both catalogues, and the warning window driven by the day given as
// today.

#include <QtTest>

#include "core/appconfig.h"
#include "core/coveragenotice.h"
#include "core/dataprovenance.h"
#include "core/language.h"

// The shipped catalogues live in a static library: register them.
static void registerShippedCatalogues() { Q_INIT_RESOURCE(languages); }

namespace {
const char *const Statements = "published 2026 2028\n"
                               "carried 2028\n"
                               "convention NewYork ISNA\n"
                               "convention Makkah UMMALQURA\n"
                               "convention Atlantis XYZ\n"
                               "some future statement 1 2 3\n";
}

Q_DECLARE_METATYPE(DataProvenance::Kind)
Q_DECLARE_METATYPE(CoverageNotice::State)

class TestDataProvenance : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { registerShippedCatalogues(); }
    void sourceOfADay_data();
    void sourceOfADay();
    void pluginThatSaysNothing();
    void sourceLine_data();
    void sourceLine();
    void warningWindow_data();
    void warningWindow();
    void warningTexts_data();
    void warningTexts();
};

void TestDataProvenance::sourceOfADay_data()
{
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<DataProvenance::Kind>("kind");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("convention");
    QTest::newRow("published year") << "WLY01" << QDate(2026, 3, 1) << DataProvenance::Published << 2026 << "";
    QTest::newRow("between published years") << "WLY01" << QDate(2027, 12, 31) << DataProvenance::Computed << 2026 << "";
    QTest::newRow("newest published year") << "SBH08" << QDate(2028, 1, 1) << DataProvenance::Published << 2028 << "";
    QTest::newRow("after the newest") << "SBH08" << QDate(2035, 12, 31) << DataProvenance::Computed << 2028 << "";
    QTest::newRow("before the oldest") << "JHR01" << QDate(2025, 12, 31) << DataProvenance::Computed << 2026 << "";
    QTest::newRow("place abroad") << "NewYork" << QDate(2026, 3, 1) << DataProvenance::Convention << 0 << "ISNA";
    QTest::newRow("no zone") << "" << QDate(2026, 3, 1) << DataProvenance::Unknown << 0 << "";
    QTest::newRow("no date") << "WLY01" << QDate() << DataProvenance::Unknown << 0 << "";
}

void TestDataProvenance::sourceOfADay()
{
    QFETCH(QString, zone);
    QFETCH(QDate, date);
    QFETCH(DataProvenance::Kind, kind);
    QFETCH(int, year);
    QFETCH(QString, convention);
    const DataProvenance provenance = DataProvenance::fromText(QLatin1String(Statements));
    QVERIFY(provenance.isKnown());
    QCOMPARE(provenance.publishedYears(), QList<int>({2026, 2028}));
    QCOMPARE(provenance.carriedFrom(), 2028);
    const DataProvenance::Source source = provenance.sourceOf(zone, date);
    QCOMPARE(source.kind, kind);
    QCOMPARE(source.year, year);
    QCOMPARE(source.convention, convention);
}

void TestDataProvenance::pluginThatSaysNothing()
{
    for (const QString &text : {QString(), QStringLiteral("carried\npublished x\nconvention NewYork\n")}) {
        const DataProvenance provenance = DataProvenance::fromText(text);
        QVERIFY(!provenance.isKnown());
        QCOMPARE(provenance.sourceOf(QStringLiteral("WLY01"), QDate(2026, 1, 1)).kind, DataProvenance::Unknown);
    }
    // A library without the entry point (or no library) says nothing.
    QVERIFY(!DataProvenance::fromPlugin(QStringLiteral("/nonexistent/AlmarikData.so")).isKnown());
}

void TestDataProvenance::sourceLine_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("line");
    const QDate published(2026, 5, 1);
    const QDate computed(2030, 5, 1);
    QTest::newRow("Malay published") << "Bahasa Malaysia" << "WLY01" << published << "Sumber: e-Solat JAKIM";
    QTest::newRow("Malay computed") << "Bahasa Malaysia" << "WLY01" << computed
                                    << "Dikira mengikut kaedah JAKIM (jadual 2028)";
    QTest::newRow("Malay abroad") << "Bahasa Malaysia" << "NewYork" << computed
                                  << "Dikira mengikut kaedah ISNA";
    QTest::newRow("English published") << "English" << "WLY01" << published << "Source: e-Solat JAKIM";
    QTest::newRow("English computed") << "English" << "WLY01" << computed
                                      << "Computed by JAKIM's method from the 2028 table";
    QTest::newRow("English abroad") << "English" << "Makkah" << published
                                    << "Computed by the Umm al-Qura convention";
    QTest::newRow("convention without a name") << "English" << "Atlantis" << published
                                               << "Computed by the XYZ convention";
    QTest::newRow("unknown") << "English" << "WLY01" << QDate() << "";
}

void TestDataProvenance::sourceLine()
{
    QFETCH(QString, language);
    QFETCH(QString, zone);
    QFETCH(QDate, date);
    QFETCH(QString, line);
    AppConfig config;
    config.language = language;
    Language catalogue(config);
    QVERIFY(catalogue.load(false));
    const DataProvenance provenance = DataProvenance::fromText(QLatin1String(Statements));
    QCOMPARE(DataProvenance::text(provenance.sourceOf(zone, date), catalogue), line);
}

void TestDataProvenance::warningWindow_data()
{
    QTest::addColumn<int>("daysBefore");   // today = last day - daysBefore
    QTest::addColumn<CoverageNotice::State>("state");
    QTest::addColumn<QString>("lineKey");
    QTest::addColumn<QString>("noticeKey");
    QTest::newRow("61 days before") << 61 << CoverageNotice::None << "" << "";
    QTest::newRow("60 days before") << 60 << CoverageNotice::EndsSoon << "Data.EndsSoonLine" << "Data.EndsSoonNotice";
    QTest::newRow("1 day before") << 1 << CoverageNotice::EndsSoon << "Data.EndsSoonLine" << "Data.EndsSoonNotice";
    QTest::newRow("last day") << 0 << CoverageNotice::EndsSoon << "Data.EndsSoonLine" << "Data.EndsSoonNotice";
    QTest::newRow("day after") << -1 << CoverageNotice::Ended << "Data.EndedLine" << "Data.EndedNotice";
    QTest::newRow("years after") << -800 << CoverageNotice::Ended << "Data.EndedLine" << "Data.EndedNotice";
}

void TestDataProvenance::warningWindow()
{
    QFETCH(int, daysBefore);
    QFETCH(CoverageNotice::State, state);
    QFETCH(QString, lineKey);
    QFETCH(QString, noticeKey);
    const QDate last(2035, 12, 31);
    const QDate today = last.addDays(-daysBefore);
    const CoverageNotice notice(today, last);
    QCOMPARE(notice.state(), state);
    QCOMPARE(notice.daysLeft(), daysBefore);
    QCOMPARE(notice.lineKey(), lineKey);
    QCOMPARE(notice.noticeKey(), noticeKey);

    // A notice at most once a day while the end nears; once after it.
    const bool warns = state != CoverageNotice::None;
    QCOMPARE(notice.noticeDue(QDate()), warns);
    QCOMPARE(notice.noticeDue(today), false);
    QCOMPARE(notice.noticeDue(today.addDays(-1)), state == CoverageNotice::EndsSoon);
}

void TestDataProvenance::warningTexts_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("daysBefore");
    QTest::addColumn<QString>("line");
    QTest::newRow("English, ends soon") << "English" << 10 << "Prayer times end on December 31, 2035; a newer release brings more.";
    QTest::newRow("English, ended") << "English" << -1 << "No prayer times for today: this release's times ended on December 31, 2035.";
    QTest::newRow("Malay, ends soon") << "Bahasa Malaysia" << 10
                                      << "Waktu solat berakhir pada Disember 31, 2035; keluaran yang lebih baharu membawa waktu seterusnya.";
    QTest::newRow("Malay, ended") << "Bahasa Malaysia" << -1
                                  << "Tiada waktu solat untuk hari ini: waktu dalam keluaran ini berakhir pada Disember 31, 2035.";
    QTest::newRow("far from the end") << "English" << 61 << "";
}

void TestDataProvenance::warningTexts()
{
    QFETCH(QString, language);
    QFETCH(int, daysBefore);
    QFETCH(QString, line);
    AppConfig config;
    config.language = language;
    Language catalogue(config);
    QVERIFY(catalogue.load(false));
    const QDate last(2035, 12, 31);
    const CoverageNotice notice(last.addDays(-daysBefore), last);
    QCOMPARE(notice.line(catalogue), line);
    const QString text = notice.notice(catalogue);
    QCOMPARE(text.isEmpty(), line.isEmpty());
    if (!line.isEmpty())
        QVERIFY2(text.contains(catalogue.shortDate(last)), qPrintable(text));
}

QTEST_GUILESS_MAIN(TestDataProvenance)
#include "test_dataprovenance.moc"
