#ifndef COVERAGENOTICE_H
#define COVERAGENOTICE_H

#include <QDate>
#include <QString>

class Language;

// What the program tells the user about the end of its prayer-time
// tables on a given day: nothing while the end is far, that the times end
// on the last covered day (from WarningDays before it, the last day
// included), and that there are no times once it has passed.
class CoverageNotice
{
public:
    static constexpr int WarningDays = 60;

    enum State {
        None,       // the end is more than WarningDays away (or unknown)
        EndsSoon,   // today is within WarningDays of the last covered day
        Ended       // today is after the last covered day
    };

    CoverageNotice(const QDate &today, const QDate &lastCoveredDay);

    State state() const { return m_state; }
    QDate lastCoveredDay() const { return m_lastDay; }
    // Days from today to the last covered day (0 on it, negative after).
    int daysLeft() const { return m_daysLeft; }

    // Catalogue keys: a line for the home page and the tray tooltip, and
    // the longer text of a notice. Both take the last covered day as %1
    // (in the catalogue's date form); the notice of EndsSoon takes the days
    // left as %2. Empty for None.
    QString lineKey() const;
    QString noticeKey() const;
    QString line(const Language &language) const;
    QString notice(const Language &language) const;

    // Whether a notice is due today when the last one was shown on
    // `lastShown` (invalid: never): EndsSoon at most once a day, Ended once
    // (the program shows it at start; `lastShown` is kept per run).
    bool noticeDue(const QDate &lastShown) const;

private:
    QString fill(const QString &text, const Language &language) const;

    QDate m_today;
    QDate m_lastDay;
    int m_daysLeft = 0;
    State m_state = None;
};

#endif // COVERAGENOTICE_H
