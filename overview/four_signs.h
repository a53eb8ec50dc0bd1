#pragma once

#include "overview/FourSigns.h"

#include <optional>

namespace overview {

// The four signs of birthDate, the Chinese year beginning as start says. Nothing for an invalid
// date or one outside 1900-01-01 .. 2100-12-31 (the days the Chinese tables cover).
std::optional<FourSigns> fourSigns(const QDate &birthDate,
                                   chinese::YearStart start = chinese::YearStart::LunarNewYear);

// The first sentence of a paragraph (up to and including the first '.', '!' or '?' that is
// followed by a blank or ends the text); the whole trimmed text when there is no such mark.
QString firstSentence(const QString &paragraph);

} // namespace overview
