#pragma once

#include "chinese/chinese_calendar.h"

#include <QDate>
#include <QString>
#include <QStringList>

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
// the birth date, its Chinese year by the given start with that year's span, and the year's
// records. False, leaving reading as it was, when the date lies outside the Chinese year table.
bool fillReading(ChineseReading &reading, const QString &name, bool male, const QString &dayText,
                 const QString &monthText, const QString &yearText,
                 YearStart start = YearStart::LunarNewYear);

// "Year of the Wood Rat"
QString yearTitle(const ChineseReading &reading);
// "2 February 1984": English month name and all four digits of the year, whatever the locale,
// so that a day and month can never be mistaken for each other.
QString longDate(const QDate &date);
// "2 February 1984 – 19 February 1985"
QString yearSpan(const ChineseReading &reading);
// "(year begins at the Chinese New Year)", "(year begins at the Start of Spring)"
QString yearStartNote(YearStart start);

// The lines of a saved ".str" reading: name, sex, day, month and year, as every version of the
// program reads them; a reading found by the Start of Spring adds a sixth line naming it, which
// readers of five lines never look at.
QStringList savedFields(const ChineseReading &reading);
// The year start of a saved reading from its sixth line: a file without one (or with a line this
// version does not know) was made with the Chinese New Year.
YearStart savedYearStart(const QStringList &fields);

} // namespace chinese
