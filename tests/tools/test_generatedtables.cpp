// The tables the build generates for the data plug-in, read back as text and
// checked against the committed sources, which are parsed here independently
// of the generator.

#include <QtTest>

#include <QDate>
#include <QFile>
#include <QHash>
#include <QTimeZone>

namespace {

const QStringList Prayers = {QStringLiteral("imsak"), QStringLiteral("subuh"), QStringLiteral("syuruk"),
                             QStringLiteral("duha"), QStringLiteral("zohor"), QStringLiteral("asar"),
                             QStringLiteral("maghrib"), QStringLiteral("isyak")};

// Splits a CSV line; fields with commas are double-quoted.
QStringList splitCsv(const QString &line)
{
    QStringList out;
    QString field;
    bool quoted = false;
    for (const QChar c : line) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (c == QLatin1Char(',') && !quoted) {
            out << field;
            field.clear();
        } else
            field += c;
    }
    out << field;
    return out;
}

// Reads a CSV file into rows of fields (header first); CR is dropped.
QVector<QStringList> readCsv(const QString &path)
{
    QVector<QStringList> rows;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return rows;
    const QList<QByteArray> lines = f.readAll().split('\n');
    for (QByteArray line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (!line.isEmpty())
            rows << splitCsv(QString::fromUtf8(line));
    }
    return rows;
}

int minutesOf(const QString &hhmm)
{
    const QTime t = QTime::fromString(hhmm, QStringLiteral("HH:mm"));
    return t.isValid() ? t.hour() * 60 + t.minute() : -1;
}

struct Day
{
    QDate date;
    int minutes[8];
};

} // namespace

class TestGeneratedTables : public QObject
{
    Q_OBJECT

private:
    QVector<QStringList> m_days;
    QHash<QString, QVector<Day>> m_byZone;
    QStringList m_zoneOrder;

    QString data(const QString &name) const
    {
        return QStringLiteral(ALMARIK_TEST_DATA_DIR "/") + name;
    }

private slots:
    void initTestCase()
    {
        m_days = readCsv(QStringLiteral(ALMARIK_DAYS_CSV));
        QVERIFY2(m_days.size() > 1, "the generated day table is missing or empty");
        QCOMPARE(m_days.first(), (QStringList{QStringLiteral("zone"), QStringLiteral("date")} + Prayers));
        for (int i = 1; i < m_days.size(); ++i) {
            const QStringList &r = m_days.at(i);
            QCOMPARE(r.size(), 10);
            Day d;
            d.date = QDate::fromString(r.at(1), Qt::ISODate);
            QVERIFY2(d.date.isValid(), qPrintable(r.join(QLatin1Char(','))));
            for (int p = 0; p < 8; ++p) {
                d.minutes[p] = minutesOf(r.at(2 + p));
                QVERIFY2(d.minutes[p] >= 0, qPrintable(r.join(QLatin1Char(','))));
            }
            if (!m_byZone.contains(r.at(0)))
                m_zoneOrder << r.at(0);
            m_byZone[r.at(0)] << d;
        }
    }

    // 60 JAKIM zones in their list's order, then every place outside
    // Malaysia in catalogue order, then Tokyo; each exactly 2026 to 2035
    // day by day, and no zone twice.
    void everyZoneEveryDay()
    {
        QStringList expected;
        const QVector<QStringList> zones = readCsv(data(QStringLiteral("jakim/zones.csv")));
        for (int i = 1; i < zones.size(); ++i)
            expected << zones.at(i).at(0);
        QCOMPARE(expected.size(), 60);
        const QVector<QStringList> places = readCsv(data(QStringLiteral("places.csv")));
        const int g = places.first().indexOf(QStringLiteral("group"));
        const int z = places.first().indexOf(QStringLiteral("zone"));
        QString tokyo;
        for (int i = 1; i < places.size(); ++i) {
            if (places.at(i).at(g) == QLatin1String("Malaysia"))
                continue;
            if (places.at(i).at(g) == QLatin1String("zone_only"))
                tokyo = places.at(i).at(z);
            else
                expected << places.at(i).at(z);
        }
        expected << tokyo;
        QCOMPARE(expected.size(), 115);
        QCOMPARE(m_zoneOrder, expected);
        QVERIFY(expected.contains(QStringLiteral("NewYork")));
        QVERIFY(expected.contains(QStringLiteral("BandaAceh")));

        // Rows of a zone are contiguous in the file.
        QString previous;
        QSet<QString> finished;
        for (int i = 1; i < m_days.size(); ++i) {
            const QString zone = m_days.at(i).at(0);
            if (zone != previous) {
                QVERIFY2(!finished.contains(zone), qPrintable(zone));
                finished.insert(previous);
                previous = zone;
            }
        }
        for (const QString &zone : expected) {
            const QVector<Day> &days = m_byZone.value(zone);
            QCOMPARE(days.size(), 3652);
            for (int i = 0; i < days.size(); ++i)
                QCOMPARE(days.at(i).date, QDate(2026, 1, 1).addDays(i));
        }
    }

