#include "core/clocksetwatcher.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>

#include <windows.h>

// Windows sends WM_TIMECHANGE to every top-level window when the system
// time is set; the filter sees it on its way to any of the program's
// windows (the main window is one even while hidden).
struct ClockSetWatcher::Private : QAbstractNativeEventFilter {
    ClockSetWatcher *owner = nullptr;
    bool installed = false;

    bool nativeEventFilter(const QByteArray &eventType, void *message, long *) override
    {
        if (eventType != "windows_generic_MSG")
            return false;
        if (static_cast<const MSG *>(message)->message == WM_TIMECHANGE)
            QMetaObject::invokeMethod(owner, [watcher = owner] { emit watcher->clockSet(); }, Qt::QueuedConnection);
        return false;
    }
};

ClockSetWatcher::ClockSetWatcher(const QString &, QObject *parent)
    : QObject(parent)
    , d(new Private)
{
    d->owner = this;
}

ClockSetWatcher::~ClockSetWatcher()
{
    if (d->installed && QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(d.get());
}

bool ClockSetWatcher::start()
{
    if (m_started)
        return m_watching;
    m_started = true;
    QCoreApplication::instance()->installNativeEventFilter(d.get());
    d->installed = true;
    m_watching = true;
    return true;
}
