#include "agreementreport.h"

#include "zonecalibrator.h"

#include <cstdlib>

void AgreementReport::Counts::add(const Counts &other)
{
    days += other.days;
    for (int p = 0; p < JakimTable::PrayerCount; ++p) {
        exact[p] += other.exact[p];
        within1[p] += other.within1[p];
    }
}

void AgreementReport::zoneCentre(const CalculationPlaces &places, const QString &zone, double *latitude,
                                 double *longitude)
{
    if (places.zoneCentre(zone, latitude, longitude))
        return;
    if (places.prefixCentre(zone.left(3), latitude, longitude))
        return;
    *latitude = 4.0;
    *longitude = 108.0;
}

static void tally(AgreementReport::Counts *c, const ZoneDay &predicted, const ZoneDay &published)
{
    ++c->days;
    for (int p = 0; p < JakimTable::PrayerCount; ++p) {
        const int d = std::abs(predicted.minutes[p] - published.minutes[p]);
        if (d == 0)
            ++c->exact[p];
        if (d <= 1)
            ++c->within1[p];
    }
}

QMap<QString, AgreementReport::ZoneResult> AgreementReport::crossValidate(
    const JakimTable &table, const CalculationPlaces &places, const QStringList &zones,
    const ZoneProjector::Options &options)
{
    QMap<QString, ZoneResult> results;
    const QStringList list = zones.isEmpty() ? table.zones() : zones;
    for (const QString &zone : list) {
        const QVector<ZoneDay> &days = table.days(zone);
        if (days.isEmpty())
            continue;
        double lat = 0, lon = 0;
        zoneCentre(places, zone, &lat, &lon);
        ZoneResult result;
        for (int fold = 0; fold < 2; ++fold) {
            QVector<bool> train(days.size());
            QVector<QDate> targets;
            QVector<int> baseOf;
            QVector<int> targetIndex;
            for (int i = 0; i < days.size(); ++i)
                train[i] = (i % 2) == fold;
            for (int i = 0; i < days.size(); ++i) {
                if (train.at(i))
                    continue;
                const int b = (i > 0 && train.at(i - 1)) ? i - 1 : i + 1;
                if (b >= days.size() || !train.at(b))
                    continue;
                targets << days.at(i).date;
                baseOf << b;
                targetIndex << i;
            }
            const ZoneModel model = ZoneCalibrator::fit(zone, days, train, lat, lon);
            ZoneProjector::Options carried = options;
            carried.carry = true;
            ZoneProjector::Options alone = options;
            alone.carry = false;
            const QVector<ZoneDay> a = ZoneProjector::project(model, days, train, targets, baseOf, carried);
            const QVector<ZoneDay> b = ZoneProjector::project(model, days, train, targets, baseOf, alone);
            for (int j = 0; j < targets.size(); ++j) {
                tally(&result.carried, a.at(j), days.at(targetIndex.at(j)));
                tally(&result.modelOnly, b.at(j), days.at(targetIndex.at(j)));
            }
        }
        results.insert(zone, result);
    }
    return results;
}

static QString share(int n, int d)
{
    return d == 0 ? QStringLiteral("-") : QString::number(100.0 * n / d, 'f', 1);
}

void AgreementReport::print(QTextStream &out, int year, const QMap<QString, ZoneResult> &results)
{
    out << "# Malaysia: published " << year << " table recomputed by two-fold cross-validation\n";
    out << "# (fit on even days, compute odd days carried from the day before; then the reverse)\n";
    out << "# columns: per prayer, % exact / % within 1 minute\n";
    out << "zone,method";
    for (int p = 0; p < JakimTable::PrayerCount; ++p)
        out << ',' << JakimTable::prayerName(p) << "_exact," << JakimTable::prayerName(p) << "_within1";
    out << '\n';
    Counts totalCarried, totalModel;
    auto row = [&](const QString &zone, const char *method, const Counts &c) {
        out << zone << ',' << method;
        for (int p = 0; p < JakimTable::PrayerCount; ++p)
            out << ',' << share(c.exact[p], c.days) << ',' << share(c.within1[p], c.days);
        out << '\n';
    };
    for (auto it = results.constBegin(); it != results.constEnd(); ++it) {
        row(it.key(), "carried", it.value().carried);
        totalCarried.add(it.value().carried);
        totalModel.add(it.value().modelOnly);
    }
    row(QStringLiteral("ALL"), "carried", totalCarried);
    row(QStringLiteral("ALL"), "model-only", totalModel);
    int e = 0, w = 0, n = 0;
    for (int p = 0; p < JakimTable::PrayerCount; ++p) {
        e += totalCarried.exact[p];
        w += totalCarried.within1[p];
        n += totalCarried.days;
    }
    out << "# all values, carried: " << share(e, n) << "% exact, " << share(w, n) << "% within 1 minute ("
        << n << " values)\n";
}
