// Start-up and idle cost of the real program (resources, application
// object with its plug-ins and settings, DialogMain with tray and pages)
// beside an empty frameless QWidget of the same size started the same way,
// each pair interleaved in the same run:
//   - start to the main window's first expose event (and to the window
//     being opaque, once the splash has faded), resident memory then;
//   - start "/minimized" to the tray icon set, beside an empty window that
//     sets a tray icon, resident memory then;
//   - wake-ups per minute while hidden in the tray, counted as the
//     process's context switches (all threads, /proc/self/task/*/status)
//     over a two-minute window from 90 s after the start on, past the
//     start's one-off work;
//   - the size of the program file, as built and as installed (stripped);
//   - the empty window with Qt Multimedia or OpenSSL loaded beside the
//     empty window alone: what loading each lazily could save;
//   - the program shown beside an empty window that, like the program,
//     leaves out the OpenGL driver (it matters on X11 only).
//   - both default starts (with the splash) beside a floor with the
//     program's texts: the empty window showing the same texts in the same
//     fonts and places, and nothing else (textfloor.h), and that floor
//     beside the empty window (shown: the one without the OpenGL driver),
//     which is what the texts cost by themselves.
//
//   almarik_bench_startup [pairs [idle-seconds]]   (default 11 pairs, 120 s)
//
// Without --child it is the driver: it starts itself as a child in the
// program's modes and almarik_bench_empty in the empty window's, each with
// a private home but one shared cache folder, headless, and prints
// min/median/max and the ratio to the empty window. The homes hold the
// settings file a first start wrote, as at every start but the first; the
// first start itself (no settings yet, so the file is written) has a row
// of its own. Times run from
// QProcess::start in the driver to the child's report line. The idle
// children of all pairs run side by side (they sleep), so the idle window
// costs its length once, not once per child; the count is scaled to a
// minute.

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QPixmap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <memory>
#include <vector>

#include "app/appmain.h"
#include "app/processheap.h"
#include "app/rasteronlydisplay.h"
#include "bench/common/benchfigures.h"
#include "ui/main/dialogmain.h"
#include "ui/picturestore.h"
#include "childprobe.h"
#include "textfloor.h"

