#include "dialogbase.h"

#include "core/applicationinformation.h"
#include "ui/controls/labelfactory.h"
#include "ui/controls/xpushbutton.h"
#include "ui/picturestore.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>

namespace {

QLabel *borderLine(QWidget *parent)
{
    auto *line = new QLabel(parent);
    LabelFactory::makeBar(line, Qt::black);
    return line;
}

} // namespace

DialogBase::DialogBase(QWidget *parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::CustomizeWindowHint)
{
    // The background first, so that everything added later lies above it.
    panelBackground = new QWidget(this);
    panelBackground->setObjectName(QStringLiteral("panelBackground"));
    labelTitle = new QLabel(this);
    labelTitle->setObjectName(QStringLiteral("labelTitle"));
    buttonClose = new XPushButton(this);
    buttonClose->setObjectName(QStringLiteral("buttonClose"));
    buttonClose->setText(QString());
    labelBorderTop = borderLine(this);
    labelBorderBottom = borderLine(this);
    labelBorderLeft = borderLine(this);
    labelBorderRight = borderLine(this);
    labelBorderTop->setObjectName(QStringLiteral("labelBorderTop"));
    labelBorderBottom->setObjectName(QStringLiteral("labelBorderBottom"));
    labelBorderLeft->setObjectName(QStringLiteral("labelBorderLeft"));
    labelBorderRight->setObjectName(QStringLiteral("labelBorderRight"));

    setWindowTitle(ApplicationInformation::shortName());
    setWindowIcon(QIcon(PictureStore::pixmap(nullptr, QStringLiteral(":/images/AppIcon.png"))));

    QPalette background = panelBackground->palette();
    background.setColor(QPalette::Window, QColor(59, 135, 163, 255));
    panelBackground->setPalette(background);
    panelBackground->setAutoFillBackground(true);

    resize(400, 400);
    panelBackground->move(0, 0);
    panelBackground->resize(size());

    labelTitle->setText(ApplicationInformation::productName());
    labelTitle->setFont(QFont(QStringLiteral("Arial"), 12, QFont::Bold));
    QPalette title = labelTitle->palette();
    title.setColor(QPalette::Active, QPalette::WindowText, Qt::black);
    title.setColor(QPalette::Inactive, QPalette::WindowText, Qt::black);
    labelTitle->setPalette(title);

    buttonClose->setToolTip(QStringLiteral("Close"));
    connect(buttonClose, &QAbstractButton::clicked, this, &QWidget::close);
    buttonClose->setImages({QStringLiteral(":/images/BtnHideNormal.png"),
                            QStringLiteral(":/images/BtnHideHover.png"),
                            QStringLiteral(":/images/BtnHidePressed.png"),
                            QStringLiteral(":/images/BtnHideNormal.png")});
    buttonClose->move(248, 14);
    buttonClose->raise();
}

void DialogBase::centre()
{
    QPoint middle;
    QWidget *parent = parentWidget();
    if (parent && parent->isVisible()) {
        middle = parent->mapToGlobal(QPoint(0, 0))
                + QPoint(parent->width() / 2, parent->height() / 2);
    } else if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect desktop = screen->virtualGeometry();
        middle = desktop.topLeft() + QPoint(desktop.width() / 2, desktop.height() / 2);
    } else {
        return;
    }
    move(middle.x() - width() / 2, middle.y() - height() / 2);
}

void DialogBase::mousePressEvent(QMouseEvent *event)
{
    QDialog::mousePressEvent(event);
    event->accept();
    // Controls take their own presses; what reaches here is a free spot.
    m_pressPosition = event->globalPos();
    m_windowPosition = event->globalPos() - event->pos();
    m_dragging = true;
}

void DialogBase::mouseMoveEvent(QMouseEvent *event)
{
    QDialog::mouseMoveEvent(event);
    if (m_dragging && (windowFlags() & Qt::FramelessWindowHint))
        move(m_windowPosition + (event->globalPos() - m_pressPosition));
}

void DialogBase::mouseReleaseEvent(QMouseEvent *event)
{
    QDialog::mouseReleaseEvent(event);
    m_dragging = false;
}

void DialogBase::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    panelBackground->resize(size());
    labelTitle->adjustSize();
    labelTitle->move(25, 15);
    buttonClose->move(width() - 15 - buttonClose->width(), 15);
    labelBorderTop->setGeometry(0, 0, width(), 1);
    labelBorderBottom->setGeometry(0, height() - 1, width(), 1);
    labelBorderLeft->setGeometry(0, 0, 1, height());
    labelBorderRight->setGeometry(width() - 1, 0, 1, height());
    labelBorderTop->raise();
    labelBorderBottom->raise();
    labelBorderLeft->raise();
    labelBorderRight->raise();
}
