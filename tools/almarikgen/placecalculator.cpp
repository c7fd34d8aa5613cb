#include "placecalculator.h"

#include "hijricalculator.h"
#include "solarcalc.h"

#include <QDateTime>
#include <QHash>

#include <cmath>

namespace {

constexpr double DuhaAltitude = 4.5;

// Local clock minutes (after midnight of `date`) of the moment `utcMinutes`
// after 00:00 UTC of `date`.
double localMinutes(const QTimeZone &zone, const QDate &date, double utcMinutes)
{
    const QDateTime utcMidnight(date, QTime(0, 0), Qt::UTC);
    const qint64 seconds = qint64(std::floor(utcMinutes * 60.0));
    const QDateTime moment = utcMidnight.addSecs(seconds);
    const int offset = zone.offsetFromUtc(moment);
    return utcMinutes + offset / 60.0;
}

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

bool PlaceCalculator::convention(const QString &code, Convention *c)
{
    Convention r;
    r.code = code;
    if (code == QLatin1String("KEMENAG")) {
        // Ihtiyat: 2 minutes on each prayer start, 2 off sunrise; Zohor is
        // published about 3 minutes after transit.
        r.fajrAngle = 20;
        r.ishaAngle = 18;
        r.offsets[JakimTable::Subuh] = 2;
        r.offsets[JakimTable::Syuruk] = -2;
        r.offsets[JakimTable::Zohor] = 3;
        r.offsets[JakimTable::Asar] = 2;
        r.offsets[JakimTable::Maghrib] = 2;
        r.offsets[JakimTable::Isyak] = 2;
    } else if (code == QLatin1String("MUIS")) {
        r.fajrAngle = 20;
        r.ishaAngle = 18;
    } else if (code == QLatin1String("BRUNEI")) {
        r.fajrAngle = 20;
        r.ishaAngle = 18;
        r.offsets[JakimTable::Zohor] = 1;
    } else if (code == QLatin1String("UMMALQURA")) {
        r.fajrAngle = 18.5;
        r.ishaInterval = 90;
        r.ishaIntervalRamadan = 120;
    } else if (code == QLatin1String("QATAR")) {
        r.fajrAngle = 18;
        r.ishaInterval = 90;
        r.ishaIntervalRamadan = 90;
    } else if (code == QLatin1String("DIYANET")) {
        // Temkin: sunrise -7, Zohor +5, Asar +4, Maghrib +7.
        r.fajrAngle = 18;
        r.ishaAngle = 17;
        r.offsets[JakimTable::Syuruk] = -7;
        r.offsets[JakimTable::Zohor] = 5;
        r.offsets[JakimTable::Asar] = 4;
        r.offsets[JakimTable::Maghrib] = 7;
    } else if (code == QLatin1String("EGYPT")) {
        r.fajrAngle = 19.5;
        r.ishaAngle = 17.5;
    } else if (code == QLatin1String("ISNA")) {
        r.fajrAngle = 15;
        r.ishaAngle = 15;
    } else if (code == QLatin1String("MWL")) {
        r.fajrAngle = 18;
        r.ishaAngle = 17;
    } else {
        return false;
    }
    *c = r;
    return true;
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
    Convention conv;
    if (!convention(place.method, &conv)) {
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
    const int extra = districtOffset(place);
    const double horizon = SolarCalc::horizonDepression(0);

    // Every event in minutes after 00:00 UTC of its date. libitl works on
    // the local day, so it is given the offset in force at local noon.
    auto utc = [&](const QDate &d, SolarCalc::Event e, double param) {
        const double offset = zone.offsetFromUtc(QDateTime(d, QTime(12, 0), zone)) / 3600.0;
        return SolarCalc::eventTime(d, lat, lon, offset, e, param) - offset * 60.0;
    };

    // Ramadan by the takwim, or by Umm al-Qura's bounds for a place that
    // keeps that calendar (Makkah). Those bounds are a day or so from the
    // takwim's, so a day is in Umm al-Qura's Ramadan only if the takwim
    // has Ramadan within two days of it.
    const bool ummAlQura = conv.code == QLatin1String("UMMALQURA");
    QHash<int, QPair<QDate, QDate>> ramadanOf;   // Hijri year -> first day, day after the last
    auto isRamadan = [&](const QDate &d) {
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
    };

    for (int pass = 0; pass < 2; ++pass) {
        const bool seventh = pass == 1;
        QVector<ZoneDay> days;
        bool pastMidnight = false;
        for (QDate d(year, 1, 1); d.year() == year; d = d.addDays(1)) {
            const double rise = utc(d, SolarCalc::Sunrise, horizon);
            const double set = utc(d, SolarCalc::Sunset, horizon);
            const double nextRise = utc(d.addDays(1), SolarCalc::Sunrise, horizon) + 1440.0;
            const double prevSet = utc(d.addDays(-1), SolarCalc::Sunset, horizon) - 1440.0;
            if (std::isnan(rise) || std::isnan(set) || std::isnan(nextRise) || std::isnan(prevSet)) {
                if (error)
                    *error = QStringLiteral("%1: the sun does not rise or set on %2")
                                 .arg(place.name, d.toString(Qt::ISODate));
                return {};
            }
            double t[JakimTable::PrayerCount];
            t[JakimTable::Syuruk] = rise;
            t[JakimTable::Maghrib] = set;
            t[JakimTable::Zohor] = utc(d, SolarCalc::Transit, 0);
            t[JakimTable::Asar] = utc(d, SolarCalc::Afternoon, 1.0);
            t[JakimTable::Duha] = utc(d, SolarCalc::Morning, DuhaAltitude);

            // Subuh, bounded by its share of the night before.
            const double morningNight = rise - prevSet;
            const double fajrShare = seventh ? 1.0 / 7.0 : conv.fajrAngle / 60.0;
            const double fajrBound = rise - fajrShare * morningNight;
            double fajr = utc(d, SolarCalc::Dawn, conv.fajrAngle);
            t[JakimTable::Subuh] = (std::isnan(fajr) || fajr < fajrBound) ? fajrBound : fajr;

            const bool ramadan = isRamadan(d);
            if (conv.ishaInterval > 0) {
                t[JakimTable::Isyak] = set + (ramadan ? conv.ishaIntervalRamadan : conv.ishaInterval);
            } else {
                const double eveningNight = nextRise - set;
                const double ishaShare = seventh ? 1.0 / 7.0 : conv.ishaAngle / 60.0;
                const double ishaBound = set + ishaShare * eveningNight;
                const double isha = utc(d, SolarCalc::Dusk, conv.ishaAngle);
                t[JakimTable::Isyak] = (std::isnan(isha) || isha > ishaBound) ? ishaBound : isha;
            }

            ZoneDay day;
            day.date = d;
            for (int p = JakimTable::Subuh; p < JakimTable::PrayerCount; ++p) {
                const double local = localMinutes(zone, d, t[p] + conv.offsets[p]) + extra;
                // Syuruk rounded down, every start rounded up.
                const double rounded = p == JakimTable::Syuruk ? std::floor(local + 1e-9)
                                                               : std::ceil(local - 1e-9);
                day.minutes[p] = int(rounded);
            }
            day.minutes[JakimTable::Imsak] = day.minutes[JakimTable::Subuh] - 10;
            for (int p = 0; p < JakimTable::PrayerCount; ++p)
                if (day.minutes[p] < 0 || day.minutes[p] >= 1440)
                    pastMidnight = true;
            days << day;
        }
        if (!pastMidnight || seventh) {
            if (pastMidnight) {
                if (error)
                    *error = QStringLiteral("%1: a time falls outside its day").arg(place.name);
                return {};
            }
            return days;
        }
    }
    return {};
}
