// The program's own controls: image button looks and clicks, link labels
// and their anchoring, the picture check box, panel buttons, the XML menu
// and the path label.

#include "resources/resourceregistry.h"
#include "core/locationnode.h"
#include "ui/controls/xbuttonmenu.h"
#include "ui/controls/xcheckbox.h"
#include "ui/controls/xgreenbutton.h"
#include "ui/controls/xpanelbutton.h"
#include "ui/controls/xpathlabel.h"
#include "ui/controls/xpushbutton.h"
#include "ui/controls/xurllabel.h"
#include "ui/picturestore.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QCursor>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QMutex>
#include <QPainter>
#include <QScopeGuard>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QUrl>

#include <memory>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const QStringList homePictures{QStringLiteral(":/images/BtnHomeNormal.png"),
                               QStringLiteral(":/images/BtnHomeHover.png"),
                               QStringLiteral(":/images/BtnHomePressed.png"),
                               QStringLiteral(":/images/BtnHomeNormal.png")};

QImage normalised(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// The picture a button shows now.
QImage shown(const XPushButton &button)
{
    return normalised(button.currentIcon().pixmap(button.iconSize()).toImage());
}

QImage picture(const QString &path)
{
    return normalised(QImage(path));
}

void sendCrossing(QWidget *widget, QEvent::Type type)
{
    QEvent event(type);
    QApplication::sendEvent(widget, &event);
}

// A widget without mouse tracking only sees moves while a button is held.
void sendMove(QWidget *widget, const QPoint &pos, Qt::MouseButtons buttons = Qt::NoButton)
{
    QMouseEvent event(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// Counts the enter and leave events a widget receives.
class CrossingCounter : public QObject
{
public:
    int enters = 0;
    int leaves = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Enter)
            ++enters;
        else if (event->type() == QEvent::Leave)
            ++leaves;
        return false;
    }
};

// Receives the URLs the desktop would have opened.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

LocationNode parse(const QString &xml)
{
    LocationNode root;
    if (!LocationNode::parse(xml, &root))
        qWarning("test XML does not parse");
    return root;
}

QMenu *subMenu(QMenu *menu, const QString &title)
{
    for (QAction *action : menu->actions()) {
        if (action->menu() && action->menu()->title() == title)
            return action->menu();
    }
    return nullptr;
}

QAction *entry(QMenu *menu, const QString &text)
{
    for (QAction *action : menu->actions()) {
        if (!action->menu() && action->text() == text)
            return action;
    }
    return nullptr;
}

} // namespace

class TestControls : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void picturesExistAtTheirSizes();
    void pictureStoreSharesItsPicturesWithTheCaller_data();
    void pictureStoreSharesItsPicturesWithTheCaller();

    void pushButtonTakesPictureSizeAndShowsNormal();
    void pushButtonMissingPicturesGiveZeroSize();
    void pushButtonLooksFollowPointerAndPress();
    void pushButtonPaintsOnlyItsPicture_data();
    void pushButtonPaintsOnlyItsPicture();
    void pushButtonMoveSendsOneCrossingPerEdge();
    void pushButtonLogicallyDisabled();
    void pushButtonSetEnabledFollowsCursor();
    void pushButtonCheckableTogglesOncePerClick();

    void urlLabelRightAnchorKeepsRightEdge();
    void urlLabelCentredStaysCentred();
    void urlLabelLeftAnchorAndHoverPalette();
    void urlLabelClickedOnlyWithoutUrl();

    void checkBoxBoxAndCaptionToggleAlike();
    void checkBoxPlacesCaption();

    void panelButtonClicksOnlyWhenPressedWhileHovered();
    void panelButtonSheetsAndCaption();

    void buttonMenuSkipsUnknownAndEmpty();
    void buttonMenuNestsFiveDeepAndCarriesText();

    void pathLabelClicksOnReleaseOverIt();
};

void TestControls::initTestCase()
{
    registerAlmarikResources();
    QVERIFY(!QPixmap(homePictures.at(0)).isNull());
}

