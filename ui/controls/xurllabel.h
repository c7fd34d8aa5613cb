#ifndef XURLLABEL_H
#define XURLLABEL_H

#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QString>

// A text label that lights up under the pointer and acts as a link: with a
// URL it opens the URL, without one it emits clicked(). An anchored label
// keeps its left edge, its right edge (alignment 2) or its centre in the
// parent (alignment 132) while the hover font changes its size. A link that
// does something (a URL, or a receiver of clicked()) takes the keyboard
// focus: Enter, Return and Space then act as a click.
class XUrlLabel : public QLabel
{
    Q_OBJECT
public:
    // Hides QLabel::setText(), to keep a link's plain text plain.
    void setText(const QString &text);
    explicit XUrlLabel(QWidget *parent = nullptr);

    void setUrl(const QString &url);
    // False keeps the label out of the focus chain even when it acts (a
    // check box's caption: the box itself takes the focus).
    void setTakesFocus(bool takes);
    QString url() const { return m_url; }
    // Stores the anchor and moves the label there.
    void setAnchorPosition(int x, int y);
    QPoint anchorPosition() const { return QPoint(m_anchorX, m_anchorY); }
    void setHoverEnabled(bool enabled);
    bool isHoverEnabled() const { return m_hoverEnabled; }
    bool isHovered() const { return m_hovered; }
    // The normal font and palette take effect at once.
    void setNormalFont(const QFont &font);
    void setHoverFont(const QFont &font);
    void setNormalPalette(const QPalette &palette);
    void setHoverPalette(const QPalette &palette);
    // Qt alignment value: 1 left (default), 2 right, 132 centred.
    void setAnchorAlignment(int alignment);
    int anchorAlignment() const { return m_anchorAlignment; }

    virtual void applyHoverLook();
    virtual void applyNormalLook();

signals:
    void clicked();

protected:
    bool event(QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void connectNotify(const QMetaMethod &signal) override;

private:
    template<typename Step>
    void withoutFocus(Step step);
    // Opens the URL, or without one emits clicked().
    void activate();
    void updateFocusPolicy();
    void reposition(bool hovered);
    void growToTallest();

    QPalette m_normalPalette;
    QPalette m_hoverPalette;
    QFont m_normalFont;
    QFont m_hoverFont;
    int m_anchorAlignment = Qt::AlignLeft;
    QString m_url;
    int m_anchorX = 0;
    int m_anchorY = 0;
    int m_normalWidth = 0;
    int m_normalHeight = 0;
    bool m_hoverEnabled = true;
    bool m_takesFocus = true;
    bool m_hovered = false;
    int m_maxHeight = 0;
};

#endif // XURLLABEL_H
