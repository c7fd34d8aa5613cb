#include <QByteArray>
#include <QList>
#include <QLoggingCategory>
#include <QTimeZone>

#include <KCalendarCore/Alarm>
#include <KCalendarCore/Event>
#include <KCalendarCore/ICalFormat>
#include <KCalendarCore/MemoryCalendar>

#include "core/timetableics.h"

// The iCalendar writer on KDE's KCalendarCore, in the calendar module
// (AlmarikIcs): KCalendarCore and libical are loaded at the first export,
// not at start.

namespace {
Q_LOGGING_CATEGORY(lcData, "almarik.data")
}

// The module's one entry point, resolved by TimetableIcs::build().
extern "C" Q_DECL_EXPORT bool almarikWriteCalendar(const QList<TimetableIcs::Event> &events,
                                                   const QTimeZone &timeZone, QByteArray *text)
{
    KCalendarCore::MemoryCalendar::Ptr calendar(new KCalendarCore::MemoryCalendar(timeZone));
    for (const TimetableIcs::Event &entry : events) {
        KCalendarCore::Event::Ptr event(new KCalendarCore::Event);
        event->setUid(entry.uid);
        event->setSummary(entry.summary);
        if (!entry.description.isEmpty())
            event->setDescription(entry.description);
        event->setDtStart(entry.start);
        event->setDtEnd(entry.end);
        // The times are reminders, not appointments that fill the day.
        event->setTransparency(KCalendarCore::Event::Transparent);
        if (entry.alarmMinutes >= 0) {
            KCalendarCore::Alarm::Ptr alarm = event->newAlarm();
            alarm->setType(KCalendarCore::Alarm::Display);
            alarm->setText(entry.alarmText);
            alarm->setStartOffset(KCalendarCore::Duration(-60 * entry.alarmMinutes));
            alarm->setEnabled(true);
        }
        if (!calendar->addEvent(event))
            qCWarning(lcData) << "could not add the event" << event->uid();
    }
    KCalendarCore::CalFormat::setApplication(QStringLiteral("AlmarikZenhar"),
                                              QStringLiteral("-//AlmarikZenhar//Prayer times//EN"));
    KCalendarCore::ICalFormat format;
    *text = format.toString(calendar, QString()).toUtf8();
    return true;
}
