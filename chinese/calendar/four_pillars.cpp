#include "chinese/calendar/four_pillars.h"

#include "chinese/calendar/lunar_calendar.h"
#include "chinese/calendar/pillar_notices.h"
#include "chinese/calendar/solar_terms.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace chinese {

namespace {

constexpr qint64 secondsPerDay = 86400;
constexpr qint64 unixEpochJulianDay = 2440588;   // 1970-01-01

QDateTime utcMoment(qint64 utcSeconds)
{
    return QDateTime::fromSecsSinceEpoch(utcSeconds, QTimeZone::utc());
}

// Seconds of a date and time as if it were UTC: the clock reading without its zone.
qint64 clockSeconds(const QDate &date, const QTime &time)
{
    return (date.toJulianDay() - unixEpochJulianDay) * secondsPerDay + time.msecsSinceStartOfDay() / 1000;
}

qint64 floorDivide(qint64 a, qint64 b)
{
    return a / b - ((a % b != 0) && ((a < 0) != (b < 0)) ? 1 : 0);
}

// Every moment at which the zone's clock read `clock`, earliest first: none in a gap, two where
// the clocks went back. Qt's own conversion picks one silently (and before 6.7 unspecified
// which), so the candidates are checked here: each offset the zone used in the two days around
// the reading gives one candidate, which holds if the zone had that offset at that moment.
std::vector<qint64> momentsOfClock(const QTimeZone &zone, qint64 clock)
{
    const qint64 window = 2 * secondsPerDay;
    std::vector<int> offsets{zone.offsetFromUtc(utcMoment(clock - window))};
    for (const QTimeZone::OffsetData &transition : zone.transitions(utcMoment(clock - window), utcMoment(clock + window)))
        offsets.push_back(transition.offsetFromUtc);
    std::vector<qint64> moments;
    for (const int offset : offsets) {
        const qint64 moment = clock - offset;
        if (zone.offsetFromUtc(utcMoment(moment)) == offset)
            moments.push_back(moment);
    }
    std::sort(moments.begin(), moments.end());
    moments.erase(std::unique(moments.begin(), moments.end()), moments.end());
    return moments;
}

// The year of the pillars at a moment: the Gregorian year once its Start of Spring has come.
std::optional<StemBranch> yearPillarAt(qint64 utcSeconds)
{
    const int year = QDate::fromJulianDay(unixEpochJulianDay + floorDivide(utcSeconds, secondsPerDay)).year();
    const std::optional<TermMoment> spring = solarTerm(year, SolarTerm::StartOfSpring);
    if (!spring)
        return std::nullopt;
    // 1984 is 甲子, the first pair of the cycle.
    return StemBranch::fromCycleIndex((utcSeconds >= spring->utcSeconds ? year : year - 1) - 1984);
}

// The month of the pillars at a moment, from the last term that began a month. The months run
// through the cycle without a break, twelve a year: the Tiger month that begins at the Start of
// Spring of 1984 is 丙寅 (index 2), and each year's Minor Cold begins the month before its Tiger.
std::optional<StemBranch> monthPillarAt(qint64 utcSeconds)
{
    const std::optional<TermMoment> term = monthTermAtOrBefore(utcSeconds);
    if (!term)
        return std::nullopt;
    const int monthOfYear = static_cast<int>(term->term) / 2;   // 0: Minor Cold, 1: Start of Spring ...
    return StemBranch::fromCycleIndex(12 * qint64(term->year - 1984) + monthOfYear + 1);
}

// 1 January 1900 (Julian day 2415021) was a 甲戌 day, index 10.
StemBranch dayPillarOf(const QDate &date)
{
    return StemBranch::fromCycleIndex(date.toJulianDay() + 49);
}

// The two-hour period of a time on the pillars' clock; from 23:00 it is the Rat hour of the
// following day, whose stem follows from that day's stem.
StemBranch hourPillarOf(const QDate &date, const QTime &time)
{
    const int hour = time.hour();
    const StemBranch day = dayPillarOf(hour >= 23 ? date.addDays(1) : date);
    const int branch = ((hour + 1) / 2) % 12;
    // The Rat hour's stem: 甲 on 甲 and 己 days, 丙 on 乙 and 庚 days, and so on.
    const int ratStem = (day.stem() % 5) * 2;
    return StemBranch::fromStemAndBranch((ratStem + branch) % 10, branch);
}

void setPillarClock(FourPillars &pillars, qint64 seconds)
{
    const qint64 day = floorDivide(seconds, secondsPerDay);
    pillars.pillarDate = QDate::fromJulianDay(unixEpochJulianDay + day);
    pillars.pillarTime = QTime::fromMSecsSinceStartOfDay(static_cast<int>((seconds - day * secondsPerDay) * 1000));
}

BirthProblem check(const BirthMoment &birth)
{
    if (!birth.date.isValid() || birth.date < firstCoveredDay() || birth.date > lastCoveredDay())
        return BirthProblem::DateOutsideRange;
    if (!birth.zone.isValid())
        return BirthProblem::InvalidZone;
    if (birth.longitude && !(std::isfinite(*birth.longitude) && std::abs(*birth.longitude) <= 180.0))
        return BirthProblem::LongitudeOutOfRange;
    return BirthProblem::None;
}

} // namespace

