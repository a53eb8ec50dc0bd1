#include "chinese/calendar/four_pillars.h"

#include "chinese/calendar/lunar_calendar.h"
#include "chinese/calendar/pillar_notices.h"
#include "chinese/calendar/solar_terms.h"
#include "chinese/calendar/zone_offsets.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace chinese {

namespace {

constexpr qint64 secondsPerDay = 86400;
constexpr qint64 unixEpochJulianDay = 2440588;   // 1970-01-01

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
    ZoneOffsets &offsetsOfZone = ZoneOffsets::of(zone);
    const qint64 window = 2 * secondsPerDay;
    std::vector<int> offsets{offsetsOfZone.total(clock - window)};
    for (const ZoneOffsets::Change &transition : offsetsOfZone.changes(clock - window, clock + window))
        offsets.push_back(transition.offsets.total);
    std::vector<qint64> moments;
    for (const int offset : offsets) {
        const qint64 moment = clock - offset;
        if (offsetsOfZone.total(moment) == offset)
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

// The pillars' clock at a moment, in seconds counted as UTC's are: true solar time at the
// birthplace's longitude, or the birthplace's standard time.
qint64 pillarClockAt(const BirthMoment &birth, qint64 moment)
{
    // Mean solar time runs four minutes ahead of UTC for each degree east.
    if (birth.longitude)
        return static_cast<qint64>(std::floor(moment + *birth.longitude * 240.0 + equationOfTime(moment)));
    return moment + standardOffset(birth.zone, moment);
}

// The Julian day whose pillar the day pillar is at that reading of the pillars' clock.
qint64 pillarDayAt(const BirthMoment &birth, qint64 clock)
{
    const qint64 shift = birth.dayStart == DayStart::At23 ? 3600 : 0;
    return unixEpochJulianDay + floorDivide(clock + shift, secondsPerDay);
}

// The minute of the birthplace's day at which a birth entered would fall at or after the moment:
// the clock's reading there, rounded up to a whole minute.
int firstMinuteFrom(const QTimeZone &zone, qint64 moment)
{
    const qint64 clock = ZoneOffsets::of(zone).clock(moment);
    const qint64 second = clock - floorDivide(clock, secondsPerDay) * secondsPerDay;
    return int(second / 60 + (second % 60 > 0 ? 1 : 0));
}

// The parts of the clock's day, from dayBegins to dayEnds, that have one day pillar each; empty
// where the whole day has one. The pillars' clock runs on with the moment (summer time moves the
// clock, never the standard time; the equation of time moves by seconds a day), so the day holds
// one pillar if its first and last moments do, and each change is found between them.
QList<DayPillarPart> dayPartsOf(const BirthMoment &birth, qint64 dayBegins, qint64 dayEnds)
{
    // A zone without summer time keeps its standard time: midnight to midnight is one pillar's day.
    if (!birth.longitude && birth.dayStart == DayStart::Midnight && !ZoneOffsets::of(birth.zone).hasDaylightTime())
        return {};
    const qint64 last = dayEnds - 1;
    const qint64 shift = birth.dayStart == DayStart::At23 ? 3600 : 0;
    const auto dayAt = [&birth](qint64 moment) { return pillarDayAt(birth, pillarClockAt(birth, moment)); };
    // The pillars' clock ahead of UTC at the day's two ends.
    const qint64 aheadAtFirst = pillarClockAt(birth, dayBegins) - dayBegins;
    const qint64 aheadAtLast = pillarClockAt(birth, last) - last;
    const qint64 firstDay = pillarDayAt(birth, dayBegins + aheadAtFirst);
    const qint64 lastDay = pillarDayAt(birth, last + aheadAtLast);
    if (firstDay == lastDay)
        return {};

    std::vector<std::pair<qint64, qint64>> starts{{dayBegins, firstDay}};   // moment, its pillar's day
    for (qint64 day = firstDay; day < lastDay;) {
        const qint64 from = starts.back().first;
        // Where the clock, as far ahead as at the day's start, reaches the next day: exact for
        // standard time that holds all day, within the seconds the equation of time moves in a
        // day for true solar time.
        const qint64 estimate = (day + 1 - unixEpochJulianDay) * secondsPerDay - shift - aheadAtFirst;
        qint64 low = std::max(from, estimate - 600);
        qint64 change = std::min(last, estimate + 600);
        if (aheadAtFirst == aheadAtLast && !birth.longitude && estimate > from && estimate <= last) {
            change = estimate;
        } else {
            if (dayAt(low) > day || dayAt(change) <= day) {
                low = from;
                change = last;
            }
            while (change - low > 1) {
                const qint64 middle = low + (change - low) / 2;
                (dayAt(middle) > day ? change : low) = middle;
            }
        }
        if (change <= from || change > last)
            break;
        day = dayAt(change);
        starts.emplace_back(change, day);
    }

    QList<DayPillarPart> parts;
    std::size_t longest = 0;
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const qint64 ends = i + 1 < starts.size() ? starts[i + 1].first : dayEnds;
        DayPillarPart part;
        part.pillar = dayPillarOf(QDate::fromJulianDay(starts[i].second));
        part.seconds = ends - starts[i].first;
        const int fromMinute = i == 0 ? 0 : firstMinuteFrom(birth.zone, starts[i].first);
        const int untilMinute = i + 1 < starts.size() ? firstMinuteFrom(birth.zone, ends) : 24 * 60;
        if (fromMinute >= untilMinute)
            continue;   // no whole minute of the clock has this pillar
        part.from = QTime(fromMinute / 60, fromMinute % 60);
        if (untilMinute < 24 * 60)
            part.until = QTime(untilMinute / 60, untilMinute % 60);
        if (parts.isEmpty() || part.seconds > parts[longest].seconds)
            longest = parts.size();
        parts.append(part);
    }
    if (parts.size() < 2)
        return {};
    parts.last().until = QTime();
    // Where each part meets the longest one: the pillars' clock against the birthplace's there.
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (qsizetype(longest) == i)
            continue;
        const QTime meets = i < qsizetype(longest) ? parts[i].until : parts[i].from;
        // The moment the clock read that; where it read it twice or never, as Qt picks it.
        const qint64 reading = clockSeconds(birth.date, meets);
        const std::vector<qint64> moments = momentsOfClock(birth.zone, reading);
        qint64 moment = moments.size() == 1 ? moments.front() : 0;
        qint64 clock = reading;
        if (moments.size() != 1) {
            const QDateTime picked(birth.date, meets, birth.zone);
            moment = picked.toSecsSinceEpoch();
            clock = moment + picked.offsetFromUtc();
        }
        parts[i].clockDifference = int(pillarClockAt(birth, moment) - clock);
    }
    return parts;
}

