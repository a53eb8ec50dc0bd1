// Checks the Start-of-Spring days against an astronomical computation of our own: the moment the
// Sun's apparent longitude reaches 315 degrees, by the low-precision solar position of Meeus,
// "Astronomical Algorithms" (2nd ed.), chapters 22 and 25, with Espenak and Meeus's polynomials
// for Delta T, dated in China Standard Time (UTC+8). Its error is within about a quarter of an
// hour (the largest gap to the generating library's moments is 12.5 minutes). The closest calls
// to midnight in 1899-2101, all still on the same day either way:
//   1980-02-05  library 00:09, computed 00:03:34      2013-02-04  library 00:13, computed 00:07:54
//   2083-02-03  library 23:58, computed 23:51:51      1947-02-04  library 23:50, computed 23:53:19
// so no disagreement on the day is allowed.
#include "chinese/calendar/chinese_calendar.h"

#include <QtTest>

#include <cmath>
#include <numbers>

namespace {

constexpr double degree = std::numbers::pi / 180.0;

double normalized(double degrees)
{
    const double d = std::fmod(degrees, 360.0);
    return d < 0 ? d + 360.0 : d;
}

// Terrestrial minus universal time, in seconds, for a decimal year from 1900 to 2150.
double deltaT(double year)
{
    if (year < 1920) {
        const double t = year - 1900;
        return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * t * t * t - 0.000197 * t * t * t * t;
    }
    if (year < 1941) {
        const double t = year - 1920;
        return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
    }
    if (year < 1961) {
        const double t = year - 1950;
        return 29.07 + 0.407 * t - t * t / 233 + t * t * t / 2547;
    }
    if (year < 1986) {
        const double t = year - 1975;
        return 45.45 + 1.067 * t - t * t / 260 - t * t * t / 718;
    }
    if (year < 2005) {
        const double t = year - 2000;
        return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * t * t * t + 0.000651814 * std::pow(t, 4)
            + 0.00002373599 * std::pow(t, 5);
    }
    if (year < 2050) {
        const double t = year - 2000;
        return 62.92 + 0.32217 * t + 0.005589 * t * t;
    }
    const double u = (year - 1820) / 100;
    return -20 + 32 * u * u - 0.5628 * (2150 - year);
}

// The Sun's apparent geocentric longitude in degrees at a Julian Ephemeris Day.
double apparentSolarLongitude(double jde)
{
    const double T = (jde - 2451545.0) / 36525.0;
    const double L0 = 280.46646 + 36000.76983 * T + 0.0003032 * T * T;
    const double M = (357.52911 + 35999.05029 * T - 0.0001537 * T * T) * degree;
    const double C = (1.914602 - 0.004817 * T - 0.000014 * T * T) * std::sin(M)
        + (0.019993 - 0.000101 * T) * std::sin(2 * M) + 0.000289 * std::sin(3 * M);
    const double e = 0.016708634 - 0.000042037 * T - 0.0000001267 * T * T;
    const double R = 1.000001018 * (1 - e * e) / (1 + e * std::cos(M + C * degree));   // AU
    // Nutation in longitude (low accuracy, chapter 22) and annual aberration, in arc seconds.
    const double omega = (125.04452 - 1934.136261 * T) * degree;
    const double L = (280.4665 + 36000.7698 * T) * degree;
    const double moonL = (218.3165 + 481267.8813 * T) * degree;
    const double nutation = -17.20 * std::sin(omega) - 1.32 * std::sin(2 * L) - 0.23 * std::sin(2 * moonL)
        + 0.21 * std::sin(2 * omega);
    const double aberration = -20.4898 / R;
    return normalized(L0 + C + (nutation + aberration) / 3600.0);
}

// The moment, as a Julian Day in UTC+8, when the Sun reaches 315 degrees early in the given year.
double startOfSpringInChinaTime(int year)
{
    double jde = double(QDate(year, 2, 4).toJulianDay()) - 0.5;
    for (int i = 0; i < 50; ++i) {
        // Newton's step (Meeus, chapter 27): at about 0.9856 degrees a day the Sun needs some 58
        // days per radian of longitude still to go.
        const double step = 58.0 * std::sin((315.0 - apparentSolarLongitude(jde)) * degree);
        jde += step;
        if (std::abs(step) < 1e-7)
            break;
    }
    const double ut = jde - deltaT(year + 0.09) / 86400.0;
    return ut + 8.0 / 24.0;
}

QDate civilDay(double julianDay)
{
    return QDate::fromJulianDay(qint64(std::floor(julianDay + 0.5)));
}

// Minutes after midnight of the civil day.
double minuteOfDay(double julianDay)
{
    const double shifted = julianDay + 0.5;
    return (shifted - std::floor(shifted)) * 1440.0;
}

} // namespace

class TestStartOfSpring : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void oracleMatchesPublishedMoments_data();
    void oracleMatchesPublishedMoments();
    void everyStartOfSpringIsTheAstronomicalDay();
};

void TestStartOfSpring::oracleMatchesPublishedMoments_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<QDateTime>("published");   // UTC+8, to the minute
    const QTimeZone china(8 * 3600);
    QTest::newRow("2021 on 3 Feb 22:59") << 2021 << QDateTime(QDate(2021, 2, 3), QTime(22, 59), china);
    QTest::newRow("2024 on 4 Feb 16:27") << 2024 << QDateTime(QDate(2024, 2, 4), QTime(16, 27), china);
    QTest::newRow("2025 on 3 Feb 22:10") << 2025 << QDateTime(QDate(2025, 2, 3), QTime(22, 10), china);
}

// Guards the oracle itself: a wrong constant or a day shift in it would show here.
void TestStartOfSpring::oracleMatchesPublishedMoments()
{
    QFETCH(int, year);
    QFETCH(QDateTime, published);
    const double computed = startOfSpringInChinaTime(year);
    QCOMPARE(civilDay(computed), published.date());
    const double publishedMinute = published.time().hour() * 60 + published.time().minute();
    QVERIFY2(std::abs(minuteOfDay(computed) - publishedMinute) < 15,
             qPrintable(QString::number(minuteOfDay(computed))));
}

void TestStartOfSpring::everyStartOfSpringIsTheAstronomicalDay()
{
    const auto &table = chinese::newYearTable(chinese::YearStart::StartOfSpring);
    QList<QDate> springDays;
    for (const chinese::NewYearRow &row : table)
        springDays.append(row.firstDay);
    springDays.append(table.last().lastDay.addDays(1));

    QStringList disagreements;
    for (const QDate &day : springDays) {
        const double computed = startOfSpringInChinaTime(day.year());
        if (civilDay(computed) != day)
            disagreements.append(QStringLiteral("%1 (computed %2 %3)")
                                     .arg(day.toString(Qt::ISODate), civilDay(computed).toString(Qt::ISODate),
                                          QTime::fromMSecsSinceStartOfDay(int(minuteOfDay(computed) * 60000))
                                              .toString(QStringLiteral("HH:mm:ss"))));
    }
    QCOMPARE(disagreements.join(u", "), QString());
    QCOMPARE(springDays.size(), 2101 - 1899 + 1);
}

QTEST_GUILESS_MAIN(TestStartOfSpring)
#include "test_start_of_spring.moc"