    // Every published 2026 time of the 60 zones is in the table unchanged,
    // except SBH08's Imsak of 3 April, a copy of Asar in the source, which
    // becomes Subuh less 10 minutes.
    void malaysia2026IsThePublishedTable()
    {
        const QVector<QStringList> rows = readCsv(data(QStringLiteral("jakim/prayer_times_2026.csv")));
        QCOMPARE(rows.size(), 21901);
        const QStringList h = rows.first();
        const QStringList columns = {QStringLiteral("imsak"), QStringLiteral("subuh"), QStringLiteral("syuruk"),
                                     QStringLiteral("dhuha"), QStringLiteral("zohor"), QStringLiteral("asar"),
                                     QStringLiteral("maghrib"), QStringLiteral("isyak")};
        int compared = 0, mended = 0;
        for (int i = 1; i < rows.size(); ++i) {
            const QStringList &r = rows.at(i);
            const QDate date = QDate::fromString(r.at(h.indexOf(QStringLiteral("date"))), Qt::ISODate);
            const QString zone = r.at(h.indexOf(QStringLiteral("zone")));
            const QVector<Day> &days = m_byZone.value(zone);
            QVERIFY2(days.size() == 3652, qPrintable(zone));
            const Day &d = days.at(int(QDate(2026, 1, 1).daysTo(date)));
            for (int p = 0; p < 8; ++p) {
                const int published = minutesOf(r.at(h.indexOf(columns.at(p))));
                if (zone == QLatin1String("SBH08") && date == QDate(2026, 4, 3) && p == 0) {
                    QCOMPARE(published, 15 * 60 + 20);
                    const int subuh = minutesOf(r.at(h.indexOf(QStringLiteral("subuh"))));
                    QCOMPARE(d.minutes[0], subuh - 10);
                    ++mended;
                    continue;
                }
                if (d.minutes[p] != published)
                    QFAIL(qPrintable(QStringLiteral("%1 %2 %3: %4 instead of %5").arg(zone, date.toString(Qt::ISODate),
                          Prayers.at(p)).arg(d.minutes[p]).arg(published)));
                ++compared;
            }
        }
        QCOMPARE(mended, 1);
        QCOMPARE(compared, 60 * 365 * 8 - 1);
    }

    // Malaysia after 2026 is computed: each time of every later year stays
    // within a minute of the same calendar day of 2026 (the sun repeats its
    // year that closely), Imsak is Subuh less 10 minutes (equal to it in
    // Perlis), and the Duha rule of zones with a fixed gap to Syuruk is
    // kept. Each year is computed, not copied: some minutes differ from
    // 2026, most do not.
    void malaysiaLaterYearsFollowThePublishedYear()
    {
        const QVector<QStringList> zones = readCsv(data(QStringLiteral("jakim/zones.csv")));
        QHash<int, int> changed, total;
        for (int i = 1; i < zones.size(); ++i) {
            const QString zone = zones.at(i).at(0);
            const QVector<Day> &days = m_byZone.value(zone);
            QHash<int, int> published;   // month * 100 + day -> index in 2026
            QSet<int> duhaGaps2026;
            for (int k = 0; k < 365; ++k) {
                published.insert(days.at(k).date.month() * 100 + days.at(k).date.day(), k);
                duhaGaps2026.insert(days.at(k).minutes[3] - days.at(k).minutes[2]);
            }
            for (int k = 365; k < days.size(); ++k) {
                const Day &b = days.at(k);
                const int key = b.date.month() * 100 + b.date.day();
                const Day &a = days.at(published.value(key, published.value(key - 1)));
                for (int p = 1; p < 8; ++p) {
                    const int diff = qAbs(b.minutes[p] - a.minutes[p]);
                    QVERIFY2(diff <= 1, qPrintable(QStringLiteral("%1 %2 %3 moved %4 minutes from 2026")
                                                       .arg(zone, b.date.toString(Qt::ISODate), Prayers.at(p)).arg(diff)));
                    changed[b.date.year()] += diff != 0;
                    ++total[b.date.year()];
                }
                const int gap = b.minutes[1] - b.minutes[0];
                QCOMPARE(gap, zone == QLatin1String("PLS01") ? 0 : 10);
                if (duhaGaps2026.size() == 1)
                    QCOMPARE(b.minutes[3] - b.minutes[2], *duhaGaps2026.begin());
            }
        }
        QCOMPARE(total.size(), 9);
        for (auto it = total.constBegin(); it != total.constEnd(); ++it) {
            QVERIFY2(changed.value(it.key()) > it.value() / 100, qPrintable(QString::number(it.key())));
            QVERIFY2(changed.value(it.key()) < it.value() / 2, qPrintable(QString::number(it.key())));
        }
    }

