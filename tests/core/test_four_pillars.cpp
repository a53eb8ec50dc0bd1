#include "chinese/calendar/four_pillars.h"

#include <QtTest>

#include <cmath>
#include <utility>

using chinese::BirthProblem;
using chinese::DayStart;
using chinese::YearStart;

Q_DECLARE_METATYPE(chinese::BirthProblem)
Q_DECLARE_METATYPE(chinese::DayStart)
Q_DECLARE_METATYPE(chinese::YearStart)

class TestFourPillars : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pillars_data();
    void pillars();
    void refused_data();
    void refused();
    void repeatedTimeTakesTheFirst_data();
    void repeatedTimeTakesTheFirst();
    void notices_data();
    void notices();
    void dayWithoutTimeHasEachHoursPillar_data();
    void dayWithoutTimeHasEachHoursPillar();
    void equationOfTime_data();
    void equationOfTime();
};

namespace {

constexpr double noLongitude = std::numeric_limits<double>::quiet_NaN();

// "13:30" or "" (no time); longitude NaN for none.
chinese::BirthMoment birthOf(const QByteArray &zone, const QDate &date, const QString &time, double longitude = noLongitude,
                             DayStart dayStart = DayStart::Midnight)
{
    chinese::BirthMoment birth{date, std::nullopt, QTimeZone(zone), std::nullopt, dayStart};
    if (!time.isEmpty())
        birth.time = QTime::fromString(time, QStringLiteral("HH:mm"));
    if (!std::isnan(longitude))
        birth.longitude = longitude;
    return birth;
}

QString pillarText(const std::optional<chinese::StemBranch> &pillar)
{
    return pillar ? pillar->characters() : QStringLiteral("-");
}

} // namespace

void TestFourPillars::pillars_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("time");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<DayStart>("dayStart");
    QTest::addColumn<QString>("expected");   // year month day hour, "-" where missing
    QTest::addColumn<QString>("clock");      // the clock the day and hour pillars follow

    const QDate springDay(2024, 2, 4);   // the Start of Spring: 16:27:07 China time, 08:27:07 UTC
    const DayStart midnight = DayStart::Midnight;
    QTest::newRow("London 08:27, still the Rabbit year")
        << QByteArray("Europe/London") << springDay << "08:27" << noLongitude << midnight << "癸卯 乙丑 戊戌 丙辰" << "08:27";
    QTest::newRow("London 08:28, the Dragon year")
        << QByteArray("Europe/London") << springDay << "08:28" << noLongitude << midnight << "甲辰 丙寅 戊戌 丙辰" << "08:28";
    QTest::newRow("New York 03:27, still the Rabbit year")
        << QByteArray("America/New_York") << springDay << "03:27" << noLongitude << midnight << "癸卯 乙丑 戊戌 甲寅" << "03:27";
    QTest::newRow("New York 03:28, the Dragon year")
        << QByteArray("America/New_York") << springDay << "03:28" << noLongitude << midnight << "甲辰 丙寅 戊戌 甲寅" << "03:28";
    QTest::newRow("Shanghai 16:27, still the Rabbit year")
        << QByteArray("Asia/Shanghai") << springDay << "16:27" << noLongitude << midnight << "癸卯 乙丑 戊戌 庚申" << "16:27";
    QTest::newRow("Shanghai 16:28, the Dragon year")
        << QByteArray("Asia/Shanghai") << springDay << "16:28" << noLongitude << midnight << "甲辰 丙寅 戊戌 庚申" << "16:28";
    QTest::newRow("Shanghai summer time 23:30 is 22:30, hour of the Pig")
        << QByteArray("Asia/Shanghai") << QDate(1988, 8, 2) << "23:30" << noLongitude << midnight << "戊辰 己未 己丑 乙亥" << "22:30";
    QTest::newRow("late Rat hour, day begins at midnight: the day stays, the next day's Rat hour")
        << QByteArray("Asia/Shanghai") << QDate(2000, 1, 1) << "23:30" << noLongitude << midnight << "己卯 丙子 戊午 甲子" << "23:30";
    QTest::newRow("late Rat hour, day begins at 23:00: the next day")
        << QByteArray("Asia/Shanghai") << QDate(2000, 1, 1) << "23:30" << noLongitude << DayStart::At23 << "己卯 丙子 己未 甲子" << "23:30";
    QTest::newRow("Dublin's summer clock less its hour, though its zone calls winter the exception")
        << QByteArray("Europe/Dublin") << QDate(2020, 7, 1) << "13:30" << noLongitude << midnight << "庚子 壬午 乙巳 壬午" << "12:30";
    QTest::newRow("true solar time at Urumqi on China's clock: two hours earlier, another hour")
        << QByteArray("Asia/Shanghai") << QDate(2024, 6, 1) << "10:30" << 87.6 << midnight << "甲辰 己巳 丙申 壬辰" << "08:22";
    QTest::newRow("first covered day at midnight, in local mean time")
        << QByteArray("Asia/Shanghai") << QDate(1900, 1, 1) << "00:00" << noLongitude << midnight << "己亥 丙子 甲戌 甲子" << "00:00";
    QTest::newRow("last covered minute takes the Rat hour of a day beyond")
        << QByteArray("Asia/Shanghai") << QDate(2100, 12, 31) << "23:59" << noLongitude << midnight << "庚申 戊子 丁未 壬子" << "23:59";
    QTest::newRow("no time: no hour pillar")
        << QByteArray("Europe/London") << QDate(1990, 5, 12) << "" << noLongitude << midnight << "庚午 辛巳 丁丑 -" << "";
    QTest::newRow("no time on the day of the Start of Spring: no year or month pillar")
        << QByteArray("Asia/Shanghai") << springDay << "" << noLongitude << midnight << "- - 戊戌 -" << "";
    QTest::newRow("no time on the day the Awakening of Insects begins a month: no month pillar")
        << QByteArray("UTC") << QDate(2024, 3, 5) << "" << noLongitude << midnight << "甲辰 - 戊辰 -" << "";
    QTest::newRow("no time, the same term on the day before in Honolulu")
        << QByteArray("Pacific/Honolulu") << QDate(2024, 3, 4) << "" << noLongitude << midnight << "甲辰 - 丁卯 -" << "";
    QTest::newRow("no time, and on 5 March in Honolulu the month has changed all day")
        << QByteArray("Pacific/Honolulu") << QDate(2024, 3, 5) << "" << noLongitude << midnight << "甲辰 丁卯 戊辰 -" << "";
}

