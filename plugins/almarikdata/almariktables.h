#ifndef ALMARIKTABLES_H
#define ALMARIKTABLES_H

#include <cstdint>

// The static, read-only tables of the timetable plug-in. Their contents are
// generated at build time by almarik-embed from the generator's CSV files
// and data/places.csv; nothing here is parsed when the plug-in is loaded.
namespace AlmarikTables {

// One day of a zone: the minutes after midnight of Imsak, Subuh, Syuruk,
// Duha, Zohor, Asar, Maghrib and Isyak. The date is implied: a zone's days
// run on one by one from its first day (ZoneRow::firstJulianDay).
struct DayEntry
{
    std::uint16_t minutes[8];
};
static_assert(sizeof(DayEntry) == 16, "a day entry is 8 packed 16-bit minutes");

// Hijri date of one Gregorian day; rows sorted by Gregorian date.
struct HijriDayRow
{
    std::int16_t year;
    std::int8_t month;
    std::int8_t day;
    std::int16_t hijriYear;
    std::uint8_t hijriMonth;  // 1 Muharram .. 12 Zulhijjah
    std::uint8_t hijriDay;
};
static_assert(sizeof(HijriDayRow) == 8, "a Hijri day row is 8 bytes");

// Hijri months that one Gregorian month spans, joined by " - ", and the
// Hijri year of the month's last day.
struct MonthTitleRow
{
    std::int32_t year;
    std::int32_t month;
    std::int32_t hijriYear;
    char title[200];  // ASCII, NUL-terminated
};
static_assert(sizeof(MonthTitleRow) == 212, "a month title row is 212 bytes");

// A zone's table: dayEntries[first] .. dayEntries[first + count - 1], the
// first of them on the Julian day firstJulianDay.
struct ZoneRow
{
    const char *code;
    std::int32_t first;
    std::int32_t count;
    std::int32_t firstJulianDay;
};

// One place of the catalogue; texts in UTF-8.
struct PlaceRow
{
    const char *name;
    const char *zoneCode;
    const char *displayName;  // "" unless the place is shown under another form
    double latitude;
    double longitude;
    const char *source;
    const char *sourceUrl;
};

extern const char version[];          // 16 digits
extern const char provenance[];       // see plugin-api/almarikprovenance.h
extern const int firstYear;           // coverage of the zone tables, inclusive
extern const int firstMonth;
extern const int lastYear;
extern const int lastMonth;

extern const ZoneRow zones[];
extern const int zoneCount;
extern const DayEntry dayEntries[];
extern const int dayEntryCount;
extern const HijriDayRow hijriDays[];
extern const char *const hijriMonthNames[12];  // ASCII, Muharram first
extern const int hijriDayCount;
extern const MonthTitleRow monthTitles[];
extern const int monthTitleCount;
extern const PlaceRow places[];
extern const int placeCount;
extern const char locationTree[];

} // namespace AlmarikTables

#endif // ALMARIKTABLES_H
