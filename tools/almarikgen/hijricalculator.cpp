#include "hijricalculator.h"

#include "csvreader.h"

namespace {
const char *const MonthNames[] = {"Muharram", "Safar", "Rabiul Awal", "Rabiul Akhir", "Jamadil Awal",
                                  "Jamadil Akhir", "Rejab", "Syaaban", "Ramadan", "Syawal",
                                  "Zulkaedah", "Zulhijjah"};

void advance(int *year, int *month, int step)
{
    int index = *year * 12 + (*month - 1) + step;
    *year = index / 12;
    *month = index % 12 + 1;
}
}

QString HijriCalculator::monthName(int month)
{
    if (month < 1 || month > 12)
        return QString();
    return QLatin1String(MonthNames[month - 1]);
}

bool HijriCalculator::load(const QString &tarikhCsv, QString *error)
{
    m_days.clear();
    m_after.clear();
    m_before.clear();
    CsvReader csv;
    if (!csv.read(tarikhCsv, error))
        return false;
    const int g = csv.column(QStringLiteral("gregorian"));
    const int h = csv.column(QStringLiteral("hijri"));
    if (g < 0 || h < 0 || csv.rows().isEmpty()) {
        if (error)
            *error = QStringLiteral("%1 lacks the gregorian or hijri column").arg(tarikhCsv);
        return false;
    }
    QDate expected;
    for (const QStringList &row : csv.rows()) {
        const QDate date = QDate::fromString(row.at(g), Qt::ISODate);
        const QStringList parts = row.at(h).split(QLatin1Char('-'));
        HijriDate hd;
        if (parts.size() == 3) {
            hd.year = parts.at(0).toInt();
            hd.month = parts.at(1).toInt();
            hd.day = parts.at(2).toInt();
        }
        auto fail = [&](const QString &what) {
            if (error)
                *error = QStringLiteral("%1: %2 at %3").arg(tarikhCsv, what, row.at(g));
            m_days.clear();
            return false;
        };
        if (!date.isValid() || hd.year <= 0 || hd.month < 1 || hd.month > 12 || hd.day < 1 || hd.day > 30)
            return fail(QStringLiteral("bad row"));
        if (m_days.isEmpty()) {
            m_first = date;
        } else {
            if (date != expected)
                return fail(QStringLiteral("gap in the Gregorian days"));
            const HijriDate &prev = m_days.last();
            bool ok;
            if (hd.day == 1) {
                int y = prev.year, m = prev.month;
                advance(&y, &m, 1);
                ok = prev.day >= 29 && y == hd.year && m == hd.month;
            } else {
                ok = hd.year == prev.year && hd.month == prev.month && hd.day == prev.day + 1;
            }
            if (!ok)
                return fail(QStringLiteral("Hijri days do not count on"));
        }
        expected = date.addDays(1);
        m_days << hd;
    }
    return true;
}

bool HijriCalculator::inTakwim(const QDate &date) const
{
    if (m_days.isEmpty() || !date.isValid())
        return false;
    const qint64 i = m_first.daysTo(date);
    return i >= 0 && i < m_days.size();
}

HijriCalculator::HijriDate HijriCalculator::takwimDate(const QDate &date) const
{
    if (!inTakwim(date))
        return HijriDate();
    return m_days.at(int(m_first.daysTo(date)));
}

QVector<HijriCalculator::MonthStart> HijriCalculator::takwimMonthStarts() const
{
    QVector<MonthStart> starts;
    for (int i = 0; i < m_days.size(); ++i)
        if (m_days.at(i).day == 1)
            starts << MonthStart{m_first.addDays(i), m_days.at(i).year, m_days.at(i).month};
    return starts;
}

QDate HijriCalculator::nextMonthStart(const QDate &start) const
{
    return m_criterion.isVisible(start.addDays(28)) ? start.addDays(29) : start.addDays(30);
}

QDate HijriCalculator::previousMonthStart(const QDate &start) const
{
    // The previous month began 29 days earlier if it ended on its 29th day,
    // which is decided on the evening before `start`.
    return m_criterion.isVisible(start.addDays(-1)) ? start.addDays(-29) : start.addDays(-30);
}

HijriCalculator::HijriDate HijriCalculator::date(const QDate &date) const
{
    if (m_days.isEmpty() || !date.isValid())
        return HijriDate();
    if (inTakwim(date))
        return takwimDate(date);

    const QVector<MonthStart> starts = takwimMonthStarts();
    if (starts.isEmpty())
        return HijriDate();

    if (date > lastTakwimDay()) {
        if (m_after.isEmpty()) {
            MonthStart s = starts.last();
            // The takwim's last month may already hold its 30th day.
            QDate next = nextMonthStart(s.date);
            if (next <= lastTakwimDay())
                next = lastTakwimDay().addDays(1);
            advance(&s.year, &s.month, 1);
            s.date = next;
            m_after << starts.last() << s;
        }
        while (m_after.last().date <= date) {
            MonthStart s = m_after.last();
            s.date = nextMonthStart(s.date);
            advance(&s.year, &s.month, 1);
            m_after << s;
        }
        for (int i = m_after.size() - 1; i >= 0; --i) {
            if (m_after.at(i).date <= date) {
                const MonthStart &s = m_after.at(i);
                return HijriDate{s.year, s.month, int(s.date.daysTo(date)) + 1};
            }
        }
        return HijriDate();
    }

    // Before the takwim: walk back from its first month start.
    if (m_before.isEmpty())
        m_before << starts.first();
    while (m_before.last().date > date) {
        MonthStart s = m_before.last();
        s.date = previousMonthStart(s.date);
        advance(&s.year, &s.month, -1);
        m_before << s;
    }
    for (const MonthStart &s : qAsConst(m_before)) {
        if (s.date <= date)
            return HijriDate{s.year, s.month, int(s.date.daysTo(date)) + 1};
    }
    return HijriDate();
}
