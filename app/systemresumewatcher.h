#ifndef SYSTEMRESUMEWATCHER_H
#define SYSTEMRESUMEWATCHER_H

#include <QString>

#include "ui/main/resumewatcher.h"

// The system's notice of a resume from suspend. On Linux it listens to
// logind's PrepareForSleep signal on the system bus, through the desktop
// module (AlmarikDesktop, Qt D-Bus) loaded by start(); on Windows to
// WM_POWERBROADCAST. Nothing is watched before start(), which the
// application object calls once the program is up.
class SystemResumeWatcher : public ResumeWatcher
{
    Q_OBJECT
public:
    // modulePath: the desktop module's file; empty for the one beside the
    // program.
    explicit SystemResumeWatcher(const QString &modulePath = QString(), QObject *parent = nullptr);
    ~SystemResumeWatcher() override;
    SystemResumeWatcher(const SystemResumeWatcher &) = delete;
    SystemResumeWatcher &operator=(const SystemResumeWatcher &) = delete;

    // Starts watching; false when the system's notice cannot be had (no
    // module, no system bus, no logind), which is logged: the minute
    // clock's next tick then catches up on its own. Calling it again does
    // nothing.
    bool start();
    bool isWatching() const { return m_watching; }

private slots:
    void slotPrepareForSleep(bool sleeping);

private:
    struct Private;
    Private *d = nullptr;
    bool m_started = false;
    bool m_watching = false;
};

#endif // SYSTEMRESUMEWATCHER_H
