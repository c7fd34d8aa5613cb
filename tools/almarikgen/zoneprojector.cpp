#include "zoneprojector.h"

#include <cmath>

QVector<ZoneDay> ZoneProjector::project(const ZoneModel &model, const QVector<ZoneDay> &base,
                                        const QVector<bool> &known, const QVector<QDate> &targets,
                                        const QVector<int> &baseOf, const Options &options)
{
    QVector<ZoneDay> out(targets.size());
    for (int j = 0; j < targets.size(); ++j)
        out[j].date = targets.at(j);

    // Only the base days that some target uses, and their neighbours, need
    // the model; compute lazily per prayer.
    for (int p = 0; p < JakimTable::PrayerCount; ++p) {
        const PrayerModel &m = model.prayers[p];
        if (m.kind != PrayerModel::Computed)
            continue;
        const double shift = p == JakimTable::Subuh ? options.subuhShift
                             : (p == JakimTable::Isyak ? options.isyakShift : 0.0);
        QVector<double> lo(base.size(), 0), hi(base.size(), 0);
        QVector<bool> have(base.size(), false);
        auto interval = [&](int b) {
            if (!have.at(b)) {
                const double value = m.eventTime(base.at(b).date) + m.offset;
                lo[b] = base.at(b).minutes[p] - value;
                hi[b] = lo.at(b) + 1.0;
                have[b] = true;
            }
        };
        for (int j = 0; j < targets.size(); ++j) {
            const double t = m.eventTime(targets.at(j), shift) + m.offset;
            double phase = 0;
            const int b0 = baseOf.at(j);
            if (options.carry && b0 >= 0 && b0 < base.size() && known.at(b0)) {
                for (int w = options.window; w >= 0; --w) {
                    double from = -1e9, to = 1e9;
                    for (int b = qMax(0, b0 - w); b <= qMin(base.size() - 1, b0 + w); ++b) {
                        if (!known.at(b))
                            continue;
                        interval(b);
                        from = qMax(from, lo.at(b) + options.margin);
                        to = qMin(to, hi.at(b) - options.margin);
                    }
                    if (from <= to) {
                        phase = qBound(from, 0.0, to);
                        break;
                    }
                }
            }
            out[j].minutes[p] = int(std::floor(t + phase));
        }
    }
    for (int p = 0; p < JakimTable::PrayerCount; ++p) {
        const PrayerModel &m = model.prayers[p];
        if (m.kind == PrayerModel::Derived) {
            for (ZoneDay &day : out)
                day.minutes[p] = day.minutes[m.source] + m.minutes;
        } else if (m.kind == PrayerModel::CarriedGap) {
            for (int j = 0; j < out.size(); ++j) {
                const int b = baseOf.at(j);
                const int gap = (b >= 0 && b < base.size()) ? base.at(b).minutes[p] - base.at(b).minutes[m.source] : 0;
                out[j].minutes[p] = out.at(j).minutes[m.source] + gap;
            }
        }
    }
    return out;
}

QVector<ZoneDay> ZoneProjector::projectYear(const ZoneModel &model, const QVector<ZoneDay> &published,
                                            int year, const Options &options)
{
    QVector<QDate> targets;
    QVector<int> baseOf;
    QHash<int, int> indexOf;   // month * 100 + day -> index in published
    for (int i = 0; i < published.size(); ++i)
        indexOf.insert(published.at(i).date.month() * 100 + published.at(i).date.day(), i);
    for (QDate d(year, 1, 1); d.year() == year; d = d.addDays(1)) {
        targets << d;
        int key = d.month() * 100 + d.day();
        if (!indexOf.contains(key))
            key = d.month() * 100 + d.day() - 1;   // 29 February
        baseOf << indexOf.value(key, -1);
    }
    return project(model, published, QVector<bool>(published.size(), true), targets, baseOf, options);
}
