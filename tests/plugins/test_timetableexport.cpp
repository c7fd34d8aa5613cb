// The timetable exports with the shipped plug-in: the iCalendar file read
// back by a reader of the test's own (line unfolding, properties and
// parameters, nothing shared with the writer), the CSV against the
// almarik-tables command, and the zones' time zones against the catalogue.

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "core/almarikmanager.h"
#include "core/exportfile.h"
#include "core/timetablecsv.h"
#include "core/timetableics.h"
#include "core/zonetimezone.h"
#include "testcsv.h"

namespace {

// One component of an iCalendar text: its name, its properties in order
// as (name, parameters, value) and its sub-components.
struct Component
{
    QString name;
    QList<std::tuple<QString, QMap<QString, QString>, QString>> properties;
    QList<Component> children;

    QString value(const QString &property) const
    {
        for (const auto &p : properties) {
            if (std::get<0>(p) == property)
                return std::get<2>(p);
        }
        return QString();
    }
    QString parameter(const QString &property, const QString &parameter) const
    {
        for (const auto &p : properties) {
            if (std::get<0>(p) == property)
                return std::get<1>(p).value(parameter);
        }
        return QString();
    }
};

// RFC 5545 3.1: lines end in CRLF; a line starting with a space or tab
// continues the previous one.
bool parseCalendar(const QByteArray &text, Component *root, QString *problem)
{
    QStringList lines;
    const QStringList raw = QString::fromUtf8(text).split(QStringLiteral("\r\n"));
    for (const QString &line : raw) {
        if (line.contains(QLatin1Char('\n'))) {
            *problem = QStringLiteral("a bare LF inside a line");
            return false;
        }
        if (!line.isEmpty() && (line.at(0) == QLatin1Char(' ') || line.at(0) == QLatin1Char('\t'))) {
            if (lines.isEmpty())
                return false;
            lines.last() += line.mid(1);
        } else if (!line.isEmpty()) {
            lines << line;
        }
    }
    QList<Component> stack;
    for (const QString &line : qAsConst(lines)) {
        const int colon = line.indexOf(QLatin1Char(':'));
        if (colon < 0) {
            *problem = QStringLiteral("no colon: ") + line;
            return false;
        }
        QStringList head = line.left(colon).split(QLatin1Char(';'));
        const QString value = line.mid(colon + 1);
        const QString name = head.takeFirst().toUpper();
        if (name == QLatin1String("BEGIN")) {
            stack.append(Component{value, {}, {}});
        } else if (name == QLatin1String("END")) {
            if (stack.isEmpty() || stack.last().name != value) {
                *problem = QStringLiteral("unbalanced END:") + value;
                return false;
            }
            const Component done = stack.takeLast();
            if (stack.isEmpty())
                *root = done;
            else
                stack.last().children.append(done);
        } else {
            if (stack.isEmpty())
                return false;
            QMap<QString, QString> parameters;
            for (const QString &p : qAsConst(head))
                parameters.insert(p.section(QLatin1Char('='), 0, 0).toUpper(), p.section(QLatin1Char('='), 1));
            stack.last().properties.append({name, parameters, value});
        }
    }
    return stack.isEmpty() && root->name == QLatin1String("VCALENDAR");
}

QList<DailyTimes *> daysOf(const AlmarikManager &manager, int year, int firstMonth, int lastMonth)
{
    QList<DailyTimes *> all;
    for (int month = firstMonth; month <= lastMonth; ++month) {
        QList<DailyTimes *> days;
        manager.timesOfMonth(month, year, days);
        all += days;
    }
    return all;
}

} // namespace

class TestTimetableExport : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void icsRoundTrip_data();
    void icsRoundTrip();
    void icsUidsStable();
    void icsNothingToWrite();
    void csvEqualsTheCommand();
    void zoneTimeZones();
    void exportFile();

private:
    AlmarikManager *m_manager = nullptr;
};

void TestTimetableExport::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    m_manager = new AlmarikManager(this);
    QVERIFY(m_manager->isBound());
}

void TestTimetableExport::icsRoundTrip_data()
{
    QTest::addColumn<QString>("place");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("firstMonth");
    QTest::addColumn<int>("lastMonth");
    QTest::addColumn<QString>("prayers");
    QTest::addColumn<int>("alarm");
    QTest::newRow("Kuala Lumpur, a year, five prayers, alarm")
            << "Kuala Lumpur" << 2026 << 1 << 12 << "subuh,zohor,asar,maghrib,isyak" << 10;
    QTest::newRow("Kota Kinabalu, a month, all eight, no alarm")
            << "Kota Kinabalu" << 2027 << 2 << 2 << "imsak,subuh,syuruk,duha,zohor,asar,maghrib,isyak" << -1;
    QTest::newRow("London across the clock change") << "London" << 2026 << 3 << 4 << "subuh,maghrib" << 0;
}

