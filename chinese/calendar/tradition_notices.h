#pragma once

#include "chinese/calendar/chinese_calendar.h"

#include <QDate>
#include <QStringList>

// Where another tradition counts a birth otherwise than China does.
namespace chinese {

// One sentence each where tradition gives this birth another year than China ("In Vietnam Tết
// 1985 fell on 21 January, a month before the Chinese New Year: born on 25 January 1985 you are
// a Wood Buffalo there, a Wood Rat in China") or another lunar date; none for China, where both
// agree, or for a day outside the tables.
QStringList traditionNotices(Tradition tradition, const QDate &birthDate, YearStart start);

// "a Wood Buffalo", "an Earth Dragon": the year as the tradition names its animal.
QString yearWithArticle(Tradition tradition, const NewYearRow &year);

} // namespace chinese
