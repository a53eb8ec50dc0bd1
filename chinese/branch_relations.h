#pragma once

#include <QChar>
#include <QList>
#include <QString>

#include <optional>

// The twelve earthly branches (the animals of the Chinese years) and the fixed relations the
// tradition sees between two of them. Every relation here is mutual: what holds between a and b
// holds between b and a.
namespace chinese {

// In cycle order, as animalNames() lists them: 子 Rat .. 亥 Pig.
enum class Branch { Rat, Ox, Tiger, Rabbit, Dragon, Snake, Horse, Goat, Monkey, Rooster, Dog, Pig };

inline constexpr int branchCount = 12;

// In the order the tradition weighs them: the bond of one sign, the favourable harmonies, then
// the unfavourable relations from the gravest to the mildest.
enum class BranchRelation { SameSign, SixHarmony, ThreeHarmony, Clash, Harm, Punishment, Break };

// The branch of an animal named exactly as animalNames() spells it ("Rat" .. "Pig"), or nothing.
std::optional<Branch> branchOfAnimal(const QString &animal);
// "Rat" .. "Pig".
QString animalOfBranch(Branch branch);
// 子 .. 亥.
QChar branchCharacter(Branch branch);
// The branch at position 0..11 of the cycle, counted on past the ends (12 is the Rat again).
Branch branchAt(int position);

// Every relation between a and b, in the order of BranchRelation; empty when there is none.
QList<BranchRelation> branchRelations(Branch a, Branch b);
bool holds(BranchRelation relation, Branch a, Branch b);

// The three branches of a's trine (三合) in the order the tradition names them (申子辰: Monkey,
// Rat, Dragon); a is one of them.
QList<Branch> trineOf(Branch a);

// "same-sign", "six-harmony", "three-harmony", "clash", "harm", "punishment", "break": the words
// the command line prints.
QString relationKey(BranchRelation relation);

} // namespace chinese
