// The support form and the messaging dialog: what Submit refuses and marks,
// the mail link it hands on, Reset, the messaging link, and the texts and
// layout in English and Malay.

#include "app/appmain.h"
#include "support/privatehome.h"
#include "support/apptest.h"
#include "support/urlrecorder.h"
#include "ui/controls/xgreenbutton.h"
#include "ui/controls/xpushbutton.h"
#include "ui/dialogs/dialogonlinesupport.h"
#include "ui/dialogs/dialogwhatsapp.h"

#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QUrlQuery>
#include <QtTest>

#include <functional>

namespace {

// Ends a dialog that is still open when the test is done with it.
const int LeftOpen = 42;

// Runs the dialog modally, does what the test asks once it is up, and then
// ends it with LeftOpen if the action did not close it.
int execWith(QDialog &dialog, const std::function<void()> &action)
{
    QTimer::singleShot(0, &dialog, [&dialog, action] {
        action();
        if (dialog.isVisible())
            dialog.done(LeftOpen);
    });
    return dialog.exec();
}

void click(XPanelButton *button)
{
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(button, &enter);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}

bool isMarked(const QWidget *field)
{
    return field->property("invalid").toBool();
}

void useLanguage(const QString &name)
{
    appConfig().language = name;
    appLanguage()->load(true);
}

} // namespace

class TestSupportDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void submitRefusesIncompleteForm_data();
    void submitRefusesIncompleteForm();
    void emailAddressCheck_data();
    void emailAddressCheck();
    void marksClearOnEditAndReset();
    void submitHandsEncodedMailToMailProgram();
    void submitKeepsFormWhenNoMailProgram();
    void noMailProgramOffersCopy();

    void messagingOpensPluginLinkAndStaysOpen();
    void messagingEmptyLinkOpensNothing();

    void textsAndLayoutPerLanguage_data();
    void textsAndLayoutPerLanguage();

private:
    UrlRecorder m_recorder;
};

void TestSupportDialogs::initTestCase()
{
    // Every URL the dialogs open, with or without a scheme, lands here and
    // never reaches the desktop.
    m_recorder.catchSchemes({"mailto", "http", "https", "file", ""});
}

void TestSupportDialogs::init()
{
    useLanguage(QStringLiteral("English"));
    m_recorder.urls.clear();
}

void TestSupportDialogs::submitRefusesIncompleteForm_data()
{
    QTest::addColumn<QString>("email");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("enquiry");
    QTest::addColumn<QStringList>("marked");
    const QStringList all{"editEmail", "comboEnquiryType", "editEnquiry"};
    QTest::newRow("all empty") << "" << 0 << "" << all;
    QTest::newRow("no at sign") << "ali.example.com" << 1 << "Soalan" << QStringList{"editEmail"};
    QTest::newRow("space in address") << "ali baba@example.com" << 2 << "Soalan" << QStringList{"editEmail"};
    QTest::newRow("blank enquiry") << "ali@example.com" << 3 << " \n\t \r\n" << QStringList{"editEnquiry"};
    QTest::newRow("first entry") << "ali@example.com" << 0 << "Soalan" << QStringList{"comboEnquiryType"};
    QTest::newRow("type and enquiry") << "ali@example.com" << 0 << "   " << QStringList{"comboEnquiryType", "editEnquiry"};
}

