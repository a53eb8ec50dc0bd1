#include "chinese/calendar/pillar_chart.h"

#include <array>

namespace chinese {

namespace {

constexpr std::array<std::array<int, 3>, 12> hiddenStemTable = {{
    {9, -1, -1},   // 子: 癸
    {5, 9, 7},     // 丑: 己 癸 辛
    {0, 2, 4},     // 寅: 甲 丙 戊
    {1, -1, -1},   // 卯: 乙
    {4, 1, 9},     // 辰: 戊 乙 癸
    {2, 6, 4},     // 巳: 丙 庚 戊
    {3, 5, -1},    // 午: 丁 己
    {5, 3, 1},     // 未: 己 丁 乙
    {6, 8, 4},     // 申: 庚 壬 戊
    {7, -1, -1},   // 酉: 辛
    {4, 7, 3},     // 戌: 戊 辛 丁
    {8, 0, -1},    // 亥: 壬 甲
}};

// The branch where each stem's life stage 长生 falls: 甲 亥, 乙 午, 丙 and 戊 寅, 丁 and 己 酉, 庚 巳,
// 辛 子, 壬 申, 癸 卯.
constexpr std::array<int, 10> birthBranch = {11, 6, 2, 9, 2, 9, 5, 0, 8, 3};

constexpr std::array<const char16_t *, 10> stems = {u"甲", u"乙", u"丙", u"丁", u"戊", u"己", u"庚", u"辛", u"壬", u"癸"};
constexpr std::array<const char16_t *, 12> branches = {u"子", u"丑", u"寅", u"卯", u"辰", u"巳",
                                                       u"午", u"未", u"申", u"酉", u"戌", u"亥"};

int wrap(int value, int cycle)
{
    return ((value % cycle) + cycle) % cycle;
}

} // namespace

TenGod tenGodOf(int dayStem, int stem)
{
    // Elements in producing order (wood, fire, earth, metal, water), two stems each: the step
    // from the day's element to the stem's says who produces or controls whom, the polarity
    // which of the pair it is.
    const int step = wrap(stem / 2 - dayStem / 2, 5);
    return TenGod(step * 2 + (stem % 2 == dayStem % 2 ? 0 : 1));
}

QList<int> hiddenStems(int branch)
{
    QList<int> found;
    for (int stem : hiddenStemTable[std::size_t(wrap(branch, 12))]) {
        if (stem >= 0)
            found << stem;
    }
    return found;
}

int lifeStageOf(int stem, int branch)
{
    const int start = birthBranch[std::size_t(wrap(stem, 10))];
    return stem % 2 == 0 ? wrap(branch - start, 12) : wrap(start - branch, 12);
}

QList<int> voidBranches(StemBranch pillar)
{
    // The decade starts at its 甲 pair; its ten pairs end two branches short of the twelve.
    const int first = pillar.cycleIndex() - pillar.stem();
    return {wrap(first + 10, 12), wrap(first + 11, 12)};
}

QString branchCharacter(int branch)
{
    return QString::fromUtf16(branches[std::size_t(wrap(branch, 12))]);
}

QString stemCharacter(int stem)
{
    return QString::fromUtf16(stems[std::size_t(wrap(stem, 10))]);
}

ChartPillar chartPillar(StemBranch pillar, int dayMaster, bool day)
{
    ChartPillar chart;
    chart.pillar = pillar;
    chart.tenGod = day ? TenGod::DayMaster : tenGodOf(dayMaster, pillar.stem());
    for (int stem : hiddenStems(pillar.branch()))
        chart.hidden.append({stem, tenGodOf(dayMaster, stem)});
    chart.naYin = naYinOf(pillar);
    chart.lifeStage = lifeStageOf(dayMaster, pillar.branch());
    chart.voids = voidBranches(pillar);
    return chart;
}

PillarChart pillarChart(const FourPillars &pillars)
{
    PillarChart chart;
    chart.dayMaster = pillars.day.stem();
    const auto read = [&](const std::optional<StemBranch> &pillar) -> std::optional<ChartPillar> {
        if (!pillar)
            return std::nullopt;
        return chartPillar(*pillar, chart.dayMaster);
    };
    chart.year = read(pillars.year);
    chart.month = read(pillars.month);
    chart.day = chartPillar(pillars.day, chart.dayMaster, true);
    chart.hour = read(pillars.hour);

    if (pillars.month) {
        // The fetal origin: ten months before, the stem one on and the branch three on.
        chart.fetalOrigin = StemBranch::fromStemAndBranch(wrap(pillars.month->stem() + 1, 10), wrap(pillars.month->branch() + 3, 12));
    }
    if (pillars.year && pillars.month && pillars.hour) {
        // Both palaces count the month from 寅 (1) to 丑 (12); the life palace counts the hour the
        // same way and takes the sum back from 14 (or 26), the body palace counts the hour from
        // 子 (1) and takes the sum as it is. The stem follows from the year's stem as a month's
        // does (甲 and 己 years begin their 寅 month with 丙).
        const int month = wrap(pillars.month->branch() - 2, 12) + 1;
        const int lifeHour = wrap(pillars.hour->branch() - 2, 12) + 1;
        const int bodyHour = pillars.hour->branch() + 1;
        const auto palace = [&](int place) {
            const int stem = wrap((pillars.year->stem() + 1) * 2 + place - 1, 10);
            return StemBranch::fromStemAndBranch(stem, wrap(place + 1, 12));
        };
        const int life = month + lifeHour;
        chart.lifePalace = palace(life >= 14 ? 26 - life : 14 - life);
        const int body = month + bodyHour;
        chart.bodyPalace = palace(body > 12 ? body - 12 : body);
    }
    return chart;
}

} // namespace chinese
