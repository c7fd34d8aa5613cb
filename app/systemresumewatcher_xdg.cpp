#include "app/systemresumewatcher.h"

#include "core/logcategories.h"
#include "core/programmodule.h"

namespace {
using WatchSleep = bool (*)(QObject *receiver);
}

struct SystemResumeWatcher::Private {
    explicit Private(const QString &path)
        : module("AlmarikDesktop", path)
    {
    }
    ProgramModule module;
};

SystemResumeWatcher::SystemResumeWatcher(const QString &modulePath, QObject *parent)
    : ResumeWatcher(parent)
    , d(new Private(modulePath))
{
}

SystemResumeWatcher::~SystemResumeWatcher()
{
    delete d;
}

bool SystemResumeWatcher::start()
{
    if (m_started)
        return m_watching;
    m_started = true;
    auto watch = d->module.entry<WatchSleep>("almarikWatchSleep");
    if (!watch) {
        qCWarning(lcUi) << "resume from suspend is not watched: no desktop module";
        return false;
    }
    // The module connects the bus's signal to slotPrepareForSleep().
    m_watching = watch(this);
    return m_watching;
}

void SystemResumeWatcher::slotPrepareForSleep(bool sleeping)
{
    if (!sleeping)
        emit resumed();
}
