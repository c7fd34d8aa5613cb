#include "xcheckbox.h"

#include "ui/controls/keyrule.h"
#include "ui/controls/xurllabel.h"

#include <QMouseEvent>
#include <QPixmap>

XCheckBox::XCheckBox(XUrlLabel *caption, QWidget *parent)
    : QLabel(parent)
    , m_caption(caption)
{
    setFocusPolicy(Qt::StrongFocus);
    if (m_caption) {
        m_caption->setHoverEnabled(false);
        m_caption->setTakesFocus(false);
        connect(m_caption, &XUrlLabel::clicked, this, &XCheckBox::updateState);
    }
    showPicture();
}

void XCheckBox::setChecked(bool checked)
{
    m_checked = checked;
    showPicture();
}

void XCheckBox::updateState()
{
    m_checked = !m_checked;
    showPicture();
    emit stateChanged(m_checked ? 1 : 0);
}

void XCheckBox::placeAt(int x, int y)
{
    move(x, y);
    if (m_caption)
        m_caption->setAnchorPosition(x + width() + 5, y + height() / 2 - m_caption->height() / 2);
}

void XCheckBox::mousePressEvent(QMouseEvent *event)
{
    Q_UNUSED(event)
    updateState();
}

void XCheckBox::keyPressEvent(QKeyEvent *event)
{
    if (!KeyRule::presses(event)) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    updateState();
}

void XCheckBox::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    KeyRule::paintFocus(this, Qt::white);
}

void XCheckBox::showPicture()
{
    const QPixmap picture(m_checked ? QStringLiteral(":/images/CheckOn.png")
                                    : QStringLiteral(":/images/CheckOff.png"));
    setPixmap(picture);
    resize(picture.size());
}
