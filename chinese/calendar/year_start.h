#pragma once

#include "chinese/calendar/chinese_calendar.h"

#include <QDateTime>
#include <QString>
#include <QTimeZone>

#include <optional>
#include <utility>

// The two beginnings of a Chinese animal year, by name, and the one the user prefers.
namespace chinese {

// "new-year" and "spring": the words the command line takes and prints, and what the settings keep.
QString yearStartKey(YearStart start);
std::optional<YearStart> yearStartFromKey(const QString &key);

// A year counted from the moment of one Start of Spring to the moment of the next, as the year
// pillar counts it, in the birthplace's time.
struct YearMoments
{
    QDateTime begins;
    QDateTime ends;   // the next year's first moment
};

// The year by the Start of Spring that holds the moment, counted from the term's exact moment:
// its element and animal those of that year's row in newYearTable(), its first and last day the
// days (in zone) on which it begins and ends, each only partly in it. findNewYear() counts the
// day of the term whole, as dated in China; with a time of birth this is the year that agrees
// with the year pillar. Nothing before the Start of Spring of 1899 or after that of 2101.
std::optional<std::pair<NewYearRow, YearMoments>> springYearAt(qint64 utcSeconds, const QTimeZone &zone);

// "4 February 2018 05:28", the moment in its own zone's time.
QString momentText(const QDateTime &moment);

// The year start chosen last on the Chinese input form; Chinese New Year until one is chosen.
YearStart preferredYearStart();
void setPreferredYearStart(YearStart start);

} // namespace chinese
