#pragma once

#include "common/input_problem.h"
#include "mayan/modMayanAnimalMoonSign.h"

#include <QDate>
#include <QStringList>

namespace mayan {

// The birth years the input form lists.
inline constexpr int FirstYear = 1900;
inline constexpr int LastYear = 2050;

// What the input form holds: the name as typed and the birth date as the lists hold it.
struct Person
{
    QString name;
    BirthEntry birth;
};

// A Mayan reading: the person (name without surrounding blanks), the birth date and its sign.
struct Reading
{
    Person person;
    QDate birthDate;
    MayanSignRow sign;
};

// The reading of person, or the first check it fails, in the order the input form reports them:
// the name (blanks trimmed), then the date (BadFebruary, BadThirtyFirst, and YearOutOfRange
// outside FirstYear..LastYear).
Checked<Reading> makeReading(const Person &person);

// The lines of a saved ".zod" reading: name, month name, day and year in plain digits.
QStringList savedFields(const Reading &reading);

// The person of a saved reading's lines, as savedFields writes them. Lines that are not what the
// lists hold ("Marchy", "07", a missing line) or a person that fails makeReading's checks give
// the problem found; the caller refuses the file.
Checked<Person> personFromSavedFields(const QStringList &fields);

} // namespace mayan
