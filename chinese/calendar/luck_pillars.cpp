#include "chinese/calendar/luck_pillars.h"

#include "common/program_settings.h"

#include <QDateTime>

#include <cstdlib>
#include <utility>

namespace chinese {

namespace {

const QString settingsKey = QStringLiteral("chinese/luckMethod");

// The double hour of the day on a clock, counting 23:00 to 23:59 as the day's last (the next
// day's Rat hour belongs to the next date, which the whole days already count).
int doubleHourOfDay(const QTime &time)
{
    return time.hour() == 23 ? 11 : (time.hour() + 1) / 2;
}

// date and time moved on by a span as a person counts it: the days, hours and minutes onto the
// day of the month, then the years and months onto the month, with days beyond its length
// carried into the months after it.
void addSpan(QDate &date, QTime &time, int years, int months, int days, int hours, int minutes)
{
    int minute = time.minute() + minutes;
    int hour = time.hour() + hours + minute / 60;
    minute %= 60;
    int day = date.day() + days + hour / 24;
    hour %= 24;
    QDate month = QDate(date.year(), date.month(), 1).addYears(years).addMonths(months);
    while (day > month.daysInMonth()) {
        day -= month.daysInMonth();
        month = month.addMonths(1);
    }
    date = QDate(month.year(), month.month(), day);
    time = QTime(hour, minute);
}

} // namespace

QString luckMethodKey(LuckMethod method)
{
    return method == LuckMethod::Classic ? QStringLiteral("classic") : QStringLiteral("exact");
}

std::optional<LuckMethod> luckMethodFromKey(const QString &key)
{
    for (const LuckMethod method : {LuckMethod::Exact, LuckMethod::Classic}) {
        if (key == luckMethodKey(method))
            return method;
    }
    return std::nullopt;
}

LuckMethod preferredLuckMethod()
{
    return luckMethodFromKey(programSettings::open()->value(settingsKey).toString()).value_or(LuckMethod::Exact);
}

void setPreferredLuckMethod(LuckMethod method)
{
    programSettings::open()->setValue(settingsKey, luckMethodKey(method));
}

int LuckPillars::runningIn(int year) const
{
    for (qsizetype i = 0; i < pillars.size(); ++i) {
        if (year >= pillars[i].fromYear && year <= pillars[i].toYear)
            return int(i);
    }
    return -1;
}

QString luckStartAgeText(const LuckPillars &luck)
{
    QStringList parts;
    const auto add = [&](int count, const char *one, const char *many) {
        if (count != 0)
            parts << QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
    };
    add(luck.years, "year", "years");
    add(luck.months, "month", "months");
    add(luck.days, "day", "days");
    if (parts.isEmpty())
        return QStringLiteral("0 days");
    if (parts.size() == 1)
        return parts.constFirst();
    const QString last = parts.takeLast();
    return parts.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

std::optional<LuckPillars> luckPillars(const BirthMoment &birth, const FourPillars &pillars, bool male,
                                       LuckMethod method, int count)
{
    LuckPillars luck;
    luck.method = method;
    QTime birthTime = birth.time ? QTime(birth.time->hour(), birth.time->minute()) : QTime(12, 0);
    luck.fromNoon = !birth.time;

    // Without a time the year and month pillars, and the moment, are noon's.
    std::optional<FourPillars> atNoon;
    if (!pillars.utcSeconds) {
        BirthMoment noon = birth;
        noon.time = birthTime;
        BirthProblem problem = BirthProblem::None;
        atNoon = fourPillars(noon, YearStart::LunarNewYear, problem);
        if (!atNoon || !atNoon->utcSeconds)
            return std::nullopt;
    }
    const FourPillars &used = atNoon ? *atNoon : pillars;
    if (!used.year || !used.month || !used.utcSeconds)
        return std::nullopt;
    const qint64 born = *used.utcSeconds;

    const bool yang = used.year->stem() % 2 == 0;
    luck.forward = yang == male;
    std::optional<TermMoment> term;
    if (luck.forward) {
        for (const TermMoment &next : termsBetween(born + 1, born + 40 * 86400)) {
            if (next.beginsMonth()) {
                term = next;
                break;
            }
        }
    } else {
        term = monthTermAtOrBefore(born);
    }
    if (!term)
        return std::nullopt;
    luck.term = *term;
    const QDateTime termClock = QDateTime::fromSecsSinceEpoch(term->utcSeconds, birth.zone);
    luck.termDate = termClock.date();
    luck.termTime = termClock.time();

    if (method == LuckMethod::Exact) {
        qint64 seconds = std::llabs(term->utcSeconds - born);
        luck.years = int(seconds / 259200);   // 3 days
        seconds %= 259200;
        luck.months = int(seconds / 21600);   // 6 hours
        seconds %= 21600;
        luck.days = int(seconds / 720);       // 12 minutes
        seconds %= 720;
        luck.hours = int(seconds / 30);
        luck.minutes = int(seconds % 30) * 2;
    } else {
        // Both moments on the birthplace's clock.
        QDate startDate = birth.date;
        QTime startTime = birthTime;
        QDate endDate = termClock.date();
        QTime endTime = termClock.time();
        if (!luck.forward) {
            std::swap(startDate, endDate);
            std::swap(startTime, endTime);
        }
        int doubleHours = doubleHourOfDay(endTime) - doubleHourOfDay(startTime);
        qint64 days = startDate.daysTo(endDate);
        if (doubleHours < 0) {
            doubleHours += 12;
            --days;
        }
        const int monthsOfHours = doubleHours * 10 / 30;
        const qint64 months = days * 4 + monthsOfHours;
        luck.days = doubleHours * 10 - monthsOfHours * 30;
        luck.years = int(months / 12);
        luck.months = int(months % 12);
    }
    luck.startDate = birth.date;
    luck.startTime = birthTime;
    addSpan(luck.startDate, luck.startTime, luck.years, luck.months, luck.days, luck.hours, luck.minutes);

    for (int i = 0; i < count; ++i) {
        LuckPillar pillar;
        pillar.pillar = StemBranch::fromCycleIndex(used.month->cycleIndex() + (luck.forward ? i + 1 : -(i + 1)));
        pillar.fromYear = luck.startDate.year() + 10 * i;
        pillar.toYear = pillar.fromYear + 9;
        pillar.fromAge = pillar.fromYear - birth.date.year() + 1;
        pillar.toAge = pillar.fromAge + 9;
        luck.pillars << pillar;
    }
    return luck;
}

} // namespace chinese
