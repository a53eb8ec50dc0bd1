#include "chinese/element_relation.h"

#include <QStringList>

namespace chinese {

namespace {

// The generating cycle; each element controls the one two places further on.
const QStringList &generatingOrder()
{
    static const QStringList order = {QStringLiteral("Wood"), QStringLiteral("Fire"), QStringLiteral("Earth"),
                                      QStringLiteral("Metal"), QStringLiteral("Water")};
    return order;
}

QString stepsOn(const QString &element, int steps)
{
    const qsizetype index = generatingOrder().indexOf(element);
    if (index < 0)
        return QString();
    return generatingOrder().at((index + steps) % generatingOrder().size());
}

} // namespace

QString generatedBy(const QString &element)
{
    return stepsOn(element, 1);
}

QString controlledBy(const QString &element)
{
    return stepsOn(element, 2);
}

std::optional<ElementRelation> elementRelation(const QString &first, const QString &second)
{
    if (!generatingOrder().contains(first) || !generatingOrder().contains(second))
        return std::nullopt;
    if (first == second)
        return ElementRelation::Same;
    if (generatedBy(first) == second)
        return ElementRelation::FirstGeneratesSecond;
    if (generatedBy(second) == first)
        return ElementRelation::SecondGeneratesFirst;
    if (controlledBy(first) == second)
        return ElementRelation::FirstControlsSecond;
    return ElementRelation::SecondControlsFirst;
}

QChar elementCharacter(const QString &element)
{
    const qsizetype index = generatingOrder().indexOf(element);
    return index < 0 ? QChar() : QStringView(u"木火土金水").at(index);
}

QString elementRelationKey(ElementRelation relation)
{
    switch (relation) {
    case ElementRelation::Same:
        return QStringLiteral("same");
    case ElementRelation::FirstGeneratesSecond:
        return QStringLiteral("first-generates-second");
    case ElementRelation::SecondGeneratesFirst:
        return QStringLiteral("second-generates-first");
    case ElementRelation::FirstControlsSecond:
        return QStringLiteral("first-controls-second");
    case ElementRelation::SecondControlsFirst:
        return QStringLiteral("second-controls-first");
    }
    return QString();
}

} // namespace chinese
