#ifndef PRAYERCONVENTION_H
#define PRAYERCONVENTION_H

#include <QString>
#include <QStringList>

#include "core/prayerslot.h"

// One calculation convention: how an authority turns the sun's positions
// into the eight daily times. The shipped records live in
// data/conventions.csv (documented in data/CONVENTIONS.md); ConventionCatalogue
// reads them.
struct PrayerConvention
{
    // How a computed moment becomes a clock minute.
    enum Rounding {
        RoundUp,       // every start rounded up, Syuruk down (a start is never early)
        RoundNearest   // to the nearest minute
    };
    // What holds Subuh and Isyak where twilight lasts long or all night.
    enum HighLatitudeRule {
        NoHighLatitudeRule,  // the angles alone; a day without the angle takes the angle-based share
        MiddleOfNight,       // Subuh no earlier than the middle of the night, Isyak no later
        OneSeventh,          // one seventh of the night after sunset / before sunrise
        AngleBased           // angle/60 of the night
    };
    // How twilight is found.
    enum Twilight {
        TwilightByAngle,     // the sun's depression angle
        TwilightSeasonal     // Moonsighting Committee's seasonal minutes (and one seventh above 55 degrees)
    };

    QString code;
    QString name;
    double subuhAngle = 18;
    double isyakAngle = 18;
    double isyakMinutes = 0;          // minutes after Maghrib; 0 = by angle
    double isyakMinutesRamadan = 0;   // the same in Ramadan
    int asarFactor = 1;               // shadow length: 1 Shafi'i, 2 Hanafi
    int imsakMinutes = 10;            // Imsak this many minutes before Subuh
    double adjustment[PrayerSlotCount] = {};   // minutes added before rounding (Imsak unused)
    Rounding rounding = RoundUp;
    HighLatitudeRule highLatitude = AngleBased;
    Twilight twilight = TwilightByAngle;
    QStringList countries;   // ISO 3166 codes of the countries whose places it is proposed for

    bool isValid() const { return !code.isEmpty(); }

    // Names as written in data/conventions.csv and on the command line.
    static QString highLatitudeName(HighLatitudeRule rule);
    static bool parseHighLatitude(const QString &text, HighLatitudeRule *rule);
    static bool parseRounding(const QString &text, Rounding *rounding);
};

#endif // PRAYERCONVENTION_H