namespace {

// The main window on a desktop with a system tray, which a headless
// platform lacks: "/minimized" then leaves only the tray icon, as on most
// desktops, and builds no page.
class TrayMainWindow : public DialogMain
{
public:
    using DialogMain::DialogMain;

protected:
    bool hasSystemTray() const override { return true; }
};

int runChild(int argc, char **argv, const QByteArray &mode, int idleSeconds)
{
    // "-nosplash": the settings' splash turned off for this start.
    const bool splashOff = mode.endsWith("-nosplash");
    const QByteArray kind = splashOff ? mode.chopped(int(qstrlen("-nosplash"))) : mode;
    const bool shown = kind.endsWith("-shown");
    const bool idle = kind.endsWith("-idle");
    ProcessHeap::limitArenas();
    RasterOnlyDisplay::request();
    AppMain::registerResources();
    // As the program's own start does.
    PictureStore pictures;
    AppMain::preloadStart(pictures, !shown);
    AppMain app(argc, argv, &pictures);
    if (app.isRunning())
        return 2;
    int code = 0;
    {
        TrayMainWindow window(appMain()->uiContext());
        std::unique_ptr<ExposeWatcher> watcher;
        if (shown)
            watcher.reset(new ExposeWatcher(&window, true));
        // The program's own start: the splash too, as the settings ask.
        if (splashOff)
            app.config.showSplashScreen = false;
        app.showMainWindow(window, !shown);
        // For the floor with the program's texts: what this start shows.
        const QString textsOut = qEnvironmentVariable("ALMARIK_BENCH_TEXTS_OUT");
        if (!textsOut.isEmpty() && !writeVisibleTexts(textsOut, &window))
            return 3;
        if (idle)
            countIdle(idleSeconds);
        else if (!shown)
            QTimer::singleShot(0, [] {
                report("tray");
                QCoreApplication::exit(0);
            });
        // As the program does once it is up (after the reports above).
        app.startServicesWhenUp(&window);
        code = QCoreApplication::exec();
    }
    return code;
}

// The program file as built (with its symbol table) and as the package
// installs it, stripped the way debhelper strips an executable; in
// megabytes (10^6 bytes) and MiB.
void printProgramSize(const QString &programFile, const QString &scratch)
{
    auto row = [](const char *measure, qint64 bytes) {
        std::printf("%-40s %-6s %27.2f  (%.2f MiB, %lld bytes)\n", measure, "MB", bytes / 1e6, bytes / 1048576.0,
                    static_cast<long long>(bytes));
    };
    row("executable size, as built", QFileInfo(programFile).size());
    const QString stripped = QDir(scratch).filePath(QStringLiteral("AlmarikZenhar.stripped"));
    QProcess strip;
    strip.start(QStringLiteral("strip"), {QStringLiteral("--remove-section=.comment"),
                                          QStringLiteral("--remove-section=.note"), QStringLiteral("-o"), stripped,
                                          programFile});
    if (strip.waitForFinished(60000) && strip.exitStatus() == QProcess::NormalExit && strip.exitCode() == 0)
        row("executable size, as installed (stripped)", QFileInfo(stripped).size());
    else
        std::printf("executable size, as installed: strip did not run (%s)\n", qPrintable(strip.errorString()));
    QFile::remove(stripped);
}

// With --session-bus the children keep the driver's session bus (run the
// driver under dbus-run-session), as on a desktop; by default they have
// none, as in a headless run.
bool keepSessionBus = false;

// A desktop session's runtime folder ($XDG_RUNTIME_DIR, /run/user/UID) is
// in memory; the single-instance lock the program takes there at every
// start would otherwise be a file created and synced on disk. A folder on
// a memory file system when the machine has one, else in the temporary
// folder.
QString runtimeTemplate()
{
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    const QString parent = shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
    return parent + QStringLiteral("/almarik-bench-runtime-XXXXXX");
}

struct Child
{
    QTemporaryDir home;
    QTemporaryDir runtime{runtimeTemplate()};
    QProcess process;
    QElapsedTimer clock;
    QByteArray out;
    // Report lines with the driver's time of arrival.
    QList<QPair<QList<QByteArray>, double>> lines;
};

// Copies the files under from into to, folders included.
void copyTree(const QString &from, const QString &to)
{
    const QDir source(from);
    QDir().mkpath(to);
    for (const QFileInfo &entry : source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden)) {
        const QString target = QDir(to).filePath(entry.fileName());
        if (entry.isDir())
            copyTree(entry.filePath(), target);
        else
            QFile::copy(entry.filePath(), target);
    }
}

// How a child starts, beyond its mode.
struct StartOptions
{
    // A library loaded ahead of the child's own (LD_PRELOAD).
    QString preload;
    // A home whose settings (config and data folders) the child starts
    // with; empty for a first start.
    QString settings;
    // The empty window started with QT_XCB_GL_INTEGRATION=none, as the
    // program starts itself (see app/rasteronlydisplay.h).
    bool withoutGlDriver = false;
    // The file of the program's texts (textfloor.h): the program writes
    // it, the empty window's floor with texts reads it.
    QString texts;
};

void startChild(Child &child, const QString &mode, const QString &cache, int idleSeconds,
                const StartOptions &options = StartOptions())
{
    const QString &settings = options.settings;
    for (const char *sub : {"config", "data"})
        QDir(child.home.path()).mkpath(QLatin1String(sub));
    if (!settings.isEmpty()) {
        for (const char *sub : {"config", "data"})
            copyTree(QDir(settings).filePath(QLatin1String(sub)), child.home.filePath(QLatin1String(sub)));
    }
    QFile::setPermissions(child.runtime.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), child.home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), child.home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), child.home.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), cache);
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), child.runtime.path());
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("*.debug=false"));
    if (!keepSessionBus)
        env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    if (!options.preload.isEmpty())
        env.insert(QStringLiteral("LD_PRELOAD"), options.preload);
    if (!options.texts.isEmpty())
        env.insert(mode.startsWith(QLatin1String("empty")) ? QStringLiteral("ALMARIK_BENCH_TEXTS")
                                                           : QStringLiteral("ALMARIK_BENCH_TEXTS_OUT"),
                   options.texts);
    if (options.withoutGlDriver)
        env.insert(QStringLiteral("QT_XCB_GL_INTEGRATION"), QStringLiteral("none"));
    if (!env.contains(QStringLiteral("QT_QPA_PLATFORM")))
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.process.setProcessEnvironment(env);
    child.process.setProcessChannelMode(QProcess::SeparateChannels);
    child.clock.start();
    // The empty window is its own executable that links Qt Widgets only.
    const QString program = mode.startsWith(QLatin1String("empty"))
            ? QFileInfo(QCoreApplication::applicationDirPath(), QStringLiteral("almarik_bench_empty")).filePath()
            : QCoreApplication::applicationFilePath();
    child.process.start(program, {QStringLiteral("--child"), mode, QString::number(idleSeconds)});
}

