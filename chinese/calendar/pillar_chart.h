#pragma once

#include "chinese/calendar/chart_texts.h"
#include "chinese/calendar/four_pillars.h"
#include "chinese/calendar/stem_branch.h"

#include <QList>

#include <optional>

// The Four Pillars read against the Day Master (the day's stem): ten gods, hidden stems, na yin,
// life stages, void branches, and the fetal origin and the two palaces.
namespace chinese {

// The ten god of stem (0..9) to the day's stem; DayMaster for none (see pillarChart()).
TenGod tenGodOf(int dayStem, int stem);
// The stems a branch (0..11) hides: its main qi, then its middle and residual qi where it has them.
QList<int> hiddenStems(int branch);
// Each pair of neighbours in the cycle shares one of the thirty na yin.
inline int naYinOf(StemBranch pillar) { return pillar.cycleIndex() / 2; }
// The life stage (0 长生 .. 11 养) of a stem on a branch: yang stems go round the branches forward
// from their birth, yin stems backward.
int lifeStageOf(int stem, int branch);
// The two branches the ten pairs of the pillar's decade leave out, in cyclic order (戌亥 for 甲子..癸酉).
QList<int> voidBranches(StemBranch pillar);
// The branch's character, "午".
QString branchCharacter(int branch);
QString stemCharacter(int stem);

struct ChartPillar
{
    struct Hidden
    {
        int stem = 0;
        TenGod tenGod = TenGod::Friend;
    };
    StemBranch pillar;
    TenGod tenGod = TenGod::DayMaster;   // of the stem; DayMaster for the day pillar
    QList<Hidden> hidden;                // main, middle, residual qi
    int naYin = 0;
    int lifeStage = 0;                   // of the Day Master on this pillar's branch
    QList<int> voids;                    // two branches
};

struct PillarChart
{
    int dayMaster = 0;                   // the day's stem
    std::optional<ChartPillar> year;     // missing where the pillar is (see FourPillars)
    std::optional<ChartPillar> month;
    ChartPillar day;
    std::optional<ChartPillar> hour;     // only with a time of birth
    std::optional<StemBranch> fetalOrigin;   // from the month pillar
    std::optional<StemBranch> lifePalace;    // from the year, month and hour pillars
    std::optional<StemBranch> bodyPalace;
};

// One pillar read against the Day Master; day marks the day pillar itself.
ChartPillar chartPillar(StemBranch pillar, int dayMaster, bool day = false);
PillarChart pillarChart(const FourPillars &pillars);

} // namespace chinese
