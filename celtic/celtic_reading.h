#pragma once

#include "celtic/celtic_sign_record.h"
#include "common/input_problem.h"

#include <QDate>
#include <QString>

// The checks and the reading of the Celtic input form, without widgets.
namespace celtic {

// Whom a Celtic reading is for, as the input form holds it: nothing is checked yet. The middle
// name is optional and never checked.
struct Person
{
    QString firstName;
    QString lastName;
    BirthEntry birth;
    QString middleName;
};

// A checked reading, made by makeReading(): the person, the birth date and the record of the
// sign the date falls in. The result form keeps its own copy; the report is made from it.
struct Reading
{
    Person person;
    QDate birthDate;
    CelticSignRecord record;
    int picture = 0;   // 1-based, as picturePath() takes it; 0 in an empty reading
};

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
