#include <QPointer>
#include <QTemporaryDir>
#include <QtTest>

#include "core/applicationinformation.h"
#include "core/buildinfo.h"
#include "core/pluginbinder.h"
#include "plugin-api/iventabis.h"
#include "plugin-api/linkdefaults.h"

// The links and version facts, with the real Ventabis plug-in, with a
// plug-in whose links differ from the built-in ones, and without one.
class TestApplicationInformation : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void shippedPluginIsBound();
    void pluginLinksReplaceBuiltInLinks();
    void missingOrBrokenPluginKeepsBuiltInLinks_data();
    void missingOrBrokenPluginKeepsBuiltInLinks();
    void versionsFallBackToBuiltInValues();
    void releaseDateComesFromTheVersion_data();
    void releaseDateComesFromTheVersion();
    void freeApiDeletesOnlyWhatItIsGiven();
};

void TestApplicationInformation::cleanup()
{
    PluginBinder::setPluginDirectory(QString());
}

void TestApplicationInformation::shippedPluginIsBound()
{
    QVERIFY(QFileInfo::exists(PluginBinder::pluginFilePath(QStringLiteral("Ventabis"))));
    ApplicationInformation info;
    QCOMPARE(info.ventabisVersion().size(), 16);
    QVERIFY(QRegularExpression(QStringLiteral("^\\d{16}$")).match(info.ventabisVersion()).hasMatch());
    QVERIFY(info.supportMailLink().startsWith(QLatin1String("mailto:")));
    QVERIFY(info.supportMailLink().endsWith(QLatin1String("?Subject=Almarik%20Zenhar")));
    QVERIFY(info.supportMailLink().contains(info.supportEmail()));
    QVERIFY(info.downloadCenterUrl().endsWith(QLatin1String("/app/windows/almarik/downloadcenter.php")));
    QVERIFY(info.faqUrl().endsWith(QLatin1String("/app/windows/almarik/faq.php")));
    QVERIFY(info.downloadCenterUrl().startsWith(info.website()));
}

void TestApplicationInformation::pluginLinksReplaceBuiltInLinks()
{
    // A Ventabis built with other links, in a folder of its own.
    PluginBinder::setPluginDirectory(QCoreApplication::applicationDirPath() + QStringLiteral("/otherlinks"));
    ApplicationInformation info;
    QCOMPARE(info.ventabisVersion(), QStringLiteral("2030010100000000"));
    QCOMPARE(info.website(), QStringLiteral("https://distributor.test/"));
    QCOMPARE(info.facebookPage(), QStringLiteral("https://distributor.test/social"));
    QCOMPARE(info.supportMailLink(), QStringLiteral("mailto:help@distributor.test?Subject=Almarik%20Zenhar"));
    QCOMPARE(info.supportEmail(), QStringLiteral("help@distributor.test"));
    QCOMPARE(info.downloadCenterUrl(), QStringLiteral("https://distributor.test/dl"));
    QCOMPARE(info.faqUrl(), QStringLiteral("https://distributor.test/faq"));
    QCOMPARE(info.whatsAppUrl(), QStringLiteral("https://chat.distributor.test/"));
    QCOMPARE(info.qtUrl(), QStringLiteral("https://qt.distributor.test/"));
    QCOMPARE(info.openSslUrl(), QStringLiteral("https://openssl.distributor.test/"));
}

void TestApplicationInformation::missingOrBrokenPluginKeepsBuiltInLinks_data()
{
    QTest::addColumn<QByteArray>("fileContent");
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("not a library") << QByteArray("\x7f" "ELF but nothing more");
}