void TestControls::picturesExistAtTheirSizes()
{
    const QStringList buttons{"Minimize", "Hide", "Home", "Calendar", "Zone", "Map",
                              "Update", "Config", "Facebook", "Help", "Email", "About"};
    QStringList names{"Background", "AppTitle", "AppIcon", "TrayIcon", "TrayIconWin7", "CheckOn",
                      "CheckOff", "AyatQuran", "OnlineSupport", "WhatsApp", "CompassRose", "QiblaNeedle"};
    for (const QString &button : buttons) {
        for (const QString &look : {QStringLiteral("Normal"), QStringLiteral("Hover"), QStringLiteral("Pressed")})
            names << QStringLiteral("Btn") + button + look;
    }
    for (const QString &name : names) {
        const QImage image(QStringLiteral(":/images/%1.png").arg(name));
        QVERIFY2(!image.isNull(), qPrintable(name));
    }

    // The Qibla needle turns over the compass rose about their shared centre.
    QCOMPARE(QImage(QStringLiteral(":/images/QiblaNeedle.png")).size(),
             QImage(QStringLiteral(":/images/CompassRose.png")).size());

    // The main window takes the background's size.
    QCOMPARE(QImage(QStringLiteral(":/images/Background.png")).size(), QSize(650, 574));
    // The three looks of a button share one size, and the bottom row of
    // ten, 6 pixels apart from x = 18, stays inside the window.
    int right = 18 - 6;
    for (const QString &button : buttons) {
        const QSize size = QImage(QStringLiteral(":/images/Btn%1Normal.png").arg(button)).size();
        QCOMPARE(QImage(QStringLiteral(":/images/Btn%1Hover.png").arg(button)).size(), size);
        QCOMPARE(QImage(QStringLiteral(":/images/Btn%1Pressed.png").arg(button)).size(), size);
        if (button != QLatin1String("Minimize") && button != QLatin1String("Hide"))
            right += 6 + size.width();
    }
    QVERIFY(right <= 650 - 18);
    // The hide picture is also the dialogs' close button, placed at
    // x = width - 15 - its width in a 250-pixel prompt beside the title.
    QVERIFY(QImage(QStringLiteral(":/images/BtnHideNormal.png")).width() <= 40);
}

#ifdef Q_OS_UNIX
namespace {

// Writes bytes into the named pipe at path once a reader has opened it;
// false when none did within the time. A pipe lets the test see that a
// picture is being read, and by whom: the reader blocks until written to.
bool writeOnceRead(const QString &path, const QByteArray &bytes, int ms)
{
    QElapsedTimer timer;
    timer.start();
    const QByteArray name = QFile::encodeName(path);
    int fd = -1;
    while ((fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK)) < 0 && timer.elapsed() < ms)
        QThread::msleep(5);
    if (fd < 0)
        return false;
    ::fcntl(fd, F_SETFL, 0);
    const bool written = ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
    ::close(fd);
    return written;
}

// Lets a reader still blocked on the pipe go (it reads nothing), and
// keeps later ones from blocking, so a failed test cannot hang.
void releasePipe(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_RDWR | O_NONBLOCK);
    ::unlink(name.constData());
    if (fd >= 0)
        ::close(fd);
}

} // namespace
#endif

// The start's worker warms up first, then decodes its pictures from the
// last one back, and only once the application object exists. Meanwhile a
// caller decodes what the worker has not begun: while it waits for the
// warm-up (all but the last picture), or when it asks for a picture.
void TestControls::pictureStoreSharesItsPicturesWithTheCaller_data()
{
    QTest::addColumn<QString>("caller");
    QTest::newRow("waiting for the warm-up") << QStringLiteral("wait");
    QTest::newRow("asking for the first picture") << QStringLiteral("ask");
    QTest::newRow("none: the worker, once the application exists") << QString();
}

