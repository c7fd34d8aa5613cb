#include "core/locationnode.h"

#include <QXmlStreamReader>

namespace {

// Trees have always been read leniently: an entity that is not declared
// (&nbsp; in a name) reads as nothing instead of failing the whole tree.
class UndeclaredAsNothing : public QXmlStreamEntityResolver
{
public:
    QString resolveUndeclaredEntity(const QString &) override { return QStringLiteral(""); }
};

} // namespace

bool LocationNode::parse(const QString &xml, LocationNode *root)
{
    // Each open element is the node it fills, or null when it is left out
    // (an unknown element, or anything inside an item). Only the node on
    // top gains children, so the pointers below it stay valid.
    LocationNode result;
    QVector<LocationNode *> open;
    LocationNode *item = nullptr;   // the open item whose text is read
    int itemDepth = 0;
    bool sawRoot = false;

    UndeclaredAsNothing resolver;
    QXmlStreamReader reader(xml);
    reader.setEntityResolver(&resolver);
    reader.setNamespaceProcessing(false);   // tag names are compared as written
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement: {
            if (open.size() >= MaxDepth) {
                reader.raiseError(QStringLiteral("nested too deeply"));
                break;
            }
            if (!sawRoot) {
                sawRoot = true;
                open.append(&result);
                break;
            }
            LocationNode *parent = open.last();
            LocationNode *node = nullptr;
            if (parent && !parent->isItem) {
                const QStringRef name = reader.qualifiedName();
                if (name == QLatin1String("group") || name == QLatin1String("item")) {
                    parent->children.append(LocationNode());
                    node = &parent->children.last();
                    node->isItem = name == QLatin1String("item");
                    if (node->isItem) {
                        item = node;
                        itemDepth = open.size() + 1;
                    } else {
                        node->text = reader.attributes().value(QLatin1String("label")).toString();
                    }
                }
            }
            open.append(node);
            break;
        }
        case QXmlStreamReader::EndElement:
            if (open.size() == itemDepth) {
                item = nullptr;
                itemDepth = 0;
            }
            open.removeLast();
            break;
        case QXmlStreamReader::Characters:
            if (item && (reader.isCDATA() || !reader.isWhitespace()))
                item->text += reader.text();
            break;
        default:
            break;
        }
    }
    if (reader.hasError() || !sawRoot)
        return false;
    *root = std::move(result);
    return true;
}
