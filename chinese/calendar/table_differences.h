#pragma once

#include "chinese/calendar/chinese_date.h"

#include <QDate>
#include <QString>

#include <optional>

// Where the Hong Kong Observatory's published table of the Chinese calendar dates days otherwise
// than the tables here. Within 1900..2100 that is one month: the 9th month of 2057 begins at a
// new moon seconds before midnight, China time, which the two computations put on either side
// of it; these tables begin that month on 29 September 2057, the Observatory's on 28 September.
namespace chinese {

// The Observatory's Chinese date of the day, where it differs from chineseDate(day).
std::optional<ChineseDate> observatoryDate(const QDate &day);

// The Observatory's day for the birthday of someone born on `birth` in that Chinese year (by
// lunarBirthday()'s rules), where it differs from lunarBirthday()'s.
std::optional<QDate> observatoryBirthday(const ChineseDate &birth, int lunarYear);

// One sentence for a birth on that day, saying how the Observatory's table dates it; empty where
// the tables agree.
QString observatoryNote(const QDate &day);

} // namespace chinese
