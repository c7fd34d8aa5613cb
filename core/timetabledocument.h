#ifndef TIMETABLEDOCUMENT_H
#define TIMETABLEDOCUMENT_H

#include <QList>
#include <QString>

#include "core/dailytimes.h"
#include "core/islamicdays.h"

class Language;

// A month of the timetable as a printable document: XHTML that
// QTextDocument (and so QPrinter or QPdfWriter) lays out on an A4 page,
// with the program's heading, the place, the month with its Hijri months,
// a row per day with all eight times, the kept days of the Islamic year
// that fall in it and the source of the times, in the catalogue's language.
class TimetableDocument
{
public:
    struct Options
    {
        QString placeName;
        QString source;
        QString hijriTitle;           // "Syaaban - Ramadan 1447", as the plug-in gives it
        QList<IslamicDays::Day> islamicDays;
        QString timeFormat = QStringLiteral("HH:mm");
    };

    // days: the month's days in date order; "" when there are none.
    static QString monthHtml(const QList<DailyTimes *> &days, const Options &options, const Language &language);
};

#endif // TIMETABLEDOCUMENT_H
