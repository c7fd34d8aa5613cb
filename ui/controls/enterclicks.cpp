#include "ui/controls/enterclicks.h"

#include <QAbstractButton>
#include <QKeyEvent>

EnterClicks::EnterClicks(QAbstractButton *button)
    : QObject(button)
{
    button->installEventFilter(this);
}

void EnterClicks::install(QAbstractButton *button)
{
    new EnterClicks(button);
}

bool EnterClicks::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    auto *button = qobject_cast<QAbstractButton *>(watched);
    if (!enter || key->isAutoRepeat() || (key->modifiers() & ~Qt::KeypadModifier) || !button || !button->isEnabled())
        return QObject::eventFilter(watched, event);
    button->click();
    return true;
}
