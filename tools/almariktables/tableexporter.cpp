#include "tableexporter.h"

#include <QDate>
#include <QDomDocument>
#include <QList>

#include "core/timetablecsv.h"
#include "plugin-api/ialmarikobject.h"

namespace {
void collectItems(const QDomElement &parent, QStringList &names)
{
    for (QDomElement e = parent.firstChildElement(); !e.isNull(); e = e.nextSiblingElement()) {
        if (e.tagName() == QLatin1String("item"))
            names.append(e.text());
        else
            collectItems(e, names);
    }
}
}

TableExporter::TableExporter(const IAlmarikObject &api, QTextStream &out)
    : m_api(api), m_out(out)
{
}

QString TableExporter::csvField(const QString &text)
{
    return TimetableCsv::field(text);
}

DailyTimes TableExporter::dailyTimes(const AlmarikDay &source)
{
    DailyTimes day;
    day.day = source.day;
    day.month = source.month;
    day.year = source.year;
    day.dayOfWeek = QDate(source.year, source.month, source.day).dayOfWeek() % 7;
    day.hijriDay = source.hijriDay;
    day.hijriMonthName = source.hijriMonthName;
    day.hijriYear = source.hijriYear;
    for (int slot = 0; slot < PrayerSlotCount; ++slot) {
        day.times[slot][0] = source.times[slot][0];
        day.times[slot][1] = source.times[slot][1];
    }
    return day;
}

QList<DailyTimes> TableExporter::zoneDays(const QString &zoneCode, const QDate &from, const QDate &to) const
{
    QList<AlmarikDay *> delivered;
    m_api.dayTimes(zoneCode, delivered);
    QList<DailyTimes> days;
    for (const AlmarikDay *source : qAsConst(delivered)) {
        const QDate date(source->year, source->month, source->day);
        if ((!from.isValid() || date >= from) && (!to.isValid() || date <= to))
            days.append(dailyTimes(*source));
    }
    qDeleteAll(delivered);
    return days;
}

bool TableExporter::writeZone(const QString &zoneCode)
{
    QList<DailyTimes> days = zoneDays(zoneCode, QDate(), QDate());
    if (days.isEmpty())
        return false;
    QList<DailyTimes *> pointers;
    for (DailyTimes &day : days)
        pointers.append(&day);
    TimetableCsv::write(pointers, m_out);
    return true;
}

bool TableExporter::writeCatalogue()
{
    QDomDocument document;
    if (!document.setContent(m_api.locationTree()))
        return false;
    QStringList names;
    collectItems(document.documentElement(), names);
    m_out << "order,name,zone,latitude,longitude,source,source_url\n";
    int order = 0;
    for (const QString &name : qAsConst(names)) {
        ++order;
        AlmarikLocation *place = m_api.location(name);
        if (!place) {
            m_out << order << ',' << csvField(name) << ",,,,,\n";
            continue;
        }
        m_out << order << ',' << csvField(place->name) << ',' << csvField(place->zoneCode) << ','
              << QString::number(place->latitude, 'f', 6) << ','
              << QString::number(place->longitude, 'f', 6) << ',' << csvField(place->source) << ','
              << csvField(place->sourceUrl) << '\n';
        delete place;
    }
    return true;
}

bool TableExporter::writeTitles()
{
    m_out << "year,month,title\n";
    // The titles are looked up month by month; the plug-in's tables lie
    // well inside these years.
    for (int year = 1900; year < 2200; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const QString title = m_api.hijriMonthTitle(year, month);
            if (!title.isEmpty())
                m_out << year << ',' << month << ',' << csvField(title) << '\n';
        }
    }
    return true;
}

bool TableExporter::writeRange()
{
    int firstYear = 0;
    int firstMonth = 0;
    int lastYear = 0;
    int lastMonth = 0;
    if (!m_api.dateRange(firstYear, firstMonth, lastYear, lastMonth))
        return false;
    m_out << "first_year,first_month,last_year,last_month\n"
          << firstYear << ',' << firstMonth << ',' << lastYear << ',' << lastMonth << '\n';
    return true;
}
