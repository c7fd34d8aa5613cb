#include "core/zonetimezone.h"

namespace {

// Zones outside Malaysia, by code, as data/places.csv gives them.
const struct {
    const char *code;
    const char *timeZone;
} OtherZones[] = {
    {"AbuDhabi", "Asia/Dubai"},
    {"Ankara", "Europe/Istanbul"},
    {"BandaAceh", "Asia/Jakarta"},
    {"Bandung", "Asia/Jakarta"},
    {"Bangkok", "Asia/Bangkok"},
    {"Banjarmasin", "Asia/Makassar"},
    {"Beijing", "Asia/Shanghai"},
    {"Brunei", "Asia/Brunei"},
    {"Cairo", "Africa/Cairo"},
    {"DaerahBelait", "Asia/Brunei"},
    {"Denpasar", "Asia/Makassar"},
    {"Doha", "Asia/Qatar"},
    {"Dublin", "Europe/Dublin"},
    {"Frankfurt", "Europe/Berlin"},
    {"Geneva", "Europe/Zurich"},
    {"Hanoi", "Asia/Ho_Chi_Minh"},
    {"HongKong", "Asia/Hong_Kong"},
    {"Houston", "America/Chicago"},
    {"Istanbul", "Europe/Istanbul"},
    {"JakartaBarat", "Asia/Jakarta"},
    {"JakartaPusat", "Asia/Jakarta"},
    {"JakartaSelatan", "Asia/Jakarta"},
    {"JakartaTimur", "Asia/Jakarta"},
    {"JakartaUtara", "Asia/Jakarta"},
    {"London", "Europe/London"},
    {"Makassar", "Asia/Makassar"},
    {"Makkah", "Asia/Riyadh"},
    {"Malang", "Asia/Jakarta"},
    {"Manama", "Asia/Bahrain"},
    {"Manila", "Asia/Manila"},
    {"Mataram", "Asia/Makassar"},
    {"Medan", "Asia/Jakarta"},
    {"Moscow", "Europe/Moscow"},
    {"NewDelhi", "Asia/Kolkata"},
    {"NewYork", "America/New_York"},
    {"Palembang", "Asia/Jakarta"},
    {"Paris", "Europe/Paris"},
    {"Phuket", "Asia/Bangkok"},
    {"QuezonCity", "Asia/Manila"},
    {"Samarinda", "Asia/Makassar"},
    {"Sambas", "Asia/Pontianak"},
    {"Semarang", "Asia/Jakarta"},
    {"Seoul", "Asia/Seoul"},
    {"Shanghai", "Asia/Shanghai"},
    {"Singapura", "Asia/Singapore"},
    {"SungaiPenuh", "Asia/Jakarta"},
    {"Surabaya", "Asia/Jakarta"},
    {"Sydney", "Australia/Sydney"},
    {"Taichung", "Asia/Taipei"},
    {"Tangerang", "Asia/Jakarta"},
    {"Tokyo", "Asia/Tokyo"},
    {"Tutong", "Asia/Brunei"},
    {"Washington", "America/New_York"},
    {"Woking", "Europe/London"},
    {"Yogyakarta", "Asia/Jakarta"},
};

} // namespace

QTimeZone ZoneTimeZone::of(const QString &zoneCode)
{
    // Peninsular Malaysia keeps Asia/Kuala_Lumpur; Sabah, Sarawak and
    // Labuan (WLY02) keep Asia/Kuching. Both are UTC+8 without daylight
    // saving, but the names are what calendars show.
    static const char *const peninsular[] = {"JHR", "KDH", "KTN", "MLK", "NGS", "PHG",
                                             "PLS", "PNG", "PRK", "SGR", "TRG"};
    if (zoneCode.startsWith(QLatin1String("SBH")) || zoneCode.startsWith(QLatin1String("SWK"))
            || zoneCode == QLatin1String("WLY02"))
        return QTimeZone(QByteArrayLiteral("Asia/Kuching"));
    if (zoneCode == QLatin1String("WLY01"))
        return QTimeZone(QByteArrayLiteral("Asia/Kuala_Lumpur"));
    for (const char *prefix : peninsular) {
        if (zoneCode.size() == 5 && zoneCode.startsWith(QLatin1String(prefix)))
            return QTimeZone(QByteArrayLiteral("Asia/Kuala_Lumpur"));
    }
    for (const auto &zone : OtherZones) {
        if (zoneCode == QLatin1String(zone.code))
            return QTimeZone(QByteArray(zone.timeZone));
    }
    return QTimeZone();
}

QTimeZone ZoneTimeZone::orSystem(const QString &zoneCode)
{
    const QTimeZone zone = of(zoneCode);
    return zone.isValid() ? zone : QTimeZone::systemTimeZone();
}
