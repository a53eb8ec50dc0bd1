#pragma once

#include "chinese/calendar/luck_pillars.h"
#include "chinese/calendar/pillar_chart.h"

#include <QString>

#include <optional>

class JsonWriter;

// The Four Pillars chart and the luck pillars as the command line prints them.
namespace overview {

// Lines ending in '\n', after the pillars:
//   Day Master: 丁 Yin Fire
//   Year chart: ten god 正财 Direct Wealth; hidden 丁 比肩, 己 食神; na yin 路旁土 Earth by the
//     Roadside; life stage 临官 Taking Office; void 戌亥        (one line)
//   Fetal origin: 壬申; life palace: 辛巳; body palace: 己丑
//   Luck pillars: exact, forward to Grain in Ear 1990-06-06 03:46; the first begins 1998-08-07 22:06,
//     at 8 years, 2 months and 26 days                          (one line)
//   Luck 1998-2007, ages 9-18: 壬午 正官 Direct Officer, 杨柳木 Willow Wood
QString chartText(const chinese::PillarChart &chart, const std::optional<chinese::LuckPillars> &luck);

// The members of "chart" (see FourSignsJson), into the object json is writing.
void appendChartJson(JsonWriter &json, const chinese::PillarChart &chart, const std::optional<chinese::LuckPillars> &luck);

} // namespace overview
