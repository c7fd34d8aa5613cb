#include "jakimimport.h"

#include "csvreader.h"
#include "hijricalculator.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>

namespace {

constexpr int MaxJump = 3;   // minutes from one day to the next
constexpr int Unset = -1;

// "HH:MM" or "HH:MM:SS" to minutes (seconds dropped, as JAKIM publishes
// whole minutes); -1 when malformed.
int clockMinutes(const QString &text)
{
    const QString t = text.trimmed();
    if (t.size() == 8 && t.at(5) == QLatin1Char(':')) {
        bool ok = false;
        const int seconds = t.midRef(6).toInt(&ok);
        if (!ok || seconds < 0 || seconds > 59)
            return -1;
        return JakimTable::parseTime(t.left(5));
    }
    return JakimTable::parseTime(t);
}

// Index of the same calendar day in a year's days (29 February: 28).
int sameDayIndex(const QVector<ZoneDay> &days, const QDate &date)
{
    if (days.isEmpty())
        return -1;
    const int year = days.first().date.year();
    QDate d(year, date.month(), date.day());
    if (!d.isValid())
        d = QDate(year, date.month(), date.day() - 1);
    const qint64 i = days.first().date.daysTo(d);
    return i >= 0 && i < days.size() ? int(i) : -1;
}

} // namespace

JakimImport::JakimImport(const QStringList &zones, const JakimTable &reference,
                         const QHash<QString, ZoneModel> &models)
    : m_zones(zones), m_reference(reference), m_models(models)
{
}

void JakimImport::reject(const QString &text)
{
    m_rejects << text;
}

void JakimImport::addDay(const QString &zone, const ZoneDay &day, const QString &where)
{
    QVector<ZoneDay> &days = m_days[zone];
    for (const ZoneDay &d : qAsConst(days)) {
        if (d.date == day.date) {
            reject(QStringLiteral("%1: %2 %3 given twice").arg(where, zone, day.date.toString(Qt::ISODate)));
            return;
        }
    }
    days.append(day);
}

bool JakimImport::readFile(const QString &path, int year)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reject(QStringLiteral("%1: cannot read").arg(path));
        return false;
    }
    const QByteArray start = file.peek(64).trimmed();
    file.close();
    return start.startsWith('{') ? readJson(path, year) : readCsv(path, year);
}

bool JakimImport::readCsv(const QString &path, int year)
{
    CsvReader csv;
    QString error;
    if (!csv.read(path, &error)) {
        reject(error);
        return false;
    }
    static const char *const columns[] = {"imsak", "subuh", "syuruk", "dhuha", "zohor", "asar", "maghrib", "isyak"};
    int index[JakimTable::PrayerCount];
    for (int p = 0; p < JakimTable::PrayerCount; ++p) {
        index[p] = csv.column(QLatin1String(columns[p]));
        if (index[p] < 0 && p == JakimTable::Duha)
            index[p] = csv.column(QStringLiteral("duha"));
    }
    const int zoneCol = csv.column(QStringLiteral("zone"));
    const int dateCol = csv.column(QStringLiteral("date"));
    for (int p = 0; p < JakimTable::PrayerCount; ++p) {
        if (index[p] < 0 || zoneCol < 0 || dateCol < 0) {
            reject(QStringLiteral("%1: lacks a column (zone, date, imsak ... isyak)").arg(path));
            return false;
        }
    }
    for (int row = 0; row < csv.rowCount(); ++row) {
        const QStringList &fields = csv.row(row);
        const QString where = QStringLiteral("%1:%2").arg(path).arg(row + 2);
        ZoneDay day;
        day.date = QDate::fromString(fields.at(dateCol), Qt::ISODate);
        if (!day.date.isValid() || day.date.year() != year) {
            reject(QStringLiteral("%1: date \"%2\" is not a day of %3").arg(where, fields.at(dateCol)).arg(year));
            continue;
        }
        bool ok = true;
        for (int p = 0; p < JakimTable::PrayerCount; ++p) {
            day.minutes[p] = clockMinutes(fields.at(index[p]));
            ok = ok && day.minutes[p] >= 0;
        }
        if (!ok) {
            reject(QStringLiteral("%1: a time is not HH:MM").arg(where));
            continue;
        }
        addDay(fields.at(zoneCol), day, where);
    }
    return true;
}

