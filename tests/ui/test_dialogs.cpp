// The dialog frame, the three prompts and the splash screen: layout,
// results, dragging, centring and the splash's fade.

#include "app/appmain.h"
#include "support/privatehome.h"
#include "support/apptest.h"
#include "ui/controls/xgreenbutton.h"
#include "ui/controls/xpushbutton.h"
#include "ui/dialogs/dialogbase.h"
#include "ui/dialogs/promptexit.h"
#include "ui/dialogs/promptnodata.h"
#include "ui/dialogs/promptnolanguage.h"
#include "ui/dialogs/splashscreen.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const int NoResult = -1;

// Runs the dialog modally and, once it is up, does what the test asks. A
// dialog that the action fails to close ends with NoResult instead of
// hanging the test.
int execWith(QDialog &dialog, const std::function<void(QDialog &)> &action)
{
    QTimer::singleShot(0, &dialog, [&dialog, action] { action(dialog); });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &dialog, [&dialog] { dialog.done(NoResult); });
    guard.start(15000);
    return dialog.exec();
}

void clickPanel(XPanelButton *button)
{
    QVERIFY(button);
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(button, &enter);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}

void clickImage(XPushButton *button)
{
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(button, &enter);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}

// Presses at a point of the dialog, drags by offset and releases, all
// through the window so that the press lands on whatever lies there.
void dragWindow(QWidget *dialog, const QPoint &from, const QPoint &offset)
{
    QWindow *window = dialog->windowHandle();
    const QPoint before = dialog->pos();
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(window, from + offset);
    // Released where the pointer is on the screen; if the window followed
    // it, that is another spot of the window.
    const QPoint followed = dialog->pos() - before;
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, from + offset - followed);
}

QPoint desktopCentre()
{
    const QRect desktop = QGuiApplication::primaryScreen()->virtualGeometry();
    return desktop.topLeft() + QPoint(desktop.width() / 2, desktop.height() / 2);
}

void useLanguage(const QString &name)
{
    appConfig().language = name;
    appLanguage()->load(true);
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void frameLayoutFollowsSize();
    void promptFormsFollowTheirTables_data();
    void promptFormsFollowTheirTables();
    void promptTextsFollowLanguage();

    void exitPromptOnlyYesAccepts_data();
    void exitPromptOnlyYesAccepts();
    void singleButtonPromptsReject();

    void draggingByControlsDoesNotMove();
    void draggingByFreeSpotMoves();
    void centresOverVisibleParentElseDesktop();

    void splashFadesAndRestoresHiddenWindow();
    void splashRestoresVisibleWindowAndCloses();
    void splashReplacedMidFadeRestoresOpacity();
};

void TestDialogs::init()
{
    useLanguage(QStringLiteral("English"));
}

void TestDialogs::frameLayoutFollowsSize()
{
    DialogBase dialog;
    QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(dialog.windowTitle(), ApplicationInformation::shortName());
    QCOMPARE(dialog.titleLabel()->text(), ApplicationInformation::productName());
    QCOMPARE(dialog.closeButton()->toolTip(), QStringLiteral("Close"));
    QVERIFY(!dialog.closeButton()->size().isEmpty());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    for (const QSize &size : {QSize(400, 400), QSize(550, 450), QSize(300, 180)}) {
        dialog.resize(size);
        QCOMPARE(dialog.backgroundPanel()->geometry(), QRect(QPoint(0, 0), size));
        QCOMPARE(dialog.titleLabel()->pos(), QPoint(25, 15));
        XPushButton *close = dialog.closeButton();
        QCOMPARE(close->pos(), QPoint(size.width() - 15 - close->width(), 15));
        const auto top = dialog.findChild<QLabel *>(QStringLiteral("labelBorderTop"));
        const auto bottom = dialog.findChild<QLabel *>(QStringLiteral("labelBorderBottom"));
        const auto left = dialog.findChild<QLabel *>(QStringLiteral("labelBorderLeft"));
        const auto right = dialog.findChild<QLabel *>(QStringLiteral("labelBorderRight"));
        QVERIFY(top && bottom && left && right);
        QCOMPARE(top->geometry(), QRect(0, 0, size.width(), 1));
        QCOMPARE(bottom->geometry(), QRect(0, size.height() - 1, size.width(), 1));
        QCOMPARE(left->geometry(), QRect(0, 0, 1, size.height()));
        QCOMPARE(right->geometry(), QRect(size.width() - 1, 0, 1, size.height()));
    }
    // The frame is drawn on top of the content.
    const QImage image = dialog.grab().toImage();
    QCOMPARE(QColor(image.pixel(0, 50)), QColor(Qt::black));
    QCOMPARE(QColor(image.pixel(150, image.height() - 1)), QColor(Qt::black));
    QCOMPARE(QColor(image.pixel(150, 120)), QColor(59, 135, 163));
}

