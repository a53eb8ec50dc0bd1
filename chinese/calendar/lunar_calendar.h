#pragma once

#include "chinese/calendar/chinese_date.h"
#include "chinese/calendar/tradition.h"

#include <QDate>
#include <QList>

#include <optional>

// The Chinese calendar's months from the tables generated in tools/chinese-calendar: every day
// from 1 January 1899 to 31 December 2101 (so every day of 1900..2100) has its Chinese date.
namespace chinese {

struct ChineseMonth
{
    int year = 0;        // the Chinese year it belongs to
    int month = 0;       // 1..12
    bool leap = false;
    QDate firstDay;
    int length = 0;      // 29 or 30 days

    QDate lastDay() const { return firstDay.addDays(length - 1); }
};

// The Chinese date of a Gregorian day; nothing for an invalid day or one the tables do not hold.
std::optional<ChineseDate> chineseDate(const QDate &day);

// The month of that number of that Chinese year (the leap one when leap is set); nothing where
// the year has no such month or lies beyond the tables.
std::optional<ChineseMonth> chineseMonth(int year, int month, bool leap);

// The same by a tradition's lunar calendar (Vietnam's and Korea's are reckoned for their own
// meridians); nothing at all for Japan, which keeps no lunar calendar in these years.
std::optional<ChineseDate> chineseDate(const QDate &day, Tradition tradition);
std::optional<ChineseMonth> chineseMonth(int year, int month, bool leap, Tradition tradition);

// The Chinese years whose months the tables hold completely: 1899 .. 2100.
int firstWholeChineseYear();
int lastWholeChineseYear();

} // namespace chinese
