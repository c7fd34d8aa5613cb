// The information pages on the application object, headless: the update
// page's progress run and its outcome, the versions it lists, the about
// page's facts, library notice and links, both pages in English and Malay,
// and the two placeholder pages. Started with "--no-plugins" the program
// runs without any plug-in, and the pages must still open with empty
// versions and the built-in links.

#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QSlider>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <QtTest>

#include "app/appmain.h"
#include "core/pluginbinder.h"
#include "plugin-api/linkset.h"
#include "support/privatehome.h"
#include "ui/controls/xgreenbutton.h"
#include "ui/controls/xurllabel.h"
#include "ui/pages/pageabout.h"
#include "ui/pages/pagehelp.h"
#include "ui/pages/pagemap.h"
#include "ui/pages/pageupdate.h"

namespace {

// Records what would have been handed to the desktop's URL handler.
class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls.append(url); }
};

void catchOpenedUrls(UrlRecorder *recorder)
{
    for (const char *scheme : {"mailto", "http", "https", "file", "ftp"})
        QDesktopServices::setUrlHandler(QLatin1String(scheme), recorder, "open");
}

// The size the main window gives its pages: its background picture's
// width less the two border pixels, and 375 pixels high.
QSize pageSize()
{
    return QSize(QPixmap(QStringLiteral(":/images/Background.png")).width() - 2, 375);
}

// A click as the user makes it: the pointer enters the button first.
void clickPanelButton(XPanelButton *button)
{
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(button, &enter);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
}

bool switchLanguage(const QString &name)
{
    appConfig().language = name;
    return appLanguage()->load(true);
}

QString text(const char *key)
{
    return appLanguage()->text(QLatin1String(key));
}

// The anchors of a rich text, as a browser would see them after parsing.
struct Anchor
{
    QString href;
    QString text;
    QColor colour;
};

QList<Anchor> anchorsOf(const QString &html)
{
    QTextDocument document;
    document.setHtml(html);
    QList<Anchor> anchors;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid() && fragment.charFormat().isAnchor())
                anchors.append({fragment.charFormat().anchorHref(), fragment.text(),
                                fragment.charFormat().foreground().color()});
        }
    }
    return anchors;
}

QString plainTextOf(const QString &html)
{
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText();
}

// The first layout fault among a page's widgets, or "" when there is none:
// a widget outside the page, a one-line text wider or taller than its label,
// a wrapped text taller than its label, or two widgets on top of each other.
QString layoutFault(const QWidget *page, const QList<QWidget *> &widgets)
{
    for (const QWidget *widget : widgets) {
        const QString name = widget->objectName();
        if (!page->rect().contains(widget->geometry()))
            return name + QStringLiteral(" leaves the page");
        auto *label = qobject_cast<const QLabel *>(widget);
        if (!label || label->text().isEmpty())
            continue;
        if (label->wordWrap()) {
            if (label->height() < label->heightForWidth(label->width()))
                return name + QStringLiteral(" cuts its text off");
        } else if (label->sizeHint().width() > label->width() || label->sizeHint().height() > label->height()) {
            return name + QStringLiteral(" is smaller than its text");
        }
    }
    for (int a = 0; a < widgets.size(); ++a) {
        for (int b = a + 1; b < widgets.size(); ++b) {
            if (widgets[a]->geometry().intersects(widgets[b]->geometry()))
                return widgets[a]->objectName() + QStringLiteral(" overlaps ") + widgets[b]->objectName();
        }
    }
    return QString();
}

QList<QWidget *> widgetsOf(PageUpdate &page)
{
    return {page.labelTitle(), page.labelLine(), page.labelText(),
            page.labelLastUpdate(), page.labelLastUpdateValue(),
            page.labelVentabisVersion(), page.labelVentabisVersionValue(),
            page.labelAlmarikVersion(), page.labelAlmarikVersionData(),
            page.labelMapVersion(), page.labelMapVersionValue(),
            page.panelUpdate(), page.labelProgress(), page.progressBar(), page.labelResult()};
}