void TestDialogs::promptFormsFollowTheirTables_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("titleKey");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("textHeight");
    QTest::addColumn<QStringList>("buttons");
    QTest::newRow("exit") << "exit" << "Prompt.ExitApp" << 250 << 40
                          << QStringList{"buttonYes", "buttonCancel"};
    QTest::newRow("nodata") << "nodata" << "Prompt.NoData" << 350 << 70
                            << QStringList{"buttonClosePrompt"};
    QTest::newRow("nolanguage") << "nolanguage" << "Prompt.NoLanguage" << 350 << 50
                                << QStringList{"buttonClosePrompt"};
}

static std::unique_ptr<DialogBase> makePrompt(const QString &kind, QWidget *parent = nullptr)
{
    if (kind == QLatin1String("exit"))
        return std::make_unique<PromptExit>(*appLanguage(), parent);
    if (kind == QLatin1String("nodata"))
        return std::make_unique<PromptNoData>(*appLanguage(), parent);
    return std::make_unique<PromptNoLanguage>(*appLanguage(), parent);
}

void TestDialogs::promptFormsFollowTheirTables()
{
    QFETCH(QString, kind);
    QFETCH(QString, titleKey);
    QFETCH(int, width);
    QFETCH(int, textHeight);
    QFETCH(QStringList, buttons);

    std::unique_ptr<DialogBase> prompt = makePrompt(kind);
    prompt->show();
    QVERIFY(QTest::qWaitForWindowExposed(prompt.get()));
    QVERIFY(!appLanguage()->text(titleKey).isEmpty());
    QCOMPARE(prompt->titleLabel()->text(), appLanguage()->text(titleKey));

    auto *description = prompt->findChild<QLabel *>(QStringLiteral("labelDescription"));
    QVERIFY(description);
    QVERIFY(!description->text().isEmpty());
    QVERIFY(description->wordWrap());
    // The table's box, taller only when the wrapped text needs it.
    QCOMPARE(description->pos(), QPoint(25, 70));
    QCOMPARE(description->width(), width - 50);
    QCOMPARE(description->height(), qMax(textHeight, description->heightForWidth(width - 50)));

    const int buttonY = 70 + description->height() + 10;
    QList<XGreenButton *> found;
    for (const QString &name : buttons) {
        auto *button = prompt->findChild<XGreenButton *>(name);
        QVERIFY2(button, qPrintable(name));
        QVERIFY(!button->text().isEmpty());
        QCOMPARE(button->size(), QSize(100, 40));
        QCOMPARE(button->y(), buttonY);
        found << button;
    }
    if (found.size() == 1) {
        QCOMPARE(found.at(0)->x(), width / 2 - 50);
    } else {
        QCOMPARE(found.at(0)->x(), width / 2 - 103);
        QCOMPARE(found.at(1)->x(), width / 2 + 2);
        QVERIFY(found.at(0)->geometry().right() < found.at(1)->x());
    }
    QCOMPARE(prompt->size(), QSize(width, buttonY + 40 + 20));
    // The frame follows the final size.
    QCOMPARE(prompt->closeButton()->x(), width - 15 - prompt->closeButton()->width());
}

void TestDialogs::promptTextsFollowLanguage()
{
    PromptExit english(*appLanguage());
    auto *englishText = english.findChild<QLabel *>(QStringLiteral("labelDescription"));
    const QString englishTitle = english.titleLabel()->text();
    const QPoint englishButton = english.findChild<XGreenButton *>(QStringLiteral("buttonYes"))->pos();

    useLanguage(QStringLiteral("Bahasa Malaysia"));
    PromptExit malay(*appLanguage());
    QCOMPARE(malay.titleLabel()->text(), appLanguage()->text(QStringLiteral("Prompt.ExitApp")));
    QVERIFY(malay.titleLabel()->text() != englishTitle);
    auto *malayText = malay.findChild<QLabel *>(QStringLiteral("labelDescription"));
    QCOMPARE(malayText->text(), appLanguage()->text(QStringLiteral("ExitApp.Description")));
    QVERIFY(malayText->text() != englishText->text());
    // Each text wraps and is shown whole, the buttons 10 pixels below it.
    for (QLabel *text : {englishText, malayText}) {
        QVERIFY(text->wordWrap());
        QVERIFY(text->heightForWidth(text->width()) <= text->height());
        QVERIFY(text->height() >= 40);
    }
    QCOMPARE(englishButton.y(), englishText->geometry().bottom() + 1 + 10);
    QCOMPARE(malay.findChild<XGreenButton *>(QStringLiteral("buttonYes"))->y(),
             malayText->geometry().bottom() + 1 + 10);
    QCOMPARE(malay.findChild<XGreenButton *>(QStringLiteral("buttonCancel"))->text(),
             appLanguage()->text(QStringLiteral("ExitApp.BtnCancel")));
}

