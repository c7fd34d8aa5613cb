#include "core/timeformat.h"

#include <QTime>

#include "core/appconfig.h"
#include "core/dailytimes.h"
#include "core/language.h"

TimeFormat::TimeFormat(int hourSystem, const Language *language)
    : m_twelveHour(hourSystem == AppConfig::Hour12 && language)
    , m_language(language)
{
}

TimeFormat TimeFormat::fromConfig(const AppConfig &config, const Language &language)
{
    return TimeFormat(config.hourSystem, &language);
}

namespace {

// "07:05": a month's grid shows some 250 of them, and QString::arg spends
// more on its general number formatting than on the text.
QString clockText(int hour, int minute)
{
    if (hour < 0 || hour > 99 || minute < 0 || minute > 99) {
        return QStringLiteral("%1:%2").arg(hour, 2, 10, QLatin1Char('0'))
                .arg(minute, 2, 10, QLatin1Char('0'));
    }
    const QChar digits[5] = {QLatin1Char(char('0' + hour / 10)), QLatin1Char(char('0' + hour % 10)),
                             QLatin1Char(':'), QLatin1Char(char('0' + minute / 10)),
                             QLatin1Char(char('0' + minute % 10))};
    return QString(digits, 5);
}

} // namespace

QString TimeFormat::text(int hour, int minute) const
{
    if (!m_twelveHour)
        return clockText(hour, minute);
    // 00:10 is 12:10 am, 12:10 is 12:10 pm.
    const int shown = hour % 12 == 0 ? 12 : hour % 12;
    const QString suffix = m_language->text(hour < 12 ? QStringLiteral("Time.Am") : QStringLiteral("Time.Pm"));
    return QStringLiteral("%1:%2 %3").arg(shown).arg(minute, 2, 10, QLatin1Char('0')).arg(suffix);
}

QString TimeFormat::text(const QTime &time) const
{
    return text(time.hour(), time.minute());
}

QString TimeFormat::text(const DailyTimes &day, int slot) const
{
    if (slot < 0 || slot >= PrayerSlotCount)
        return QString();
    return text(day.hour(slot), day.minute(slot));
}
