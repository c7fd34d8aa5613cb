#include "xbuttonmenu.h"

#include <QAction>

#include "core/locationnode.h"

XButtonMenu::XButtonMenu(QWidget *parent)
    : QMenu(parent)
{
}

void XButtonMenu::load(const LocationNode &root)
{
    load(root, this);
}

void XButtonMenu::load(const LocationNode &group, QMenu *target)
{
    // Entries belong to the menu's owner window (or to the menu when it
    // has none), so that they live as long as the menu is used.
    QObject *owner = parentWidget() ? static_cast<QObject *>(parentWidget()) : this;
    for (const LocationNode &child : group.children) {
        if (!child.isItem) {
            QMenu *subMenu = target->addMenu(m_groupLabels.value(child.text, child.text));
            load(child, subMenu);
        } else {
            auto *action = new QAction(child.text, owner);
            action->setCheckable(true);
            target->addAction(action);
            connect(action, &QAction::triggered, this,
                    [this, action] { emit itemTriggered(action->text()); });
        }
    }
}

bool XButtonMenu::markIn(QMenu *menu, const QString &name, QAction **found)
{
    bool here = false;
    const QList<QAction *> actions = menu->actions();
    for (QAction *action : actions) {
        if (QMenu *subMenu = action->menu()) {
            if (markIn(subMenu, name, found)) {
                menu->setActiveAction(action);
                here = true;
            }
        } else if (!action->isSeparator()) {
            const bool match = !*found && action->text() == name;
            action->setChecked(match);
            if (match) {
                *found = action;
                menu->setActiveAction(action);
                here = true;
            }
        }
    }
    return here;
}

bool XButtonMenu::markItem(const QString &name)
{
    QAction *found = nullptr;
    return markIn(this, name, &found);
}

QAction *XButtonMenu::markedItem() const
{
    QList<QMenu *> menus{const_cast<XButtonMenu *>(this)};
    while (!menus.isEmpty()) {
        const QList<QAction *> actions = menus.takeFirst()->actions();
        for (QAction *action : actions) {
            if (action->menu())
                menus.append(action->menu());
            else if (action->isChecked())
                return action;
        }
    }
    return nullptr;
}
