#include "core/almarikmanager.h"

#include "core/logcategories.h"

#include <QDate>
#include <QDomDocument>
#include <QHash>

#include "core/calc/conventioncatalogue.h"
#include "core/customplacetimes.h"
#include "core/pluginbinder.h"
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

    QList<AlmarikDay *> delivered;
    m_api->dayTimes(m_zone->zoneCode, delivered);
    m_days.clear();
    m_days.reserve(delivered.size());
    for (const AlmarikDay *source : qAsConst(delivered)) {
        DailyTimes day;
        day.day = source->day;
        day.month = source->month;
        day.year = source->year;
        day.dayOfWeek = QDate(source->year, source->month, source->day).dayOfWeek() % 7;
        day.hijriDay = source->hijriDay;
        day.hijriMonthName = source->hijriMonthName;
        day.hijriYear = source->hijriYear;
        for (int slot = 0; slot < PrayerSlotCount; ++slot) {
            day.times[slot][0] = source->times[slot][0];
            day.times[slot][1] = source->times[slot][1];
        }
        m_days.append(day);
    }
    qDeleteAll(delivered);
    emit updated();
    return true;
}

bool AlmarikManager::setCustomPlace(const CustomPlace &place)
{
    int firstYear = 0, firstMonth = 0, lastYear = 0, lastMonth = 0;
    if (!m_api || !place.isUsable() || !m_api->dateRange(firstYear, firstMonth, lastYear, lastMonth))
        return false;
    AlmarikLocation *reference = m_api->location(m_api->defaultLocation());
    if (!reference)
        return false;
    // The Hijri date of a day is the takwim's, the same in every zone.
    QList<AlmarikDay *> takwim;
    m_api->dayTimes(reference->zoneCode, takwim);
    delete reference;
    QHash<qint64, const AlmarikDay *> hijriOf;
    for (const AlmarikDay *d : qAsConst(takwim))
        hijriOf.insert(QDate(d->year, d->month, d->day).toJulianDay(), d);

    CustomPlaceTimes times(place, ConventionCatalogue::builtIn());
    times.setHijriSource([&hijriOf](const QDate &date, DailyTimes &day) {
        const AlmarikDay *source = hijriOf.value(date.toJulianDay());
        if (!source)
            return 0;
        day.hijriDay = source->hijriDay;
        day.hijriMonthName = source->hijriMonthName;
        day.hijriYear = source->hijriYear;
        return source->hijriMonthName == QLatin1String("Ramadan") ? 9 : 0;
    });
    QList<DailyTimes> days;
    bool ok = times.isValid();
    for (QDate d(firstYear, firstMonth, 1); ok && d <= QDate(lastYear, lastMonth, 1).addMonths(1).addDays(-1);
         d = d.addDays(1)) {
        DailyTimes day;
        ok = times.timesOfDay(d, day);
        days.append(day);
    }
    qDeleteAll(takwim);
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

bool AlmarikManager::locationTree(QDomElement &root) const
{
    if (!m_api)
        return false;
    QDomDocument document;
    if (!document.setContent(m_api->locationTree()))
        return false;
    root = document.documentElement();
    return true;
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
