#include "core/timetableics.h"

#include <algorithm>

#include <QDate>
#include <QDateTime>

#include "core/language.h"
#include "core/nextprayer.h"
#include "core/programmodule.h"

namespace {
using WriteCalendar = bool (*)(const QList<TimetableIcs::Event> &events, const QTimeZone &timeZone,
                               QByteArray *text);
}

QString TimetableIcs::uid(const QString &zoneCode, const QDate &date, int slot)
{
    return QStringLiteral("%1-%2-%3@almarikzenhar")
            .arg(zoneCode, date.toString(QStringLiteral("yyyyMMdd")), prayerSlotName(slot).toLower());
}

bool TimetableIcs::parseSlots(const QString &list, QList<int> *prayerSlots)
{
    QList<int> parsed;
    const QStringList names = list.split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString &raw : names) {
        const QString name = raw.trimmed();
        int found = -1;
        for (int slot = 0; slot < PrayerSlotCount; ++slot) {
            if (name.compare(prayerSlotName(slot), Qt::CaseInsensitive) == 0)
                found = slot;
        }
        if (found < 0)
            return false;
        if (!parsed.contains(found))
            parsed.append(found);
    }
    if (parsed.isEmpty())
        return false;
    std::sort(parsed.begin(), parsed.end());
    *prayerSlots = parsed;
    return true;
}

QList<TimetableIcs::Event> TimetableIcs::events(const QList<DailyTimes> &days, const Options &options,
                                                const Language *language)
{
    QList<Event> events;
    if (!options.timeZone.isValid())
        return events;
    for (const DailyTimes &day : days) {
        const QDate date(day.year, day.month, day.day);
        for (int slot : options.prayerSlots) {
            if (slot < 0 || slot >= PrayerSlotCount)
                continue;
            const QDateTime start(date, QTime(day.hour(slot), day.minute(slot)), options.timeZone);
            const QString key = NextPrayer::nameKey(slot, date);
            QString name = language ? language->text(key) : QString();
            if (name.isEmpty())
                name = key.mid(int(qstrlen("Prayer.")));

            Event event;
            event.uid = uid(options.zoneCode, date, slot);
            event.summary = options.placeName.isEmpty() ? name : QStringLiteral("%1 (%2)").arg(name, options.placeName);
            event.description = options.source;
            event.start = start;
            event.end = start.addSecs(60 * qMax(0, options.durationMinutes));
            event.alarmMinutes = options.alarmMinutes;
            event.alarmText = name;
            events << event;
        }
    }
    return events;
}

QByteArray TimetableIcs::build(const QList<DailyTimes> &days, const Options &options, const Language *language)
{
    if (days.isEmpty() || options.prayerSlots.isEmpty() || !options.timeZone.isValid())
        return QByteArray();
    // KCalendarCore (with libical) lives in the calendar module, loaded at
    // the first export.
    static ProgramModule module("AlmarikIcs");
    const auto write = module.entry<WriteCalendar>("almarikWriteCalendar");
    QByteArray text;
    if (!write || !write(events(days, options, language), options.timeZone, &text))
        return QByteArray();
    return text;
}
