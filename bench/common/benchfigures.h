#ifndef BENCHFIGURES_H
#define BENCHFIGURES_H

// Figures of a benchmark against its floor: min, median and max of the
// program's samples and of the floor's (an empty window doing the same
// thing in the same run, interleaved), and the ratio of the medians.

#include <QList>

#include <algorithm>
#include <cstdio>

struct Figures
{
    double min = 0, median = 0, max = 0;
    int count = 0;
};

inline Figures summarise(QList<double> samples)
{
    Figures f;
    if (samples.isEmpty())
        return f;
    std::sort(samples.begin(), samples.end());
    f.min = samples.first();
    f.max = samples.last();
    const int n = samples.size();
    f.median = n % 2 ? samples.at(n / 2) : (samples.at(n / 2 - 1) + samples.at(n / 2)) / 2;
    f.count = n;
    return f;
}

inline void printHeader()
{
    std::printf("%-40s %-6s %27s %27s %8s\n", "measure", "unit", "program min/median/max", "empty window min/median/max",
                "ratio");
}

inline void printRow(const char *measure, const char *unit, const QList<double> &program, const QList<double> &floor,
                     int decimals = 1)
{
    const Figures p = summarise(program);
    const Figures e = summarise(floor);
    char left[64], right[64];
    std::snprintf(left, sizeof left, "%.*f/%.*f/%.*f", decimals, p.min, decimals, p.median, decimals, p.max);
    if (floor.isEmpty()) {
        std::printf("%-40s %-6s %27s %27s %8s  (%d runs)\n", measure, unit, left, "-", "-", p.count);
    } else {
        std::snprintf(right, sizeof right, "%.*f/%.*f/%.*f", decimals, e.min, decimals, e.median, decimals, e.max);
        std::printf("%-40s %-6s %27s %27s %7.2fx  (%d pairs, %+.*f %s)\n", measure, unit, left, right,
                    e.median > 0 ? p.median / e.median : 0.0, p.count, decimals, p.median - e.median, unit);
    }
    std::fflush(stdout);
}

#endif // BENCHFIGURES_H
