#pragma once

#include "common/input_problem.h"

#include <QString>

namespace celtic {

// Whom a Celtic reading is for, as the input form holds it: nothing is checked yet. The middle
// name is optional and never checked.
struct Person
{
    QString firstName;
    QString lastName;
    BirthEntry birth;
    QString middleName;
};

} // namespace celtic