void TestControls::pictureStoreSharesItsPicturesWithTheCaller()
{
#ifndef Q_OS_UNIX
    QSKIP("needs named pipes");
#else
    QFETCH(QString, caller);
    QTemporaryDir dir;
    QImage image(12, 7, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    QVERIFY(buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "PNG"));
    const QString first = dir.filePath(QStringLiteral("First.png"));
    const QString last = dir.filePath(QStringLiteral("Last.png"));
    for (const QString &pipe : {first, last})
        QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0600) == 0);

    QSemaphore warming;
    QSemaphore warmUpMayEnd;
    PictureStore store;
    store.preload({first, last}, [&] {
        warming.release();
        warmUpMayEnd.tryAcquire(1, 60000);
    });
    QVERIFY(warming.tryAcquire(1, 10000));

    QSize taken;
    std::unique_ptr<QThread> thread(QThread::create([&] {
        if (caller == QLatin1String("wait"))
            store.waitForWarmUp();
        taken = store.pixmap(first).size();
    }));
    // A failed check leaves no thread blocked on a pipe.
    auto cleanup = qScopeGuard([&] {
        warmUpMayEnd.release(10);
        releasePipe(first);
        releasePipe(last);
        thread->wait();
    });
    if (!caller.isEmpty()) {
        thread->start();
        // Read while the worker is still warming up: by the caller.
        QVERIFY2(writeOnceRead(first, png, 10000), "the caller did not decode the first picture");
        QVERIFY2(!writeOnceRead(last, png, 300), "the caller took the worker's picture");
        warmUpMayEnd.release();
        QVERIFY2(writeOnceRead(last, png, 10000), "the worker did not decode the last picture");
        QVERIFY2(!writeOnceRead(first, png, 300), "the worker decoded the caller's picture again");
    } else {
        warmUpMayEnd.release();
        QVERIFY2(!writeOnceRead(last, png, 300), "the pictures did not wait for the application object");
        store.applicationCreated();
        QVERIFY2(writeOnceRead(last, png, 10000), "the worker did not begin with the last picture");
        QVERIFY2(writeOnceRead(first, png, 10000), "the worker did not decode the first picture");
        thread->start();
    }
    QVERIFY(thread->wait(10000));
    QCOMPARE(taken, QSize(12, 7));
    QCOMPARE(store.pixmap(last).size(), QSize(12, 7));
#endif
}

void TestControls::pushButtonTakesPictureSizeAndShowsNormal()
{
    XPushButton button;
    button.setImages(homePictures);
    const QSize expected = QPixmap(homePictures.at(0)).size();
    QCOMPARE(button.size(), expected);
    QCOMPARE(button.iconSize(), expected);
    QCOMPARE(button.look(), int(XPushButton::LookNormal));
    QCOMPARE(shown(button), picture(homePictures.at(0)));

    // Pictures set on a logically disabled button show the disabled one.
    XPushButton disabled;
    disabled.setLogicallyEnabled(false);
    disabled.setImages({homePictures.at(0), homePictures.at(1), homePictures.at(2),
                        QStringLiteral(":/images/BtnHomePressed.png")});
    QCOMPARE(disabled.look(), int(XPushButton::LookDisabled));
    QCOMPARE(shown(disabled), picture(QStringLiteral(":/images/BtnHomePressed.png")));
}

void TestControls::pushButtonMissingPicturesGiveZeroSize()
{
    XPushButton button;
    button.setImages({QStringLiteral(":/images/NoSuch.png"), QStringLiteral(":/images/NoSuch.png"),
                      QStringLiteral("/nonexistent/x.png"), QStringLiteral("")});
    QCOMPARE(button.size(), QSize(0, 0));
    QVERIFY(button.currentIcon().pixmap(QSize(16, 16)).isNull());
    // The looks still change without anything to show.
    sendCrossing(&button, QEvent::Enter);
    QCOMPARE(button.look(), int(XPushButton::LookHover));
    sendCrossing(&button, QEvent::Leave);
    QCOMPARE(button.look(), int(XPushButton::LookNormal));

    // Fewer than four paths: the given ones still count.
    XPushButton partial;
    partial.setImages({homePictures.at(0)});
    QCOMPARE(partial.size(), QPixmap(homePictures.at(0)).size());
}

void TestControls::pushButtonLooksFollowPointerAndPress()
{
    QWidget window;
    auto *button = new XPushButton(&window);
    button->setImages(homePictures);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicks(button, &QAbstractButton::clicked);

    sendCrossing(button, QEvent::Enter);
    QCOMPARE(button->look(), int(XPushButton::LookHover));
    QCOMPARE(shown(*button), picture(homePictures.at(1)));

    const QPoint centre = button->rect().center();
    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, centre);
    QCOMPARE(button->look(), int(XPushButton::LookPressed));
    QCOMPARE(shown(*button), picture(homePictures.at(2)));
    QCOMPARE(clicks.count(), 0);

    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, centre);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(button->look(), int(XPushButton::LookHover));

    sendCrossing(button, QEvent::Leave);
    QCOMPARE(button->look(), int(XPushButton::LookNormal));
    QCOMPARE(shown(*button), picture(homePictures.at(0)));

    // Pressing without the pointer having entered does not show the
    // pressed picture; leaving during a press ends it without a click.
    sendCrossing(button, QEvent::Enter);
    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, centre);
    sendCrossing(button, QEvent::Leave);
    QCOMPARE(button->look(), int(XPushButton::LookNormal));
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(-20, -20));
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(button->look(), int(XPushButton::LookNormal));
}