    // From one day to the next, across the whole decade and its new years,
    // no time of a JAKIM zone moves more than 3 minutes unless the
    // published 2026 table moves as much between the same two calendar
    // days (31 December to 1 January taken within 2026).
    void malaysiaDayToDayJumps()
    {
        const QVector<QStringList> zones = readCsv(data(QStringLiteral("jakim/zones.csv")));
        for (int i = 1; i < zones.size(); ++i) {
            const QString zone = zones.at(i).at(0);
            const QVector<Day> &days = m_byZone.value(zone);
            QHash<int, int> published;
            for (int k = 0; k < 365; ++k)
                published.insert(days.at(k).date.month() * 100 + days.at(k).date.day(), k);
            const auto indexOf = [&](const QDate &d) {
                const int key = d.month() * 100 + d.day();
                return published.value(key, published.value(key - 1));
            };
            for (int k = 1; k < days.size(); ++k) {
                const Day &before = days.at(k - 1), &day = days.at(k);
                const Day &pb = days.at(indexOf(before.date)), &pd = days.at(indexOf(day.date));
                for (int p = 0; p < 8; ++p) {
                    const int jump = qAbs(day.minutes[p] - before.minutes[p]);
                    const int publishedJump = qAbs(pd.minutes[p] - pb.minutes[p]);
                    QVERIFY2(jump <= qMax(3, publishedJump),
                             qPrintable(QStringLiteral("%1 %2 %3 jumps %4 minutes").arg(zone, day.date.toString(Qt::ISODate),
                                                                                  Prayers.at(p)).arg(jump)));
                }
            }
        }
    }

    // Within every day of every zone: Imsak <= Subuh < Syuruk < Duha <
    // Zohor < Asar < Maghrib < Isyak.
    void timesInOrderWithinEachDay()
    {
        for (auto it = m_byZone.constBegin(); it != m_byZone.constEnd(); ++it) {
            for (const Day &d : it.value()) {
                QVERIFY2(d.minutes[0] <= d.minutes[1], qPrintable(it.key() + d.date.toString(Qt::ISODate)));
                for (int p = 1; p < 7; ++p)
                    QVERIFY2(d.minutes[p] < d.minutes[p + 1],
                             qPrintable(QStringLiteral("%1 %2 %3").arg(it.key(), d.date.toString(Qt::ISODate), Prayers.at(p))));
            }
        }
    }

