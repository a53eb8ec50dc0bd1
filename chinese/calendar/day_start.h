#pragma once

#include <QString>

#include <optional>

// Where the day of the Four Pillars' day pillar begins, and the one the user prefers.
namespace chinese {

// Midnight: a birth from 23:00 keeps its day's pillar and takes the next day's Rat hour.
// At23: the next day, and its pillar, begins at 23:00.
enum class DayStart { Midnight, At23 };

// "midnight" and "23": the words the command line takes and what the settings keep.
QString dayStartKey(DayStart start);
std::optional<DayStart> dayStartFromKey(const QString &key);

// The day start chosen last on the Chinese input form; midnight until one is chosen.
DayStart preferredDayStart();
void setPreferredDayStart(DayStart start);

} // namespace chinese
