#include "chinese/calendar/stem_branch.h"

#include "chinese/calendar/chinese_calendar.h"

#include <array>

namespace chinese {

namespace {

constexpr std::array<const char16_t *, 10> stemCharacters = {u"甲", u"乙", u"丙", u"丁", u"戊",
                                                             u"己", u"庚", u"辛", u"壬", u"癸"};
constexpr std::array<const char16_t *, 12> branchCharacters = {u"子", u"丑", u"寅", u"卯", u"辰", u"巳",
                                                               u"午", u"未", u"申", u"酉", u"戌", u"亥"};
constexpr std::array<const char16_t *, 10> stemPinyin = {u"jiǎ", u"yǐ", u"bǐng", u"dīng", u"wù",
                                                         u"jǐ",  u"gēng", u"xīn", u"rén", u"guǐ"};
constexpr std::array<const char16_t *, 12> branchPinyin = {u"zǐ", u"chǒu", u"yín", u"mǎo", u"chén", u"sì",
                                                           u"wǔ", u"wèi",  u"shēn", u"yǒu", u"xū",  u"hài"};
// Two stems to each element, in the order of the stems.
constexpr std::array<const char *, 5> stemElements = {"Wood", "Fire", "Earth", "Metal", "Water"};

} // namespace

StemBranch StemBranch::fromCycleIndex(qint64 index)
{
    return StemBranch(static_cast<int>(((index % 60) + 60) % 60));
}

StemBranch StemBranch::fromStemAndBranch(int stem, int branch)
{
    // n = 6 stem - 5 branch differs from stem by 5 (stem - branch) and from branch by
    // 6 (stem - branch): multiples of 10 and of 12 when stem and branch are both even or both odd.
    Q_ASSERT((stem - branch) % 2 == 0);
    return fromCycleIndex(6 * qint64(stem) - 5 * qint64(branch));
}

QString StemBranch::characters() const
{
    return QString::fromUtf16(stemCharacters[stem()]) + QString::fromUtf16(branchCharacters[branch()]);
}

QString StemBranch::pinyin() const
{
    return QString::fromUtf16(stemPinyin[stem()]) + QLatin1Char(' ') + QString::fromUtf16(branchPinyin[branch()]);
}

QString StemBranch::element() const
{
    return QString::fromLatin1(stemElements[stem() / 2]);
}

QString StemBranch::animal() const
{
    return animalNames().at(branch());
}

QString StemBranch::english() const
{
    return QStringLiteral("%1 %2 %3").arg(stem() % 2 == 0 ? QStringLiteral("Yang") : QStringLiteral("Yin"), element(), animal());
}

} // namespace chinese
