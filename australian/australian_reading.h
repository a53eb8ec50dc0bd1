#pragma once

#include "australian/modAustralianAstrology.h"
#include "common/input_problem.h"

#include <QStringList>

namespace australian {

// What the input form holds: the name as typed and the birth month, 1..12 as the list holds it.
// The system asks for no day and no year.
struct Person
{
    QString name;
    int month = 0;
};

// An Australian reading: the person (name without surrounding blanks) and the sign of the month.
struct Reading
{
    Person person;
    AustralianSignRow sign;
};

// The reading of person, or NameMissing for a name of blanks. A month outside 1..12 (only a
// damaged file can hold one) is refused as BadThirtyFirst, as the date check refuses a month
// outside the list.
Checked<Reading> makeReading(const Person &person);

// The lines of a saved ".zod" reading: name and month name.
QStringList savedFields(const Reading &reading);

// The person of a saved reading's first two lines (a Mayan reading's day and year lines are not
// looked at); a month line that is not a month name or a person makeReading refuses give the
// problem found, and the caller refuses the file.
Checked<Person> personFromSavedFields(const QStringList &fields);

} // namespace australian
