#include "core/timetabledocument.h"

#include <QDate>
#include <QTime>

#include "core/language.h"

namespace {

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

const char *const ShortDayKeys[7] = {"DateTime.ShortMonday", "DateTime.ShortTuesday", "DateTime.ShortWednesday",
                                     "DateTime.ShortThursday", "DateTime.ShortFriday", "DateTime.ShortSaturday",
                                     "DateTime.ShortSunday"};

} // namespace

QString TimetableDocument::monthHtml(const QList<DailyTimes *> &days, const Options &options,
                                     const Language &language)
{
    if (days.isEmpty())
        return QString();
    const DailyTimes &first = *days.first();
    const QString monthTitle = QStringLiteral("%1 %2").arg(language.monthName(first.month)).arg(first.year);

    QString html;
    html += QStringLiteral("<html><head><meta charset=\"utf-8\"/><title>%1</title></head>"
                           "<body style=\"font-family: 'Liberation Sans', Arial; font-size: 8.5pt\">")
                .arg(escaped(language.text(QStringLiteral("Print.Title")) + QStringLiteral(" - ") + monthTitle));
    html += QStringLiteral("<p style=\"font-size: 8pt; color: #1e566c\">AlmarikZenhar</p>");
    html += QStringLiteral("<h1 style=\"font-size: 14pt\">%1 - %2</h1>")
                .arg(escaped(language.text(QStringLiteral("Print.Title"))), escaped(options.placeName));
    html += QStringLiteral("<p><b>%1</b>").arg(escaped(monthTitle));
    if (!options.hijriTitle.isEmpty())
        html += QStringLiteral(" / %1").arg(escaped(options.hijriTitle));
    html += QStringLiteral("</p>");

    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"1\" width=\"100%\">");
    html += QStringLiteral("<thead><tr style=\"background-color: #3c89a5; color: white\">");
    for (const QString &key : {QStringLiteral("Print.Date"), QStringLiteral("Print.Day"), QStringLiteral("Print.Hijri")})
        html += QStringLiteral("<th>%1</th>").arg(escaped(language.text(key)));
    for (int slot = 0; slot < PrayerSlotCount; ++slot)
        html += QStringLiteral("<th>%1</th>").arg(escaped(language.text(QStringLiteral("Prayer.") + prayerSlotName(slot))));
    html += QStringLiteral("</tr></thead><tbody>");

    for (const DailyTimes *day : days) {
        const QDate date(day->year, day->month, day->day);
        const bool friday = date.dayOfWeek() == Qt::Friday;
        const bool kept = !IslamicDays::on(options.islamicDays, date).isEmpty();
        QString style;
        if (kept)
            style = QStringLiteral(" style=\"background-color: #fff7c2\"");
        else if (friday)
            style = QStringLiteral(" style=\"background-color: #e3f1f5\"");
        html += QStringLiteral("<tr%1>").arg(style);
        html += QStringLiteral("<td align=\"center\">%1</td>").arg(date.day());
        html += QStringLiteral("<td>%1</td>").arg(escaped(language.text(QLatin1String(ShortDayKeys[date.dayOfWeek() - 1]))));
        html += QStringLiteral("<td align=\"center\">%1</td>").arg(day->hijriYear > 0 ? QString::number(day->hijriDay) : QString());
        for (int slot = 0; slot < PrayerSlotCount; ++slot) {
            const QString time = QTime(day->hour(slot), day->minute(slot)).toString(options.timeFormat);
            html += QStringLiteral("<td align=\"center\">%1</td>").arg(escaped(time));
        }
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</tbody></table>");

    QStringList notes;
    for (const IslamicDays::Day &kept : options.islamicDays) {
        if (kept.date.year() == first.year && kept.date.month() == first.month)
            notes << QStringLiteral("<li>%1: %2</li>").arg(escaped(language.shortDate(kept.date)),
                                                           escaped(language.text(kept.nameKey)));
    }
    if (!notes.isEmpty()) {
        html += QStringLiteral("<p><b>%1</b></p><ul>%2</ul>")
                    .arg(escaped(language.text(QStringLiteral("Print.Events"))), notes.join(QString()));
    }
    if (!options.source.isEmpty()) {
        html += QStringLiteral("<p style=\"font-size: 8pt\">%1</p>")
                    .arg(escaped(language.text(QStringLiteral("Print.Source")).arg(options.source)));
    }
    html += QStringLiteral("</body></html>");
    return html;
}
