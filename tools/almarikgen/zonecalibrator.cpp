#include "zonecalibrator.h"

#include "solarcalc.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Share of fitting days a sun event must reproduce to be used for Duha.
constexpr double GoodEventShare = 0.9;

struct Candidate
{
    double latitude = 0;
    double param = 0;
    double offset = 0;
    int exact = -1;
    double spread = 1e9;
};

struct Sample
{
    QVector<QDate> dates;
    QVector<int> published;
};

// Least-squares spread of published minute + 0.5 - T: smooth in the
// latitude, so it guides the search where the exact count is too coarse.
double spreadOf(const QVector<double> &t, const QVector<int> &p, double *mean)
{
    double s = 0, s2 = 0;
    for (int i = 0; i < t.size(); ++i) {
        const double e = p.at(i) + 0.5 - t.at(i);
        s += e;
        s2 += e * e;
    }
    const double n = t.size();
    *mean = s / n;
    return s2 / n - *mean * *mean;
}

Candidate evaluate(const Sample &s, int event, double latitude, double longitude, double param)
{
    QVector<double> t(s.dates.size());
    for (int i = 0; i < s.dates.size(); ++i)
        t[i] = SolarCalc::eventTime(s.dates.at(i), latitude, longitude, 8.0, SolarCalc::Event(event), param);
    Candidate c;
    c.latitude = latitude;
    c.param = param;
    double mean = 0;
    c.spread = spreadOf(t, s.published, &mean);
    c.offset = ZoneCalibrator::bestOffset(t, s.published, &c.exact);
    return c;
}

bool better(const Candidate &a, const Candidate &b)
{
    if (a.exact != b.exact)
        return a.exact > b.exact;
    return a.spread < b.spread;
}

// Searches the latitude for one event and parameter: a coarse scan and a
// golden-section refinement on the spread, then a fine scan on the exact
// count around the least-squares optimum.
Candidate searchLatitude(const Sample &s, int event, double lat0, double longitude, double param)
{
    if (event == SolarCalc::Transit)
        return evaluate(s, event, lat0, longitude, param);

    double bestLat = lat0;
    double bestSpread = 1e18;
    for (double lat = lat0 - 2.0; lat <= lat0 + 2.0001; lat += 0.25) {
        const Candidate c = evaluate(s, event, lat, longitude, param);
        if (c.spread < bestSpread) {
            bestSpread = c.spread;
            bestLat = lat;
        }
    }
    double a = bestLat - 0.25, b = bestLat + 0.25;
    const double g = (std::sqrt(5.0) - 1) / 2;
    double x1 = b - g * (b - a), x2 = a + g * (b - a);
    double f1 = evaluate(s, event, x1, longitude, param).spread;
    double f2 = evaluate(s, event, x2, longitude, param).spread;
    while (b - a > 0.01) {
        if (f1 < f2) {
            b = x2; x2 = x1; f2 = f1;
            x1 = b - g * (b - a);
            f1 = evaluate(s, event, x1, longitude, param).spread;
        } else {
            a = x1; x1 = x2; f1 = f2;
            x2 = a + g * (b - a);
            f2 = evaluate(s, event, x2, longitude, param).spread;
        }
    }
    const double lsLat = (a + b) / 2;
    Candidate best = evaluate(s, event, lsLat, longitude, param);
    for (int k = -10; k <= 10; ++k) {
        if (k == 0)
            continue;
        const Candidate c = evaluate(s, event, lsLat + k * 0.01, longitude, param);
        if (c.exact > best.exact)
            best = c;
    }
    return best;
}

} // namespace

bool ZoneCalibrator::isHillZone(const QString &zone)
{
    static const QStringList hills = {QStringLiteral("KDH07"), QStringLiteral("PHG05"), QStringLiteral("PHG06"),
                                      QStringLiteral("PRK07"), QStringLiteral("SBH06")};
    return hills.contains(zone);
}

double ZoneCalibrator::bestOffset(const QVector<double> &times, const QVector<int> &published, int *count)
{
    // Day i is reproduced for every offset in [P - T, P + 1 - T): find the
    // point covered by most of these intervals. Among equal maxima take the
    // segment nearest the least-squares offset, and its middle.
    QVector<std::pair<double, int>> edges;
    edges.reserve(times.size() * 2);
    double lsMean = 0;
    for (int i = 0; i < times.size(); ++i) {
        const double lo = published.at(i) - times.at(i);
        edges.append({lo, +1});
        edges.append({lo + 1.0, -1});
        lsMean += published.at(i) + 0.5 - times.at(i);
    }
    if (times.isEmpty()) {
        *count = 0;
        return 0;
    }
    lsMean /= times.size();
    // Closing edges sort before opening ones at the same place (half-open).
    std::sort(edges.begin(), edges.end());
    int depth = 0, bestDepth = -1;
    double bestMid = lsMean, bestDistance = 1e18;
    for (int i = 0; i < edges.size(); ++i) {
        depth += edges.at(i).second;
        if (i + 1 >= edges.size())
            break;
        const double from = edges.at(i).first, to = edges.at(i + 1).first;
        if (to <= from)
            continue;
        const double mid = (from + to) / 2;
        const double distance = lsMean < from ? from - lsMean : (lsMean > to ? lsMean - to : 0.0);
        if (depth > bestDepth || (depth == bestDepth && distance < bestDistance)) {
            bestDepth = depth;
            bestMid = mid;
            bestDistance = distance;
        }
    }
    *count = bestDepth;
    return bestMid;
}

