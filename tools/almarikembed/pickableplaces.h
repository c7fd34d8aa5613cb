#ifndef PICKABLEPLACES_H
#define PICKABLEPLACES_H

#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

// The places a user can pick, read from places.csv in catalogue order,
// and the location tree built from them.
class PickablePlaces
{
public:
    struct Place
    {
        QString name;
        QString displayName;  // "" unless the name needs another form on screen
        QString group;        // country group: "Malaysia", "Indonesia", ...
        QString state;        // Malaysian state or federal territory, else ""
        QString zoneCode;
        QString latitude;     // decimal text as in the source, checked to be a number
        QString longitude;
        QString source;
        QString sourceUrl;
    };

    struct TreeOptions
    {
        QString promptItem;             // item placed before everything else, if any
        QSet<QString> excludedNames;    // places left out of the tree
        QSet<QString> alphabeticalGroups; // country groups listed by name, not catalogue order
    };

    // Reads the file; rows of the group "zone_only" name a zone without a
    // place and are not part of the catalogue. False with errorText() set
    // on a missing column, an empty name or zone, or a bad coordinate.
    bool read(const QString &filePath);
    QString errorText() const { return m_error; }

    const QVector<Place> &places() const { return m_places; }
    // Zones that have a table but no place ("Tokyo").
    const QStringList &zoneOnlyCodes() const { return m_zoneOnly; }

    // The location tree document: declaration, then root, country groups
    // in catalogue order; inside Malaysia the states and the federal
    // territories by name; places in catalogue order unless their group
    // is listed alphabetically. A group that holds one place of its own
    // name is written as that single item. No line breaks; four blanks of
    // indentation before each start tag per level below the children of root.
    QString locationTree(const TreeOptions &options) const;
    // Number of item elements in the tree built with these options.
    int treeItemCount(const TreeOptions &options) const;

    // "Gua Musang (Galas, Bertam)" -> "Gua Musang\n(Galas, Bertam)"; "" for
    // names without a parenthesised part.
    static QString displayNameFor(const QString &name);

private:
    struct Node
    {
        QString label;
        bool item = false;
        QVector<Node> children;
    };
    QVector<Node> buildTree(const TreeOptions &options) const;
    static void writeNode(const Node &node, int level, QString &out);
    static int countItems(const QVector<Node> &nodes);

    QString m_error;
    QVector<Place> m_places;
    QStringList m_zoneOnly;
};

#endif // PICKABLEPLACES_H
