#include "chinese/calendar/chart_texts.h"

#include <array>

namespace chinese {

namespace {

struct Text
{
    const char16_t *characters;
    const char *english;
    const char *meaning;
};

constexpr std::array<Text, 11> tenGods = {{
    {u"比肩", "Friend", "A peer of the same element and polarity: independence, self-reliance and rivalry among equals."},
    {u"劫财", "Rob Wealth", "A peer of the same element, other polarity: boldness and competition that can spend what is gained."},
    {u"食神", "Eating God", "What the self gives out gently: talent, enjoyment, ease and good appetite for life."},
    {u"伤官", "Hurting Officer", "What the self gives out sharply: brilliance and expression that chafe against rules."},
    {u"偏财", "Indirect Wealth", "What the self controls at a distance: windfalls, trade, generosity and a wide circle."},
    {u"正财", "Direct Wealth", "What the self controls steadily: earned income, thrift and careful management."},
    {u"七杀", "Seven Killings", "What controls the self harshly: pressure, challenge, courage and decisive authority."},
    {u"正官", "Direct Officer", "What controls the self fairly: duty, status, discipline and respect for order."},
    {u"偏印", "Indirect Resource", "What supports the self unusually: intuition, odd learning and solitary insight."},
    {u"正印", "Direct Resource", "What supports the self kindly: learning, protection, patience and care from others."},
    {u"日主", "Day Master", "The stem of the day pillar: the self, against which every other part is read."},
}};

constexpr std::array<Text, 12> lifeStages = {{
    {u"长生", "Birth", "The element comes into life: a fresh, growing strength."},
    {u"沐浴", "Bathing", "The element is newly washed and exposed: curious, restless and easily swayed."},
    {u"冠带", "Coming of Age", "The element dresses for the world: confidence and growing standing."},
    {u"临官", "Taking Office", "The element takes up its work: mature, capable and self-supporting."},
    {u"帝旺", "Peak", "The element is at the height of its power: strong, sure and sometimes overbearing."},
    {u"衰", "Decline", "The element begins to wane: experienced, calmer and more cautious."},
    {u"病", "Sickness", "The element weakens: sensitive, thoughtful and in need of support."},
    {u"死", "Death", "The element's outward force stops: still, settled and inward-looking."},
    {u"墓", "Tomb", "The element is stored away: gathering, keeping and holding reserves."},
    {u"绝", "Extinction", "The element is cut off: an ending that clears the ground for something new."},
    {u"胎", "Conception", "A new cycle of the element is conceived: plans and hopes not yet visible."},
    {u"养", "Nurture", "The new element is nourished before birth: quiet preparation and support."},
}};

constexpr std::array<Text, 30> naYins = {{
    {u"海中金", "Gold in the Sea", "Metal hidden in deep water: worth that waits to be found."},
    {u"炉中火", "Fire in the Furnace", "Fire kept in the forge: steady heat that shapes and refines."},
    {u"大林木", "Wood of the Great Forest", "Trees of a wide forest: growth that shelters many."},
    {u"路旁土", "Earth by the Roadside", "The soil along a road: plain, useful and serving everyone who passes."},
    {u"剑锋金", "Metal of the Sword's Edge", "The tempered edge of a blade: sharp, decisive and strong."},
    {u"山头火", "Fire on the Mountain Top", "A blaze on a summit: bright, far-seen and fanned by the wind."},
    {u"涧下水", "Water in the Ravine", "A stream running down a gorge: clear, quick and finding its way."},
    {u"城头土", "Earth on the City Wall", "The earth of a rampart: firm, protective and dependable."},
    {u"白蜡金", "White Wax Metal", "Metal still soft from the mould: refined, polished and not yet hard."},
    {u"杨柳木", "Willow Wood", "The willow by the water: gentle, supple and bending without breaking."},
    {u"泉中水", "Water in the Spring", "Water rising from a spring: pure, fresh and never running dry."},
    {u"屋上土", "Earth on the Roof", "The tiles of a roof: earth that has been fired to shelter a home."},
    {u"霹雳火", "Thunderbolt Fire", "The flash of lightning: sudden, powerful and startling."},
    {u"松柏木", "Pine and Cypress Wood", "Evergreen trees: enduring, upright and green through the winter."},
    {u"长流水", "Long-flowing Water", "A great river: patient, far-reaching and always moving on."},
    {u"沙中金", "Gold in the Sand", "Gold dust among sand: value that shows after patient sifting."},
    {u"山下火", "Fire at the Foot of the Mountain", "A fire below the hills at dusk: warm, modest and lasting."},
    {u"平地木", "Wood of the Plain", "Trees on open ground: steady growth that gives shade and harvest."},
    {u"壁上土", "Earth on the Wall", "The plaster of a wall: earth that holds a house together."},
    {u"金箔金", "Gold Leaf", "Gold beaten thin: fine and decorative, needing something to rest on."},
    {u"覆灯火", "Lamp Fire", "The flame of a covered lamp: a small light that shines in the dark."},
    {u"天河水", "Water of the Heavenly River", "Rain from the sky's river: water that nourishes from above."},
    {u"大驿土", "Earth of the Great Post Road", "The broad highway: earth that carries people and news far."},
    {u"钗钏金", "Hairpin and Bracelet Gold", "Metal made into jewellery: graceful, precious and well kept."},
    {u"桑柘木", "Mulberry Wood", "The mulberry that feeds silkworms: useful, giving and productive."},
    {u"大溪水", "Water of the Great Stream", "A broad mountain stream: lively water that gathers strength."},
    {u"沙中土", "Earth in the Sand", "Sandy earth by the water: loose, adaptable and always shifting."},
    {u"天上火", "Fire in the Sky", "The sun's fire: light and warmth that reach everyone."},
    {u"石榴木", "Pomegranate Wood", "The pomegranate tree: hardy, fruitful and full of seeds."},
    {u"大海水", "Water of the Great Sea", "The open ocean: vast, deep and taking in every river."},
}};

template<std::size_t N>
const Text &at(const std::array<Text, N> &table, int index)
{
    return table[std::size_t(qBound(0, index, int(N) - 1))];
}

} // namespace

QString tenGodCharacters(TenGod god)
{
    return QString::fromUtf16(at(tenGods, int(god)).characters);
}

QString tenGodEnglish(TenGod god)
{
    return QString::fromLatin1(at(tenGods, int(god)).english);
}

QString tenGodMeaning(TenGod god)
{
    return QString::fromLatin1(at(tenGods, int(god)).meaning);
}

QString lifeStageCharacters(int stage)
{
    return QString::fromUtf16(at(lifeStages, stage).characters);
}

QString lifeStageEnglish(int stage)
{
    return QString::fromLatin1(at(lifeStages, stage).english);
}

QString lifeStageMeaning(int stage)
{
    return QString::fromLatin1(at(lifeStages, stage).meaning);
}

QString naYinCharacters(int naYin)
{
    return QString::fromUtf16(at(naYins, naYin).characters);
}

QString naYinEnglish(int naYin)
{
    return QString::fromUtf8(at(naYins, naYin).english);
}

QString naYinMeaning(int naYin)
{
    return QString::fromUtf8(at(naYins, naYin).meaning);
}

} // namespace chinese
