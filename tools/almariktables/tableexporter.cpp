#include "tableexporter.h"

#include <QDate>
#include <QDomDocument>
#include <QList>

#include "plugin-api/ialmarikobject.h"

namespace {
QString timeText(int hour, int minute)
{
    return QStringLiteral("%1:%2").arg(hour, 2, 10, QLatin1Char('0')).arg(minute, 2, 10, QLatin1Char('0'));
}

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

TableExporter::TableExporter(const IAlmarikObject &api, const DataProvenance &provenance, QTextStream &out)
    : m_api(api), m_provenance(provenance), m_out(out)
{
}

QString TableExporter::csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"'))
            && !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

bool TableExporter::writeZone(const QString &zoneCode)
{
    QList<AlmarikDay *> days;
    m_api.dayTimes(zoneCode, days);
    if (days.isEmpty())
        return false;
    m_out << "date,imsak,subuh,syuruk,duha,zohor,asar,maghrib,isyak,hijri_day,hijri_month,hijri_year,source,basis\n";
    for (const AlmarikDay *day : qAsConst(days)) {
        const QDate date(day->year, day->month, day->day);
        m_out << date.toString(Qt::ISODate);
        for (int slot = 0; slot < 8; ++slot)
            m_out << ',' << timeText(day->times[slot][0], day->times[slot][1]);
        // A day the Hijri table does not cover has no Hijri date.
        if (day->hijriYear > 0)
            m_out << ',' << day->hijriDay << ',' << csvField(day->hijriMonthName) << ',' << day->hijriYear;
        else
            m_out << ",,,";
        const DataProvenance::Source source = m_provenance.sourceOf(zoneCode, date);
        switch (source.kind) {
        case DataProvenance::Published:
            m_out << ",published," << source.year;
            break;
        case DataProvenance::Computed:
            m_out << ",computed," << source.year;
            break;
        case DataProvenance::Convention:
            m_out << ",computed," << csvField(source.convention);
            break;
        case DataProvenance::Unknown:
            m_out << ",,";
            break;
        }
        m_out << '\n';
    }
    qDeleteAll(days);
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
