// Which file the auto-start entry starts: the installed launcher when the
// program runs from its installed folder, the program itself when it runs
// from a build folder or when the file at the launcher's place is not ours.
// Real files and links in a temporary folder laid out like an installation.

#include "core/autostart.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const char LauncherRelative[] = "../../bin/almarikzenhar";

bool writeFile(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("x") == 1;
}

} // namespace

class TestAutoStartLauncher : public QObject
{
    Q_OBJECT

private slots:
    void startFilePath_data();
    void startFilePath();
    void buildFolderKeepsProgram();
};

void TestAutoStartLauncher::startFilePath_data()
{
    // What lies at prefix/bin/almarikzenhar, and whether the entry should
    // start it rather than prefix/lib/almarikzenhar/AlmarikZenhar.
    QTest::addColumn<QString>("launcher");
    QTest::addColumn<bool>("startsLauncher");

    QTest::newRow("link to the program") << "link-to-program" << true;
    QTest::newRow("nothing: run from a build folder") << "none" << false;
    QTest::newRow("link to another program") << "link-to-other" << false;
    QTest::newRow("dangling link") << "dangling" << false;
    QTest::newRow("a file of its own") << "file" << false;
}

void TestAutoStartLauncher::startFilePath()
{
    QFETCH(QString, launcher);
    QFETCH(bool, startsLauncher);

    QTemporaryDir prefix;
    QVERIFY(prefix.isValid());
    const QString program = prefix.filePath(QStringLiteral("lib/almarikzenhar/AlmarikZenhar"));
    const QString other = prefix.filePath(QStringLiteral("lib/other/AlmarikZenhar"));
    const QString launcherPath = prefix.filePath(QStringLiteral("bin/almarikzenhar"));
    QVERIFY(writeFile(program));
    QVERIFY(writeFile(other));
    QVERIFY(QDir().mkpath(prefix.filePath(QStringLiteral("bin"))));
    if (launcher == QLatin1String("link-to-program"))
        QVERIFY(QFile::link(QStringLiteral("../lib/almarikzenhar/AlmarikZenhar"), launcherPath));
    else if (launcher == QLatin1String("link-to-other"))
        QVERIFY(QFile::link(other, launcherPath));
    else if (launcher == QLatin1String("dangling"))
        QVERIFY(QFile::link(prefix.filePath(QStringLiteral("lib/gone")), launcherPath));
    else if (launcher == QLatin1String("file"))
        QVERIFY(writeFile(launcherPath));

    const QString chosen = AutoStart::startFilePath(program, QLatin1String(LauncherRelative));
    QCOMPARE(chosen, startsLauncher ? launcherPath : program);
    // The chosen file is what the desktop entry runs.
    QVERIFY(AutoStart::desktopEntryText(chosen).contains(QLatin1Char('"') + chosen + QLatin1Char('"')));
}

void TestAutoStartLauncher::buildFolderKeepsProgram()
{
    // This test program runs from the build folder, where no launcher is
    // installed: the layout of this build must choose the program itself.
    const QString self = QCoreApplication::applicationFilePath();
    QCOMPARE(AutoStart::startFilePath(self), self);
}

QTEST_GUILESS_MAIN(TestAutoStartLauncher)
#include "test_autostartlauncher.moc"
