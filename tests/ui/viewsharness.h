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
#include "support/apptest.h"
#include "support/privatehome.h"
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
    return runOnApplication<Test>(argc, argv, [pluginDirectory](const QString &) {
        if (!pluginDirectory.isEmpty())
            PluginBinder::setPluginDirectory(pluginDirectory);
    });
}

#endif // VIEWSHARNESS_H
