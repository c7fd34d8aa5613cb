#ifndef ALMARIKMANAGER_H
#define ALMARIKMANAGER_H

#include <QList>
#include <QObject>
#include <QString>
#include <QVector>

#include "core/calc/placeadjustments.h"
#include "core/dailytimes.h"
#include "core/dataprovenance.h"
#include "core/locationnode.h"

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

    // How start-up's zone was found.
    enum class ZoneChoice { Stored, DefaultForUnknown, None };
    // Selects the stored zone; when the timetable does not know it (a
    // place renamed or dropped by a data update), selects the default zone
    // instead so that the times are not blank, and says so. The stored
    // setting is left for the user to change.
    ZoneChoice selectStoredZone(const QString &name);
    // Reads ahead the days of the zone that setZone(name, true) would
    // select (the default zone for an empty name), so that the read can
    // be done while the caller would otherwise wait. The next selection
    // takes them if it is of that zone, and drops them otherwise.
    void readZoneAhead(const QString &name);

    // Selects the user's own place: its days over the tables' date range
    // are computed here (CustomPlaceTimes), with the Hijri dates of the
    // plug-in's takwim, and then answer every query like a zone's. False,
    // with the selection unchanged, when the place cannot be computed.
    bool setCustomPlace(const CustomPlace &place);
    // Whether the user's own place is selected, and its convention's code.
    bool isCustomPlace() const { return !m_customConvention.isEmpty(); }
    QString customConvention() const { return m_customConvention; }

    // Whether the selected place is a fixed place abroad: a zone of the
    // timetable computed by a convention (not one of JAKIM's zones).
    bool isPlaceAbroad() const;
    // Whether the selected place takes the user's adjustments: the own
    // place or a fixed place abroad.
    bool isAdjustable() const { return isCustomPlace() || isPlaceAbroad(); }
    // The adjustments of the fixed places abroad. While one is selected
    // its days are computed again at once: its table's times moved by
    // what the user's Asar school, high-latitude rule and minutes change
    // (computed by the place's convention at its point and clock, as
    // the table itself was), so that unadjusted times stay the table's.
    // False, with everything unchanged, when the place cannot be computed
    // so. Kept for the next place abroad otherwise.
    bool setAbroadAdjustments(const PlaceAdjustments &adjustments);
    const PlaceAdjustments &abroadAdjustments() const { return m_abroadAdjustments; }
    QString zoneName() const;
    // The selected zone's code (WLY01, SBH07, ...); empty without a zone.
    QString zoneCode() const;
    QString zoneDisplayName() const;
    QString zoneSource() const;
    QString zoneSourceUrl() const;
    double latitude() const;
    double longitude() const;
    QString coordinatesText() const;

    bool timesOfDay(int day, int month, int year, DailyTimes &out) const;
    // Copies of the month's records, in day order.
    bool timesOfMonth(int month, int year, QList<DailyTimes> &out) const;
    // The zone's days as the table holds them, for a walk over all of them.
    const QVector<DailyTimes> &days() const { return m_days; }
    bool dateRange(int &firstYear, int &firstMonth, int &lastYear, int &lastMonth) const;
    // The plug-in's tree of places; false (root untouched) without a
    // plug-in or when its text cannot be read.
    bool locationTree(LocationNode &root) const;
    QString hijriMonthTitle(int year, int month) const;

    // Where the plug-in's times come from (empty when it does not say).
    const DataProvenance &provenance() const { return m_provenance; }
    // Where the selected zone's times of `date` come from; Unknown for a
    // day the zone's table does not hold.
    DataProvenance::Source sourceOf(const QDate &date) const;
    // The last day of the selected zone's table; invalid before a zone is
    // set or when it has no days.
    QDate lastCoveredDay() const;

signals:
    void updated();

private:
    // The zone's days as the plug-in delivers them, or as they were read
    // ahead.
    QVector<DailyTimes> tableDays(const QString &zoneCode);
    QVector<DailyTimes> readTableDays(const QString &zoneCode) const;
    // Moves the days of the selected place abroad by `adjustments`; false
    // (days untouched) when a day cannot be computed.
    bool adjustAbroadDays(QVector<DailyTimes> &days, const PlaceAdjustments &adjustments) const;

    IAlmarikObject *m_api = nullptr;
    AlmarikLocation *m_zone = nullptr;
    // The zone's days, one after another as the plug-in hands them out;
    // held side by side rather than one allocation each.
    QVector<DailyTimes> m_days;
    DataProvenance m_provenance;
    QString m_customConvention;   // empty while a zone is selected
    PlaceAdjustments m_abroadAdjustments;
    // The days read ahead, until the next selection.
    QString m_aheadZoneCode;
    QVector<DailyTimes> m_aheadDays;
};

#endif // ALMARIKMANAGER_H
