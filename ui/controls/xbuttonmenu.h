#ifndef XBUTTONMENU_H
#define XBUTTONMENU_H

#include <QHash>
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

    // Labels shown for group labels of the tree (a translation of the
    // plug-in's "Other"); set before load(). Items keep their names, which
    // itemTriggered() carries.
    void setGroupLabels(const QHash<QString, QString> &labels) { m_groupLabels = labels; }
    void load(const QDomElement &element);

signals:
    void itemTriggered(QString name);

private:
    void load(const QDomElement &element, QMenu *target);

    QHash<QString, QString> m_groupLabels;
};

#endif // XBUTTONMENU_H
