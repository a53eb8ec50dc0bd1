#pragma once

#include "chinese/chinese_calendar.h"

#include <QDate>
#include <QString>

// The result of the last Proceed of the Chinese input form, read by the result form, the
// report and the saved file. One instance lives as long as the program.
struct ChineseReading
{
    QString name;     // trimmed
    QString sex;      // "Male" or "Female"
    QString day;      // the texts of the chosen list entries, trimmed
    QString month;
    QString year;
    QDate birthDate;
    chinese::YearStart yearStart = chinese::YearStart::LunarNewYear;   // how the year was found
    QDate firstDay;   // the Chinese year that holds birthDate, both days included
    QDate lastDay;

    QString animal;
    QString element;
    QString rulingPlanet;
    QString positiveTraits;
    QString negativeTraits;
    QString mostCompatible;
    QString leastCompatible;
    QString luckyColour;
    QString gemStone;
    QString energy;
    QString luckySeason;
    QString luckyMonth;
    QString famousPersons;
    QString elementDescription;

    static ChineseReading &instance();
};
