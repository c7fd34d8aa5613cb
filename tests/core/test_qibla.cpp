// The Qibla bearing, distance and shadow times against formulas worked out
// here independently: bearings and distances from 3-D unit vectors, the
// sun from the Astronomical Almanac's low-precision series (about 0.01
// degree), roots found on a grid of its own.

#include <cmath>

#include <QtTest>

#include "core/appconfig.h"
#include "core/language.h"
#include "core/qibla.h"
#include "core/qiblareport.h"

static void registerCatalogues() { Q_INIT_RESOURCE(languages); }

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double Rad = Pi / 180.0;
constexpr double KaabaLat = 21.4225;
constexpr double KaabaLon = 39.8262;

struct Vec
{
    double x, y, z;
};
Vec unit(double lat, double lon)
{
    return {std::cos(lat * Rad) * std::cos(lon * Rad), std::cos(lat * Rad) * std::sin(lon * Rad),
            std::sin(lat * Rad)};
}
double dot(const Vec &a, const Vec &b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec cross(const Vec &a, const Vec &b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// Bearing of the Kaaba: the component of its vector across the local
// tangent plane, against the local north and east unit vectors.
double vectorBearing(double lat, double lon)
{
    const Vec a = unit(lat, lon);
    const Vec b = unit(KaabaLat, KaabaLon);
    const Vec north{-std::sin(lat * Rad) * std::cos(lon * Rad), -std::sin(lat * Rad) * std::sin(lon * Rad),
                    std::cos(lat * Rad)};
    const Vec east{-std::sin(lon * Rad), std::cos(lon * Rad), 0.0};
    const double ab = dot(a, b);
    const Vec d{b.x - ab * a.x, b.y - ab * a.y, b.z - ab * a.z};
    const double bearing = std::atan2(dot(d, east), dot(d, north)) / Rad;
    return bearing < 0 ? bearing + 360.0 : bearing;
}

double vectorDistance(double lat, double lon)
{
    const Vec a = unit(lat, lon);
    const Vec b = unit(KaabaLat, KaabaLon);
    const Vec c = cross(a, b);
    return 6371.0088 * std::atan2(std::sqrt(dot(c, c)), dot(a, b));
}

double angleBetween(double a, double b)
{
    double d = std::fmod(std::fabs(a - b), 360.0);
    return d > 180.0 ? 360.0 - d : d;
}

// Low-precision sun: azimuth from north and altitude, degrees.
void almanacSun(const QDateTime &moment, double lat, double lon, double *az, double *alt)
{
    const double n = double(moment.toMSecsSinceEpoch()) / 86400000.0 + 2440587.5 - 2451545.0;
    const double L = 280.460 + 0.9856474 * n;
    const double g = (357.528 + 0.9856003 * n) * Rad;
    const double lambda = (L + 1.915 * std::sin(g) + 0.020 * std::sin(2 * g)) * Rad;
    const double eps = (23.439 - 0.0000004 * n) * Rad;
    const double ra = std::atan2(std::cos(eps) * std::sin(lambda), std::cos(lambda));
    const double dec = std::asin(std::sin(eps) * std::sin(lambda));
    const double gmst = std::fmod(280.46061837 + 360.98564736629 * n, 360.0) * Rad;
    const double h = gmst + lon * Rad - ra;
    const double phi = lat * Rad;
    *alt = std::asin(std::sin(phi) * std::sin(dec) + std::cos(phi) * std::cos(dec) * std::cos(h)) / Rad;
    double a = std::atan2(-std::cos(dec) * std::sin(h),
                          std::sin(dec) * std::cos(phi) - std::cos(dec) * std::cos(h) * std::sin(phi)) / Rad;
    *az = a < 0 ? a + 360.0 : a;
}

double wrapped(double d)
{
    d = std::fmod(d, 360.0);
    if (d > 180.0)
        d -= 360.0;
    if (d <= -180.0)
        d += 360.0;
    return d;
}

// The moments of a local day when the almanac sun, above the horizon,
// stands at the azimuth: a 30-second grid, then halving.
QList<QDateTime> almanacCrossings(const QDate &day, const QTimeZone &zone, double lat, double lon, double target)
{
    QList<QDateTime> out;
    const QDateTime start(day, QTime(0, 0), zone);
    const qint64 span = start.secsTo(QDateTime(day.addDays(1), QTime(0, 0), zone));
    auto f = [&](qint64 s, double *alt) {
        double az = 0;
        almanacSun(start.addSecs(s), lat, lon, &az, alt);
        return wrapped(az - target);
    };
    double alt0 = 0;
    double f0 = f(0, &alt0);
    for (qint64 s = 30; s <= span; s += 30) {
        double alt1 = 0;
        const double f1 = f(s, &alt1);
        if ((f0 < 0) != (f1 < 0) && std::fabs(f1 - f0) < 180) {
            double a = s - 30, b = s, fa = f0;
            while (b - a > 0.5) {
                double altm = 0;
                const double m = (a + b) / 2;
                const double fm = f(qint64(std::llround(m * 1000)) / 1000, &altm);
                if ((fa < 0) == (fm < 0)) {
                    a = m;
                    fa = fm;
                } else {
                    b = m;
                }
            }
            double alt = 0;
            f(qint64(a), &alt);
            if (alt > 0)
                out.append(start.addSecs(qint64(a)));
        }
        f0 = f1;
        alt0 = alt1;
    }
    return out;
}

} // namespace

class TestQibla : public QObject
{
    Q_OBJECT

private slots:
    void bearingAndDistance_data();
    void bearingAndDistance();
    void atTheKaaba();
    void shadowTimes_data();
    void shadowTimes();
    void kaabaOverhead_data();
    void kaabaOverhead();
    void report_data();
    void report();
};

void TestQibla::bearingAndDistance_data()
{
    QTest::addColumn<double>("lat");
    QTest::addColumn<double>("lon");

    QTest::newRow("Kuala Lumpur") << 3.131920 << 101.684059;
    QTest::newRow("Kota Kinabalu") << 5.9804 << 116.0735;
    QTest::newRow("Sydney") << -33.8688 << 151.2093;
    QTest::newRow("Suva, east of the date line's west side") << -18.1416 << 178.4419;
    QTest::newRow("Apia, west of the date line's east side") << -13.8333 << -171.7667;
    QTest::newRow("Honolulu") << 21.3069 << -157.8583;
    QTest::newRow("New York") << 40.7128 << -74.0060;
    QTest::newRow("due south: Qibla north") << -30.0 << 39.8262;
    QTest::newRow("just east of due south: Qibla just west of north") << -30.0 << 39.9;
    QTest::newRow("due north: Qibla south") << 60.0 << 39.8262;
    QTest::newRow("antipode's neighbour") << -21.0 << -140.0;
    QTest::newRow("near the Kaaba") << 21.4230 << 39.8262;
}

void TestQibla::bearingAndDistance()
{
    QFETCH(double, lat);
    QFETCH(double, lon);
    const Qibla qibla(lat, lon);
    QVERIFY(qibla.hasBearing());
    QVERIFY(qibla.bearing() >= 0.0 && qibla.bearing() < 360.0);
    QVERIFY2(angleBetween(qibla.bearing(), vectorBearing(lat, lon)) < 1e-6,
             qPrintable(QStringLiteral("%1 against %2").arg(qibla.bearing()).arg(vectorBearing(lat, lon))));
    QVERIFY2(std::fabs(qibla.distanceKm() - vectorDistance(lat, lon)) < 1e-3,
             qPrintable(QStringLiteral("%1 km against %2 km").arg(qibla.distanceKm()).arg(vectorDistance(lat, lon))));
}

void TestQibla::atTheKaaba()
{
    const Qibla qibla(KaabaLat, KaabaLon);
    QVERIFY(!qibla.hasBearing());
    QVERIFY(qibla.distanceKm() < 1e-6);
    QVERIFY(qibla.shadowTimes(QDate(2026, 6, 1), QTimeZone("Asia/Riyadh")).isEmpty());
}

void TestQibla::shadowTimes_data()
{
    QTest::addColumn<double>("lat");
    QTest::addColumn<double>("lon");
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDate>("day");
    QTest::addColumn<int>("count");

    QTest::newRow("Kuala Lumpur, May") << 3.131920 << 101.684059 << QByteArray("Asia/Kuala_Lumpur") << QDate(2026, 5, 28) << 1;
    QTest::newRow("Kuala Lumpur, December") << 3.131920 << 101.684059 << QByteArray("Asia/Kuala_Lumpur") << QDate(2026, 12, 21) << 0;
    // When the sun's declination exceeds the latitude its azimuth turns
    // back in the afternoon: two moments in the same direction.
    QTest::newRow("Kota Kinabalu, July") << 5.9804 << 116.0735 << QByteArray("Asia/Kuching") << QDate(2026, 7, 16) << 2;
    QTest::newRow("London, June") << 51.5074 << -0.1278 << QByteArray("Europe/London") << QDate(2026, 6, 21) << 2;
    QTest::newRow("London, December: none") << 51.5074 << -0.1278 << QByteArray("Europe/London") << QDate(2026, 12, 21) << 0;
    QTest::newRow("Sydney") << -33.8688 << 151.2093 << QByteArray("Australia/Sydney") << QDate(2026, 3, 20) << 1;
    QTest::newRow("Suva, across the date line") << -18.1416 << 178.4419 << QByteArray("Pacific/Fiji") << QDate(2026, 1, 15) << 2;
    QTest::newRow("Qibla due north, southern winter noon") << -20.0 << 39.8262 << QByteArray("Africa/Maputo") << QDate(2026, 6, 21) << 1;
    QTest::newRow("Qibla near north, wraps through 360") << -20.0 << 39.9 << QByteArray("Africa/Maputo") << QDate(2026, 6, 21) << 1;
}

void TestQibla::shadowTimes()
{
    QFETCH(double, lat);
    QFETCH(double, lon);
    QFETCH(QByteArray, zone);
    QFETCH(QDate, day);
    QFETCH(int, count);

    const QTimeZone tz(zone);
    QVERIFY(tz.isValid());
    const Qibla qibla(lat, lon);
    const double bearing = vectorBearing(lat, lon);
    const QList<QDateTime> towards = almanacCrossings(day, tz, lat, lon, bearing);
    const QList<QDateTime> away = almanacCrossings(day, tz, lat, lon, std::fmod(bearing + 180.0, 360.0));
    const QList<Qibla::ShadowTime> times = qibla.shadowTimes(day, tz);
    QCOMPARE(towards.size() + away.size(), count);
    QCOMPARE(times.size(), count);
    for (const Qibla::ShadowTime &time : times) {
        const QList<QDateTime> &expected = time.kind == Qibla::Shadow::Towards ? towards : away;
        qint64 gap = 86400;
        for (const QDateTime &candidate : expected)
            gap = std::min(gap, std::llabs(time.moment.secsTo(candidate)));
        QVERIFY2(gap <= 60, qPrintable(QStringLiteral("%1 against %2").arg(
                 time.moment.toTimeZone(tz).toString(Qt::ISODate), expected.value(0).toTimeZone(tz).toString(Qt::ISODate))));
        QCOMPARE(time.moment.toTimeZone(tz).date(), day);
        QVERIFY(time.altitude > 0.0);
    }
}

void TestQibla::kaabaOverhead_data()
{
    QTest::addColumn<int>("year");
    QTest::newRow("2026") << 2026;
    QTest::newRow("2027") << 2027;
    QTest::newRow("2028, a leap year") << 2028;
}

void TestQibla::kaabaOverhead()
{
    QFETCH(int, year);
    const QList<QDateTime> moments = Qibla::kaabaOverhead(year);
    QCOMPARE(moments.size(), 2);
    const QTimeZone riyadh("Asia/Riyadh");
    for (const QDateTime &moment : moments) {
        // The almanac sun stands within a quarter degree of the zenith,
        // on a day of the known windows, at the Kaaba's noon.
        double az = 0;
        double alt = 0;
        almanacSun(moment, KaabaLat, KaabaLon, &az, &alt);
        QVERIFY2(alt > 89.85, qPrintable(QString::number(alt)));
        const QDate local = moment.toTimeZone(riyadh).date();
        QVERIFY2((local >= QDate(year, 5, 26) && local <= QDate(year, 5, 29))
                 || (local >= QDate(year, 7, 14) && local <= QDate(year, 7, 17)),
                 qPrintable(local.toString(Qt::ISODate)));
        // Neither neighbouring day has a higher noon sun.
        auto noonAltitude = [](const QDate &date) {
            double best = -90;
            for (int minute = 8 * 60 + 30; minute <= 10 * 60 + 30; ++minute) {
                double a = 0, h = 0;
                almanacSun(QDateTime(date, QTime(0, 0), Qt::UTC).addSecs(minute * 60), KaabaLat, KaabaLon, &a, &h);
                best = std::max(best, h);
            }
            return best;
        };
        const QDate utcDay = moment.toUTC().date();
        QVERIFY(noonAltitude(utcDay) >= noonAltitude(utcDay.addDays(-1)));
        QVERIFY(noonAltitude(utcDay) >= noonAltitude(utcDay.addDays(1)));
        double before = 0, after = 0, dummy = 0;
        almanacSun(moment.addSecs(-60), KaabaLat, KaabaLon, &dummy, &before);
        almanacSun(moment.addSecs(60), KaabaLat, KaabaLon, &dummy, &after);
        QVERIFY(before < alt && after < alt);
    }
}

void TestQibla::report_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<double>("lat");
    QTest::addColumn<double>("lon");
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QString>("bearing");
    QTest::addColumn<QStringList>("shadows");

    // Each expected time is the independent almanac's, to the minute.
    QTest::newRow("English, Kuala Lumpur on an overhead day")
            << "English" << 3.131920 << 101.684059 << QByteArray("Asia/Kuala_Lumpur") << QDate(2026, 5, 28)
            << QStringLiteral("Qibla direction: %1\u00b0 from true north")
            << QStringList{QStringLiteral("At %1 the sun stands in the Qibla direction: a vertical stick's shadow "
                                          "points directly away from the Qibla.")};
    QTest::newRow("Malay, London in midwinter: none")
            << "Bahasa Malaysia" << 51.5074 << -0.1278 << QByteArray("Europe/London") << QDate(2026, 12, 21)
            << QStringLiteral("Arah kiblat: %1\u00b0 dari utara benar")
            << QStringList{QStringLiteral("Hari ini matahari tidak berada di arah kiblat atau bertentangan "
                                          "dengannya ketika di atas ufuk.")};
    QTest::newRow("Malay, due south of Makkah: 0.0, not 360.0")
            << "Bahasa Malaysia" << -20.0 << 39.8262 << QByteArray("Africa/Maputo") << QDate(2026, 6, 21)
            << QStringLiteral("Arah kiblat: %1\u00b0 dari utara benar")
            << QStringList{QStringLiteral("Pada %1 matahari berada tepat di arah kiblat: bayang-bayang kayu tegak "
                                          "menunjuk tepat ke arah bertentangan dengan kiblat.")};
}

