#ifndef XPANELBUTTON_H
#define XPANELBUTTON_H

#include <QString>
#include <QWidget>

class QLabel;

// A flat coloured button with a centred white caption; its colour comes
// from a style sheet that changes under the pointer. It takes the keyboard
// focus like any button: Enter, Return and Space click it.
class XPanelButton : public QWidget
{
    Q_OBJECT
public:
    explicit XPanelButton(QWidget *parent = nullptr);

    void setText(const QString &text);
    QString text() const;
    QLabel *captionLabel() const { return m_caption; }
    bool isHovered() const { return m_hovered; }
    QString hoverStyleSheet() const { return m_hoverStyle; }
    QString normalStyleSheet() const { return m_normalStyle; }

signals:
    void clicked();

protected:
    friend class HoverRule;
    void setLookStyleSheets(const QString &hover, const QString &normal);
    void applyHoverLook();
    void applyNormalLook();

    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void centreCaption();

    bool m_hovered = false;
    bool m_pressed = false;
    QLabel *m_caption;
    QString m_hoverStyle;
    QString m_normalStyle;
};

#endif // XPANELBUTTON_H
