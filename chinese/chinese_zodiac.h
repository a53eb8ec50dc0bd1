#pragma once

#include "chinese/ChinesePerson.h"
#include "chinese/ChineseReading.h"
#include "chinese/chinese_calendar.h"
#include "common/input_problem.h"

#include <QDate>
#include <QString>
#include <QStringList>

// The checks and the reading of the Chinese input form, without widgets.
namespace chinese {

// The birth years the input form offers.
constexpr int FirstYear = 1900;
constexpr int LastYear = 2100;

// The reading of person by the given year start, or the first check that fails, in the order
// the input form reports them: the name (a name of blanks is missing), the sex, the date
// (BadFebruary, BadThirtyFirst), the year (YearOutOfRange outside FirstYear..LastYear).
Checked<Reading> makeReading(const Person &person, YearStart start = YearStart::LunarNewYear);

// Puts the animal's record and the element's paragraph into reading. An unknown animal leaves
// the record as it was, an unknown element the paragraph.
void ChineseZodiacDescription(Reading &reading, const QString &element, const QString &animal);

// "Year of the Wood Rat"
QString yearTitle(const Reading &reading);
// "2 February 1984": English month name and all four digits of the year, whatever the locale,
// so that a day and month can never be mistaken for each other.
QString longDate(const QDate &date);
// "2 February 1984 – 19 February 1985"
QString yearSpan(const Reading &reading);
// "(year begins at the Chinese New Year)", "(year begins at the Start of Spring)"
QString yearStartNote(YearStart start);

// The lines of a saved ".str" reading: name, sex, day, month and year, as every version of the
// program reads them; a reading found by the Start of Spring adds a sixth line naming it, which
// readers of five lines never look at.
QStringList savedFields(const Reading &reading);
// The person of a saved reading's lines. The lines hold what the input form's lists offer
// ("Male" or "Female", a day "1".."31", an English month name, a year); anything else is damage,
// and fields that fail a check of makeReading() give that check's problem.
Checked<Person> personFromSavedFields(const QStringList &fields);
// The year start of a saved reading from its sixth line: a file without one (or with a line this
// version does not know) was made with the Chinese New Year.
YearStart savedYearStart(const QStringList &fields);

} // namespace chinese
