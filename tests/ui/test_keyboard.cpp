// The keyboard: the program's own controls answer Enter, Return and Space,
// Escape closes every dialog, and Tab walks the main window (on several of
// its pages) and the dialogs in reading order, reaching every control once.

#include "app/appmain.h"
#include "core/prayerslot.h"
#include "support/apptest.h"
#include "ui/config/pageconfig.h"
#include "ui/controls/enterclicks.h"
#include "ui/controls/xcheckbox.h"
#include "ui/controls/xgreenbutton.h"
#include "ui/controls/xpathlabel.h"
#include "ui/controls/xpushbutton.h"
#include "ui/controls/xurllabel.h"
#include "ui/dialogs/dialogonlinesupport.h"
#include "ui/dialogs/dialogplace.h"
#include "ui/dialogs/dialogwhatsapp.h"
#include "ui/dialogs/exportoptionsdialog.h"
#include "ui/dialogs/promptexit.h"
#include "ui/dialogs/promptnodata.h"
#include "ui/dialogs/promptnolanguage.h"
#include "ui/main/dialogmain.h"
#include "ui/pages/pagehome.h"

#include <QApplication>
#include <QLineEdit>
#include <QScrollArea>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

std::unique_ptr<QDialog> makeDialog(const QString &kind)
{
    const UiContext &ctx = appMain()->uiContext();
    const Language &language = *ctx.language;
    if (kind == QLatin1String("place chooser"))
        return std::make_unique<DialogPlace>(ctx);
    if (kind == QLatin1String("export options"))
        return std::make_unique<ExportOptionsDialog>(language, 2026, 12, false);
    if (kind == QLatin1String("export options, calendar file"))
        return std::make_unique<ExportOptionsDialog>(language, 2026, 12, true);
    if (kind == QLatin1String("support form"))
        return std::make_unique<DialogOnlineSupport>(ctx);
    if (kind == QLatin1String("messaging"))
        return std::make_unique<DialogWhatsApp>(ctx);
    if (kind == QLatin1String("exit prompt"))
        return std::make_unique<PromptExit>(language);
    if (kind == QLatin1String("no-data prompt"))
        return std::make_unique<PromptNoData>(language);
    if (kind == QLatin1String("no-language prompt"))
        return std::make_unique<PromptNoLanguage>(language);
    return nullptr;
}

const QStringList DialogKinds{
    QStringLiteral("place chooser"),  QStringLiteral("export options"), QStringLiteral("export options, calendar file"),
    QStringLiteral("support form"),   QStringLiteral("messaging"),      QStringLiteral("exit prompt"),
    QStringLiteral("no-data prompt"), QStringLiteral("no-language prompt"),
};

bool takesTab(const QWidget *widget)
{
    // A spin box's line edit hands the focus to the box.
    return (widget->focusPolicy() & Qt::TabFocus) && widget->isVisible() && widget->isEnabled()
            && !widget->focusProxy();
}

// The controls of `window` that Tab can reach.
QList<QWidget *> reachable(QWidget *window)
{
    QList<QWidget *> found;
    const QList<QWidget *> all = window->findChildren<QWidget *>();
    for (QWidget *widget : all) {
        if (widget->window() == window && takesTab(widget))
            found << widget;
    }
    return found;
}

// Presses Tab from the focused control until the focus comes back to it,
// and returns the controls in the order they got the focus; stops early
// if the focus leaves the window or stays put.
QList<QWidget *> walkWithTab(QWidget *window)
{
    QList<QWidget *> walked;
    QWidget *start = QApplication::focusWidget();
    if (!start || start->window() != window)
        return walked;
    QWidget *current = start;
    do {
        walked << current;
        QTest::keyClick(current, Qt::Key_Tab);
        QWidget *next = QApplication::focusWidget();
        if (!next || next == current || next->window() != window)
            break;
        current = next;
    } while (current != start && walked.size() < 200);
    return walked;
}

QRect place(const QWidget *widget)
{
    return QRect(widget->mapTo(widget->window(), QPoint(0, 0)), widget->size());
}

// Whether `after` comes after `before` when the window is read: on a lower
// line, or on the same line further right.
bool readsAfter(const QWidget *before, const QWidget *after)
{
    const QRect a = place(before);
    const QRect b = place(after);
    if (b.top() > a.bottom())
        return true;
    if (b.bottom() < a.top())
        return false;
    return b.left() > a.left();
}

