#ifndef NEXTPRAYERWATCH_H
#define NEXTPRAYERWATCH_H

#include <QDateTime>
#include <QObject>
#include <QString>

#include <functional>

#include "ui/uicontext.h"

class QTimer;

// The current period and the next prayer of the selected zone, kept up to
// date for the home page and the tray: one single-shot timer at the moment
// the countdown next changes (at most a minute away), or the owner's
// minute ticks, so the program wakes no more than once a minute for it,
// shown or hidden. Also the line about the end of the timetable when it
// is near or past.
class NextPrayerWatch : public QObject
{
    Q_OBJECT
public:
    explicit NextPrayerWatch(const UiContext &ctx, QObject *parent = nullptr);
    ~NextPrayerWatch() override;

    // Where "now" comes from (a test sets a fixed moment); refreshes.
    void setClock(const std::function<QDateTime()> &clock);

    // "Zohor" / "Jumaat" / "Syuruk": the period now; "" without times.
    QString currentText() const { return m_current; }
    // "Asar in 1 h 12 min"; "" without a next prayer.
    QString countdownText() const { return m_countdown; }
    // "Now: Zohor · Asar in 1 h 12 min", or "" without times.
    QString summary() const;
    // The timetable's end, when it is within 60 days or past; else "".
    QString coverageLine() const { return m_coverage; }
    bool isRamadan() const { return m_ramadan; }
    // When the countdown next changes: when the timer fires, or the tick
    // after which the owner refreshes.
    QDateTime nextRefresh() const { return m_nextRefresh; }
    // The owner calls refresh() at each minute boundary (its minute clock,
    // which the notices already wake for): the watch then arms no timer of
    // its own, and the program wakes once a minute for both. The times are
    // whole minutes, so the countdown only changes at a boundary.
    void refreshOnTicks();

public slots:
    void refresh();

signals:
    void changed();

private:
    void schedule(const QDateTime &now, const QDateTime &change);

    UiContext m_ctx;
    std::function<QDateTime()> m_clock;
    QTimer *m_timer = nullptr;
    QString m_current;
    QString m_countdown;
    QString m_coverage;
    bool m_ramadan = false;
    bool m_onTicks = false;
    QDateTime m_nextRefresh;
};

#endif // NEXTPRAYERWATCH_H
