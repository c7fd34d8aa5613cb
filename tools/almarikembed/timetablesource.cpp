#include "timetablesource.h"

#include "csvreader.h"

#include <QSet>

const QStringList &TimetableSource::hijriMonthNames()
{
    static const QStringList names = {
        QStringLiteral("Muharram"), QStringLiteral("Safar"), QStringLiteral("Rabiul Awal"),
        QStringLiteral("Rabiul Akhir"), QStringLiteral("Jamadil Awal"),
        QStringLiteral("Jamadil Akhir"), QStringLiteral("Rejab"), QStringLiteral("Syaaban"),
        QStringLiteral("Ramadan"), QStringLiteral("Syawal"), QStringLiteral("Zulkaedah"),
        QStringLiteral("Zulhijjah")
    };
    return names;
}

bool TimetableSource::parseTime(const QString &text, int &hour, int &minute)
{
    if (text.size() != 5 || text.at(2) != QLatin1Char(':'))
        return false;
    bool hourOk = false;
    bool minuteOk = false;
    hour = text.leftRef(2).toInt(&hourOk);
    minute = text.midRef(3).toInt(&minuteOk);
    return hourOk && minuteOk && text.at(0).isDigit() && text.at(3).isDigit()
            && hour >= 0 && hour <= 23 && minute >= 0 && minute <= 59;
}

bool TimetableSource::readDays(const QString &filePath)
{
    m_zones.clear();
    m_minutes.clear();
    m_firstDay = QDate();
    m_lastDay = QDate();
    CsvReader csv;
    if (!csv.read(filePath)) {
        m_error = csv.errorText();
        return false;
    }
    const QStringList columns = {
        QStringLiteral("zone"), QStringLiteral("date"), QStringLiteral("imsak"),
        QStringLiteral("subuh"), QStringLiteral("syuruk"), QStringLiteral("duha"),
        QStringLiteral("zohor"), QStringLiteral("asar"), QStringLiteral("maghrib"),
        QStringLiteral("isyak")
    };
    int index[10];
    for (int i = 0; i < columns.size(); ++i) {
        index[i] = csv.column(columns.at(i));
        if (index[i] < 0) {
            m_error = QStringLiteral("%1: no column %2").arg(filePath, columns.at(i));
            return false;
        }
    }
    m_minutes.reserve(csv.rowCount() * TimesPerDay);
    QSet<QString> seen;
    QDate previous;
    for (int row = 0; row < csv.rowCount(); ++row) {
        const QStringList &fields = csv.row(row);
        const QString where = QStringLiteral("%1: data row %2").arg(filePath).arg(row + 1);
        const QString &code = fields.at(index[0]);
        const QDate date = QDate::fromString(fields.at(index[1]), Qt::ISODate);
        if (code.isEmpty() || !date.isValid()) {
            m_error = where + QStringLiteral(": empty zone or bad date");
            return false;
        }
        if (m_zones.isEmpty() || m_zones.last().code != code) {
            if (seen.contains(code)) {
                m_error = where + QStringLiteral(": zone %1 is not one block").arg(code);
                return false;
            }
            seen.insert(code);
            m_zones.append(Zone{code, dayCount(), 0, date});
        } else if (previous.addDays(1) != date) {
            m_error = where + QStringLiteral(": %1 does not follow %2")
                    .arg(date.toString(Qt::ISODate), previous.toString(Qt::ISODate));
            return false;
        }
        previous = date;
        if (!m_firstDay.isValid() || date < m_firstDay)
            m_firstDay = date;
        if (!m_lastDay.isValid() || date > m_lastDay)
            m_lastDay = date;
        for (int slot = 0; slot < 8; ++slot) {
            int hour = 0;
            int minute = 0;
            if (!parseTime(fields.at(index[2 + slot]), hour, minute)) {
                m_error = where + QStringLiteral(": bad time \"%1\"").arg(fields.at(index[2 + slot]));
                return false;
            }
            m_minutes << quint16(hour * 60 + minute);
        }
        ++m_zones.last().count;
    }
    if (m_zones.isEmpty()) {
        m_error = QStringLiteral("%1: no days").arg(filePath);
        return false;
    }
    return true;
}

bool TimetableSource::readHijri(const QString &filePath)
{
    m_hijri.clear();
    CsvReader csv;
    if (!csv.read(filePath)) {
        m_error = csv.errorText();
        return false;
    }
    for (const char *column : {"gregorian", "hijri_year", "hijri_month", "hijri_day"}) {
        if (csv.column(QLatin1String(column)) < 0) {
            m_error = QStringLiteral("%1: no column %2").arg(filePath, QLatin1String(column));
            return false;
        }
    }
    m_hijri.reserve(csv.rowCount());
    for (int row = 0; row < csv.rowCount(); ++row) {
        const QString where = QStringLiteral("%1: data row %2").arg(filePath).arg(row + 1);
        HijriDay day;
        day.date = QDate::fromString(csv.field(row, QStringLiteral("gregorian")), Qt::ISODate);
        bool yearOk = false;
        bool monthOk = false;
        bool dayOk = false;
        day.hijriYear = csv.field(row, QStringLiteral("hijri_year")).toInt(&yearOk);
        day.hijriMonth = csv.field(row, QStringLiteral("hijri_month")).toInt(&monthOk);
        day.hijriDay = csv.field(row, QStringLiteral("hijri_day")).toInt(&dayOk);
        if (!day.date.isValid() || !yearOk || !monthOk || !dayOk || day.hijriYear < 1
                || day.hijriMonth < 1 || day.hijriMonth > 12 || day.hijriDay < 1 || day.hijriDay > 30) {
            m_error = where + QStringLiteral(": bad row");
            return false;
        }
        if (!m_hijri.isEmpty() && m_hijri.last().date.addDays(1) != day.date) {
            m_error = where + QStringLiteral(": days are not consecutive");
            return false;
        }
        m_hijri.append(day);
    }
    if (m_hijri.isEmpty()) {
        m_error = QStringLiteral("%1: no days").arg(filePath);
        return false;
    }
    return true;
}

QVector<TimetableSource::MonthTitle> TimetableSource::monthTitles() const
{
    QVector<MonthTitle> titles;
    QStringList names;
    for (const HijriDay &day : m_hijri) {
        if (titles.isEmpty() || titles.last().year != day.date.year()
                || titles.last().month != day.date.month()) {
            if (!titles.isEmpty())
                titles.last().title = names.join(QLatin1String(" - "));
            titles.append(MonthTitle{day.date.year(), day.date.month(), 0, QString()});
            names.clear();
        }
        const QString &name = hijriMonthNames().at(day.hijriMonth - 1);
        if (names.isEmpty() || names.last() != name)
            names.append(name);
        titles.last().hijriYear = day.hijriYear;
    }
    if (!titles.isEmpty())
        titles.last().title = names.join(QLatin1String(" - "));
    return titles;
}
