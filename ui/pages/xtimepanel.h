#ifndef XTIMEPANEL_H
#define XTIMEPANEL_H

#include <QStringList>
#include <QTimer>
#include <QWidget>

#include "core/islamicdays.h"
#include "core/prayerslot.h"

class AlmarikManager;
class AppConfig;
class Language;
class QLabel;
struct DailyTimes;

// The small green pop-up that a month calendar shows beside a day cell while
// the pointer rests on it: zone, Gregorian and Hijri date and the day's
// eight times. A calendar page shares one panel among its calendars.
class XTimePanel : public QWidget
{
    Q_OBJECT
public:
    XTimePanel(const AlmarikManager *manager, const Language *language, QWidget *parent = nullptr);

    // Fills every label from the record and lays the panel out.
    void setDay(const DailyTimes &day);
    // The settings whose clock the times follow; none: the 24-hour clock.
    void setDisplaySettings(const AppConfig *config) { m_config = config; }
    // The kept days of the Islamic year that the calendars mark; their
    // names show under the Hijri date of their day.
    void setIslamicDays(const QList<IslamicDays::Day> &days) { m_islamicDays = days; }
    const QList<IslamicDays::Day> &islamicDays() const { return m_islamicDays; }
    // The names of the kept days on a date, in the catalogue's language.
    QStringList islamicDayNames(const QDate &date) const;
    QLabel *eventLabel() const { return labelEvent; }
    // Hides the panel 50 ms from now unless showKept() comes first.
    void startHiding();
    bool isHidePending() const { return m_timer.isActive(); }

public slots:
    // Marks the panel as wanted before showing it, so that a pending hide
    // is called off.
    void showKept();
    void slotTimer();

private:
    void layoutPanel();

    const AlmarikManager *m_manager = nullptr;
    const Language *m_language = nullptr;
    const AppConfig *m_config = nullptr;
    QTimer m_timer;
    bool m_keepVisible = false;
    QLabel *labelZone = nullptr;
    QLabel *labelDate = nullptr;
    QLabel *labelHijri = nullptr;
    QLabel *labelEvent = nullptr;
    QList<IslamicDays::Day> m_islamicDays;
    QLabel *labelName[PrayerSlotCount] = {};
    QLabel *labelTime[PrayerSlotCount] = {};
    QLabel *labelBorderTop = nullptr;
    QLabel *labelBorderBottom = nullptr;
    QLabel *labelBorderLeft = nullptr;
    QLabel *labelBorderRight = nullptr;
};

#endif // XTIMEPANEL_H