    void daylightSaving_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("timeZone");
        QTest::newRow("New York") << QStringLiteral("NewYork") << QStringLiteral("America/New_York");
        QTest::newRow("London") << QStringLiteral("London") << QStringLiteral("Europe/London");
        QTest::newRow("Sydney") << QStringLiteral("Sydney") << QStringLiteral("Australia/Sydney");
    }

    // The clock changes (found from the time-zone database here) are the
    // only days on which the times jump by an hour: every time after the
    // change moves by 60 minutes (give or take the day's own drift), and on
    // no other day does any time move by more than a few minutes.
    void daylightSaving()
    {
        QFETCH(QString, zone);
        QFETCH(QString, timeZone);
        const QTimeZone tz(timeZone.toUtf8());
        QVERIFY(tz.isValid());
        QHash<QDate, int> changes;   // first day on the new clock -> hours moved
        const auto transitions = tz.transitions(QDateTime(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC),
                                                QDateTime(QDate(2035, 12, 31), QTime(23, 0), Qt::UTC));
        for (const QTimeZone::OffsetData &t : transitions) {
            const QDateTime local = t.atUtc.toTimeZone(tz);
            const int before = tz.offsetFromUtc(t.atUtc.addSecs(-1));
            changes.insert(local.date(), (t.offsetFromUtc - before) / 3600);
        }
        QCOMPARE(changes.size(), 20);

        const QVector<Day> &days = m_byZone.value(zone);
        QCOMPARE(days.size(), 3652);
        for (int i = 1; i < days.size(); ++i) {
            const Day &a = days.at(i - 1), &b = days.at(i);
            const int shift = changes.value(b.date, 0) * 60;
            // Zohor to Isyak come after any change in the night.
            for (int p = 4; p < 8; ++p) {
                const int moved = b.minutes[p] - a.minutes[p] - shift;
                QVERIFY2(qAbs(moved) <= 4, qPrintable(QStringLiteral("%1 %2 %3 moved %4 besides the clock change")
                                                         .arg(zone, b.date.toString(Qt::ISODate), Prayers.at(p)).arg(moved)));
            }
        }
    }

    // One row per day from 2015-01-01 to 2035-12-31; the takwim's date
    // wherever it has one; days count on, months of 29 or 30 days, and the
    // months after the takwim carry on its numbering.
    void hijriTable()
    {
        const QVector<QStringList> rows = readCsv(QStringLiteral(ALMARIK_HIJRI_CSV));
        QVERIFY(rows.size() > 1);
        QCOMPARE(rows.first(), (QStringList{QStringLiteral("gregorian"), QStringLiteral("hijri_year"),
                                            QStringLiteral("hijri_month"), QStringLiteral("hijri_day")}));
        QCOMPARE(rows.size() - 1, int(QDate(2015, 1, 1).daysTo(QDate(2035, 12, 31))) + 1);

        QHash<QDate, QString> takwim;
        const QVector<QStringList> t = readCsv(data(QStringLiteral("jakim/tarikh.csv")));
        for (int i = 1; i < t.size(); ++i)
            takwim.insert(QDate::fromString(t.at(i).at(0), Qt::ISODate), t.at(i).at(1));

        int prevY = 0, prevM = 0, prevD = 0, monthLength = 0, computed = 0;
        bool firstMonth = true;
        for (int i = 1; i < rows.size(); ++i) {
            const QStringList &r = rows.at(i);
            const QDate date = QDate::fromString(r.at(0), Qt::ISODate);
            QCOMPARE(date, QDate(2015, 1, 1).addDays(i - 1));
            const int y = r.at(1).toInt(), m = r.at(2).toInt(), d = r.at(3).toInt();
            QVERIFY(m >= 1 && m <= 12 && d >= 1 && d <= 30);
            const QString iso = QStringLiteral("%1-%2-%3").arg(y).arg(m, 2, 10, QLatin1Char('0')).arg(d, 2, 10, QLatin1Char('0'));
            if (takwim.contains(date))
                QCOMPARE(iso, takwim.value(date));
            else
                ++computed;
            if (i > 1) {
                if (d == 1) {
                    QVERIFY2(prevD == 29 || prevD == 30, qPrintable(r.at(0)));
                    QCOMPARE(y * 12 + m, prevY * 12 + prevM + 1);
                    if (!firstMonth)
                        QVERIFY(monthLength == 29 || monthLength == 30);
                    firstMonth = false;
                    monthLength = 0;
                } else {
                    QCOMPARE(d, prevD + 1);
                    QCOMPARE(m, prevM);
                    QCOMPARE(y, prevY);
                }
            }
            ++monthLength;
            prevY = y;
            prevM = m;
            prevD = d;
        }
        // Every day from 29 December 2027 lies after the takwim.
        QCOMPARE(computed, int(QDate(2027, 12, 29).daysTo(QDate(2035, 12, 31))) + 1);
        // The table begins as the takwim does: 2015-01-01 is 10 Rabiul Awal 1436.
        QCOMPARE(rows.at(1).mid(1), (QStringList{QStringLiteral("1436"), QStringLiteral("3"), QStringLiteral("10")}));
    }
};

QTEST_GUILESS_MAIN(TestGeneratedTables)
#include "test_generatedtables.moc"