QList<QWidget *> widgetsOf(PageAbout &page)
{
    return {page.labelAppName(), page.labelCompanyUrl(), page.labelVersion(), page.labelReleaseDate(),
            page.labelDataVersion(), page.labelLine(), page.labelWarning(), page.labelThirdParty(),
            page.labelTermName(), page.labelTermLink(), page.labelUserAgreement()};
}

// Runs the update page's timer slot until the outcome is up; returns the
// number of ticks, or -1 if the bar ever went past 100 or went backwards.
int ticksToResult(PageUpdate &page)
{
    int ticks = 0;
    int last = page.progress();
    while (!page.isResultShown() && ticks < 100) {
        page.slotTimer();
        ++ticks;
        if (page.progress() > 100 || page.progress() < last || page.progressBar()->value() != page.progress())
            return -1;
        last = page.progress();
    }
    return ticks;
}

} // namespace

// With the shipped plug-ins beside the test.
class TestInfoPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    // Update page
    void updateRunsTwentyStepsToTheOutcome();
    void updateOutcomeHidesAfterItsTick();
    void updatePressDuringOutcomeRestarts();
    void updateListsThePluginVersions();
    void updateFollowsTheLanguage();
    void updateValuesFollowTheWidestCaption();

    // About page
    void aboutShowsTheProgramFacts();
    void aboutReleaseDateText_data();
    void aboutReleaseDateText();
    void aboutNoticeLinksBothLibraries();
    void aboutNoticeEscapesLinks();
    void aboutOpensOnlyRealLinks();
    void aboutFollowsTheLanguage();

    // Placeholders
    void placeholderPages();

private:
    UrlRecorder m_recorder;
};

void TestInfoPages::initTestCase()
{
    QVERIFY(QStandardPaths::isTestModeEnabled());
    QVERIFY(appAlmarikManager()->isBound());
    QVERIFY(appMapManager()->isBound());
    QVERIFY(!appDetails()->ventabisVersion().isEmpty());
    catchOpenedUrls(&m_recorder);
}

void TestInfoPages::init()
{
    QVERIFY(switchLanguage(QStringLiteral("English")));
    m_recorder.urls.clear();
}

void TestInfoPages::cleanup()
{
    switchLanguage(QStringLiteral("English"));
}

void TestInfoPages::updateRunsTwentyStepsToTheOutcome()
{
    PageUpdate page;
    page.resize(pageSize());
    page.show();

    // At rest only the button is up.
    QVERIFY(page.panelUpdate()->isVisible());
    QVERIFY(!page.progressBar()->isVisible());
    QVERIFY(!page.labelProgress()->isVisible());
    QVERIFY(!page.labelResult()->isVisible());
    QVERIFY(!page.timer()->isActive());

    // The button starts the run.
    clickPanelButton(page.panelUpdate());
    QVERIFY(page.timer()->isActive());
    QCOMPARE(page.timer()->interval(), 100);
    QCOMPARE(page.progress(), 0);
    QCOMPARE(page.progressBar()->value(), 0);
    QVERIFY(!page.panelUpdate()->isVisible());
    QVERIFY(page.progressBar()->isVisible());
    QVERIFY(page.labelProgress()->isVisible());
    QVERIFY(!page.labelResult()->isVisible());

    // Each tick adds 5; the twentieth reaches 100 and the run is still on.
    for (int tick = 1; tick <= 20; ++tick) {
        page.slotTimer();
        QCOMPARE(page.progress(), 5 * tick);
        QCOMPARE(page.progressBar()->value(), 5 * tick);
        QVERIFY(page.progressBar()->isVisible());
        QVERIFY(!page.panelUpdate()->isVisible());
        QVERIFY(!page.isResultShown());
    }
    QCOMPARE(page.progress(), 100);

    // The next tick shows the outcome for ten seconds.
    page.slotTimer();
    QCOMPARE(page.progress(), 100);
    QCOMPARE(page.progressBar()->value(), 100);
    QVERIFY(page.isResultShown());
    QVERIFY(page.labelResult()->isVisible());
    QVERIFY(page.panelUpdate()->isVisible());
    QVERIFY(!page.progressBar()->isVisible());
    QVERIFY(!page.labelProgress()->isVisible());
    QVERIFY(page.timer()->isActive());
    QCOMPARE(page.timer()->interval(), 10000);

    // No update service exists: the outcome never claims success or a lost
    // connection.
    QCOMPARE(page.labelResult()->text(), text("Update.ResultNoUpdate"));
    QVERIFY(!page.labelResult()->text().isEmpty());
    QVERIFY(page.labelResult()->text() != text("Update.ResultSuccess"));
    QVERIFY(page.labelResult()->text() != text("Update.ResultNoInternet"));
    QVERIFY2(layoutFault(&page, widgetsOf(page)).isEmpty(), qPrintable(layoutFault(&page, widgetsOf(page))));

    // The timer itself drives the slot.
    page.slotUpdateNow();
    page.timer()->setInterval(0);
    QTRY_VERIFY(page.progress() > 0);
    page.timer()->stop();
    QCOMPARE(page.progress() % 5, 0);
}

