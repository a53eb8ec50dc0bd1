#pragma once

#include "chinese/calendar/tradition.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The Chinese years that cover every day from 1 January 1900 to 31 December 2100, with their
// element and animal. A Chinese year runs from the day it begins to the day before the next one
// begins. It begins either on the lunar new-year day or on the day of the Start of Spring
// (Li Chun, the Sun at 315 degrees of longitude, dated in China Standard Time); the two
// conventions disagree for the days between the two, e.g. 5 February 2024 is still the Water
// Rabbit by the lunar new year but already the Wood Dragon by the Start of Spring.
namespace chinese {

struct NewYearRow
{
    QDate firstDay;   // both days belong to the row
    QDate lastDay;
    QString element;
    QString animal;
};

enum class YearStart { LunarNewYear, StartOfSpring };

// The first and the last day that findNewYear() answers for.
QDate firstCoveredDay();   // 1 January 1900
QDate lastCoveredDay();    // 31 December 2100

// The year that holds birthDate, by the given start; nothing for an invalid date or one outside
// firstCoveredDay() .. lastCoveredDay().
std::optional<NewYearRow> findNewYear(const QDate &birthDate, YearStart start = YearStart::LunarNewYear);

// Every year by the given start, oldest first: from the Earth Pig running on 1 January 1900 to the
// year running on 31 December 2100. Rows are whole years, so the first begins in 1899 and the
// last ends in 2101; consecutive rows leave no gap and do not overlap.
const QList<NewYearRow> &newYearTable(YearStart start = YearStart::LunarNewYear);

// The same by a tradition's calendar: its lunar new year (1 January in Japan) or its Start of
// Spring dated at its meridian. The animal is named as China names it (traditionAnimal() gives
// the tradition's word); China's rows are the ones above.
std::optional<NewYearRow> findNewYear(const QDate &birthDate, YearStart start, Tradition tradition);
const QList<NewYearRow> &newYearTable(YearStart start, Tradition tradition);

// "Rat" .. "Pig" in cycle order.
const QStringList &animalNames();
// "Fire", "Earth", "Metal", "Water", "Wood" in cycle order.
const QStringList &elementNames();

// Resource path of the animal's picture ("Horse" as animalNames() spells it); empty for any
// other name.
QString picturePath(const QString &animal);

} // namespace chinese
