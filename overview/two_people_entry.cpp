#include "overview/two_people_entry.h"

#include "common/calendar_lists.h"
#include "overview/two_people.h"

#include <array>

namespace overview {

QString personTitle(int person)
{
    return person == 0 ? QStringLiteral("First Person") : QStringLiteral("Second Person");
}

std::optional<TwoPeople> matchEntries(const PersonEntry &first, const PersonEntry &second, chinese::YearStart start,
                                      EntryProblem *problem, chinese::Tradition tradition)
{
    const auto fail = [problem](int person, InputProblem found) {
        if (problem)
            *problem = {person, found};
        return std::nullopt;
    };
    const std::array<const PersonEntry *, 2> entries = {&first, &second};
    std::array<QDate, 2> dates;
    for (int person = 0; person < 2; ++person) {
        if (entries[person]->name.trimmed().isEmpty())
            return fail(person, InputProblem::NameMissing);
        const Checked<QDate> date = calendar::birthDate(entries[person]->birth, twoPeopleFirstYear, twoPeopleLastYear);
        if (!date)
            return fail(person, date.problem());
        dates[person] = *date;
    }
    TwoPeopleProblem found = TwoPeopleProblem::None;
    std::optional<TwoPeople> match = twoPeople(first.name, dates[0], second.name, dates[1], start, &found, tradition);
    if (!match)   // a date the year table does not hold
        return fail(found == TwoPeopleProblem::SecondDate ? 1 : 0, InputProblem::YearOutOfRange);
    if (problem)
        *problem = {};
    return match;
}

QString entryMessage(const EntryProblem &problem)
{
    return QStringLiteral("%1: %2").arg(personTitle(problem.person),
                                        inputProblem::message(problem.problem, QStringLiteral("Two People"),
                                                              twoPeopleFirstYear, twoPeopleLastYear));
}

} // namespace overview
