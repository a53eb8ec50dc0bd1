#pragma once

#include <QString>

struct ChineseReading;

// The checks and the reading of the Chinese input form, without widgets.
namespace chinese {

enum class InputProblem { None, NameMissing, SexMissing, BadFebruary, BadThirtyFirst };

// The checks in their order; the first failing one is reported. A name of blanks counts as
// missing. day 1..31, month 1..12.
InputProblem checkInput(const QString &name, bool male, bool female, int day, int month, int year);

// Copies the animal's record (with the animal and element themselves) and the element's
// paragraph into reading. An unknown animal leaves the record fields as they were, an unknown
// element the element paragraph.
void ChineseZodiacDescription(ChineseReading &reading, const QString &element, const QString &animal);

// Fills every field of reading from the entries of a checked input form: the trimmed texts,
// the birth date, its Chinese year and that year's records. False, leaving reading as it was,
// when the date lies outside the Chinese year table.
bool fillReading(ChineseReading &reading, const QString &name, bool male, const QString &dayText,
                 const QString &monthText, const QString &yearText);

} // namespace chinese