// Reads the child's report lines until it exits; false when it reported
// fewer than wanted.
bool finishChild(Child &child, int wanted, int timeoutMs)
{
    QElapsedTimer limit;
    limit.start();
    while (child.lines.size() < wanted && limit.elapsed() < timeoutMs) {
        if (!child.process.waitForReadyRead(qMax(1, int(timeoutMs - limit.elapsed()))))
            break;
        const double at = child.clock.nsecsElapsed() / 1e6;
        child.out += child.process.readAllStandardOutput();
        int newline;
        while ((newline = child.out.indexOf('\n')) >= 0) {
            child.lines.append({child.out.left(newline).trimmed().split(' '), at});
            child.out.remove(0, newline + 1);
        }
    }
    child.process.waitForFinished(10000);
    return child.lines.size() >= wanted;
}

struct Sample
{
    double ms = 0;
    double opaqueMs = 0;
    double rssMiB = 0;
    double anonMiB = 0;
    double heapMiB = 0;
};

bool runOnce(const QString &mode, const QString &cache, Sample &sample, const StartOptions &options = StartOptions(),
             Child *keep = nullptr)
{
    Child own;
    Child &child = keep ? *keep : own;
    if (!child.home.isValid())
        return false;
    startChild(child, mode, cache, 0, options);
    const bool program = mode.startsWith(QLatin1String("program"));
    const bool shown = mode.contains(QLatin1String("-shown"));
    const int wanted = program && shown ? 2 : 1;
    if (!finishChild(child, wanted, 30000))
        return false;
    const QList<QByteArray> &first = child.lines.first().first;
    if (first.size() != 4)
        return false;
    sample.ms = child.lines.first().second;
    sample.opaqueMs = child.lines.last().second;
    sample.rssMiB = first.at(1).toLong() / 1024.0;
    sample.anonMiB = first.at(2).toLong() / 1024.0;
    sample.heapMiB = first.at(3).toLong() / 1024.0;
    return true;
}

