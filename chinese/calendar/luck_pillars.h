#pragma once

#include "chinese/calendar/birth_moment.h"
#include "chinese/calendar/four_pillars.h"
#include "chinese/calendar/solar_terms.h"
#include "chinese/calendar/stem_branch.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QTime>

#include <optional>

// The luck pillars: ten-year pillars that follow the month pillar round the cycle, forward for a
// man born in a yang year or a woman born in a yin year and backward otherwise, the first
// beginning some years after birth: the time from birth to the governing "jie" term (the next
// one going forward, the previous one going backward), with three days counted as a year.
namespace chinese {

enum class LuckMethod {
    Exact,     // every second counts: 3 days a year, 1 day 4 months, 1 minute 2 hours
    Classic,   // whole days and double hours: 1 day 4 months, 1 double hour 10 days
};

// "exact" and "classic": the words the command line takes and what the settings keep.
QString luckMethodKey(LuckMethod method);
std::optional<LuckMethod> luckMethodFromKey(const QString &key);
// The method chosen last in the Four Pillars window; exact until one is chosen.
LuckMethod preferredLuckMethod();
void setPreferredLuckMethod(LuckMethod method);

struct LuckPillar
{
    StemBranch pillar;
    int fromYear = 0;   // the calendar years it runs, both included
    int toYear = 0;
    int fromAge = 0;    // ages as Chinese charts count them: 1 in the year of birth
    int toAge = 0;
};

struct LuckPillars
{
    LuckMethod method = LuckMethod::Exact;
    bool forward = true;
    bool fromNoon = false;      // no time of birth: counted from noon of the day of birth
    TermMoment term;            // the governing term
    QDate termDate;             // its moment on the birthplace's clock
    QTime termTime;
    // How long after birth the first pillar begins (exact: down to minutes; classic: days).
    int years = 0;
    int months = 0;
    int days = 0;
    int hours = 0;
    int minutes = 0;
    QDate startDate;            // that moment on the birthplace's clock
    QTime startTime;
    QList<LuckPillar> pillars;

    // The pillar running in that calendar year; -1 before the first and after the last.
    int runningIn(int year) const;
};

// "8 years, 2 months and 26 days": the age at which the first pillar begins in whole days (the
// hours and minutes show in its moment), parts of none left out.
QString luckStartAgeText(const LuckPillars &luck);

// The luck pillars of a birth whose Four Pillars are given (as fourPillars() found them for that
// birth). Nothing where the terms needed lie outside the tables.
std::optional<LuckPillars> luckPillars(const BirthMoment &birth, const FourPillars &pillars, bool male,
                                       LuckMethod method, int count = 10);

} // namespace chinese