void setPillarClock(FourPillars &pillars, qint64 seconds)
{
    const qint64 day = floorDivide(seconds, secondsPerDay);
    pillars.pillarDate = QDate::fromJulianDay(unixEpochJulianDay + day);
    pillars.pillarTime = QTime::fromMSecsSinceStartOfDay(static_cast<int>((seconds - day * secondsPerDay) * 1000));
}

// True where the zone's clocks jumped over the whole date, as Samoa's did over 30 December 2011
// when it moved to the other side of the date line: one change took the clock from before the
// date's first moment to the next day or later.
bool daySkipped(const QTimeZone &zone, const QDate &date)
{
    ZoneOffsets &offsets = ZoneOffsets::of(zone);
    const qint64 midnight = clockSeconds(date, QTime(0, 0));
    for (const ZoneOffsets::Change &change : offsets.changes(midnight - 2 * secondsPerDay, midnight + 2 * secondsPerDay)) {
        if (change.at + offsets.total(change.at - 1) <= midnight && change.at + change.offsets.total >= midnight + secondsPerDay)
            return true;
    }
    return false;
}

BirthProblem check(const BirthMoment &birth)
{
    if (!birth.date.isValid() || birth.date < firstCoveredDay() || birth.date > lastCoveredDay())
        return BirthProblem::DateOutsideRange;
    if (!birth.zone.isValid())
        return BirthProblem::InvalidZone;
    if (daySkipped(birth.zone, birth.date))
        return BirthProblem::SkippedDay;
    if (birth.longitude && !(std::isfinite(*birth.longitude) && std::abs(*birth.longitude) <= 180.0))
        return BirthProblem::LongitudeOutOfRange;
    return BirthProblem::None;
}

} // namespace

