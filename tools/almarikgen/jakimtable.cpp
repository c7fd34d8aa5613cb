#include "jakimtable.h"

#include "csvreader.h"

namespace {
const char *const PrayerNames[] = {"imsak", "subuh", "syuruk", "duha", "zohor", "asar", "maghrib", "isyak"};
// Column names of the dataset's CSV, same order.
const char *const TimeColumns[] = {"imsak", "subuh", "syuruk", "dhuha", "zohor", "asar", "maghrib", "isyak"};
}

QString JakimTable::prayerName(int prayer)
{
    if (prayer < 0 || prayer >= PrayerCount)
        return QString();
    return QLatin1String(PrayerNames[prayer]);
}

int JakimTable::parseTime(const QString &text)
{
    const QStringList parts = text.trimmed().split(QLatin1Char(':'));
    if (parts.size() != 2 || parts.at(0).size() != 2 || parts.at(1).size() != 2)
        return -1;
    bool okH = false, okM = false;
    const int h = parts.at(0).toInt(&okH);
    const int m = parts.at(1).toInt(&okM);
    if (!okH || !okM || h < 0 || h > 23 || m < 0 || m > 59)
        return -1;
    return h * 60 + m;
}

QString JakimTable::formatTime(int minutes)
{
    return QStringLiteral("%1:%2").arg(minutes / 60, 2, 10, QLatin1Char('0'))
                                  .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

const QVector<ZoneDay> &JakimTable::days(const QString &zone) const
{
    static const QVector<ZoneDay> none;
    auto it = m_days.constFind(zone);
    return it == m_days.constEnd() ? none : it.value();
}

bool JakimTable::load(const QString &zonesCsv, const QString &timesCsv, QString *error)
{
    m_zones.clear();
    m_states.clear();
    m_days.clear();
    m_year = 0;

    CsvReader zones;
    if (!zones.read(zonesCsv, error))
        return false;
    const int zoneCol = zones.column(QStringLiteral("zone"));
    const int stateCol = zones.column(QStringLiteral("state"));
    if (zoneCol < 0 || stateCol < 0) {
        if (error)
            *error = QStringLiteral("%1 lacks the zone or state column").arg(zonesCsv);
        return false;
    }
    for (const QStringList &row : zones.rows()) {
        m_zones << row.at(zoneCol);
        m_states.insert(row.at(zoneCol), row.at(stateCol));
    }

    CsvReader times;
    if (!times.read(timesCsv, error))
        return false;
    const int zc = times.column(QStringLiteral("zone"));
    const int dc = times.column(QStringLiteral("date"));
    int tc[PrayerCount];
    for (int p = 0; p < PrayerCount; ++p)
        tc[p] = times.column(QLatin1String(TimeColumns[p]));
    for (int p = 0; p < PrayerCount; ++p) {
        if (tc[p] < 0 || zc < 0 || dc < 0) {
            if (error)
                *error = QStringLiteral("%1 lacks a needed column").arg(timesCsv);
            return false;
        }
    }
    int line = 1;
    for (const QStringList &row : times.rows()) {
        ++line;
        ZoneDay day;
        day.date = QDate::fromString(row.at(dc), Qt::ISODate);
        if (!day.date.isValid()) {
            if (error)
                *error = QStringLiteral("%1:%2: bad date").arg(timesCsv).arg(line);
            return false;
        }
        for (int p = 0; p < PrayerCount; ++p) {
            day.minutes[p] = parseTime(row.at(tc[p]));
            if (day.minutes[p] < 0) {
                if (error)
                    *error = QStringLiteral("%1:%2: bad time").arg(timesCsv).arg(line);
                return false;
            }
        }
        if (m_year == 0)
            m_year = day.date.year();
        m_days[row.at(zc)].append(day);
    }

    // Every zone must have every day of the year, in order.
    for (const QString &zone : qAsConst(m_zones)) {
        const QVector<ZoneDay> &d = days(zone);
        const int count = QDate(m_year, 1, 1).daysInYear();
        bool ok = d.size() == count;
        for (int i = 0; ok && i < d.size(); ++i)
            ok = d.at(i).date == QDate(m_year, 1, 1).addDays(i);
        if (!ok) {
            if (error)
                *error = QStringLiteral("zone %1 does not hold every day of %2").arg(zone).arg(m_year);
            return false;
        }
    }
    if (m_days.size() != m_zones.size()) {
        if (error)
            *error = QStringLiteral("%1 holds zones that the zone list lacks").arg(timesCsv);
        return false;
    }
    return true;
}

int JakimTable::mendKnownErrors()
{
    int changed = 0;
    auto it = m_days.find(QStringLiteral("SBH08"));
    if (it == m_days.end())
        return 0;
    for (ZoneDay &day : it.value()) {
        // Imsak after Subuh cannot be right: it was copied from Asar.
        if (day.date.month() == 4 && day.date.day() == 3 && day.minutes[Imsak] > day.minutes[Subuh]) {
            day.minutes[Imsak] = day.minutes[Subuh] - 10;
            ++changed;
        }
    }
    return changed;
}
