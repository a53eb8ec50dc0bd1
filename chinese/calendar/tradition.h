#pragma once

#include "chinese/calendar/stem_branch.h"

#include <QList>
#include <QString>

#include <optional>

// The four ways of counting the twelve animal years. The animals are the same, but Vietnam
// counts the Cat for the Rabbit and the Water Buffalo for the Ox, Japan the Wild Boar for the
// Pig; Vietnam and Korea keep the lunar calendar for their own meridian, so their new year and
// lunar dates can fall a day (once a month) apart from China's; Japan has begun the year of
// the animal on 1 January since 1873. Animals are named inside the program as China names them
// ("Rabbit"); these functions give what a tradition calls them.
namespace chinese {

enum class YearStart;

enum class Tradition { China, Vietnam, Korea, Japan };

// China, Vietnam, Korea, Japan: the order the choices are offered in.
const QList<Tradition> &allTraditions();

// "china", "vietnam", "korea", "japan": the words the command line takes and JSON and the
// settings and saved readings keep.
QString traditionKey(Tradition tradition);
std::optional<Tradition> traditionFromKey(const QString &key);
// "China", "Vietnam", "Korea", "Japan"
QString traditionName(Tradition tradition);

// The tradition chosen last on the Chinese input form; China until one is chosen.
Tradition preferredTradition();
void setPreferredTradition(Tradition tradition);

// The animal ("Rabbit" .. as animalNames() spells it) as the tradition calls it in English:
// "Cat" in Vietnam. Any other name comes back as it is.
QString traditionAnimal(Tradition tradition, const QString &animal);
// The year's element and animal as the tradition says them: "Wood Cat", "Wood Buffalo" (the
// Water Buffalo with an element), "Fire Wild Boar", "Wood Rat".
QString yearName(Tradition tradition, const QString &element, const QString &animal);
// A text about the animals with each named as the tradition names it ("the Ox and the Rabbit"
// becomes "the Water Buffalo and the Cat" in Vietnam); whole words only.
QString inTraditionWords(Tradition tradition, const QString &text);
// Its name in the tradition's language: "Mão", "토끼 卯", "卯 う", "兔"; empty for an unknown animal.
QString nativeAnimalName(Tradition tradition, const QString &animal);
// The year of that element and animal by its stem and branch in the tradition's language:
// "Quý Sửu", "계축년 (癸丑年)", "癸丑 (みずのとうし)", "癸丑"; empty for an unknown element or animal.
// It tells the Water Buffalo's year from the Buffalo's, which yearName() cannot.
QString nativeYearName(Tradition tradition, const QString &element, const QString &animal);
// "Yin Wood Cat": a pillar's stem and branch in the tradition's English words.
QString pillarEnglish(Tradition tradition, const StemBranch &pillar);
// "Chinese year", "Vietnamese year", "Korean year", "Japanese year": a year of its calendar.
QString calendarYearWords(Tradition tradition);
// The resource path of the picture for that animal in that tradition (the Cat's in Vietnam),
// the Chinese animal's where the tradition's own is not there.
QString traditionPicturePath(Tradition tradition, const QString &animal);
// The name of the texts of that animal in that tradition ("cat" in content/chinese/cat_*.txt),
// the Chinese animal's where the tradition's own texts are not there.
QString traditionTextName(Tradition tradition, const QString &animal);

// What the year begins with there: "the Chinese New Year", "Tết", "Seollal", "1 January"; by the
// Start of Spring "Li Chun", "Lập xuân", "Ipchun (입춘, 立春)", "Risshun (立春)".
QString newYearName(Tradition tradition, YearStart start);

// Whether the tradition keeps a lunar calendar in 1900..2100 (Japan does not).
bool hasLunarDates(Tradition tradition);

// What a Japanese reading shows instead of a lunar date and lunar birthdays.
QString noLunarDatesText();
// The Four Pillars are the same in every tradition: said once where a reading shows them.
QString pillarsInEveryTraditionText();

} // namespace chinese
