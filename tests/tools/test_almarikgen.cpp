// The generator's parts: the fitting of a zone's offset, the carrying of a
// published minute, the sun and moon computations, the conventions of places
// abroad, and the readers' refusal of damaged input.

#include <QtTest>

#include <QTemporaryDir>
#include <QTimeZone>

#include <cmath>

#include "agreementreport.h"
#include "crescentcriterion.h"
#include "csvreader.h"
#include "generatorbuild.h"
#include "hijricalculator.h"
#include "jakimtable.h"
#include "placecalculator.h"
#include "solarcalc.h"
#include "zonecalibrator.h"
#include "zonemodel.h"
#include "zoneprojector.h"

#include "core/calc/conventioncatalogue.h"
#include "core/calc/customplace.h"

namespace {

QString dataDir()
{
    return QStringLiteral(ALMARIK_TEST_DATA_DIR);
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    return f.write(content) == content.size();
}

} // namespace

class TestAlmarikGen : public QObject
{
    Q_OBJECT

private:
    GeneratorBuild m_gen;

private slots:
    void initTestCase()
    {
        QString error;
        QVERIFY2(m_gen.load(dataDir(), true, &error), qPrintable(error));
    }

    // --- fitting and carrying ------------------------------------------

    // An offset that reproduces every day exists: bestOffset finds one that
    // does, for a made-up curve and a known offset.
    void bestOffsetFindsAConsistentOffset()
    {
        QVector<double> times;
        QVector<int> published;
        for (int i = 0; i < 200; ++i) {
            const double t = 300.0 + 7.0 * std::sin(i / 20.0) + 0.013 * i;
            times << t;
            published << int(std::floor(t + 2.37));
        }
        int count = 0;
        const double offset = ZoneCalibrator::bestOffset(times, published, &count);
        QCOMPARE(count, 200);
        for (int i = 0; i < times.size(); ++i)
            QCOMPARE(int(std::floor(times.at(i) + offset)), published.at(i));

        // One day that no offset can match with the others is given up,
        // and only that one.
        published[50] += 3;
        ZoneCalibrator::bestOffset(times, published, &count);
        QCOMPARE(count, 199);
    }

    // Carried from its own published year, a zone gives back every
    // published Subuh to Isyak; the model alone does not manage that.
    void carryingReproducesTheBaseYear()
    {
        const ZoneModel model = m_gen.models().value(QStringLiteral("WLY01"));
        const QVector<ZoneDay> &published = m_gen.published().days(QStringLiteral("WLY01"));
        ZoneProjector::Options options;
        const QVector<ZoneDay> carried = ZoneProjector::projectYear(model, published, 2026, options);
        options.carry = false;
        const QVector<ZoneDay> alone = ZoneProjector::projectYear(model, published, 2026, options);
        QCOMPARE(carried.size(), 365);
        int aloneExact = 0;
        for (int i = 0; i < 365; ++i) {
            for (int p = JakimTable::Subuh; p < JakimTable::PrayerCount; ++p) {
                QCOMPARE(carried.at(i).minutes[p], published.at(i).minutes[p]);
                aloneExact += alone.at(i).minutes[p] == published.at(i).minutes[p];
            }
        }
        QVERIFY(aloneExact < 365 * 7);
        QVERIFY(aloneExact > 365 * 7 * 8 / 10);
    }

    // A leap year gets 366 days; 29 February is carried from 28 February.
    void leapYearHasEveryDay()
    {
        const ZoneModel model = m_gen.models().value(QStringLiteral("JHR02"));
        const QVector<ZoneDay> days = ZoneProjector::projectYear(model, m_gen.published().days(QStringLiteral("JHR02")),
                                                                 2028, ZoneProjector::Options());
        QCOMPARE(days.size(), 366);
        QCOMPARE(days.at(59).date, QDate(2028, 2, 29));
        QVERIFY(qAbs(days.at(59).minutes[JakimTable::Zohor] - days.at(58).minutes[JakimTable::Zohor]) <= 1);
    }

