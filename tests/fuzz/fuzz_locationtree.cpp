// libFuzzer target: the reader of a plug-in's tree of places. Whatever it
// accepts must respect the depth cap and read the same a second time.

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

#include "core/locationnode.h"

namespace {

int depthOf(const LocationNode &node)
{
    int deepest = 0;
    for (const LocationNode &child : node.children) {
        if (child.isItem && !child.children.isEmpty())
            __builtin_trap();
        deepest = qMax(deepest, depthOf(child));
    }
    return deepest + 1;
}

bool sameTree(const LocationNode &a, const LocationNode &b)
{
    if (a.isItem != b.isItem || a.text != b.text || a.children.size() != b.children.size())
        return false;
    for (int i = 0; i < a.children.size(); ++i) {
        if (!sameTree(a.children.at(i), b.children.at(i)))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), int(size));
    LocationNode root;
    if (!LocationNode::parse(text, &root))
        return 0;
    LocationNode again;
    if (depthOf(root) > LocationNode::MaxDepth || !LocationNode::parse(text, &again) || !sameTree(root, again))
        __builtin_trap();
    return 0;
}