int standardOffset(const QTimeZone &zone, qint64 utcSeconds)
{
    ZoneOffsets &offsets = ZoneOffsets::of(zone);
    const ZoneOffsets::Offsets now = offsets.at(utcSeconds);
    const int offset = now.total;
    const int summer = now.daylight;
    if (summer > 0)
        return offset - summer;
    if (summer < 0)
        return offset;
    // Half a year away lies the other season: there a negative summer time marks this clock as
    // the summer one.
    for (const qint64 halfYear : {qint64(182) * secondsPerDay, qint64(-182) * secondsPerDay}) {
        const int other = offsets.at(utcSeconds + halfYear).daylight;
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
    const qint64 day = floorDivide(utcSeconds, secondsPerDay);
    const double hours = double(utcSeconds - day * secondsPerDay) / 3600.0;
    const int dayOfYear = QDate::fromJulianDay(unixEpochJulianDay + day).dayOfYear();
    const double g = 2.0 * std::numbers::pi / 365.0 * (dayOfYear - 1 + (hours - 12.0) / 24.0);
    const double minutes = 229.18 * (0.000075 + 0.001868 * std::cos(g) - 0.032077 * std::sin(g)
                                     - 0.014615 * std::cos(2 * g) - 0.040849 * std::sin(2 * g));
    return minutes * 60.0;
}

std::optional<FourPillars> fourPillars(const BirthMoment &birth, YearStart animalStart, BirthProblem &problem,
                                       Tradition tradition)
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
    pillars.tradition = tradition;
    pillars.day = dayPillarOf(birth.date);

    if (!birth.time) {
        // The month (and year) pillar of the whole day, unless a term changed it during the day.
        // The local day lies within two days of the date's midnight in UTC whatever the zone, and
        // most such spans hold no term at all: only otherwise is the zone asked for the day's bounds.
        const qint64 midnight = clockSeconds(birth.date, QTime(0, 0));
        const std::optional<TermMoment> before = monthTermAtOrBefore(midnight - 2 * secondsPerDay);
        const std::optional<TermMoment> after = monthTermAtOrBefore(midnight + 2 * secondsPerDay);
        const bool termNear = !before || !after || before->utcSeconds != after->utcSeconds;
        const bool dayMayPart =
            birth.longitude || birth.dayStart != DayStart::Midnight || ZoneOffsets::of(birth.zone).hasDaylightTime();
        qint64 dayBegins = midnight;
        bool monthChanges = false;
        bool yearChanges = false;
        if (termNear || dayMayPart) {
            dayBegins = ZoneOffsets::of(birth.zone).startOfDay(birth.date);
            const qint64 dayEnds = ZoneOffsets::of(birth.zone).startOfDay(birth.date.addDays(1));
            for (const TermMoment &term : termNear ? termsBetween(dayBegins + 1, dayEnds) : QList<TermMoment>()) {
                monthChanges = monthChanges || term.beginsMonth();
                yearChanges = yearChanges || term.term == SolarTerm::StartOfSpring;
            }
            pillars.dayParts = dayPartsOf(birth, dayBegins, dayEnds);
            const auto longest = std::max_element(pillars.dayParts.cbegin(), pillars.dayParts.cend(),
                                                  [](const DayPillarPart &a, const DayPillarPart &b) { return a.seconds < b.seconds; });
            if (longest != pillars.dayParts.cend())
                pillars.day = longest->pillar;
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
    pillars.utcOffset = ZoneOffsets::of(birth.zone).total(moment);
    pillars.year = yearPillarAt(moment);
    pillars.month = monthPillarAt(moment);

    const qint64 reading = pillarClockAt(birth, moment);
    setPillarClock(pillars, reading);
    pillars.trueSolarTime = birth.longitude.has_value();
    pillars.day = dayPillarOf(QDate::fromJulianDay(pillarDayAt(birth, reading)));
    pillars.hour = hourPillarOf(pillars.pillarDate, pillars.pillarTime);
    pillars.notices = pillarNotices(birth, pillars, animalStart);
    return pillars;
}

bool FourPillars::dayPartsAllLong() const
{
    constexpr qint64 fourHours = 4 * 3600;
    return !dayParts.isEmpty()
           && std::all_of(dayParts.cbegin(), dayParts.cend(), [](const DayPillarPart &part) { return part.seconds >= fourHours; });
}

QString dayPartTimes(const DayPillarPart &part)
{
    const QString format = QStringLiteral("HH:mm");
    if (part.from == QTime(0, 0) && part.until.isValid())
        return QStringLiteral("before %1").arg(part.until.toString(format));
    if (!part.until.isValid())
        return QStringLiteral("from %1").arg(part.from.toString(format));
    return QStringLiteral("from %1 to before %2").arg(part.from.toString(format), part.until.toString(format));
}

QString pillarClockText(const FourPillars &pillars)
{
    if (!pillars.utcSeconds)
        return {};
    return QStringLiteral("%1: %2").arg(pillars.trueSolarTime ? QStringLiteral("True solar time") : QStringLiteral("Standard time"),
                                        QDateTime(pillars.pillarDate, pillars.pillarTime).toString(QStringLiteral("yyyy-MM-dd HH:mm")));
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
        return QStringLiteral("The longitude must be a number of degrees from -180 (west) to 180 (east), such as 75.99, "
                              "75,99 E or 74 W.");
    case BirthProblem::ClockGap:
        return QStringLiteral("%1 did not happen on %2 in %3: the clocks went forward then. Please check the time of birth.")
            .arg(birth.time ? birth.time->toString(QStringLiteral("HH:mm")) : QString(),
                 birth.date.toString(Qt::ISODate), QString::fromUtf8(birth.zone.id()));
    case BirthProblem::SkippedDay:
        return QStringLiteral("%1 did not happen in %2: the clocks there skipped that whole day. Please check the date of birth.")
            .arg(birth.date.toString(Qt::ISODate), QString::fromUtf8(birth.zone.id()));
    }
    return {};
}

} // namespace chinese
