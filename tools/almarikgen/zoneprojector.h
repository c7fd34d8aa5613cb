#ifndef ZONEPROJECTOR_H
#define ZONEPROJECTOR_H

#include "jakimtable.h"
#include "zonemodel.h"

#include <QVector>

// Computes a Malaysian zone's times for other days from its published days.
//
// The published minute P of a base day holds the exact JAKIM value x in
// [P, P + 1). The model gives m = T + offset; the published phase r = x - m
// is estimated as the value nearest to zero that is consistent with the
// published minutes of the nearby known days (their intervals intersected,
// the window shrinking until they agree), so a model that is a little off
// at some season is pulled back to what JAKIM published. The target day's
// minute is then floor(T(target) + offset + r): the published minute carried
// forward by the computed change between the two days.
class ZoneProjector
{
public:
    struct Options
    {
        bool carry = true;        // false: the model alone, floor(T + offset)
        int window = 30;          // days either side used for the phase
        double margin = 0.02;     // keep the phase this far inside [P, P + 1)
        double subuhShift = 0;    // added to the Subuh angle of the targets
        double isyakShift = 0;    // added to the Isyak angle of the targets
    };

    // `base` are published days; `known[i]` tells whether base[i] may be
    // used. For every target date, `baseOf[j]` is the index of its base day
    // (which must be known). Returns one ZoneDay per target.
    static QVector<ZoneDay> project(const ZoneModel &model, const QVector<ZoneDay> &base,
                                    const QVector<bool> &known, const QVector<QDate> &targets,
                                    const QVector<int> &baseOf, const Options &options);

    // The zone's whole year `year`, each day carried from the same calendar
    // day of the published year (29 February from 28 February).
    static QVector<ZoneDay> projectYear(const ZoneModel &model, const QVector<ZoneDay> &published,
                                        int year, const Options &options);
};

#endif