void TestQibla::report()
{
    QFETCH(QString, language);
    QFETCH(double, lat);
    QFETCH(double, lon);
    QFETCH(QByteArray, zone);
    QFETCH(QDate, day);
    QFETCH(QString, bearing);
    QFETCH(QStringList, shadows);

    registerCatalogues();
    AppConfig config;
    config.language = language;
    Language texts(config);
    QVERIFY(texts.load(false));
    const QTimeZone tz(zone);
    const Qibla qibla(lat, lon);
    const QiblaReport report(qibla, tz, texts);

    double expectedBearing = std::round(vectorBearing(lat, lon) * 10) / 10;
    if (expectedBearing >= 360)
        expectedBearing -= 360;
    QCOMPARE(report.bearingText(), bearing.arg(QString::number(expectedBearing, 'f', 1)));
    QVERIFY(report.distanceText().contains(QString::number(qRound64(vectorDistance(lat, lon))) + QStringLiteral(" km")));

    const double b = vectorBearing(lat, lon);
    const QList<QDateTime> towards = almanacCrossings(day, tz, lat, lon, b);
    QStringList expected;
    for (const QString &line : shadows)
        expected << (line.contains(QLatin1String("%1")) ? line.arg(towards.value(0).toTimeZone(tz).toString(QStringLiteral("HH:mm"))) : line);
    const QStringList got = report.shadowTexts(day);
    QCOMPARE(got.size(), expected.size());
    for (int i = 0; i < got.size(); ++i) {
        // The almanac may round to the neighbouring minute.
        if (got.at(i) != expected.at(i)) {
            const QTime shown = QTime::fromString(got.at(i).mid(got.at(i).indexOf(QRegularExpression(QStringLiteral("\\d\\d:\\d\\d"))), 5), QStringLiteral("HH:mm"));
            QVERIFY2(shown.isValid() && std::abs(shown.secsTo(towards.value(0).toTimeZone(tz).time())) <= 90,
                     qPrintable(got.at(i)));
        }
    }

    const QStringList overhead = report.overheadTexts(2026);
    QCOMPARE(overhead.size(), 2);
    QVERIFY(!overhead.first().contains(QLatin1String("%")));
}

QTEST_GUILESS_MAIN(TestQibla)
#include "test_qibla.moc"
