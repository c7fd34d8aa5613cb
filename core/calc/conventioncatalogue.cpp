#include "core/calc/conventioncatalogue.h"

#include "core/calc/conventionsdata.h"

#include <QHash>

namespace {

const char *const Columns[] = {
    "code", "name", "subuh_angle", "isyak_angle", "isyak_minutes", "isyak_minutes_ramadan", "asar_factor",
    "imsak_minutes", "adjust_subuh", "adjust_syuruk", "adjust_duha", "adjust_zohor", "adjust_asar",
    "adjust_maghrib", "adjust_isyak", "rounding", "high_latitude", "twilight"};

} // namespace

bool ConventionCatalogue::parse(const QString &csvText, QString *error)
{
    auto fail = [error](const QString &message) {
        if (error)
            *error = message;
        return false;
    };
    const QStringList lines = csvText.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (lines.isEmpty())
        return fail(QStringLiteral("no header"));
    const QStringList header = lines.first().trimmed().split(QLatin1Char(','));
    QHash<QString, int> column;
    for (int i = 0; i < header.size(); ++i)
        column.insert(header.at(i), i);
    for (const char *name : Columns)
        if (!column.contains(QLatin1String(name)))
            return fail(QStringLiteral("missing column %1").arg(QLatin1String(name)));

    QList<PrayerConvention> result;
    for (int n = 1; n < lines.size(); ++n) {
        const QStringList f = lines.at(n).trimmed().split(QLatin1Char(','));
        if (f.size() != header.size())
            return fail(QStringLiteral("line %1: %2 fields, expected %3").arg(n + 1).arg(f.size()).arg(header.size()));
        auto text = [&](const char *name) { return f.at(column.value(QLatin1String(name))).trimmed(); };
        bool allOk = true;
        auto number = [&](const char *name, double low, double high) {
            bool ok = false;
            const double v = text(name).toDouble(&ok);
            allOk = allOk && ok && v >= low && v <= high;
            return v;
        };
        PrayerConvention c;
        c.code = text("code").toUpper();
        c.name = text("name");
        c.subuhAngle = number("subuh_angle", 0, 30);
        c.isyakAngle = number("isyak_angle", 0, 30);
        c.isyakMinutes = number("isyak_minutes", 0, 240);
        c.isyakMinutesRamadan = number("isyak_minutes_ramadan", 0, 240);
        c.asarFactor = int(number("asar_factor", 1, 2));
        c.imsakMinutes = int(number("imsak_minutes", 0, 60));
        const char *adjustColumns[PrayerSlotCount] = {nullptr, "adjust_subuh", "adjust_syuruk", "adjust_duha",
                                                      "adjust_zohor", "adjust_asar", "adjust_maghrib", "adjust_isyak"};
        for (int slot = Subuh; slot < PrayerSlotCount; ++slot)
            c.adjustment[slot] = number(adjustColumns[slot], -30, 30);
        if (!allOk || c.code.isEmpty() || (c.isyakMinutes == 0 && c.isyakAngle <= 0) || c.subuhAngle <= 0)
            return fail(QStringLiteral("line %1: a value is missing or out of range").arg(n + 1));
        if (!PrayerConvention::parseRounding(text("rounding"), &c.rounding)
            || !PrayerConvention::parseHighLatitude(text("high_latitude"), &c.highLatitude))
            return fail(QStringLiteral("line %1: unknown rounding or high-latitude rule").arg(n + 1));
        if (column.contains(QStringLiteral("countries")))
            c.countries = text("countries").split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QString twilight = text("twilight");
        if (twilight == QLatin1String("angle"))
            c.twilight = PrayerConvention::TwilightByAngle;
        else if (twilight == QLatin1String("seasonal"))
            c.twilight = PrayerConvention::TwilightSeasonal;
        else
            return fail(QStringLiteral("line %1: unknown twilight '%2'").arg(n + 1).arg(twilight));
        result << c;
    }
    m_conventions = result;
    return true;
}

const ConventionCatalogue &ConventionCatalogue::builtIn()
{
    static const ConventionCatalogue catalogue = [] {
        ConventionCatalogue c;
        // The build checks the shipped file with the same parser (see the
        // calculator's tests); a failure here leaves the catalogue empty.
        c.parse(QString::fromUtf8(builtInConventionsCsv()), nullptr);
        return c;
    }();
    return catalogue;
}

QStringList ConventionCatalogue::codes() const
{
    QStringList result;
    for (const PrayerConvention &c : m_conventions)
        result << c.code;
    return result;
}

QString ConventionCatalogue::forCountry(const QString &countryCode) const
{
    for (const PrayerConvention &c : m_conventions)
        if (c.countries.contains(countryCode.toUpper()))
            return c.code;
    return QStringLiteral("MWL");
}

PrayerConvention ConventionCatalogue::find(const QString &code) const
{
    for (const PrayerConvention &c : m_conventions)
        if (c.code.compare(code, Qt::CaseInsensitive) == 0)
            return c;
    return PrayerConvention();
}
