#ifndef ALMARIKMANAGER_H
#define ALMARIKMANAGER_H

#include <QDomElement>
#include <QList>
#include <QObject>
#include <QString>

#include "core/dailytimes.h"

class IAlmarikObject;
struct AlmarikLocation;
struct CustomPlace;

// The program's single source of prayer times: binds the timetable data
// plug-in once, keeps the selected zone and all of its days, and answers
// every time query of the windows and the notifier.
class AlmarikManager : public QObject
{
    Q_OBJECT
public:
    explicit AlmarikManager(QObject *parent = nullptr);
    ~AlmarikManager() override;

    bool bind();
    bool isBound() const { return m_api != nullptr; }
    QString version() const;

    bool setZone(const QString &name, bool useDefaultIfEmpty);
    // Selects the user's own place: its days over the tables' date range
    // are computed here (CustomPlaceTimes), with the Hijri dates of the
    // plug-in's takwim, and then answer every query like a zone's. False,
    // with the selection unchanged, when the place cannot be computed.
    bool setCustomPlace(const CustomPlace &place);
    QString zoneName() const;
    QString zoneDisplayName() const;
    QString zoneSource() const;
    QString zoneSourceUrl() const;
    double latitude() const;
    double longitude() const;
    QString coordinatesText() const;

    bool timesOfDay(int day, int month, int year, DailyTimes &out) const;
    // Pointers stay valid until the next zone change.
    bool timesOfMonth(int month, int year, QList<DailyTimes *> &out) const;
    bool dateRange(int &firstYear, int &firstMonth, int &lastYear, int &lastMonth) const;
    bool locationTree(QDomElement &root) const;
    QString hijriMonthTitle(int year, int month) const;

signals:
    void updated();

private:
    IAlmarikObject *m_api = nullptr;
    AlmarikLocation *m_zone = nullptr;
    QList<DailyTimes *> m_days;
};

#endif // ALMARIKMANAGER_H