int standardOffset(const QTimeZone &zone, qint64 utcSeconds)
{
    const QDateTime moment = utcMoment(utcSeconds);
    const int offset = zone.offsetFromUtc(moment);
    const int summer = zone.daylightTimeOffset(moment);
    if (summer > 0)
        return offset - summer;
    if (summer < 0)
        return offset;
    // Half a year away lies the other season: there a negative summer time marks this clock as
    // the summer one.
    for (const qint64 halfYear : {qint64(182) * secondsPerDay, qint64(-182) * secondsPerDay}) {
        const int other = zone.daylightTimeOffset(utcMoment(utcSeconds + halfYear));
        if (other < 0)
            return offset + other;
    }
    return offset;
}

double equationOfTime(qint64 utcSeconds)
{
    // NOAA Global Monitoring Laboratory, "General Solar Position Calculations", after
    // J. W. Spencer, "Fourier series representation of the position of the Sun", Search 2 (5),
    // 1971: with the fractional year g = 2 pi / 365 (day of year - 1 + (hour - 12) / 24),
    //   EoT [minutes] = 229.18 (0.000075 + 0.001868 cos g - 0.032077 sin g
    //                           - 0.014615 cos 2g - 0.040849 sin 2g).
    // Within about a minute of the exact value, which is far finer than a two-hour period.
    const QDateTime moment = utcMoment(utcSeconds);
    const double hours = moment.time().msecsSinceStartOfDay() / 3600000.0;
    const double g = 2.0 * std::numbers::pi / 365.0 * (moment.date().dayOfYear() - 1 + (hours - 12.0) / 24.0);
    const double minutes = 229.18 * (0.000075 + 0.001868 * std::cos(g) - 0.032077 * std::sin(g)
                                     - 0.014615 * std::cos(2 * g) - 0.040849 * std::sin(2 * g));
    return minutes * 60.0;
}

