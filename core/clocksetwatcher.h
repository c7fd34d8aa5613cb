#ifndef CLOCKSETWATCHER_H
#define CLOCKSETWATCHER_H

#include <QObject>

#include <memory>

// Tells when the system's wall clock is set: by hand, by a time server
// that steps it, on a resume from suspend. A wait armed from the wall
// clock (the minute clock's) then ends at the wrong moment, up to a
// minute off; told at once, the minute clock ticks and re-arms. On Linux
// the kernel cancels a realtime timer armed to be cancelled when the clock
// is set (timerfd, TFD_TIMER_CANCEL_ON_SET), which wakes nothing else; on
// Windows the system broadcasts WM_TIMECHANGE to the program's windows.
// Slewing by a time server moves no boundary and is not reported.
class ClockSetWatcher : public QObject
{
    Q_OBJECT
public:
    explicit ClockSetWatcher(QObject *parent = nullptr);
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