void TestInfoPages::updateOutcomeHidesAfterItsTick()
{
    PageUpdate page;
    page.resize(pageSize());
    page.show();
    page.slotUpdateNow();
    QCOMPARE(ticksToResult(page), 21);

    // The ten-second tick hides the outcome and ends the sequence.
    page.slotTimer();
    QVERIFY(!page.labelResult()->isVisible());
    QVERIFY(!page.timer()->isActive());
    QVERIFY(page.panelUpdate()->isVisible());
    QVERIFY(!page.progressBar()->isVisible());
    QVERIFY(!page.labelProgress()->isVisible());

    // A late tick changes nothing.
    page.slotTimer();
    QVERIFY(!page.labelResult()->isVisible());
    QVERIFY(page.panelUpdate()->isVisible());
    QVERIFY(!page.timer()->isActive());

    // The page can run again from the start.
    page.slotUpdateNow();
    QCOMPARE(page.progress(), 0);
    QCOMPARE(ticksToResult(page), 21);
}

void TestInfoPages::updatePressDuringOutcomeRestarts()
{
    PageUpdate page;
    page.resize(pageSize());
    page.show();
    page.slotUpdateNow();
    QCOMPARE(ticksToResult(page), 21);
    QVERIFY(page.labelResult()->isVisible());

    // Pressed while the outcome shows: it goes at once and the run starts
    // again from 0 at the fast pace.
    clickPanelButton(page.panelUpdate());
    QVERIFY(!page.isResultShown());
    QVERIFY(!page.labelResult()->isVisible());
    QCOMPARE(page.progress(), 0);
    QCOMPARE(page.progressBar()->value(), 0);
    QVERIFY(page.progressBar()->isVisible());
    QVERIFY(!page.panelUpdate()->isVisible());
    QCOMPARE(page.timer()->interval(), 100);
    QVERIFY(page.timer()->isActive());

    // The first tick of the new run advances the bar instead of ending a
    // result display.
    page.slotTimer();
    QCOMPARE(page.progress(), 5);
    QVERIFY(page.progressBar()->isVisible());
    QCOMPARE(ticksToResult(page), 20);
}

