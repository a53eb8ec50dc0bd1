#pragma once

#include "chinese/calendar/birth_moment.h"
#include "chinese/calendar/chinese_date.h"
#include "chinese/calendar/chinese_calendar.h"
#include "chinese/calendar/four_pillars.h"
#include "chinese/calendar/luck_pillars.h"
#include "chinese/calendar/pillar_chart.h"
#include "chinese/calendar/year_start.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

// What each of the four systems says about one birth date. The summaries are short
// characterising lines taken from each sign's own content; empty where a system has none.
struct FourSigns
{
    struct Celtic
    {
        QString sign;
        QString gaelicName;
        QString birthstone;
        QString rulingPlanet;
        QString keywords;      // also the Celtic summary line
        int picture = 0;       // 1-based, as celtic::picturePath() takes it
    };
    struct Chinese
    {
        QString element;
        QString animal;        // as China names it ("Rabbit"), whatever the tradition
        chinese::YearStart yearStart = chinese::YearStart::LunarNewYear;
        QDate firstDay;        // the Chinese year holding the birth date, both days included
        QDate lastDay;
        QString summary;       // the first sentence of the animal's positive traits
        chinese::ChineseDate lunarDate;              // of the birth date
        std::optional<chinese::FourPillars> pillars; // where the birth's time and place were asked for
        // The pillars read against the Day Master, and the luck pillars where the sex is known;
        // filled in by those who show them (the command line), not by fourSigns().
        std::optional<chinese::PillarChart> chart;
        std::optional<chinese::LuckPillars> luck;
        // By the Start of Spring with a time of birth the year is counted from the term's moment
        // (as the year pillar is); firstDay and lastDay are then the days of these moments.
        std::optional<chinese::YearMoments> yearMoments;
        // The tradition the year and the lunar date are counted in, the animal as it names it
        // ("Cat") and in its language ("Mão"), and where it counts this birth otherwise than
        // China. Japan keeps no lunar date: lunarDate is then China's and not to be shown.
        chinese::Tradition tradition = chinese::Tradition::China;
        QString animalName;
        QString nativeName;
        QStringList traditionNotices;
        bool hasLunarDate() const { return chinese::hasLunarDates(tradition); }
    };
    struct Mayan
    {
        QString sign;          // the Mayan name
        QString englishName;
        QString crystal;
        int picture = 0;       // 1-based, as mayan::picturePath() takes it
        QString summary;       // the first sentence of the interpretation
    };
    struct Australian
    {
        QString sign;
    };

    QDate birthDate;
    Celtic celtic;
    Chinese chinese;
    Mayan mayan;
    Australian australian;
};

namespace overview {

// The four signs of birthDate, the Chinese year beginning as start says. Nothing for an invalid
// date or one outside 1900-01-01 .. 2100-12-31 (the days the Chinese tables cover).
std::optional<FourSigns> fourSigns(const QDate &birthDate,
                                   chinese::YearStart start = chinese::YearStart::LunarNewYear,
                                   chinese::Tradition tradition = chinese::Tradition::China);

// The same, with the Chinese Four Pillars of the birth's time and place; nothing, with problem
// set, where chinese::fourPillars() refuses the birth.
std::optional<FourSigns> fourSigns(const chinese::BirthMoment &birth, chinese::YearStart start,
                                   chinese::BirthProblem &problem,
                                   chinese::Tradition tradition = chinese::Tradition::China);

// The first sentence of a paragraph (up to and including the first '.', '!' or '?' that is
// followed by a blank or ends the text); the whole trimmed text when there is no such mark.
QString firstSentence(const QString &paragraph);

} // namespace overview