std::optional<FourPillars> fourPillars(const BirthMoment &birth, YearStart animalStart, BirthProblem &problem)
{
    problem = check(birth);
    if (problem != BirthProblem::None)
        return std::nullopt;

    const std::optional<ChineseDate> lunarDate = chineseDate(birth.date);
    if (!lunarDate) {
        problem = BirthProblem::DateOutsideRange;
        return std::nullopt;
    }
    FourPillars pillars;
    pillars.lunarDate = *lunarDate;
    pillars.day = dayPillarOf(birth.date);

    if (!birth.time) {
        // The month (and year) pillar of the whole day, unless a term changed it during the day.
        // The local day lies within two days of the date's midnight in UTC whatever the zone, and
        // most such spans hold no term at all: only otherwise is the zone asked for the day's bounds.
        const qint64 midnight = clockSeconds(birth.date, QTime(0, 0));
        const std::optional<TermMoment> before = monthTermAtOrBefore(midnight - 2 * secondsPerDay);
        const std::optional<TermMoment> after = monthTermAtOrBefore(midnight + 2 * secondsPerDay);
        qint64 dayBegins = midnight;
        bool monthChanges = false;
        bool yearChanges = false;
        if (!before || !after || before->utcSeconds != after->utcSeconds) {
            dayBegins = birth.date.startOfDay(birth.zone).toSecsSinceEpoch();
            const qint64 dayEnds = birth.date.addDays(1).startOfDay(birth.zone).toSecsSinceEpoch();
            for (const TermMoment &term : termsBetween(dayBegins + 1, dayEnds)) {
                monthChanges = monthChanges || term.beginsMonth();
                yearChanges = yearChanges || term.term == SolarTerm::StartOfSpring;
            }
        }
        if (!yearChanges)
            pillars.year = yearPillarAt(dayBegins);
        if (!monthChanges)
            pillars.month = monthPillarAt(dayBegins);
        pillars.notices = pillarNotices(birth, pillars, animalStart);
        return pillars;
    }

    const QTime clock(birth.time->hour(), birth.time->minute());
    const std::vector<qint64> moments = momentsOfClock(birth.zone, clockSeconds(birth.date, clock));
    if (moments.empty()) {
        problem = BirthProblem::ClockGap;
        return std::nullopt;
    }
    const qint64 moment = moments.front();
    pillars.utcSeconds = moment;
    pillars.repeatedTime = moments.size() > 1;
    pillars.utcOffset = birth.zone.offsetFromUtc(utcMoment(moment));
    pillars.year = yearPillarAt(moment);
    pillars.month = monthPillarAt(moment);

    if (birth.longitude) {
        // Mean solar time runs four minutes ahead of UTC for each degree east.
        const double trueSolar = moment + *birth.longitude * 240.0 + equationOfTime(moment);
        setPillarClock(pillars, static_cast<qint64>(std::floor(trueSolar)));
        pillars.trueSolarTime = true;
    } else {
        setPillarClock(pillars, moment + standardOffset(birth.zone, moment));
    }
    const bool nextDay = birth.dayStart == DayStart::At23 && pillars.pillarTime.hour() >= 23;
    pillars.day = dayPillarOf(nextDay ? pillars.pillarDate.addDays(1) : pillars.pillarDate);
    pillars.hour = hourPillarOf(pillars.pillarDate, pillars.pillarTime);
    pillars.notices = pillarNotices(birth, pillars, animalStart);
    return pillars;
}

QString birthProblemText(BirthProblem problem, const BirthMoment &birth)
{
    switch (problem) {
    case BirthProblem::None:
        return {};
    case BirthProblem::DateOutsideRange:
        return QStringLiteral("The date of birth must be a day from %1 to %2.")
            .arg(firstCoveredDay().toString(Qt::ISODate), lastCoveredDay().toString(Qt::ISODate));
    case BirthProblem::InvalidZone:
        return QStringLiteral("The time zone of the birthplace is not known.");
    case BirthProblem::LongitudeOutOfRange:
        return QStringLiteral("The longitude must be a number of degrees from -180 (west) to 180 (east).");
    case BirthProblem::ClockGap:
        return QStringLiteral("%1 did not happen on %2 in %3: the clocks went forward then. Please check the time of birth.")
            .arg(birth.time ? birth.time->toString(QStringLiteral("HH:mm")) : QString(),
                 birth.date.toString(Qt::ISODate), QString::fromUtf8(birth.zone.id()));
    }
    return {};
}

} // namespace chinese