void TestFourPillars::pillars()
{
    QFETCH(QByteArray, zone);
    QFETCH(QDate, date);
    QFETCH(QString, time);
    QFETCH(double, longitude);
    QFETCH(DayStart, dayStart);
    BirthProblem problem = BirthProblem::ClockGap;
    const std::optional<chinese::FourPillars> pillars =
        chinese::fourPillars(birthOf(zone, date, time, longitude, dayStart), YearStart::LunarNewYear, problem);
    QCOMPARE(problem, BirthProblem::None);
    QVERIFY(pillars);
    QTEST(QStringList({pillarText(pillars->year), pillarText(pillars->month), pillarText(pillars->day), pillarText(pillars->hour)})
              .join(QLatin1Char(' ')),
          "expected");
    QTEST(pillars->utcSeconds ? pillars->pillarTime.toString(QStringLiteral("HH:mm")) : QString(), "clock");
    QCOMPARE(pillars->trueSolarTime, !std::isnan(longitude));
}

void TestFourPillars::refused_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("time");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<BirthProblem>("expected");
    QTest::newRow("London 01:30 when the clocks went forward")
        << QByteArray("Europe/London") << QDate(2024, 3, 31) << "01:30" << noLongitude << BirthProblem::ClockGap;
    QTest::newRow("New York 02:00, the gap's first minute")
        << QByteArray("America/New_York") << QDate(2024, 3, 10) << "02:00" << noLongitude << BirthProblem::ClockGap;
    QTest::newRow("Shanghai 02:30 when summer time began in 1988")
        << QByteArray("Asia/Shanghai") << QDate(1988, 4, 17) << "02:30" << noLongitude << BirthProblem::ClockGap;
    // Days the clocks jumped over whole, moving a zone across the date line.
    for (const auto &[zone, date] : {std::pair{"Pacific/Apia", QDate(2011, 12, 30)}, std::pair{"Pacific/Fakaofo", QDate(2011, 12, 30)},
                                     std::pair{"Pacific/Kiritimati", QDate(1994, 12, 31)}, std::pair{"Pacific/Kanton", QDate(1994, 12, 31)},
                                     std::pair{"Pacific/Kwajalein", QDate(1993, 8, 21)}}) {
        QTest::addRow("%s skipped %s", zone, qPrintable(date.toString(Qt::ISODate)))
            << QByteArray(zone) << date << "" << noLongitude << BirthProblem::SkippedDay;
    }
    QTest::newRow("a time on Samoa's skipped day")
        << QByteArray("Pacific/Apia") << QDate(2011, 12, 30) << "12:00" << noLongitude << BirthProblem::SkippedDay;
    QTest::newRow("31 Dec 1899") << QByteArray("UTC") << QDate(1899, 12, 31) << "12:00" << noLongitude << BirthProblem::DateOutsideRange;
    QTest::newRow("1 Jan 2101 without a time") << QByteArray("UTC") << QDate(2101, 1, 1) << "" << noLongitude << BirthProblem::DateOutsideRange;
    QTest::newRow("no such zone") << QByteArray("Mars/Olympus_Mons") << QDate(2000, 1, 1) << "" << noLongitude << BirthProblem::InvalidZone;
    QTest::newRow("longitude 180.5") << QByteArray("UTC") << QDate(2000, 1, 1) << "12:00" << 180.5 << BirthProblem::LongitudeOutOfRange;
    QTest::newRow("longitude infinite")
        << QByteArray("UTC") << QDate(2000, 1, 1) << "12:00" << std::numeric_limits<double>::infinity() << BirthProblem::LongitudeOutOfRange;
}

