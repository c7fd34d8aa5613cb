#ifndef XCHECKBOX_H
#define XCHECKBOX_H

#include <QLabel>
#include <QPointer>

class XUrlLabel;

// A picture check box whose caption is a sibling XUrlLabel: a click on the
// box or on the caption toggles it, and so does Space (or Enter) while the
// box has the keyboard focus; the caption takes no focus of its own.
class XCheckBox : public QLabel
{
    Q_OBJECT
public:
    // The caption is not owned; it belongs to the same form as the box.
    explicit XCheckBox(XUrlLabel *caption, QWidget *parent = nullptr);

    bool isChecked() const { return m_checked; }
    // Sets the state and the picture without emitting stateChanged().
    void setChecked(bool checked);
    // Moves the box to (x, y) and its caption beside it, centred on the
    // box's height.
    void placeAt(int x, int y);
    XUrlLabel *caption() const { return m_caption; }

signals:
    void stateChanged(int state);

public slots:
    void updateState();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void showPicture();

    QPointer<XUrlLabel> m_caption;
    bool m_checked = false;
};

#endif // XCHECKBOX_H
