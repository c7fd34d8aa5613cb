#include "splashscreen.h"
#include "ui/controls/labelfactory.h"
#include "ui/picturestore.h"

#include "core/applicationinformation.h"
#include "core/language.h"
#include "ui/main/systemutilities.h"

#include <QLabel>
#include <QPixmap>

namespace {

QLabel *blackLabel(QWidget *parent, const QFont &font)
{
    auto *label = new QLabel(parent);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    return label;
}

QLabel *borderLine(QWidget *parent)
{
    auto *line = new QLabel(parent);
    LabelFactory::makeBar(line, Qt::black);
    return line;
}

} // namespace

SplashScreen::SplashScreen(const UiContext &ctx, QWidget *mainWindow)
    : QWidget(mainWindow)
    , m_mainWindow(mainWindow)
    , m_ctx(ctx)
{
    setWindowFlags(Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint | Qt::Tool);
    setAttribute(Qt::WA_DeleteOnClose);

    QPalette background = palette();
    background.setColor(QPalette::Window, QColor(56, 133, 161));
    setPalette(background);
    setAutoFillBackground(true);
    resize(385, 227);
    SystemUtilities::centerOnDesktop(this);

    labelAppTitle = new QLabel(this);
    labelAppTitle->setObjectName(QStringLiteral("labelAppTitle"));
    const QPixmap title = PictureStore::pixmap(m_ctx.pictures, QStringLiteral(":/images/AppTitle.png"));
    labelAppTitle->setPixmap(title);
    labelAppTitle->resize(title.size());
    labelAppTitle->move(22, 20);

    labelBorderTop = borderLine(this);
    labelBorderBottom = borderLine(this);
    labelBorderLeft = borderLine(this);
    labelBorderRight = borderLine(this);
    labelBorderTop->setGeometry(0, 0, width(), 1);
    labelBorderBottom->setGeometry(0, height() - 1, width(), 1);
    labelBorderLeft->setGeometry(0, 0, 1, height());
    labelBorderRight->setGeometry(width() - 1, 0, 1, height());

    ApplicationInformation *details = m_ctx.details;
    labelVersion = blackLabel(this, QFont(QStringLiteral("Arial"), 11, QFont::Bold));
    labelVersion->setObjectName(QStringLiteral("labelVersion"));
    labelVersion->setText(m_ctx.language->text(QStringLiteral("About.Version")) + QLatin1Char(' ') + details->appVersion());
    labelVersion->adjustSize();
    labelVersion->move(80, 70);

    labelUrl = blackLabel(this, QFont(QStringLiteral("Arial"), 10));
    labelUrl->setObjectName(QStringLiteral("labelUrl"));
    labelUrl->setText(details->website());
    labelUrl->adjustSize();
    labelUrl->move(15, 196);

    // Only the splash is seen while it fades in.
    m_fadeLevel = 0.1f;
    setWindowOpacity(0.1);
    if (m_mainWindow) {
        m_mainWindowOpacity = m_mainWindow->windowOpacity();
        m_mainWindow->setWindowOpacity(0);
    }
    connect(&m_fadeTimer, &QTimer::timeout, this, &SplashScreen::slotOpaqueTimer);
    m_fadeTimer.start(70);
}

SplashScreen::~SplashScreen()
{
    // Deleted before the fade ended (a new splash replaces this one, or
    // the program ends): the main window must not stay invisible.
    if (m_fadeTimer.isActive())
        restoreMainWindow();
}

void SplashScreen::slotOpaqueTimer()
{
    // 0.1 + 6 x 0.15: full opacity at the sixth tick. The fade stops there
    // and the main window gets its opacity back at once, instead of both
    // waiting as many ticks again behind an already opaque splash.
    ++m_fadeTicks;
    m_fadeLevel = qMin(1.0f, 0.1f + 0.15f * m_fadeTicks);
    setWindowOpacity(m_fadeLevel);
    if (m_fadeTicks >= FadeTicks) {
        m_fadeLevel = 1.0f;
        m_fadeTimer.stop();
        restoreMainWindow();
        close();
    }
}

void SplashScreen::restoreMainWindow()
{
    if (m_mainWindow)
        m_mainWindow->setWindowOpacity(m_mainWindowOpacity);
}
