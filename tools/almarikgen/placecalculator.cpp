#include "placecalculator.h"

#include "hijricalculator.h"
#include "core/calc/conventioncatalogue.h"
#include "core/calc/prayercalculator.h"

#include <QDateTime>
#include <QHash>

#include <cmath>

namespace {

// First day of Hijri month (year, month) in JAKIM's takwim, looked for
// within 40 days of `near`; null when it is not there.
QDate takwimMonthStart(const HijriCalculator &hijri, int year, int month, const QDate &near)
{
    for (QDate d = near.addDays(-40); d <= near.addDays(40); d = d.addDays(1)) {
        const HijriCalculator::HijriDate h = hijri.date(d);
        if (h.year == year && h.month == month && h.day == 1)
            return d;
    }
    return QDate();
}

} // namespace

QDate PlaceCalculator::ummAlQuraMonthStart(const QDate &jakimStart)
{
    const double utcOffset = 3.0;   // Makkah, no daylight saving
    const CrescentCriterion makkah(21.4225, 39.8262, utcOffset);
    // The conjunction that begins the month lies a day or two before
    // JAKIM's first day.
    const double conjunction = CrescentCriterion::conjunctionNear(double(jakimStart.toJulianDay()) - 1.5);
    const qint64 ms = qint64(std::floor((conjunction - 2440587.5) * 86400000.0));
    QDate evening = QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC).addSecs(qint64(utcOffset * 3600)).date();
    for (int i = 0; i < 3; ++i, evening = evening.addDays(1)) {
        CrescentCriterion::Sighting s;
        if (makkah.sighting(evening, &s) && CrescentCriterion::meetsUmmAlQuraRule(s))
            return evening.addDays(1);
    }
    return evening;
}

int PlaceCalculator::districtOffset(const PlaceRecord &place)
{
    if (place.method != QLatin1String("BRUNEI"))
        return 0;
    if (place.name == QLatin1String("Daerah Belait"))
        return 3;
    if (place.name == QLatin1String("Tutong"))
        return 1;
    return 0;
}

void PlaceCalculator::computationPoint(const PlaceRecord &place, const CalculationPlaces &catalogue,
                                       double *latitude, double *longitude)
{
    *latitude = place.latitude;
    *longitude = place.longitude;
    if (place.method == QLatin1String("BRUNEI")) {
        if (const PlaceRecord *capital = catalogue.find(QStringLiteral("Brunei"))) {
            *latitude = capital->latitude;
            *longitude = capital->longitude;
        }
    }
}

QVector<ZoneDay> PlaceCalculator::computeYear(const PlaceRecord &place, const CalculationPlaces &catalogue,
                                              int year, const HijriCalculator *hijri, QString *error)
{
    const PrayerConvention conv = ConventionCatalogue::builtIn().find(place.method);
    if (!conv.isValid()) {
        if (error)
            *error = QStringLiteral("%1: unknown convention '%2'").arg(place.name, place.method);
        return {};
    }
    const QTimeZone zone(place.timeZone.toUtf8());
    if (!zone.isValid()) {
        if (error)
            *error = QStringLiteral("%1: unknown time zone '%2'").arg(place.name, place.timeZone);
        return {};
    }
    double lat = 0, lon = 0;
    computationPoint(place, catalogue, &lat, &lon);
    PrayerCalculator calculator(lat, lon, zone, conv);
    const int extra = districtOffset(place);
    for (int slot = Subuh; slot < PrayerSlotCount; ++slot)
        calculator.setMinutesAdded(slot, extra);

    // Ramadan by the takwim, or by Umm al-Qura's bounds for a place that
    // keeps that calendar (Makkah). Those bounds are a day or so from the
    // takwim's, so a day is in Umm al-Qura's Ramadan only if the takwim
    // has Ramadan within two days of it.
    const bool ummAlQura = conv.code == QLatin1String("UMMALQURA");
    QHash<int, QPair<QDate, QDate>> ramadanOf;   // Hijri year -> first day, day after the last
    calculator.setRamadanRule([&](const QDate &d) {
        if (!hijri)
            return false;
        if (!ummAlQura) {
            const HijriCalculator::HijriDate h = hijri->date(d);
            return h.isValid() && h.month == 9;
        }
        for (int k = -2; k <= 2; ++k) {
            const HijriCalculator::HijriDate h = hijri->date(d.addDays(k));
            if (!h.isValid() || h.month != 9)
                continue;
            if (!ramadanOf.contains(h.year)) {
                const QDate first = takwimMonthStart(*hijri, h.year, 9, d);
                const QDate next = takwimMonthStart(*hijri, h.year, 10, d);
                ramadanOf.insert(h.year, qMakePair(first.isValid() ? ummAlQuraMonthStart(first) : QDate(),
                                                   next.isValid() ? ummAlQuraMonthStart(next) : QDate()));
            }
            const QPair<QDate, QDate> span = ramadanOf.value(h.year);
            return span.first.isValid() && span.second.isValid() && d >= span.first && d < span.second;
        }
        return false;
    });

    QVector<ZoneDay> days;
    for (QDate d(year, 1, 1); d.year() == year; d = d.addDays(1)) {
        ZoneDay day;
        day.date = d;
        if (!calculator.timesOfDay(d, day.minutes)) {
            if (error)
                *error = QStringLiteral("%1: no times on %2 (the sun does not rise or set)")
                             .arg(place.name, d.toString(Qt::ISODate));
            return {};
        }
        days << day;
    }
    return days;
}
