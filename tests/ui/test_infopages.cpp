// The information pages on the application object, headless: the update
// page's progress run and outcome, the versions it lists, the about page's
// facts, library notice and links, and both pages in English and Malay.
// With "--no-plugins" the program runs without any plug-in and the pages
// must still open, with empty versions and the built-in links.

#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTimer>
#include <QtTest>

#include "app/appmain.h"
#include "core/pluginbinder.h"
#include "plugin-api/linkset.h"
#include "support/privatehome.h"
#include "support/urlrecorder.h"
#include "ui/controls/xgreenbutton.h"
#include "ui/controls/xurllabel.h"
#include "ui/pages/pageabout.h"
#include "ui/pages/pageupdate.h"

namespace {

void catchOpenedUrls(UrlRecorder *recorder)
{
    recorder->catchSchemes({"mailto", "http", "https", "file"});
}

// The size the main window gives its pages.
const QSize PageSize(648, 375);

bool switchLanguage(const QString &name)
{
    appConfig().language = name;
    return appLanguage()->load(true);
}

QString text(const char *key)
{
    return appLanguage()->text(QLatin1String(key));
}

// A click as the user makes it: the pointer enters the button first.
void clickPanelButton(XPanelButton *button)
{
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(button, &enter);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
}

// Which parts of the update page are up: B button, P progress text and
// bar, O outcome.
QString shownParts(const PageUpdate &page)
{
    QString parts;
    if (page.panelUpdate()->isVisible())
        parts += QLatin1Char('B');
    if (page.labelProgress()->isVisible() && page.progressBar()->isVisible())
        parts += QLatin1Char('P');
    if (page.labelResult()->isVisible())
        parts += QLatin1Char('O');
    return parts;
}

// Ticks until the outcome is up; -1 if the bar ever passed 100 or went back.
int ticksToResult(PageUpdate &page)
{
    int ticks = 0;
    for (int last = page.progress(); !page.isResultShown() && ticks < 100; last = page.progress()) {
        page.slotTimer();
        ++ticks;
        if (page.progress() > 100 || page.progress() < last || page.progressBar()->value() != page.progress())
            return -1;
    }
    return ticks;
}

struct Anchor
{
    QString href;
    QString text;
    QColor colour;
};

// The anchors of a rich text as the label's renderer parses them.
QList<Anchor> anchorsOf(const QString &html, QString *plainText = nullptr)
{
    QTextDocument document;
    document.setHtml(html);
    if (plainText)
        *plainText = document.toPlainText();
    QList<Anchor> anchors;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isAnchor())
                anchors.append({format.anchorHref(), it.fragment().text(), format.foreground().color()});
        }
    }
    return anchors;
}

// The first layout fault of a page, or "": a widget off the page, a text
// cut off by its label, or two widgets on top of each other.
QString layoutFault(const QWidget *page)
{
    QList<QWidget *> widgets;
    for (QWidget *child : page->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        widgets.append(child);
    for (int a = 0; a < widgets.size(); ++a) {
        const QWidget *widget = widgets[a];
        if (!page->rect().contains(widget->geometry()))
            return widget->objectName() + QStringLiteral(" leaves the page");
        auto *label = qobject_cast<const QLabel *>(widget);
        if (label && !label->text().isEmpty()
            && (label->wordWrap() ? label->height() < label->heightForWidth(label->width())
                                  : label->sizeHint().width() > label->width() || label->sizeHint().height() > label->height()))
            return widget->objectName() + QStringLiteral(" cuts its text off");
        for (int b = a + 1; b < widgets.size(); ++b) {
            if (widget->geometry().intersects(widgets[b]->geometry()))
                return widget->objectName() + QStringLiteral(" overlaps ") + widgets[b]->objectName();
        }
    }
    return QString();
}

#define VERIFY_LAYOUT(page) \
    do { const QString fault = layoutFault(page); QVERIFY2(fault.isEmpty(), qPrintable(fault)); } while (false)

} // namespace

// With the shipped plug-ins beside the test.
class TestInfoPages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void updateRunsShowsTheOutcomeAndRestarts();
    void updateListsThePluginVersions();
    void updateFollowsTheLanguage();
    void aboutShowsTheProgramFacts();
    void aboutReleaseDateText_data();
    void aboutReleaseDateText();
    void aboutNoticeLinksAndEscapes();
    void aboutFollowsTheLanguage();

private:
    UrlRecorder m_recorder;
};

void TestInfoPages::initTestCase()
{
    QVERIFY(QStandardPaths::isTestModeEnabled());
    QVERIFY(appAlmarikManager()->isBound() && appMapManager()->isBound());
    catchOpenedUrls(&m_recorder);
}

