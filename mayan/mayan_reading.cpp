#include "mayan/mayan_reading.h"

#include "common/calendar_lists.h"

namespace mayan {

namespace {

// The number a list entry shows ("7", "1985"); 0 for any other text, so that the date check
// refuses it.
int listNumber(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && QString::number(value) == text ? value : 0;
}

} // namespace

Checked<Reading> makeReading(const Person &person)
{
    const QString name = person.name.trimmed();
    if (name.isEmpty())
        return ::InputProblem::NameMissing;
    const Checked<QDate> date = calendar::birthDate(person.birth, FirstYear, LastYear);
    if (!date)
        return date.problem();
    const auto sign = findSignRow(FindMayanSign(calendar::monthNames().at(date->month() - 1), date->day()));
    if (!sign)   // every valid date has a sign; this keeps a table fault from becoming a crash
        return ::InputProblem::BadThirtyFirst;
    return Reading{{name, person.birth}, *date, *sign};
}

QStringList savedFields(const Reading &reading)
{
    return {reading.person.name, calendar::monthNames().value(reading.birthDate.month() - 1),
            QString::number(reading.birthDate.day()), QString::number(reading.birthDate.year())};
}

Checked<Person> personFromSavedFields(const QStringList &fields)
{
    const Person person{fields.value(0),
                        {listNumber(fields.value(2)), calendar::monthNumber(fields.value(1)), listNumber(fields.value(3))}};
    const Checked<Reading> reading = makeReading(person);
    if (!reading)
        return reading.problem();
    return person;
}

} // namespace mayan
