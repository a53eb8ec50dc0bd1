#include "chinese/calendar/tradition.h"

#include "chinese/calendar/chinese_calendar.h"
#include "common/content.h"
#include "common/program_settings.h"

#include <QFile>
#include <QRegularExpression>

namespace chinese {

namespace {

const QString settingsKey = QStringLiteral("chinese/tradition");

// In the order of animalNames(): Rat .. Pig.
const char *const vietnameseNames[] = {"Tý", "Sửu", "Dần", "Mão", "Thìn", "Tỵ",
                                       "Ngọ", "Mùi", "Thân", "Dậu", "Tuất", "Hợi"};
// Korean names with the branch's hanja, as the Japanese ones give its kanji.
const char *const koreanNames[] = {"쥐 子", "소 丑", "호랑이 寅", "토끼 卯", "용 辰", "뱀 巳",
                                   "말 午", "양 未", "원숭이 申", "닭 酉", "개 戌", "돼지 亥"};
const char *const japaneseNames[] = {"子 ね", "丑 うし", "寅 とら", "卯 う", "辰 たつ", "巳 み",
                                     "午 うま", "未 ひつじ", "申 さる", "酉 とり", "戌 いぬ", "亥 い"};
const char *const chineseNames[] = {"鼠", "牛", "虎", "兔", "龙", "蛇", "马", "羊", "猴", "鸡", "狗", "猪"};

// The ten stems and twelve branches as each language reads them, 甲 .. 癸 and 子 .. 亥.
const char *const vietnameseStems[] = {"Giáp", "Ất", "Bính", "Đinh", "Mậu", "Kỷ", "Canh", "Tân", "Nhâm", "Quý"};
const char *const koreanStems[] = {"갑", "을", "병", "정", "무", "기", "경", "신", "임", "계"};
const char *const koreanBranches[] = {"자", "축", "인", "묘", "진", "사", "오", "미", "신", "유", "술", "해"};
const char *const japaneseStems[] = {"きのえ", "きのと", "ひのえ", "ひのと", "つちのえ",
                                     "つちのと", "かのえ", "かのと", "みずのえ", "みずのと"};
const char *const japaneseBranches[] = {"ね", "うし", "とら", "う", "たつ", "み",
                                        "うま", "ひつじ", "さる", "とり", "いぬ", "い"};

// The stem of the element's yin or yang half that pairs with the animal's branch.
std::optional<StemBranch> yearPillar(const QString &element, const QString &animal)
{
    static const QStringList stemElements = {QStringLiteral("Wood"), QStringLiteral("Fire"), QStringLiteral("Earth"),
                                             QStringLiteral("Metal"), QStringLiteral("Water")};
    const qsizetype elementIndex = stemElements.indexOf(element);
    const qsizetype branch = animalNames().indexOf(animal);
    if (elementIndex < 0 || branch < 0)
        return std::nullopt;
    return StemBranch::fromStemAndBranch(int(elementIndex * 2 + branch % 2), int(branch));
}

bool resourceExists(const QString &path)
{
    return QFile::exists(path);
}

} // namespace

const QList<Tradition> &allTraditions()
{
    static const QList<Tradition> all = {Tradition::China, Tradition::Vietnam, Tradition::Korea, Tradition::Japan};
    return all;
}

QString traditionKey(Tradition tradition)
{
    switch (tradition) {
    case Tradition::Vietnam: return QStringLiteral("vietnam");
    case Tradition::Korea: return QStringLiteral("korea");
    case Tradition::Japan: return QStringLiteral("japan");
    case Tradition::China: break;
    }
    return QStringLiteral("china");
}

std::optional<Tradition> traditionFromKey(const QString &key)
{
    for (const Tradition tradition : allTraditions()) {
        if (key == traditionKey(tradition))
            return tradition;
    }
    return std::nullopt;
}

QString traditionName(Tradition tradition)
{
    switch (tradition) {
    case Tradition::Vietnam: return QStringLiteral("Vietnam");
    case Tradition::Korea: return QStringLiteral("Korea");
    case Tradition::Japan: return QStringLiteral("Japan");
    case Tradition::China: break;
    }
    return QStringLiteral("China");
}

Tradition preferredTradition()
{
    return traditionFromKey(programSettings::open()->value(settingsKey).toString()).value_or(Tradition::China);
}

void setPreferredTradition(Tradition tradition)
{
    programSettings::open()->setValue(settingsKey, traditionKey(tradition));
}

QString traditionAnimal(Tradition tradition, const QString &animal)
{
    if (tradition == Tradition::Vietnam && animal == QLatin1String("Rabbit"))
        return QStringLiteral("Cat");
    if (tradition == Tradition::Vietnam && animal == QLatin1String("Ox"))
        return QStringLiteral("Water Buffalo");
    if (tradition == Tradition::Japan && animal == QLatin1String("Pig"))
        return QStringLiteral("Wild Boar");
    return animal;
}

QString yearName(Tradition tradition, const QString &element, const QString &animal)
{
    const QString own = traditionAnimal(tradition, animal);
    return element + QLatin1Char(' ')
           + (own == QLatin1String("Water Buffalo") ? QStringLiteral("Buffalo") : own);
}

QString inTraditionWords(Tradition tradition, const QString &text)
{
    QString result = text;
    for (const QString &animal : animalNames()) {
        const QString own = traditionAnimal(tradition, animal);
        if (own != animal)
            result.replace(QRegularExpression(QStringLiteral("\\b%1\\b").arg(animal)), own);
    }
    return result;
}

QString nativeAnimalName(Tradition tradition, const QString &animal)
{
    const qsizetype index = animalNames().indexOf(animal);
    if (index < 0)
        return {};
    switch (tradition) {
    case Tradition::Vietnam: return QString::fromUtf8(vietnameseNames[index]);
    case Tradition::Korea: return QString::fromUtf8(koreanNames[index]);
    case Tradition::Japan: return QString::fromUtf8(japaneseNames[index]);
    case Tradition::China: break;
    }
    return QString::fromUtf8(chineseNames[index]);
}

QString nativeYearName(Tradition tradition, const QString &element, const QString &animal)
{
    const std::optional<StemBranch> year = yearPillar(element, animal);
    if (!year)
        return {};
    const QString characters = year->characters();
    switch (tradition) {
    case Tradition::Vietnam:
        return QString::fromUtf8(vietnameseStems[year->stem()]) + QLatin1Char(' ')
               + QString::fromUtf8(vietnameseNames[year->branch()]);
    case Tradition::Korea:
        return QStringLiteral("%1%2년 (%3年)")
            .arg(QString::fromUtf8(koreanStems[year->stem()]), QString::fromUtf8(koreanBranches[year->branch()]), characters);
    case Tradition::Japan:
        return QStringLiteral("%1 (%2%3)")
            .arg(characters, QString::fromUtf8(japaneseStems[year->stem()]), QString::fromUtf8(japaneseBranches[year->branch()]));
    case Tradition::China: break;
    }
    return characters;
}

QString pillarEnglish(Tradition tradition, const StemBranch &pillar)
{
    return (pillar.stem() % 2 == 0 ? QStringLiteral("Yang ") : QStringLiteral("Yin "))
           + yearName(tradition, pillar.element(), pillar.animal());
}

QString calendarYearWords(Tradition tradition)
{
    switch (tradition) {
    case Tradition::Vietnam: return QStringLiteral("Vietnamese year");
    case Tradition::Korea: return QStringLiteral("Korean year");
    case Tradition::Japan: return QStringLiteral("Japanese year");
    case Tradition::China: break;
    }
    return QStringLiteral("Chinese year");
}

QString traditionTextName(Tradition tradition, const QString &animal)
{
    const QString own = traditionAnimal(tradition, animal).toLower().replace(QLatin1Char(' '), QLatin1Char('_'));
    // The Wild Boar keeps the Pig's texts.
    if (own != animal.toLower() && own != QLatin1String("wild_boar")
        && resourceExists(QStringLiteral(":/content/chinese/%1_positive.txt").arg(own)))
        return own;
    return animal.toLower();
}

QString traditionPicturePath(Tradition tradition, const QString &animal)
{
    const QString own = traditionAnimal(tradition, animal).toLower().replace(QLatin1Char(' '), QLatin1Char('-'));
    const QString path = content::picturePath(QStringLiteral("chinese/%1.jpg").arg(own));
    if (own != animal.toLower() && resourceExists(path))
        return path;
    return picturePath(animal);
}

QString newYearName(Tradition tradition, YearStart start)
{
    const bool spring = start == YearStart::StartOfSpring;
    switch (tradition) {
    case Tradition::Vietnam: return spring ? QStringLiteral("Lập xuân") : QStringLiteral("Tết");
    case Tradition::Korea: return spring ? QStringLiteral("Ipchun (입춘, 立春)") : QStringLiteral("Seollal");
    case Tradition::Japan: return spring ? QStringLiteral("Risshun (立春)") : QStringLiteral("1 January");
    case Tradition::China: break;
    }
    return spring ? QStringLiteral("Li Chun") : QStringLiteral("the Chinese New Year");
}

bool hasLunarDates(Tradition tradition)
{
    return tradition != Tradition::Japan;
}

QString noLunarDatesText()
{
    return QStringLiteral("Japan has counted its years by the Gregorian calendar since 1873, so there is no "
                          "lunar date of birth or lunar birthday to show.");
}

QString pillarsInEveryTraditionText()
{
    return QStringLiteral("The Four Pillars are the same in every tradition: the solar terms are moments in "
                          "time, and the day is the birthplace's.");
}

} // namespace chinese