    // The older 20-degree Subuh moves Subuh 8 to 9 minutes earlier at Kuala
    // Lumpur (its 2017 table has 05:58 on 1 January against 06:06 today)
    // and leaves the other times alone.
    void olderSubuhAngle()
    {
        const ZoneModel model = m_gen.models().value(QStringLiteral("WLY01"));
        const QVector<ZoneDay> &published = m_gen.published().days(QStringLiteral("WLY01"));
        ZoneProjector::Options today;
        ZoneProjector::Options older;
        older.subuhShift = 2.0;
        const QVector<ZoneDay> a = ZoneProjector::projectYear(model, published, 2017, today);
        const QVector<ZoneDay> b = ZoneProjector::projectYear(model, published, 2017, older);
        for (int i = 0; i < a.size(); ++i) {
            const int earlier = a.at(i).minutes[JakimTable::Subuh] - b.at(i).minutes[JakimTable::Subuh];
            QVERIFY2(earlier >= 7 && earlier <= 10, qPrintable(a.at(i).date.toString(Qt::ISODate)));
            QCOMPARE(b.at(i).minutes[JakimTable::Imsak], b.at(i).minutes[JakimTable::Subuh] - 10);
            QCOMPARE(a.at(i).minutes[JakimTable::Asar], b.at(i).minutes[JakimTable::Asar]);
        }
        QCOMPARE(b.first().minutes[JakimTable::Subuh], 5 * 60 + 58);
    }

    // Recomputing days the fit never saw, carried from a neighbour it did
    // see, lands on JAKIM's minute on most days and within a minute on
    // nearly all.
    void crossValidatedAgreement()
    {
        const auto results = AgreementReport::crossValidate(m_gen.published(), m_gen.places(),
                                                            {QStringLiteral("SGR01")}, ZoneProjector::Options());
        QCOMPARE(results.size(), 1);
        const AgreementReport::Counts c = results.first().carried;
        // Every day of the year is predicted once.
        QCOMPARE(c.days, 365);
        for (int p = 0; p < JakimTable::PrayerCount; ++p) {
            QVERIFY2(c.exact[p] >= c.days * 85 / 100, qPrintable(JakimTable::prayerName(p)));
            QVERIFY2(c.within1[p] >= c.days * 99 / 100, qPrintable(JakimTable::prayerName(p)));
        }
    }

    // --- sun and moon --------------------------------------------------

    // libitl's transit, corrected, is libnova's exact transit; a hill's
    // lowered horizon brings sunrise forward and sunset back.
    void sunEvents()
    {
        for (const QDate &d : {QDate(2017, 3, 1), QDate(2026, 6, 15), QDate(2027, 11, 30)}) {
            const double itl = SolarCalc::eventTime(d, 3.1, 101.7, 8.0, SolarCalc::Transit, 0);
            QVERIFY(qAbs(itl - SolarCalc::exactTransit(d, 101.7, 8.0)) < 1.0 / 60);
            // The correction itself is large (over a minute) in these years.
            QVERIFY(SolarCalc::clockCorrection(d) > 60);
        }
        const QDate d(2026, 6, 1);
        const double rise0 = SolarCalc::eventTime(d, 5.0, 100.5, 8.0, SolarCalc::Sunrise, SolarCalc::horizonDepression(0));
        const double rise1 = SolarCalc::eventTime(d, 5.0, 100.5, 8.0, SolarCalc::Sunrise, SolarCalc::horizonDepression(1200));
        const double set0 = SolarCalc::eventTime(d, 5.0, 100.5, 8.0, SolarCalc::Sunset, SolarCalc::horizonDepression(0));
        const double set1 = SolarCalc::eventTime(d, 5.0, 100.5, 8.0, SolarCalc::Sunset, SolarCalc::horizonDepression(1200));
        QVERIFY(rise1 < rise0 - 3 && rise1 > rise0 - 8);
        QVERIFY(set1 > set0 + 3 && set1 < set0 + 8);
        // Past midnight stays past midnight: an Isyak after 24:00 is not
        // handed back as an early-morning time.
        const double isha = SolarCalc::eventTime(QDate(2026, 5, 20), 48.85, 2.35, 2.0, SolarCalc::Dusk, 17.0);
        QVERIFY(std::isnan(isha) || isha > 22 * 60);
    }

    // The MABIMS criterion, applied to the takwim's own month starts,
    // reproduces nearly all of 2022-2027.
    void crescentAgreesWithTakwim()
    {
        int total = 0;
        QStringList misses;
        const int right = m_gen.hijriAgreement(2022, 2027, &total, &misses);
        QVERIFY(total >= 73 && total <= 75);
        QVERIFY2(right >= total - 2, qPrintable(misses.join(QLatin1Char('\n'))));
        // The evening before the first day of a takwim month the moon may be
        // seen; two evenings before, the criterion never holds.
        const CrescentCriterion &c = m_gen.hijri().criterion();
        for (const HijriCalculator::MonthStart &s : m_gen.hijri().takwimMonthStarts()) {
            if (s.date.year() < 2022)
                continue;
            QVERIFY2(!c.isVisible(s.date.addDays(-2)), qPrintable(s.date.toString(Qt::ISODate)));
        }
    }

