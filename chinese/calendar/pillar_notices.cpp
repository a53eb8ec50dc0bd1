#include "chinese/calendar/pillar_notices.h"

#include "chinese/calendar/lunar_calendar.h"
#include "chinese/calendar/solar_terms.h"
#include "chinese/calendar/table_differences.h"
#include "chinese/calendar/zone_offsets.h"
#include "common/date_text.h"

#include <QDateTime>

#include <cstdlib>

namespace chinese {

namespace {

constexpr qint64 hour = 3600;
constexpr int quarterOfAnHour = 15;   // minutes

// The zone's clock at a moment (its date and time; the zone itself is not kept).
QDateTime localMoment(qint64 utcSeconds, const QTimeZone &zone)
{
    return QDateTime::fromSecsSinceEpoch(ZoneOffsets::of(zone).clock(utcSeconds), QTimeZone::utc());
}

// "08:27 on 4 February 2024"
QString localText(qint64 utcSeconds, const QTimeZone &zone)
{
    const QDateTime moment = localMoment(utcSeconds, zone);
    return QStringLiteral("%1 on %2").arg(moment.time().toString(QStringLiteral("HH:mm")), dateText::longDate(moment.date()));
}

QString utcOffsetText(int seconds)
{
    const int minutes = std::abs(seconds) / 60;
    return QStringLiteral("UTC%1%2:%3")
        .arg(seconds < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString amountText(int seconds)
{
    const int minutes = std::abs(seconds) / 60;
    if (minutes == 60)
        return QStringLiteral("an hour");
    if (minutes == 30)
        return QStringLiteral("half an hour");
    if (minutes % 60 == 0)
        return QStringLiteral("%1 hours").arg(minutes / 60);
    return QStringLiteral("%1 minutes").arg(minutes);
}

// "2 hours 56 minutes", "an hour", "half an hour", "25 minutes"
QString durationText(int seconds)
{
    const int minutes = (std::abs(seconds) + 30) / 60;
    if (minutes < 60 || minutes % 60 == 0)
        return amountText(minutes * 60);
    const int hours = minutes / 60;
    return QStringLiteral("%1 %2 minute%3")
        .arg(hours == 1 ? QStringLiteral("1 hour") : QStringLiteral("%1 hours").arg(hours))
        .arg(minutes % 60)
        .arg(minutes % 60 == 1 ? QString() : QStringLiteral("s"));
}

// Why the pillars' day and the clock's day part: the pillars' clock against the birthplace's
// (by `difference` seconds, ahead when positive), and the day that begins at 23:00.
QString dayPartReason(const BirthMoment &birth, int difference)
{
    QStringList causes;
    const QString amount = durationText(difference);
    const QString side = difference < 0 ? QStringLiteral("behind") : QStringLiteral("ahead of");
    if (birth.longitude) {
        causes << QStringLiteral("the day pillar follows true solar time at longitude %1").arg(QString::number(*birth.longitude, 'g', 12))
                      + (std::abs(difference) >= 30 ? QStringLiteral(", %1 %2 the clock that day").arg(amount, side) : QString());
    } else if (std::abs(difference) >= 30) {
        causes << QStringLiteral("the day pillar follows standard time, %1 %2 the %3 that day")
                      .arg(amount, side, difference < 0 ? QStringLiteral("summer-time clock") : QStringLiteral("clock"));
    }
    if (birth.dayStart == DayStart::At23)
        causes << QStringLiteral("its day begins at 23:00");
    return causes.join(QStringLiteral(", and "));
}

QString pillarName(const StemBranch &pillar, Tradition tradition)
{
    return QStringLiteral("%1 %2, %3").arg(pillar.characters(), pillar.pinyin(), pillarEnglish(tradition, pillar));
}

// The term's name, the Start of Spring as the tradition says it.
QString termName(const TermMoment &term, Tradition tradition)
{
    if (term.term == SolarTerm::StartOfSpring && tradition != Tradition::China)
        return newYearName(tradition, YearStart::StartOfSpring);
    return QStringLiteral("the ") + chinese::termName(term.term);
}

QString whichPillars(const TermMoment &term)
{
    return term.term == SolarTerm::StartOfSpring ? QStringLiteral("the year and month pillars depend")
                                                 : QStringLiteral("the month pillar depends");
}

QString yearName(const StemBranch &year, Tradition tradition)
{
    return chinese::yearName(tradition, year.element(), year.animal());
}

QString yearName(const NewYearRow &year, Tradition tradition)
{
    return chinese::yearName(tradition, year.element, year.animal);
}

// "the Start of Spring" in China, "Lập xuân", "Ipchun (입춘, 立春)", "Risshun (立春)" elsewhere.
QString springName(Tradition tradition)
{
    return tradition == Tradition::China ? QStringLiteral("the Start of Spring")
                                         : newYearName(tradition, YearStart::StartOfSpring);
}

QString capitalised(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

// The year pillar of a row of the animal years: the same element and animal.
std::optional<StemBranch> pillarOfYear(const NewYearRow &row)
{
    for (int stem = 0; stem < 10; ++stem) {
        for (int branch = stem % 2; branch < 12; branch += 2) {
            const StemBranch pillar = StemBranch::fromStemAndBranch(stem, branch);
            if (pillar.element() == row.element && pillar.animal() == row.animal)
                return pillar;
        }
    }
    return std::nullopt;
}

void addMissingTime(QStringList &notices, const BirthMoment &birth, const FourPillars &pillars)
{
    notices << QStringLiteral("The hour pillar needs the time of birth.");
    if (pillars.month)
        return;
    const qint64 dayBegins = ZoneOffsets::of(birth.zone).startOfDay(birth.date);
    const qint64 dayEnds = ZoneOffsets::of(birth.zone).startOfDay(birth.date.addDays(1));
    for (const TermMoment &term : termsBetween(dayBegins + 1, dayEnds)) {
        if (!term.beginsMonth())
            continue;
        notices << QStringLiteral("The %1 need%2 it too: %3 began at %4 that day, birthplace time.")
                       .arg(pillars.year ? QStringLiteral("month pillar") : QStringLiteral("year and month pillars"),
                            pillars.year ? QStringLiteral("s") : QString(), termName(term, pillars.tradition),
                            localMoment(term.utcSeconds, birth.zone).time().toString(QStringLiteral("HH:mm")));
        return;
    }
}

// The hours of a date without a time of birth whose day pillar is not the one given.
void addDayParts(QStringList &notices, const BirthMoment &birth, const FourPillars &pillars)
{
    for (const DayPillarPart &part : pillars.dayParts) {
        if (part.pillar == pillars.day)
            continue;
        QString times = dayPartTimes(part);
        times[0] = times[0].toUpper();
        notices << QStringLiteral("%1 on the birthplace's clock, the day pillar is %2: %3.")
                       .arg(times, pillarName(part.pillar, pillars.tradition), dayPartReason(birth, part.clockDifference));
    }
}

// A day pillar of another day than the date on the clock, which the Chinese date follows.
void addDayPillarDate(QStringList &notices, const BirthMoment &birth, const FourPillars &pillars)
{
    const bool late = birth.dayStart == DayStart::At23 && pillars.pillarTime.hour() >= 23;
    const QDate pillarDay = late ? pillars.pillarDate.addDays(1) : pillars.pillarDate;
    if (pillarDay == birth.date)
        return;
    QStringList causes;
    if (pillars.pillarDate != birth.date) {
        causes << QStringLiteral("by %1, which the day pillar follows, the birth came at %2 on %3")
                      .arg(pillars.trueSolarTime ? QStringLiteral("true solar time") : QStringLiteral("standard time"),
                           pillars.pillarTime.toString(QStringLiteral("HH:mm")), dateText::longDate(pillars.pillarDate));
    }
    if (late)
        causes << QStringLiteral("the day pillar's day begins at 23:00");
    if (pillars.tradition != Tradition::China) {
        notices << QStringLiteral("The day pillar is that of %1 (%2), while the birthplace's clock showed %3: %4.")
                       .arg(dateText::longDate(pillarDay), pillars.day.characters(), dateText::longDate(birth.date),
                            causes.join(QStringLiteral(", and ")));
        return;
    }
    notices << QStringLiteral("The day pillar is that of %1 (%2), while the Chinese date, the %3, is that of %4 on the "
                              "birthplace's clock: %5.")
                   .arg(dateText::longDate(pillarDay), pillars.day.characters(), pillars.lunarDate.text(),
                        dateText::longDate(birth.date), causes.join(QStringLiteral(", and ")));
}

void addClockChanges(QStringList &notices, const BirthMoment &birth, const FourPillars &pillars, qint64 moment)
{
    if (pillars.repeatedTime) {
        notices << QStringLiteral("The clocks went back that night, so %1 came twice; the first, at %2, is taken.")
                       .arg(birth.time->toString(QStringLiteral("HH:mm")), utcOffsetText(pillars.utcOffset));
        return;
    }
    ZoneOffsets &offsets = ZoneOffsets::of(birth.zone);
    for (const ZoneOffsets::Change &change : offsets.changes(moment - hour, moment + hour)) {
        const qint64 at = change.at;
        const int before = offsets.total(at - 1);
        const int shift = change.offsets.total - before;
        if (shift == 0)
            continue;
        // The change as the clock read just before it: "at 02:00" for a change from 02:00 to 03:00.
        const QDateTime clockBefore = QDateTime::fromSecsSinceEpoch(at + before, QTimeZone::utc());
        notices << QStringLiteral("The clocks went %1 %2 at %3 on %4, within an hour of the birth: which side of the "
                                  "change the time of birth was read on decides the hour pillar.")
                       .arg(shift > 0 ? QStringLiteral("forward") : QStringLiteral("back"), amountText(shift),
                            clockBefore.time().toString(QStringLiteral("HH:mm")), dateText::longDate(clockBefore.date()));
        return;
    }
}

void addNearTerms(QStringList &notices, const BirthMoment &birth, qint64 moment, Tradition tradition)
{
    for (const TermMoment &term : termsBetween(moment - hour + 1, moment + hour)) {
        if (!term.beginsMonth())
            continue;
        notices << QStringLiteral("%1 began at %2, birthplace time, within an hour of the birth: %3 on the exact minute.")
                       .arg(capitalised(termName(term, tradition)), localText(term.utcSeconds, birth.zone), whichPillars(term));
    }
}

void addNearDayChange(QStringList &notices, const BirthMoment &birth, const FourPillars &pillars)
{
    const int minute = pillars.pillarTime.hour() * 60 + pillars.pillarTime.minute();
    const QString clock = pillars.trueSolarTime ? QStringLiteral("true solar time") : QStringLiteral("standard time");
    if (std::abs(minute - 23 * 60) <= quarterOfAnHour) {
        notices << (birth.dayStart == DayStart::At23
                        ? QStringLiteral("The birth is within a quarter of an hour of 23:00 (%1), where the next day "
                                         "begins: the day and hour pillars depend on the exact minute.")
                        : QStringLiteral("The birth is within a quarter of an hour of 23:00 (%1), where the Rat hour "
                                         "of the next day begins: the hour pillar depends on the exact minute."))
                       .arg(clock);
    } else if (birth.dayStart == DayStart::Midnight && (minute >= 24 * 60 - quarterOfAnHour || minute <= quarterOfAnHour)) {
        notices << QStringLiteral("The birth is within a quarter of an hour of midnight (%1): the day pillar depends "
                                  "on the exact minute.")
                       .arg(clock);
    }
}

// The animal's new year (the Chinese New Year, Tết, Seollal, 1 January) against the Start of
// Spring: the year pillar counts from the latter.
void addYearBoundaries(QStringList &notices, const BirthMoment &birth, const FourPillars &pillars, YearStart animalStart)
{
    if (!pillars.year)
        return;
    const Tradition tradition = pillars.tradition;
    const std::optional<NewYearRow> animalYear = findNewYear(birth.date, YearStart::LunarNewYear, tradition);
    const std::optional<StemBranch> lunarYear = animalYear ? pillarOfYear(*animalYear) : std::nullopt;
    if (lunarYear && !(*lunarYear == *pillars.year)) {
        // The two years are neighbours; the later one has begun by one count and not by the other.
        const bool springFirst = (pillars.year->cycleIndex() - lunarYear->cycleIndex() + 60) % 60 == 1;
        const QDate newYearDay = springFirst ? animalYear->lastDay.addDays(1) : animalYear->firstDay;
        const std::optional<TermMoment> spring = solarTerm(newYearDay.year(), SolarTerm::StartOfSpring);
        if (spring) {
            const QString springDay = dateText::longDate(localMoment(spring->utcSeconds, birth.zone).date());
            const QString newYearText = dateText::longDate(newYearDay);
            if (tradition == Tradition::China) {
                notices << (springFirst
                                ? QStringLiteral("Born between the Start of Spring (%1) and the Chinese New Year (%2): by the "
                                                 "Chinese New Year the year is still the %3's, by the Start of Spring it is "
                                                 "already the %4's. The year pillar always begins at the Start of Spring.")
                                      .arg(springDay, newYearText, yearName(*lunarYear, tradition), yearName(*pillars.year, tradition))
                                : QStringLiteral("Born between the Chinese New Year (%1) and the Start of Spring (%2): by the "
                                                 "Chinese New Year the year is already the %3's, by the Start of Spring it is "
                                                 "still the %4's. The year pillar always begins at the Start of Spring.")
                                      .arg(newYearText, springDay, yearName(*lunarYear, tradition), yearName(*pillars.year, tradition)));
            } else {
                // Japan's year of the animal begins on 1 January, which needs no name beside its date.
                const QString newYear = tradition == Tradition::Japan ? newYearText
                                                                      : QStringLiteral("%1 on %2").arg(newYearName(tradition, YearStart::LunarNewYear), newYearText);
                const QString counted = tradition == Tradition::Japan ? QStringLiteral("counted from 1 January, as in Japan,")
                                                                      : QStringLiteral("by %1").arg(newYearName(tradition, YearStart::LunarNewYear));
                const QString springOn = QStringLiteral("%1 on %2").arg(springName(tradition), springDay);
                notices << (springFirst
                                ? QStringLiteral("Born between %1 and %2: %3 the year is still the %4's, by %5 it is already "
                                                 "the %6's. The year pillar always begins at %5.")
                                      .arg(springOn, newYear, counted, yearName(*lunarYear, tradition), springName(tradition),
                                           yearName(*pillars.year, tradition))
                                : QStringLiteral("Born between %1 and %2: %3 the year is already the %4's, by %5 it is still "
                                                 "the %6's. The year pillar always begins at %5.")
                                      .arg(newYear, springOn, counted, yearName(*lunarYear, tradition), springName(tradition),
                                           yearName(*pillars.year, tradition)));
            }
        }
    }
    if (animalStart != YearStart::StartOfSpring || !pillars.utcSeconds)
        return;
    // With a time of birth the animal's year follows the moment of the Start of Spring, as the
    // year pillar does; counting the term's day whole, as the tradition dates it, would give another.
    const std::optional<NewYearRow> byDay = findNewYear(birth.date, YearStart::StartOfSpring, tradition);
    const std::optional<TermMoment> spring = solarTerm(birth.date.year(), SolarTerm::StartOfSpring);
    if (!byDay || !spring || byDay->animal == pillars.year->animal())
        return;
    notices << QStringLiteral("%1 came at %2, birthplace time, %3 the birth, so the year is the %4's, as the "
                              "year pillar says; counting that day whole, as dated in %5, would give the %6's.")
                   .arg(capitalised(springName(tradition)), localText(spring->utcSeconds, birth.zone),
                        *pillars.utcSeconds < spring->utcSeconds ? QStringLiteral("after") : QStringLiteral("before"),
                        yearName(*pillars.year, tradition), traditionName(tradition), yearName(*byDay, tradition));
}

// Without a time of birth, on the day of the Start of Spring at the birthplace: the animal of the
// day as the tradition dates it, and which hours would have the other.
void addSpringOnTheDay(QStringList &notices, const BirthMoment &birth, YearStart animalStart, Tradition tradition)
{
    if (animalStart != YearStart::StartOfSpring)
        return;
    const std::optional<TermMoment> spring = solarTerm(birth.date.year(), SolarTerm::StartOfSpring);
    const std::optional<NewYearRow> byDay = findNewYear(birth.date, YearStart::StartOfSpring, tradition);
    if (!spring || !byDay || localMoment(spring->utcSeconds, birth.zone).date() != birth.date)
        return;
    const StemBranch before = StemBranch::fromCycleIndex(spring->year - 1 - 1984);
    const StemBranch after = StemBranch::fromCycleIndex(spring->year - 1984);
    notices << QStringLiteral("%1 came at %2 that day, birthplace time: born before it, the year is the %3's, "
                              "from it the %4's. Without the time of birth the day is counted whole, as dated in %5: "
                              "the %6's.")
                   .arg(capitalised(springName(tradition)),
                        localMoment(spring->utcSeconds, birth.zone).time().toString(QStringLiteral("HH:mm")),
                        yearName(before, tradition), yearName(after, tradition), traditionName(tradition),
                        yearName(*byDay, tradition));
}

} // namespace

QStringList pillarNotices(const BirthMoment &birth, const FourPillars &pillars, YearStart animalStart)
{
    QStringList notices;
    if (!pillars.utcSeconds) {
        addMissingTime(notices, birth, pillars);
        addDayParts(notices, birth, pillars);
    } else {
        addClockChanges(notices, birth, pillars, *pillars.utcSeconds);
        addNearTerms(notices, birth, *pillars.utcSeconds, pillars.tradition);
        addNearDayChange(notices, birth, pillars);
        addDayPillarDate(notices, birth, pillars);
    }
    addYearBoundaries(notices, birth, pillars, animalStart);
    if (!pillars.utcSeconds)
        addSpringOnTheDay(notices, birth, animalStart, pillars.tradition);
    if (const QString note = otherReckoningNote(birth.date, pillars.tradition); !note.isEmpty())
        notices << note;
    return notices;
}

} // namespace chinese
