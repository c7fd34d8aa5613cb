#include "core/almarikmanager.h"

#include "core/logcategories.h"

#include <QDate>
#include <QHash>

#include <utility>

#include "core/calc/conventioncatalogue.h"
#include "core/customplacetimes.h"
#include "core/pluginbinder.h"
#include "core/zonetimezone.h"
#include "plugin-api/ialmarikobject.h"

AlmarikManager::AlmarikManager(QObject *parent)
    : QObject(parent)
{
    bind();
}

AlmarikManager::~AlmarikManager()
{
    delete m_zone;
    // The plug-in object lives until the process ends.
}

bool AlmarikManager::bind()
{
    // The plug-in is bound once per run; binding again would only leave a
    // second plug-in object behind.
    if (m_api)
        return true;
    m_api = PluginBinder::bind<IAlmarikObject>(QStringLiteral("AlmarikData"), "Almarik data version:");
    if (m_api)
        m_provenance = DataProvenance::fromPlugin(PluginBinder::pluginFilePath(QStringLiteral("AlmarikData")));
    return m_api != nullptr;
}

QString AlmarikManager::version() const
{
    return m_api ? m_api->version() : QString();
}

AlmarikManager::ZoneChoice AlmarikManager::selectStoredZone(const QString &name)
{
    if (setZone(name, true))
        return ZoneChoice::Stored;
    if (m_api && setZone(QString(), true)) {
        qCWarning(lcData).noquote() << "unknown zone" << name << "- showing" << zoneName();
        return ZoneChoice::DefaultForUnknown;
    }
    return ZoneChoice::None;
}

bool AlmarikManager::setZone(const QString &name, bool useDefaultIfEmpty)
{
    if (!m_api)
        return false;
    QString wanted = name;
    if (useDefaultIfEmpty && wanted.isEmpty())
        wanted = m_api->defaultLocation();
    AlmarikLocation *location = m_api->location(wanted);
    if (!location)
        return false;

    delete m_zone;
    m_zone = location;
    m_customConvention.clear();
    m_days = tableDays(m_zone->zoneCode);
    if (isPlaceAbroad() && !adjustAbroadDays(m_days, m_abroadAdjustments))
        qCWarning(lcData).noquote() << "adjustments cannot be computed for" << m_zone->name
                                    << "- showing its table's times";
    emit updated();
    return true;
}

void AlmarikManager::readZoneAhead(const QString &name)
{
    if (!m_api)
        return;
    AlmarikLocation *location = m_api->location(name.isEmpty() ? m_api->defaultLocation() : name);
    if (!location)
        return;
    m_aheadZoneCode = location->zoneCode;
    delete location;
    m_aheadDays = readTableDays(m_aheadZoneCode);
}

QVector<DailyTimes> AlmarikManager::tableDays(const QString &zoneCode)
{
    // Days read ahead serve the next read only, and only for their zone:
    // a start that selects another place does not keep them.
    const QString aheadZoneCode = std::exchange(m_aheadZoneCode, QString());
    QVector<DailyTimes> ahead = std::exchange(m_aheadDays, QVector<DailyTimes>());
    if (!ahead.isEmpty() && zoneCode == aheadZoneCode)
        return ahead;
    return readTableDays(zoneCode);
}

QVector<DailyTimes> AlmarikManager::readTableDays(const QString &zoneCode) const
{
    QList<AlmarikDay *> delivered;
    m_api->dayTimes(zoneCode, delivered);
    QVector<DailyTimes> days(delivered.size());
    DailyTimes *day = days.data();
    int dayOfWeek = -1;
    const AlmarikDay *previous = nullptr;
    for (AlmarikDay *source : qAsConst(delivered)) {
        day->day = source->day;
        day->month = source->month;
        day->year = source->year;
        // Counted on from the day before when it is the next date; a date
        // of its own otherwise.
        if (previous && source->year == previous->year && source->month == previous->month
                && source->day == previous->day + 1)
            dayOfWeek = (dayOfWeek + 1) % 7;
        else
            dayOfWeek = QDate(source->year, source->month, source->day).dayOfWeek() % 7;
        day->dayOfWeek = dayOfWeek;
        day->hijriDay = source->hijriDay;
        day->hijriMonthName = std::move(source->hijriMonthName);
        day->hijriYear = source->hijriYear;
        for (int slot = 0; slot < PrayerSlotCount; ++slot) {
            day->times[slot][0] = source->times[slot][0];
            day->times[slot][1] = source->times[slot][1];
        }
        previous = source;
        ++day;
    }
    qDeleteAll(delivered);
    return days;
}

