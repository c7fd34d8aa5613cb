#ifndef PAGEQIBLA_H
#define PAGEQIBLA_H

#include <QDate>
#include <QWidget>

#include "ui/uicontext.h"

class QLabel;
class QiblaCompass;
class XUrlLabel;

// The main window's Qibla page, behind the map button: for the selected
// place the Qibla bearing on a compass rose, the distance to Makkah, the
// place's coordinates with their OpenStreetMap link, today's shadow times
// (when the sun stands in the Qibla direction or opposite it) and the two
// days of the year the sun stands over the Kaaba, in the user's language
// and clock.
class PageQibla : public QWidget
{
    Q_OBJECT
public:
    explicit PageQibla(const UiContext &ctx, QWidget *parent = nullptr);
    ~PageQibla() override;

    // The day the shadow times are for; today unless a test sets another.
    QDate day() const { return m_day; }
    void setDay(const QDate &day);

    QiblaCompass *compass() const { return m_compass; }
    QLabel *bearingLabel() const { return m_bearing; }
    QLabel *distanceLabel() const { return m_distance; }
    XUrlLabel *coordinatesLink() const { return m_coordinates; }
    QLabel *shadowLabel() const { return m_shadow; }
    QLabel *overheadLabel() const { return m_overhead; }

public slots:
    // Recomputes every figure for the selected place and the day.
    void refresh();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createLabels();
    void layoutPage();

    UiContext m_ctx;
    QDate m_day;
    bool m_dayFixed = false;
    QiblaCompass *m_compass = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_bearing = nullptr;
    QLabel *m_distance = nullptr;
    XUrlLabel *m_coordinates = nullptr;
    QLabel *m_shadow = nullptr;
    QLabel *m_overhead = nullptr;
};

#endif // PAGEQIBLA_H