void TestInfoPages::init()
{
    QVERIFY(switchLanguage(QStringLiteral("English")));
    m_recorder.urls.clear();
}

void TestInfoPages::updateRunsShowsTheOutcomeAndRestarts()
{
    PageUpdate page(appMain()->uiContext());
    page.resize(PageSize);
    page.show();
    QCOMPARE(shownParts(page), QStringLiteral("B"));
    QVERIFY(!page.timer()->isActive());

    clickPanelButton(page.panelUpdate());
    QCOMPARE(shownParts(page), QStringLiteral("P"));
    QCOMPARE(page.timer()->interval(), 100);
    QCOMPARE(page.progressBar()->value(), 0);
    for (int tick = 1; tick <= 20; ++tick) {
        page.slotTimer();
        QCOMPARE(page.progressBar()->value(), 5 * tick);
        QCOMPARE(shownParts(page), QStringLiteral("P"));
    }

    // The next tick shows the outcome for ten seconds. There is no update
    // service, so it never claims success or a lost connection.
    page.slotTimer();
    QCOMPARE(page.progressBar()->value(), 100);
    QCOMPARE(shownParts(page), QStringLiteral("BO"));
    QCOMPARE(page.timer()->interval(), 10000);
    QVERIFY(page.timer()->isActive());
    QCOMPARE(page.labelResult()->text(), text("Update.ResultNoUpdate"));
    QVERIFY(!page.labelResult()->text().isEmpty());
    QVERIFY(page.labelResult()->text() != text("Update.ResultSuccess"));
    VERIFY_LAYOUT(&page);

    // The ten-second tick hides it and ends the sequence; a late tick
    // changes nothing.
    page.slotTimer();
    QCOMPARE(shownParts(page), QStringLiteral("B"));
    QVERIFY(!page.timer()->isActive());
    page.slotTimer();
    QCOMPARE(shownParts(page), QStringLiteral("B"));

    // Pressed while the outcome shows: it goes at once and the next tick
    // advances a new run from 0 instead of ending the outcome.
    page.slotUpdateNow();
    QCOMPARE(ticksToResult(page), 21);
    clickPanelButton(page.panelUpdate());
    QCOMPARE(shownParts(page), QStringLiteral("P"));
    QCOMPARE(page.progressBar()->value(), 0);
    QCOMPARE(page.timer()->interval(), 100);
    page.slotTimer();
    QCOMPARE(page.progress(), 5);
    QCOMPARE(ticksToResult(page), 20);

    // The page's own timer drives the slot.
    page.slotUpdateNow();
    page.timer()->setInterval(0);
    QTRY_VERIFY(page.progress() > 0);
    page.timer()->stop();
}

void TestInfoPages::updateListsThePluginVersions()
{
    PageUpdate page(appMain()->uiContext());
    QCOMPARE(page.labelLastUpdateValue()->text(), appDetails()->buildTime());
    QCOMPARE(page.labelVentabisVersionValue()->text(), appDetails()->ventabisVersion());
    QCOMPARE(page.labelAlmarikVersionData()->text(), appAlmarikManager()->version());
    QCOMPARE(page.labelMapVersionValue()->text(), appMapManager()->version());
    for (QLabel *value : {page.labelLastUpdateValue(), page.labelVentabisVersionValue(),
                          page.labelAlmarikVersionData(), page.labelMapVersionValue()})
        QVERIFY2(!value->text().isEmpty(), qPrintable(value->objectName()));
}

void TestInfoPages::updateFollowsTheLanguage()
{
    PageUpdate page(appMain()->uiContext());
    page.resize(PageSize);
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
    auto expected = [&keys]() {
        QStringList texts;
        for (const char *key : keys)
            texts << text(key);
        return texts;
    };

    const QStringList english = expected();
    QCOMPARE(shown(), english);
    VERIFY_LAYOUT(&page);
    const int englishValueX = page.labelMapVersionValue()->x();

    QVERIFY(switchLanguage(QStringLiteral("Bahasa Malaysia")));
    const QStringList malay = expected();
    for (int k = 0; k < malay.size(); ++k)
        QVERIFY2(!malay[k].isEmpty() && malay[k] != english[k], keys[k]);
    QCOMPARE(shown(), malay);
    VERIFY_LAYOUT(&page);
    page.slotUpdateNow();
    ticksToResult(page);
    VERIFY_LAYOUT(&page);

    // A caption longer than any the catalogues have: the values and the
    // button column move past it.
    const int valueX = page.labelMapVersionValue()->x();
    page.labelAlmarikVersion()->setText(QStringLiteral("Versi data waktu solat yang sedang dipasang:"));
    page.resize(PageSize + QSize(0, 1));
    QVERIFY(page.labelMapVersionValue()->x() > valueX);
    VERIFY_LAYOUT(&page);

    QVERIFY(switchLanguage(QStringLiteral("English")));
    QCOMPARE(shown(), english);
    QCOMPARE(page.labelMapVersionValue()->x(), englishValueX);
}

