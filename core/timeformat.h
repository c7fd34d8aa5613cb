#ifndef TIMEFORMAT_H
#define TIMEFORMAT_H

#include <QString>

class AppConfig;
class Language;
class QTime;
struct DailyTimes;

// How a time of day is written: on the 24-hour clock ("05:45", "13:15") or,
// when the user chose the 12-hour clock, as "5:45 am" and "1:15 pm" with the
// am/pm words of the catalogue ("Time.Am", "Time.Pm"). Every time the
// windows and notices show goes through this one formatter.
class TimeFormat
{
public:
    // The 24-hour clock.
    TimeFormat() = default;
    // hourSystem is an AppConfig::HourSystem; any other value is the
    // 24-hour clock. The catalogue must outlive the formatter.
    TimeFormat(int hourSystem, const Language *language);
    static TimeFormat fromConfig(const AppConfig &config, const Language &language);

    bool isTwelveHour() const { return m_twelveHour; }
    QString text(int hour, int minute) const;
    QString text(const QTime &time) const;
    QString text(const DailyTimes &day, int slot) const;

private:
    bool m_twelveHour = false;
    const Language *m_language = nullptr;
};

#endif // TIMEFORMAT_H
