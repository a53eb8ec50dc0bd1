#include "chinese/years_ahead.h"


namespace chinese {

YearOutlook yearOutlook(Branch person, Branch year)
{
    if (person == year)
        return YearOutlook::OwnYear;
    const struct
    {
        BranchRelation relation;
        YearOutlook outlook;
    } order[] = {
        {BranchRelation::Clash, YearOutlook::Clash},     {BranchRelation::Punishment, YearOutlook::Punishment},
        {BranchRelation::Harm, YearOutlook::Harm},       {BranchRelation::Break, YearOutlook::Break},
        {BranchRelation::SixHarmony, YearOutlook::Harmony}, {BranchRelation::ThreeHarmony, YearOutlook::Trine},
    };
    for (const auto &step : order) {
        if (holds(step.relation, person, year))
            return step.outlook;
    }
    return YearOutlook::None;
}

QList<YearAhead> yearsAhead(const QString &animal, const QDate &from, YearStart start, int count, Tradition tradition)
{
    const std::optional<Branch> person = branchOfAnimal(animal);
    if (!person)
        return {};
    QList<YearAhead> years;
    for (QDate day = from; years.size() < count;) {
        const std::optional<NewYearRow> row = findNewYear(day, start, tradition);
        if (!row)   // past the last year the tables hold, or before the first
            break;
        const std::optional<Branch> year = branchOfAnimal(row->animal);
        years.append({row->firstDay, row->lastDay, row->element, row->animal,
                      year ? yearOutlook(*person, *year) : YearOutlook::None});
        day = row->lastDay.addDays(1);
    }
    return years;
}

} // namespace chinese
