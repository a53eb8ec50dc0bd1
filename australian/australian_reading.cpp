#include "australian/australian_reading.h"

#include "common/calendar_lists.h"

namespace australian {

Checked<Reading> makeReading(const Person &person)
{
    const QString name = person.name.trimmed();
    if (name.isEmpty())
        return InputProblem::NameMissing;
    const auto sign = findSignRow(FindAustralianSign(calendar::monthNames().value(person.month - 1)));
    if (!sign)
        return InputProblem::BadThirtyFirst;
    return Reading{{name, person.month}, *sign};
}

QStringList savedFields(const Reading &reading)
{
    return {reading.person.name, calendar::monthNames().value(reading.person.month - 1)};
}

Checked<Person> personFromSavedFields(const QStringList &fields)
{
    const Person person{fields.value(0), calendar::monthNumber(fields.value(1))};
    const Checked<Reading> reading = makeReading(person);
    if (!reading)
        return reading.problem();
    return person;
}

} // namespace australian
