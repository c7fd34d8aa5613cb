#ifndef TIMETABLESOURCE_H
#define TIMETABLESOURCE_H

#include <QDate>
#include <QString>
#include <QStringList>
#include <QVector>

// The zone tables and the Hijri day table as the generator wrote them,
// checked row by row, plus the month titles derived from the Hijri days.
class TimetableSource
{
public:
    static constexpr int TimesPerDay = 8;  // minutes after midnight, Imsak to Isyak

    struct Zone
    {
        QString code;
        int first = 0;  // index of the zone's first day in dayMinutes() / TimesPerDay
        int count = 0;
        QDate firstDay; // the days run on from it one by one
    };
    struct HijriDay
    {
        QDate date;
        int hijriYear = 0;
        int hijriMonth = 0;  // 1-12
        int hijriDay = 0;
    };
    struct MonthTitle
    {
        int year = 0;
        int month = 0;
        int hijriYear = 0;  // of the Gregorian month's last day
        QString title;      // Hijri month names the month spans, joined by " - "
    };

    // The Hijri month names, Muharram first.
    static const QStringList &hijriMonthNames();

    // Zone rows: zone,date,imsak,subuh,syuruk,duha,zohor,asar,maghrib,isyak.
    // Each zone's rows must be one block of consecutive days.
    bool readDays(const QString &filePath);
    // Rows: gregorian,hijri_year,hijri_month,hijri_day; consecutive days.
    bool readHijri(const QString &filePath);
    QString errorText() const { return m_error; }

    const QVector<Zone> &zones() const { return m_zones; }
    const QVector<quint16> &dayMinutes() const { return m_minutes; }
    int dayCount() const { return m_minutes.size() / TimesPerDay; }
    const QVector<HijriDay> &hijriDays() const { return m_hijri; }
    // One title per Gregorian month that the Hijri table covers, in order.
    QVector<MonthTitle> monthTitles() const;
    // First and last month of the zone tables.
    QDate firstDay() const { return m_firstDay; }
    QDate lastDay() const { return m_lastDay; }

    // "05:43" -> 5, 43; false for anything else.
    static bool parseTime(const QString &text, int &hour, int &minute);

private:
    QString m_error;
    QVector<Zone> m_zones;
    QVector<quint16> m_minutes;
    QVector<HijriDay> m_hijri;
    QDate m_firstDay;
    QDate m_lastDay;
};

#endif // TIMETABLESOURCE_H
