#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

#include <optional>

// The 24 solar terms of every Gregorian year from 1899 to 2101, as moments in UTC to the second,
// from the tables generated in tools/chinese-calendar. Moments are seconds since
// 1970-01-01 00:00 UTC throughout.
namespace chinese {

// In the order of a Gregorian year. The even ones (Minor Cold, Start of Spring, Awakening of
// Insects, ...) are the twelve "jie" terms at which a month of the Four Pillars begins.
enum class SolarTerm {
    MinorCold, MajorCold, StartOfSpring, RainWater, AwakeningOfInsects, SpringEquinox,
    ClearAndBright, GrainRain, StartOfSummer, GrainBuds, GrainInEar, SummerSolstice,
    MinorHeat, MajorHeat, StartOfAutumn, EndOfHeat, WhiteDew, AutumnEquinox,
    ColdDew, FrostDescent, StartOfWinter, MinorSnow, MajorSnow, WinterSolstice
};

struct TermMoment
{
    int year = 0;   // the Gregorian year whose term it is
    SolarTerm term = SolarTerm::MinorCold;
    qint64 utcSeconds = 0;

    // A month of the Four Pillars begins here.
    bool beginsMonth() const { return static_cast<int>(term) % 2 == 0; }
};

// "Start of Spring"
QString termName(SolarTerm term);

// The term of that year; nothing outside 1899..2101.
std::optional<TermMoment> solarTerm(int year, SolarTerm term);

// The last term that begins a month at or before the moment; nothing before the Minor Cold of
// 1899 or from the Winter Solstice of 2101 on, where the tables cannot tell.
std::optional<TermMoment> monthTermAtOrBefore(qint64 utcSeconds);

// Every term from `from` (included) to `to` (excluded), in order.
QList<TermMoment> termsBetween(qint64 from, qint64 to);

} // namespace chinese
