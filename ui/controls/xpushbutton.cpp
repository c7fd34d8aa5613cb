#include "xpushbutton.h"

#include "ui/controls/hoverrule.h"
#include "ui/picturestore.h"

#include <QBitmap>
#include <QCoreApplication>
#include <QCursor>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QWindow>

XPushButton::XPushButton(QWidget *parent)
    : QPushButton(parent)
    , m_captionFont(QStringLiteral("Arial"))
    , m_captionColour(0, 0, 0, 255)
{
    m_captionFont.setPixelSize(12);
    m_captionFont.setWeight(QFont::Bold);
    setFlat(true);
    // Reachable by Tab like any button; the focus is drawn as a dotted
    // frame, since the pictures have no focused look.
    setFocusPolicy(Qt::StrongFocus);
    // In a dialog a push button would otherwise become the default one,
    // which Enter presses wherever the focus is (the main window's first
    // button minimized it, a dialog's close button closed it).
    setAutoDefault(false);
    setAttribute(Qt::WA_MouseTracking);
}

void XPushButton::setImages(const QStringList &paths)
{
    setImages(paths, QPixmap());
}

void XPushButton::setImages(const QStringList &paths, const QPixmap &normal)
{
    for (int i = 0; i < PictureCount; ++i) {
        m_paths[i] = i < paths.size() ? paths.at(i) : QString();
        m_icons[i] = QIcon();
        m_read[i] = false;
    }
    if (!normal.isNull()) {
        m_icons[PictureNormal].addPixmap(normal, QIcon::Normal, QIcon::Off);
        m_read[PictureNormal] = true;
    }
    // The size from the last picture's header; nothing is decoded here
    // but the picture shown.
    const QSize size = paths.isEmpty() ? QSize() : PictureStore::readSize(paths.last());
    m_iconSize = size.isValid() ? size : QSize(0, 0);
    setIconSize(m_iconSize);
    resize(m_iconSize);
    if (m_enabled)
        applyImage(roleIcon(PictureNormal), LookNormal);
    else
        applyImage(roleIcon(PictureDisabled), LookDisabled);
}

const QIcon &XPushButton::roleIcon(Picture role)
{
    if (!m_read[role]) {
        m_read[role] = true;
        // Each picture is registered under the icon mode of its role, so
        // that the look number doubles as the mode when a look is composed.
        static const QIcon::Mode modes[PictureCount] = {QIcon::Normal, QIcon::Active, QIcon::Selected,
                                                        QIcon::Disabled};
        const QPixmap picture = PictureStore::pixmap(nullptr, m_paths[role]);
        if (!picture.isNull())
            m_icons[role].addPixmap(picture, modes[role], QIcon::Off);
    }
    return m_icons[role];
}

void XPushButton::setCaptionOverlay(const QString &text, int x, int y)
{
    m_captionText = text;
    m_captionX = x;
    m_captionY = y;
    m_captionShown = true;
    update();
}

void XPushButton::hideCaptionOverlay()
{
    m_captionShown = false;
    update();
}

void XPushButton::setOverlayPicture(const QString &path, const QString &maskPath)
{
    m_overlayPath = path;
    m_overlayMaskPath = maskPath;
}

void XPushButton::setLogicallyEnabled(bool enabled)
{
    m_enabled = enabled;
    const QRect globalRect(mapToGlobal(QPoint(0, 0)), size());
    if (m_enabled && globalRect.contains(QCursor::pos()))
        sendCrossing(QEvent::Enter);
    else
        sendCrossing(QEvent::Leave);
}

void XPushButton::sendCrossing(QEvent::Type type)
{
    QEvent event(type);
    QCoreApplication::sendEvent(this, &event);
}

void XPushButton::applyImage(const QIcon &icon, int look)
{
    m_look = look;
    if (m_overlayPath.isEmpty()) {
        m_currentIcon = icon;
    } else {
        const QPixmap base = icon.pixmap(m_iconSize, static_cast<QIcon::Mode>(look), QIcon::Off);
        QPixmap overlay = PictureStore::pixmap(nullptr, m_overlayPath);
        if (!overlay.isNull() && !m_overlayMaskPath.isEmpty())
            overlay.setMask(QBitmap::fromImage(PictureStore::read(m_overlayMaskPath), Qt::MonoOnly));
        QImage composed(m_iconSize, QImage::Format_ARGB32_Premultiplied);
        QPainter painter(&composed);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(composed.rect(), Qt::transparent);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.drawPixmap(0, 0, base);
        painter.drawPixmap(40, 5, overlay);
        painter.end();
        m_currentIcon = QIcon(QPixmap::fromImage(composed));
    }
    setIcon(m_currentIcon);
}

