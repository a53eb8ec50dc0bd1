#pragma once

#include "chinese/calendar/birth_moment.h"
#include "chinese/calendar/chinese_calendar.h"
#include "chinese/calendar/chinese_date.h"
#include "chinese/calendar/stem_branch.h"

#include <QDate>
#include <QStringList>
#include <QTime>

#include <optional>

// The Chinese date and the Four Pillars of a birth, from the generated month and solar-term
// tables (nothing astronomical is computed besides the equation of time for true solar time).
namespace chinese {

// What fourPillars() finds for a birth.
struct FourPillars
{
    ChineseDate lunarDate;              // of the birth date as the clock showed it

    // The year pillar changes at the moment of the Start of Spring, the month pillar at the
    // moments of the twelve terms that begin a month; without a time of birth each is missing
    // when such a term fell on the day of birth.
    std::optional<StemBranch> year;
    std::optional<StemBranch> month;
    StemBranch day;
    std::optional<StemBranch> hour;     // only with a time of birth

    // With a time of birth only:
    std::optional<qint64> utcSeconds;   // the moment of birth, seconds since 1970-01-01 UTC
    int utcOffset = 0;                  // seconds the clock was ahead of UTC at that moment
    bool repeatedTime = false;          // the clock showed this time twice; the first is taken
    QDate pillarDate;                   // the clock the day and hour pillars follow: the
    QTime pillarTime;                   // birthplace's standard time, or true solar time
    bool trueSolarTime = false;

    // Plain sentences on what depends on the exact minute, on what is missing, and on where the
    // year's animal and the year pillar part; one sentence each, in a fixed order.
    QStringList notices;

    // The "inner animal" (of the month pillar) and "secret animal" (of the hour pillar); empty
    // where that pillar is missing.
    QString innerAnimal() const { return month ? month->animal() : QString(); }
    QString secretAnimal() const { return hour ? hour->animal() : QString(); }
};

enum class BirthProblem {
    None,
    DateOutsideRange,     // the date is invalid or outside 1900-01-01 .. 2100-12-31
    InvalidZone,          // the time zone is not a valid one
    LongitudeOutOfRange,  // not a number from -180 to 180
    ClockGap,             // the clocks jumped over that time at the birthplace (went forward)
};

// animalStart is the user's choice of where the animal year begins; it only decides which
// notices are given (the year pillar always begins at the Start of Spring). Nothing, with
// problem set, where the birth cannot be read; problem is None otherwise.
std::optional<FourPillars> fourPillars(const BirthMoment &birth, YearStart animalStart, BirthProblem &problem);

// One sentence saying what is wrong with the birth, for a message or the terminal.
QString birthProblemText(BirthProblem problem, const BirthMoment &birth);

// The birthplace's standard time offset at a moment: the clock's offset less any summer time.
// Where the time zone database counts the winter clock as a negative summer time (Dublin since
// 1971), the winter clock is the standard one all year, as everywhere else.
int standardOffset(const QTimeZone &zone, qint64 utcSeconds);

// The equation of time, apparent minus mean solar time, in seconds at that moment.
double equationOfTime(qint64 utcSeconds);

} // namespace chinese