void TestInfoPages::updateListsThePluginVersions()
{
    PageUpdate page;
    QCOMPARE(page.labelLastUpdateValue()->text(), appDetails()->buildTime());
    QCOMPARE(page.labelVentabisVersionValue()->text(), appDetails()->ventabisVersion());
    QCOMPARE(page.labelAlmarikVersionData()->text(), appAlmarikManager()->version());
    QCOMPARE(page.labelMapVersionValue()->text(), appMapManager()->version());
    for (QLabel *value : {page.labelLastUpdateValue(), page.labelVentabisVersionValue(),
                          page.labelAlmarikVersionData(), page.labelMapVersionValue()})
        QVERIFY2(!value->text().isEmpty(), qPrintable(value->objectName()));
    QVERIFY(QDateTime::fromString(page.labelLastUpdateValue()->text(), QStringLiteral("yyyy-MM-dd HH:mm:ss")).isValid());

    // The form's names and fixed places.
    QCOMPARE(page.findChild<XGreenButton *>(QStringLiteral("panelUpdate")), page.panelUpdate());
    QCOMPARE(page.findChild<QProgressBar *>(QStringLiteral("progressBar")), page.progressBar());
    QCOMPARE(page.findChild<QLabel *>(QStringLiteral("labelAlmarikVersionData")), page.labelAlmarikVersionData());
    QCOMPARE(page.panelUpdate()->geometry(), QRect(350, 60, 161, 41));
    QCOMPARE(page.progressBar()->geometry(), QRect(350, 160, 118, 23));
    QCOMPARE(page.labelProgress()->pos(), QPoint(350, 130));
    QCOMPARE(page.labelResult()->pos(), QPoint(350, 200));
    QCOMPARE(page.labelTitle()->font().pointSize(), 12);
    QVERIFY(page.labelTitle()->font().bold());
}

void TestInfoPages::updateFollowsTheLanguage()
{
    PageUpdate page;
    page.resize(pageSize());
    page.show();

    const char *const keys[] = {"Update.Title", "Update.Description", "Update.LastUpdate", "Update.VentabisVersion",
                                "Update.AlmarikVersion", "Update.MapVersion", "Update.UpdateNow",
                                "Update.ProgressStatus", "Update.ResultNoUpdate"};
    auto shown = [&page]() {
        return QStringList{page.labelTitle()->text(), page.labelText()->text(), page.labelLastUpdate()->text(),
                           page.labelVentabisVersion()->text(), page.labelAlmarikVersion()->text(),
                           page.labelMapVersion()->text(), page.panelUpdate()->text(),
                           page.labelProgress()->text(), page.labelResult()->text()};
    };

    QStringList english;
    for (const char *key : keys)
        english << text(key);
    QCOMPARE(shown(), english);
    QVERIFY2(layoutFault(&page, widgetsOf(page)).isEmpty(), qPrintable(layoutFault(&page, widgetsOf(page))));

    QVERIFY(switchLanguage(QStringLiteral("Bahasa Malaysia")));
    QStringList malay;
    for (const char *key : keys)
        malay << text(key);
    for (int k = 0; k < malay.size(); ++k)
        QVERIFY2(!malay[k].isEmpty() && malay[k] != english[k], keys[k]);
    QCOMPARE(shown(), malay);
    QVERIFY2(layoutFault(&page, widgetsOf(page)).isEmpty(), qPrintable(layoutFault(&page, widgetsOf(page))));
    // A run's texts are in the new language as well, and fit.
    page.slotUpdateNow();
    QCOMPARE(ticksToResult(page), 21);
    QCOMPARE(page.labelResult()->text(), malay.last());
    QVERIFY2(layoutFault(&page, widgetsOf(page)).isEmpty(), qPrintable(layoutFault(&page, widgetsOf(page))));

    QVERIFY(switchLanguage(QStringLiteral("English")));
    QCOMPARE(shown(), english);
    QVERIFY2(layoutFault(&page, widgetsOf(page)).isEmpty(), qPrintable(layoutFault(&page, widgetsOf(page))));
}

void TestInfoPages::updateValuesFollowTheWidestCaption()
{
    PageUpdate page;
    page.resize(pageSize());
    page.show();
    const int valueXBefore = page.labelAlmarikVersionData()->x();

    // A caption much longer than any other, as a new language might bring:
    // the whole value column moves past it, and the button column makes
    // room rather than being covered.
    page.labelAlmarikVersion()->setText(QStringLiteral("Versi data waktu solat yang sedang dipasang:"));
    page.resize(pageSize() + QSize(0, 1));
    page.resize(pageSize());
    const QLabel *caption = page.labelAlmarikVersion();
    QVERIFY(page.labelAlmarikVersionData()->x() > valueXBefore);
    for (QLabel *value : {page.labelLastUpdateValue(), page.labelVentabisVersionValue(),
                          page.labelAlmarikVersionData(), page.labelMapVersionValue()}) {
        QCOMPARE(value->x(), page.labelAlmarikVersionData()->x());
        QVERIFY(value->x() > caption->x() + caption->width());
    }
    QVERIFY2(layoutFault(&page, widgetsOf(page)).isEmpty(), qPrintable(layoutFault(&page, widgetsOf(page))));
}

