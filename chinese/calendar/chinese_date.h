#pragma once

#include "chinese/calendar/tradition.h"

#include <QString>

namespace chinese {

// A day of the Chinese calendar. The year is named by the Gregorian year in which that Chinese
// year began (the Chinese year 1990 runs from 27 January 1990 to 14 February 1991).
struct ChineseDate
{
    int year = 0;
    int month = 0;       // 1..12
    bool leap = false;   // the leap month that follows the ordinary month of the same number
    int day = 0;         // 1..30

    // "18th day of the 4th month", "3rd day of the leap 2nd month"
    QString text() const;
    // "Year of the Horse": the animal of the Chinese year
    QString yearTitle() const;
    // "18th day of the 4th month, Year of the Horse"
    QString textWithYear() const;
    // The same with the animal as the tradition names it: "Year of the Cat".
    QString yearTitle(Tradition tradition) const;
    QString textWithYear(Tradition tradition) const;

    friend bool operator==(const ChineseDate &, const ChineseDate &) = default;
};

// "1st", "2nd", "3rd", "4th", "11th", "21st" ...
QString ordinal(int number);

} // namespace chinese
