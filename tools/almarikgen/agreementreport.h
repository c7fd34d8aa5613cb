#ifndef AGREEMENTREPORT_H
#define AGREEMENTREPORT_H

#include "jakimtable.h"
#include "calculationplaces.h"
#include "zoneprojector.h"

#include <QMap>
#include <QString>
#include <QTextStream>

// How well the Malaysian method reproduces the published year when it
// cannot see the day it predicts.
//
// Two-fold cross-validation: the zone is fitted on the even days of the
// year and every odd day is computed, carried from the published day before
// it; then the roles swap (fit on odd days, compute even days). Every
// published day is predicted once by a model that never saw it, and the base
// day it is carried from is one the model was fitted on.
class AgreementReport
{
public:
    struct Counts
    {
        int days = 0;
        int exact[JakimTable::PrayerCount] = {};
        int within1[JakimTable::PrayerCount] = {};
        void add(const Counts &other);
    };

    struct ZoneResult
    {
        Counts carried;    // the method used for 2027: carried forward
        Counts modelOnly;  // the reference-point model alone
    };

    // Runs the cross-validation for `zones` (all when empty).
    static QMap<QString, ZoneResult> crossValidate(const JakimTable &table, const CalculationPlaces &places,
                                                   const QStringList &zones,
                                                   const ZoneProjector::Options &options);

    // Zone centre used as the fitting start, with a fallback for zones
    // whose places have no coordinates.
    static void zoneCentre(const CalculationPlaces &places, const QString &zone, double *latitude,
                           double *longitude);

    static void print(QTextStream &out, int year, const QMap<QString, ZoneResult> &results);
};

#endif
