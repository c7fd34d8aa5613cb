#ifndef RESUMEWATCHER_H
#define RESUMEWATCHER_H

#include <QObject>

// Tells when the machine wakes from suspend, so the minute clock can tick
// and re-arm at once instead of waiting out the wait it armed before
// sleeping (monotonic timers stand still in suspend). On Linux it listens
// to logind's PrepareForSleep signal on the system bus; on Windows to
// WM_POWERBROADCAST. Where neither is there it never signals, and the next
// tick still catches up.
class ResumeWatcher : public QObject
{
    Q_OBJECT
public:
    explicit ResumeWatcher(QObject *parent = nullptr);
    ~ResumeWatcher() override;

signals:
    void resumed();

private slots:
    void slotPrepareForSleep(bool sleeping);

private:
    struct Private;
    Private *d = nullptr;
};

#endif // RESUMEWATCHER_H
