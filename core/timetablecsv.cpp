#include "core/timetablecsv.h"

#include <QDate>

#include "core/dataprovenance.h"

QString TimetableCsv::header(bool withSource)
{
    QString line = QStringLiteral("date,imsak,subuh,syuruk,duha,zohor,asar,maghrib,isyak,hijri_day,hijri_month,hijri_year");
    if (withSource)
        line += QLatin1String(",source,basis");
    return line;
}

QString TimetableCsv::sourceFields(const DataProvenance &provenance, const QString &zoneCode, const QDate &date)
{
    const DataProvenance::Source source = provenance.sourceOf(zoneCode, date);
    switch (source.kind) {
    case DataProvenance::Published:
        return QStringLiteral(",published,") + QString::number(source.year);
    case DataProvenance::Computed:
        return QStringLiteral(",computed,") + QString::number(source.year);
    case DataProvenance::Convention:
        return QStringLiteral(",computed,") + field(source.convention);
    case DataProvenance::Unknown:
        break;
    }
    return QStringLiteral(",,");
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

void TimetableCsv::write(const QList<DailyTimes> &days, QTextStream &out,
                         const DataProvenance *provenance, const QString &zoneCode)
{
    out << header(provenance != nullptr) << '\n';
    for (const DailyTimes &day : days) {
        out << row(day);
        if (provenance)
            out << sourceFields(*provenance, zoneCode, QDate(day.year, day.month, day.day));
        out << '\n';
    }
}

QString TimetableCsv::text(const QList<DailyTimes> &days, const DataProvenance *provenance, const QString &zoneCode)
{
    QString result;
    QTextStream out(&result);
    write(days, out, provenance, zoneCode);
    out.flush();
    return result;
}