void TestDialogs::exitPromptOnlyYesAccepts_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("expected");
    QTest::newRow("yes") << "yes" << int(QDialog::Accepted);
    QTest::newRow("cancel") << "cancel" << int(QDialog::Rejected);
    QTest::newRow("close button") << "close" << int(QDialog::Rejected);
    QTest::newRow("escape") << "escape" << int(QDialog::Rejected);
}

void TestDialogs::exitPromptOnlyYesAccepts()
{
    QFETCH(QString, how);
    QFETCH(int, expected);

    QWidget window;
    window.show();
    PromptExit prompt(*appLanguage(), &window);
    const int result = execWith(prompt, [how](QDialog &dialog) {
        auto &exitPrompt = static_cast<PromptExit &>(dialog);
        if (how == QLatin1String("yes"))
            clickPanel(exitPrompt.findChild<XGreenButton *>(QStringLiteral("buttonYes")));
        else if (how == QLatin1String("cancel"))
            clickPanel(exitPrompt.findChild<XGreenButton *>(QStringLiteral("buttonCancel")));
        else if (how == QLatin1String("close"))
            clickImage(exitPrompt.closeButton());
        else
            QTest::keyClick(&exitPrompt, Qt::Key_Escape);
    });
    QCOMPARE(result, expected);
    QVERIFY(!prompt.isVisible());
}

void TestDialogs::singleButtonPromptsReject()
{
    for (const QString &kind : {QStringLiteral("nodata"), QStringLiteral("nolanguage")}) {
        std::unique_ptr<DialogBase> prompt = makePrompt(kind);
        const int result = execWith(*prompt, [](QDialog &dialog) {
            clickPanel(dialog.findChild<XGreenButton *>(QStringLiteral("buttonClosePrompt")));
        });
        QCOMPARE(result, int(QDialog::Rejected));

        const int closed = execWith(*prompt, [](QDialog &dialog) {
            clickImage(static_cast<DialogBase &>(dialog).closeButton());
        });
        QCOMPARE(closed, int(QDialog::Rejected));
    }
}

void TestDialogs::draggingByControlsDoesNotMove()
{
    PromptExit prompt(*appLanguage());
    prompt.show();
    QVERIFY(QTest::qWaitForWindowExposed(&prompt));
    const QPoint start = prompt.pos();
    QSignalSpy accepted(&prompt, &QDialog::accepted);
    QSignalSpy rejected(&prompt, &QDialog::rejected);

    auto *yes = prompt.findChild<XGreenButton *>(QStringLiteral("buttonYes"));
    dragWindow(&prompt, yes->geometry().center(), QPoint(60, 45));
    QCOMPARE(prompt.pos(), start);

    XPushButton *close = prompt.closeButton();
    dragWindow(&prompt, close->geometry().center(), QPoint(-70, 50));
    QCOMPARE(prompt.pos(), start);

    // Dragged off, neither button acted.
    QVERIFY(prompt.isVisible());
    QCOMPARE(accepted.count(), 0);
    QCOMPARE(rejected.count(), 0);
}

void TestDialogs::draggingByFreeSpotMoves()
{
    PromptNoData prompt(*appLanguage());
    prompt.show();
    QVERIFY(QTest::qWaitForWindowExposed(&prompt));

    // The plain background near the bottom left corner.
    QPoint start = prompt.pos();
    dragWindow(&prompt, QPoint(8, prompt.height() - 8), QPoint(40, 25));
    QCOMPARE(prompt.pos(), start + QPoint(40, 25));

    // The description text is not a control either.
    start = prompt.pos();
    auto *description = prompt.findChild<QLabel *>(QStringLiteral("labelDescription"));
    dragWindow(&prompt, description->geometry().center(), QPoint(-30, 12));
    QCOMPARE(prompt.pos(), start + QPoint(-30, 12));

    // Moves without a press do nothing.
    start = prompt.pos();
    QTest::mouseMove(prompt.windowHandle(), QPoint(20, 20));
    QTest::mouseMove(prompt.windowHandle(), QPoint(60, 40));
    QCOMPARE(prompt.pos(), start);
}

