#ifndef RESUMEWATCHER_H
#define RESUMEWATCHER_H

#include <QObject>

// Tells when the machine wakes from suspend, so the minute clock can tick
// and re-arm at once instead of waiting out the wait it armed before
// sleeping (monotonic timers stand still in suspend). The application
// object supplies the system's watcher; tests supply their own. Where
// there is none, nothing signals and the clock's next tick still catches
// up.
class ResumeWatcher : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    void resumed();
};

#endif // RESUMEWATCHER_H