void TestInfoPages::aboutShowsTheProgramFacts()
{
    PageAbout page(appMain()->uiContext());
    page.resize(PageSize);
    page.show();
    ApplicationInformation *details = appDetails();
    QCOMPARE(page.labelAppName()->text(), ApplicationInformation::productName());
    QCOMPARE(page.labelVersion()->text(), text("About.Version") + QStringLiteral(" ") + details->appVersion());
    QCOMPARE(page.labelDataVersion()->text(), text("About.DataVersion") + QStringLiteral(" ") + details->dataVersion());
    const QDate released = details->releaseDate();
    QVERIFY(released > QDate(2017, 1, 1));
    QCOMPARE(page.labelReleaseDate()->text(),
             QStringLiteral("%1 %2 %3, %4").arg(text("About.ReleaseDate"), appLanguage()->monthName(released.month()))
                 .arg(released.day()).arg(released.year()));
    QCOMPARE(page.labelWarning()->text(), text("About.Warning"));
    QCOMPARE(page.labelCompanyUrl()->text(), details->website());
    VERIFY_LAYOUT(&page);

    // The maker's link opens the maker's site; the terms link opens nothing.
    QTest::mouseClick(page.labelCompanyUrl(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseClick(page.labelTermLink(), Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
    QCOMPARE(m_recorder.urls, QList<QUrl>{QUrl(details->website())});
}

void TestInfoPages::aboutReleaseDateText_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("shown");
    QTest::newRow("English, four parts") << "English" << "1.0.1704.1922" << "April 19, 2017";
    QTest::newRow("English, three parts") << "English" << "1.0.1704" << "January 1, 1900";
    QTest::newRow("Malay, four parts") << "Bahasa Malaysia" << "1.0.2612.0700" << "7 Disember 2026";
    QTest::newRow("Malay, five parts") << "Bahasa Malaysia" << "1.0.1704.1922.7" << "1 Januari 1900";
}

void TestInfoPages::aboutReleaseDateText()
{
    QFETCH(QString, language);
    QFETCH(QString, version);
    QFETCH(QString, shown);
    QVERIFY(switchLanguage(language));
    QCOMPARE(PageAbout::releaseDateText(*appLanguage(), version), shown);
}

void TestInfoPages::aboutNoticeLinksAndEscapes()
{
    PageAbout page(appMain()->uiContext());
    const QString notice = page.labelThirdParty()->text();
    QVERIFY(notice.startsWith(QLatin1String("<DIV align='justify'><p>")));
    QString plain;
    QList<Anchor> anchors = anchorsOf(notice, &plain);
    QCOMPARE(anchors.size(), 2);
    QCOMPARE(anchors[0].href, appDetails()->qtUrl());
    QCOMPARE(anchors[1].href, appDetails()->openSslUrl());
    QCOMPARE(anchors[0].text, QUrl(appDetails()->qtUrl()).host());
    QCOMPARE(anchors[1].text, QUrl(appDetails()->openSslUrl()).host());
    QVERIFY(!anchors[0].text.isEmpty());
    QCOMPARE(anchors[1].colour, QColor(Qt::black));
    QCOMPARE(plain, text("About.ThirdParty") + QStringLiteral("\n") + text("About.QT") + QStringLiteral(" (")
                        + anchors[0].text + QStringLiteral(")\n") + text("About.OpenSSL") + QStringLiteral(" (")
                        + anchors[1].text + QStringLiteral(")"));

    // Activating a link opens it; an empty one opens nothing.
    emit page.labelThirdParty()->linkActivated(anchors[1].href);
    emit page.labelThirdParty()->linkActivated(QString());
    page.slotOpenUrl(QStringLiteral("  "));
    QCOMPARE(m_recorder.urls, QList<QUrl>{QUrl(appDetails()->openSslUrl())});

    // Quotes and angle brackets stay inside the anchor; a link without a
    // host, or none at all, shows the library's name.
    const QString awkward = QStringLiteral("https://libs.example/q?a=\"x\"&b=<i>y</i>'z");
    anchors = anchorsOf(PageAbout::thirdPartyText(*appLanguage(), awkward, QStringLiteral("no host")), &plain);
    QCOMPARE(anchors.size(), 2);
    QCOMPARE(anchors[0].href, awkward);
    QCOMPARE(anchors[0].text, QStringLiteral("libs.example"));
    QCOMPARE(anchors[1].text, QStringLiteral("OpenSSL"));
    QVERIFY(!plain.contains(QLatin1String("<i>")));
    anchors = anchorsOf(PageAbout::thirdPartyText(*appLanguage(), QString(), QString()), &plain);
    QCOMPARE(anchors.size(), 2);
    QVERIFY(anchors[0].href.isEmpty());
    QVERIFY(plain.contains(QLatin1String("(Qt)")) && plain.contains(QLatin1String("(OpenSSL)")));
}

void TestInfoPages::aboutFollowsTheLanguage()
{
    PageAbout page(appMain()->uiContext());
    page.resize(PageSize);
    page.show();
    const QStringList english{page.labelVersion()->text(), page.labelReleaseDate()->text(),
                              page.labelWarning()->text(), page.labelThirdParty()->text()};

    QVERIFY(switchLanguage(QStringLiteral("Bahasa Malaysia")));
    const QStringList malay{page.labelVersion()->text(), page.labelReleaseDate()->text(),
                            page.labelWarning()->text(), page.labelThirdParty()->text()};
    for (int k = 0; k < english.size(); ++k)
        QVERIFY2(malay[k] != english[k], qPrintable(english[k]));
    QVERIFY(malay[0].startsWith(text("About.Version")));
    QVERIFY(malay[1].contains(appLanguage()->monthName(appDetails()->releaseDate().month())));
    QCOMPARE(malay[2], text("About.Warning"));
    QCOMPARE(anchorsOf(malay[3]).size(), 2);
    VERIFY_LAYOUT(&page);

    // Terms captions of some length stay on the page and clear of the rest.
    page.labelTermName()->setText(QStringLiteral("Terma perkhidmatan:"));
    page.labelTermLink()->setText(QStringLiteral("GNU General Public License, versi 3 atau lebih baharu"));
    page.labelUserAgreement()->setText(QStringLiteral("Perjanjian pengguna akhir: tiada selain lesen di atas."));
    page.resize(PageSize + QSize(0, 1));
    VERIFY_LAYOUT(&page);

    QVERIFY(switchLanguage(QStringLiteral("English")));
    QCOMPARE(page.labelReleaseDate()->text(), english[1]);
    QCOMPARE(page.labelThirdParty()->text(), english[3]);
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
    QVERIFY(!appAlmarikManager()->isBound() && !appMapManager()->isBound());
    QVERIFY(appDetails()->ventabisVersion().isEmpty());
    catchOpenedUrls(&m_recorder);
}

void TestInfoPagesNoPlugin::updateOpensWithEmptyVersions()
{
    PageUpdate page(appMain()->uiContext());
    page.resize(PageSize);
    page.show();
    QVERIFY(page.labelVentabisVersionValue()->text().isEmpty());
    QVERIFY(page.labelAlmarikVersionData()->text().isEmpty());
    QVERIFY(page.labelMapVersionValue()->text().isEmpty());
    // The build time is the program's own, not a plug-in's.
    QCOMPARE(page.labelLastUpdateValue()->text(), appDetails()->buildTime());
    VERIFY_LAYOUT(&page);
    page.slotUpdateNow();
    QCOMPARE(ticksToResult(page), 21);
    QCOMPARE(shownParts(page), QStringLiteral("BO"));
    QVERIFY(page.labelAlmarikVersionData()->text().isEmpty());
}

void TestInfoPagesNoPlugin::aboutUsesTheBuiltInLinks()
{
    const LinkSet builtIn = LinkSet::builtIn();
    PageAbout page(appMain()->uiContext());
    page.resize(PageSize);
    page.show();
    QCOMPARE(page.labelCompanyUrl()->url(), builtIn.website);
    const QList<Anchor> anchors = anchorsOf(page.labelThirdParty()->text());
    QCOMPARE(anchors.size(), 2);
    QCOMPARE(anchors[0].href, builtIn.qtUrl);
    QCOMPARE(anchors[1].href, builtIn.openSslUrl);
    QVERIFY(!appDetails()->dataVersion().isEmpty());
    QVERIFY(page.labelDataVersion()->text().endsWith(QStringLiteral(" ") + appDetails()->dataVersion()));
    VERIFY_LAYOUT(&page);
    emit page.labelThirdParty()->linkActivated(anchors[0].href);
    QCOMPARE(m_recorder.urls, QList<QUrl>{QUrl(builtIn.qtUrl)});
}

int main(int argc, char *argv[])
{
    // "--no-plugins" is the program's switch, taken out before Qt Test
    // reads the rest.
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
