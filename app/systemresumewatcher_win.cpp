#include "app/systemresumewatcher.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>

#include <windows.h>

// Windows sends WM_POWERBROADCAST to every top-level window; the filter
// sees it on its way to any of the program's windows (the main window is
// one even while hidden).
struct SystemResumeWatcher::Private : QAbstractNativeEventFilter {
    SystemResumeWatcher *owner = nullptr;
    bool nativeEventFilter(const QByteArray &eventType, void *message, long *) override
    {
        if (eventType != "windows_generic_MSG")
            return false;
        const MSG *msg = static_cast<const MSG *>(message);
        if (msg->message == WM_POWERBROADCAST
            && (msg->wParam == PBT_APMRESUMEAUTOMATIC || msg->wParam == PBT_APMRESUMESUSPEND))
            QMetaObject::invokeMethod(owner, "slotPrepareForSleep", Qt::QueuedConnection, Q_ARG(bool, false));
        return false;
    }
};

SystemResumeWatcher::SystemResumeWatcher(const QString &, QObject *parent)
    : ResumeWatcher(parent)
    , d(new Private)
{
    d->owner = this;
}

SystemResumeWatcher::~SystemResumeWatcher()
{
    if (m_watching)
        QCoreApplication::instance()->removeNativeEventFilter(d);
    delete d;
}

bool SystemResumeWatcher::start()
{
    if (m_started)
        return m_watching;
    m_started = true;
    QCoreApplication::instance()->installNativeEventFilter(d);
    m_watching = true;
    return true;
}

void SystemResumeWatcher::slotPrepareForSleep(bool sleeping)
{
    if (!sleeping)
        emit resumed();
}
