#include "celtic/celtic_reading.h"

#include "celtic/celtic_signs.h"
#include "common/calendar_lists.h"

#include <QStringList>

namespace celtic {

Checked<Reading> makeReading(const Person &person)
{
    if (person.firstName.isEmpty())
        return InputProblem::FirstNameMissing;
    if (person.lastName.isEmpty())
        return InputProblem::LastNameMissing;
    const Checked<QDate> date = calendar::birthDate(person.birth, FirstYear, LastYear);
    if (!date)
        return date.problem();
    // Every real day of the year has its row and every sign its record.
    const std::optional<CalendarRow> row = findSign(date->month() - 1, date->day() - 1);
    std::optional<CelticSignRecord> record = row ? CelticSignRecord::forSign(row->sign) : std::nullopt;
    if (!record)
        return InputProblem::BadThirtyFirst;
    return Reading{person, *date, std::move(*record), row->picture};
}

QString fullName(const Person &person)
{
    return QStringList{person.firstName, person.middleName, person.lastName}.join(QLatin1Char(' '));
}

} // namespace celtic
