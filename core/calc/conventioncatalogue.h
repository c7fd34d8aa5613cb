#ifndef CONVENTIONCATALOGUE_H
#define CONVENTIONCATALOGUE_H

#include <QList>
#include <QString>
#include <QStringList>

#include "core/calc/prayerconvention.h"

// The calculation conventions as data: one record per row of a
// conventions CSV (the shipped data/conventions.csv is built into the
// program and read by builtIn()).
class ConventionCatalogue
{
public:
    // Parses the CSV text; false with `error` set (and nothing kept) when a
    // row is malformed or a value out of range.
    bool parse(const QString &csvText, QString *error);

    // The catalogue of data/conventions.csv as built into the program.
    static const ConventionCatalogue &builtIn();

    const QList<PrayerConvention> &conventions() const { return m_conventions; }
    QStringList codes() const;
    // The convention to propose for a place in a country (ISO 3166 code,
    // the `countries` column); MWL where no record names the country.
    QString forCountry(const QString &countryCode) const;
    // The record with this code (case-insensitive); an invalid record when
    // there is none.
    PrayerConvention find(const QString &code) const;

private:
    QList<PrayerConvention> m_conventions;
};

#endif // CONVENTIONCATALOGUE_H