namespace {

// The Hijri date of a day is the takwim's, the same in every zone: a
// computed place takes it (and Ramadan) from a zone's days.
CustomPlaceTimes::HijriSource hijriSourceOf(const QVector<DailyTimes> &takwim)
{
    QHash<qint64, DailyTimes> hijriOf;
    for (const DailyTimes &d : takwim)
        hijriOf.insert(QDate(d.year, d.month, d.day).toJulianDay(), d);
    return [hijriOf](const QDate &date, DailyTimes &day) {
        const auto source = hijriOf.constFind(date.toJulianDay());
        if (source == hijriOf.constEnd())
            return 0;
        day.hijriDay = source->hijriDay;
        day.hijriMonthName = source->hijriMonthName;
        day.hijriYear = source->hijriYear;
        return source->hijriMonthName == QLatin1String("Ramadan") ? 9 : 0;
    };
}

int minutesOf(const DailyTimes &day, int slot)
{
    return day.times[slot][0] * 60 + day.times[slot][1];
}

void setMinutes(DailyTimes &day, int slot, int minutes)
{
    // Held within the day, as CustomPlaceTimes holds its times.
    const int m = ((minutes % 1440) + 1440) % 1440;
    day.times[slot][0] = m / 60;
    day.times[slot][1] = m % 60;
}

} // namespace

bool AlmarikManager::setCustomPlace(const CustomPlace &place)
{
    int firstYear = 0, firstMonth = 0, lastYear = 0, lastMonth = 0;
    if (!m_api || !place.isUsable() || !m_api->dateRange(firstYear, firstMonth, lastYear, lastMonth))
        return false;
    AlmarikLocation *reference = m_api->location(m_api->defaultLocation());
    if (!reference)
        return false;
    const QVector<DailyTimes> takwim = tableDays(reference->zoneCode);
    delete reference;

    CustomPlaceTimes times(place, ConventionCatalogue::builtIn());
    times.setHijriSource(hijriSourceOf(takwim));
    QVector<DailyTimes> days;
    bool ok = times.isValid();
    for (QDate d(firstYear, firstMonth, 1); ok && d <= QDate(lastYear, lastMonth, 1).addMonths(1).addDays(-1);
         d = d.addDays(1)) {
        DailyTimes day;
        ok = times.timesOfDay(d, day);
        days.append(day);
    }
    if (!ok)
        return false;

    auto *location = new AlmarikLocation;
    location->name = place.name;
    location->displayName = place.name;
    location->latitude = place.latitude;
    location->longitude = place.longitude;
    location->source = times.conventionName();
    delete m_zone;
    m_zone = location;
    m_days = days;
    m_customConvention = times.place().convention.toUpper();
    emit updated();
    return true;
}

bool AlmarikManager::isPlaceAbroad() const
{
    return m_zone && !isCustomPlace() && !m_provenance.convention(m_zone->zoneCode).isEmpty();
}

bool AlmarikManager::setAbroadAdjustments(const PlaceAdjustments &adjustments)
{
    if (!isPlaceAbroad()) {
        m_abroadAdjustments = adjustments;
        return true;
    }
    QVector<DailyTimes> days = tableDays(m_zone->zoneCode);
    if (!adjustAbroadDays(days, adjustments))
        return false;
    m_abroadAdjustments = adjustments;
    m_days = days;
    emit updated();
    return true;
}

bool AlmarikManager::adjustAbroadDays(QVector<DailyTimes> &days, const PlaceAdjustments &adjustments) const
{
    if (adjustments.isDefault())
        return true;
    QVector<DailyTimes> adjusted = days;
    if (adjustments.changesRules()) {
        // The place as the table computed it, and with the user's rules:
        // the same calculator as the own place's, so the difference is
        // exactly what the rules change.
        CustomPlace convention;
        convention.name = m_zone->name;
        convention.latitude = m_zone->latitude;
        convention.longitude = m_zone->longitude;
        convention.timeZone = QString::fromUtf8(ZoneTimeZone::of(m_zone->zoneCode).id());
        convention.convention = m_provenance.convention(m_zone->zoneCode);
        CustomPlace chosen = convention;
        chosen.asarSchool = adjustments.asarSchool;
        chosen.highLatitude = adjustments.highLatitude;
        const CustomPlaceTimes::HijriSource hijri = hijriSourceOf(days);
        CustomPlaceTimes before(convention, ConventionCatalogue::builtIn());
        CustomPlaceTimes after(chosen, ConventionCatalogue::builtIn());
        before.setHijriSource(hijri);
        after.setHijriSource(hijri);
        if (!before.isValid() || !after.isValid())
            return false;
        for (DailyTimes &day : adjusted) {
            const QDate date(day.year, day.month, day.day);
            DailyTimes was, now;
            if (!before.timesOfDay(date, was) || !after.timesOfDay(date, now))
                return false;
            for (int slot = 0; slot < PrayerSlotCount; ++slot) {
                // A change that carries a time over midnight in one of the
                // two computations is the shorter way round.
                int change = minutesOf(now, slot) - minutesOf(was, slot);
                if (change > 720)
                    change -= 1440;
                else if (change < -720)
                    change += 1440;
                setMinutes(day, slot, minutesOf(day, slot) + change);
            }
        }
    }
    for (DailyTimes &day : adjusted) {
        for (int slot = 0; slot < PrayerSlotCount; ++slot)
            setMinutes(day, slot, minutesOf(day, slot) + adjustments.minutes(slot));
    }
    days = adjusted;
    return true;
}

