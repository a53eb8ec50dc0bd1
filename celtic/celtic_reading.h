#pragma once

#include "celtic/CelticSignRecord.h"
#include "common/input_problem.h"

#include <QDate>
#include <QString>

// A Celtic reading as a value: who asked, the birth date and the sign found for it.
namespace celtic {

// The birth years the system takes (the year only matters for 29 February).
constexpr int FirstYear = 1900;
constexpr int LastYear = 2099;

// What the input form holds for one reading. The middle name is optional and never checked.
struct Person
{
    QString firstName;
    QString lastName;
    BirthEntry birth;
    QString middleName;
};

struct Reading
{
    Person person;
    QDate birthDate;
    CelticSignRecord record;
    int picture = 0;   // 1-based, as picturePath() takes it; 0 in an empty reading
};

// The reading of a person, or the first problem in the order the input form reports them:
// first name, last name, then the date (February, the 31st, the year range). Names of blanks pass.
Checked<Reading> makeReading(const Person &person);

// First, middle and last name as one text, for naming what is made of the reading.
QString fullName(const Person &person);

} // namespace celtic
