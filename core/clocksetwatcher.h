#ifndef CLOCKSETWATCHER_H
#define CLOCKSETWATCHER_H

#include <QObject>

#include <memory>

// Tells when the local clock is set: the system's wall clock by hand, by a
// time server that steps it or on a resume from suspend, or the system's
// time zone changed. A wait armed from the wall clock (the minute clock's)
// then ends at the wrong moment, up to a minute off, or what is shown goes
// by the old zone until the next tick; told at once, the minute clock
// ticks and re-arms.
//
// On Linux the kernel cancels a realtime timer armed to be cancelled when
// the clock is set (timerfd, TFD_TIMER_CANCEL_ON_SET), which wakes nothing
// else; the time zone is /etc/localtime, replaced as a whole when it
// changes, which a watch on its folder sees (it wakes only when a file
// there is added, removed or renamed, and tells only when the zone itself
// changed). On Windows the system broadcasts WM_TIMECHANGE to the
// program's windows when the time is set; a time-zone change is taken at
// the minute clock's next tick. Slewing by a time server moves no boundary
// and is not reported.
class ClockSetWatcher : public QObject
{
    Q_OBJECT
public:
    // zoneFolder: the folder that holds the system's time-zone setting;
    // empty for the system's own.
    explicit ClockSetWatcher(const QString &zoneFolder = QString(), QObject *parent = nullptr);
    ~ClockSetWatcher() override;
    ClockSetWatcher(const ClockSetWatcher &) = delete;
    ClockSetWatcher &operator=(const ClockSetWatcher &) = delete;

    // Starts watching; false, logged, when the system gives no such
    // notice: the minute clock's next tick then finds the change itself.
    // Calling it again does nothing.
    bool start();
    bool isWatching() const { return m_watching; }

signals:
    void clockSet();

private:
    struct Private;
    std::unique_ptr<Private> d;
    bool m_started = false;
    bool m_watching = false;
};

#endif // CLOCKSETWATCHER_H
