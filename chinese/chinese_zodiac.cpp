#include "chinese/chinese_zodiac.h"

#include "chinese/ChineseAnimalRecord.h"
#include "chinese/ChineseReading.h"
#include "chinese/chinese_calendar.h"
#include "chinese/year_start.h"
#include "common/calendar_lists.h"

#include <QLocale>

namespace chinese {

InputProblem checkInput(const QString &name, bool male, bool female, int day, int month, int year)
{
    if (name.trimmed().isEmpty())
        return InputProblem::NameMissing;
    if (!male && !female)
        return InputProblem::SexMissing;
    switch (calendar::checkDate(day, month, year)) {
    case calendar::DateCheck::BadFebruary: return InputProblem::BadFebruary;
    case calendar::DateCheck::BadThirtyFirst: return InputProblem::BadThirtyFirst;
    case calendar::DateCheck::Valid: break;
    }
    return InputProblem::None;
}

void ChineseZodiacDescription(ChineseReading &reading, const QString &element, const QString &animal)
{
    if (const auto record = ChineseAnimalRecord::forAnimal(animal)) {
        reading.animal = animal;
        reading.element = element;
        reading.rulingPlanet = record->rulingPlanet;
        reading.positiveTraits = record->positiveTraits;
        reading.negativeTraits = record->negativeTraits;
        reading.mostCompatible = record->mostCompatible;
        reading.leastCompatible = record->leastCompatible;
        reading.luckyColour = record->luckyColour;
        reading.gemStone = record->gemStone;
        reading.energy = record->energy;
        reading.luckySeason = record->luckySeason;
        reading.luckyMonth = record->luckyMonth;
        reading.famousPersons = record->famousPersons;
    }
    if (const auto description = ChineseAnimalRecord::elementDescription(element))
        reading.elementDescription = *description;
}

bool fillReading(ChineseReading &reading, const QString &name, bool male, const QString &dayText,
                 const QString &monthText, const QString &yearText, YearStart start)
{
    const QString day = dayText.trimmed();
    const QString month = monthText.trimmed();
    const QString year = yearText.trimmed();
    const QDate birthDate(year.toInt(), calendar::monthNumber(month), day.toInt());
    const auto row = findNewYear(birthDate, start);
    if (!row)
        return false;
    reading.name = name.trimmed();
    reading.sex = male ? QStringLiteral("Male") : QStringLiteral("Female");
    reading.day = day;
    reading.month = month;
    reading.year = year;
    reading.birthDate = birthDate;
    reading.yearStart = start;
    reading.firstDay = row->firstDay;
    reading.lastDay = row->lastDay;
    reading.element = row->element;
    reading.animal = row->animal;
    ChineseZodiacDescription(reading, reading.element, reading.animal);
    return true;
}

QString yearTitle(const ChineseReading &reading)
{
    return QStringLiteral("Year of the %1 %2").arg(reading.element, reading.animal);
}

QString longDate(const QDate &date)
{
    return QLocale::c().toString(date, QStringLiteral("d MMMM yyyy"));
}

QString yearSpan(const ChineseReading &reading)
{
    return longDate(reading.firstDay) + QStringLiteral(" \u2013 ") + longDate(reading.lastDay);
}

QString yearStartNote(YearStart start)
{
    return start == YearStart::StartOfSpring ? QStringLiteral("(year begins at the Start of Spring)")
                                             : QStringLiteral("(year begins at the Chinese New Year)");
}

QStringList savedFields(const ChineseReading &reading)
{
    QStringList fields = {reading.name, reading.sex, reading.day, reading.month, reading.year};
    if (reading.yearStart != YearStart::LunarNewYear)
        fields.append(yearStartKey(reading.yearStart));
    return fields;
}

YearStart savedYearStart(const QStringList &fields)
{
    return yearStartFromKey(fields.value(5).trimmed()).value_or(YearStart::LunarNewYear);
}

} // namespace chinese
