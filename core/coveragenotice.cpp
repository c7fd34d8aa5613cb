#include "core/coveragenotice.h"

#include "core/language.h"

CoverageNotice::CoverageNotice(const QDate &today, const QDate &lastCoveredDay)
    : m_today(today), m_lastDay(lastCoveredDay)
{
    if (!today.isValid() || !lastCoveredDay.isValid())
        return;
    m_daysLeft = int(today.daysTo(lastCoveredDay));
    if (m_daysLeft < 0)
        m_state = Ended;
    else if (m_daysLeft <= WarningDays)
        m_state = EndsSoon;
}

QString CoverageNotice::lineKey() const
{
    switch (m_state) {
    case EndsSoon:
        return QStringLiteral("Data.EndsSoonLine");
    case Ended:
        return QStringLiteral("Data.EndedLine");
    case None:
        break;
    }
    return QString();
}

QString CoverageNotice::noticeKey() const
{
    switch (m_state) {
    case EndsSoon:
        return QStringLiteral("Data.EndsSoonNotice");
    case Ended:
        return QStringLiteral("Data.EndedNotice");
    case None:
        break;
    }
    return QString();
}

QString CoverageNotice::fill(const QString &text, const Language &language) const
{
    // One multi-argument call: the date's text is never substituted again.
    // A text without the days left takes the date alone (QString::arg()
    // warns about an argument with no place).
    const QString date = language.shortDate(m_lastDay);
    if (!text.contains(QLatin1String("%2")))
        return text.arg(date);
    return text.arg(date, QString::number(qMax(m_daysLeft, 0)));
}

QString CoverageNotice::line(const Language &language) const
{
    return m_state == None ? QString() : fill(language.text(lineKey()), language);
}

QString CoverageNotice::notice(const Language &language) const
{
    return m_state == None ? QString() : fill(language.text(noticeKey()), language);
}

bool CoverageNotice::noticeDue(const QDate &lastShown) const
{
    switch (m_state) {
    case EndsSoon:
        return !lastShown.isValid() || lastShown < m_today;
    case Ended:
        return !lastShown.isValid();
    case None:
        break;
    }
    return false;
}