void TestControls::pushButtonPaintsOnlyItsPicture_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<int>("picture");
    QTest::newRow("normal") << "normal" << 0;
    QTest::newRow("under the pointer") << "hover" << 1;
    QTest::newRow("pressed") << "pressed" << 2;
    QTest::newRow("focused") << "focused" << 0;
}

// What the button paints is its picture and nothing else: no panel or
// bevel from the style (which draws one under a pressed button), only the
// focus frame along the edge of a focused one.
void TestControls::pushButtonPaintsOnlyItsPicture()
{
    QFETCH(QString, state);
    QFETCH(int, picture);
    QWidget window;
    auto *button = new XPushButton(&window);
    button->setImages(homePictures);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    if (state != QLatin1String("normal") && state != QLatin1String("focused"))
        sendCrossing(button, QEvent::Enter);
    if (state == QLatin1String("pressed"))
        QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
    if (state == QLatin1String("focused")) {
        window.activateWindow();
        button->setFocus(Qt::TabFocusReason);
        QVERIFY(button->hasFocus());
    } else {
        // The window may have given its only button the focus.
        button->clearFocus();
    }
    QImage painted = normalised(button->grab().toImage());
    // The picture over the window's background, which shows through it.
    const QImage source = ::picture(homePictures.at(picture));
    QImage expected(source.size(), QImage::Format_ARGB32_Premultiplied);
    expected.fill(window.palette().color(QPalette::Window));
    QPainter(&expected).drawImage(0, 0, source);
    QCOMPARE(painted.size(), expected.size());
    if (state == QLatin1String("focused")) {
        // The frame is drawn on the outermost pixels; inside them the
        // picture is untouched.
        const QRect inside = expected.rect().adjusted(1, 1, -1, -1);
        QVERIFY(painted != expected);
        painted = painted.copy(inside);
        expected = expected.copy(inside);
    }
    QCOMPARE(painted, expected);
    if (state == QLatin1String("pressed"))
        QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}

void TestControls::pushButtonMoveSendsOneCrossingPerEdge()
{
    XPushButton button;
    button.setImages(homePictures);
    CrossingCounter counter;
    button.installEventFilter(&counter);

    sendMove(&button, QPoint(5, 5));
    QCOMPARE(counter.enters, 1);
    QCOMPARE(button.look(), int(XPushButton::LookHover));
    sendMove(&button, QPoint(6, 7));
    sendMove(&button, QPoint(button.width(), button.height())); // far edge counts inside
    QCOMPARE(counter.enters, 1);
    QCOMPARE(counter.leaves, 0);

    sendMove(&button, QPoint(0, 5)); // the left pixel column counts outside
    QCOMPARE(counter.leaves, 1);
    QCOMPARE(button.look(), int(XPushButton::LookNormal));
    sendMove(&button, QPoint(5, 0));
    sendMove(&button, QPoint(-3, -3));
    QCOMPARE(counter.leaves, 1);

    sendMove(&button, QPoint(3, 3));
    QCOMPARE(counter.enters, 2);
}

void TestControls::pushButtonLogicallyDisabled()
{
    QWidget window;
    auto *button = new XPushButton(&window);
    const QString disabledPicture = QStringLiteral(":/images/BtnHomePressed.png");
    button->setImages({homePictures.at(0), homePictures.at(1), homePictures.at(2), disabledPicture});
    button->setToolTip(QStringLiteral("Home"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy clicks(button, &QAbstractButton::clicked);

    button->setLogicallyEnabled(false);
    QVERIFY(!button->isLogicallyEnabled());
    QVERIFY(button->isEnabled()); // still enabled for Qt: the tool tip works

    sendCrossing(button, QEvent::Enter);
    QCOMPARE(shown(*button), picture(disabledPicture));
    const QPoint centre = button->rect().center();
    QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, centre);
    QCOMPARE(clicks.count(), 0);
    QVERIFY(!button->isDown());
    QCOMPARE(shown(*button), picture(disabledPicture));
    sendCrossing(button, QEvent::Leave);
    QCOMPARE(shown(*button), picture(disabledPicture));

    // Enabled again, it clicks.
    button->setLogicallyEnabled(true);
    sendCrossing(button, QEvent::Enter);
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, centre);
    QCOMPARE(clicks.count(), 1);
}

