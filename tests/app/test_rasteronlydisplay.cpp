#include <QWindow>
#include <QtTest>

#include "app/rasteronlydisplay.h"

// The variable that keeps Qt from loading the OpenGL driver is set for the
// program's own first window only: a browser opened later must not inherit
// it, and a value the user chose stays.
class TestRasterOnlyDisplay : public QObject
{
    Q_OBJECT

private slots:
    void setUntilTheFirstWindow_data();
    void setUntilTheFirstWindow();
};

void TestRasterOnlyDisplay::setUntilTheFirstWindow_data()
{
    QTest::addColumn<QByteArray>("userValue");
    QTest::addColumn<QByteArray>("untilFirstWindow");
    QTest::addColumn<bool>("keptAfter");
    QTest::newRow("not set by the user") << QByteArray() << QByteArray("none") << false;
    QTest::newRow("set by the user") << QByteArray("xcb_egl") << QByteArray("xcb_egl") << true;
}

void TestRasterOnlyDisplay::setUntilTheFirstWindow()
{
    QFETCH(QByteArray, userValue);
    QFETCH(QByteArray, untilFirstWindow);
    QFETCH(bool, keptAfter);
    const char *variable = "QT_XCB_GL_INTEGRATION";
    qunsetenv(variable);
    if (!userValue.isNull())
        qputenv(variable, userValue);

    QCOMPARE(RasterOnlyDisplay::request(), userValue.isNull());
    RasterOnlyDisplay::releaseAtFirstWindow(QCoreApplication::instance());
    QCOMPARE(qgetenv(variable), untilFirstWindow);

    // An embedded tray icon's window is made without choosing a driver.
    QWindow trayIcon;
    trayIcon.setObjectName(QStringLiteral("QSystemTrayIconSysWindow"));
    trayIcon.create();
    QCOMPARE(qgetenv(variable), untilFirstWindow);

    QWindow window;
    window.create();
    QCOMPARE(qEnvironmentVariableIsSet(variable), keptAfter);
    if (keptAfter)
        QCOMPARE(qgetenv(variable), userValue);
    qunsetenv(variable);
}

QTEST_MAIN(TestRasterOnlyDisplay)
#include "test_rasteronlydisplay.moc"
