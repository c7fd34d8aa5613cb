#ifndef HIJRICALCULATOR_H
#define HIJRICALCULATOR_H

#include "crescentcriterion.h"

#include <QDate>
#include <QString>
#include <QVector>

// Hijri dates as JAKIM's takwim gives them, continued by the crescent
// criterion outside the takwim's days.
//
// A computed month that began on day S ends after 29 days when the
// criterion holds on the evening of its 29th day (S + 28), after 30 days
// otherwise; months before the takwim are found the same way backwards.
class HijriCalculator
{
public:
    struct HijriDate
    {
        int year = 0;
        int month = 0;   // 1 Muharram .. 12 Zulhijjah
        int day = 0;
        bool isValid() const { return year > 0; }
        bool operator==(const HijriDate &o) const { return year == o.year && month == o.month && day == o.day; }
    };

    struct MonthStart
    {
        QDate date;
        int year = 0;
        int month = 0;
    };

    // Reads `tarikh.csv` (gregorian,hijri,day). The Gregorian days must run
    // on without gaps and the Hijri days must count on with months of 29 or
    // 30 days; false with `error` otherwise.
    bool load(const QString &tarikhCsv, QString *error);

    QDate firstTakwimDay() const { return m_first; }
    QDate lastTakwimDay() const { return m_first.addDays(m_days.size() - 1); }

    // The takwim's date, invalid outside its days.
    HijriDate takwimDate(const QDate &date) const;
    // The takwim's date, or the computed one outside its days.
    HijriDate date(const QDate &date) const;
    // True when `date` comes from the takwim.
    bool inTakwim(const QDate &date) const;

    // Every first day of a month inside the takwim.
    QVector<MonthStart> takwimMonthStarts() const;

    // Start of the month after the one that began on `start`.
    QDate nextMonthStart(const QDate &start) const;
    // Start of the month before the one that began on `start`.
    QDate previousMonthStart(const QDate &start) const;

    const CrescentCriterion &criterion() const { return m_criterion; }

    static QString monthName(int month);

private:
    QDate m_first;
    QVector<HijriDate> m_days;
    CrescentCriterion m_criterion;
    mutable QVector<MonthStart> m_after;    // computed months after the takwim
    mutable QVector<MonthStart> m_before;   // computed months before it, latest first
};

#endif