bool JakimImport::readJson(const QString &path, int year)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reject(QStringLiteral("%1: cannot read").arg(path));
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!document.isObject() || !document.object().value(QStringLiteral("prayerTime")).isArray()) {
        reject(QStringLiteral("%1: not an e-Solat answer (an object with a prayerTime array)%2")
                       .arg(path, parseError.error ? QStringLiteral(": ") + parseError.errorString() : QString()));
        return false;
    }
    const QJsonObject root = document.object();
    QString zone = root.value(QStringLiteral("zone")).toString().toUpper();
    if (zone.isEmpty())
        zone = QFileInfo(path).baseName().toUpper();
    if (!m_zones.contains(zone)) {
        reject(QStringLiteral("%1: zone \"%2\" is not in the zone list").arg(path, zone));
        return false;
    }
    static const char *const keys[] = {"imsak", "fajr", "syuruk", "dhuha", "dhuhr", "asr", "maghrib", "isha"};
    const QLocale c = QLocale::c();
    const QJsonArray entries = root.value(QStringLiteral("prayerTime")).toArray();
    for (int i = 0; i < entries.size(); ++i) {
        const QJsonObject e = entries.at(i).toObject();
        const QString where = QStringLiteral("%1: entry %2").arg(path).arg(i + 1);
        ZoneDay day;
        const QString dateText = e.value(QStringLiteral("date")).toString();
        day.date = c.toDate(dateText, QStringLiteral("dd-MMM-yyyy"));
        if (!day.date.isValid() || day.date.year() != year) {
            reject(QStringLiteral("%1: date \"%2\" is not a day of %3").arg(where, dateText).arg(year));
            continue;
        }
        bool ok = true;
        for (int p = 0; p < JakimTable::PrayerCount; ++p) {
            const QJsonValue v = e.value(QLatin1String(keys[p]));
            if (p == JakimTable::Duha && v.isUndefined()) {
                day.minutes[p] = Unset;   // derived in check()
                continue;
            }
            day.minutes[p] = clockMinutes(v.toString());
            ok = ok && day.minutes[p] >= 0;
        }
        if (!ok) {
            reject(QStringLiteral("%1: a time is not HH:MM:SS").arg(where));
            continue;
        }
        const QString hijri = e.value(QStringLiteral("hijri")).toString();
        if (!hijri.isEmpty()) {
            const QStringList parts = hijri.split(QLatin1Char('-'));
            if (parts.size() != 3 || parts.at(1).toInt() < 1 || parts.at(1).toInt() > 12
                    || parts.at(2).toInt() < 1 || parts.at(2).toInt() > 30) {
                reject(QStringLiteral("%1: Hijri date \"%2\" is not YYYY-MM-DD").arg(where, hijri));
                continue;
            }
            const QString known = m_hijri.value(day.date);
            if (!known.isEmpty() && known != hijri) {
                reject(QStringLiteral("%1: Hijri date %2 of %3 differs from another zone's %4")
                               .arg(where, hijri, day.date.toString(Qt::ISODate), known));
                continue;
            }
            m_hijri.insert(day.date, hijri);
        }
        addDay(zone, day, where);
    }
    return true;
}

bool JakimImport::check(int year)
{
    const QDate first(year, 1, 1);
    const int count = first.daysInYear();
    for (auto it = m_days.cbegin(); it != m_days.cend(); ++it) {
        if (!m_zones.contains(it.key()))
            reject(QStringLiteral("zone %1 is not in the zone list").arg(it.key()));
    }
    for (const QString &zone : qAsConst(m_zones)) {
        auto it = m_days.find(zone);
        if (it == m_days.end()) {
            reject(QStringLiteral("%1: no days").arg(zone));
            continue;
        }
        QVector<ZoneDay> &days = it.value();
        std::sort(days.begin(), days.end(), [](const ZoneDay &a, const ZoneDay &b) { return a.date < b.date; });
        if (days.size() != count) {
            QStringList missing;
            for (QDate d = first; d.year() == year && missing.size() < 5; d = d.addDays(1)) {
                if (std::none_of(days.cbegin(), days.cend(), [&](const ZoneDay &z) { return z.date == d; }))
                    missing << d.toString(Qt::ISODate);
            }
            reject(QStringLiteral("%1: %2 of %3 days (missing %4)").arg(zone).arg(days.size()).arg(count)
                           .arg(missing.join(QLatin1Char(' '))));
            continue;
        }

        const QVector<ZoneDay> &reference = m_reference.days(zone);
        const PrayerModel &duha = m_models.value(zone).prayers[JakimTable::Duha];
        for (ZoneDay &day : days) {
            if (day.minutes[JakimTable::Duha] != Unset)
                continue;
            const int r = sameDayIndex(reference, day.date);
            int gap = 0;
            if (duha.kind == PrayerModel::Derived && duha.source == JakimTable::Syuruk)
                gap = duha.minutes;
            else if (r >= 0)
                gap = reference.at(r).minutes[JakimTable::Duha] - reference.at(r).minutes[JakimTable::Syuruk];
            day.minutes[JakimTable::Duha] = day.minutes[JakimTable::Syuruk] + gap;
        }

        for (int i = 0; i < days.size(); ++i) {
            const ZoneDay &day = days.at(i);
            const QString when = QStringLiteral("%1 %2").arg(zone, day.date.toString(Qt::ISODate));
            bool ordered = day.minutes[JakimTable::Imsak] <= day.minutes[JakimTable::Subuh];
            for (int p = JakimTable::Subuh; p < JakimTable::Isyak; ++p)
                ordered = ordered && day.minutes[p] < day.minutes[p + 1];
            if (!ordered) {
                QStringList times;
                for (int p = 0; p < JakimTable::PrayerCount; ++p)
                    times << JakimTable::formatTime(day.minutes[p]);
                reject(QStringLiteral("%1: times out of order (%2)").arg(when, times.join(QLatin1Char(' '))));
            }
            if (i == 0)
                continue;
            const ZoneDay &before = days.at(i - 1);
            const int r = sameDayIndex(reference, day.date);
            const int rb = sameDayIndex(reference, before.date);
            for (int p = 0; p < JakimTable::PrayerCount; ++p) {
                const int jump = qAbs(day.minutes[p] - before.minutes[p]);
                if (jump <= MaxJump)
                    continue;
                const int referenceJump = (r >= 0 && rb >= 0 && r != rb)
                        ? qAbs(reference.at(r).minutes[p] - reference.at(rb).minutes[p]) : 0;
                if (jump > qMax(MaxJump, referenceJump))
                    reject(QStringLiteral("%1: %2 moves %3 minutes from the day before")
                                   .arg(when, JakimTable::prayerName(p)).arg(jump));
            }
        }
    }
    return m_rejects.isEmpty();
}

