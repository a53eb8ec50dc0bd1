#pragma once

#include "common/input_problem.h"

#include <QDate>
#include <QStringList>

// The month list, day list and leap-year rule shared by every system's input form.
namespace calendar {

const QStringList &monthNames();                 // "January" .. "December"
QStringList dayTexts();                          // "1" .. "31"
QStringList yearTexts(int firstYear, int lastYear);
int monthNumber(const QString &monthName);       // 1..12, 0 when unknown

// Gregorian rule: divisible by 4, except centuries not divisible by 400.
bool isLeapYear(int year);

enum class DateCheck { Valid, BadFebruary, BadThirtyFirst };

// The date checks of every input form, in their order: February first, then the 31st of the
// short months. month is 1..12, day 1..31.
DateCheck checkDate(int day, int month, int year);

// The one date check of every input form and saved reading: the date of entry, or BadFebruary,
// BadThirtyFirst (in that order), or YearOutOfRange when the year lies outside firstYear..lastYear.
Checked<QDate> birthDate(const BirthEntry &entry, int firstYear, int lastYear);

} // namespace calendar
