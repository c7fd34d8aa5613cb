#include "core/timetableics.h"

#include <algorithm>

#include <QDate>
#include <QDateTime>

#include <KCalendarCore/Alarm>
#include <KCalendarCore/Event>
#include <KCalendarCore/ICalFormat>
#include <KCalendarCore/MemoryCalendar>

#include "core/language.h"
#include "core/logcategories.h"
#include "core/nextprayer.h"

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

QByteArray TimetableIcs::build(const QList<DailyTimes *> &days, const Options &options, const Language *language)
{
    if (days.isEmpty() || options.prayerSlots.isEmpty() || !options.timeZone.isValid())
        return QByteArray();

    KCalendarCore::MemoryCalendar::Ptr calendar(new KCalendarCore::MemoryCalendar(options.timeZone));
    for (const DailyTimes *day : days) {
        const QDate date(day->year, day->month, day->day);
        for (int slot : options.prayerSlots) {
            if (slot < 0 || slot >= PrayerSlotCount)
                continue;
            const QDateTime start(date, QTime(day->hour(slot), day->minute(slot)), options.timeZone);
            const QString key = NextPrayer::nameKey(slot, date);
            QString name = language ? language->text(key) : QString();
            if (name.isEmpty())
                name = key.mid(int(qstrlen("Prayer.")));

            KCalendarCore::Event::Ptr event(new KCalendarCore::Event);
            event->setUid(uid(options.zoneCode, date, slot));
            event->setSummary(options.placeName.isEmpty() ? name
                                                          : QStringLiteral("%1 (%2)").arg(name, options.placeName));
            if (!options.source.isEmpty())
                event->setDescription(options.source);
            event->setDtStart(start);
            event->setDtEnd(start.addSecs(60 * qMax(0, options.durationMinutes)));
            // The times are reminders, not appointments that fill the day.
            event->setTransparency(KCalendarCore::Event::Transparent);
            if (options.alarmMinutes >= 0) {
                KCalendarCore::Alarm::Ptr alarm = event->newAlarm();
                alarm->setType(KCalendarCore::Alarm::Display);
                alarm->setText(name);
                alarm->setStartOffset(KCalendarCore::Duration(-60 * options.alarmMinutes));
                alarm->setEnabled(true);
            }
            if (!calendar->addEvent(event))
                qCWarning(lcData) << "could not add the event" << event->uid();
        }
    }
    KCalendarCore::CalFormat::setApplication(QStringLiteral("AlmarikZenhar"),
                                              QStringLiteral("-//AlmarikZenhar//Prayer times//EN"));
    KCalendarCore::ICalFormat format;
    return format.toString(calendar, QString()).toUtf8();
}
