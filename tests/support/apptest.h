#ifndef APPTEST_H
#define APPTEST_H

#include <QTemporaryDir>
#include <QtTest>

#include <functional>

#include "app/appmain.h"
#include "support/privatehome.h"

// Runs a test object on the program's real application object in a private
// home. `prepare` runs after the home is set up and before the application
// object is built (to point the plug-in binder elsewhere, for example).
template <class Test>
int runOnApplication(int argc, char *argv[], const std::function<void(const QString &home)> &prepare = {})
{
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    usePrivateHome(home.path());
    if (prepare)
        prepare(home.path());

    AppMain::registerResources();
    // The application object sees only the program name; the test's own
    // options go to Qt Test.
    static int appArgc = 1;
    static char *appArgv[] = {argv[0], nullptr};
    AppMain app(appArgc, appArgv);
    Test test;
    return QTest::qExec(&test, argc, argv);
}

#endif // APPTEST_H
