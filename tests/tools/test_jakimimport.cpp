// Taking in a newly published JAKIM year: the checks that reject a damaged
// table, and the whole command on a copy of the data folder with a
// synthetic published 2027 (the generator's own 2027 with a few values
// changed), after which 2027 is exact and later years are carried from it.

#include <QtTest>

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include "generatorbuild.h"
#include "jakimimport.h"
#include "zoneprojector.h"

namespace {

QString dataDir()
{
    return QStringLiteral(ALMARIK_TEST_DATA_DIR);
}

const char *const Header = "zone,date,day,imsak,subuh,syuruk,dhuha,zohor,asar,maghrib,isyak\r\n";

QByteArray csvRow(const QString &zone, const ZoneDay &day)
{
    QString line = zone + QLatin1Char(',') + day.date.toString(Qt::ISODate) + QStringLiteral(",X");
    for (int p = 0; p < JakimTable::PrayerCount; ++p)
        line += QLatin1Char(',') + JakimTable::formatTime(day.minutes[p]);
    return line.toLatin1() + "\r\n";
}

bool writeFile(const QString &path, const QByteArray &content)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(content) == content.size();
}

bool copyInto(const QString &from, const QString &to)
{
    QDir().mkpath(QFileInfo(to).path());
    return QFile::copy(from, to);
}

// A value changed in the synthetic published year.
struct Change
{
    const char *zone;
    QDate date;
    int prayer;
    int delta;
};
const Change Changes[] = {
    {"WLY01", QDate(2027, 6, 15), JakimTable::Maghrib, +1},
    {"SBH08", QDate(2027, 3, 10), JakimTable::Asar, -1},
    {"JHR01", QDate(2027, 1, 2), JakimTable::Isyak, +2},
    {"PLS01", QDate(2027, 9, 20), JakimTable::Zohor, +1},   // given as e-Solat JSON
};

} // namespace

class TestJakimImport : public QObject
{
    Q_OBJECT

private:
    GeneratorBuild m_gen;
    QVector<ZoneDay> m_year2027;   // WLY01 by the generator

private slots:
    void initTestCase()
    {
        QString error;
        QVERIFY2(m_gen.load(dataDir(), true, &error), qPrintable(error));
        m_year2027 = m_gen.zoneYear(QStringLiteral("WLY01"), 2027, &error);
        QCOMPARE(m_year2027.size(), 365);
    }

    void rejects_data()
    {
        QTest::addColumn<int>("index");       // day of m_year2027 changed, -1 none
        QTest::addColumn<int>("prayer");
        QTest::addColumn<int>("value");       // new minute; -1 drops the day; -2 doubles it
        QTest::addColumn<QString>("reason");  // "" when the year is accepted
        QTest::newRow("unchanged") << -1 << 0 << 0 << "";
        QTest::newRow("a minute later") << 100 << int(JakimTable::Asar) << m_year2027.at(100).minutes[JakimTable::Asar] + 1 << "";
        QTest::newRow("out of order") << 40 << int(JakimTable::Imsak) << m_year2027.at(40).minutes[JakimTable::Asar]
                                      << "times out of order";
        QTest::newRow("jump of 4 minutes") << 200 << int(JakimTable::Isyak)
                                           << m_year2027.at(200).minutes[JakimTable::Isyak] + 4 << "moves";
        QTest::newRow("missing day") << 59 << 0 << -1 << "364 of 365 days (missing 2027-03-01)";
        QTest::newRow("day twice") << 59 << 0 << -2 << "given twice";
    }

