#include "xurllabel.h"

#include "ui/controls/hoverrule.h"
#include "ui/controls/keyrule.h"

#include <QDesktopServices>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QUrl>

XUrlLabel::XUrlLabel(QWidget *parent)
    : QLabel(parent)
    , m_normalPalette(palette())
    , m_normalFont(font())
    , m_hoverFont(QStringLiteral("Arial"), 10, QFont::Bold, false)
    , m_anchorX(pos().x())
    , m_anchorY(pos().y())
{
    m_hoverPalette.setBrush(QPalette::Active, QPalette::WindowText, QBrush(QColor(255, 255, 255, 255)));
    m_hoverPalette.setBrush(QPalette::Inactive, QPalette::WindowText, QBrush(QColor(255, 255, 255, 255)));
    setAlignment(Qt::AlignVCenter);
}

// QLabel gives a label that takes focus a whole text document, for the
// links a rich text may hold, when its text is set and when it is polished:
// some milliseconds and kilobytes for each of a page's links. A link's text
// is plain and its keys are handled here, so both happen while the label
// takes no focus; QLabel still builds the document if it is ever focused.
template<typename Step>
void XUrlLabel::withoutFocus(Step step)
{
    // A focus proxy takes each change of the policy as its own: leave it.
    const Qt::FocusPolicy policy = focusPolicy();
    if (policy == Qt::NoFocus || focusProxy()) {
        step();
        return;
    }
    setFocusPolicy(Qt::NoFocus);
    step();
    setFocusPolicy(policy);
}

void XUrlLabel::setText(const QString &text)
{
    withoutFocus([this, &text] { QLabel::setText(text); });
}

void XUrlLabel::setUrl(const QString &url)
{
    m_url = url;
    updateFocusPolicy();
}

void XUrlLabel::setTakesFocus(bool takes)
{
    m_takesFocus = takes;
    updateFocusPolicy();
}

void XUrlLabel::connectNotify(const QMetaMethod &signal)
{
    QLabel::connectNotify(signal);
    if (signal == QMetaMethod::fromSignal(&XUrlLabel::clicked))
        updateFocusPolicy();
}

void XUrlLabel::updateFocusPolicy()
{
    const bool acts = !m_url.isEmpty() || isSignalConnected(QMetaMethod::fromSignal(&XUrlLabel::clicked));
    // Tab reaches a link; a click on it leaves the focus where it was.
    setFocusPolicy(m_takesFocus && acts ? Qt::TabFocus : Qt::NoFocus);
}

void XUrlLabel::setAnchorPosition(int x, int y)
{
    m_anchorX = x;
    m_anchorY = y;
    move(x, y);
}

void XUrlLabel::setHoverEnabled(bool enabled)
{
    m_hoverEnabled = enabled;
}

void XUrlLabel::setNormalFont(const QFont &font)
{
    m_normalFont = font;
    setFont(font);
}

void XUrlLabel::setHoverFont(const QFont &font)
{
    m_hoverFont = font;
}

void XUrlLabel::setNormalPalette(const QPalette &palette)
{
    m_normalPalette = palette;
    setPalette(palette);
}

void XUrlLabel::setHoverPalette(const QPalette &palette)
{
    m_hoverPalette = palette;
}

void XUrlLabel::setAnchorAlignment(int alignment)
{
    m_anchorAlignment = alignment;
}

bool XUrlLabel::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Enter:
        applyHoverLook();
        return true;
    case QEvent::Leave:
        applyNormalLook();
        return true;
    case QEvent::Polish: {
        bool done = false;
        withoutFocus([this, event, &done] { done = QLabel::event(event); });
        return done;
    }
    default:
        return QLabel::event(event);
    }
}

void XUrlLabel::mouseMoveEvent(QMouseEvent *event)
{
    QLabel::mouseMoveEvent(event);
    HoverRule::followPointer(this, event->pos());
}

void XUrlLabel::mousePressEvent(QMouseEvent *event)
{
    QLabel::mousePressEvent(event);
    // A link is a control: its press does not start dragging the window.
    event->accept();
    activate();
}

void XUrlLabel::keyPressEvent(QKeyEvent *event)
{
    if (!KeyRule::presses(event)) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    activate();
}

void XUrlLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    KeyRule::paintFocus(this, palette().color(QPalette::WindowText));
}

void XUrlLabel::activate()
{
    if (m_url.isEmpty())
        emit clicked();
    else
        QDesktopServices::openUrl(QUrl(m_url, QUrl::TolerantMode));
}

void XUrlLabel::growToTallest()
{
    if (height() > m_maxHeight) {
        m_maxHeight = height();
        resize(width(), m_maxHeight);
    }
}

void XUrlLabel::applyHoverLook()
{
    if (m_hoverEnabled) {
        // The size of the normal look is what a right-anchored label keeps
        // its right edge by; take it now in case the text changed since the
        // normal look was last applied.
        if (!m_hovered) {
            m_normalWidth = width();
            m_normalHeight = height();
        }
        setPalette(m_hoverPalette);
        setFont(m_hoverFont);
        adjustSize();
        growToTallest();
        reposition(true);
    }
    m_hovered = true;
    update();
}

void XUrlLabel::applyNormalLook()
{
    if (m_hoverEnabled) {
        setPalette(m_normalPalette);
        setFont(m_normalFont);
        adjustSize();
        growToTallest();
        m_normalWidth = width();
        m_normalHeight = height();
        reposition(false);
    }
    m_hovered = false;
    update();
}

void XUrlLabel::reposition(bool hovered)
{
    if (m_anchorAlignment == int(Qt::AlignHCenter | Qt::AlignVCenter)) {
        if (parentWidget())
            move(parentWidget()->width() / 2 - width() / 2, y());
    } else if (m_anchorAlignment == Qt::AlignRight) {
        if (hovered)
            move(m_anchorX + m_normalWidth - width(), y());
        else
            move(m_anchorX, m_anchorY);
    }
}
