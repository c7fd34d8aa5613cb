#include "ui/main/resumewatcher.h"

#include <QDBusConnection>

#include "core/logcategories.h"

struct ResumeWatcher::Private {};

ResumeWatcher::ResumeWatcher(QObject *parent)
    : QObject(parent)
{
    // No system bus or no logind (a container, another init): no signal,
    // and the minute clock's next tick catches up on its own.
    const bool connected = QDBusConnection::systemBus().connect(
            QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
            QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"), this,
            SLOT(slotPrepareForSleep(bool)));
    if (!connected)
        qCDebug(lcUi) << "no logind on the system bus: resume from suspend is not watched";
}

ResumeWatcher::~ResumeWatcher() = default;

void ResumeWatcher::slotPrepareForSleep(bool sleeping)
{
    if (!sleeping)
        emit resumed();
}