void TestInfoPages::aboutShowsTheProgramFacts()
{
    PageAbout page;
    page.resize(pageSize());
    page.show();
    ApplicationInformation *details = appDetails();

    QCOMPARE(page.labelAppName()->text(), ApplicationInformation::productName());
    QCOMPARE(page.labelVersion()->text(), text("About.Version") + QStringLiteral(" ") + details->appVersion());
    QCOMPARE(page.labelDataVersion()->text(), text("About.DataVersion") + QStringLiteral(" ") + details->dataVersion());
    QVERIFY(!details->dataVersion().isEmpty());

    // The running version's date, month name, day, year.
    const QDate released = details->releaseDate();
    QVERIFY(released > QDate(2017, 1, 1));
    QCOMPARE(page.labelReleaseDate()->text(),
             QStringLiteral("%1 %2 %3, %4").arg(text("About.ReleaseDate"), appLanguage()->monthName(released.month()))
                 .arg(released.day()).arg(released.year()));

    QCOMPARE(page.labelCompanyUrl()->text(), details->website());
    QCOMPARE(page.labelCompanyUrl()->url(), details->website());
    QCOMPARE(page.labelWarning()->text(), text("About.Warning"));
    QVERIFY(page.labelWarning()->wordWrap());

    // The maker's link opens the maker's site; the terms link opens nothing.
    QTest::mouseClick(page.labelCompanyUrl(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QCOMPARE(m_recorder.urls, QList<QUrl>{QUrl(details->website())});
    m_recorder.urls.clear();
    QTest::mouseClick(page.labelTermLink(), Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
    QVERIFY(m_recorder.urls.isEmpty());

    for (const char *name : {"labelAppName", "labelVersion", "labelReleaseDate", "labelDataVersion", "labelLine",
                             "labelWarning", "labelTermName", "labelUserAgreement", "labelThirdParty"})
        QVERIFY2(page.findChild<QLabel *>(QLatin1String(name)), name);
    QCOMPARE(page.findChild<XUrlLabel *>(QStringLiteral("labelCompanyUrl")), page.labelCompanyUrl());
    QCOMPARE(page.findChild<XUrlLabel *>(QStringLiteral("labelTermLink")), page.labelTermLink());
    QVERIFY2(layoutFault(&page, widgetsOf(page)).isEmpty(), qPrintable(layoutFault(&page, widgetsOf(page))));
}

void TestInfoPages::aboutReleaseDateText_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("shown");
    QTest::newRow("English, four parts") << "English" << "1.0.1704.1922" << "April 19, 2017";
    QTest::newRow("English, three parts") << "English" << "1.0.1704" << "January 1, 1900";
    QTest::newRow("English, five parts") << "English" << "1.0.1704.1922.7" << "January 1, 1900";
    QTest::newRow("Malay, four parts") << "Bahasa Malaysia" << "1.0.2612.0700" << "Disember 7, 2026";
    QTest::newRow("Malay, three parts") << "Bahasa Malaysia" << "1.0.1704" << "Januari 1, 1900";
    QTest::newRow("Malay, five parts") << "Bahasa Malaysia" << "2.1.1704.1922.0" << "Januari 1, 1900";
}

void TestInfoPages::aboutReleaseDateText()
{
    QFETCH(QString, language);
    QFETCH(QString, version);
    QFETCH(QString, shown);
    QVERIFY(switchLanguage(language));
    QCOMPARE(PageAbout::releaseDateText(version), shown);
}

void TestInfoPages::aboutNoticeLinksBothLibraries()
{
    PageAbout page;
    const QString notice = page.labelThirdParty()->text();
    QVERIFY(notice.startsWith(QLatin1String("<DIV align='justify'><p>")));
    QVERIFY(notice.endsWith(QLatin1String("</p></DIV>")));
    QCOMPARE(page.labelThirdParty()->textFormat(), Qt::RichText);
    QVERIFY(!page.labelThirdParty()->openExternalLinks());

    const QList<Anchor> anchors = anchorsOf(notice);
    QCOMPARE(anchors.size(), 2);
    QCOMPARE(anchors[0].href, appDetails()->qtUrl());
    QCOMPARE(anchors[1].href, appDetails()->openSslUrl());
    QCOMPARE(anchors[0].text, QUrl(appDetails()->qtUrl()).host());
    QCOMPARE(anchors[1].text, QUrl(appDetails()->openSslUrl()).host());
    QVERIFY(!anchors[0].text.isEmpty());
    QCOMPARE(anchors[0].colour, QColor(Qt::black));
    QCOMPARE(anchors[1].colour, QColor(Qt::black));

    // The catalogue's three lines, each library's link in parentheses.
    const QStringList lines = plainTextOf(notice).split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0], text("About.ThirdParty"));
    QCOMPARE(lines[1], text("About.QT") + QStringLiteral(" (") + anchors[0].text + QStringLiteral(")"));
    QCOMPARE(lines[2], text("About.OpenSSL") + QStringLiteral(" (") + anchors[1].text + QStringLiteral(")"));

    // Activating a library link opens it.
    emit page.labelThirdParty()->linkActivated(anchors[1].href);
    QCOMPARE(m_recorder.urls, QList<QUrl>{QUrl(appDetails()->openSslUrl())});
}

