#pragma once

#include "chinese/calendar/chinese_date.h"
#include "chinese/calendar/tradition.h"

#include <QDate>
#include <QString>

#include <functional>
#include <optional>

// The months whose first day depends on how the new moon is reckoned: it falls within a minute
// of midnight at the calendar's meridian, closer than the ephemerides compared for these tables
// agree (the difference between Terrestrial and Universal Time decades ahead is uncertain by
// more). A calendar reckoned otherwise begins such a month a day earlier or later; the last
// day of the month before it moves with it. In China that is the 9th month of 2057, which the
// Hong Kong Observatory's published table begins on 28 September 2057 and these tables on the
// 29th, and the 7th month of 2097; in Vietnam three months, in Korea two.
namespace chinese {

// The date the other reckoning gives the day in that tradition's calendar, where it differs
// from chineseDate(day, tradition).
std::optional<ChineseDate> otherReckoningDate(const QDate &day, Tradition tradition);

// The other reckoning's day for the birthday of someone born on `birth` in that lunar year (by
// lunarBirthday()'s rules), where it differs from lunarBirthday()'s.
std::optional<QDate> otherReckoningBirthday(const ChineseDate &birth, int lunarYear, Tradition tradition);

// "; 2057-09-28 by the Hong Kong Observatory's table", "; 2054-05-07 if the new moon came
// before midnight": what a lunar birthday line adds where otherReckoningBirthday() has a day,
// the day written by dateText; empty otherwise.
QString otherReckoningBirthdayText(const ChineseDate &birth, int lunarYear, Tradition tradition,
                                   const std::function<QString(const QDate &)> &dateText);

// One sentence for a birth on that day, saying how the other reckoning dates it; empty where
// every reckoning agrees.
QString otherReckoningNote(const QDate &day, Tradition tradition);

// China's: the Hong Kong Observatory's table, where it differs from these (2057 only).
std::optional<ChineseDate> observatoryDate(const QDate &day);
std::optional<QDate> observatoryBirthday(const ChineseDate &birth, int lunarYear);

} // namespace chinese
