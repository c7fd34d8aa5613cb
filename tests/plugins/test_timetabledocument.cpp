// The month timetable document with the shipped plug-in: its table read
// back as XML against the day table, in both languages, and laid out on
// A4 by Qt's own PDF writer to one page.

#include <QDomDocument>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

#include "core/almarikmanager.h"
#include "core/appconfig.h"
#include "core/islamicdays.h"
#include "core/language.h"
#include "core/timetabledocument.h"

static void registerCatalogues() { Q_INIT_RESOURCE(languages); }

namespace {

QList<QDomElement> elements(const QDomElement &parent, const QString &tag)
{
    QList<QDomElement> found;
    for (QDomElement e = parent.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (e.tagName() == tag)
            found << e;
        found += elements(e, tag);
    }
    return found;
}

} // namespace

class TestTimetableDocument : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void month_data();
    void month();

private:
    AlmarikManager *m_manager = nullptr;
};

void TestTimetableDocument::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    registerCatalogues();
    m_manager = new AlmarikManager(this);
    QVERIFY(m_manager->setZone(QStringLiteral("Kuala Lumpur"), false));
}

void TestTimetableDocument::month_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<QStringList>("headings");
    QTest::addColumn<QStringList>("keptDays");

    QTest::newRow("English, March 2026: Nuzul Quran and Aidilfitri")
            << "English" << 2026 << 3
            << QStringList{"Date", "Day", "Hijri", "Imsak", "Subuh", "Syuruk", "Duha", "Zohor", "Asar", "Maghrib", "Isyak"}
            << QStringList{"March 7, 2026: Nuzul al-Quran", "March 21, 2026: Hari Raya Aidilfitri"};
    QTest::newRow("Malay, May 2026: Hari Arafah and Aidiladha")
            << "Bahasa Malaysia" << 2026 << 5
            << QStringList{"Tarikh", "Hari", "Hijrah", "Imsak", "Subuh", "Syuruk", "Duha", "Zohor", "Asar", "Maghrib", "Isyak"}
            << QStringList{"26 Mei 2026: Hari Arafah", "27 Mei 2026: Hari Raya Aidiladha"};
    QTest::newRow("English, April 2027: none")
            << "English" << 2027 << 4
            << QStringList{"Date", "Day", "Hijri", "Imsak", "Subuh", "Syuruk", "Duha", "Zohor", "Asar", "Maghrib", "Isyak"}
            << QStringList();
}

void TestTimetableDocument::month()
{
    QFETCH(QString, language);
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(QStringList, headings);
    QFETCH(QStringList, keptDays);

    AppConfig config;
    config.language = language;
    Language texts(config);
    QVERIFY(texts.load(false));

    QList<DailyTimes> days;
    QVERIFY(m_manager->timesOfMonth(month, year, days));
    TimetableDocument::Options options;
    options.placeName = QStringLiteral("Kuala Lumpur");
    options.source = m_manager->zoneSource();
    options.hijriTitle = m_manager->hijriMonthTitle(year, month);
    options.islamicDays = IslamicDays::resolve(*m_manager, 0);
    const QString html = TimetableDocument::monthHtml(days, options, texts);

    QDomDocument document;
    QString error;
    QVERIFY2(document.setContent(html, &error), qPrintable(error));
    const QDomElement root = document.documentElement();

    QStringList shownHeadings;
    for (const QDomElement &th : elements(root, QStringLiteral("th")))
        shownHeadings << th.text();
    QCOMPARE(shownHeadings, headings);

    // One body row per day, each with the table's eight times.
    const QList<QDomElement> body = elements(elements(root, QStringLiteral("tbody")).value(0), QStringLiteral("tr"));
    QCOMPARE(body.size(), days.size());
    for (int i = 0; i < days.size(); ++i) {
        const QList<QDomElement> cells = elements(body.at(i), QStringLiteral("td"));
        QCOMPARE(cells.size(), 3 + PrayerSlotCount);
        QCOMPARE(cells.at(0).text().toInt(), days.at(i).day);
        QCOMPARE(cells.at(2).text().toInt(), days.at(i).hijriDay);
        for (int slot = 0; slot < PrayerSlotCount; ++slot)
            QCOMPARE(cells.at(3 + slot).text(), days.at(i).timeText(slot));
    }

    QStringList notes;
    for (const QDomElement &li : elements(root, QStringLiteral("li")))
        notes << li.text();
    QCOMPARE(notes, keptDays);
    QVERIFY(root.text().contains(options.hijriTitle));
    QVERIFY(root.text().contains(options.source));

    // Qt lays the month out on one A4 page.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString pdfPath = dir.filePath(QStringLiteral("month.pdf"));
    {
        QPdfWriter writer(pdfPath);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
        QTextDocument layout;
        layout.setHtml(html);
        layout.print(&writer);
    }
    QFile pdf(pdfPath);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    QVERIFY(bytes.startsWith("%PDF-"));
    QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1);
}

QTEST_MAIN(TestTimetableDocument)
#include "test_timetabledocument.moc"
