#pragma once

#include "chinese/ChineseDate.h"
#include "chinese/StemBranch.h"

#include <QDate>
#include <QStringList>
#include <QTime>

#include <optional>

namespace chinese {

// The Chinese date and Four Pillars of a birth (see fourPillars()).
struct FourPillars
{
    ChineseDate lunarDate;              // of the birth date as the clock showed it

    // The year pillar changes at the moment of the Start of Spring, the month pillar at the
    // moments of the twelve terms that begin a month; without a time of birth each is missing
    // when such a term fell on the day of birth.
    std::optional<StemBranch> year;
    std::optional<StemBranch> month;
    StemBranch day;
    std::optional<StemBranch> hour;     // only with a time of birth

    // With a time of birth only:
    std::optional<qint64> utcSeconds;   // the moment of birth, seconds since 1970-01-01 UTC
    int utcOffset = 0;                  // seconds the clock was ahead of UTC at that moment
    bool repeatedTime = false;          // the clock showed this time twice; the first is taken
    QDate pillarDate;                   // the clock the day and hour pillars follow: the
    QTime pillarTime;                   // birthplace's standard time, or true solar time
    bool trueSolarTime = false;

    // Plain sentences on what depends on the exact minute, on what is missing, and on where the
    // year's animal and the year pillar part; one sentence each, in a fixed order.
    QStringList notices;

    // The "inner animal" (of the month pillar) and "secret animal" (of the hour pillar); empty
    // where that pillar is missing.
    QString innerAnimal() const { return month ? month->animal() : QString(); }
    QString secretAnimal() const { return hour ? hour->animal() : QString(); }
};

} // namespace chinese
