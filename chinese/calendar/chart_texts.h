#pragma once

#include <QString>

// The names and one-line explanations of the parts of a Four Pillars chart: the ten gods, the
// twelve life stages and the thirty na yin, in simplified characters and in English.
namespace chinese {

// The ten gods in their customary order, 比肩 (0) to 正印 (9); DayMaster stands for the day's own
// stem, which is not measured against itself.
enum class TenGod {
    Friend, RobWealth, EatingGod, HurtingOfficer, IndirectWealth, DirectWealth,
    SevenKillings, DirectOfficer, IndirectResource, DirectResource, DayMaster
};

QString tenGodCharacters(TenGod god);    // "正财", "日主"
QString tenGodEnglish(TenGod god);       // "Direct Wealth"
QString tenGodMeaning(TenGod god);       // one sentence in plain words

// The twelve life stages, 长生 (0) to 养 (11).
QString lifeStageCharacters(int stage);
QString lifeStageEnglish(int stage);
QString lifeStageMeaning(int stage);

// The thirty na yin, 海中金 (0) to 大海水 (29); each belongs to two neighbouring pairs of the cycle.
QString naYinCharacters(int naYin);
QString naYinEnglish(int naYin);
QString naYinMeaning(int naYin);

} // namespace chinese