void TestFourPillars::refused()
{
    QFETCH(QByteArray, zone);
    QFETCH(QDate, date);
    QFETCH(QString, time);
    QFETCH(double, longitude);
    QFETCH(BirthProblem, expected);
    const chinese::BirthMoment birth = birthOf(zone, date, time, longitude);
    BirthProblem problem = BirthProblem::None;
    QVERIFY(!chinese::fourPillars(birth, YearStart::LunarNewYear, problem));
    QCOMPARE(problem, expected);
    QVERIFY(!chinese::birthProblemText(problem, birth).isEmpty());
}

void TestFourPillars::repeatedTimeTakesTheFirst_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("utc");
    QTest::addColumn<int>("offset");
    QTest::newRow("London 01:30 on 27 Oct 2024") << QByteArray("Europe/London") << QDate(2024, 10, 27) << "2024-10-27T00:30:00Z" << 3600;
    QTest::newRow("New York 01:30 on 3 Nov 2024") << QByteArray("America/New_York") << QDate(2024, 11, 3) << "2024-11-03T05:30:00Z" << -4 * 3600;
    QTest::newRow("Shanghai 01:30 on 11 Sep 1988") << QByteArray("Asia/Shanghai") << QDate(1988, 9, 11) << "1988-09-10T16:30:00Z" << 9 * 3600;
}

