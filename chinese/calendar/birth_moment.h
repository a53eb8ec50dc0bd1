#pragma once

#include "chinese/calendar/day_start.h"
#include "common/zone_name.h"

#include <QDate>
#include <QTime>
#include <QTimeZone>

#include <optional>

namespace chinese {

// When and where someone was born, as the input form and the command line take it.
struct BirthMoment
{
    QDate date;                        // as the clock at the birthplace showed it
    std::optional<QTime> time;         // hours and minutes on that clock; seconds are ignored
    // The birthplace's, with its history; by default this computer's (UTC where that has no name).
    QTimeZone zone = zoneName::zoneWithoutTime();
    std::optional<double> longitude;   // degrees, east positive: the day and hour pillars then
                                       // follow true solar time instead of standard time
    DayStart dayStart = DayStart::Midnight;
};

} // namespace chinese