QString nameOf(const QWidget *widget)
{
    return QStringLiteral("%1 \"%2\"").arg(QLatin1String(widget->metaObject()->className()), widget->objectName());
}

// The walk starts wherever the focus was; read from the control that is
// first on the page, each one must read after the one before.
void verifyReadingOrder(QList<QWidget *> walked)
{
    QVERIFY(!walked.isEmpty());
    int first = 0;
    for (int k = 1; k < walked.size(); ++k) {
        const QRect candidate = place(walked.at(k));
        const QRect best = place(walked.at(first));
        if (candidate.top() < best.top() || (candidate.top() == best.top() && candidate.left() < best.left()))
            first = k;
    }
    std::rotate(walked.begin(), walked.begin() + first, walked.end());
    for (int k = 1; k < walked.size(); ++k) {
        QVERIFY2(readsAfter(walked.at(k - 1), walked.at(k)),
                 qPrintable(nameOf(walked.at(k)) + QStringLiteral(" comes after ") + nameOf(walked.at(k - 1))));
    }
}

void verifyWalkReachesEverything(QWidget *window, const QList<QWidget *> &walked)
{
    const QList<QWidget *> all = reachable(window);
    for (QWidget *widget : all)
        QVERIFY2(walked.count(widget) == 1, qPrintable(nameOf(widget) + QStringLiteral(" is not reached once")));
    QCOMPARE(walked.size(), all.size());
}

// A picture button that Qt made the window's default button would be
// pressed by Return wherever the focus is.
void verifyNoPictureButtonIsDefault(QWidget *window)
{
    const QList<XPushButton *> buttons = window->findChildren<XPushButton *>();
    for (const XPushButton *button : buttons)
        QVERIFY2(!button->isDefault(), qPrintable(nameOf(button)));
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void controlsAnswerTheKeys_data();
    void controlsAnswerTheKeys();
    void escapeClosesEveryDialog_data();
    void escapeClosesEveryDialog();
    void dialogsTabInReadingOrder_data();
    void dialogsTabInReadingOrder();
    void mainWindowTabsInReadingOrder_data();
    void mainWindowTabsInReadingOrder();
};

void TestKeyboard::controlsAnswerTheKeys_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("presses");
    const struct {
        const char *name;
        int key;
    } keys[] = {{"Space", Qt::Key_Space}, {"Return", Qt::Key_Return}, {"Enter", Qt::Key_Enter}};
    for (const char *control : {"picture button", "panel button", "link", "check box", "path label", "play button"}) {
        for (const auto &key : keys)
            QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(QLatin1String(control), QLatin1String(key.name))))
                << QString::fromLatin1(control) << key.key << 1;
        QTest::newRow(qPrintable(QStringLiteral("%1, a letter").arg(QLatin1String(control))))
            << QString::fromLatin1(control) << int(Qt::Key_A) << 0;
    }
}

