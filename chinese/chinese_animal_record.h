#pragma once

#include <QString>

#include <optional>

// The fixed record of one Chinese animal: the short attributes and the three long texts
// (content/chinese/<animal>_positive.txt, _negative.txt, _famous.txt).
struct ChineseAnimalRecord
{
    QString animal;
    QString rulingPlanet;
    QString mostCompatible;    // names joined by ", "
    QString leastCompatible;
    QString luckyColour;
    QString gemStone;
    QString energy;
    QString luckySeason;
    QString luckyMonth;
    QString positiveTraits;
    QString negativeTraits;
    QString famousPersons;     // names joined by ", "

    // The record of the animal named exactly so ("Rat" .. "Pig"), or nothing.
    static std::optional<ChineseAnimalRecord> forAnimal(const QString &animal);

    // The paragraph of the element named exactly so ("Metal", "Water", "Wood", "Fire", "Earth").
    static std::optional<QString> elementDescription(const QString &element);
};