    // After the takwim the calendar counts on from its last month.
    void hijriAfterTheTakwim()
    {
        const HijriCalculator &h = m_gen.hijri();
        const QDate last = h.lastTakwimDay();
        QCOMPARE(last, QDate(2027, 12, 28));
        const HijriCalculator::HijriDate end = h.date(last);
        HijriCalculator::HijriDate prev = end;
        int monthStarts = 0;
        for (QDate d = last.addDays(1); d <= QDate(2029, 1, 31); d = d.addDays(1)) {
            const HijriCalculator::HijriDate cur = h.date(d);
            QVERIFY(!h.inTakwim(d));
            if (cur.day == 1) {
                QVERIFY(prev.day == 29 || prev.day == 30);
                QCOMPARE(cur.year * 12 + cur.month, prev.year * 12 + prev.month + 1);
                ++monthStarts;
            } else {
                QCOMPARE(cur.day, prev.day + 1);
            }
            prev = cur;
        }
        // 13 months in 13 months' time.
        QVERIFY(monthStarts >= 13 && monthStarts <= 14);
        // Ramadan 1450 begins in January 2029.
        bool ramadan = false;
        for (QDate d(2029, 1, 10); d <= QDate(2029, 1, 20); d = d.addDays(1))
            ramadan |= h.date(d).month == 9 && h.date(d).year == 1450 && h.date(d).day == 1;
        QVERIFY(ramadan);
        // And before the takwim it counts back: 1 January 1999 is in 1419.
        QCOMPARE(h.date(QDate(1999, 1, 1)).year, 1419);
    }

    // --- places abroad ---------------------------------------------------

    // Makkah: Isyak 90 minutes after Maghrib, 120 in Ramadan, and Ramadan
    // is Umm al-Qura's, not the Malaysian takwim's: in 1447 Umm al-Qura
    // has 18 February to 19 March 2026, the takwim 19 February to 20 March.
    void makkahIsyakInterval()
    {
        const PlaceRecord *makkah = m_gen.places().find(QStringLiteral("Makkah"));
        QVERIFY(makkah);
        QCOMPARE(PlaceCalculator::ummAlQuraMonthStart(QDate(2026, 2, 19)), QDate(2026, 2, 18));
        QCOMPARE(PlaceCalculator::ummAlQuraMonthStart(QDate(2026, 3, 21)), QDate(2026, 3, 20));
        QString error;
        const QVector<ZoneDay> days = PlaceCalculator::computeYear(*makkah, m_gen.places(), 2026, &m_gen.hijri(), &error);
        QCOMPARE(days.size(), 365);
        for (const ZoneDay &d : days) {
            const bool ramadan = d.date >= QDate(2026, 2, 18) && d.date <= QDate(2026, 3, 19);
            const int gap = d.minutes[JakimTable::Isyak] - d.minutes[JakimTable::Maghrib];
            QVERIFY2(qAbs(gap - (ramadan ? 120 : 90)) <= 1, qPrintable(d.date.toString(Qt::ISODate)));
        }
        // Places on another convention keep the takwim's Ramadan: Doha's
        // Isyak is 90 minutes after Maghrib all year.
        const QVector<ZoneDay> doha = PlaceCalculator::computeYear(*m_gen.places().find(QStringLiteral("Doha")),
                                                                   m_gen.places(), 2026, &m_gen.hijri(), &error);
        QCOMPARE(doha.size(), 365);
        for (const ZoneDay &d : doha)
            QVERIFY(qAbs(d.minutes[JakimTable::Isyak] - d.minutes[JakimTable::Maghrib] - 90) <= 1);
    }

    // Brunei's districts are the capital's table plus their documented
    // minutes; Imsak is always ten minutes before Subuh abroad.
    void bruneiDistricts()
    {
        QString error;
        const QVector<ZoneDay> capital = PlaceCalculator::computeYear(*m_gen.places().find(QStringLiteral("Brunei")),
                                                                      m_gen.places(), 2027, nullptr, &error);
        const QVector<ZoneDay> belait = PlaceCalculator::computeYear(*m_gen.places().find(QStringLiteral("Daerah Belait")),
                                                                     m_gen.places(), 2027, nullptr, &error);
        const QVector<ZoneDay> tutong = PlaceCalculator::computeYear(*m_gen.places().find(QStringLiteral("Tutong")),
                                                                     m_gen.places(), 2027, nullptr, &error);
        QCOMPARE(capital.size(), 365);
        for (int i = 0; i < 365; ++i) {
            for (int p = 0; p < JakimTable::PrayerCount; ++p) {
                QCOMPARE(belait.at(i).minutes[p], capital.at(i).minutes[p] + 3);
                QCOMPARE(tutong.at(i).minutes[p], capital.at(i).minutes[p] + 1);
            }
            QCOMPARE(capital.at(i).minutes[JakimTable::Imsak], capital.at(i).minutes[JakimTable::Subuh] - 10);
        }
    }