void XPushButton::enterEvent(QEvent *event)
{
    QPushButton::enterEvent(event);
    if (m_checkedLook)
        return;
    if (m_enabled) {
        m_hovered = true;
        applyImage(roleIcon(PictureHover), LookHover);
    } else {
        applyImage(roleIcon(PictureDisabled), LookHover);
    }
}

void XPushButton::leaveEvent(QEvent *event)
{
    QPushButton::leaveEvent(event);
    if (m_checkedLook)
        return;
    if (m_enabled) {
        m_pressed = false;
        applyImage(roleIcon(PictureNormal), LookNormal);
    } else {
        applyImage(roleIcon(PictureDisabled), LookHover);
    }
    m_hovered = false;
}

void XPushButton::mouseMoveEvent(QMouseEvent *event)
{
    QPushButton::mouseMoveEvent(event);
    // One synthetic crossing per pass over the edge; the top and left
    // pixel rows count as outside.
    const bool inside = HoverRule::covers(size(), event->pos(), HoverRule::TopLeftOutside);
    if (inside && !m_inside) {
        m_inside = true;
        m_outside = false;
        sendCrossing(QEvent::Enter);
    } else if (!inside && !m_outside) {
        m_inside = false;
        m_outside = true;
        sendCrossing(QEvent::Leave);
    }
}

void XPushButton::mousePressEvent(QMouseEvent *event)
{
    // A logically disabled button swallows the press: no click follows,
    // and the press does not reach the window behind either.
    if (!m_enabled) {
        event->accept();
        return;
    }
    if (m_hovered) {
        m_pressed = true;
        applyImage(roleIcon(PicturePressed), LookPressed);
    }
    QPushButton::mousePressEvent(event);
}

void XPushButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_enabled)
        return;
    const bool wasChecked = m_checkedLook;
    // The base handler clicks and, for a checkable button, toggles once;
    // a toggle made by a click does not pass through checkStateSet(), so
    // the checked look is brought in line here.
    QPushButton::mouseReleaseEvent(event);
    if (isCheckable())
        m_checkedLook = isChecked();
    if (m_checkedLook) {
        // A checked button keeps its pressed picture.
        m_pressed = false;
        applyImage(roleIcon(PicturePressed), LookPressed);
        return;
    }
    if (m_pressed || wasChecked) {
        // The press ends, or a checked button was just released from its
        // latched picture.
        m_pressed = false;
        m_hovered = rect().contains(event->pos());
        if (m_hovered)
            applyImage(roleIcon(PictureHover), LookHover);
        else
            applyImage(roleIcon(PictureNormal), LookNormal);
    }
}

void XPushButton::checkStateSet()
{
    QPushButton::checkStateSet();
    m_checkedLook = isChecked();
    if (m_checkedLook)
        applyImage(roleIcon(PicturePressed), LookPressed);
    else
        applyImage(roleIcon(PictureNormal), LookNormal);
}

void XPushButton::keyPressEvent(QKeyEvent *event)
{
    const bool press = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter
            || event->key() == Qt::Key_Space;
    // A button shown disabled keeps Qt's enabled state for its tool tip:
    // the keys must not press it either.
    if (press && !m_enabled) {
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        animateClick();
        event->accept();
        return;
    }
    QPushButton::keyPressEvent(event);
}

void XPushButton::paintEvent(QPaintEvent *)
{
    // The picture is the whole look: no panel and no bevel, which a style
    // would draw under a pressed button. The icon's mode is chosen as a
    // push button's label chooses it.
    QPainter painter(this);
    const QIcon current = icon();
    if (!current.isNull()) {
        QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
        if (mode == QIcon::Normal && hasFocus())
            mode = QIcon::Active;
        const QPixmap picture = current.pixmap(window()->windowHandle(), iconSize(), mode,
                                               isChecked() ? QIcon::On : QIcon::Off);
        const QSize size = picture.size() / picture.devicePixelRatio();
        painter.drawPixmap(QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size),
                           picture);
    }
    if (hasFocus()) {
        painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (!m_captionShown)
        return;
    painter.setFont(m_captionFont);
    painter.setPen(m_captionColour);
    painter.drawText(m_captionX, m_captionY, m_captionText);
}
