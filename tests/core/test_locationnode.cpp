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
    QTest::newRow("groups, items and other elements")
        << "<places label='no'><group label='Selangor'><item>Gombak</item><group><item>Shah Alam</item></group>"
           "</group><item/><group label='e'/><note>x</note><list><item>No</item></list><Item>Case</Item>"
           "<GROUP label='c'><item>No</item></GROUP><p:item xmlns:p='urn:x'>No</p:item></places>";
    QTest::newRow("text: white space, markup, CDATA, comments, references")
        << "<root>\n  <group label=' A &amp; &quot;b&quot; '>\n    <item>  Kuala Lumpur  </item>\n"
           "<item>   </item><item>Kota <b>Kinabalu</b>\n  <group label='g'><item>In</item></group></item>"
           "<item><![CDATA[ <Ipoh> & ]]></item><item>Ip<!-- x -->oh</item><item><![CDATA[  ]]></item>"
           "<item>&lt;KL&gt; &#x645;&#1572;</item><?pi data?></group>\n</root>";
    QTest::newRow("declaration and declared entities")
        << "<?xml version='1.0' encoding='UTF-8'?>\n<!DOCTYPE root [<!ENTITY kl 'Kuala Lumpur'>]>\n"
           "<root><group label='&kl;'><item>W.P. &kl;</item></group></root>\n";
    QTest::newRow("undeclared entities read as nothing")
        << "<root><group label='x&nbsp;y'><item>a&nbsp;b&amp;&c;</item></group></root>";
    QTest::newRow("undeclared entities, external document type")
        << "<!DOCTYPE root SYSTEM 'places.dtd'><root><item>a&nbsp;b</item></root>";
    // Not well-formed: nothing is read.
    QTest::newRow("empty text") << "";
    QTest::newRow("unclosed group") << "<root><group label='x'><item>Somewhere</item></root>";
    QTest::newRow("mismatched tag") << "<root><item>Ipoh</Item></root>";
    QTest::newRow("second root") << "<root><item>Ipoh</item></root><root/>";
    QTest::newRow("entity without a name") << "<root><item>a & b</item></root>";
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
    QCOMPARE(shapeOf(root).endsWith(QStringLiteral("[I(deep)]") + QStringLiteral("]").repeated(levels - 3)), read);
}

QTEST_GUILESS_MAIN(TestLocationNode)
#include "test_locationnode.moc"