void TestSupportDialogs::submitRefusesIncompleteForm()
{
    QFETCH(QString, email);
    QFETCH(int, type);
    QFETCH(QString, enquiry);
    QFETCH(QStringList, marked);

    DialogOnlineSupport dialog(appMain()->uiContext());
    dialog.emailEdit()->setText(email);
    dialog.enquiryTypeCombo()->setCurrentIndex(type);
    dialog.enquiryEdit()->setPlainText(enquiry);
    QWidget *focused = nullptr;
    QCOMPARE(execWith(dialog, [&dialog, &focused] {
                 click(dialog.submitButton());
                 focused = dialog.focusWidget();
             }),
             LeftOpen);

    QVERIFY(m_recorder.urls.isEmpty());
    for (QWidget *field : QList<QWidget *>{dialog.emailEdit(), dialog.enquiryTypeCombo(), dialog.enquiryEdit()}) {
        const bool expected = marked.contains(field->objectName());
        QVERIFY2(isMarked(field) == expected, qPrintable(field->objectName()));
        QCOMPARE(field->styleSheet().contains(QLatin1String("border")), expected);
    }
    // The marked edit keeps its grey background; the first bad field has
    // the focus; nothing the user typed is lost.
    if (marked.contains(QLatin1String("editEmail")))
        QVERIFY(dialog.emailEdit()->styleSheet().contains(QLatin1String("background: rgb(225, 225, 225)")));
    QVERIFY(focused);
    QCOMPARE(focused->objectName(), marked.first());
    QCOMPARE(dialog.emailEdit()->text(), email);
    QCOMPARE(dialog.enquiryTypeCombo()->currentIndex(), type);
    QCOMPARE(dialog.enquiryEdit()->toPlainText(), QString(enquiry).replace(QLatin1String("\r\n"), QLatin1String("\n")));
}

void TestSupportDialogs::emailAddressCheck_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("valid");
    QTest::newRow("plain") << "ali@example.com" << true;
    QTest::newRow("padded") << "  siti.aminah+zenhar@mail.example.my \t" << true;
    QTest::newRow("non-ASCII") << QStringLiteral("m\u00fcller@b\u00fccher.example") << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("no local part") << "@example.com" << false;
    QTest::newRow("no domain") << "ali@" << false;
    QTest::newRow("domain without dot") << "ali@localhost" << false;
    QTest::newRow("empty domain label") << "ali@example..com" << false;
    QTest::newRow("two at signs") << "ali@home@example.com" << false;
    QTest::newRow("inner tab") << "ali\t@example.com" << false;
    QTest::newRow("control char") << QStringLiteral("ali@exa%1mple.com").arg(QChar(0x07)) << false;
    QTest::newRow("two addresses") << "ali@example.com, abu@example.com" << false;
}

void TestSupportDialogs::emailAddressCheck()
{
    QFETCH(QString, address);
    QFETCH(bool, valid);
    QCOMPARE(DialogOnlineSupport::isValidEmailAddress(address), valid);
}

void TestSupportDialogs::marksClearOnEditAndReset()
{
    DialogOnlineSupport dialog(appMain()->uiContext());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.enquiryEdit()->setPlainText(QStringLiteral("Soalan panjang\nbaris dua"));
    dialog.slotSubmit();
    QVERIFY(isMarked(dialog.emailEdit()) && isMarked(dialog.enquiryTypeCombo()));
    QVERIFY(!isMarked(dialog.enquiryEdit()));

    // Typing clears that field's mark only, and the look is the given one.
    QTest::keyClicks(dialog.emailEdit(), QStringLiteral("a"));
    QVERIFY(!isMarked(dialog.emailEdit()) && isMarked(dialog.enquiryTypeCombo()));
    QCOMPARE(dialog.emailEdit()->styleSheet(),
             QStringLiteral("QLineEdit { background: rgb(225, 225, 225); selection-background-color: rgb(85, 164, 193); }"));

    // Reset clears every field and the mark of the combo still on its
    // first entry.
    QCOMPARE(execWith(dialog, [&dialog] { click(dialog.resetButton()); }), LeftOpen);
    QVERIFY(dialog.emailEdit()->text().isEmpty());
    QCOMPARE(dialog.enquiryTypeCombo()->currentIndex(), 0);
    QCOMPARE(dialog.enquiryTypeCombo()->count(), 5);
    QVERIFY(dialog.enquiryEdit()->toPlainText().isEmpty());
    QVERIFY(!isMarked(dialog.enquiryTypeCombo()));
    QVERIFY(!dialog.enquiryTypeCombo()->styleSheet().contains(QLatin1String("border")));
    QVERIFY(m_recorder.urls.isEmpty());
}

