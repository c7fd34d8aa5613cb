#include "core/clocksetwatcher.h"

#include <QFileSystemWatcher>
#include <QSocketNotifier>
#include <QTimeZone>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <sys/timerfd.h>
#include <unistd.h>

#include "core/logcategories.h"

namespace {

// Armed for a moment in the twenty-third century (the year 2242): the
// timer never expires, it is only ever cancelled.
bool armForCancel(int fd)
{
    itimerspec expiry {};
    expiry.it_value.tv_sec = static_cast<time_t>(INT32_MAX) * 4;
    return timerfd_settime(fd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &expiry, nullptr) == 0;
}

} // namespace

struct ClockSetWatcher::Private {
    int fd = -1;
    std::unique_ptr<QSocketNotifier> notifier;
    QString zoneFolder;
    QByteArray zoneId;
    std::unique_ptr<QFileSystemWatcher> zoneWatcher;

    // Notes the zone, and tells the owner when a change in the folder
    // brings another one.
    void watchZone(ClockSetWatcher *owner)
    {
        zoneId = QTimeZone::systemTimeZoneId();
        zoneWatcher.reset(new QFileSystemWatcher);
        if (!zoneWatcher->addPath(zoneFolder)) {
            qCWarning(lcNotifier).noquote() << "a time-zone change is only seen at the next minute: cannot watch"
                                            << zoneFolder;
            return;
        }
        QObject::connect(zoneWatcher.get(), &QFileSystemWatcher::directoryChanged, owner, [this, owner] {
            const QByteArray id = QTimeZone::systemTimeZoneId();
            if (id == zoneId)
                return;
            zoneId = id;
            emit owner->clockSet();
        });
    }

    ~Private()
    {
        notifier.reset();
        if (fd >= 0)
            ::close(fd);
    }
};

ClockSetWatcher::ClockSetWatcher(const QString &zoneFolder, QObject *parent)
    : QObject(parent)
    , d(new Private)
{
    d->zoneFolder = zoneFolder.isEmpty() ? QStringLiteral("/etc") : zoneFolder;
}

ClockSetWatcher::~ClockSetWatcher() = default;

bool ClockSetWatcher::start()
{
    if (m_started)
        return m_watching;
    m_started = true;
    d->watchZone(this);
    d->fd = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (d->fd < 0 || !armForCancel(d->fd)) {
        const int error = errno;
        qCWarning(lcNotifier) << "a clock set by hand or by a time server is only seen at the next minute:"
                              << std::strerror(error);
        return false;
    }
    d->notifier.reset(new QSocketNotifier(d->fd, QSocketNotifier::Read));
    connect(d->notifier.get(), &QSocketNotifier::activated, this, [this] {
        std::uint64_t expirations = 0;
        const bool cancelled = ::read(d->fd, &expirations, sizeof expirations) < 0 && errno == ECANCELED;
        // A cancelled timer stays cancelled (and readable) until armed
        // again.
        if (!armForCancel(d->fd)) {
            const int error = errno;
            qCWarning(lcNotifier) << "the clock is no longer watched:" << std::strerror(error);
            d->notifier->setEnabled(false);
            m_watching = false;
        }
        if (cancelled)
            emit clockSet();
    });
    m_watching = true;
    return true;
}
