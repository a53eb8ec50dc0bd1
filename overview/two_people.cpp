#include "overview/two_people.h"

namespace overview {

using chinese::Branch;
using chinese::BranchRelation;

namespace {

std::optional<TwoPeople::Person> person(const QString &name, const QDate &birthDate, chinese::YearStart start,
                                        chinese::Tradition tradition)
{
    const std::optional<chinese::NewYearRow> year = chinese::findNewYear(birthDate, start, tradition);
    if (!year)
        return std::nullopt;
    return TwoPeople::Person{name.trimmed(), birthDate, year->element, year->animal, year->firstDay, year->lastDay,
                             chinese::traditionAnimal(tradition, year->animal),
                             chinese::nativeAnimalName(tradition, year->animal)};
}

// "the clash", "the punishment and the break", "the clash, the harm and the break"
QString listed(const QList<BranchRelation> &relations, Branch a, Branch b)
{
    QStringList names;
    for (const BranchRelation relation : relations)
        names << QStringLiteral("the ") + chinese::relationText(relation, a, b).english.toLower();
    if (names.size() < 2)
        return names.join(QString());
    const QString last = names.takeLast();
    return names.join(QStringLiteral(", ")) + QStringLiteral(" and ") + last;
}

} // namespace

std::optional<TwoPeople> twoPeople(const QString &firstName, const QDate &firstBirthDate, const QString &secondName,
                                   const QDate &secondBirthDate, chinese::YearStart start, TwoPeopleProblem *problem,
                                   chinese::Tradition tradition)
{
    const auto fail = [problem](TwoPeopleProblem found) {
        if (problem)
            *problem = found;
        return std::nullopt;
    };
    const std::optional<TwoPeople::Person> first = person(firstName, firstBirthDate, start, tradition);
    if (!first)
        return fail(TwoPeopleProblem::FirstDate);
    const std::optional<TwoPeople::Person> second = person(secondName, secondBirthDate, start, tradition);
    if (!second)
        return fail(TwoPeopleProblem::SecondDate);
    const std::optional<Branch> a = chinese::branchOfAnimal(first->animal);
    const std::optional<Branch> b = chinese::branchOfAnimal(second->animal);
    const std::optional<chinese::ElementRelation> elements = chinese::elementRelation(first->element, second->element);
    // The year table names only known animals and elements; the first date stands for a broken table.
    if (!a || !b || !elements)
        return fail(TwoPeopleProblem::FirstDate);

    if (problem)
        *problem = TwoPeopleProblem::None;
    TwoPeople match;
    match.first = *first;
    match.second = *second;
    match.yearStart = start;
    match.tradition = tradition;
    match.relations = chinese::branchRelations(*a, *b);
    match.elements = *elements;
    match.summary = chinese::inTraditionWords(tradition, matchSummary(match.relations, *a, *b));
    return match;
}

QList<chinese::RelationText> relationTexts(const TwoPeople &match)
{
    const std::optional<Branch> a = chinese::branchOfAnimal(match.first.animal);
    const std::optional<Branch> b = chinese::branchOfAnimal(match.second.animal);
    QList<chinese::RelationText> texts;
    if (!a || !b)
        return texts;
    for (const BranchRelation relation : match.relations)
        texts << chinese::relationText(relation, *a, *b);
    for (chinese::RelationText &text : texts)
        text.explanation = chinese::inTraditionWords(match.tradition, text.explanation);
    return texts;
}

chinese::RelationText elementsText(const TwoPeople &match)
{
    return chinese::elementRelationText(match.first.element, match.second.element);
}

QString matchSummary(const QList<BranchRelation> &relations, Branch a, Branch b)
{
    QList<BranchRelation> favourable;
    QList<BranchRelation> against;
    for (const BranchRelation relation : relations) {
        if (relation == BranchRelation::SixHarmony || relation == BranchRelation::ThreeHarmony)
            favourable << relation;
        else if (relation != BranchRelation::SameSign)
            against << relation;
    }
    const QString pair = QStringLiteral("the %1 and the %2").arg(chinese::animalOfBranch(a), chinese::animalOfBranch(b));

    if (!favourable.isEmpty()) {
        const QString lead = listed({favourable.constFirst()}, a, b);
        if (against.isEmpty()) {
            return QStringLiteral("Favourable: %1 between %2 is a bond the tradition values highly, and nothing "
                                  "stands against it.").arg(lead, pair);
        }
        return QStringLiteral("On balance favourable: %1 between %2 outweighs %3, which %4 for patience rather "
                              "than worry.")
            .arg(lead, pair, listed(against, a, b), against.size() == 1 ? QStringLiteral("asks") : QStringLiteral("ask"));
    }
    if (relations.contains(BranchRelation::SameSign)) {
        const QString animal = chinese::animalOfBranch(a);
        if (against.isEmpty()) {
            return QStringLiteral("Kindred: both born under the %1, you see the world alike; the tradition neither "
                                  "praises nor warns against the match.").arg(animal);
        }
        return QStringLiteral("Kindred but testing: both born under the %1, you see the world alike, but %2 can "
                              "sharpen each other's faults.").arg(animal, listed(against, a, b));
    }
    if (!against.isEmpty()) {
        const QString lead = listed({against.takeFirst()}, a, b);
        QString heavier;
        if (!against.isEmpty()) {
            heavier = QStringLiteral(", and %1 %2 to it")
                          .arg(listed(against, a, b), against.size() == 1 ? QStringLiteral("adds") : QStringLiteral("add"));
        }
        return QStringLiteral("Unfavourable: %1 between %2 weighs on this match%3; it can work, but it asks for "
                              "more patience than most.").arg(lead, pair, heavier);
    }
    return QStringLiteral("Neutral: the tradition sees neither a bond nor a conflict between %1; the match rests on "
                          "the two people themselves.").arg(pair);
}

} // namespace overview
