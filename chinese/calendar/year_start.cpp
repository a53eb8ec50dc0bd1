#include "chinese/calendar/year_start.h"

#include "common/program_settings.h"

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
