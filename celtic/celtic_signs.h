#pragma once

#include <QString>

#include <optional>

// The Celtic calendar: fourteen animal signs by day and month, whatever the year.
namespace celtic {

struct CalendarRow
{
    int month;      // month list position, 0 = January
    int firstDay;   // day list positions (0 = day 1), both inclusive
    int lastDay;
    QString sign;
    int picture;    // 1-based number in the sign pictures (stag.jpg .. wren.jpg)
};

// The row holding the date given by list positions, or nothing (30 February, 31 April ...).
std::optional<CalendarRow> findSign(int monthPos, int dayPos);

// The fourteen signs in calendar and picture order: Stag .. Raven, Wren.
const QStringList &signNames();

// Resource path of picture number 1..14.
QString picturePath(int picture);

} // namespace celtic
