#pragma once

#include "chinese/BirthMoment.h"
#include "chinese/FourPillars.h"
#include "chinese/chinese_calendar.h"

#include <optional>

// The Chinese date and the Four Pillars of a birth, from the generated month and solar-term
// tables (nothing astronomical is computed besides the equation of time for true solar time).
namespace chinese {

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
