// Time from process start to the main window shown, and resident memory
// at that moment, for the real program's start-up (resources, application
// object with its plug-ins and settings, DialogMain with tray and pages)
// beside an empty Qt Widgets window of the same size started the same way.
//
// Without arguments it is the driver: it starts itself as a child in each
// mode several times, each with a fresh private home (so the settings file
// is written afresh, as at a first start) but one shared cache folder,
// headless, and prints the median and the range. The time runs from
// QProcess::start in the driver to the child's report, which the child
// prints once its window has been shown and the event loop has run.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>

#include "app/appmain.h"
#include "ui/main/dialogmain.h"

namespace {

constexpr int Runs = 7;

long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> lines = status.readAll().split('\n');
    for (const QByteArray &line : lines) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

// Prints the report once the shown window has been through the event loop.
void reportWhenShown()
{
    QTimer::singleShot(0, [] {
        std::printf("shown %ld\n", residentKilobytes());
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
}

int runEmpty(int argc, char **argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowFlags(Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    window.setFixedSize(650, 574);
    window.show();
    reportWhenShown();
    return app.exec();
}

int runProgram(int argc, char **argv)
{
    AppMain::registerResources();
    AppMain app(argc, argv);
    if (app.isRunning())
        return 2;
    DialogMain window(appMain()->uiContext());
    window.showAtStart(false);
    reportWhenShown();
    return app.exec();
}

struct Sample {
    double ms = 0;
    long kb = 0;
};

// The user's caches (GStreamer's plug-in registry above all) live on from
// one start to the next, as on a real desktop; only the settings are new.
bool runChild(const QString &mode, const QString &cache, Sample &sample)
{
    QTemporaryDir home;
    if (!home.isValid())
        return false;
    for (const char *sub : {"config", "data", "runtime"})
        QDir(home.path()).mkpath(QLatin1String(sub));
    QFile::setPermissions(home.filePath(QStringLiteral("runtime")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), cache);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), home.filePath(QStringLiteral("runtime")));
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("*.debug=false"));
    env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    if (!env.contains(QStringLiteral("QT_QPA_PLATFORM")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));

    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer clock;
    clock.start();
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), mode});
    QByteArray out;
    while (!out.contains('\n')) {
        if (!child.waitForReadyRead(30000))
            break;
        out += child.readAllStandardOutput();
    }
    sample.ms = clock.nsecsElapsed() / 1e6;
    child.waitForFinished(10000);
    const QList<QByteArray> words = out.trimmed().split(' ');
    if (words.size() != 2 || words.first() != "shown")
        return false;
    sample.kb = words.at(1).toLong();
    return true;
}

template <class T>
T median(QList<T> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

int drive(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    out << "Start-up to window shown (" << Runs << " runs each, fresh settings, headless)\n";
    out << QStringLiteral("%1 %2 %3 %4\n").arg(QStringLiteral("window"), -22)
                   .arg(QStringLiteral("median ms"), 10).arg(QStringLiteral("min-max ms"), 16)
                   .arg(QStringLiteral("RSS KiB"), 9);
    const struct {
        const char *mode;
        const char *label;
    } modes[] = {{"empty", "empty QWidget"}, {"program", "AlmarikZenhar main"}};
    QTemporaryDir cache;
    if (!cache.isValid())
        return 1;
    for (const auto &mode : modes) {
        QList<double> times;
        QList<long> memory;
        // One unmeasured start fills the caches.
        Sample sample;
        runChild(QLatin1String(mode.mode), cache.path(), sample);
        for (int run = 0; run < Runs; ++run) {
            if (!runChild(QLatin1String(mode.mode), cache.path(), sample)) {
                out << mode.label << ": the child did not report\n";
                return 1;
            }
            times.append(sample.ms);
            memory.append(sample.kb);
        }
        const auto range = std::minmax_element(times.begin(), times.end());
        out << QStringLiteral("%1 %2 %3 %4\n").arg(QLatin1String(mode.label), -22)
                       .arg(median(times), 10, 'f', 1)
                       .arg(QStringLiteral("%1-%2").arg(*range.first, 0, 'f', 1).arg(*range.second, 0, 'f', 1), 16)
                       .arg(median(memory), 9);
        out.flush();
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc >= 3 && qstrcmp(argv[1], "--child") == 0) {
        // The child keeps only the program name, as a real start would.
        static int childArgc = 1;
        if (qstrcmp(argv[2], "empty") == 0)
            return runEmpty(childArgc, argv);
        return runProgram(childArgc, argv);
    }
    return drive(argc, argv);
}