void TestFourPillars::repeatedTimeTakesTheFirst()
{
    QFETCH(QByteArray, zone);
    QFETCH(QDate, date);
    BirthProblem problem = BirthProblem::None;
    const std::optional<chinese::FourPillars> pillars =
        chinese::fourPillars(birthOf(zone, date, QStringLiteral("01:30")), YearStart::LunarNewYear, problem);
    QVERIFY(pillars && pillars->utcSeconds);
    QVERIFY(pillars->repeatedTime);
    QTEST(QDateTime::fromSecsSinceEpoch(*pillars->utcSeconds, QTimeZone::utc()).toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss'Z'")), "utc");
    QTEST(pillars->utcOffset, "offset");
    QVERIFY2(pillars->notices.join(QLatin1Char(' ')).contains(QStringLiteral("came twice")), qPrintable(pillars->notices.join('|')));
}

void TestFourPillars::notices_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("time");
    QTest::addColumn<DayStart>("dayStart");
    QTest::addColumn<YearStart>("yearStart");
    QTest::addColumn<QStringList>("expected");   // pieces of the notices, in order
    QTest::addColumn<int>("count");              // how many notices

    const DayStart midnight = DayStart::Midnight;
    const YearStart newYear = YearStart::LunarNewYear;
    QTest::newRow("nothing to say") << QByteArray("Asia/Shanghai") << QDate(1990, 5, 12) << "14:30" << midnight << newYear << QStringList() << 0;
    QTest::newRow("a minute after the Start of Spring, before the New Year")
        << QByteArray("Europe/London") << QDate(2024, 2, 4) << "08:28" << midnight << newYear
        << QStringList{"Start of Spring began at 08:27 on 4 February 2024", "Start of Spring (4 February 2024) and the Chinese New Year (10 February 2024)"} << 2;
    QTest::newRow("a minute before it, counting the animal from its day")
        << QByteArray("Europe/London") << QDate(2024, 2, 4) << "08:27" << midnight << YearStart::StartOfSpring
        << QStringList{"year and month pillars depend on the exact minute", "after the birth, so the year is the Water Rabbit's",
                       "would give the Wood Dragon's"} << 2;
    QTest::newRow("New Year first, Start of Spring later")
        << QByteArray("Asia/Shanghai") << QDate(2023, 1, 25) << "12:00" << midnight << newYear
        << QStringList{"Chinese New Year (22 January 2023) and the Start of Spring (4 February 2023)"} << 1;
    QTest::newRow("an hour and a minute after a term") << QByteArray("UTC") << QDate(2024, 3, 5) << "03:23" << midnight << newYear << QStringList() << 0;
    QTest::newRow("a quarter of an hour after 23:00")
        << QByteArray("Asia/Shanghai") << QDate(2000, 1, 1) << "23:15" << midnight << newYear << QStringList{"quarter of an hour of 23:00"} << 1;
    QTest::newRow("sixteen minutes after 23:00") << QByteArray("Asia/Shanghai") << QDate(2000, 1, 1) << "23:16" << midnight << newYear << QStringList() << 0;
    QTest::newRow("near midnight, day begins at midnight")
        << QByteArray("Asia/Shanghai") << QDate(2000, 1, 1) << "23:50" << midnight << newYear << QStringList{"quarter of an hour of midnight"} << 1;
    QTest::newRow("near midnight, day begins at 23:00: the next day's pillar beside the calendar day's Chinese date")
        << QByteArray("Asia/Shanghai") << QDate(2000, 1, 1) << "23:50" << DayStart::At23 << newYear
        << QStringList{"day pillar is that of 2 January 2000 (己未)", "25th day of the 11th month, is that of 1 January 2000"} << 1;
    QTest::newRow("no time, summer time: the first hour has the day before's pillar")
        << QByteArray("America/New_York") << QDate(1971, 5, 8) << "" << midnight << newYear
        << QStringList{"Before 01:00 on the birthplace's clock, the day pillar is 壬辰", "an hour behind the summer-time clock"} << 2;
    QTest::newRow("no time, in the 9th month of 2057, which the Hong Kong Observatory begins a day earlier")
        << QByteArray("Asia/Shanghai") << QDate(2057, 10, 1) << "" << midnight << newYear
        << QStringList{"hour pillar needs the time", "makes this day the 4th day of the 9th month of 2057"} << 2;
    QTest::newRow("half an hour before the clocks go forward")
        << QByteArray("Europe/London") << QDate(2024, 3, 31) << "00:30" << midnight << newYear
        << QStringList{"clocks went forward an hour at 01:00 on 31 March 2024"} << 1;
    QTest::newRow("no time, on a day a term begins a month")
        << QByteArray("UTC") << QDate(2024, 3, 5) << "" << midnight << newYear
        << QStringList{"hour pillar needs the time", "month pillar needs it too: the Awakening of Insects began at 02:22"} << 2;
    QTest::newRow("no time, on the day of the Start of Spring")
        << QByteArray("Asia/Shanghai") << QDate(2024, 2, 4) << "" << midnight << newYear
        << QStringList{"hour pillar needs the time", "year and month pillars need it too: the Start of Spring began at 16:27"} << 2;
}

void TestFourPillars::notices()
{
    QFETCH(QByteArray, zone);
    QFETCH(QDate, date);
    QFETCH(QString, time);
    QFETCH(DayStart, dayStart);
    QFETCH(YearStart, yearStart);
    QFETCH(QStringList, expected);
    BirthProblem problem = BirthProblem::None;
    const std::optional<chinese::FourPillars> pillars =
        chinese::fourPillars(birthOf(zone, date, time, noLongitude, dayStart), yearStart, problem);
    QVERIFY(pillars);
    const QString all = pillars->notices.join(QStringLiteral(" | "));
    QTEST(int(pillars->notices.size()), "count");
    qsizetype from = 0;
    for (const QString &piece : expected) {
        const qsizetype at = all.indexOf(piece, from);
        QVERIFY2(at >= 0, qPrintable(QStringLiteral("\"%1\" not in: %2").arg(piece, all)));
        from = at + piece.size();
    }
}

