#pragma once

#include "chinese/calendar/birth_moment.h"
#include "chinese/calendar/four_pillars.h"
#include "chinese/calendar/chinese_calendar.h"

#include <QStringList>

namespace chinese {

// The plain sentences fourPillars() puts on a result, in this order: what a missing time of birth
// leaves open; a time the clocks showed twice; a change of the clocks, a solar term that changes
// a pillar, or 23:00 or midnight within reach of the birth; and where the year's animal and the
// year pillar part (the Chinese New Year against the Start of Spring, or the day of the Start of
// Spring against its moment when animalStart counts from it).
QStringList pillarNotices(const BirthMoment &birth, const FourPillars &pillars, YearStart animalStart);

} // namespace chinese