void TestInfoPages::aboutNoticeEscapesLinks()
{
    // Quotes, angle brackets and ampersands stay inside the anchor.
    const QString awkward = QStringLiteral("https://libs.example/q?a=\"x\"&b=<i>y</i>'z");
    const QString pathOnly = QStringLiteral("no host here");
    QList<Anchor> anchors = anchorsOf(PageAbout::thirdPartyText(awkward, pathOnly));
    QCOMPARE(anchors.size(), 2);
    QCOMPARE(anchors[0].href, awkward);
    QCOMPARE(anchors[0].text, QStringLiteral("libs.example"));
    QCOMPARE(anchors[1].href, pathOnly);
    QCOMPARE(anchors[1].text, QStringLiteral("OpenSSL"));
    QString plain = plainTextOf(PageAbout::thirdPartyText(awkward, pathOnly));
    QVERIFY(!plain.contains(QLatin1String("<i>")));
    QVERIFY(!plain.contains(QLatin1String("\"x\"")));

    // Empty links: both anchors are still there, named after their
    // libraries, and lead nowhere.
    anchors = anchorsOf(PageAbout::thirdPartyText(QString(), QString()));
    QCOMPARE(anchors.size(), 2);
    QCOMPARE(anchors[0].text, QStringLiteral("Qt"));
    QCOMPARE(anchors[1].text, QStringLiteral("OpenSSL"));
    QVERIFY(anchors[0].href.isEmpty());
    QVERIFY(anchors[1].href.isEmpty());
    plain = plainTextOf(PageAbout::thirdPartyText(QString(), QString()));
    QVERIFY(plain.contains(QLatin1String("(Qt)")));
    QVERIFY(plain.contains(QLatin1String("(OpenSSL)")));
}

void TestInfoPages::aboutOpensOnlyRealLinks()
{
    PageAbout page;
    page.slotOpenUrl(QString());
    page.slotOpenUrl(QStringLiteral("   "));
    emit page.labelThirdParty()->linkActivated(QString());
    QVERIFY(m_recorder.urls.isEmpty());

    page.slotOpenUrl(appDetails()->qtUrl());
    page.slotOpenUrl(QStringLiteral("mailto:someone@example.org"));
    QCOMPARE(m_recorder.urls, (QList<QUrl>{QUrl(appDetails()->qtUrl()), QUrl(QStringLiteral("mailto:someone@example.org"))}));

    // The terms slots do nothing, whatever calls them.
    m_recorder.urls.clear();
    page.slotTermsOfService();
    page.slotUserAgreement();
    QVERIFY(m_recorder.urls.isEmpty());
}

