#include "ui/pages/nextprayerwatch.h"

#include <QTimer>

#include "core/almarikmanager.h"
#include "core/appconfig.h"
#include "core/coveragenotice.h"
#include "core/islamicdays.h"
#include "core/language.h"
#include "core/nextprayer.h"

namespace {
// A timer may fire a little early; never spin on a moment just missed.
constexpr qint64 ShortestWaitMs = 250;
constexpr qint64 LongestWaitMs = 60 * 1000;
}

NextPrayerWatch::NextPrayerWatch(const UiContext &ctx, QObject *parent)
    : QObject(parent)
    , m_ctx(ctx)
    , m_clock([] { return QDateTime::currentDateTime(); })
    , m_timer(new QTimer(this))
{
    m_timer->setSingleShot(true);
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &NextPrayerWatch::refresh);
    connect(m_ctx.language, &Language::updated, this, &NextPrayerWatch::refresh);
    connect(m_ctx.almarikManager, &AlmarikManager::updated, this, &NextPrayerWatch::refresh);
    refresh();
}

NextPrayerWatch::~NextPrayerWatch() = default;

void NextPrayerWatch::setClock(const std::function<QDateTime()> &clock)
{
    m_clock = clock;
    refresh();
}

void NextPrayerWatch::refreshOnTicks()
{
    m_onTicks = true;
    m_timer->stop();
}

QString NextPrayerWatch::summary() const
{
    if (m_current.isEmpty())
        return m_countdown;
    const QString now = m_ctx.language->text(QStringLiteral("Countdown.Now")).arg(m_current);
    return m_countdown.isEmpty() ? now : now + QStringLiteral(" \u00b7 ") + m_countdown;
}

void NextPrayerWatch::refresh()
{
    const AlmarikManager &manager = *m_ctx.almarikManager;
    const QDateTime now = m_clock();
    const QDate date = now.date();
    DailyTimes today;
    DailyTimes tomorrow;
    const bool haveToday = manager.timesOfDay(date.day(), date.month(), date.year(), today);
    const QDate next = date.addDays(1);
    const bool haveTomorrow = manager.timesOfDay(next.day(), next.month(), next.year(), tomorrow);

    const int adjustment = IslamicDays::adjustmentFromSetting(m_ctx.config->hijriAdjustment);
    m_ramadan = haveToday && IslamicDays::isRamadan(manager, date, adjustment);
    m_current.clear();
    m_countdown.clear();
    QDateTime change;
    if (haveToday) {
        const NextPrayer prayer(now, today, haveTomorrow ? &tomorrow : nullptr);
        if (prayer.isValid()) {
            m_current = prayer.currentText(*m_ctx.language, m_ramadan);
            m_countdown = prayer.countdownText(*m_ctx.language, m_ramadan);
            change = prayer.nextChange();
        }
    }
    m_coverage = CoverageNotice(date, manager.lastCoveredDay()).line(*m_ctx.language);
    schedule(now, change);
    emit changed();
}

void NextPrayerWatch::schedule(const QDateTime &now, const QDateTime &change)
{
    // Without times the page still looks again once a minute (a new day
    // or new data may bring them).
    qint64 wait = change.isValid() ? now.msecsTo(change) : LongestWaitMs;
    wait = qBound(ShortestWaitMs, wait, LongestWaitMs);
    m_nextRefresh = now.addMSecs(wait);
    if (!m_onTicks)
        m_timer->start(static_cast<int>(wait));
}