void TestDialogs::centresOverVisibleParentElseDesktop()
{
    QWidget parent;
    parent.setGeometry(150, 120, 640, 480);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));

    PromptExit overParent(*appLanguage(), &parent);
    const QPoint parentCentre = parent.mapToGlobal(QPoint(0, 0)) + QPoint(parent.width() / 2, parent.height() / 2);
    QCOMPARE(overParent.pos(), parentCentre - QPoint(overParent.width() / 2, overParent.height() / 2));

    parent.hide();
    PromptNoData overDesktop(*appLanguage(), &parent);
    QCOMPARE(overDesktop.pos(), desktopCentre() - QPoint(overDesktop.width() / 2, overDesktop.height() / 2));

    DialogBase orphan;
    orphan.resize(333, 211);
    orphan.centre();
    QCOMPARE(orphan.pos(), desktopCentre() - QPoint(333 / 2, 211 / 2));
}

void TestDialogs::splashFadesAndRestoresHiddenWindow()
{
    // The main window stays in the tray ("/minimized").
    QWidget mainWindow;
    mainWindow.setWindowOpacity(0.8);
    const qreal before = mainWindow.windowOpacity();

    QPointer<SplashScreen> splash = new SplashScreen(appMain()->uiContext(), &mainWindow);
    QVERIFY(splash->isWindow());
    QVERIFY(splash->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(splash->windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(splash->size(), QSize(385, 227));
    QCOMPARE(mainWindow.windowOpacity(), 0.0);
    QVERIFY(splash->windowOpacity() < 0.2);
    QVERIFY(splash->isFading());
    auto *version = splash->findChild<QLabel *>(QStringLiteral("labelVersion"));
    QVERIFY(version);
    QCOMPARE(version->text(), QStringLiteral("Version: ") + appDetails()->appVersion());
    auto *url = splash->findChild<QLabel *>(QStringLiteral("labelUrl"));
    QCOMPARE(url->text(), appDetails()->website());
    splash->show();

    // Ticked here, without the event loop: the window stays transparent
    // through the fade, which ends at full opacity at the sixth tick, not
    // beyond it.
    for (int tick = 1; tick < 6; ++tick) {
        splash->slotOpaqueTimer();
        QVERIFY(splash->isFading());
        QCOMPARE(mainWindow.windowOpacity(), 0.0);
    }
    splash->slotOpaqueTimer();
    QVERIFY(!splash->isFading());
    QCOMPARE(splash->fadeLevel(), 1.0f);
    QVERIFY(splash->windowOpacity() > 0.99);
    QCOMPARE(mainWindow.windowOpacity(), before);
    QVERIFY(!mainWindow.isVisible());
    QVERIFY(!splash->isVisible());
    // Closed, it goes, window and labels.
    QTRY_VERIFY(!splash);
}

void TestDialogs::splashRestoresVisibleWindowAndCloses()
{
    QWidget mainWindow;
    mainWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mainWindow));
    QCOMPARE(mainWindow.windowOpacity(), 1.0);

    appMain()->showSplash(&mainWindow);
    QPointer<QWidget> splash = appMain()->splash();
    QVERIFY(splash);
    QVERIFY(splash->isVisible());
    QCOMPARE(mainWindow.windowOpacity(), 0.0);
    // Closed once opaque, and gone: its window does not stay for the run.
    QTRY_VERIFY_WITH_TIMEOUT(!splash, 10000);
    QCOMPARE(mainWindow.windowOpacity(), 1.0);
    QVERIFY(mainWindow.isVisible());
    QVERIFY(!appMain()->splash());
}

void TestDialogs::splashReplacedMidFadeRestoresOpacity()
{
    QWidget mainWindow;
    mainWindow.setWindowOpacity(0.6);
    const qreal before = mainWindow.windowOpacity();

    // Deleted while fading: the window gets its opacity back at once.
    auto *first = new SplashScreen(appMain()->uiContext(), &mainWindow);
    QCOMPARE(mainWindow.windowOpacity(), 0.0);
    delete first;
    QCOMPARE(mainWindow.windowOpacity(), before);

    // A second request replaces the first splash; the window must not be
    // left transparent by the splash that saved the opacity of 0.
    appMain()->showSplash(&mainWindow);
    appMain()->showSplash(&mainWindow);
    QPointer<SplashScreen> last = qobject_cast<SplashScreen *>(appMain()->splash());
    QVERIFY(last);
    QTRY_VERIFY_WITH_TIMEOUT(!last, 10000);
    QCOMPARE(mainWindow.windowOpacity(), before);
}

int main(int argc, char *argv[])
{
    return runOnApplication<TestDialogs>(argc, argv);
}

#include "test_dialogs.moc"
