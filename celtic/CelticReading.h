#pragma once

#include "celtic/CelticPerson.h"
#include "celtic/CelticSignRecord.h"

#include <QDate>

namespace celtic {

// A checked reading, made by makeReading(): the person, the birth date and the record of the
// sign the date falls in. The result form keeps its own copy; the report is made from it.
struct Reading
{
    Person person;
    QDate birthDate;
    CelticSignRecord record;
    int picture = 0;   // 1-based, as picturePath() takes it; 0 in an empty reading
};

} // namespace celtic
