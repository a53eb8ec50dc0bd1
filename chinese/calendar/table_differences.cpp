#include "chinese/calendar/table_differences.h"

#include "chinese/calendar/lunar_birthdays.h"
#include "chinese/calendar/lunar_calendar.h"
#include "common/date_text.h"

#include <algorithm>
#include <iterator>

namespace chinese {

namespace {

// The Observatory's months where they differ from chineseMonth(): year, month, first day, length.
struct TheirMonth
{
    int year;
    int month;
    QDate firstDay;
    int length;
};

const TheirMonth theirMonths[] = {
    {2057, 8, QDate(2057, 8, 30), 29},
    {2057, 9, QDate(2057, 9, 28), 30},
};

} // namespace

std::optional<ChineseDate> observatoryDate(const QDate &day)
{
    for (const TheirMonth &month : theirMonths) {
        const qint64 offset = month.firstDay.daysTo(day);
        if (offset < 0 || offset >= month.length)
            continue;
        const ChineseDate theirs{month.year, month.month, false, int(offset) + 1};
        if (chineseDate(day) != theirs)
            return theirs;
    }
    return std::nullopt;
}

std::optional<QDate> observatoryBirthday(const ChineseDate &birth, int lunarYear)
{
    const std::optional<LunarBirthday> ours = lunarBirthday(birth, lunarYear);
    if (!ours)
        return std::nullopt;
    // Neither of these years has a leap month, so a birthday falls in the month of its number.
    const auto month = std::find_if(std::cbegin(theirMonths), std::cend(theirMonths), [&](const TheirMonth &m) {
        return m.year == lunarYear && m.month == ours->keptOn.month && !ours->keptOn.leap;
    });
    if (month == std::cend(theirMonths))
        return std::nullopt;
    const QDate theirs = month->firstDay.addDays(std::min(birth.day, month->length) - 1);
    return theirs == ours->date ? std::nullopt : std::optional<QDate>(theirs);
}

QString observatoryNote(const QDate &day)
{
    const std::optional<ChineseDate> theirs = observatoryDate(day);
    if (!theirs)
        return {};
    return QStringLiteral("The Hong Kong Observatory's table makes this day the %1 of %2: the new moon that begins the 9th "
                          "month falls seconds before midnight, China time, and that table begins the month on %3, "
                          "a day before this calendar does.")
        .arg(theirs->text(), QString::number(theirs->year), dateText::longDate(theirMonths[1].firstDay));
}

} // namespace chinese
