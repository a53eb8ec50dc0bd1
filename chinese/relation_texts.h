#pragma once

#include "chinese/branch_relations.h"
#include "chinese/element_relation.h"
#include "chinese/years_ahead.h"

#include <QString>

// What the readings say about a relation between two signs, two elements, or a person's sign and
// a coming year.
namespace chinese {

struct RelationText
{
    QString english;       // "Six Harmony"
    QString chinese;       // "六合"; empty where the tradition has no name (a year of no relation)
    QString explanation;   // one or two sentences
};

// A relation between two people's signs a and b, said to both of them ("you").
RelationText relationText(BranchRelation relation, Branch a, Branch b);

// The elements of two people's years ("Wood", "Fire", ... as elementNames() spells them); empty
// texts when either is no element.
RelationText elementRelationText(const QString &first, const QString &second);

// A coming year of the animal `year` for a person of the animal `person`, said to that person.
RelationText outlookText(YearOutlook outlook, Branch person, Branch year);

// One line for a coming year:
// "Fire Horse, 2/17/2026 – 2/5/2027: Own Year (本命年). This is your own ...", the days in
// the style of the birth date (dateText::span)
// Empty for an unknown animal.
QString yearAheadLine(const YearAhead &year, const QString &personAnimal);

} // namespace chinese
