#ifndef TIMETABLEFITTER_H
#define TIMETABLEFITTER_H

#include <QDate>
#include <QList>
#include <QString>
#include <QTextStream>
#include <QVector>

#include "core/calc/prayercalculator.h"

// Calibrates a convention on an authority's published timetables: for
// each prayer, the minutes to add to the computed moment (reference point
// and precaution together) so that the convention's rounding gives the
// published minute on as many days as possible. Fitted on some years and
// checked on the others.
class TimetableFitter
{
public:
    struct Day
    {
        QDate date;
        int minutes[PrayerSlotCount];   // -1 where the table has no time
    };

    struct Fit
    {
        QList<int> fitYears;
        int checkYear = 0;   // 0: no year held out
        double latitude = 0;   // the reference point
        double longitude = 0;
        PrayerConvention::Rounding rounding = PrayerConvention::RoundUp;
        double offset[PrayerSlotCount] = {};
        double exactFit[PrayerSlotCount] = {};     // share of fitted days exact
        double exactCheck[PrayerSlotCount] = {};   // share of checked days exact
        double withinOneCheck[PrayerSlotCount] = {};
    };

    // Reads a published table (date,imsak,subuh,syuruk,dhuha,zohor,asar,
    // maghrib,isyak; HH:MM, empty where not published).
    static bool readTable(const QString &path, QVector<Day> *days, QString *error);

    // `calculator` computes the place with the convention's adjustments at
    // zero; `days` holds every published day.
    TimetableFitter(const PrayerCalculator &calculator, const QVector<Day> &days);

    // Fits on `fitYears` and, when checkYear is not 0, scores that year.
    Fit fit(const QList<int> &fitYears, int checkYear) const;

    // The calibration file: one row per fit and prayer.
    static void write(QTextStream &out, const QString &place, const QList<Fit> &fits);

private:
    struct Sample
    {
        int year;
        double computed;
        int published;
    };
    const PrayerConvention m_convention;
    QVector<Sample> m_samples[PrayerSlotCount];
};

#endif // TIMETABLEFITTER_H
