#ifndef DIALOGBASE_H
#define DIALOGBASE_H

#include <QDialog>
#include <QPoint>

class QLabel;
class XPushButton;

// The frame of every secondary window: a frameless dialog on a coloured
// background with a black one-pixel border, the product name as title at
// the top left and a close button at the top right. It can be dragged by
// any spot that is not a control. Closing it (button, Escape) rejects it.
class DialogBase : public QDialog
{
    Q_OBJECT
public:
    explicit DialogBase(QWidget *parent = nullptr);

    // Places the dialog over the centre of its parent when the parent is
    // visible, otherwise over the centre of the desktop.
    void centre();

    QLabel *titleLabel() const { return labelTitle; }
    XPushButton *closeButton() const { return buttonClose; }
    QWidget *backgroundPanel() const { return panelBackground; }

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    bool m_dragging = false;
    QPoint m_pressPosition;
    QPoint m_windowPosition;

    QWidget *panelBackground;
    QLabel *labelBorderTop;
    QLabel *labelBorderBottom;
    QLabel *labelBorderLeft;
    QLabel *labelBorderRight;
    QLabel *labelTitle;
    XPushButton *buttonClose;
};

#endif // DIALOGBASE_H
