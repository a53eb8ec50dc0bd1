#include "chinese/calendar/table_differences.h"

#include "chinese/calendar/lunar_birthdays.h"
#include "chinese/calendar/lunar_calendar.h"
#include "common/date_text.h"

#include <algorithm>

namespace chinese {

namespace {

struct UncertainMonth
{
    Tradition tradition;
    QDate firstDay;         // as these tables begin the month
    QDate otherFirstDay;    // as the other reckoning does, a day before or after
    const char *newMoon;    // its moment, local time, by the ephemerides compared
    bool observatory;       // the other reckoning is the Hong Kong Observatory's table
};

const UncertainMonth uncertainMonths[] = {
    {Tradition::China, QDate(2057, 9, 29), QDate(2057, 9, 28), "23:59:50", true},
    {Tradition::China, QDate(2097, 8, 7), QDate(2097, 8, 8), "23:59:17\u201323:59:40", false},
    {Tradition::Vietnam, QDate(2054, 5, 8), QDate(2054, 5, 7), "00:00:14\u201300:00:30", false},
    {Tradition::Vietnam, QDate(2077, 11, 15), QDate(2077, 11, 16), "23:59:33\u201323:59:51", false},
    {Tradition::Vietnam, QDate(2085, 10, 18), QDate(2085, 10, 19), "23:59:15\u201323:59:33", false},
    {Tradition::Korea, QDate(2074, 8, 22), QDate(2074, 8, 23), "23:58:49\u201323:59:09", false},
    {Tradition::Korea, QDate(2097, 1, 13), QDate(2097, 1, 14), "23:59:28\u201323:59:49", false},
};

// The month as these tables have it and the one before it, whose end moves with its beginning.
struct MonthPair
{
    ChineseMonth before;
    ChineseMonth month;
};

std::optional<MonthPair> monthsOf(const UncertainMonth &uncertain)
{
    const std::optional<ChineseDate> first = chineseDate(uncertain.firstDay, uncertain.tradition);
    const std::optional<ChineseDate> last = chineseDate(uncertain.firstDay.addDays(-1), uncertain.tradition);
    if (!first || !last)
        return std::nullopt;
    const std::optional<ChineseMonth> month = chineseMonth(first->year, first->month, first->leap, uncertain.tradition);
    const std::optional<ChineseMonth> before = chineseMonth(last->year, last->month, last->leap, uncertain.tradition);
    if (!month || !before)
        return std::nullopt;
    return MonthPair{*before, *month};
}

// The other reckoning's date of a day, where it differs from these tables' in that month.
std::optional<ChineseDate> otherDate(const UncertainMonth &uncertain, const QDate &day)
{
    const std::optional<MonthPair> months = monthsOf(uncertain);
    if (!months || day < std::min(uncertain.firstDay, uncertain.otherFirstDay) || day > months->month.lastDay())
        return std::nullopt;
    const ChineseMonth &m = day >= uncertain.otherFirstDay ? months->month : months->before;
    const QDate first = day >= uncertain.otherFirstDay ? uncertain.otherFirstDay : m.firstDay;
    const ChineseDate theirs{m.year, m.month, m.leap, int(first.daysTo(day)) + 1};
    return chineseDate(day, uncertain.tradition) == theirs ? std::nullopt : std::optional<ChineseDate>(theirs);
}

std::optional<QDate> otherBirthday(const UncertainMonth &uncertain, const ChineseDate &birth, int lunarYear)
{
    const std::optional<LunarBirthday> ours = lunarBirthday(birth, lunarYear, uncertain.tradition);
    const std::optional<MonthPair> months = monthsOf(uncertain);
    if (!ours || !months)
        return std::nullopt;
    const auto isKeptIn = [&](const ChineseMonth &m) {
        return ours->keptOn.year == m.year && ours->keptOn.month == m.month && ours->keptOn.leap == m.leap;
    };
    // The month keeps its end and the one before it its beginning; the moved day joins one or the other.
    const int moved = int(uncertain.otherFirstDay.daysTo(uncertain.firstDay));
    QDate theirs;
    if (isKeptIn(months->month))
        theirs = uncertain.otherFirstDay.addDays(std::min(birth.day, months->month.length + moved) - 1);
    else if (isKeptIn(months->before))
        theirs = months->before.firstDay.addDays(std::min(birth.day, months->before.length - moved) - 1);
    else
        return std::nullopt;
    return theirs == ours->date ? std::nullopt : std::optional<QDate>(theirs);
}

QString zoneTime(Tradition tradition)
{
    return traditionName(tradition) + QStringLiteral(" time");
}

} // namespace

std::optional<ChineseDate> otherReckoningDate(const QDate &day, Tradition tradition)
{
    for (const UncertainMonth &uncertain : uncertainMonths) {
        if (uncertain.tradition != tradition)
            continue;
        if (const std::optional<ChineseDate> theirs = otherDate(uncertain, day))
            return theirs;
    }
    return std::nullopt;
}

std::optional<QDate> otherReckoningBirthday(const ChineseDate &birth, int lunarYear, Tradition tradition)
{
    for (const UncertainMonth &uncertain : uncertainMonths) {
        if (uncertain.tradition != tradition)
            continue;
        if (const std::optional<QDate> theirs = otherBirthday(uncertain, birth, lunarYear))
            return theirs;
    }
    return std::nullopt;
}

QString otherReckoningBirthdayText(const ChineseDate &birth, int lunarYear, Tradition tradition,
                                   const std::function<QString(const QDate &)> &dateText)
{
    for (const UncertainMonth &uncertain : uncertainMonths) {
        if (uncertain.tradition != tradition)
            continue;
        const std::optional<QDate> theirs = otherBirthday(uncertain, birth, lunarYear);
        if (!theirs)
            continue;
        if (uncertain.observatory)
            return QStringLiteral("; %1 by the Hong Kong Observatory's table").arg(dateText(*theirs));
        return QStringLiteral("; %1 if the new moon came %2 midnight")
            .arg(dateText(*theirs), uncertain.otherFirstDay < uncertain.firstDay ? QStringLiteral("before")
                                                                                 : QStringLiteral("after"));
    }
    return {};
}

QString otherReckoningNote(const QDate &day, Tradition tradition)
{
    for (const UncertainMonth &uncertain : uncertainMonths) {
        if (uncertain.tradition != tradition)
            continue;
        const std::optional<ChineseDate> theirs = otherDate(uncertain, day);
        if (!theirs)
            continue;
        if (uncertain.observatory) {
            return QStringLiteral("The Hong Kong Observatory's table makes this day the %1 of %2: the new moon that begins "
                                  "the 9th month falls seconds before midnight, China time, and that table begins the "
                                  "month on %3, a day before this calendar does.")
                .arg(theirs->text(), QString::number(theirs->year), dateText::longDate(uncertain.otherFirstDay));
        }
        const bool earlier = uncertain.otherFirstDay < uncertain.firstDay;
        const std::optional<ChineseDate> first = chineseDate(uncertain.firstDay, tradition);
        const QString month = QStringLiteral("%1%2 month of %3")
                                  .arg(first->leap ? QStringLiteral("leap ") : QString(), ordinal(first->month),
                                       QString::number(first->year));
        return QStringLiteral("The new moon that begins the %1 falls within a minute of midnight, %2 (at %3 by "
                              "the ephemerides compared): reckoned with one that puts it %4 midnight, the month begins "
                              "on %5, a day %6, and this day is the %7.")
            .arg(month, zoneTime(tradition), QString::fromUtf8(uncertain.newMoon),
                 earlier ? QStringLiteral("before") : QStringLiteral("after"), dateText::longDate(uncertain.otherFirstDay),
                 earlier ? QStringLiteral("earlier") : QStringLiteral("later"), theirs->text());
    }
    return {};
}

std::optional<ChineseDate> observatoryDate(const QDate &day)
{
    return otherDate(uncertainMonths[0], day);
}

std::optional<QDate> observatoryBirthday(const ChineseDate &birth, int lunarYear)
{
    return otherBirthday(uncertainMonths[0], birth, lunarYear);
}

} // namespace chinese