    // A fixed place abroad and the same point entered as a place of one's
    // own with the place's convention give the same minutes: the plug-in's
    // table, `almarik-gen --place` and the program's run-time calculator
    // are one computation.
    void placeAbroadEqualsOwnPlace_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : {"London", "Sydney", "New Delhi", "Jakarta Pusat", "Singapura", "Istanbul", "Moscow",
                                 "New York", "Abu Dhabi"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void placeAbroadEqualsOwnPlace()
    {
        QFETCH(QString, name);
        const PlaceRecord *place = m_gen.places().find(name);
        QVERIFY(place);
        QString error;
        const QVector<ZoneDay> fixed = PlaceCalculator::computeYear(*place, m_gen.places(), 2027, &m_gen.hijri(), &error);
        QCOMPARE(fixed.size(), 365);
        CustomPlace own;
        own.name = name;
        own.latitude = place->latitude;
        own.longitude = place->longitude;
        own.timeZone = place->timeZone;
        own.convention = place->method;
        PrayerCalculator calc = own.calculator(ConventionCatalogue::builtIn());
        calc.setRamadanRule([this](const QDate &d) { return m_gen.hijri().date(d).month == 9; });
        for (const ZoneDay &day : fixed) {
            int m[PrayerSlotCount];
            QVERIFY(calc.timesOfDay(day.date, m));
            for (int p = 0; p < PrayerSlotCount; ++p)
                QCOMPARE(m[p], day.minutes[p]);
        }
    }

    // A place with an unknown convention or time zone gives no table and
    // says why.
    void placeWithBadConvention()
    {
        PlaceRecord p = *m_gen.places().find(QStringLiteral("Tokyo"));
        p.method = QStringLiteral("NOSUCH");
        QString error;
        QVERIFY(PlaceCalculator::computeYear(p, m_gen.places(), 2026, nullptr, &error).isEmpty());
        QVERIFY(error.contains(QLatin1String("NOSUCH")));
        p.method = QStringLiteral("MWL");
        p.timeZone = QStringLiteral("Nowhere/Atlantis");
        error.clear();
        QVERIFY(PlaceCalculator::computeYear(p, m_gen.places(), 2026, nullptr, &error).isEmpty());
        QVERIFY(error.contains(QLatin1String("Atlantis")));
    }

    // --- readers --------------------------------------------------------

    void csvSplitting()
    {
        QCOMPARE(CsvReader::splitLine(QStringLiteral("a,\"b, c\",,d")),
                 (QStringList{QStringLiteral("a"), QStringLiteral("b, c"), QString(), QStringLiteral("d")}));
        QCOMPARE(CsvReader::splitLine(QStringLiteral("\"say \"\"hi\"\"\",x")),
                 (QStringList{QStringLiteral("say \"hi\""), QStringLiteral("x")}));
    }

    // A day table missing a day, holding a bad time, or naming a zone the
    // list lacks is refused; the one known typo is mended and nothing else.
    void publishedTableChecks()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString zones = dir.filePath(QStringLiteral("zones.csv"));
        QVERIFY(writeFile(zones, "zone,state,location\r\nSBH08,Sabah,\"Keningau, Tambunan\"\r\n"));
        QByteArray full = "zone,date,day,imsak,subuh,syuruk,dhuha,zohor,asar,maghrib,isyak\r\n";
        for (QDate d(2026, 1, 1); d.year() == 2026; d = d.addDays(1)) {
            const QByteArray imsak = d == QDate(2026, 4, 3) ? "15:20" : "04:54";
            full += "SBH08," + d.toString(Qt::ISODate).toLatin1() + ",X," + imsak
                    + ",05:04,06:14,06:42,12:16,15:20,18:18,19:28\r\n";
        }
        const QString times = dir.filePath(QStringLiteral("times.csv"));
        QVERIFY(writeFile(times, full));
        JakimTable t;
        QString error;
        QVERIFY2(t.load(zones, times, &error), qPrintable(error));
        QCOMPARE(t.mendKnownErrors(), 1);
        QCOMPARE(t.days(QStringLiteral("SBH08")).at(92).minutes[JakimTable::Imsak], 4 * 60 + 54);
        QCOMPARE(t.mendKnownErrors(), 0);

        QByteArray gap = full;
        gap.replace("SBH08,2026-07-01,X,04:54,05:04,06:14,06:42,12:16,15:20,18:18,19:28\r\n", "");
        QVERIFY(writeFile(times, gap));
        QVERIFY(!t.load(zones, times, &error));
        QVERIFY(error.contains(QLatin1String("SBH08")));

        QByteArray badTime = full;
        badTime.replace("2026-07-01,X,04:54", "2026-07-01,X,4:54");
        QVERIFY(writeFile(times, badTime));
        QVERIFY(!t.load(zones, times, &error));

        QVERIFY(writeFile(times, full + "XYZ99,2026-01-01,X,04:54,05:04,06:14,06:42,12:16,15:20,18:18,19:28\r\n"));
        QVERIFY(!t.load(zones, times, &error));
    }

