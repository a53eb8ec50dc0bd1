#pragma once

#include "chinese/calendar/chinese_calendar.h"

#include <QString>

#include <optional>

// The two beginnings of a Chinese animal year, by name, and the one the user prefers.
namespace chinese {

// "new-year" and "spring": the words the command line takes and prints, and what the settings keep.
QString yearStartKey(YearStart start);
std::optional<YearStart> yearStartFromKey(const QString &key);

// The year start chosen last on the Chinese input form; Chinese New Year until one is chosen.
YearStart preferredYearStart();
void setPreferredYearStart(YearStart start);

} // namespace chinese