void TestFourPillars::dayWithoutTimeHasEachHoursPillar_data()
{
    QTest::addColumn<QByteArray>("zone");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<double>("longitude");
    QTest::addColumn<DayStart>("dayStart");
    QTest::addColumn<QString>("parts");   // "pillar from-until" per part; empty: one pillar all day
    QTest::addColumn<QString>("day");     // the day pillar given: the longest part's
    QTest::addColumn<bool>("bothGiven");

    const DayStart midnight = DayStart::Midnight;
    QTest::newRow("summer time in New York: the first hour is the day before's")
        << QByteArray("America/New_York") << QDate(1971, 5, 8) << noLongitude << midnight << "壬辰 00:00-01:00 癸巳 01:00-24:00" << "癸巳" << false;
    QTest::newRow("summer time and a day from 23:00 cancel out")
        << QByteArray("America/New_York") << QDate(1971, 5, 8) << noLongitude << DayStart::At23 << "" << "癸巳" << false;
    QTest::newRow("New York in winter") << QByteArray("America/New_York") << QDate(1971, 1, 8) << noLongitude << midnight << "" << "癸巳" << false;
    QTest::newRow("day from 23:00 in Shanghai")
        << QByteArray("Asia/Shanghai") << QDate(2000, 1, 1) << noLongitude << DayStart::At23 << "戊午 00:00-23:00 己未 23:00-24:00" << "戊午" << false;
    QTest::newRow("Kashgar on China's summer clock: nearly four hours behind")
        << QByteArray("Asia/Shanghai") << QDate(1990, 5, 12) << 75.99 << midnight << "丙子 00:00-03:53 丁丑 03:53-24:00" << "丁丑" << false;
    QTest::newRow("east of the meridian, the last minutes are the next day's")
        << QByteArray("Asia/Kolkata") << QDate(2024, 11, 3) << 88.36 << midnight << "辛未 00:00-23:21 壬申 23:21-24:00" << "辛未" << false;
    QTest::newRow("ten hours behind: both pillars given")
        << QByteArray("UTC") << QDate(1990, 5, 12) << -150.0 << midnight << "丙子 00:00-09:57 丁丑 09:57-24:00" << "丁丑" << true;
    QTest::newRow("the day the clocks go back, a 25-hour day")
        << QByteArray("America/New_York") << QDate(2024, 11, 3) << noLongitude << midnight << "庚午 00:00-01:00 辛未 01:00-24:00" << "辛未" << false;
}

// The pillar each part names is the one a birth at its first and last minute gets.
void TestFourPillars::dayWithoutTimeHasEachHoursPillar()
{
    QFETCH(QByteArray, zone);
    QFETCH(QDate, date);
    QFETCH(double, longitude);
    QFETCH(DayStart, dayStart);
    BirthProblem problem = BirthProblem::None;
    const std::optional<chinese::FourPillars> pillars =
        chinese::fourPillars(birthOf(zone, date, QString(), longitude, dayStart), YearStart::LunarNewYear, problem);
    QVERIFY(pillars);
    QStringList parts;
    for (const chinese::DayPillarPart &part : pillars->dayParts) {
        const QString until = part.until.isValid() ? part.until.toString("HH:mm") : QStringLiteral("24:00");
        parts << part.pillar.characters() + QLatin1Char(' ') + part.from.toString("HH:mm") + QLatin1Char('-') + until;
        const QTime lastMinute = part.until.isValid() ? part.until.addSecs(-60) : QTime(23, 59);
        for (const QTime &minute : {part.from, lastMinute}) {
            const std::optional<chinese::FourPillars> timed = chinese::fourPillars(
                birthOf(zone, date, minute.toString("HH:mm"), longitude, dayStart), YearStart::LunarNewYear, problem);
            QVERIFY(timed);
            QCOMPARE(timed->day.characters() + minute.toString(" HH:mm"), part.pillar.characters() + minute.toString(" HH:mm"));
        }
    }
    QTEST(parts.join(QLatin1Char(' ')), "parts");
    QTEST(pillars->day.characters(), "day");
    QTEST(pillars->dayPartsAllLong(), "bothGiven");
}

void TestFourPillars::equationOfTime_data()
{
    QTest::addColumn<QDateTime>("moment");
    QTest::addColumn<double>("minutes");   // apparent minus mean solar time, from almanac tables
    QTest::newRow("mid-February, the Sun most behind") << QDateTime(QDate(2024, 2, 11), QTime(12, 0), QTimeZone::utc()) << -14.2;
    QTest::newRow("early November, most ahead") << QDateTime(QDate(2024, 11, 3), QTime(12, 0), QTimeZone::utc()) << 16.4;
    QTest::newRow("mid-April, near zero") << QDateTime(QDate(2024, 4, 15), QTime(12, 0), QTimeZone::utc()) << 0.0;
    QTest::newRow("late July, behind") << QDateTime(QDate(2024, 7, 26), QTime(12, 0), QTimeZone::utc()) << -6.5;
}

void TestFourPillars::equationOfTime()
{
    QFETCH(QDateTime, moment);
    QFETCH(double, minutes);
    const double computed = chinese::equationOfTime(moment.toSecsSinceEpoch()) / 60.0;
    QVERIFY2(std::abs(computed - minutes) < 1.0, qPrintable(QString::number(computed)));
}

QTEST_GUILESS_MAIN(TestFourPillars)
#include "test_four_pillars.moc"