void TestApplicationInformation::missingOrBrokenPluginKeepsBuiltInLinks()
{
    QFETCH(QByteArray, fileContent);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    PluginBinder::setPluginDirectory(folder.path());
    if (!fileContent.isEmpty()) {
        QFile file(PluginBinder::pluginFilePath(QStringLiteral("Ventabis")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(fileContent);
    }
    ApplicationInformation info;
    QCOMPARE(info.ventabisVersion(), QString());
    QCOMPARE(info.website(), QString::fromLatin1(LinkDefaults::website));
    QCOMPARE(info.facebookPage(), QString::fromLatin1(LinkDefaults::facebookPage));
    QCOMPARE(info.supportMailLink(), QString::fromLatin1(LinkDefaults::supportMailLink));
    QCOMPARE(info.supportEmail(), QString::fromLatin1(LinkDefaults::supportEmail));
    QCOMPARE(info.downloadCenterUrl(), QString::fromLatin1(LinkDefaults::downloadCenterUrl));
    QCOMPARE(info.faqUrl(), QString::fromLatin1(LinkDefaults::faqUrl));
    QCOMPARE(info.whatsAppUrl(), QString::fromLatin1(LinkDefaults::whatsAppUrl));
    QCOMPARE(info.qtUrl(), QStringLiteral("https://www.qt.io/"));
    QCOMPARE(info.openSslUrl(), QStringLiteral("https://www.openssl.org/"));
}

void TestApplicationInformation::versionsFallBackToBuiltInValues()
{
    ApplicationInformation info;
    QCOMPARE(info.appVersion(), QString::fromLatin1(BuildInfo::appVersion));
    QCOMPARE(info.buildTime(), QString::fromLatin1(BuildInfo::buildTime));
    QCOMPARE(info.dataVersion(), QString::fromLatin1(BuildInfo::dataVersion));
    info.setDataVersion(QStringLiteral("20270101000000"));
    QCOMPARE(info.dataVersion(), QStringLiteral("20270101000000"));
    QVERIFY(QDateTime::fromString(info.buildTime(), QStringLiteral("yyyy-MM-dd HH:mm:ss")).isValid());
    QCOMPARE(ApplicationInformation::shortName(), QStringLiteral("Almarik Zenhar"));
    // The program's own release date is a real date, not the fallback.
    QVERIFY(info.releaseDate() > QDate(2026, 1, 1));
}

void TestApplicationInformation::releaseDateComesFromTheVersion_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QDate>("date");
    QTest::newRow("four parts") << QStringLiteral("1.0.1704.1922") << QDate(2017, 4, 19);
    QTest::newRow("leading zero day") << QStringLiteral("1.0.2612.0700") << QDate(2026, 12, 7);
    QTest::newRow("three parts") << QStringLiteral("1.0.1704") << QDate(1900, 1, 1);
    QTest::newRow("five parts") << QStringLiteral("1.0.1704.1922.1") << QDate(1900, 1, 1);
    QTest::newRow("empty part kept") << QStringLiteral("1..1704.1922") << QDate(2017, 4, 19);
    QTest::newRow("no such month") << QStringLiteral("1.0.1713.0100") << QDate(1900, 1, 1);
    QTest::newRow("no such day") << QStringLiteral("1.0.1702.3000") << QDate(1900, 1, 1);
}

void TestApplicationInformation::releaseDateComesFromTheVersion()
{
    QFETCH(QString, version);
    QFETCH(QDate, date);
    QCOMPARE(ApplicationInformation::releaseDateOf(version), date);
}

void TestApplicationInformation::freeApiDeletesOnlyWhatItIsGiven()
{
    const QString file = PluginBinder::pluginFilePath(QStringLiteral("Ventabis"));
    auto getApi = reinterpret_cast<VentabisGetApiFunction>(PluginBinder::resolve(file, "getApi"));
    auto freeApi = reinterpret_cast<VentabisFreeApiFunction>(PluginBinder::resolve(file, "freeApi"));
    QVERIFY(getApi);
    QVERIFY(freeApi);

    IVentabis *none = nullptr;
    QVERIFY(freeApi(&none));
    QVERIFY(!none);

    IVentabis *api = getApi();
    QVERIFY(api);
    QVERIFY(!api->parent());
    QPointer<QObject> watch(api);
    IVentabis *const before = api;
    QVERIFY(freeApi(&api));
    QVERIFY(watch.isNull());
    QCOMPARE(api, before);  // the caller's pointer is the caller's to clear
}

QTEST_GUILESS_MAIN(TestApplicationInformation)
#include "test_applicationinformation.moc"
