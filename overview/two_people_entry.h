#pragma once

#include "common/input_problem.h"
#include "overview/two_people.h"

#include <QString>

#include <optional>

// What the Two People window takes from its entries, and the checks it runs on them.
namespace overview {

// The birth years the window offers: those of the Chinese year table.
inline constexpr int twoPeopleFirstYear = 1900;
inline constexpr int twoPeopleLastYear = 2100;

// One person as the window holds them, before the entries are known to be sound.
struct PersonEntry
{
    QString name;
    BirthEntry birth;
};

// Which person a problem is about (0 the first, 1 the second) and what it is.
struct EntryProblem
{
    int person = 0;
    InputProblem problem = InputProblem::None;
};

// "First Person", "Second Person": the window's names for the two.
QString personTitle(int person);

// The match of the two entries, each year beginning as start says; or nothing, with the first
// problem in *problem when given, in the order of the window: the first person's name, then
// birth date, then the second person's. A name of blanks is missing.
std::optional<TwoPeople> matchEntries(const PersonEntry &first, const PersonEntry &second, chinese::YearStart start,
                                      EntryProblem *problem = nullptr,
                                      chinese::Tradition tradition = chinese::Tradition::China);

// The program's message for the problem, after the name of the person it is about:
// "Second Person: Please Enter Your Name".
QString entryMessage(const EntryProblem &problem);

} // namespace overview
