#pragma once

#include "celtic/CelticPerson.h"
#include "celtic/CelticReading.h"
#include "common/input_problem.h"

#include <QString>

// The checks and the reading of the Celtic input form, without widgets.
namespace celtic {

// The birth years the system takes (the year only matters for 29 February).
constexpr int FirstYear = 1900;
constexpr int LastYear = 2099;

// The reading of a person, or the first problem in the order the input form reports them:
// first name, last name, then the date (BadFebruary, BadThirtyFirst, YearOutOfRange outside
// FirstYear..LastYear). Names of blanks pass.
Checked<Reading> makeReading(const Person &person);

// First, middle and last name as one text, for naming what is made of the reading.
QString fullName(const Person &person);

} // namespace celtic