void TestTimetableExport::icsRoundTrip()
{
    QFETCH(QString, place);
    QFETCH(int, year);
    QFETCH(int, firstMonth);
    QFETCH(int, lastMonth);
    QFETCH(QString, prayers);
    QFETCH(int, alarm);

    QVERIFY(m_manager->setZone(place, false));
    const QList<DailyTimes *> days = daysOf(*m_manager, year, firstMonth, lastMonth);
    QVERIFY(!days.isEmpty());

    TimetableIcs::Options options;
    options.zoneCode = QStringLiteral("ZONE");
    options.placeName = place;
    QVERIFY(TimetableIcs::parseSlots(prayers, &options.prayerSlots));
    options.alarmMinutes = alarm;
    // The catalogue's place gives the zone code only through the plug-in's
    // location record; London's clock is Europe/London, Malaysia's UTC+8.
    options.timeZone = place == QLatin1String("London") ? QTimeZone("Europe/London")
                     : place == QLatin1String("Kota Kinabalu") ? QTimeZone("Asia/Kuching")
                                                               : QTimeZone("Asia/Kuala_Lumpur");
    const QByteArray ics = TimetableIcs::build(days, options);

    Component calendar;
    QString problem;
    QVERIFY2(parseCalendar(ics, &calendar, &problem), qPrintable(problem));
    QCOMPARE(calendar.value(QStringLiteral("VERSION")), QStringLiteral("2.0"));
    QVERIFY(!calendar.value(QStringLiteral("PRODID")).isEmpty());

    QSet<QString> timeZones;
    QHash<QString, QString> startByUid;  // uid -> "TZID|yyyyMMddTHHmmss"
    QHash<QString, QString> triggerByUid;
    for (const Component &child : qAsConst(calendar.children)) {
        if (child.name == QLatin1String("VTIMEZONE")) {
            timeZones.insert(child.value(QStringLiteral("TZID")));
            QVERIFY(!child.children.isEmpty());
        } else if (child.name == QLatin1String("VEVENT")) {
            const QString uid = child.value(QStringLiteral("UID"));
            QVERIFY2(!startByUid.contains(uid), qPrintable(uid));
            startByUid.insert(uid, child.parameter(QStringLiteral("DTSTART"), QStringLiteral("TZID"))
                              + QLatin1Char('|') + child.value(QStringLiteral("DTSTART")));
            QVERIFY(!child.value(QStringLiteral("SUMMARY")).isEmpty());
            for (const Component &alarmPart : child.children) {
                if (alarmPart.name == QLatin1String("VALARM"))
                    triggerByUid.insert(uid, alarmPart.value(QStringLiteral("TRIGGER")));
            }
        }
    }
    QVERIFY(timeZones.contains(QString::fromUtf8(options.timeZone.id())));

    // Every chosen time of every day is an event at the table's time.
    QCOMPARE(startByUid.size(), days.size() * options.prayerSlots.size());
    for (const DailyTimes *day : days) {
        const QDate date(day->year, day->month, day->day);
        for (int slot : qAsConst(options.prayerSlots)) {
            const QString uid = TimetableIcs::uid(options.zoneCode, date, slot);
            const QString expected = QString::fromUtf8(options.timeZone.id()) + QLatin1Char('|')
                    + date.toString(QStringLiteral("yyyyMMdd")) + QLatin1Char('T')
                    + QStringLiteral("%1%2").arg(day->hour(slot), 2, 10, QLatin1Char('0'))
                                            .arg(day->minute(slot), 2, 10, QLatin1Char('0'))
                    + QStringLiteral("00");
            QCOMPARE(startByUid.value(uid), expected);
            if (alarm < 0) {
                QVERIFY(!triggerByUid.contains(uid));
            } else {
                const QString trigger = triggerByUid.value(uid);
                QVERIFY2(trigger == QStringLiteral("-PT%1M").arg(alarm)
                         || (alarm == 0 && (trigger == QLatin1String("PT0S") || trigger == QLatin1String("-PT0S"))),
                         qPrintable(trigger));
            }
        }
    }
}

