#ifndef LOCATIONNODE_H
#define LOCATIONNODE_H

#include <QString>
#include <QVector>

// The tree of places a data plug-in hands over as XML text:
//   <root><group label="Selangor"><item>Gombak</item>...</group>...</root>
// <group> elements (to any depth up to MaxDepth) hold entries, <item>
// elements name a place. The root element's name does not matter.
struct LocationNode
{
    // Deepest nesting of elements accepted, the root being level 1.
    static constexpr int MaxDepth = 64;

    bool isItem = false;
    // A group's "label" attribute, or an item's name: all of its text,
    // runs of bare white space between markup left out.
    QString text;
    // A group's entries in document order; an item has none.
    QVector<LocationNode> children;

    // Reads a tree from its XML text into *root (a group). Elements other
    // than <group> and <item> are left out with everything inside them.
    // False, with *root untouched, for text that is not well-formed XML
    // or is nested deeper than MaxDepth.
    static bool parse(const QString &xml, LocationNode *root);
};

#endif // LOCATIONNODE_H
