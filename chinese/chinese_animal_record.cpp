#include "chinese/chinese_animal_record.h"

#include "common/content.h"

namespace {

struct ShortFields
{
    const char *animal;
    const char *rulingPlanet;
    const char *mostCompatible;
    const char *leastCompatible;
    const char *luckyColour;
    const char *gemStone;
    const char *energy;   // the wording differs from animal to animal and is shown as it stands
    const char *luckySeason;
    const char *luckyMonth;
};

constexpr ShortFields records[] = {
    {"Rat", "Jupiter", "Dragon, Monkey", "Horse", "Light Blue", "Carbuncle, Red Garnet", "Yin (positive)", "Winter", "December"},
    {"Ox", "Saturn", "Snake, Rooster", "Goat", "Violet", "White Onyx", "Yin (positive)", "End of Winter", "January"},
    {"Tiger", "Uranus", "Horse, Dog", "Monkey", "Green", "Sapphire", "Yang (Negative)", "Early Spring", "February"},
    {"Rabbit", "Jupiter", "Goat, Pig", "Rooster", "Pale Green", "Chrysolite", "Yin (positive)", "Mid Spring", "March"},
    {"Dragon", "Mars", "Rat, Monkey", "Dog", "Turquoise", "Amethyst", "Yang (Negative)", "End of Spring", "April"},
    {"Snake", "Venus", "Ox, Rooster", "Tiger, Pig", "Red", "Mossagate", "Yin (Positive Energy)", "Early Summer", "May"},
    {"Horse", "Mercury", "Tiger, Dog", "Rat", "Orange", "Beryl", "Yang (Negative)", "Mid Summer", "June"},
    {"Goat", "Moon", "Rabbit, Pig", "Ox", "Pink, Purple", "Emerald", "Yin (Positive)", "End of Summer", "July"},
    {"Monkey", "Sun", "Rat, Dragon", "Tiger", "Yellow, Gold", "Emerald", "Yang (Negative)", "Early Autumn", "August"},
    {"Rooster", "Mercury", "Ox, Dragon, Snake", "Rabbit", "Peach, Apricot", "Pin Jasper", "Yin (Positive)", "Mid Autumn", "September"},
    {"Dog", "Venus", "Tiger, Horse", "Dragon", "Pale Yellow", "Diamond", "Yang (Negative)", "Winter", "October"},
    {"Pig", "Mars", "Rabbit, Goat", "Snake", "Dark Blue", "Topaz", "Yin (Positive)", "Early Winter", "October"},
};

QString longText(const QString &animal, const char *part)
{
    return content::text(QStringLiteral("chinese/%1_%2.txt").arg(animal.toLower(), QLatin1String(part)));
}

} // namespace

std::optional<ChineseAnimalRecord> ChineseAnimalRecord::forAnimal(const QString &animal)
{
    for (const ShortFields &fields : records) {
        if (animal != QLatin1String(fields.animal))
            continue;
        ChineseAnimalRecord record;
        record.animal = animal;
        record.rulingPlanet = QString::fromLatin1(fields.rulingPlanet);
        record.mostCompatible = QString::fromLatin1(fields.mostCompatible);
        record.leastCompatible = QString::fromLatin1(fields.leastCompatible);
        record.luckyColour = QString::fromLatin1(fields.luckyColour);
        record.gemStone = QString::fromLatin1(fields.gemStone);
        record.energy = QString::fromLatin1(fields.energy);
        record.luckySeason = QString::fromLatin1(fields.luckySeason);
        record.luckyMonth = QString::fromLatin1(fields.luckyMonth);
        record.positiveTraits = longText(animal, "positive");
        record.negativeTraits = longText(animal, "negative");
        record.famousPersons = longText(animal, "famous");
        return record;
    }
    return std::nullopt;
}

std::optional<QString> ChineseAnimalRecord::elementDescription(const QString &element)
{
    for (const char *name : {"Metal", "Water", "Wood", "Fire", "Earth"}) {
        if (element == QLatin1String(name))
            return content::text(QStringLiteral("chinese/element_%1.txt").arg(element.toLower()));
    }
    return std::nullopt;
}
