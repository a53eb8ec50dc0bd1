#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The Chinese years from 1936 to 2008 with their element and animal. A Chinese year runs from
// one Chinese new-year day to the day before the next, so the table starts with the tail of
// the Wood Pig year (1935) and ends with the first part of the Earth Rat year (2008).
namespace chinese {

struct NewYearRow
{
    QDate firstDay;   // both days belong to the row
    QDate lastDay;
    QString element;
    QString animal;
};

// The row whose days hold birthDate, or nothing outside 1 January 1936 .. 31 December 2008.
std::optional<NewYearRow> findNewYear(const QDate &birthDate);

// Every row, oldest first; consecutive rows leave no gap and do not overlap.
const QList<NewYearRow> &newYearTable();

// "Rat" .. "Pig" in cycle order.
const QStringList &animalNames();
// "Fire", "Earth", "Metal", "Water", "Wood" in cycle order.
const QStringList &elementNames();

} // namespace chinese
