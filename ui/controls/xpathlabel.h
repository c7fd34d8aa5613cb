#ifndef XPATHLABEL_H
#define XPATHLABEL_H

#include <QLabel>

// A label showing a file path that reacts to a click (to pick another), or
// to Enter, Return or Space while it has the keyboard focus.
class XPathLabel : public QLabel
{
    Q_OBJECT
public:
    explicit XPathLabel(QWidget *parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};

#endif // XPATHLABEL_H