void TestControls::pushButtonSetEnabledFollowsCursor()
{
    QWidget window;
    window.resize(300, 200);
    auto *button = new XPushButton(&window);
    button->setImages(homePictures);
    button->move(50, 40);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QPoint over = button->mapToGlobal(button->rect().center());
    QCursor::setPos(over);
    if (QCursor::pos() != over)
        QSKIP("this platform cannot place the cursor");
    button->setLogicallyEnabled(false);
    QCOMPARE(button->look(), int(XPushButton::LookHover)); // the disabled picture
    button->setLogicallyEnabled(true);
    QCOMPARE(button->look(), int(XPushButton::LookHover));
    QCOMPARE(shown(*button), picture(homePictures.at(1)));

    QCursor::setPos(window.mapToGlobal(QPoint(5, 5)));
    button->setLogicallyEnabled(true);
    QCOMPARE(button->look(), int(XPushButton::LookNormal));
    QCOMPARE(shown(*button), picture(homePictures.at(0)));
}

void TestControls::pushButtonCheckableTogglesOncePerClick()
{
    XPushButton button;
    button.setImages(homePictures);
    button.setCheckable(true);
    QSignalSpy clicks(&button, &QAbstractButton::clicked);
    const QPoint centre = button.rect().center();

    sendCrossing(&button, QEvent::Enter);
    QTest::mouseClick(&button, Qt::LeftButton, Qt::NoModifier, centre);
    QVERIFY(button.isChecked());
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(clicks.at(0).at(0).toBool(), true);
    QCOMPARE(button.look(), int(XPushButton::LookPressed));
    // Latched: the pointer leaving does not take the pressed picture away.
    sendCrossing(&button, QEvent::Leave);
    QCOMPARE(button.look(), int(XPushButton::LookPressed));

    sendCrossing(&button, QEvent::Enter);
    QTest::mouseClick(&button, Qt::LeftButton, Qt::NoModifier, centre);
    QVERIFY(!button.isChecked());
    QCOMPARE(clicks.count(), 2);
    QCOMPARE(clicks.at(1).at(0).toBool(), false);
    QCOMPARE(button.look(), int(XPushButton::LookHover));

    button.setChecked(true);
    QCOMPARE(button.look(), int(XPushButton::LookPressed));
    button.setChecked(false);
    QCOMPARE(button.look(), int(XPushButton::LookNormal));
}

void TestControls::urlLabelRightAnchorKeepsRightEdge()
{
    QWidget parent;
    parent.resize(400, 100);
    auto *label = new XUrlLabel(&parent);
    label->setNormalFont(QFont(QStringLiteral("Arial"), 9));
    label->setHoverFont(QFont(QStringLiteral("Arial"), 13, QFont::Bold));
    label->setText(QStringLiteral("Previous month"));
    label->setAnchorAlignment(Qt::AlignRight);
    label->setAnchorPosition(200, 10);
    label->applyNormalLook();
    const int rightEdge = label->x() + label->width();
    const int normalWidth = label->width();

    sendCrossing(label, QEvent::Enter);
    QVERIFY(label->isHovered());
    QVERIFY(label->width() > normalWidth);
    QCOMPARE(label->x() + label->width(), rightEdge);
    QCOMPARE(label->y(), 10);

    sendCrossing(label, QEvent::Leave);
    QCOMPARE(label->pos(), QPoint(200, 10));
    QCOMPARE(label->width(), normalWidth);

    // A text changed after the last normal look still keeps the edge the
    // label has now.
    label->setText(QStringLiteral("Previous month and more"));
    label->adjustSize();
    const int newRightEdge = label->x() + label->width();
    sendCrossing(label, QEvent::Enter);
    QCOMPARE(label->x() + label->width(), newRightEdge);
    // Moving the pointer about inside keeps it there.
    sendMove(label, QPoint(3, 3));
    QCOMPARE(label->x() + label->width(), newRightEdge);
}

