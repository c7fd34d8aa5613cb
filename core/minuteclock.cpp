#include "core/minuteclock.h"

#include <QElapsedTimer>
#include <QTimeZone>

#include <memory>

#include "core/logcategories.h"

MinuteClock::Source MinuteClock::systemSource()
{
    auto monotonic = std::make_shared<QElapsedTimer>();
    monotonic->start();
    return {[] { return QDateTime::currentDateTime(); },
            [monotonic] { return monotonic->elapsed(); },
            [] { return QTimeZone::systemTimeZoneId(); }};
}

MinuteClock::MinuteClock(Source source, QObject *parent)
    : QObject(parent)
    , m_source(std::move(source))
{
    m_timer.setSingleShot(true);
    // A coarse timer may fire seconds early on a minute's wait; this one
    // wakes once, at the boundary.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &MinuteClock::fire);
}

void MinuteClock::start()
{
    m_zoneId = m_source.zoneId();
    arm(m_source.now());
}

void MinuteClock::stop()
{
    m_timer.stop();
}

int MinuteClock::millisecondsToNextMinute(const QDateTime &now)
{
    const int intoMinute = now.time().second() * 1000 + now.time().msec();
    return 60000 - intoMinute + SlackMilliseconds;
}

void MinuteClock::fire()
{
    const QDateTime now = m_source.now();
    const qint64 wallMoved = now.toMSecsSinceEpoch() - m_armedWall;
    const qint64 elapsedMoved = m_source.elapsed() - m_armedElapsed;
    const QByteArray zoneId = m_source.zoneId();
    const bool jumped = qAbs(wallMoved - elapsedMoved) > JumpToleranceMilliseconds;
    const bool zoneChanged = zoneId != m_zoneId;
    m_zoneId = zoneId;
    if (jumped || zoneChanged) {
        qCInfo(lcNotifier).noquote() << "clock changed: wall clock moved" << wallMoved << "ms in"
                                     << elapsedMoved << "ms, time zone" << zoneId;
        emit clockChanged();
    }
    emit ticked(now);
    arm(m_source.now());
}

void MinuteClock::arm(const QDateTime &now)
{
    m_armedWall = now.toMSecsSinceEpoch();
    m_armedElapsed = m_source.elapsed();
    m_timer.start(millisecondsToNextMinute(now));
}
