#ifndef CHILDPROBE_H
#define CHILDPROBE_H

// What a started child of the start-up benchmark reports, shared by the
// program's child and the empty window's own small executable: memory,
// context switches, the first expose, the idle count.

#include <QApplication>
#include <QColor>
#include <QDir>
#include <QMap>
#include <QFile>
#include <QIcon>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>

#include <malloc.h>

namespace {

// The main window's size.
const QSize WindowSize(650, 574);

// "VmRSS" or "RssAnon" of /proc/self/status in KiB.
inline long statusKiB(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').first().toLong();
    }
    return -1;
}

// Context switches of each thread of the process so far, by thread id.
inline QMap<QString, long> contextSwitchesByThread()
{
    QMap<QString, long> counts;
    const QStringList tasks = QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &task : tasks) {
        QFile status(QStringLiteral("/proc/self/task/%1/status").arg(task));
        if (!status.open(QIODevice::ReadOnly))
            continue;
        long total = 0;
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("voluntary_ctxt_switches:") || line.startsWith("nonvoluntary_ctxt_switches:"))
                total += line.mid(line.indexOf(':') + 1).trimmed().toLong();
        }
        counts.insert(task, total);
    }
    return counts;
}

// The switches between two counts: each thread's growth, all of a thread
// that started in between. A thread that ended in between leaves its last
// switches uncounted, but never makes the sum negative.
inline long contextSwitchesBetween(const QMap<QString, long> &before, const QMap<QString, long> &after)
{
    long total = 0;
    for (auto it = after.constBegin(); it != after.constEnd(); ++it)
        total += it.value() - before.value(it.key(), 0);
    return total;
}

// "<what> <resident KiB> <private KiB> <heap in use KiB>"
inline void report(const char *what)
{
    const struct mallinfo2 heap = mallinfo2();
    std::printf("%s %ld %ld %ld\n", what, statusKiB("VmRSS"), statusKiB("RssAnon"),
                long((heap.uordblks + heap.hblkhd) / 1024));
    std::fflush(stdout);
}

// Reports the first expose of a window, and with untilOpaque also the
// moment the window is exposed at full opacity (after the splash).
class ExposeWatcher : public QObject
{
public:
    ExposeWatcher(QWidget *window, bool untilOpaque)
        : m_window(window), m_untilOpaque(untilOpaque)
    {
        qApp->installEventFilter(this);
        connect(&m_poll, &QTimer::timeout, this, &ExposeWatcher::checkOpaque);
    }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && !m_exposed && m_window->windowHandle() == object
                && m_window->windowHandle()->isExposed()) {
            m_exposed = true;
            report("exposed");
            if (!m_untilOpaque)
                QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
            else
                m_poll.start(5);
        }
        return false;
    }

private:
    void checkOpaque()
    {
        if (m_window->windowOpacity() < 1.0)
            return;
        m_poll.stop();
        report("opaque");
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    }

    QWidget *m_window;
    bool m_untilOpaque;
    bool m_exposed = false;
    QTimer m_poll;
};

// The idle window opens this long after the start, past the start's own
// one-off wake-ups: Qt's thread pool lets its idle thread go 30 s after its
// last job, and the pixmap cache, which holds the window icon's pixmaps on
// a desktop, flushes them 30 and 60 s after they were made. What is left
// is what a program hidden all day costs.
constexpr int IdleSettleSeconds = 90;

// Counts the context switches over the idle window, then reports them with
// the memory at its end (what stays resident once everything put off
// past the start has run) and exits.
inline void countIdle(int seconds)
{
    QTimer::singleShot(IdleSettleSeconds * 1000, [seconds] {
        const QMap<QString, long> before = contextSwitchesByThread();
        QTimer::singleShot(seconds * 1000, [before, seconds] {
            const double perMinute = contextSwitchesBetween(before, contextSwitchesByThread()) * 60.0 / seconds;
            const struct mallinfo2 heap = mallinfo2();
            std::printf("idle %.1f %ld %ld %ld\n", perMinute, statusKiB("VmRSS"), statusKiB("RssAnon"),
                        long((heap.uordblks + heap.hblkhd) / 1024));
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
    });
}

inline void makeEmptyWindow(QWidget &window)
{
    window.setWindowFlags(Qt::FramelessWindowHint | Qt::CustomizeWindowHint);
    window.setFixedSize(WindowSize);
}

// The empty window's tray icon: a plain square, no resources.
inline void makeTrayIcon(QSystemTrayIcon &tray)
{
    QPixmap square(22, 22);
    square.fill(QColor(48, 184, 65));
    tray.setIcon(QIcon(square));
    tray.setToolTip(QStringLiteral("Empty"));
    tray.show();
}

} // namespace

#endif // CHILDPROBE_H
