#include "chinese/calendar/day_start.h"

#include "common/program_settings.h"

namespace chinese {

namespace {
const QString settingsKey = QStringLiteral("chinese/dayStart");
} // namespace

QString dayStartKey(DayStart start)
{
    return start == DayStart::At23 ? QStringLiteral("23") : QStringLiteral("midnight");
}

std::optional<DayStart> dayStartFromKey(const QString &key)
{
    for (const DayStart start : {DayStart::Midnight, DayStart::At23}) {
        if (key == dayStartKey(start))
            return start;
    }
    return std::nullopt;
}

DayStart preferredDayStart()
{
    return dayStartFromKey(programSettings::open()->value(settingsKey).toString()).value_or(DayStart::Midnight);
}

void setPreferredDayStart(DayStart start)
{
    programSettings::open()->setValue(settingsKey, dayStartKey(start));
}

} // namespace chinese
