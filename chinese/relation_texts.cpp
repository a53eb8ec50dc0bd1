#include "chinese/relation_texts.h"

#include "common/date_text.h"

namespace chinese {

RelationText relationText(BranchRelation relation, Branch a, Branch b)
{
    const QString one = animalOfBranch(a);
    const QString other = animalOfBranch(b);
    switch (relation) {
    case BranchRelation::SameSign:
        return {QStringLiteral("Same Sign"), QStringLiteral("同生肖"),
                QStringLiteral("You were both born under the %1, so you understand each other's ways almost "
                               "without words. The risk is that you share the same weaknesses too, and neither of "
                               "you is there to balance them.").arg(one)};
    case BranchRelation::SixHarmony:
        return {QStringLiteral("Six Harmony"), QStringLiteral("六合"),
                QStringLiteral("The %1 and the %2 form one of the six secret friendships, the closest bond the "
                               "Chinese zodiac knows between two signs. You tend to support each other quietly and "
                               "to supply what the other lacks.").arg(one, other)};
    case BranchRelation::ThreeHarmony: {
        const QList<Branch> trine = trineOf(a);
        return {QStringLiteral("Three Harmony"), QStringLiteral("三合"),
                QStringLiteral("The %1 and the %2 belong to the same trine, that of the %3, %4 and %5, whose signs "
                               "share one outlook and pull in the same direction. You work well toward common goals "
                               "and trust each other's judgement.")
                    .arg(one, other, animalOfBranch(trine.value(0)), animalOfBranch(trine.value(1)),
                         animalOfBranch(trine.value(2)))};
    }
    case BranchRelation::Clash:
        return {QStringLiteral("Clash"), QStringLiteral("六冲"),
                QStringLiteral("The %1 and the %2 stand opposite each other on the zodiac wheel, the sharpest "
                               "conflict the tradition knows. Your natures pull in different directions, and "
                               "sharing a home or a task asks for real give and take.").arg(one, other)};
    case BranchRelation::Harm:
        return {QStringLiteral("Harm"), QStringLiteral("六害"),
                QStringLiteral("The %1 and the %2 form one of the six harms, a relation of hidden friction rather "
                               "than open conflict. Small slights and misunderstandings can pile up unnoticed "
                               "unless you talk things through.").arg(one, other)};
    case BranchRelation::Punishment:
        if (a == b) {
            return {QStringLiteral("Self-Punishment"), QStringLiteral("自刑"),
                    QStringLiteral("The %1 is one of the four signs that punish themselves, and two of them "
                                   "together can feed each other's worries and excesses. Give each other room, and "
                                   "do not let one bad mood become two.").arg(one)};
        }
        return {QStringLiteral("Punishment"), QStringLiteral("相刑"),
                QStringLiteral("The %1 and the %2 belong to one of the punishment groups, in which each tends to "
                               "test and provoke the other. Quarrels between you can turn stubborn, so fairness and "
                               "a sense of humour go a long way.").arg(one, other)};
    case BranchRelation::Break:
        return {QStringLiteral("Break"), QStringLiteral("相破"),
                QStringLiteral("The %1 and the %2 form one of the six breaks, a mild strain that tends to "
                               "interrupt shared plans rather than spoil them. Keep your agreements clear and see "
                               "them through.").arg(one, other)};
    }
    return {};
}

RelationText elementRelationText(const QString &first, const QString &second)
{
    const std::optional<ElementRelation> relation = elementRelation(first, second);
    if (!relation)
        return {};
    if (*relation == ElementRelation::Same) {
        return {QStringLiteral("Same Element"), QStringLiteral("比和"),
                QStringLiteral("You were both born in %1 years, so you share one temperament and recognise each "
                               "other's strengths at once. You may also compete on the same ground, so leave each "
                               "other a field of your own.").arg(first)};
    }
    const bool firstActs = *relation == ElementRelation::FirstGeneratesSecond
                           || *relation == ElementRelation::FirstControlsSecond;
    const QString actor = firstActs ? first : second;
    const QString other = firstActs ? second : first;
    const auto names = [&](QChar verb) { return QString(elementCharacter(actor)) + verb + elementCharacter(other); };
    if (*relation == ElementRelation::FirstGeneratesSecond || *relation == ElementRelation::SecondGeneratesFirst) {
        return {QStringLiteral("%1 Generates %2").arg(actor, other), names(u'生'),
                QStringLiteral("%1 feeds %2: the one born in the %1 year tends to nourish and encourage the one "
                               "born in the %2 year, and the giving comes naturally. See that the support flows "
                               "back now and then.").arg(actor, other)};
    }
    return {QStringLiteral("%1 Controls %2").arg(actor, other), names(u'克'),
            QStringLiteral("%1 holds %2 in check: the one born in the %1 year tends to restrain and steer the one "
                           "born in the %2 year. Used kindly this gives the pair direction; used carelessly it "
                           "feels like pressure.").arg(actor, other)};
}

RelationText outlookText(YearOutlook outlook, Branch person, Branch year)
{
    const QString animal = animalOfBranch(year);
    switch (outlook) {
    case YearOutlook::OwnYear:
        return {QStringLiteral("Own Year"), QStringLiteral("本命年"),
                QStringLiteral("This is your own animal's year. Tradition asks for care: keep to steady ground, "
                               "look after your health, and wear a little red for luck.")};
    case YearOutlook::Clash:
        return {QStringLiteral("Clash"), QStringLiteral("冲太岁"),
                QStringLiteral("The year of the %1 clashes with your sign. Expect changes and upheavals; avoid "
                               "needless risks and think twice before any big move.").arg(animal)};
    case YearOutlook::Punishment:
        return {QStringLiteral("Punishment"), QStringLiteral("刑太岁"),
                QStringLiteral("The year of the %1 and your sign punish each other. Guard against quarrels and "
                               "legal trouble, and keep your promises carefully.").arg(animal)};
    case YearOutlook::Harm:
        return {QStringLiteral("Harm"), QStringLiteral("害太岁"),
                QStringLiteral("The year of the %1 harms your sign. Hidden friction with others is likely; choose "
                               "your confidants well and let small slights pass.").arg(animal)};
    case YearOutlook::Break:
        return {QStringLiteral("Break"), QStringLiteral("破太岁"),
                QStringLiteral("The year of the %1 breaks with your sign. Plans may be interrupted or delayed; "
                               "finish what you start and put agreements in writing.").arg(animal)};
    case YearOutlook::Harmony:
        return {QStringLiteral("Harmony"), QStringLiteral("六合"),
                QStringLiteral("The year of the %1 is in harmony with your sign. Helpful people and good "
                               "partnerships come your way; a fine year to build something together.").arg(animal)};
    case YearOutlook::Trine: {
        const QList<Branch> trine = trineOf(person);
        return {QStringLiteral("Trine"), QStringLiteral("三合"),
                QStringLiteral("The year of the %1 belongs to your trine, that of the %2, %3 and %4. Your efforts "
                               "find support and work flows well; a good year to pursue your goals.")
                    .arg(animal, animalOfBranch(trine.value(0)), animalOfBranch(trine.value(1)),
                         animalOfBranch(trine.value(2)))};
    }
    case YearOutlook::None:
        return {QStringLiteral("No Relation"), QString(),
                QStringLiteral("The year of the %1 neither favours nor troubles your sign. What it brings rests on "
                               "your own effort.").arg(animal)};
    }
    return {};
}

QString yearAheadLine(const YearAhead &year, const QString &personAnimal)
{
    const std::optional<Branch> person = branchOfAnimal(personAnimal);
    const std::optional<Branch> animal = branchOfAnimal(year.animal);
    if (!person || !animal)
        return QString();
    const RelationText text = outlookText(year.outlook, *person, *animal);
    const QString name = text.chinese.isEmpty() ? text.english : QStringLiteral("%1 (%2)").arg(text.english, text.chinese);
    return QStringLiteral("%1 %2, %3: %4. %5")
        .arg(year.element, year.animal, dateText::span(year.firstDay, year.lastDay), name, text.explanation);
}

} // namespace chinese