void TestSupportDialogs::submitHandsEncodedMailToMailProgram()
{
    const QString enquiry = QStringLiteral("Waktu Subuh salah di Kuala Terengganu \u2014 mohon semak?\r\n"
                                           "a&b=c?d#e+f%20g 100% \u00e9\r\nbaris=3&body=x");
    DialogOnlineSupport dialog(appMain()->uiContext());
    dialog.emailEdit()->setText(QStringLiteral("  ali+zenhar@example.com.my "));
    dialog.enquiryTypeCombo()->setCurrentIndex(2);
    dialog.enquiryEdit()->setPlainText(enquiry);
    QCOMPARE(execWith(dialog, [&dialog] { click(dialog.submitButton()); }), int(QDialog::Accepted));

    QCOMPARE(m_recorder.urls.size(), 1);
    const QUrl url = m_recorder.urls.first();
    const QString encoded = QString::fromLatin1(url.toEncoded());
    QVERIFY(QUrl(encoded, QUrl::StrictMode).isValid());
    QCOMPARE(url.scheme(), QStringLiteral("mailto"));
    QCOMPARE(url.path(), appDetails()->supportEmail());
    QCOMPARE(encoded.count(QLatin1Char('?')), 1);
    QVERIFY(!encoded.contains(QLatin1Char('#')) && !encoded.contains(QLatin1Char('+')));

    const QStringList items = url.query(QUrl::FullyEncoded).split(QLatin1Char('&'));
    QCOMPARE(items.size(), 2);
    QVERIFY(items.at(0).startsWith(QLatin1String("subject=")));
    QVERIFY(items.at(1).startsWith(QLatin1String("body=")));
    QVERIFY(items.at(1).contains(QLatin1String("%0D%0A")));
    const QString subject = QUrl::fromPercentEncoding(items.at(0).mid(8).toLatin1());
    const QString body = QUrl::fromPercentEncoding(items.at(1).mid(5).toLatin1());
    // QUrlQuery reads the same values.
    const QUrlQuery query(url);
    QCOMPARE(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded), subject);
    QCOMPARE(query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded), body);

    QVERIFY(subject.contains(ApplicationInformation::shortName()));
    QVERIFY(subject.endsWith(QLatin1String(": Problem report")));
    // The enquiry whole, then the reply address and the version, every
    // line break a CRLF.
    QVERIFY(body.startsWith(enquiry + QLatin1String("\r\n")));
    QCOMPARE(body.count(QLatin1Char('\n')), body.count(QLatin1String("\r\n")));
    const QStringList tail = body.mid(enquiry.size()).split(QLatin1String("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(tail.size(), 2);
    QVERIFY(tail.at(0).endsWith(QLatin1String(" ali+zenhar@example.com.my")));
    QVERIFY(tail.at(1).endsWith(QLatin1Char(' ') + appDetails()->appVersion()));
}

void TestSupportDialogs::submitKeepsFormWhenNoMailProgram()
{
    // A handler without the named slot: the desktop reports failure.
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &m_recorder, "missing");
    DialogOnlineSupport dialog(appMain()->uiContext());
    dialog.emailEdit()->setText(QStringLiteral("ali@example.com"));
    dialog.enquiryTypeCombo()->setCurrentIndex(1);
    dialog.enquiryEdit()->setPlainText(QStringLiteral("Soalan"));
    const int result = execWith(dialog, [&dialog] { click(dialog.submitButton()); });
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &m_recorder, "open");

    QCOMPARE(result, LeftOpen);
    QCOMPARE(dialog.emailEdit()->text(), QStringLiteral("ali@example.com"));
    QCOMPARE(dialog.enquiryTypeCombo()->currentIndex(), 1);
    QCOMPARE(dialog.enquiryEdit()->toPlainText(), QStringLiteral("Soalan"));
    QVERIFY(!isMarked(dialog.emailEdit()) && !isMarked(dialog.enquiryEdit()));
}

