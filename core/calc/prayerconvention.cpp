#include "core/calc/prayerconvention.h"

QString PrayerConvention::highLatitudeName(HighLatitudeRule rule)
{
    switch (rule) {
    case NoHighLatitudeRule:
        return QStringLiteral("none");
    case MiddleOfNight:
        return QStringLiteral("middle");
    case OneSeventh:
        return QStringLiteral("seventh");
    case AngleBased:
        break;
    }
    return QStringLiteral("angle");
}

bool PrayerConvention::parseHighLatitude(const QString &text, HighLatitudeRule *rule)
{
    for (HighLatitudeRule r : {NoHighLatitudeRule, MiddleOfNight, OneSeventh, AngleBased}) {
        if (text.compare(highLatitudeName(r), Qt::CaseInsensitive) == 0) {
            *rule = r;
            return true;
        }
    }
    return false;
}

bool PrayerConvention::parseRounding(const QString &text, Rounding *rounding)
{
    if (text == QLatin1String("up"))
        *rounding = RoundUp;
    else if (text == QLatin1String("nearest"))
        *rounding = RoundNearest;
    else
        return false;
    return true;
}
