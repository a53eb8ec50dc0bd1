#pragma once

#include <QString>

// One line each on the "inner animal" (the animal of the month pillar: the private self) and
// the "secret animal" (the animal of the hour pillar: the self few people see).
namespace chinese {

// branch 0..11 (Rat..Pig); empty for any other number.
QString innerAnimalLine(int branch);
QString secretAnimalLine(int branch);

} // namespace chinese
