// The plug-in binder's checks before and after loading: damaged files,
// libraries of another kind or interface, loose folder rights; and the
// real plug-ins, which pass.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include "core/pluginbinder.h"
#include "plugin-api/ialmarikobject.h"
#include "plugin-api/imapobject.h"
#include "plugin-api/iventabis.h"

class TestPluginBinder : public QObject
{
    Q_OBJECT

private slots:
    void realPluginsPass_data();
    void realPluginsPass();
    void badFileRefused_data();
    void badFileRefused();
    void looseFolderRightsWarned();

private:
    QString built(const QString &name) const { return QDir(QStringLiteral(ALMARIK_TEST_BIN_DIR)).filePath(name); }
};

void TestPluginBinder::realPluginsPass_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("interface");
    QTest::newRow("AlmarikData") << "AlmarikData.so" << QString::fromLatin1(IAlmarikObject::InterfaceId);
    QTest::newRow("Geolvin") << "Geolvin.so" << QString::fromLatin1(IMapObject::InterfaceId);
    QTest::newRow("Ventabis") << "Ventabis.so" << QString::fromLatin1(IVentabis::InterfaceId);
}

void TestPluginBinder::realPluginsPass()
{
    QFETCH(QString, file);
    QFETCH(QString, interface);
    const QString path = built(file);
    QCOMPARE(PluginBinder::fileProblem(path), QString());
    QCOMPARE(PluginBinder::interfaceOf(path), interface);
}

void TestPluginBinder::badFileRefused_data()
{
    // Each stand-in is put in a fresh folder under the timetable plug-in's
    // name and must be refused without the process crashing.
    QTest::addColumn<QString>("source");
    QTest::addColumn<qint64>("keepBytes");   // -1: the whole file
    QTest::addColumn<QByteArray>("bytes");   // used when source is empty
    QTest::newRow("empty file") << QString() << qint64(-1) << QByteArray();
    QTest::newRow("text") << QString() << qint64(-1) << QByteArray("MZ this is not a shared library").repeated(10);
    QTest::newRow("ELF magic only") << QString() << qint64(-1) << QByteArray("\x7f" "ELF\x02\x01\x01").leftJustified(200, '\0');
    QTest::newRow("cut after the header") << "AlmarikData.so" << qint64(100) << QByteArray();
    QTest::newRow("cut in half") << "AlmarikData.so" << qint64(-2) << QByteArray();
    QTest::newRow("last byte missing") << "AlmarikData.so" << qint64(-3) << QByteArray();
    QTest::newRow("map plug-in under the name") << "Geolvin.so" << qint64(-1) << QByteArray();
    QTest::newRow("library without interface symbol") << "libnogetapi.so" << qint64(-1) << QByteArray();
}

void TestPluginBinder::badFileRefused()
{
    QFETCH(QString, source);
    QFETCH(qint64, keepBytes);
    QFETCH(QByteArray, bytes);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString target = folder.filePath(QStringLiteral("AlmarikData.so"));
    if (!source.isEmpty()) {
        QFile in(built(source));
        QVERIFY2(in.open(QIODevice::ReadOnly), qPrintable(in.fileName()));
        bytes = in.readAll();
        if (keepBytes == -2)
            bytes.truncate(bytes.size() / 2);
        else if (keepBytes == -3)
            bytes.chop(1);
        else if (keepBytes >= 0)
            bytes.truncate(int(keepBytes));
    }
    QFile out(target);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(bytes);
    out.close();

    QVERIFY(!PluginBinder::bindFile<IAlmarikObject>(target, "Almarik data version:"));
}

void TestPluginBinder::looseFolderRightsWarned()
{
#ifdef Q_OS_UNIX
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString target = folder.filePath(QStringLiteral("AlmarikData.so"));
    QVERIFY(QFile::copy(built(QStringLiteral("AlmarikData.so")), target));
    QVERIFY(QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                  | QFileDevice::ExeOwner | QFileDevice::ReadOther
                                  | QFileDevice::WriteOther | QFileDevice::ExeOther));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("may be written by other users")));
    // Still loaded: the warning is for the user or packager to act on.
    QVERIFY(PluginBinder::bindFile<IAlmarikObject>(target, "Almarik data version:"));
#else
    QSKIP("folder rights are access lists on Windows");
#endif
}

QTEST_GUILESS_MAIN(TestPluginBinder)
#include "test_pluginbinder.moc"