QString AlmarikManager::zoneName() const
{
    return m_zone ? m_zone->name : QString();
}

QString AlmarikManager::zoneCode() const
{
    return m_zone ? m_zone->zoneCode : QString();
}

QString AlmarikManager::zoneDisplayName() const
{
    return m_zone ? m_zone->displayName : QString();
}

QString AlmarikManager::zoneSource() const
{
    return m_zone ? m_zone->source : QString();
}

QString AlmarikManager::zoneSourceUrl() const
{
    return m_zone ? m_zone->sourceUrl : QString();
}

double AlmarikManager::latitude() const
{
    return m_zone ? m_zone->latitude : 0.0;
}

double AlmarikManager::longitude() const
{
    return m_zone ? m_zone->longitude : 0.0;
}

QString AlmarikManager::coordinatesText() const
{
    if (!m_zone)
        return QString();
    return QStringLiteral("(%1, %2)").arg(m_zone->latitude, 0, 'g', 6).arg(m_zone->longitude, 0, 'g', 6);
}

bool AlmarikManager::timesOfDay(int day, int month, int year, DailyTimes &out) const
{
    // The plug-in hands out a zone's days one after another: the day's
    // place follows from the first day, checked before it is trusted.
    if (!m_days.isEmpty() && QDate::isValid(year, month, day)) {
        const DailyTimes &first = m_days.first();
        const qint64 index = QDate(first.year, first.month, first.day).daysTo(QDate(year, month, day));
        if (index >= 0 && index < m_days.size()) {
            const DailyTimes &stored = m_days.at(int(index));
            if (stored.day == day && stored.month == month && stored.year == year) {
                out = stored;
                return true;
            }
        }
    }
    for (const DailyTimes &stored : m_days) {
        if (stored.day == day && stored.month == month && stored.year == year) {
            out = stored;
            return true;
        }
    }
    return false;
}

bool AlmarikManager::timesOfMonth(int month, int year, QList<DailyTimes> &out) const
{
    out.clear();
    if (m_days.isEmpty() || !QDate::isValid(year, month, 1))
        return false;
    // As for a day: where the days run one after another, the month's
    // days are found from the first day's place, each checked; any other
    // table is looked through whole.
    const DailyTimes &first = m_days.first();
    const QDate firstDate(first.year, first.month, first.day);
    const QDate monthStart(year, month, 1);
    const qint64 from = qMax<qint64>(0, firstDate.daysTo(monthStart));
    const qint64 to = qMin<qint64>(m_days.size(), firstDate.daysTo(monthStart.addMonths(1)));
    bool inOrder = from < to;
    for (qint64 i = from; inOrder && i < to; ++i) {
        const DailyTimes &stored = m_days.at(int(i));
        const QDate expected = firstDate.addDays(i);
        inOrder = stored.day == expected.day() && stored.month == expected.month()
                && stored.year == expected.year();
        if (inOrder)
            out.append(stored);
    }
    if (inOrder)
        return true;
    out.clear();
    for (const DailyTimes &stored : m_days) {
        if (stored.month == month && stored.year == year)
            out.append(stored);
    }
    return !out.isEmpty();
}

bool AlmarikManager::dateRange(int &firstYear, int &firstMonth, int &lastYear, int &lastMonth) const
{
    if (!m_api) {
        firstYear = firstMonth = lastYear = lastMonth = 0;
        return false;
    }
    return m_api->dateRange(firstYear, firstMonth, lastYear, lastMonth);
}

bool AlmarikManager::locationTree(LocationNode &root) const
{
    return m_api && LocationNode::parse(m_api->locationTree(), &root);
}

QString AlmarikManager::hijriMonthTitle(int year, int month) const
{
    return m_api ? m_api->hijriMonthTitle(year, month) : QString();
}

DataProvenance::Source AlmarikManager::sourceOf(const QDate &date) const
{
    if (!m_zone || m_days.isEmpty() || !date.isValid())
        return DataProvenance::Source();
    const DailyTimes &first = m_days.first();
    const QDate firstDay(first.year, first.month, first.day);
    if (date < firstDay || date > lastCoveredDay())
        return DataProvenance::Source();
    if (isCustomPlace()) {
        DataProvenance::Source source;
        source.kind = DataProvenance::Convention;
        source.convention = m_customConvention;
        return source;
    }
    return m_provenance.sourceOf(m_zone->zoneCode, date);
}

QDate AlmarikManager::lastCoveredDay() const
{
    if (m_days.isEmpty())
        return QDate();
    const DailyTimes &last = m_days.last();
    return QDate(last.year, last.month, last.day);
}