// Each of the program's own controls takes the focus, and Enter, Return or
// Space on it does what a click does, once; other keys do nothing.
void TestKeyboard::controlsAnswerTheKeys()
{
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(int, presses);
    QWidget form;
    form.resize(200, 100);
    QWidget *widget = nullptr;
    std::unique_ptr<QSignalSpy> spy;
    XUrlLabel caption;
    if (control == QLatin1String("picture button")) {
        auto *button = new XPushButton(&form);
        button->setImages({QStringLiteral(":/images/BtnHomeNormal.png"), QStringLiteral(":/images/BtnHomeHover.png"),
                           QStringLiteral(":/images/BtnHomePressed.png"),
                           QStringLiteral(":/images/BtnHomeNormal.png")});
        spy = std::make_unique<QSignalSpy>(button, &QAbstractButton::clicked);
        widget = button;
    } else if (control == QLatin1String("panel button")) {
        auto *button = new XGreenButton(&form);
        button->resize(80, 30);
        spy = std::make_unique<QSignalSpy>(button, &XPanelButton::clicked);
        widget = button;
    } else if (control == QLatin1String("link")) {
        auto *link = new XUrlLabel(&form);
        link->setText(QStringLiteral("Next"));
        spy = std::make_unique<QSignalSpy>(link, &XUrlLabel::clicked);
        widget = link;
    } else if (control == QLatin1String("check box")) {
        auto *box = new XCheckBox(&caption, &form);
        spy = std::make_unique<QSignalSpy>(box, &XCheckBox::stateChanged);
        widget = box;
        // The box takes the focus; its caption, a link, does not.
        QCOMPARE(caption.focusPolicy(), Qt::NoFocus);
    } else if (control == QLatin1String("play button")) {
        // A Qt tool button, as beside each sound choice.
        auto *button = new QToolButton(&form);
        button->setFocusPolicy(Qt::StrongFocus);
        EnterClicks::install(button);
        spy = std::make_unique<QSignalSpy>(button, &QAbstractButton::clicked);
        widget = button;
    } else {
        auto *path = new XPathLabel(&form);
        path->setText(QStringLiteral("/home/aminah/azan.ogg"));
        spy = std::make_unique<QSignalSpy>(path, &XPathLabel::clicked);
        widget = path;
    }
    QVERIFY(widget->focusPolicy() & Qt::TabFocus);
    form.show();
    QApplication::setActiveWindow(&form);
    widget->setFocus();
    QVERIFY(widget->hasFocus());
    QTest::keyClick(widget, Qt::Key(key));
    // A picture button's Return and Enter click after a short animation.
    if (presses)
        QTRY_COMPARE(spy->count(), presses);
    QCOMPARE(spy->count(), presses);
}

void TestKeyboard::escapeClosesEveryDialog_data()
{
    QTest::addColumn<QString>("kind");
    for (const QString &kind : DialogKinds)
        QTest::newRow(qPrintable(kind)) << kind;
}

// Escape closes the dialog, rejected, wherever the focus is in it.
void TestKeyboard::escapeClosesEveryDialog()
{
    QFETCH(QString, kind);
    std::unique_ptr<QDialog> dialog = makeDialog(kind);
    QVERIFY(dialog);
    dialog->show();
    const QList<QWidget *> controls = reachable(dialog.get());
    QVERIFY(!controls.isEmpty());
    for (QWidget *control : controls) {
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        dialog->setResult(-1);
        control->setFocus();
        QTest::keyClick(control, Qt::Key_Escape);
        QVERIFY2(!dialog->isVisible(), qPrintable(nameOf(control)));
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
    }
}

void TestKeyboard::dialogsTabInReadingOrder_data()
{
    escapeClosesEveryDialog_data();
}

// Tab reaches every control of the dialog once, top to bottom and left to
// right, starting where the dialog put the focus, which is not its frame's
// close button (Enter or Space there would close it).
void TestKeyboard::dialogsTabInReadingOrder()
{
    QFETCH(QString, kind);
    std::unique_ptr<QDialog> dialog = makeDialog(kind);
    dialog->show();
    QApplication::setActiveWindow(dialog.get());
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    QWidget *start = QApplication::focusWidget();
    QVERIFY(start);
    if (auto *frame = qobject_cast<DialogBase *>(dialog.get()))
        QVERIFY(start != frame->closeButton());
    const QList<QWidget *> walked = walkWithTab(dialog.get());
    verifyWalkReachesEverything(dialog.get(), walked);
    verifyReadingOrder(walked);
    verifyNoPictureButtonIsDefault(dialog.get());

    // Return in a text field is no click on the frame's close button (a
    // dialog with an OK button may take it as OK).
    if (auto *field = dialog->findChild<QLineEdit *>()) {
        dialog->setResult(-1);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Return);
        QVERIFY(dialog->isVisible() || dialog->result() == QDialog::Accepted);
    }
}

void TestKeyboard::mainWindowTabsInReadingOrder_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("panel");
    QTest::newRow("home page") << "slotButtonHome" << "";
    QTest::newRow("Qibla page") << "slotButtonMap" << "";
    QTest::newRow("about page") << "slotButtonAbout" << "";
    QTest::newRow("general settings") << "slotButtonConfig" << "PanelConfGeneral";
    QTest::newRow("clock settings") << "slotButtonConfig" << "PanelConfAlmarikData";
    QTest::newRow("Zohor settings") << "slotButtonConfig" << "PanelConfNotifier";
}