    // The takwim must count on day by day; a skipped day or a 31st day is
    // refused.
    void takwimChecks()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tarikh.csv"));
        QByteArray good = "gregorian,hijri,day\r\n2026-02-17,1447-08-29,X\r\n2026-02-18,1447-08-30,X\r\n"
                          "2026-02-19,1447-09-01,X\r\n2026-02-20,1447-09-02,X\r\n";
        HijriCalculator h;
        QString error;
        QVERIFY(writeFile(path, good));
        QVERIFY2(h.load(path, &error), qPrintable(error));
        QCOMPARE(h.date(QDate(2026, 2, 19)), (HijriCalculator::HijriDate{1447, 9, 1}));

        QByteArray skipped = good;
        skipped.replace("2026-02-18,1447-08-30,X\r\n", "");
        QVERIFY(writeFile(path, skipped));
        QVERIFY(!h.load(path, &error));

        QByteArray longMonth = good;
        longMonth.replace("2026-02-19,1447-09-01", "2026-02-19,1447-08-31");
        QVERIFY(writeFile(path, longMonth));
        QVERIFY(!h.load(path, &error));

        QByteArray earlyStart = good;
        earlyStart.replace("2026-02-18,1447-08-30", "2026-02-18,1447-09-01");
        earlyStart.replace("2026-02-19,1447-09-01", "2026-02-19,1447-09-02");
        earlyStart.replace("2026-02-20,1447-09-02", "2026-02-20,1447-09-03");
        earlyStart.replace("2026-02-17,1447-08-29", "2026-02-17,1447-08-27");
        QVERIFY(writeFile(path, earlyStart));
        QVERIFY(!h.load(path, &error));
    }

    // The committed calibration round-trips through its file, and a file
    // that lacks a prayer or derives from a derived prayer is refused.
    void calibrationFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("cal.csv"));
        QList<ZoneModel> models = {m_gen.models().value(QStringLiteral("SWK08")),
                                   m_gen.models().value(QStringLiteral("PLS01"))};
        QString error;
        QVERIFY(ZoneModelFile::save(path, models, &error));
        QHash<QString, ZoneModel> back;
        QVERIFY2(ZoneModelFile::load(path, &back, &error), qPrintable(error));
        QCOMPARE(back.size(), 2);
        for (const ZoneModel &m : models) {
            const ZoneModel &b = back.value(m.zone);
            for (int p = 0; p < JakimTable::PrayerCount; ++p) {
                QCOMPARE(int(b.prayers[p].kind), int(m.prayers[p].kind));
                if (m.prayers[p].kind != PrayerModel::Computed)
                    QCOMPARE(b.prayers[p].source, m.prayers[p].source);
                QVERIFY(qAbs(b.prayers[p].offset - m.prayers[p].offset) < 1e-4);
                QVERIFY(qAbs(b.prayers[p].latitude - m.prayers[p].latitude) < 1e-3);
            }
        }
        QCOMPARE(back.value(QStringLiteral("PLS01")).prayers[JakimTable::Imsak].minutes, 0);

        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QByteArray text = f.readAll();
        f.close();
        QByteArray missing = text;
        missing.replace(missing.indexOf("PLS01,asar"), missing.indexOf('\n', missing.indexOf("PLS01,asar")) + 1
                        - missing.indexOf("PLS01,asar"), "");
        QVERIFY(writeFile(path, missing));
        QVERIFY(!ZoneModelFile::load(path, &back, &error));

        QByteArray chained = text;
        chained.replace("PLS01,imsak,derived,subuh", "PLS01,imsak,derived,duha");
        QVERIFY(writeFile(path, chained));
        QCOMPARE(int(models.at(1).prayers[JakimTable::Duha].kind), int(PrayerModel::Derived));
        QVERIFY(!ZoneModelFile::load(path, &back, &error));
    }
};

QTEST_GUILESS_MAIN(TestAlmarikGen)
#include "test_almarikgen.moc"
