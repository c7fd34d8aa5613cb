#ifndef CLOCKFORMAT_H
#define CLOCKFORMAT_H

#include <QString>

class AppConfig;

// The form (QTime's) in which the windows show a time of day: the
// 12-hour or the 24-hour clock, as the user set it.
class ClockFormat
{
public:
    static QString of(const AppConfig &config);
};

#endif // CLOCKFORMAT_H
