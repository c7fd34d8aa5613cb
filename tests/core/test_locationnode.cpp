// The tree of places read from a plug-in's XML text, checked against the
// same text read by QtXml's DOM and walked as the zone menu walks a tree:
// <group> elements by their "label", <item> elements by all of their text.

#include "core/locationnode.h"

#include <QDomDocument>
#include <QtTest>

namespace {

QString shapeOf(const LocationNode &group)
{
    QStringList parts;
    for (const LocationNode &child : group.children)
        parts << (child.isItem ? QStringLiteral("I(%1)").arg(child.text)
                               : QStringLiteral("G(%1)[%2]").arg(child.text, shapeOf(child)));
    return parts.join(QLatin1Char(','));
}

QString domShapeOf(const QDomElement &group)
{
    QStringList parts;
    for (QDomElement e = group.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (e.tagName() == QLatin1String("group"))
            parts << QStringLiteral("G(%1)[%2]").arg(e.attribute(QStringLiteral("label")), domShapeOf(e));
        else if (e.tagName() == QLatin1String("item"))
            parts << QStringLiteral("I(%1)").arg(e.text());
    }
    return parts.join(QLatin1Char(','));
}

QString nested(int levels)
{
    return QStringLiteral("<group label='x'>").repeated(levels - 1) + QStringLiteral("<item>deep</item>")
           + QStringLiteral("</group>").repeated(levels - 1);
}

} // namespace

class TestLocationNode : public QObject
{
    Q_OBJECT

private slots:
    void readsAsTheDomDid_data();
    void readsAsTheDomDid();
    void depthIsCapped_data();
    void depthIsCapped();
};

void TestLocationNode::readsAsTheDomDid_data()
{
    QTest::addColumn<QString>("xml");
    QTest::newRow("groups and items")
        << "<root><group label='Selangor'><item>Gombak</item><group label='Petaling'>"
           "<item>Shah Alam</item></group></group><item>Ipoh</item></root>";
    QTest::newRow("root name and attributes ignored") << "<places label='no'><item>Ipoh</item></places>";
    QTest::newRow("empty root") << "<root/>";
    QTest::newRow("group without label") << "<root><group><item>Ipoh</item></group></root>";
    QTest::newRow("empty item and group") << "<root><item/><group label='e'/></root>";
    QTest::newRow("unknown elements left out with their insides")
        << "<root><note>x</note><list><item>No</item><group label='n'><item>No</item></group></list>"
           "<Item>Case</Item><GROUP label='c'><item>No</item></GROUP><item>Yes</item></root>";
    QTest::newRow("prefixed names are other names") << "<root xmlns:p='urn:x'><p:item>No</p:item><item>Yes</item></root>";
    QTest::newRow("white space kept inside, dropped between markup")
        << "<root>\n  <group label=' A b '>\n    <item>  Kuala Lumpur  </item>\n  </group>\n</root>";
    QTest::newRow("only white space") << "<root><item>   </item><item>\n\t</item></root>";
    QTest::newRow("markup inside an item")
        << "<root><item>Kota <b>Kinabalu</b>\n  <group label='g'><item>Inner</item></group></item></root>";
    QTest::newRow("entities and character references")
        << "<root><group label='A &amp; B &quot;q&quot;'><item>Kuala &amp; &lt;Lumpur&gt; &#x645;&#1572;</item>"
           "</group></root>";
    QTest::newRow("CDATA and comments")
        << "<root><!-- c --><item><![CDATA[ <Ipoh> & ]]></item><item>Ip<!-- x -->oh</item>"
           "<item><![CDATA[  ]]></item><?pi data?></root>";
    QTest::newRow("declaration and document type")
        << "<?xml version='1.0' encoding='UTF-8'?>\n<!DOCTYPE root>\n<root><item>Ipoh</item></root>\n";
    QTest::newRow("declared entities")
        << "<!DOCTYPE root [<!ENTITY kl 'Kuala Lumpur'>]><root><group label='&kl;'><item>W.P. &kl;</item></group></root>";
    QTest::newRow("undeclared entities read as nothing")
        << "<root><group label='x&nbsp;y'><item>a&nbsp;b&amp;&c;</item></group></root>";
    QTest::newRow("undeclared entities, external document type")
        << "<!DOCTYPE root SYSTEM 'places.dtd'><root><item>a&nbsp;b</item></root>";
    QTest::newRow("unicode") << QStringLiteral("<root><item>\u0645\u0624\u0630\u0646 \U0001F54C</item></root>");
    // Not well-formed: nothing is read.
    QTest::newRow("empty text") << "";
    QTest::newRow("plain text") << "Ipoh";
    QTest::newRow("unclosed group") << "<root><group label='x'><item>Somewhere</item></root>";
    QTest::newRow("cut short") << "<root><item>Ipoh</item>";
    QTest::newRow("mismatched tag") << "<root><item>Ipoh</Item></root>";
    QTest::newRow("second root") << "<root><item>Ipoh</item></root><root/>";
    QTest::newRow("entity without a name") << "<root><item>a & b</item></root>";
    QTest::newRow("unquoted attribute") << "<root><group label=x></group></root>";
}

void TestLocationNode::readsAsTheDomDid()
{
    QFETCH(QString, xml);
    QDomDocument document;
    const bool domRead = document.setContent(xml);

    LocationNode root;
    root.text = QStringLiteral("before");
    const bool read = LocationNode::parse(xml, &root);
    QCOMPARE(read, domRead);
    if (read)
        QCOMPARE(shapeOf(root), domShapeOf(document.documentElement()));
    else
        QCOMPARE(root.text, QStringLiteral("before"));   // untouched
}

void TestLocationNode::depthIsCapped_data()
{
    QTest::addColumn<int>("levels");
    QTest::addColumn<bool>("read");
    QTest::newRow("at the cap") << LocationNode::MaxDepth << true;
    QTest::newRow("one deeper") << LocationNode::MaxDepth + 1 << false;
    QTest::newRow("30000 deep") << 30000 << false;
}

void TestLocationNode::depthIsCapped()
{
    // A menu nested this deep could not be used, and walking it would
    // cost stack at every level.
    QFETCH(int, levels);
    QFETCH(bool, read);
    LocationNode root;
    QCOMPARE(LocationNode::parse(QStringLiteral("<root>%1</root>").arg(nested(levels - 1)), &root), read);
    if (read) {
        const LocationNode *group = &root;
        for (int level = 2; level < levels; ++level) {
            QCOMPARE(group->children.size(), 1);
            group = &group->children.at(0);
        }
        QCOMPARE(shapeOf(*group), QStringLiteral("I(deep)"));
    }
}

QTEST_GUILESS_MAIN(TestLocationNode)
#include "test_locationnode.moc"
