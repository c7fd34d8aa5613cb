// Saves the settings over and over, each time with another volume and
// zone, until it is killed: the child of test_configsaver's kill test.
// Prints "ready" once the first save is on disk. The first argument is the
// application name whose data folder (in Qt's test paths) is used.
#include <QCoreApplication>
#include <QStandardPaths>
#include <QTextStream>

#include "core/appconfig.h"
#include "core/configstore.h"

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc > 1)
        QCoreApplication::setApplicationName(QString::fromLocal8Bit(argv[1]));
    QStandardPaths::setTestModeEnabled(true);
    AppConfig config;
    QTextStream out(stdout);
    for (int round = 0;; ++round) {
        config.prayer[round % PrayerSlotCount].audioVolume = round % 101;
        config.zone = QStringLiteral("Zone %1").arg(round);
        if (!ConfigStore::save(config))
            return 1;
        if (round == 0)
            out << "ready" << Qt::endl;
    }
}
