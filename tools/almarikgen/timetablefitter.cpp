#include "timetablefitter.h"

#include "csvreader.h"
#include "jakimtable.h"

#include <QFile>

#include <cmath>

namespace {

// The offsets tried, in minutes: a twentieth of a minute apart.
constexpr double OffsetStep = 0.05;
constexpr double OffsetRange = 6.0;

const int FittedSlots[] = {Subuh, Syuruk, Zohor, Asar, Maghrib, Isyak};
const char *const SlotNames[PrayerSlotCount] = {"imsak", "subuh", "syuruk", "duha", "zohor", "asar", "maghrib", "isyak"};

} // namespace

bool TimetableFitter::readTable(const QString &path, QVector<Day> *days, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        *error = QStringLiteral("cannot read %1").arg(path);
        return false;
    }
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (int n = 1; n < lines.size(); ++n) {
        const QStringList f = CsvReader::splitLine(lines.at(n).trimmed());
        Day day;
        day.date = QDate::fromString(f.value(0), Qt::ISODate);
        if (f.size() != 9 || !day.date.isValid()) {
            *error = QStringLiteral("%1 line %2: expected a date and eight times").arg(path).arg(n + 1);
            return false;
        }
        for (int slot = 0; slot < PrayerSlotCount; ++slot)
            day.minutes[slot] = f.at(slot + 1).isEmpty() ? -1 : JakimTable::parseTime(f.at(slot + 1));
        *days << day;
    }
    return true;
}

TimetableFitter::TimetableFitter(const PrayerCalculator &calculator, const QVector<Day> &days)
    : m_convention(calculator.convention())
{
    for (const Day &day : days) {
        double local[PrayerSlotCount];
        if (!calculator.unroundedTimesOfDay(day.date, local))
            continue;
        for (int slot : FittedSlots)
            if (day.minutes[slot] >= 0)
                m_samples[slot] << Sample{day.date.year(), local[slot], day.minutes[slot]};
    }
}

TimetableFitter::Fit TimetableFitter::fit(const QList<int> &fitYears, int checkYear) const
{
    Fit result;
    result.fitYears = fitYears;
    result.checkYear = checkYear;
    for (int slot : FittedSlots) {
        const QVector<Sample> &samples = m_samples[slot];
        auto score = [&](double offset, int year, bool withinOne) {
            int hits = 0, total = 0;
            for (const Sample &s : samples) {
                if (year ? s.year != year : !fitYears.contains(s.year))
                    continue;
                ++total;
                const int diff = PrayerCalculator::roundedMinute(m_convention, slot, s.computed + offset) - s.published;
                hits += withinOne ? qAbs(diff) <= 1 : diff == 0;
            }
            return total ? double(hits) / total : 0.0;
        };
        // The best share, and the middle of the run of offsets that reach
        // it (the offset least likely to tip over in another year).
        const int steps = int(std::lround(2 * OffsetRange / OffsetStep));
        double best = -1;
        int runStart = 0, runEnd = 0;
        for (int i = 0; i <= steps; ++i) {
            const double share = score(-OffsetRange + i * OffsetStep, 0, false);
            if (share > best + 1e-12) {
                best = share;
                runStart = runEnd = i;
            } else if (std::fabs(share - best) <= 1e-12 && runEnd == i - 1) {
                runEnd = i;
            }
        }
        const double offset = -OffsetRange + (runStart + runEnd) / 2 * OffsetStep;
        result.offset[slot] = std::round(offset / OffsetStep) * OffsetStep;
        result.exactFit[slot] = best;
        if (checkYear) {
            result.exactCheck[slot] = score(result.offset[slot], checkYear, false);
            result.withinOneCheck[slot] = score(result.offset[slot], checkYear, true);
        }
    }
    return result;
}

void TimetableFitter::write(QTextStream &out, const QString &place, const QList<Fit> &fits)
{
    out << "place,latitude,longitude,rounding,fit_years,check_year,prayer,offset,exact_fit,exact_check,"
           "within_one_check\n";
    for (const Fit &f : fits) {
        QStringList years;
        for (int y : f.fitYears)
            years << QString::number(y);
        for (int slot : FittedSlots) {
            out << place << ',' << QString::number(f.latitude, 'f', 4) << ','
                << QString::number(f.longitude, 'f', 4) << ','
                << (f.rounding == PrayerConvention::RoundNearest ? "nearest" : "up") << ',' << years.join(QLatin1Char('+')) << ','
                << (f.checkYear ? QString::number(f.checkYear) : QString()) << ',' << SlotNames[slot]
                << ',' << QString::number(f.offset[slot], 'f', 2) << ',' << QString::number(f.exactFit[slot], 'f', 4)
                << ',' << (f.checkYear ? QString::number(f.exactCheck[slot], 'f', 4) : QString()) << ','
                << (f.checkYear ? QString::number(f.withinOneCheck[slot], 'f', 4) : QString()) << '\n';
        }
    }
}