int drive(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QList<QByteArray> numbers;
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--session-bus") == 0)
            keepSessionBus = true;
        else
            numbers << QByteArray(argv[i]);
    }
    if (keepSessionBus && qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
        std::printf("--session-bus: no session bus to keep (run under dbus-run-session)\n");
        return 1;
    }
    const int pairs = numbers.size() > 0 ? qMax(1, numbers.at(0).toInt()) : 11;
    // A program that wakes once a minute wakes 0 or 3 times in 20 s: only a
    // window of minutes tells 1 or 2 a minute from 3.
    const int idleSeconds = numbers.size() > 1 ? qMax(2, numbers.at(1).toInt()) : 120;
    QTemporaryDir cache;
    if (!cache.isValid())
        return 1;

    const QString programFile = QFileInfo(QCoreApplication::applicationDirPath(), QStringLiteral("AlmarikZenhar")).filePath();
    std::printf("Start-up and idle cost, %d interleaved pairs, %s platform\n", pairs,
                qPrintable(qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("offscreen"))));
    std::printf("(as on a desktop with a system tray: \"/minimized\" leaves only the tray icon, in both)\n");
    std::printf("%s\n", keepSessionBus ? "children on the driver's session bus" : "children without a session bus");
    printHeader();

    // A first start writes the settings file the other starts begin with.
    Child first;
    Sample warm;
    if (!runOnce(QStringLiteral("program-shown"), cache.path(), warm, StartOptions(), &first)) {
        std::printf("first start: the child did not report\n");
        return 1;
    }
    const QString settings = first.home.path();

    // Shown, then minimized, each with the splash the settings show by
    // default and with it turned off, then shown at a first start: one
    // unmeasured start of each fills the caches.
    enum Kind { Shown, ShownSplashOff, Minimized, MinimizedSplashOff, FirstStart };
    for (const Kind kind : {Shown, ShownSplashOff, Minimized, MinimizedSplashOff, FirstStart}) {
        const bool shown = kind != Minimized && kind != MinimizedSplashOff;
        const QString suffix = shown ? QStringLiteral("-shown") : QStringLiteral("-tray");
        const QString programSuffix = kind == ShownSplashOff || kind == MinimizedSplashOff
                ? suffix + QStringLiteral("-nosplash") : suffix;
        StartOptions programStart;
        programStart.settings = kind == FirstStart ? QString() : settings;
        // The default starts (with the splash) also run the floor with the
        // program's texts, which the unmeasured start writes; like the
        // program, without the OpenGL driver.
        const bool withTexts = kind == Shown || kind == Minimized;
        StartOptions textsStart;
        textsStart.withoutGlDriver = true;
        if (withTexts)
            programStart.texts = textsStart.texts = QDir(cache.path()).filePath(QStringLiteral("texts") + suffix);
        runOnce(QStringLiteral("empty") + suffix, cache.path(), warm);
        if (!runOnce(QStringLiteral("program") + programSuffix, cache.path(), warm, programStart)) {
            std::printf("program%s: the child did not report\n", qPrintable(programSuffix));
            return 1;
        }
        programStart.texts.clear();
        QList<double> time[2], opaque, rss[2], anon[2], heap[2];
        // The program leaves out the OpenGL driver, which an empty window
        // loads on X11: the shown starts also run a third child, the empty
        // window without it.
        QList<double> rasterTime, rasterRss, textsTime, textsRss;
        for (int pair = 0; pair < pairs; ++pair) {
            if (kind == Shown) {
                Sample sample;
                StartOptions raster;
                raster.withoutGlDriver = true;
                if (!runOnce(QStringLiteral("empty-shown"), cache.path(), sample, raster)) {
                    std::printf("empty-shown without the OpenGL driver: the child did not report\n");
                    return 1;
                }
                rasterTime.append(sample.ms);
                rasterRss.append(sample.rssMiB);
            }
            if (withTexts) {
                Sample sample;
                if (!runOnce(QStringLiteral("empty-texts") + suffix, cache.path(), sample, textsStart)) {
                    std::printf("empty-texts%s: the child did not report\n", qPrintable(suffix));
                    return 1;
                }
                textsTime.append(sample.ms);
                textsRss.append(sample.rssMiB);
            }
            for (int k = 0; k < 2; ++k) {
                // Alternate which of the two starts first.
                const bool program = (k == 0) == (pair % 2 == 0);
                Sample sample;
                const QString mode = program ? QStringLiteral("program") + programSuffix : QStringLiteral("empty") + suffix;
                if (!runOnce(mode, cache.path(), sample, program ? programStart : StartOptions())) {
                    std::printf("%s: the child did not report\n", qPrintable(mode));
                    return 1;
                }
                time[program].append(sample.ms);
                rss[program].append(sample.rssMiB);
                anon[program].append(sample.anonMiB);
                heap[program].append(sample.heapMiB);
                if (program && shown)
                    opaque.append(sample.opaqueMs);
            }
        }
        if (kind == FirstStart) {
            printRow("first start (no settings) to exposed", "ms", time[1], time[0]);
            printRow("  resident memory, first start", "MiB", rss[1], rss[0]);
        } else if (kind == ShownSplashOff) {
            printRow("exposed, splash turned off", "ms", time[1], time[0]);
            printRow("  resident memory, shown, splash off", "MiB", rss[1], rss[0]);
        } else if (kind == MinimizedSplashOff) {
            printRow("tray icon set, splash turned off", "ms", time[1], time[0]);
            printRow("  resident memory, minimized, splash off", "MiB", rss[1], rss[0]);
        } else if (shown) {
            printRow("start to main window exposed", "ms", time[1], time[0]);
            printRow("start to main window opaque (splash)", "ms", opaque, time[0]);
            printRow("resident memory, shown", "MiB", rss[1], rss[0]);
            printRow("  of it private (RssAnon), shown", "MiB", anon[1], anon[0]);
            printRow("heap in use when exposed", "MiB", heap[1], heap[0], 2);
            printRow("exposed, floor without OpenGL driver", "ms", time[1], rasterTime);
            printRow("  resident memory, that floor", "MiB", rss[1], rasterRss);
            printRow("exposed, floor with the program's texts", "ms", time[1], textsTime);
            printRow("  that floor beside the floor without GL", "ms", textsTime, rasterTime);
            printRow("  its resident memory beside that floor", "MiB", textsRss, rasterRss);
        } else {
            printRow("start /minimized to tray icon set", "ms", time[1], time[0]);
            printRow("resident memory, minimized", "MiB", rss[1], rss[0]);
            printRow("  of it private (RssAnon), minimized", "MiB", anon[1], anon[0]);
            printRow("heap in use, minimized", "MiB", heap[1], heap[0], 2);
            printRow("tray icon set, floor with splash texts", "ms", time[1], textsTime);
            printRow("  that floor beside the empty window", "ms", textsTime, time[0]);
            printRow("  its resident memory beside the empty", "MiB", textsRss, rss[0]);
        }
    }

    // What loading a library only at its first use could save: the empty
    // window started with the library loaded beside the empty window alone.
    const struct {
        const char *library;
        const char *name;
    } libraries[] = {{"libQt5Multimedia.so.5", "Qt Multimedia"}, {"libcrypto.so.3", "OpenSSL"}};
    for (const auto &entry : libraries) {
        const char *library = entry.library;
        QList<double> time[2], rss[2], anon[2];
        for (int pair = 0; pair < pairs; ++pair) {
            for (int k = 0; k < 2; ++k) {
                const bool loaded = (k == 0) == (pair % 2 == 0);
                Sample sample;
                StartOptions start;
                if (loaded)
                    start.preload = QLatin1String(library);
                if (!runOnce(QStringLiteral("empty-shown"), cache.path(), sample, start)) {
                    std::printf("empty window with %s: the child did not report\n", library);
                    return 1;
                }
                time[loaded].append(sample.ms);
                rss[loaded].append(sample.rssMiB);
                anon[loaded].append(sample.anonMiB);
            }
        }
        const QByteArray name(entry.name);
        printRow(QByteArray("empty window + " + name + ", exposed").constData(), "ms", time[1], time[0]);
        printRow(QByteArray("  resident memory + " + name).constData(), "MiB", rss[1], rss[0]);
        printRow(QByteArray("  private memory + " + name).constData(), "MiB", anon[1], anon[0], 2);
    }

    // Idle while hidden: all pairs side by side, so the window costs its
    // length once. They sleep; their starts are over before the window.
    QList<double> idle[2], idleRss[2], idleAnon[2];
    std::vector<std::unique_ptr<Child>> children;
    StartOptions idleStart;
    idleStart.settings = settings;
    for (int pair = 0; pair < pairs; ++pair) {
        for (const bool program : {false, true}) {
            children.emplace_back(new Child);
            startChild(*children.back(), program ? QStringLiteral("program-idle") : QStringLiteral("empty-idle"),
                       cache.path(), idleSeconds, program ? idleStart : StartOptions());
        }
    }
    for (std::size_t i = 0; i < children.size(); ++i) {
        Child &child = *children[i];
        if (!finishChild(child, 1, (IdleSettleSeconds + idleSeconds + 30) * 1000) || child.lines.first().first.size() != 5) {
            std::printf("idle child did not report\n");
            return 1;
        }
        const QList<QByteArray> &line = child.lines.first().first;
        idle[i % 2].append(line.at(1).toDouble());
        idleRss[i % 2].append(line.at(2).toLong() / 1024.0);
        idleAnon[i % 2].append(line.at(3).toLong() / 1024.0);
    }
    const QByteArray label = QStringLiteral("wake-ups a minute, hidden (%1 s window)").arg(idleSeconds).toLatin1();
    printRow(label.constData(), "/min", idle[1], idle[0]);
    printRow("resident memory, minimized, after idle", "MiB", idleRss[1], idleRss[0]);
    printRow("  of it private, after idle", "MiB", idleAnon[1], idleAnon[0]);

    printProgramSize(programFile, cache.path());
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc >= 4 && qstrcmp(argv[1], "--child") == 0) {
        // The child keeps only the program name, as a real start would.
        static int childArgc = 1;
        return runChild(childArgc, argv, QByteArray(argv[2]), QByteArray(argv[3]).toInt());
    }
    return drive(argc, argv);
}
