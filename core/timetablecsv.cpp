#include "core/timetablecsv.h"

#include <QDate>

QString TimetableCsv::header()
{
    return QStringLiteral("date,imsak,subuh,syuruk,duha,zohor,asar,maghrib,isyak,hijri_day,hijri_month,hijri_year");
}

QString TimetableCsv::field(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"'))
            && !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString TimetableCsv::row(const DailyTimes &day)
{
    QString line = QDate(day.year, day.month, day.day).toString(Qt::ISODate);
    for (int slot = 0; slot < PrayerSlotCount; ++slot)
        line += QLatin1Char(',') + day.timeText(slot);
    // A day the Hijri table does not cover has no Hijri date.
    if (day.hijriYear > 0) {
        line += QLatin1Char(',') + QString::number(day.hijriDay) + QLatin1Char(',') + field(day.hijriMonthName)
                + QLatin1Char(',') + QString::number(day.hijriYear);
    } else {
        line += QLatin1String(",,,");
    }
    return line;
}

void TimetableCsv::write(const QList<DailyTimes *> &days, QTextStream &out)
{
    out << header() << '\n';
    for (const DailyTimes *day : days)
        out << row(*day) << '\n';
}

QString TimetableCsv::text(const QList<DailyTimes *> &days)
{
    QString result;
    QTextStream out(&result);
    write(days, out);
    out.flush();
    return result;
}
