#include "zonemodel.h"

#include "csvreader.h"
#include "jakimtable.h"
#include "solarcalc.h"

#include <QFile>
#include <QTextStream>

namespace {
const char *const EventNames[] = {"dawn", "sunrise", "transit", "afternoon", "sunset", "dusk", "morning"};
constexpr int EventCount = 7;
}

double PrayerModel::eventTime(const QDate &date, double angleShift) const
{
    double p = param;
    if (event == SolarCalc::Dawn || event == SolarCalc::Dusk)
        p += angleShift;
    return SolarCalc::eventTime(date, latitude, longitude, 8.0, SolarCalc::Event(event), p);
}

QString ZoneModelFile::eventName(int event)
{
    if (event < 0 || event >= EventCount)
        return QString();
    return QLatin1String(EventNames[event]);
}

int ZoneModelFile::eventFromName(const QString &name)
{
    for (int i = 0; i < EventCount; ++i)
        if (name == QLatin1String(EventNames[i]))
            return i;
    return -1;
}

bool ZoneModelFile::save(const QString &path, const QList<ZoneModel> &models, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        if (error)
            *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    QTextStream out(&file);
    out << "zone,prayer,kind,event,latitude,longitude,param,offset,minutes,fit_share\n";
    for (const ZoneModel &z : models) {
        for (int p = 0; p < JakimTable::PrayerCount; ++p) {
            const PrayerModel &m = z.prayers[p];
            out << z.zone << ',' << JakimTable::prayerName(p) << ',';
            if (m.kind == PrayerModel::CarriedGap) {
                out << "gap," << JakimTable::prayerName(m.source) << ",,,,,,"
                    << QString::number(m.fitShare, 'f', 4) << '\n';
            } else if (m.kind == PrayerModel::Derived) {
                out << "derived," << JakimTable::prayerName(m.source) << ",,,,," << m.minutes << ','
                    << QString::number(m.fitShare, 'f', 4) << '\n';
            } else {
                out << "computed," << eventName(m.event) << ','
                    << QString::number(m.latitude, 'f', 4) << ','
                    << QString::number(m.longitude, 'f', 4) << ','
                    << QString::number(m.param, 'f', 4) << ','
                    << QString::number(m.offset, 'f', 5) << ",,"
                    << QString::number(m.fitShare, 'f', 4) << '\n';
            }
        }
    }
    out.flush();
    if (file.error() != QFile::NoError) {
        if (error)
            *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

bool ZoneModelFile::load(const QString &path, QHash<QString, ZoneModel> *models, QString *error)
{
    models->clear();
    CsvReader csv;
    if (!csv.read(path, error))
        return false;
    const QStringList expected = {QStringLiteral("zone"), QStringLiteral("prayer"), QStringLiteral("kind"),
                                  QStringLiteral("event"), QStringLiteral("latitude"), QStringLiteral("longitude"),
                                  QStringLiteral("param"), QStringLiteral("offset"), QStringLiteral("minutes"),
                                  QStringLiteral("fit_share")};
    if (csv.header() != expected) {
        if (error)
            *error = QStringLiteral("%1: unexpected header").arg(path);
        return false;
    }
    QHash<QString, int> seen;   // zone -> bit set of prayers read
    int line = 1;
    for (const QStringList &row : csv.rows()) {
        ++line;
        auto fail = [&](const char *what) {
            if (error)
                *error = QStringLiteral("%1:%2: %3").arg(path).arg(line).arg(QLatin1String(what));
            return false;
        };
        int prayer = -1;
        for (int p = 0; p < JakimTable::PrayerCount; ++p)
            if (JakimTable::prayerName(p) == row.at(1))
                prayer = p;
        if (prayer < 0)
            return fail("unknown prayer");
        ZoneModel &z = (*models)[row.at(0)];
        z.zone = row.at(0);
        PrayerModel &m = z.prayers[prayer];
        bool ok = true;
        m.fitShare = row.at(9).toDouble(&ok);
        if (row.at(2) == QLatin1String("derived") || row.at(2) == QLatin1String("gap")) {
            m.kind = row.at(2) == QLatin1String("gap") ? PrayerModel::CarriedGap : PrayerModel::Derived;
            m.source = -1;
            for (int p = 0; p < JakimTable::PrayerCount; ++p)
                if (JakimTable::prayerName(p) == row.at(3))
                    m.source = p;
            m.minutes = m.kind == PrayerModel::Derived ? row.at(8).toInt(&ok) : 0;
            if (!ok || m.source < 0 || m.source == prayer)
                return fail("bad derived prayer");
        } else if (row.at(2) == QLatin1String("computed")) {
            m.kind = PrayerModel::Computed;
            m.event = eventFromName(row.at(3));
            bool a = false, b = false, c = false, d = false;
            m.latitude = row.at(4).toDouble(&a);
            m.longitude = row.at(5).toDouble(&b);
            m.param = row.at(6).toDouble(&c);
            m.offset = row.at(7).toDouble(&d);
            if (m.event < 0 || !a || !b || !c || !d)
                return fail("bad computed prayer");
        } else {
            return fail("unknown kind");
        }
        seen[z.zone] |= 1 << prayer;
    }
    for (auto it = seen.constBegin(); it != seen.constEnd(); ++it) {
        if (it.value() != 0xff) {
            if (error)
                *error = QStringLiteral("%1: zone %2 lacks a prayer").arg(path, it.key());
            return false;
        }
        const ZoneModel &z = models->value(it.key());
        for (int p = 0; p < JakimTable::PrayerCount; ++p) {
            const PrayerModel &m = z.prayers[p];
            if (m.kind != PrayerModel::Computed && z.prayers[m.source].kind != PrayerModel::Computed) {
                if (error)
                    *error = QStringLiteral("%1: zone %2 derives from a derived prayer").arg(path, it.key());
                return false;
            }
        }
    }
    return true;
}