    // One zone's year read from the dataset's CSV form: accepted as it is
    // or with a one-minute change, rejected with the reason otherwise.
    void rejects()
    {
        QFETCH(int, index);
        QFETCH(int, prayer);
        QFETCH(int, value);
        QFETCH(QString, reason);
        QByteArray text = Header;
        for (int i = 0; i < m_year2027.size(); ++i) {
            ZoneDay day = m_year2027.at(i);
            if (i == index && value == -1)
                continue;
            if (i == index && value >= 0)
                day.minutes[prayer] = value;
            text += csvRow(QStringLiteral("WLY01"), day);
            if (i == index && value == -2)
                text += csvRow(QStringLiteral("WLY01"), day);
        }
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("wly01.csv"));
        QVERIFY(writeFile(path, text));
        JakimImport import({QStringLiteral("WLY01")}, m_gen.published(), m_gen.models());
        QVERIFY(import.readFile(path, 2027));
        QCOMPARE(import.check(2027), reason.isEmpty());
        if (!reason.isEmpty()) {
            // A changed day may also jump from and to its neighbours; the
            // first complaint names the fault.
            QVERIFY(!import.rejects().isEmpty());
            QVERIFY2(import.rejects().first().contains(reason), qPrintable(import.rejects().first()));
        }
    }

    // Jumps that the newest published year has on the same days pass (the
    // Sabah zones' March changes); a zone missing altogether, a zone not in
    // the list and a file of another year are rejected.
    void publishedJumpsAndWholeFiles()
    {
        QString error;
        const QVector<ZoneDay> sbh09 = m_gen.zoneYear(QStringLiteral("SBH09"), 2027, &error);
        QByteArray text = Header;
        for (const ZoneDay &day : sbh09)
            text += csvRow(QStringLiteral("SBH09"), day);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sbh09.csv"));
        QVERIFY(writeFile(path, text));
        JakimImport import({QStringLiteral("SBH09")}, m_gen.published(), m_gen.models());
        QVERIFY(import.readFile(path, 2027));
        QVERIFY2(import.check(2027), qPrintable(import.rejects().join(QLatin1Char('\n'))));

        JakimImport other({QStringLiteral("SBH09"), QStringLiteral("WLY01")}, m_gen.published(), m_gen.models());
        QVERIFY(other.readFile(path, 2028));
        QVERIFY(!other.check(2028));
        QVERIFY(other.rejects().filter(QStringLiteral("is not a day of 2028")).size() == 365);
        QVERIFY(other.rejects().contains(QStringLiteral("WLY01: no days")));

        JakimImport stranger({QStringLiteral("WLY01")}, m_gen.published(), m_gen.models());
        QVERIFY(stranger.readFile(path, 2027));
        QVERIFY(!stranger.check(2027));
        QVERIFY(stranger.rejects().contains(QStringLiteral("zone SBH09 is not in the zone list")));
    }

    // The whole command: the synthetic 2027 of every zone (one of them as
    // e-Solat's JSON) goes in; afterwards 2027 is exactly that table, 2028
    // on are carried from it, and the takwim gains its Hijri dates.
    void importAPublishedYear()
    {
        QTemporaryDir dir;
        const QString data = dir.filePath(QStringLiteral("data"));
        for (const char *file : {"places.csv", "jakim/zones.csv", "jakim/prayer_times_2026.csv", "jakim/tarikh.csv",
                                 "calibration/jakim_zones.csv"}) {
            QVERIFY(copyInto(dataDir() + QLatin1Char('/') + QLatin1String(file),
                             data + QLatin1Char('/') + QLatin1String(file)));
        }

        QString error;
        QHash<QString, QVector<ZoneDay>> synthetic;
        QByteArray csv = Header;
        for (const QString &zone : m_gen.published().zones()) {
            QVector<ZoneDay> days = m_gen.zoneYear(zone, 2027, &error);
            QCOMPARE(days.size(), 365);
            for (const Change &c : Changes) {
                if (zone == QLatin1String(c.zone))
                    days[QDate(2027, 1, 1).daysTo(c.date)].minutes[c.prayer] += c.delta;
            }
            synthetic.insert(zone, days);
            if (zone == QLatin1String("PLS01"))
                continue;
            for (const ZoneDay &day : days)
                csv += csvRow(zone, day);
        }
        const QString csvPath = dir.filePath(QStringLiteral("jakim_2027.csv"));
        QVERIFY(writeFile(csvPath, csv));

        // PLS01 as e-Solat answers: no Duha, seconds, Hijri dates.
        QJsonArray entries;
        const QLocale c = QLocale::c();
        for (const ZoneDay &day : synthetic.value(QStringLiteral("PLS01"))) {
            const HijriCalculator::HijriDate h = m_gen.hijri().date(day.date);
            QJsonObject e;
            e.insert(QStringLiteral("date"), c.toString(day.date, QStringLiteral("dd-MMM-yyyy")));
            e.insert(QStringLiteral("hijri"), QStringLiteral("%1-%2-%3").arg(h.year)
                                                  .arg(h.month, 2, 10, QLatin1Char('0')).arg(h.day, 2, 10, QLatin1Char('0')));
            const char *keys[] = {"imsak", "fajr", "syuruk", nullptr, "dhuhr", "asr", "maghrib", "isha"};
            for (int p = 0; p < JakimTable::PrayerCount; ++p) {
                if (keys[p])
                    e.insert(QLatin1String(keys[p]), QString(JakimTable::formatTime(day.minutes[p]) + QStringLiteral(":00")));
            }
            entries.append(e);
        }
        const QString jsonPath = dir.filePath(QStringLiteral("pls01.json"));
        QVERIFY(writeFile(jsonPath, QJsonDocument(QJsonObject{{QStringLiteral("zone"), QStringLiteral("PLS01")},
                                                              {QStringLiteral("prayerTime"), entries}}).toJson()));

        QProcess gen;
        gen.start(QStringLiteral(ALMARIK_GEN_PROGRAM),
                  {QStringLiteral("--data"), data, QStringLiteral("--import-jakim"), QStringLiteral("--year"),
                   QStringLiteral("2027"), QStringLiteral("--no-calibrate"), csvPath, jsonPath});
        QVERIFY(gen.waitForFinished(120000));
        QVERIFY2(gen.exitCode() == 0, gen.readAllStandardError().constData());
        QVERIFY(QFile::exists(data + QStringLiteral("/jakim/prayer_times_2027.csv")));

        GeneratorBuild after;
        QVERIFY2(after.load(data, true, &error), qPrintable(error));
        QCOMPARE(after.publishedYears(), QList<int>({2026, 2027}));
        QCOMPARE(after.published().year(), 2027);
        for (const QString &zone : after.published().zones()) {
            const QVector<ZoneDay> exact = after.zoneYear(zone, 2027, &error);
            const QVector<ZoneDay> &expected = synthetic.value(zone);
            QCOMPARE(exact.size(), expected.size());
            for (int i = 0; i < exact.size(); ++i) {
                for (int p = 0; p < JakimTable::PrayerCount; ++p)
                    QVERIFY2(exact.at(i).minutes[p] == expected.at(i).minutes[p],
                             qPrintable(QStringLiteral("%1 %2 %3").arg(zone, exact.at(i).date.toString(Qt::ISODate)).arg(p)));
            }
            // 2026 stays JAKIM's table.
            QCOMPARE(after.zoneYear(zone, 2026, &error).at(100).minutes[JakimTable::Asar],
                     m_gen.zoneYear(zone, 2026, &error).at(100).minutes[JakimTable::Asar]);
        }
        // Later years are carried from the new year, not from 2026: each
        // equals the new year carried forward, and a changed minute moves
        // the carried one at least somewhere (a one-minute change may fall
        // within the same minute once carried).
        int moved = 0;
        for (const Change &c : Changes) {
            const QString zone = QLatin1String(c.zone);
            for (int year : {2028, 2035}) {
                const QVector<ZoneDay> carried = after.zoneYear(zone, year, &error);
                const QVector<ZoneDay> fromNew = ZoneProjector::projectYear(
                        after.models().value(zone), synthetic.value(zone), year, ZoneProjector::Options());
                const QVector<ZoneDay> fromOld = m_gen.zoneYear(zone, year, &error);
                const int i = int(QDate(year, 1, 1).daysTo(QDate(year, c.date.month(), c.date.day())));
                for (int k = 0; k < carried.size(); ++k)
                    QCOMPARE(carried.at(k).minutes[c.prayer], fromNew.at(k).minutes[c.prayer]);
                moved += carried.at(i).minutes[c.prayer] != fromOld.at(i).minutes[c.prayer];
            }
        }
        QVERIFY(moved > 0);
        // The JSON zone's Duha follows its state's rule.
        const ZoneDay &pls = after.zoneYear(QStringLiteral("PLS01"), 2027, &error).at(10);
        QCOMPARE(pls.minutes[JakimTable::Duha] - pls.minutes[JakimTable::Syuruk], 20);

        // Its Hijri dates joined the takwim, which now runs to the year's end.
        QCOMPARE(after.hijri().lastTakwimDay(), QDate(2027, 12, 31));
        QCOMPARE(after.hijri().takwimDate(QDate(2027, 12, 31)), m_gen.hijri().date(QDate(2027, 12, 31)));

        const QString sources = dir.filePath(QStringLiteral("sources.csv"));
        QVERIFY(after.writeSources(sources, &error));
        QFile f(sources);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().contains("\nWLY01,2026 2027,2027,\n"));
    }
};

QTEST_GUILESS_MAIN(TestJakimImport)
#include "test_jakimimport.moc"
