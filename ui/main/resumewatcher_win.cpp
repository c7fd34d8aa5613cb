#include "ui/main/resumewatcher.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>

#include <windows.h>

// Windows sends WM_POWERBROADCAST to every top-level window; the filter
// sees it on its way to any of the program's windows (the main window is
// one even while hidden).
struct ResumeWatcher::Private : QAbstractNativeEventFilter {
    ResumeWatcher *owner = nullptr;
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

ResumeWatcher::ResumeWatcher(QObject *parent)
    : QObject(parent)
    , d(new Private)
{
    d->owner = this;
    QCoreApplication::instance()->installNativeEventFilter(d);
}

ResumeWatcher::~ResumeWatcher()
{
    QCoreApplication::instance()->removeNativeEventFilter(d);
    delete d;
}

void ResumeWatcher::slotPrepareForSleep(bool sleeping)
{
    if (!sleeping)
        emit resumed();
}
