#pragma once

#include "chinese/calendar/chinese_date.h"
#include "chinese/calendar/tradition.h"

#include <QDate>
#include <QJsonObject>
#include <QList>

#include <optional>

// The Gregorian dates of a Chinese birthday: the same Chinese month and day in later years.
namespace chinese {

struct LunarBirthday
{
    int lunarYear = 0;
    ChineseDate keptOn;   // the Chinese date it falls on that year (see lunarBirthday())
    QDate date;
};

// The birthday in that Chinese year. Born in a leap month: that leap month where the year has
// one of the same number, otherwise the ordinary month. A day the month lacks (the 30th of a
// 29-day month): the month's last day. Nothing for a year outside the tables (1899..2100) or a
// birth date that is not a day of the Chinese calendar.
std::optional<LunarBirthday> lunarBirthday(const ChineseDate &birth, int lunarYear);

// The birthdays of the Chinese years fromYear .. fromYear + count - 1; nothing unless count is
// at least 1 and every one of those years lies in the tables.
std::optional<QList<LunarBirthday>> lunarBirthdays(const ChineseDate &birth, int fromYear, int count);

// The same by a tradition's lunar calendar; nothing for Japan.
std::optional<LunarBirthday> lunarBirthday(const ChineseDate &birth, int lunarYear, Tradition tradition);
std::optional<QList<LunarBirthday>> lunarBirthdays(const ChineseDate &birth, int fromYear, int count,
                                                   Tradition tradition);

// {"name", "date", "lunarDate": {"year", "month", "leap", "day"}, "birthdays": [{"lunarYear",
// "date", "month", "leap", "day"}, ...]}; dates as YYYY-MM-DD. A birthday the Hong Kong
// Observatory's table puts on another day adds that day as "observatoryDate"; one in a month
// whose first day depends on the reckoning of its new moon (table_differences.h) adds the other
// reckoning's day as "otherReckoningDate".
QJsonObject lunarBirthdaysJson(const QString &name, const QDate &birthDate, const ChineseDate &birth,
                               const QList<LunarBirthday> &birthdays, Tradition tradition = Tradition::China);

// The same as lines: "Name: ..." (when there is one), the lunar date of birth ("Chinese date of
// birth: ...", "Lunar date of birth in Vietnam: ..."), then "2025: 2025-06-13 (18th day of the 4th
// month)" per year (with the other reckoning's day where it differs); each line ends in '\n'.
QString lunarBirthdaysText(const QString &name, const ChineseDate &birth, const QList<LunarBirthday> &birthdays,
                           Tradition tradition = Tradition::China);

// {"year", "month", "leap", "day"}
QJsonObject chineseDateJson(const ChineseDate &date);

} // namespace chinese
