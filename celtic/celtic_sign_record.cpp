#include "celtic/celtic_sign_record.h"

#include "common/content.h"

namespace {

struct ShortFields
{
    const char *sign;
    const char *gaelic;
    const char *birthstone;
    const char *planet;
    const char *keywords;
    const char *compatibility;
    const char *magic;
};

// Quoted as shown to the user; "Intuitive " and several compatibility sentences end in a blank.
constexpr ShortFields records[] = {
    {"Stag", "Damh", "Crystal", "The Sun", "Truthfulness, Dignity, Self- Reliance",
     "You are most compatible with salmon and adder. Other signs you get along well with are seal, goose and otter.",
     "Intuitive "},
    {"Crane", "Corr", "Peridot", "Uranus", "Unconventional, Secretive, Tolerant",
     "Bee and Swan signs are most compatible with you. Other compatible signs include Cat, Owl and Beer.",
     "Ability to perform magic"},
    {"Seal", "Ron", "Cora", "Neptune", "Emotional, Psychic, Spiritual",
     "Seal is most compatible with signs like Otter and Goose. You also get along with Adder, Salmon and Stag. ",
     "Interaction with Faeries"},
    {"Bear", "Art", "Ruby", "Mars", "Original, Self-Made, Instinctive",
     "You maintain good relationship with Crane, Bee and Swan. But the most compatible signs for you are Owl and Cat.",
     "Ability to go to the other world"},
    {"Adder", "Nathair", "Moonstone", "Moon", "Healing, Change, Vigorous",
     "You relate best to Stag and Salmon. Besides these two signs, you are compatible with Seal, Goose and Otter.",
     "Healing"},
    {"Bee", "Beach", "Topaz", "Vulcan", "Psychic, Helpful, Homely",
     "You maintain harmonious relation with Crane and Swan. Signs like Bear, Cat and Owl are also compatible with you. ",
     "Ability to predict"},
    {"Otter", "Dobhran", "Diamond", "Jupiter", "Intuitive, Imaginative, Support",
     "You connect best with signs like Goose and Seal. Other compatible signs include Salmon, Stag and Adder. ",
     "Shamanic Powers"},
    {"Cat", "Kati", "Red Carnelian", "Earth", "Artistic, Elegant, Dignified",
     "Though you are most compatible with Owl and Bear, Crane, Swan and Bee also get along well with you.",
     "Ability to interact with spirits and ghosts"},
    {"Salmon", "Bradan", "Amethyst", "Mercury", "Transformation, Intelligence, Motivation",
     "Otter, Seal and Goose signs are compatible with you. You are most suited for Adder and Stag. ",
     "Interaction with Faeries"},
    {"Swan", "Eala", "Emerald", "Venus", "Graceful, Loving, Beauty",
     "You are able to maintain congenial relation with Owl, Cat and Bear. However, you are most compatible with Crane and Bee.",
     "Interaction with Faeries"},
    {"Goose", "Geadh", "Opal", "Moon", "Endurance, Energy, Watchful",
     "You are most compatible with Seal and Otter. Besides, you can get along well with Stag, Salmon and Adder.",
     "Inner Guidance"},
    {"Owl", "Cailleach-oidhche", "Jasper", "Pluto", "Vision, Wisdom, Change",
     "You relate best with Cat and Bear signs. Bee, Swan and Crane are also compatible with you.",
     "Ability to hear unsaid things"},
    {"Raven", "Bran", "Lapis Lazuli", "Saturn", "Shrewd, Initiator, Intelligent",
     "You get along well with Seal and Salmon and also pretty well with Adder, Cat and Crane.",
     "Interaction with Faeries"},
    {"Wren", "Drui-en", "The Black Pearl", "The Universe", "Modesty, Shrewdness, Defensive",
     "Compatible with all signs", "Interaction with Faeries"},
};

} // namespace

std::optional<CelticSignRecord> CelticSignRecord::forSign(const QString &sign)
{
    for (const ShortFields &fields : records) {
        if (sign == QLatin1String(fields.sign)) {
            return CelticSignRecord{
                QString::fromLatin1(fields.sign),   QString::fromLatin1(fields.gaelic),
                QString::fromLatin1(fields.birthstone), QString::fromLatin1(fields.planet),
                QString::fromLatin1(fields.keywords), QString::fromLatin1(fields.compatibility),
                QString::fromLatin1(fields.magic),
                content::text(QStringLiteral("celtic/%1.txt").arg(sign.toLower()))};
        }
    }
    return std::nullopt;
}