// Tab goes from the frame's buttons through the page shown to the row of
// buttons and the web address, reaching each control once; the settings
// page reads as two columns, its list of panels and the panel shown, each
// in reading order. Return on the home page's grid presses no button of
// the window.
void TestKeyboard::mainWindowTabsInReadingOrder()
{
    QFETCH(QString, page);
    QFETCH(QString, panel);
    appConfig().showSplashScreen = false;
    DialogMain window(appMain()->uiContext());
    window.timer()->stop();
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // Every page is built, the others hidden: Tab passes them by.
    const int pageCount = window.pages().size();
    QCOMPARE(window.builtPages().size(), pageCount);
    QVERIFY(QMetaObject::invokeMethod(&window, qPrintable(page)));
    QWidget *shown = window.currentPage();
    QVERIFY(shown && shown->isVisible());
    QWidget *within = shown;
    if (!panel.isEmpty()) {
        PageConfig *config = window.configPage();
        QCOMPARE(shown, config);
        int index = 0;
        while (index < config->panels().size()
               && QLatin1String(config->panels().at(index)->metaObject()->className()) != panel)
            ++index;
        QVERIFY(index < config->panels().size());
        // The notifier's first panel is Imsak's; Zohor's is further on.
        if (panel == QLatin1String("PanelConfNotifier"))
            index = PageConfig::FirstPrayerPanel + Zohor;
        config->showPanel(index);
        within = config->panels().at(index);
        QVERIFY(within->isVisible());
        // The play buttons, Qt tool buttons, answer Enter as well as Space.
        for (auto *play : within->findChildren<QToolButton *>())
            QVERIFY(play->findChild<EnterClicks *>());
    }

    window.findChild<XPushButton *>(QStringLiteral("buttonHome"))->setFocus();
    const QList<QWidget *> walked = walkWithTab(&window);
    verifyWalkReachesEverything(&window, walked);
    verifyNoPictureButtonIsDefault(&window);
    QCOMPARE(walked.count(window.findChild<XPushButton *>(QStringLiteral("buttonMinimize"))), 1);
    QCOMPARE(walked.count(window.findChild<XPushButton *>(QStringLiteral("buttonAbout"))), 1);
    QList<QWidget *> inPanel, inMenu;
    for (QWidget *widget : walked) {
        if (within->isAncestorOf(widget))
            inPanel << widget;
        else if (shown->isAncestorOf(widget))
            inMenu << widget;
    }
    QVERIFY(!inPanel.isEmpty());
    // From the top: the frame's buttons, the page's controls all together,
    // then the row of buttons.
    QList<QWidget *> fromTop = walked;
    auto *minimize = window.findChild<XPushButton *>(QStringLiteral("buttonMinimize"));
    std::rotate(fromTop.begin(), fromTop.begin() + fromTop.indexOf(minimize), fromTop.end());
    const int onPage = inPanel.size() + inMenu.size();
    QCOMPARE(fromTop.at(1), window.findChild<QWidget *>(QStringLiteral("buttonHide")));
    for (int k = 0; k < onPage; ++k)
        QVERIFY2(shown->isAncestorOf(fromTop.at(2 + k)), qPrintable(nameOf(fromTop.at(2 + k))));
    QCOMPARE(fromTop.at(2 + onPage), window.findChild<QWidget *>(QStringLiteral("buttonHome")));
    if (panel.isEmpty()) {
        verifyReadingOrder(walked);
    } else {
        verifyReadingOrder(inMenu);
        verifyReadingOrder(inPanel);
        // The panel's controls follow the list of panels.
        QVERIFY(walked.indexOf(inPanel.first()) > walked.indexOf(inMenu.last()));
    }

    if (page == QLatin1String("slotButtonHome")) {
        auto *home = window.page<PageHome>();
        // The page's own controls: at least its twelve months, the three
        // month steps, the export link and the grid.
        QVERIFY(inPanel.size() >= 17);
        QVERIFY(inPanel.contains(home->scrollArea()));
        home->scrollArea()->setFocus();
        QTest::keyClick(home->scrollArea(), Qt::Key_Return);
        QVERIFY(window.isVisible());
        QVERIFY(!window.isMinimized());
        QCOMPARE(window.currentPage(), home);
    }
}

int main(int argc, char *argv[])
{
    return runOnApplication<TestKeyboard>(argc, argv);
}

#include "test_keyboard.moc"
