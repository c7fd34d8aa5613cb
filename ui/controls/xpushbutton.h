#ifndef XPUSHBUTTON_H
#define XPUSHBUTTON_H

#include <QColor>
#include <QEvent>
#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QPushButton>
#include <QSize>
#include <QStringList>

// An image button: shows a normal, hover, pressed or disabled picture
// instead of a native button face. "Disabled" is a logical state only: the
// widget stays enabled for Qt so that its tool tip keeps working, but it
// ignores presses and emits nothing.
class XPushButton : public QPushButton
{
    Q_OBJECT
public:
    // The look shown; the numbers match the QIcon modes the pictures are
    // registered under.
    enum Look { LookNormal = 0, LookDisabled = 1, LookHover = 2, LookPressed = 3 };

    explicit XPushButton(QWidget *parent = nullptr);

    // Pictures by resource path: 0 normal, 1 hover, 2 pressed, 3 disabled.
    // The button takes the size of the pictures; a missing picture leaves
    // an empty one (and so a zero size).
    void setImages(const QStringList &paths);
    // The same, with the normal picture already read (e.g. ahead, on
    // another thread).
    void setImages(const QStringList &paths, const QPixmap &normal);

    bool isLogicallyEnabled() const { return m_enabled; }
    int look() const { return m_look; }
    // The icon shown at present (one of the four, or a composed one when an
    // overlay picture is set).
    QIcon currentIcon() const { return m_currentIcon; }

    // Text drawn over the picture at (x, y), e.g. a counter.
    void setCaptionOverlay(const QString &text, int x, int y);
    void hideCaptionOverlay();
    // A small picture (with its mask) laid over the top right of every
    // look, e.g. a badge; empty paths remove it.
    void setOverlayPicture(const QString &path, const QString &maskPath);

    // Stores the logical enabled state only (QWidget::setEnabled() is left
    // alone) and refreshes the look for where the pointer is now.
    void setLogicallyEnabled(bool enabled);

protected:
    // Enter and Return press the focused button, as Space does.
    void keyPressEvent(QKeyEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void checkStateSet() override;
    void paintEvent(QPaintEvent *event) override;

private:
    enum Picture { PictureNormal, PictureHover, PicturePressed, PictureDisabled, PictureCount };
    // The picture of a role, read on its first use: most buttons are never
    // hovered or pressed in a session, and a start reads only what it shows.
    const QIcon &roleIcon(Picture role);
    void applyImage(const QIcon &icon, int look);
    void sendCrossing(QEvent::Type type);

    QIcon m_currentIcon;
    int m_look = LookNormal;
    QString m_paths[PictureCount];
    QIcon m_icons[PictureCount];
    bool m_read[PictureCount] = {};
    bool m_pressed = false;
    bool m_hovered = false;
    bool m_enabled = true;
    QSize m_iconSize;
    QString m_captionText;
    bool m_captionShown = false;
    int m_captionX = 0;
    int m_captionY = 0;
    QFont m_captionFont;
    QColor m_captionColour;
    QString m_overlayPath;
    QString m_overlayMaskPath;
    bool m_checkedLook = false;
    bool m_inside = false;
    bool m_outside = true;
};

#endif // XPUSHBUTTON_H
