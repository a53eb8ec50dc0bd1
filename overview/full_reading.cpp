#include "overview/full_reading.h"

#include "celtic/celtic_input.h"
#include "celtic/celtic_reading.h"
#include "chinese/chinese_zodiac.h"
#include "common/input_problem.h"
#include "forms/dialog_service.h"
#include "overview/frmAllFourSignsDisplay.h"

namespace fullReading {
namespace {

BirthEntry entryOf(const QDate &date)
{
    return {date.day(), date.month(), date.year()};
}

} // namespace

std::pair<QString, QString> celticNames(const QString &name)
{
    const QString typed = celtic::finishedName(name).simplified();
    const qsizetype blank = typed.lastIndexOf(QLatin1Char(' '));
    if (blank < 0)
        return {typed, QString()};
    return {typed.left(blank), typed.mid(blank + 1)};
}

celtic::Person celticPerson(const Person &person)
{
    const auto [first, last] = celticNames(person.name);
    celtic::Person celticPerson;
    celticPerson.firstName = first;
    celticPerson.lastName = last;
    celticPerson.birth = entryOf(person.birthDate);
    return celticPerson;
}

chinese::Person chinesePerson(const Person &person)
{
    chinese::Person chinesePerson;
    chinesePerson.name = person.name;
    // Without a sex the form's own check asks for it; everything else is filled in already.
    chinesePerson.sex = person.sex == QLatin1String("Male")     ? chinese::Sex::Male
                        : person.sex == QLatin1String("Female") ? chinese::Sex::Female
                                                                : chinese::Sex::None;
    chinesePerson.birth = entryOf(person.birthDate);
    return chinesePerson;
}

mayan::Person mayanPerson(const Person &person)
{
    return {person.name, entryOf(person.birthDate)};
}

australian::Person australianPerson(const Person &person)
{
    return {person.name, person.birthDate.month()};
}

bool coversBirthYear(int tile, const Person &person, QWidget *parent)
{
    struct Range
    {
        const char *system;
        int firstYear;
        int lastYear;
    };
    Range range{nullptr, 0, 0};
    switch (tile) {
    case frmAllFourSignsDisplay::Celtic:
        range = {"Celtic Animal Birth Sign", celtic::FirstYear, celtic::LastYear};
        break;
    case frmAllFourSignsDisplay::Chinese:
        range = {"Chinese Zodiac", chinese::FirstYear, chinese::LastYear};
        break;
    case frmAllFourSignsDisplay::Mayan:
        range = {"Mayan Animal Sign", mayan::FirstYear, mayan::LastYear};
        break;
    default:   // the Australian sign needs the month only
        return true;
    }
    const int year = person.birthDate.year();
    if (year >= range.firstYear && year <= range.lastYear)
        return true;
    showMessage(parent, inputProblem::message(InputProblem::YearOutOfRange, QLatin1String(range.system), range.firstYear,
                                              range.lastYear));
    return false;
}

} // namespace fullReading