bool JakimImport::writeTable(const QString &path, int year, QString *error) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    QTextStream out(&file);
    out << "zone,date,day,imsak,subuh,syuruk,dhuha,zohor,asar,maghrib,isyak\r\n";
    const QLocale c = QLocale::c();
    for (const QString &zone : m_zones) {
        for (const ZoneDay &day : m_days.value(zone)) {
            if (day.date.year() != year)
                continue;
            out << zone << ',' << day.date.toString(Qt::ISODate) << ','
                << c.dayName(day.date.dayOfWeek(), QLocale::LongFormat);
            for (int p = 0; p < JakimTable::PrayerCount; ++p)
                out << ',' << JakimTable::formatTime(day.minutes[p]);
            out << "\r\n";
        }
    }
    out.flush();
    if (!file.commit()) {
        if (error)
            *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

bool JakimImport::mergeTakwim(const QString &tarikhCsv, const std::function<QString(const QDate &)> &fill,
                              int *filledDays, QString *error) const
{
    *filledDays = 0;
    if (m_hijri.isEmpty())
        return true;
    CsvReader csv;
    if (!csv.read(tarikhCsv, error))
        return false;
    QMap<QDate, QString> rows;
    for (int i = 0; i < csv.rowCount(); ++i) {
        const QDate d = QDate::fromString(csv.field(i, QStringLiteral("gregorian")), Qt::ISODate);
        if (d.isValid())
            rows.insert(d, csv.field(i, QStringLiteral("hijri")));
    }
    int &filled = *filledDays;
    if (!rows.isEmpty()) {
        for (QDate d = rows.lastKey().addDays(1); d < m_hijri.firstKey(); d = d.addDays(1)) {
            rows.insert(d, fill(d));
            ++filled;
        }
    }
    for (auto it = m_hijri.cbegin(); it != m_hijri.cend(); ++it)
        rows.insert(it.key(), it.value());

    QByteArray text = "gregorian,hijri,day\r\n";
    const QLocale c = QLocale::c();
    for (auto it = rows.cbegin(); it != rows.cend(); ++it)
        text += (it.key().toString(Qt::ISODate) + QLatin1Char(',') + it.value() + QLatin1Char(',')
                 + c.dayName(it.key().dayOfWeek(), QLocale::LongFormat) + QLatin1String("\r\n")).toUtf8();

    // The merged takwim must still run on day by day before it replaces the
    // committed one.
    QTemporaryDir dir;
    const QString trial = dir.filePath(QStringLiteral("tarikh.csv"));
    QFile trialFile(trial);
    if (!dir.isValid() || !trialFile.open(QIODevice::WriteOnly) || trialFile.write(text) != text.size()) {
        if (error)
            *error = QStringLiteral("cannot write a trial takwim");
        return false;
    }
    trialFile.close();
    HijriCalculator check;
    QString why;
    if (!check.load(trial, &why)) {
        if (error)
            *error = QStringLiteral("the imported Hijri dates do not join the takwim: %1").arg(why);
        return false;
    }
    QSaveFile out(tarikhCsv);
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size() || !out.commit()) {
        if (error)
            *error = QStringLiteral("cannot write %1").arg(tarikhCsv);
        return false;
    }
    return true;
}
