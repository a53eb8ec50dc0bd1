#pragma once

#include "common/input_problem.h"

#include <QString>

namespace chinese {

enum class Sex { None, Male, Female };

// Whom a Chinese reading is for, as the input form holds it: nothing is checked yet.
struct Person
{
    QString name;
    Sex sex = Sex::None;
    BirthEntry birth;
};

} // namespace chinese
