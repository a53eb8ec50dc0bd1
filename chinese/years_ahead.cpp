#include "chinese/years_ahead.h"

#include <algorithm>

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

QList<YearAhead> yearsAhead(const QString &animal, const QDate &from, YearStart start, int count)
{
    const std::optional<Branch> person = branchOfAnimal(animal);
    if (!person || !findNewYear(from, start))
        return {};
    const QList<NewYearRow> &table = newYearTable(start);
    auto row = std::find_if(table.cbegin(), table.cend(), [&](const NewYearRow &r) { return r.lastDay >= from; });
    QList<YearAhead> years;
    for (; row != table.cend() && years.size() < count; ++row) {
        const std::optional<Branch> year = branchOfAnimal(row->animal);
        years.append({row->firstDay, row->lastDay, row->element, row->animal,
                      year ? yearOutlook(*person, *year) : YearOutlook::None});
    }
    return years;
}

} // namespace chinese
