#ifndef VIEWSHARNESS_H
#define VIEWSHARNESS_H

// Shared set-up of the timetable view tests: a private home for every
// file the program could write, the application object, and a watcher
// that closes any modal prompt so that no test can hang on one.

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "app/appmain.h"
#include "core/pluginbinder.h"

// Closes every modal dialog as soon as it is up and records its class.
class PromptWatcher : public QObject
{
public:
    PromptWatcher()
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            m_seen.append(QString::fromLatin1(modal->metaObject()->className()));
            if (auto *dialog = qobject_cast<QDialog *>(modal))
                dialog->reject();
            else
                modal->close();
        });
        m_timer.start();
    }
    QStringList seen() const { return m_seen; }
    void clear() { m_seen.clear(); }

private:
    QTimer m_timer;
    QStringList m_seen;
};

// Counts every QObject below root, root excluded.
inline int countObjects(const QObject *root)
{
    return root->findChildren<QObject *>(QString(), Qt::FindChildrenRecursively).size();
}

// Builds the application object in a private home and runs the test
// object. pluginDirectory, when not empty, is where the plug-ins are
// looked for instead of the test's own folder.
template <class Test>
int runViewTest(int argc, char *argv[], const QString &pluginDirectory = QString())
{
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + QStringLiteral("/config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path() + QStringLiteral("/data")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(home.path() + QStringLiteral("/cache")));
    QDir(home.path()).mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(home.path() + QStringLiteral("/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(home.path() + QStringLiteral("/runtime")));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);

    if (!pluginDirectory.isEmpty())
        PluginBinder::setPluginDirectory(pluginDirectory);
    AppMain::registerResources();
    static int appArgc = 1;
    static char *appArgv[] = {argv[0], nullptr};
    AppMain app(appArgc, appArgv);
    Test test;
    return QTest::qExec(&test, argc, argv);
}

#endif // VIEWSHARNESS_H