void TestTimetableExport::icsUidsStable()
{
    QVERIFY(m_manager->setZone(QStringLiteral("Kuala Lumpur"), false));
    TimetableIcs::Options options;
    options.zoneCode = QStringLiteral("WLY01");
    options.timeZone = QTimeZone("Asia/Kuala_Lumpur");
    auto uids = [&](const QList<DailyTimes *> &days) {
        Component calendar;
        QString problem;
        parseCalendar(TimetableIcs::build(days, options), &calendar, &problem);
        QSet<QString> out;
        for (const Component &child : qAsConst(calendar.children)) {
            if (child.name == QLatin1String("VEVENT"))
                out.insert(child.value(QStringLiteral("UID")));
        }
        return out;
    };
    const QSet<QString> march = uids(daysOf(*m_manager, 2026, 3, 3));
    QCOMPARE(march.size(), 31 * 5);
    // Exported again, and as part of the year: the same events.
    QCOMPARE(uids(daysOf(*m_manager, 2026, 3, 3)), march);
    const QSet<QString> year = uids(daysOf(*m_manager, 2026, 1, 12));
    QCOMPARE(year.size(), 365 * 5);
    QVERIFY(year.contains(march));
    // Another zone's events are others.
    options.zoneCode = QStringLiteral("WLY02");
    QVERIFY(!uids(daysOf(*m_manager, 2026, 3, 3)).intersects(march));
}

void TestTimetableExport::icsNothingToWrite()
{
    QVERIFY(m_manager->setZone(QStringLiteral("Kuala Lumpur"), false));
    TimetableIcs::Options options;
    options.timeZone = QTimeZone("Asia/Kuala_Lumpur");
    QVERIFY(TimetableIcs::build({}, options).isEmpty());
    options.timeZone = QTimeZone();
    QVERIFY(TimetableIcs::build(daysOf(*m_manager, 2026, 1, 1), options).isEmpty());
    QList<int> prayerSlots;
    QVERIFY(!TimetableIcs::parseSlots(QStringLiteral("subuh,lunch"), &prayerSlots));
    QVERIFY(!TimetableIcs::parseSlots(QString(), &prayerSlots));
    QVERIFY(TimetableIcs::parseSlots(QStringLiteral(" Isyak ,subuh,SUBUH"), &prayerSlots));
    QCOMPARE(prayerSlots, QList<int>({Subuh, Isyak}));
}

void TestTimetableExport::csvEqualsTheCommand()
{
    QVERIFY(m_manager->setZone(QStringLiteral("Kuala Lumpur"), false));
    QProcess process;
    process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/almarik-tables"),
                  {QStringLiteral("--zone"), QStringLiteral("WLY01")});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitCode(), 0);
    const QString printed = QString::fromUtf8(process.readAllStandardOutput());
    QCOMPARE(TimetableCsv::text(daysOf(*m_manager, 2026, 1, 12) + daysOf(*m_manager, 2027, 1, 12)), printed);
}

void TestTimetableExport::zoneTimeZones()
{
    TestCsv places;
    QVERIFY(places.read(QStringLiteral(ALMARIK_TEST_PLACES_CSV)));
    QVERIFY(places.rowCount() > 200);
    for (int row = 0; row < places.rowCount(); ++row) {
        const QString zone = places.value(row, QStringLiteral("zone"));
        QCOMPARE(QString::fromUtf8(ZoneTimeZone::of(zone).id()), places.value(row, QStringLiteral("timezone")));
    }
    QVERIFY(!ZoneTimeZone::of(QStringLiteral("XYZ01")).isValid());
    QVERIFY(!ZoneTimeZone::of(QStringLiteral("SGR")).isValid());
    QCOMPARE(ZoneTimeZone::orSystem(QStringLiteral("XYZ01")), QTimeZone::systemTimeZone());
}

void TestTimetableExport::exportFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("times.ics"));
    QCOMPARE(ExportFile::write(path, "first", false), ExportFile::Written);
    QCOMPARE(ExportFile::write(path, "second", false), ExportFile::Exists);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("first"));
    file.close();
    QCOMPARE(ExportFile::write(path, "third", true), ExportFile::Written);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("third"));
    QString error;
    QCOMPARE(ExportFile::write(dir.path(), "x", true, &error), ExportFile::Failed);
    QCOMPARE(ExportFile::write(dir.filePath(QStringLiteral("missing/times.ics")), "x", true, &error),
             ExportFile::Failed);
    QVERIFY(!error.isEmpty());
}

QTEST_GUILESS_MAIN(TestTimetableExport)
#include "test_timetableexport.moc"