void TestInfoPages::aboutFollowsTheLanguage()
{
    PageAbout page;
    page.resize(pageSize());
    page.show();
    const QString englishVersion = page.labelVersion()->text();
    const QString englishDate = page.labelReleaseDate()->text();
    const QString englishNotice = page.labelThirdParty()->text();
    const QString englishWarning = page.labelWarning()->text();

    QVERIFY(switchLanguage(QStringLiteral("Bahasa Malaysia")));
    QVERIFY(page.labelVersion()->text() != englishVersion);
    QVERIFY(page.labelVersion()->text().startsWith(text("About.Version") + QStringLiteral(" ")));
    QVERIFY(page.labelReleaseDate()->text() != englishDate);
    QVERIFY(page.labelReleaseDate()->text().startsWith(text("About.ReleaseDate") + QStringLiteral(" ")
                                                       + appLanguage()->monthName(appDetails()->releaseDate().month())));
    QVERIFY(page.labelWarning()->text() != englishWarning);
    QCOMPARE(page.labelWarning()->text(), text("About.Warning"));
    QVERIFY(page.labelThirdParty()->text() != englishNotice);
    QVERIFY(plainTextOf(page.labelThirdParty()->text()).startsWith(text("About.ThirdParty")));
    QCOMPARE(anchorsOf(page.labelThirdParty()->text()).size(), 2);
    QCOMPARE(page.labelAppName()->text(), ApplicationInformation::productName());
    QVERIFY2(layoutFault(&page, widgetsOf(page)).isEmpty(), qPrintable(layoutFault(&page, widgetsOf(page))));

    // Terms captions of any length stay on the page and clear of the rest.
    page.labelTermName()->setText(QStringLiteral("Terma perkhidmatan:"));
    page.labelTermLink()->setText(QStringLiteral("GNU General Public License, versi 3 atau lebih baharu"));
    page.labelUserAgreement()->setText(QStringLiteral("Perjanjian pengguna akhir: tiada selain lesen di atas."));
    page.resize(pageSize() + QSize(0, 1));
    page.resize(pageSize());
    QVERIFY2(layoutFault(&page, widgetsOf(page)).isEmpty(), qPrintable(layoutFault(&page, widgetsOf(page))));

    QVERIFY(switchLanguage(QStringLiteral("English")));
    QCOMPARE(page.labelVersion()->text(), englishVersion);
    QCOMPARE(page.labelReleaseDate()->text(), englishDate);
    QCOMPARE(page.labelThirdParty()->text(), englishNotice);
    QVERIFY2(layoutFault(&page, widgetsOf(page)).isEmpty(), qPrintable(layoutFault(&page, widgetsOf(page))));
}

void TestInfoPages::placeholderPages()
{
    PageHelp help;
    QCOMPARE(help.size(), QSize(716, 347));
    QCOMPARE(help.label()->text(), QStringLiteral("Page Help"));
    auto *slider = help.findChild<QSlider *>(QStringLiteral("horizontalSlider"));
    QVERIFY(slider);
    QCOMPARE(slider->orientation(), Qt::Horizontal);
    QCOMPARE(help.findChildren<QLabel *>().size(), 1);
    QVERIFY(help.rect().contains(slider->geometry()));
    QVERIFY(!help.label()->geometry().intersects(slider->geometry()));

    PageMap map;
    QCOMPARE(map.size(), QSize(618, 326));
    QCOMPARE(map.findChildren<QLabel *>().size(), 1);
    QCOMPARE(map.label()->text(), QStringLiteral("Page Map"));

    // The placeholders keep their captions in every language.
    QVERIFY(switchLanguage(QStringLiteral("Bahasa Malaysia")));
    QCOMPARE(help.label()->text(), QStringLiteral("Page Help"));
    QCOMPARE(map.label()->text(), QStringLiteral("Page Map"));
}

// Started with no plug-in at all.
class TestInfoPagesNoPlugin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void updateOpensWithEmptyVersions();
    void aboutUsesTheBuiltInLinks();

private:
    UrlRecorder m_recorder;
};

