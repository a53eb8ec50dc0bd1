#include "chinese/chinese_zodiac.h"

#include "chinese/ChineseAnimalRecord.h"
#include "chinese/year_start.h"
#include "common/calendar_lists.h"

#include <QLocale>

namespace chinese {

namespace {

const QString male = QStringLiteral("Male");
const QString female = QStringLiteral("Female");

// The birth date of person once the name and the sex are there.
Checked<QDate> checkPerson(const Person &person)
{
    if (person.name.trimmed().isEmpty())
        return InputProblem::NameMissing;
    if (person.sex == Sex::None)
        return InputProblem::SexMissing;
    return calendar::birthDate(person.birth, FirstYear, LastYear);
}

// The number written exactly as the lists write it ("7", never "07" or " 7"); 0 for any other text.
int listedNumber(const QString &text)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    return ok && number > 0 && QString::number(number) == text ? number : 0;
}

} // namespace

Checked<Reading> makeReading(const Person &person, YearStart start)
{
    const Checked<QDate> birthDate = checkPerson(person);
    if (!birthDate)
        return birthDate.problem();
    const std::optional<NewYearRow> year = findNewYear(*birthDate, start);
    if (!year)   // the table covers every day of FirstYear..LastYear
        return InputProblem::YearOutOfRange;
    Reading reading;
    reading.person = person;
    reading.person.name = person.name.trimmed();
    reading.birthDate = *birthDate;
    reading.yearStart = start;
    reading.year = *year;
    ChineseZodiacDescription(reading, year->element, year->animal);
    return reading;
}

void ChineseZodiacDescription(Reading &reading, const QString &element, const QString &animal)
{
    if (auto record = ChineseAnimalRecord::forAnimal(animal))
        reading.record = std::move(*record);
    if (auto description = ChineseAnimalRecord::elementDescription(element))
        reading.elementDescription = std::move(*description);
}

QString yearTitle(const Reading &reading)
{
    return QStringLiteral("Year of the %1 %2").arg(reading.year.element, reading.year.animal);
}

QString longDate(const QDate &date)
{
    return QLocale::c().toString(date, QStringLiteral("d MMMM yyyy"));
}

QString yearSpan(const Reading &reading)
{
    return longDate(reading.year.firstDay) + QStringLiteral(" \u2013 ") + longDate(reading.year.lastDay);
}

QString yearStartNote(YearStart start)
{
    return start == YearStart::StartOfSpring ? QStringLiteral("(year begins at the Start of Spring)")
                                             : QStringLiteral("(year begins at the Chinese New Year)");
}

QStringList savedFields(const Reading &reading)
{
    const QDate &date = reading.birthDate;
    QStringList fields = {reading.person.name, reading.person.sex == Sex::Male ? male : female,
                          QString::number(date.day()), calendar::monthNames().value(date.month() - 1),
                          QString::number(date.year())};
    if (reading.yearStart != YearStart::LunarNewYear)
        fields.append(yearStartKey(reading.yearStart));
    return fields;
}

Checked<Person> personFromSavedFields(const QStringList &fields)
{
    Person person;
    person.name = fields.value(0);
    const QString sex = fields.value(1);
    person.sex = sex == male ? Sex::Male : sex == female ? Sex::Female : Sex::None;
    person.birth = {listedNumber(fields.value(2)), calendar::monthNumber(fields.value(3)),
                    listedNumber(fields.value(4))};
    if (const Checked<QDate> birthDate = checkPerson(person); !birthDate)
        return birthDate.problem();
    return person;
}

YearStart savedYearStart(const QStringList &fields)
{
    return yearStartFromKey(fields.value(5).trimmed()).value_or(YearStart::LunarNewYear);
}

} // namespace chinese