void TestControls::urlLabelCentredStaysCentred()
{
    QWidget parent;
    parent.resize(401, 100);
    auto *label = new XUrlLabel(&parent);
    label->setNormalFont(QFont(QStringLiteral("Arial"), 9));
    label->setHoverFont(QFont(QStringLiteral("Arial"), 14, QFont::Bold));
    label->setText(QStringLiteral("Now"));
    label->setAnchorAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    label->setAnchorPosition(0, 30);
    label->applyNormalLook();
    auto centreOffset = [&] { return qAbs((label->x() + label->width() / 2.0) - parent.width() / 2.0); };
    QVERIFY(centreOffset() <= 1.0);
    QCOMPARE(label->y(), 30);

    const int normalWidth = label->width();
    sendCrossing(label, QEvent::Enter);
    QVERIFY(label->width() > normalWidth);
    QVERIFY(centreOffset() <= 1.0);
    QCOMPARE(label->y(), 30);
    sendCrossing(label, QEvent::Leave);
    QVERIFY(centreOffset() <= 1.0);
}

void TestControls::urlLabelLeftAnchorAndHoverPalette()
{
    QWidget parent;
    parent.resize(300, 100);
    auto *label = new XUrlLabel(&parent);
    QPalette normal = label->palette();
    normal.setColor(QPalette::WindowText, QColor(247, 255, 37));
    label->setNormalPalette(normal);
    label->setText(QStringLiteral("January"));
    label->setAnchorPosition(20, 15);
    label->applyNormalLook();
    const QFont normalFont = label->font();

    sendCrossing(label, QEvent::Enter);
    QCOMPARE(label->pos(), QPoint(20, 15));
    QCOMPARE(label->palette().color(QPalette::Active, QPalette::WindowText), QColor(Qt::white));
    QVERIFY(label->font().bold());

    // A drag outside while hovered falls back to the normal look.
    sendMove(label, QPoint(label->width() + 5, 2), Qt::LeftButton);
    QVERIFY(!label->isHovered());
    QCOMPARE(label->palette().color(QPalette::Active, QPalette::WindowText), QColor(247, 255, 37));
    QCOMPARE(label->font(), normalFont);

    // Without the hover effect only the hovered flag changes.
    label->setHoverEnabled(false);
    sendCrossing(label, QEvent::Enter);
    QVERIFY(label->isHovered());
    QCOMPARE(label->font(), normalFont);
    QCOMPARE(label->palette().color(QPalette::Active, QPalette::WindowText), QColor(247, 255, 37));
}

void TestControls::urlLabelClickedOnlyWithoutUrl()
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("almariktest"), &catcher, "open");

    XUrlLabel withUrl;
    withUrl.setText(QStringLiteral("map"));
    withUrl.setUrl(QStringLiteral("almariktest://maps/?q=3.1,101.6"));
    QSignalSpy urlClicks(&withUrl, &XUrlLabel::clicked);
    QTest::mouseClick(&withUrl, Qt::LeftButton);
    QCOMPARE(urlClicks.count(), 0);
    QCOMPARE(catcher.urls.size(), 1);
    QCOMPARE(catcher.urls.at(0).host(), QStringLiteral("maps"));

    XUrlLabel plain;
    plain.setText(QStringLiteral("February"));
    QSignalSpy plainClicks(&plain, &XUrlLabel::clicked);
    QTest::mouseClick(&plain, Qt::LeftButton);
    QCOMPARE(plainClicks.count(), 1);
    QCOMPARE(catcher.urls.size(), 1);

    QDesktopServices::unsetUrlHandler(QStringLiteral("almariktest"));
}

void TestControls::checkBoxBoxAndCaptionToggleAlike()
{
    QWidget form;
    auto *caption = new XUrlLabel(&form);
    caption->setText(QStringLiteral("Start with the system"));
    auto *box = new XCheckBox(caption, &form);
    QVERIFY(!caption->isHoverEnabled());
    QVERIFY(!box->isChecked());
    QCOMPARE(box->size(), QPixmap(QStringLiteral(":/images/CheckOff.png")).size());
    QSignalSpy states(box, &XCheckBox::stateChanged);

    QTest::mouseClick(caption, Qt::LeftButton);
    QCOMPARE(states.count(), 1);
    QCOMPARE(states.at(0).at(0).toInt(), 1);
    QVERIFY(box->isChecked());
    QCOMPARE(normalised(box->pixmap(Qt::ReturnByValue).toImage()),
             picture(QStringLiteral(":/images/CheckOn.png")));

    QTest::mouseClick(box, Qt::LeftButton);
    QCOMPARE(states.count(), 2);
    QCOMPARE(states.at(1).at(0).toInt(), 0);
    QCOMPARE(normalised(box->pixmap(Qt::ReturnByValue).toImage()),
             picture(QStringLiteral(":/images/CheckOff.png")));

    box->setChecked(true);
    QVERIFY(box->isChecked());
    QCOMPARE(states.count(), 2);
    QCOMPARE(normalised(box->pixmap(Qt::ReturnByValue).toImage()),
             picture(QStringLiteral(":/images/CheckOn.png")));
}

