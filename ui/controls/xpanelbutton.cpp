#include "xpanelbutton.h"

#include "ui/controls/hoverrule.h"
#include "ui/controls/keyrule.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

XPanelButton::XPanelButton(QWidget *parent)
    : QWidget(parent)
    , m_caption(new QLabel(this))
    , m_hoverStyle(QStringLiteral("background-color:#0bb5f2;"))
    , m_normalStyle(QStringLiteral("background-color:#3590b1;"))
{
    QFont font(QStringLiteral("Arial"), 9, QFont::Bold);
    m_caption->setFont(font);
    QPalette palette = m_caption->palette();
    palette.setColor(QPalette::Active, QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, Qt::white);
    m_caption->setPalette(palette);
    m_caption->setText(QStringLiteral("-"));
    m_caption->adjustSize();
    setFocusPolicy(Qt::StrongFocus);
    // The looks are only stored here: a variant sets its own and applies
    // its normal look. Replacing a style sheet before the widget is
    // polished would leave the first one painted.
}

void XPanelButton::setText(const QString &text)
{
    m_caption->setText(text);
    m_caption->adjustSize();
    centreCaption();
}

QString XPanelButton::text() const
{
    return m_caption->text();
}

void XPanelButton::setLookStyleSheets(const QString &hover, const QString &normal)
{
    m_hoverStyle = hover;
    m_normalStyle = normal;
}

void XPanelButton::applyHoverLook()
{
    if (styleSheet() != m_hoverStyle)
        setStyleSheet(m_hoverStyle);
    m_hovered = true;
    update();
}

void XPanelButton::applyNormalLook()
{
    if (styleSheet() != m_normalStyle)
        setStyleSheet(m_normalStyle);
    m_hovered = false;
    update();
}

void XPanelButton::enterEvent(QEvent *event)
{
    QWidget::enterEvent(event);
    applyHoverLook();
}

void XPanelButton::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    applyNormalLook();
}

void XPanelButton::mouseMoveEvent(QMouseEvent *event)
{
    QWidget::mouseMoveEvent(event);
    // The button keeps its presses, drags and releases: they must not
    // reach a draggable window behind it.
    event->accept();
    HoverRule::followPointer(this, event->pos());
}

void XPanelButton::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    event->accept();
    if (m_hovered)
        m_pressed = true;
}

void XPanelButton::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
    event->accept();
    const bool click = m_hovered && m_pressed;
    m_pressed = false;
    if (click)
        emit clicked();
}

void XPanelButton::keyPressEvent(QKeyEvent *event)
{
    if (!KeyRule::presses(event)) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    emit clicked();
}

void XPanelButton::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // A plain panel button, which no variant has coloured, shows its
    // normal look.
    if (styleSheet().isEmpty())
        applyNormalLook();
}

void XPanelButton::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    centreCaption();
}

void XPanelButton::paintEvent(QPaintEvent *event)
{
    Q_UNUSED(event)
    // Lets the style sheet's background colour show on a plain widget.
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
    painter.end();
    KeyRule::paintFocus(this, Qt::white);
}

void XPanelButton::centreCaption()
{
    m_caption->move(width() / 2 - m_caption->width() / 2, height() / 2 - m_caption->height() / 2);
}