// When no mail program answers, the form says so and copies the message
// with the address to the clipboard.
void TestSupportDialogs::noMailProgramOffersCopy()
{
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &m_recorder, "missing");
    QGuiApplication::clipboard()->clear();
    DialogOnlineSupport dialog(appMain()->uiContext());
    QVERIFY(dialog.mailProblemLabel()->isHidden());
    QVERIFY(dialog.copyButton()->isHidden());
    dialog.emailEdit()->setText(QStringLiteral("ali@example.com"));
    dialog.enquiryTypeCombo()->setCurrentIndex(4);
    dialog.enquiryEdit()->setPlainText(QStringLiteral("Subuh di Gua Musang\nlambat seminit"));
    bool problemShown = false;
    bool copyShown = false;
    QString problem;
    const int result = execWith(dialog, [&] {
        click(dialog.submitButton());
        problemShown = dialog.mailProblemLabel()->isVisible();
        copyShown = dialog.copyButton()->isVisible();
        problem = dialog.mailProblemLabel()->text();
        click(dialog.copyButton());
    });
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &m_recorder, "open");

    QCOMPARE(result, LeftOpen);
    QVERIFY(problemShown && copyShown);
    QVERIFY(problem.contains(appDetails()->supportEmail()));
    const QString copied = QGuiApplication::clipboard()->text();
    QCOMPARE(copied, dialog.mailText());
    QVERIFY(copied.startsWith(QLatin1String("To: ") + appDetails()->supportEmail() + QLatin1Char('\n')));
    QVERIFY(copied.contains(QLatin1String("Subject: Almarik Zenhar: Error in the prayer times\n")));
    QVERIFY(copied.contains(QLatin1String("\n\nSubuh di Gua Musang\nlambat seminit\n")));
    QVERIFY(copied.contains(QLatin1String("ali@example.com")));
    QVERIFY(!copied.contains(QLatin1Char('\r')));
    QVERIFY(dialog.mailProblemLabel()->text().endsWith(appLanguage()->text(QStringLiteral("OnlineSupport.Copied"))));
    // The note is shown whole, inside the dialog and clear of the form.
    const QRect note = dialog.mailProblemLabel()->geometry();
    QVERIFY(dialog.rect().contains(note));
    QVERIFY(note.height() >= dialog.mailProblemLabel()->heightForWidth(note.width()));
    for (QWidget *part : QList<QWidget *>{dialog.enquiryEdit(), dialog.submitButton(), dialog.resetButton(),
                                          dialog.copyButton()})
        QVERIFY2(!note.intersects(part->geometry()), qPrintable(part->objectName()));
    QVERIFY(dialog.rect().contains(dialog.copyButton()->geometry()));
    QVERIFY(!dialog.copyButton()->geometry().intersects(dialog.submitButton()->geometry()));
}

void TestSupportDialogs::messagingOpensPluginLinkAndStaysOpen()
{
    QVERIFY(!appDetails()->ventabisVersion().isEmpty());
    QVERIFY(!appDetails()->whatsAppUrl().isEmpty());
    DialogWhatsApp dialog(appMain()->uiContext());
    QCOMPARE(execWith(dialog, [&dialog] { click(dialog.runButton()); }), LeftOpen);
    QCOMPARE(m_recorder.urls, QList<QUrl>{QUrl(appDetails()->whatsAppUrl(), QUrl::TolerantMode)});
}

void TestSupportDialogs::messagingEmptyLinkOpensNothing()
{
    // The slot opens the application record's link through openLink; the
    // record always has a link, so the empty one is tried here directly.
    QVERIFY(!DialogWhatsApp::openLink(QString()));
    QVERIFY(!DialogWhatsApp::openLink(QStringLiteral("  \t")));
    QVERIFY(m_recorder.urls.isEmpty());
    QVERIFY(DialogWhatsApp::openLink(QStringLiteral(" https://chat.example/?a=b c ")));
    QCOMPARE(m_recorder.urls.size(), 1);
    QCOMPARE(m_recorder.urls.first().host(), QStringLiteral("chat.example"));
}

void TestSupportDialogs::textsAndLayoutPerLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << "English";
    QTest::newRow("Malay") << "Bahasa Malaysia";
}

