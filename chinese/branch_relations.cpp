#include "chinese/branch_relations.h"

#include "chinese/calendar/chinese_calendar.h"

#include <QStringView>

#include <initializer_list>

namespace chinese {

namespace {

constexpr QStringView branchCharacters = u"子丑寅卯辰巳午未申酉戌亥";

// Each relation is a list of groups of branches written with their characters: two branches are
// related when one group holds both. A group of one branch relates that branch to itself.
using Groups = std::initializer_list<QStringView>;

const Groups sixHarmonies = {u"子丑", u"寅亥", u"卯戌", u"辰酉", u"巳申", u"午未"};
const Groups trines = {u"申子辰", u"寅午戌", u"巳酉丑", u"亥卯未"};
const Groups clashes = {u"子午", u"丑未", u"寅申", u"卯酉", u"辰戌", u"巳亥"};
const Groups harms = {u"子未", u"丑午", u"寅巳", u"卯辰", u"申亥", u"酉戌"};
const Groups punishments = {u"寅巳申", u"丑戌未", u"子卯", u"辰", u"午", u"酉", u"亥"};
const Groups breaks = {u"子酉", u"卯午", u"辰丑", u"未戌", u"寅亥", u"巳申"};

bool inOneGroup(const Groups &groups, Branch a, Branch b)
{
    const QChar first = branchCharacter(a);
    const QChar second = branchCharacter(b);
    for (const QStringView group : groups) {
        if (a == b && group.size() != 1)
            continue;
        if (group.contains(first) && group.contains(second))
            return true;
    }
    return false;
}

} // namespace

std::optional<Branch> branchOfAnimal(const QString &animal)
{
    const qsizetype index = animalNames().indexOf(animal);
    if (index < 0)
        return std::nullopt;
    return static_cast<Branch>(index);
}

QString animalOfBranch(Branch branch)
{
    return animalNames().at(static_cast<int>(branch));
}

QChar branchCharacter(Branch branch)
{
    return branchCharacters.at(static_cast<int>(branch));
}

Branch branchAt(int position)
{
    return static_cast<Branch>(((position % branchCount) + branchCount) % branchCount);
}

bool holds(BranchRelation relation, Branch a, Branch b)
{
    switch (relation) {
    case BranchRelation::SameSign:
        return a == b;
    case BranchRelation::SixHarmony:
        return inOneGroup(sixHarmonies, a, b);
    case BranchRelation::ThreeHarmony:
        return a != b && inOneGroup(trines, a, b);
    case BranchRelation::Clash:
        return inOneGroup(clashes, a, b);
    case BranchRelation::Harm:
        return inOneGroup(harms, a, b);
    case BranchRelation::Punishment:
        return inOneGroup(punishments, a, b);
    case BranchRelation::Break:
        return inOneGroup(breaks, a, b);
    }
    return false;
}

QList<BranchRelation> branchRelations(Branch a, Branch b)
{
    QList<BranchRelation> found;
    for (const BranchRelation relation : {BranchRelation::SameSign, BranchRelation::SixHarmony,
                                          BranchRelation::ThreeHarmony, BranchRelation::Clash, BranchRelation::Harm,
                                          BranchRelation::Punishment, BranchRelation::Break}) {
        if (holds(relation, a, b))
            found.append(relation);
    }
    return found;
}

QList<Branch> trineOf(Branch a)
{
    for (const QStringView trine : trines) {
        if (!trine.contains(branchCharacter(a)))
            continue;
        QList<Branch> members;
        for (const QChar c : trine)
            members.append(static_cast<Branch>(branchCharacters.indexOf(c)));
        return members;
    }
    return {a};
}

QString relationKey(BranchRelation relation)
{
    switch (relation) {
    case BranchRelation::SameSign:
        return QStringLiteral("same-sign");
    case BranchRelation::SixHarmony:
        return QStringLiteral("six-harmony");
    case BranchRelation::ThreeHarmony:
        return QStringLiteral("three-harmony");
    case BranchRelation::Clash:
        return QStringLiteral("clash");
    case BranchRelation::Harm:
        return QStringLiteral("harm");
    case BranchRelation::Punishment:
        return QStringLiteral("punishment");
    case BranchRelation::Break:
        return QStringLiteral("break");
    }
    return QString();
}

} // namespace chinese
