#pragma once

#include <QChar>
#include <QString>

#include <optional>

// How the elements of two Chinese years stand to each other. Each element generates the next in
// Wood -> Fire -> Earth -> Metal -> Water -> Wood and controls the one after that
// (Wood -> Earth -> Water -> Fire -> Metal -> Wood), so two different elements are always joined
// in exactly one of the two ways, in one direction.
namespace chinese {

enum class ElementRelation {
    Same,
    FirstGeneratesSecond,
    SecondGeneratesFirst,
    FirstControlsSecond,
    SecondControlsFirst,
};

// The relation of the first element to the second, named as elementNames() spells them
// ("Wood", "Fire", ...); nothing when either is no element.
std::optional<ElementRelation> elementRelation(const QString &first, const QString &second);

// The element that element generates, and the one it controls; empty for no element.
QString generatedBy(const QString &element);
QString controlledBy(const QString &element);

// 木 火 土 金 水; a null QChar for no element.
QChar elementCharacter(const QString &element);

// "same", "first-generates-second", "second-generates-first", "first-controls-second",
// "second-controls-first": the words the command line prints.
QString elementRelationKey(ElementRelation relation);

} // namespace chinese
