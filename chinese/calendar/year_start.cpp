#include "chinese/calendar/year_start.h"

#include "chinese/calendar/solar_terms.h"
#include "common/date_text.h"
#include "common/program_settings.h"

#include <algorithm>

namespace chinese {

namespace {
const QString settingsKey = QStringLiteral("chinese/yearStart");
} // namespace

QString yearStartKey(YearStart start)
{
    return start == YearStart::StartOfSpring ? QStringLiteral("spring") : QStringLiteral("new-year");
}

std::optional<YearStart> yearStartFromKey(const QString &key)
{
    for (const YearStart start : {YearStart::LunarNewYear, YearStart::StartOfSpring}) {
        if (key == yearStartKey(start))
            return start;
    }
    return std::nullopt;
}

std::optional<std::pair<NewYearRow, YearMoments>> springYearAt(qint64 utcSeconds, const QTimeZone &zone)
{
    const int year = QDateTime::fromSecsSinceEpoch(utcSeconds, QTimeZone::utc()).date().year();
    const std::optional<TermMoment> spring = solarTerm(year, SolarTerm::StartOfSpring);
    if (!spring)
        return std::nullopt;
    const int first = utcSeconds >= spring->utcSeconds ? year : year - 1;
    const std::optional<TermMoment> begins = solarTerm(first, SolarTerm::StartOfSpring);
    const std::optional<TermMoment> ends = solarTerm(first + 1, SolarTerm::StartOfSpring);
    if (!begins || !ends)
        return std::nullopt;
    // The table's rows begin on the term's day in China Standard Time.
    const QDate chinaDay = QDateTime::fromSecsSinceEpoch(begins->utcSeconds, QTimeZone(8 * 3600)).date();
    const QList<NewYearRow> &table = newYearTable(YearStart::StartOfSpring);
    const auto row = std::lower_bound(table.cbegin(), table.cend(), chinaDay,
                                      [](const NewYearRow &r, const QDate &day) { return r.firstDay < day; });
    if (row == table.cend() || row->firstDay != chinaDay)
        return std::nullopt;
    const YearMoments moments{QDateTime::fromSecsSinceEpoch(begins->utcSeconds, zone),
                              QDateTime::fromSecsSinceEpoch(ends->utcSeconds, zone)};
    return std::pair{NewYearRow{moments.begins.date(), moments.ends.date(), row->element, row->animal}, moments};
}

QString momentText(const QDateTime &moment)
{
    return dateText::longDate(moment.date()) + QLatin1Char(' ') + moment.time().toString(QStringLiteral("HH:mm"));
}

YearStart preferredYearStart()
{
    const QString key = programSettings::open()->value(settingsKey).toString();
    return yearStartFromKey(key).value_or(YearStart::LunarNewYear);
}

void setPreferredYearStart(YearStart start)
{
    programSettings::open()->setValue(settingsKey, yearStartKey(start));
}

} // namespace chinese