void TestControls::checkBoxPlacesCaption()
{
    QWidget form;
    auto *caption = new XUrlLabel(&form);
    caption->setText(QStringLiteral("Ask before exit"));
    caption->resize(120, 31);
    auto *box = new XCheckBox(caption, &form);
    box->placeAt(30, 50);
    QCOMPARE(box->pos(), QPoint(30, 50));
    QCOMPARE(caption->x(), 30 + box->width() + 5);
    QCOMPARE(caption->y(), 50 + box->height() / 2 - caption->height() / 2);
    QCOMPARE(caption->anchorPosition(), caption->pos());

    // Without a caption the box still places itself.
    XCheckBox lone(nullptr, &form);
    lone.placeAt(7, 8);
    QCOMPARE(lone.pos(), QPoint(7, 8));
    QTest::mouseClick(&lone, Qt::LeftButton);
    QVERIFY(lone.isChecked());
}

void TestControls::panelButtonClicksOnlyWhenPressedWhileHovered()
{
    XGreenButton button;
    button.resize(100, 40);
    QSignalSpy clicks(&button, &XPanelButton::clicked);
    const QPoint centre(50, 20);

    // Not hovered: nothing.
    QTest::mouseClick(&button, Qt::LeftButton, Qt::NoModifier, centre);
    QCOMPARE(clicks.count(), 0);

    sendCrossing(&button, QEvent::Enter);
    QCOMPARE(button.styleSheet(), button.hoverStyleSheet());
    QTest::mouseClick(&button, Qt::LeftButton, Qt::NoModifier, centre);
    QCOMPARE(clicks.count(), 1);

    // Dragged out while pressed: the move clears the hover, no click.
    QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, centre);
    sendMove(&button, QPoint(150, 20), Qt::LeftButton);
    QVERIFY(!button.isHovered());
    QCOMPARE(button.styleSheet(), button.normalStyleSheet());
    QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(150, 20));
    QCOMPARE(clicks.count(), 1);

    // A press from before does not carry over to a later release.
    sendCrossing(&button, QEvent::Enter);
    QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, centre);
    QCOMPARE(clicks.count(), 1);

    sendCrossing(&button, QEvent::Leave);
    QCOMPARE(button.styleSheet(), button.normalStyleSheet());
}

void TestControls::panelButtonSheetsAndCaption()
{
    XGreenButton green;
    QCOMPARE(green.normalStyleSheet(), QStringLiteral("background-color:#30b841;"));
    QCOMPARE(green.hoverStyleSheet(), QStringLiteral("background-color:#41cd52;"));
    QCOMPARE(green.styleSheet(), green.normalStyleSheet());
    QCOMPARE(XGreenButton::backgroundSheet(QColor(1, 10, 255)),
             QStringLiteral("background-color:#010aff;"));

    // What shows on the screen is the colour of the look.
    green.resize(60, 30);
    green.show();
    QVERIFY(QTest::qWaitForWindowExposed(&green));
    QCOMPARE(QColor(green.grab().toImage().pixel(3, 3)), QColor(48, 184, 65));
    sendCrossing(&green, QEvent::Enter);
    QCOMPARE(QColor(green.grab().toImage().pixel(3, 3)), QColor(65, 205, 82));
    sendCrossing(&green, QEvent::Leave);
    QCOMPARE(QColor(green.grab().toImage().pixel(3, 3)), QColor(48, 184, 65));

    XPanelButton blue;
    QCOMPARE(blue.normalStyleSheet(), QStringLiteral("background-color:#3590b1;"));
    QCOMPARE(blue.hoverStyleSheet(), QStringLiteral("background-color:#0bb5f2;"));
    QCOMPARE(blue.text(), QStringLiteral("-"));
    blue.resize(60, 30);
    blue.show();
    QVERIFY(QTest::qWaitForWindowExposed(&blue));
    QCOMPARE(blue.styleSheet(), blue.normalStyleSheet());
    QCOMPARE(QColor(blue.grab().toImage().pixel(3, 3)), QColor(0x35, 0x90, 0xb1));

    green.resize(161, 41);
    green.setText(QStringLiteral("Update Now"));
    QLabel *caption = green.captionLabel();
    QCOMPARE(caption->text(), QStringLiteral("Update Now"));
    QCOMPARE(caption->x(), green.width() / 2 - caption->width() / 2);
    QCOMPARE(caption->y(), green.height() / 2 - caption->height() / 2);
    green.resize(300, 80);
    QCOMPARE(caption->x(), 300 / 2 - caption->width() / 2);
    QCOMPARE(caption->y(), 80 / 2 - caption->height() / 2);
    QCOMPARE(caption->palette().color(QPalette::Active, QPalette::WindowText), QColor(Qt::white));
}

