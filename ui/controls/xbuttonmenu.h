#ifndef XBUTTONMENU_H
#define XBUTTONMENU_H

#include <QHash>
#include <QMenu>

struct LocationNode;

// A pop-up menu built from a tree of places: groups become sub-menus
// labelled by their labels (to any depth), items entries whose text
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
    void load(const LocationNode &root);
    // Ticks the entry named `name` (and no other) and makes it, and the
    // sub-menus that lead to it, the active entries, so that the keyboard
    // starts there; false when no entry has that name.
    bool markItem(const QString &name);
    // The ticked entry, or null.
    QAction *markedItem() const;

signals:
    void itemTriggered(QString name);

private:
    void load(const LocationNode &group, QMenu *target);

    QHash<QString, QString> m_groupLabels;
    static bool markIn(QMenu *menu, const QString &name, QAction **found);
};

#endif // XBUTTONMENU_H
