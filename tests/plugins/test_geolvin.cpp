// The location data plug-in and its client MapManager.

#include <QDomDocument>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include "core/mapmanager.h"
#include "core/pluginbinder.h"
#include "plugin-api/ialmarikobject.h"
#include "plugin-api/imapobject.h"

namespace {
void collectItems(const QDomElement &parent, QStringList &names)
{
    for (QDomElement e = parent.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (e.tagName() == QLatin1String("item"))
            names << e.text();
        else
            collectItems(e, names);
    }
}
}

class TestGeolvin : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void locationTree();
    void sameTreeAsTheTimetable();
    void version();
    void freeApi();
    void mapManager();
    void mapManagerWithoutPlugin();
};

void TestGeolvin::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void TestGeolvin::cleanup()
{
    PluginBinder::setPluginDirectory(QString());
}

void TestGeolvin::locationTree()
{
    IMapObject *api = PluginBinder::bind<IMapObject>(QStringLiteral("Geolvin"), "Map data version:");
    QVERIFY(api);
    const QString tree = api->locationTree();
    QVERIFY(!tree.contains(QLatin1Char('\n')));
    QVERIFY(tree.startsWith(QStringLiteral("<?xml version='1.0' encoding='UTF-8'?><root>"
                                           "<item>Search location...</item><group label='Malaysia'>"
                                           "    <group label='Johor'>        <item>Batu Pahat</item>")));

    QDomDocument document;
    QVERIFY(document.setContent(tree));
    const QDomElement root = document.documentElement();
    QCOMPARE(root.firstChildElement().tagName(), QStringLiteral("item"));
    QCOMPARE(root.firstChildElement().text(), QStringLiteral("Search location..."));

    QStringList items;
    collectItems(root, items);
    QCOMPARE(items.size(), 262);
    QVERIFY(!items.contains(QStringLiteral("Cairo")));
    QVERIFY(!items.contains(QStringLiteral("Frankfurt")));
    QCOMPARE(items.count(QStringLiteral("Terusan")), 2);

    QDomElement other = root.lastChildElement();
    QCOMPARE(other.attribute(QStringLiteral("label")), QStringLiteral("Other"));
    QStringList others;
    collectItems(other, others);
    QCOMPARE(others.size(), 27);
    QStringList sorted = others;
    sorted.sort();
    QCOMPARE(others, sorted);
    delete api;
}

void TestGeolvin::sameTreeAsTheTimetable()
{
    // Geolvin's tree is the timetable plug-in's, with the prompt first and
    // without Cairo and Frankfurt.
    IMapObject *map = PluginBinder::bind<IMapObject>(QStringLiteral("Geolvin"), "Map data version:");
    IAlmarikObject *data = PluginBinder::bind<IAlmarikObject>(QStringLiteral("AlmarikData"), "Almarik data version:");
    QVERIFY(map && data);
    QString expected = data->locationTree();
    expected.replace(QStringLiteral("    <item>Cairo</item>"), QString());
    expected.replace(QStringLiteral("    <item>Frankfurt</item>"), QString());
    expected.replace(QStringLiteral("<root>"), QStringLiteral("<root><item>Search location...</item>"));
    QCOMPARE(map->locationTree(), expected);
    delete map;
    delete data;
}

void TestGeolvin::version()
{
    IMapObject *api = PluginBinder::bind<IMapObject>(QStringLiteral("Geolvin"), "Map data version:");
    QVERIFY(api);
    QVERIFY(QRegularExpression(QStringLiteral("^[0-9]{16}$")).match(api->version()).hasMatch());
    QVERIFY(QDateTime::fromString(api->version().left(14), QStringLiteral("yyyyMMddHHmmss")).isValid());
    delete api;
}

void TestGeolvin::freeApi()
{
    const QString path = PluginBinder::pluginFilePath(QStringLiteral("Geolvin"));
    auto freeApi = reinterpret_cast<MapFreeApiFunction>(PluginBinder::resolve(path, "freeApi"));
    auto getApi = reinterpret_cast<MapGetApiFunction>(PluginBinder::resolve(path, "getApi"));
    QVERIFY(freeApi && getApi);
    IMapObject *none = nullptr;
    QVERIFY(freeApi(&none));
    QVERIFY(freeApi(nullptr));

    IMapObject *api = getApi();
    QVERIFY(api);
    QVERIFY(!api->parent());
    QSignalSpy destroyed(api, &QObject::destroyed);
    IMapObject *const before = api;
    QVERIFY(freeApi(&api));
    QCOMPARE(destroyed.count(), 1);
    QVERIFY(api == before);
}

void TestGeolvin::mapManager()
{
    // Bound when first asked for: the plug-in folder of that moment counts.
    QTemporaryDir empty;
    QVERIFY(empty.isValid());
    PluginBinder::setPluginDirectory(empty.path());
    MapManager manager;
    PluginBinder::setPluginDirectory(QString());
    QVERIFY(manager.isBound());
    IMapObject *api = PluginBinder::bind<IMapObject>(QStringLiteral("Geolvin"), "Map data version:");
    QVERIFY(api);
    QCOMPARE(manager.version(), api->version());
    delete api;
}

void TestGeolvin::mapManagerWithoutPlugin()
{
    QTemporaryDir empty;
    QVERIFY(empty.isValid());
    PluginBinder::setPluginDirectory(empty.path());
    MapManager missing;
    QVERIFY(!missing.isBound());
    QCOMPARE(missing.version(), QString());

    // A file of that name that is no library.
    QFile junk(empty.filePath(QFileInfo(PluginBinder::pluginFilePath(QStringLiteral("Geolvin"))).fileName()));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("this is not a library\n");
    junk.close();
    MapManager broken;
    QVERIFY(!broken.isBound());
    QCOMPARE(broken.version(), QString());
}

QTEST_GUILESS_MAIN(TestGeolvin)
#include "test_geolvin.moc"