void TestSupportDialogs::textsAndLayoutPerLanguage()
{
    QFETCH(QString, language);
    const Language *texts = appLanguage();
    DialogOnlineSupport support(appMain()->uiContext());
    DialogWhatsApp messaging(appMain()->uiContext());
    support.show();
    messaging.show();
    QVERIFY(QTest::qWaitForWindowExposed(&messaging));
    const QString englishTitle = support.titleLabel()->text();
    // Switched under open dialogs, as a change on the settings page would.
    useLanguage(language);
    QCOMPARE(support.size(), QSize(550, 450));
    QCOMPARE(messaging.size(), QSize(425, 240));
    QCOMPARE(support.enquiryTypeCombo()->count(), 5);
    QCOMPARE(support.enquiryTypeCombo()->itemText(0), texts->text(QStringLiteral("Enquiry.Choose")));
    QCOMPARE(support.enquiryTypeCombo()->itemText(4), texts->text(QStringLiteral("Enquiry.TimetableError")));
    if (language != QLatin1String("English"))
        QVERIFY(support.titleLabel()->text() != englishTitle);

    const QList<QPair<QLabel *, const char *>> labels{
        {support.titleLabel(), "Dialog.OnlineSupport"},
        {support.descriptionLabel(), "OnlineSupport.Description"},
        {support.findChild<QLabel *>(QStringLiteral("labelEmail")), "OnlineSupport.Email"},
        {support.findChild<QLabel *>(QStringLiteral("labelEnquiryType")), "OnlineSupport.EnquiryType"},
        {support.findChild<QLabel *>(QStringLiteral("labelEnquiry")), "OnlineSupport.Enquiry"},
        {support.submitButton()->captionLabel(), "OnlineSupport.Submit"},
        {support.resetButton()->captionLabel(), "OnlineSupport.Reset"},
        {messaging.titleLabel(), "Dialog.WhatsApp"},
        {messaging.descriptionLabel(), "WhatsApp.Description"},
        {messaging.runButton()->captionLabel(), "WhatsApp.RunWhatsApp"},
    };
    for (const auto &entry : labels) {
        QLabel *label = entry.first;
        QVERIFY2(label && !label->text().isEmpty(), entry.second);
        QCOMPARE(label->text(), texts->text(QLatin1String(entry.second)));
        // Shown whole: wrapped text in its height, single lines in their
        // width, button captions inside their button.
        if (label->wordWrap())
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(), entry.second);
        else
            QVERIFY2(label->sizeHint().width() <= label->width(), entry.second);
        if (auto *button = qobject_cast<XPanelButton *>(label->parentWidget()))
            QVERIFY2(label->sizeHint().width() <= button->width(), entry.second);
    }

    // Nothing overlaps and everything lies inside its dialog.
    for (DialogBase *dialog : QList<DialogBase *>{&support, &messaging}) {
        QList<QWidget *> parts;
        for (QWidget *child : dialog->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
            if (child != dialog->backgroundPanel() && !child->isHidden()
                && !child->objectName().startsWith(QLatin1String("labelBorder")))
                parts << child;
        }
        QVERIFY(parts.size() >= 5);
        for (int i = 0; i < parts.size(); ++i) {
            QVERIFY2(dialog->rect().adjusted(1, 1, -1, -1).contains(parts.at(i)->geometry()),
                     qPrintable(parts.at(i)->objectName()));
            for (int j = i + 1; j < parts.size(); ++j)
                QVERIFY2(!parts.at(i)->geometry().intersects(parts.at(j)->geometry()),
                         qPrintable(parts.at(i)->objectName() + QLatin1Char('/') + parts.at(j)->objectName()));
        }
    }

    // Shown modally over the main window, centred on it.
    QWidget window;
    window.setGeometry(100, 80, 700, 560);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    DialogWhatsApp centred(appMain()->uiContext(), &window);
    QVERIFY((centred.geometry().center() - window.geometry().center()).manhattanLength() <= 2);
    QCOMPARE(execWith(centred, [&centred] { QVERIFY(centred.isModal()); centred.closeButton()->click(); }),
             int(QDialog::Rejected));
}

int main(int argc, char *argv[])
{
    return runOnApplication<TestSupportDialogs>(argc, argv);
}

#include "test_supportdialogs.moc"
