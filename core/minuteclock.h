#ifndef MINUTECLOCK_H
#define MINUTECLOCK_H

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QTimer>

#include <functional>

// The program's one clock: a single-shot timer armed, from the wall clock,
// for just after the next minute boundary, and armed again at each tick, so
// a hidden program wakes once a minute. A tick that comes late (a busy
// machine, suspend) hands on the time it fires at and the notifier catches
// up the minutes it missed.
//
// At each tick the clock compares how far the wall clock moved with how far
// a monotonic timer moved and notes the system time zone: a clock set by
// hand or by the network, a resume from suspend (the monotonic timer stands
// still meanwhile) and a time-zone change are reported by clockChanged().
// fire() ticks at once and re-arms; it is what the notices of a resume and
// of the clock being set call.
class MinuteClock : public QObject
{
    Q_OBJECT
public:
    // Where the clock reads the time; the system's by default, a test's
    // own otherwise.
    struct Source {
        std::function<QDateTime()> now;      // the wall clock, local time
        std::function<qint64()> elapsed;     // a monotonic count, milliseconds
        std::function<QByteArray()> zoneId;  // the system time zone
    };
    static Source systemSource();

    // A tick lands this long after the boundary, so it reads the new minute.
    static constexpr int SlackMilliseconds = 50;
    // Wall clock and monotonic timer may part by this much between ticks
    // before the clock counts as changed.
    static constexpr int JumpToleranceMilliseconds = 2000;

    explicit MinuteClock(Source source = systemSource(), QObject *parent = nullptr);

    // Arms the timer for the next minute boundary.
    void start();
    void stop();
    // The single-shot timer (its interval is the wait armed last).
    QTimer *timer() { return &m_timer; }
    // The wait from `now` until just after the next minute boundary.
    static int millisecondsToNextMinute(const QDateTime &now);

public slots:
    // Ticks now and re-arms from the wall clock.
    void fire();

signals:
    void ticked(const QDateTime &now);
    // Seen at a tick, before ticked(): the wall clock jumped against the
    // monotonic timer (clock set, resume) or the time zone changed.
    void clockChanged();

private:
    void arm(const QDateTime &now);

    Source m_source;
    QTimer m_timer;
    qint64 m_armedWall = 0;     // wall clock when last armed, ms since epoch
    qint64 m_armedElapsed = 0;  // monotonic count when last armed
    QByteArray m_zoneId;
};

#endif // MINUTECLOCK_H