void TestControls::buttonMenuSkipsUnknownAndEmpty()
{
    QWidget owner;
    XButtonMenu empty(&owner);
    empty.load(parse(QStringLiteral("<zones/>")));
    QVERIFY(empty.actions().isEmpty());
    empty.load(LocationNode());
    QVERIFY(empty.actions().isEmpty());

    XButtonMenu menu(&owner);
    menu.load(parse(QStringLiteral(
        "<zones><note>skip</note><item>Gombak</item><Item>Wrong case</Item>"
        "<list><item>Inside an unknown tag</item></list>"
        "<group><item>Petaling</item></group><GROUP label='x'><item>No</item></GROUP></zones>")));
    const QList<QAction *> actions = menu.actions();
    QCOMPARE(actions.size(), 2);
    QCOMPARE(actions.at(0)->text(), QStringLiteral("Gombak"));
    QVERIFY(actions.at(1)->menu());
    QCOMPARE(actions.at(1)->menu()->title(), QString()); // a group without a label
    QCOMPARE(actions.at(1)->menu()->actions().size(), 1);
    // Entries belong to the menu's owner window.
    QCOMPARE(actions.at(0)->parent(), &owner);
}

void TestControls::buttonMenuNestsFiveDeepAndCarriesText()
{
    XButtonMenu menu;
    menu.load(parse(QStringLiteral(
        "<zones>"
        "<group label='Selangor'><item>Gombak</item>"
        " <group label='L2'><group label='L3'><group label='L4'>"
        "  <group label='L5'><item>Kuala Lumpur</item><item>Putrajaya</item></group>"
        "  <item>Level four</item></group></group></group>"
        "</group>"
        "<item>Johor Bahru</item>"
        "</zones>")));
    QSignalSpy items(&menu, &XButtonMenu::itemTriggered);

    QMenu *level = &menu;
    for (const QString &title : {QStringLiteral("Selangor"), QStringLiteral("L2"), QStringLiteral("L3"),
                                 QStringLiteral("L4"), QStringLiteral("L5")}) {
        level = subMenu(level, title);
        QVERIFY2(level, qPrintable(title));
    }
    QCOMPARE(level->actions().size(), 2);
    QAction *deep = entry(level, QStringLiteral("Putrajaya"));
    QVERIFY(deep);
    deep->trigger();
    QCOMPARE(items.count(), 1);
    QCOMPARE(items.at(0).at(0).toString(), QStringLiteral("Putrajaya"));

    QAction *top = entry(&menu, QStringLiteral("Johor Bahru"));
    QVERIFY(top);
    top->trigger();
    QCOMPARE(items.count(), 2);
    QCOMPARE(items.at(1).at(0).toString(), QStringLiteral("Johor Bahru"));

    QAction *fourth = entry(subMenu(subMenu(subMenu(subMenu(&menu, QStringLiteral("Selangor")),
                                                    QStringLiteral("L2")), QStringLiteral("L3")),
                                    QStringLiteral("L4")),
                            QStringLiteral("Level four"));
    QVERIFY(fourth);
    fourth->trigger();
    QCOMPARE(items.at(2).at(0).toString(), QStringLiteral("Level four"));
    QCOMPARE(items.count(), 3);
}

void TestControls::pathLabelClicksOnReleaseOverIt()
{
    XPathLabel label;
    label.setText(QStringLiteral("/home/user/azan.mp3"));
    label.adjustSize();
    QSignalSpy clicks(&label, &XPathLabel::clicked);
    QTest::mouseClick(&label, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    QCOMPARE(clicks.count(), 1);
    QTest::mousePress(&label, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    QCOMPARE(clicks.count(), 1);
    QTest::mouseRelease(&label, Qt::LeftButton, Qt::NoModifier, QPoint(label.width() + 40, 2));
    QCOMPARE(clicks.count(), 1);
}

QTEST_MAIN(TestControls)
#include "test_controls.moc"
