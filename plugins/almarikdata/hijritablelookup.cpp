#include "plugins/almarikdata/hijritablelookup.h"

using namespace AlmarikTables;

const HijriDayRow *HijriTableLookup::dayOf(int year, int month, int day) const
{
    int low = 0;
    int high = hijriDayCount - 1;
    while (low <= high) {
        const int mid = low + (high - low) / 2;
        const HijriDayRow &row = hijriDays[mid];
        // Compared field by field: a subtraction could overflow for
        // arbitrary caller values.
        int order = (row.year > year) - (row.year < year);
        if (order == 0)
            order = (row.month > month) - (row.month < month);
        if (order == 0)
            order = (row.day > day) - (row.day < day);
        if (order == 0)
            return &row;
        if (order < 0)
            low = mid + 1;
        else
            high = mid - 1;
    }
    return nullptr;
}

const char *HijriTableLookup::monthName(const HijriDayRow &row)
{
    return row.hijriMonth >= 1 && row.hijriMonth <= 12 ? hijriMonthNames[row.hijriMonth - 1] : "";
}

QString HijriTableLookup::monthTitle(int year, int month) const
{
    for (int i = 0; i < monthTitleCount; ++i) {
        const MonthTitleRow &row = monthTitles[i];
        if (row.year == year && row.month == month)
            return QStringLiteral("%1 %2").arg(QLatin1String(row.title)).arg(row.hijriYear);
    }
    return QString();
}
