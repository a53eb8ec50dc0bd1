#pragma once

#include "chinese/calendar/birth_moment.h"
#include "chinese/calendar/chinese_calendar.h"
#include "chinese/calendar/chinese_date.h"
#include "chinese/calendar/stem_branch.h"

#include <QDate>
#include <QList>
#include <QStringList>
#include <QTime>

#include <optional>

// The Chinese date and the Four Pillars of a birth, from the generated month and solar-term
// tables (nothing astronomical is computed besides the equation of time for true solar time).
namespace chinese {

// A stretch of a day, on the birthplace's clock, that has one day pillar.
struct DayPillarPart
{
    QTime from;         // its first minute
    QTime until;        // the first minute of the next part; invalid where it runs to the day's end
    StemBranch pillar;

    qint64 seconds = 0;     // how long it lasts
    // Seconds the pillars' clock ran ahead of the birthplace's clock (negative: behind) where
    // this part meets the longest one.
    int clockDifference = 0;
};

// What fourPillars() finds for a birth.
struct FourPillars
{
    ChineseDate lunarDate;              // of the birth date as the clock showed it, in China
    Tradition tradition = Tradition::China;   // whose words the notices and animals use

    // The year pillar changes at the moment of the Start of Spring, the month pillar at the
    // moments of the twelve terms that begin a month; without a time of birth each is missing
    // when such a term fell on the day of birth.
    std::optional<StemBranch> year;
    std::optional<StemBranch> month;
    StemBranch day;
    std::optional<StemBranch> hour;     // only with a time of birth

    // Without a time of birth, where the hours of the day on the clock do not all have one day
    // pillar (summer time, a day that begins at 23:00, true solar time away from the clock): each
    // part of the day in order, and `day` is the pillar of the longest. Empty otherwise.
    QList<DayPillarPart> dayParts;

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

    // The "inner animal" (of the month pillar) and "secret animal" (of the hour pillar), as the
    // tradition names them; empty where that pillar is missing.
    QString innerAnimal() const { return month ? traditionAnimal(tradition, month->animal()) : QString(); }
    QString secretAnimal() const { return hour ? traditionAnimal(tradition, hour->animal()) : QString(); }

    // The day holds more than one day pillar, each for four hours or more: each is then given as
    // the day pillar beside the others, not as a note to the longest.
    bool dayPartsAllLong() const;
};

// "before 01:00", "from 23:00", "from 01:00 to before 23:00": the clock times of a part.
QString dayPartTimes(const DayPillarPart &part);

// The clock the day and hour pillars were reckoned from, as the command line, the result window
// and the report all show it: "True solar time: 1990-05-12 10:37" or "Standard time: 1990-05-12
// 13:30"; empty without a time of birth.
QString pillarClockText(const FourPillars &pillars);

enum class BirthProblem {
    None,
    DateOutsideRange,     // the date is invalid or outside 1900-01-01 .. 2100-12-31
    InvalidZone,          // the time zone is not a valid one
    LongitudeOutOfRange,  // not a number from -180 to 180
    ClockGap,             // the clocks jumped over that time at the birthplace (went forward)
    SkippedDay,           // the clocks jumped over the whole date at the birthplace (a zone that
                          // moved across the date line), with or without a time
};

// animalStart is the user's choice of where the animal year begins, tradition the calendar it is
// counted by; they only decide which notices are given and in whose words (the pillars are the
// same everywhere, and the year pillar always begins at the Start of Spring). Nothing, with
// problem set, where the birth cannot be read; problem is None otherwise.
std::optional<FourPillars> fourPillars(const BirthMoment &birth, YearStart animalStart, BirthProblem &problem,
                                       Tradition tradition = Tradition::China);

// One sentence saying what is wrong with the birth, for a message or the terminal.
QString birthProblemText(BirthProblem problem, const BirthMoment &birth);

// The birthplace's standard time offset at a moment: the clock's offset less any summer time.
// Where the time zone database counts the winter clock as a negative summer time (Dublin since
// 1971), the winter clock is the standard one all year, as everywhere else.
int standardOffset(const QTimeZone &zone, qint64 utcSeconds);

// The equation of time, apparent minus mean solar time, in seconds at that moment.
double equationOfTime(qint64 utcSeconds);

} // namespace chinese