void TestInfoPagesNoPlugin::initTestCase()
{
    QVERIFY(QStandardPaths::isTestModeEnabled());
    QVERIFY(!appAlmarikManager()->isBound());
    QVERIFY(!appMapManager()->isBound());
    QVERIFY(appDetails()->ventabisVersion().isEmpty());
    catchOpenedUrls(&m_recorder);
}

void TestInfoPagesNoPlugin::updateOpensWithEmptyVersions()
{
    PageUpdate page;
    page.resize(pageSize());
    page.show();
    QVERIFY(page.isVisible());
    QVERIFY(page.labelVentabisVersionValue()->text().isEmpty());
    QVERIFY(page.labelAlmarikVersionData()->text().isEmpty());
    QVERIFY(page.labelMapVersionValue()->text().isEmpty());
    // The build time is the program's own, not a plug-in's.
    QCOMPARE(page.labelLastUpdateValue()->text(), appDetails()->buildTime());
    QVERIFY(!page.labelLastUpdateValue()->text().isEmpty());
    QCOMPARE(page.labelAlmarikVersion()->text(), appLanguage()->text(QStringLiteral("Update.AlmarikVersion")));
    QVERIFY2(layoutFault(&page, widgetsOf(page)).isEmpty(), qPrintable(layoutFault(&page, widgetsOf(page))));

    // A run still completes and reports the same empty versions.
    page.slotUpdateNow();
    QCOMPARE(ticksToResult(page), 21);
    QVERIFY(page.labelResult()->isVisible());
    QVERIFY(page.labelAlmarikVersionData()->text().isEmpty());
    page.slotTimer();
    QVERIFY(!page.labelResult()->isVisible());
}

void TestInfoPagesNoPlugin::aboutUsesTheBuiltInLinks()
{
    const LinkSet builtIn = LinkSet::builtIn();
    PageAbout page;
    page.resize(pageSize());
    page.show();
    QCOMPARE(page.labelCompanyUrl()->url(), builtIn.website);
    QCOMPARE(page.labelCompanyUrl()->text(), builtIn.website);
    const QList<Anchor> anchors = anchorsOf(page.labelThirdParty()->text());
    QCOMPARE(anchors.size(), 2);
    QCOMPARE(anchors[0].href, builtIn.qtUrl);
    QCOMPARE(anchors[1].href, builtIn.openSslUrl);
    // The data version falls back to the build's own stamp.
    QVERIFY(page.labelDataVersion()->text().endsWith(QStringLiteral(" ") + appDetails()->dataVersion()));
    QVERIFY(!appDetails()->dataVersion().isEmpty());
    QVERIFY2(layoutFault(&page, widgetsOf(page)).isEmpty(), qPrintable(layoutFault(&page, widgetsOf(page))));

    emit page.labelThirdParty()->linkActivated(anchors[0].href);
    QCOMPARE(m_recorder.urls, QList<QUrl>{QUrl(builtIn.qtUrl)});
}

int main(int argc, char *argv[])
{
    // "--no-plugins" runs the second set of cases with an empty plug-in
    // folder; it is taken out before Qt Test reads the arguments.
    QStringList testArguments;
    bool noPlugins = false;
    for (int k = 0; k < argc; ++k) {
        if (qstrcmp(argv[k], "--no-plugins") == 0)
            noPlugins = true;
        else
            testArguments << QString::fromLocal8Bit(argv[k]);
    }

    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    usePrivateHome(home.path());
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    if (noPlugins) {
        QDir(home.path()).mkpath(QStringLiteral("noplugins"));
        PluginBinder::setPluginDirectory(home.filePath(QStringLiteral("noplugins")));
    }

    AppMain::registerResources();
    static int appArgc = 1;
    static char *appArgv[] = {argv[0], nullptr};
    AppMain app(appArgc, appArgv);
    if (noPlugins) {
        TestInfoPagesNoPlugin test;
        return QTest::qExec(&test, testArguments);
    }
    TestInfoPages test;
    return QTest::qExec(&test, testArguments);
}

#include "test_infopages.moc"
