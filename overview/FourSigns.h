#pragma once

#include "chinese/ChineseDate.h"
#include "chinese/FourPillars.h"
#include "chinese/chinese_calendar.h"

#include <QDate>
#include <QString>

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
        QString animal;
        chinese::YearStart yearStart = chinese::YearStart::LunarNewYear;
        QDate firstDay;        // the Chinese year holding the birth date, both days included
        QDate lastDay;
        QString summary;       // the first sentence of the animal's positive traits
        chinese::ChineseDate lunarDate;              // of the birth date
        std::optional<chinese::FourPillars> pillars; // where the birth's time and place were asked for
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
