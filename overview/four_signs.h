#pragma once

#include "chinese/BirthMoment.h"
#include "chinese/four_pillars.h"
#include "overview/FourSigns.h"

#include <optional>

namespace overview {

// The four signs of birthDate, the Chinese year beginning as start says. Nothing for an invalid
// date or one outside 1900-01-01 .. 2100-12-31 (the days the Chinese tables cover).
std::optional<FourSigns> fourSigns(const QDate &birthDate,
                                   chinese::YearStart start = chinese::YearStart::LunarNewYear);

// The same, with the Chinese Four Pillars of the birth's time and place; nothing, with problem
// set, where chinese::fourPillars() refuses the birth.
std::optional<FourSigns> fourSigns(const chinese::BirthMoment &birth, chinese::YearStart start,
                                   chinese::BirthProblem &problem);

// The first sentence of a paragraph (up to and including the first '.', '!' or '?' that is
// followed by a blank or ends the text); the whole trimmed text when there is no such mark.
QString firstSentence(const QString &paragraph);

} // namespace overview
