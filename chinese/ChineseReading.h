#pragma once

#include "chinese/BirthMoment.h"
#include "chinese/ChineseAnimalRecord.h"
#include "chinese/FourPillars.h"
#include "chinese/ChinesePerson.h"
#include "chinese/chinese_calendar.h"

#include <QDate>
#include <QString>

#include <optional>

namespace chinese {

// A checked reading, made by makeReading(): the person (name trimmed, a sex chosen), the birth
// date, the year start it was found by, the Chinese year holding the birth date, and that year's
// animal record and element paragraph. The result form keeps its own copy; the report and the
// saved file are made from it.
struct Reading
{
    Person person;
    QDate birthDate;
    YearStart yearStart = YearStart::LunarNewYear;
    NewYearRow year;              // its span, element and animal
    ChineseAnimalRecord record;   // of year.animal
    QString elementDescription;   // of year.element
    // The time and place of birth (its date is birthDate) and what they give, both set by
    // addFourPillars(); a reading without them has no pillars.
    BirthMoment birth;
    std::optional<FourPillars> pillars;
};

} // namespace chinese
