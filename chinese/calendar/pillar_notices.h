#pragma once

#include "chinese/calendar/birth_moment.h"
#include "chinese/calendar/four_pillars.h"
#include "chinese/calendar/chinese_calendar.h"

#include <QStringList>

namespace chinese {

// The plain sentences fourPillars() puts on a result, in this order: what a missing time of birth
// leaves open, and the hours of such a day with another day pillar; a time the clocks showed
// twice; a change of the clocks, a solar term that changes a pillar, or 23:00 or midnight within
// reach of the birth; a day pillar of another day than the clock's date, which the Chinese date
// follows; where the year's animal and the year pillar part (the Chinese New Year against the
// Start of Spring), or where counting the Start of Spring's day whole gives another animal than
// its moment when animalStart counts from it; and where the Hong Kong Observatory's table dates
// the day otherwise.
QStringList pillarNotices(const BirthMoment &birth, const FourPillars &pillars, YearStart animalStart);

} // namespace chinese
