#include "xbuttonmenu.h"

#include <QAction>
#include <QDomElement>

XButtonMenu::XButtonMenu(QWidget *parent)
    : QMenu(parent)
{
}

void XButtonMenu::load(const QDomElement &element)
{
    load(element, this);
}

void XButtonMenu::load(const QDomElement &element, QMenu *target)
{
    // Entries belong to the menu's owner window (or to the menu when it
    // has none), so that they live as long as the menu is used.
    QObject *owner = parentWidget() ? static_cast<QObject *>(parentWidget()) : this;
    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        if (child.tagName() == QLatin1String("group")) {
            const QString label = child.attribute(QStringLiteral("label"));
            QMenu *subMenu = target->addMenu(m_groupLabels.value(label, label));
            load(child, subMenu);
        } else if (child.tagName() == QLatin1String("item")) {
            auto *action = new QAction(child.text(), owner);
            target->addAction(action);
            connect(action, &QAction::triggered, this,
                    [this, action] { emit itemTriggered(action->text()); });
        }
    }
}
