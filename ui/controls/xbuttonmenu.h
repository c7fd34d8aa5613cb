#ifndef XBUTTONMENU_H
#define XBUTTONMENU_H

#include <QMenu>

class QDomElement;

// A pop-up menu built from an XML tree: <group label="..."> elements
// become sub-menus (to any depth), <item> elements entries whose text
// itemTriggered() carries.
class XButtonMenu : public QMenu
{
    Q_OBJECT
public:
    explicit XButtonMenu(QWidget *parent = nullptr);

    void load(const QDomElement &element);

signals:
    void itemTriggered(QString name);

private:
    void load(const QDomElement &element, QMenu *target);
};

#endif // XBUTTONMENU_H