ZoneModel ZoneCalibrator::fit(const QString &zone, const QVector<ZoneDay> &days, const QVector<bool> &train,
                              double latitude, double longitude)
{
    ZoneModel model;
    model.zone = zone;
    const bool hill = isHillZone(zone);

    QVector<int> trainIndex;
    for (int i = 0; i < days.size(); ++i)
        if (i < train.size() && train.at(i))
            trainIndex << i;

    auto sampleOf = [&](int prayer) {
        Sample s;
        for (int i : qAsConst(trainIndex)) {
            s.dates << days.at(i).date;
            s.published << days.at(i).minutes[prayer];
        }
        return s;
    };

    // The most frequent difference between two prayers of a day, and the
    // share of days that have it.
    auto modalGap = [&](int prayer, int source, double *share) {
        QHash<int, int> counts;
        for (int i : qAsConst(trainIndex))
            ++counts[days.at(i).minutes[prayer] - days.at(i).minutes[source]];
        int best = 0, bestCount = -1;
        for (auto it = counts.constBegin(); it != counts.constEnd(); ++it)
            if (it.value() > bestCount || (it.value() == bestCount && it.key() < best)) {
                best = it.key();
                bestCount = it.value();
            }
        *share = trainIndex.isEmpty() ? 0 : double(bestCount) / trainIndex.size();
        return best;
    };

    struct Plan { int prayer; int event; QVector<double> params; };
    QVector<double> horizons = {SolarCalc::horizonDepression(0)};
    QVector<double> twilight = {18.0};
    if (hill) {
        for (double h : {100.0, 200.0, 400.0, 700.0, 1000.0, 1400.0, 1900.0})
            horizons << SolarCalc::horizonDepression(h);
        twilight = {18.0, 18.5, 19.0, 19.5};
    }
    QVector<double> isyakAngles = twilight;
    if (zone.startsWith(QLatin1String("KTN")))
        isyakAngles = {17.0, 17.5, 18.0};

    const QVector<Plan> plans = {
        {JakimTable::Subuh, SolarCalc::Dawn, twilight},
        {JakimTable::Syuruk, SolarCalc::Sunrise, horizons},
        {JakimTable::Zohor, SolarCalc::Transit, {0.0}},
        {JakimTable::Asar, SolarCalc::Afternoon, {1.0}},
        {JakimTable::Maghrib, SolarCalc::Sunset, horizons},
        {JakimTable::Isyak, SolarCalc::Dusk, isyakAngles},
    };

    for (const Plan &plan : plans) {
        const Sample s = sampleOf(plan.prayer);
        Candidate best;
        for (double param : plan.params) {
            const Candidate c = searchLatitude(s, plan.event, latitude, longitude, param);
            if (best.exact < 0 || better(c, best))
                best = c;
        }
        PrayerModel &m = model.prayers[plan.prayer];
        m.kind = PrayerModel::Computed;
        m.event = plan.event;
        m.latitude = best.latitude;
        m.longitude = longitude;
        m.param = best.param;
        m.offset = best.offset;
        m.fitShare = s.dates.isEmpty() ? 0 : double(best.exact) / s.dates.size();
    }

    // Imsak is Subuh less a fixed gap (ten minutes; none in Perlis).
    double share = 0;
    PrayerModel &imsak = model.prayers[JakimTable::Imsak];
    imsak.kind = PrayerModel::Derived;
    imsak.source = JakimTable::Subuh;
    imsak.minutes = modalGap(JakimTable::Imsak, JakimTable::Subuh, &share);
    imsak.fitShare = share;

    // Duha is Syuruk plus a fixed number of minutes in most states; where
    // the gap changes over the year it is a sun altitude of its own.
    PrayerModel &duha = model.prayers[JakimTable::Duha];
    const int gap = modalGap(JakimTable::Duha, JakimTable::Syuruk, &share);
    if (share >= 0.98) {
        duha.kind = PrayerModel::Derived;
        duha.source = JakimTable::Syuruk;
        duha.minutes = gap;
        duha.fitShare = share;
    } else {
        const Sample s = sampleOf(JakimTable::Duha);
        Candidate best;
        int bestEvent = SolarCalc::Sunrise;
        for (double altitude = 0.0; altitude <= 6.01; altitude += 1.0) {
            const int event = altitude == 0.0 ? SolarCalc::Sunrise : SolarCalc::Morning;
            const double param = altitude == 0.0 ? SolarCalc::horizonDepression(0) : altitude;
            const Candidate c = searchLatitude(s, event, latitude, longitude, param);
            if (best.exact < 0 || better(c, best)) {
                best = c;
                bestEvent = event;
            }
        }
        duha.kind = PrayerModel::Computed;
        duha.event = bestEvent;
        // No sun event reproduces the published Duha well: keep each day's
        // published gap to Syuruk instead.
        if (best.exact < GoodEventShare * s.dates.size()) {
            duha = PrayerModel();
            duha.kind = PrayerModel::CarriedGap;
            duha.source = JakimTable::Syuruk;
            duha.fitShare = share;
            return model;
        }
        duha.latitude = best.latitude;
        duha.longitude = longitude;
        duha.param = best.param;
        duha.offset = best.offset;
        duha.fitShare = s.dates.isEmpty() ? 0 : double(best.exact) / s.dates.size();
    }
    return model;
}
