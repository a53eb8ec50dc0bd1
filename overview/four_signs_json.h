#pragma once

#include "overview/four_signs.h"

#include <QHash>
#include <QString>
#include <QTime>

#include <array>
#include <optional>
#include <string>
#include <vector>

// The four signs of a birth as one compact JSON object:
//   {"date", "time" (with a time of birth), "name",
//    "celtic": {"sign", "gaelicName", "birthstone", "rulingPlanet", "keywords"},
//    "chinese": {"animal" (as the tradition names it: "Cat"), "element", "yearStart", "firstDay",
//                "lastDay", ("yearBegins", "yearEnds": birthplace time, "YYYY-MM-DDTHH:MM", for a
//                year counted from the Start of Spring's moment), "summary", "tradition" ("china",
//                "vietnam", "korea", "japan"), "nativeName" ("Mão"), "lunarDate": {"year", "month",
//                "leap", "day"}, "lunarDateText" (Japan: "lunarDateNote" instead),
//                "traditionNotices": [...] (where the tradition counts the birth otherwise than China),
//                and with the Four Pillars: "pillars": {"year", "month", "day", "hour"} (those
//                known, two Chinese characters each), "pillarsPinyin", "pillarsEnglish" (the same
//                keys), "dayPillarParts": [{"from", "until", "pillar", "pinyin", "english"}, ...]
//                (without a time, where the day's hours have more than one day pillar; "HH:MM" on
//                the birthplace's clock, "until" "24:00" for the last), "innerAnimal",
//                "secretAnimal" (where known), "notices": [...], and with a
//                time "utc", "pillarClock" ("standard" or "true-solar"), "pillarTime"},
//    "mayan": {"sign", "englishName", "crystal", "summary"}, "australian": {"sign"}}
// with dates as YYYY-MM-DD. A writer remembers the members each sign and each Chinese year gave,
// so that a batch of dates writes them out once and copies them after.
class FourSignsJson
{
public:
    // Appends the object to out (UTF-8), without a line end.
    void append(std::string &out, const FourSigns &signs, const QString &name, const std::optional<QTime> &time);

private:
    const std::string &celticMembers(const FourSigns::Celtic &celtic);
    const std::string &chineseYearMembers(const FourSigns::Chinese &chinese);
    const std::string &mayanMembers(const FourSigns::Mayan &mayan);
    const std::string &lunarDateText(const chinese::ChineseDate &date, chinese::Tradition tradition);
    const std::string &pillarTexts(int kind, int cycleIndex, chinese::Tradition tradition);

    QHash<QString, std::string> m_celtic;
    QHash<QString, std::string> m_mayan;
    QHash<qint64, std::string> m_chineseYears;
    std::vector<std::string> m_lunarDateTexts;   // by animal, month, leap and day
    std::array<std::array<std::string, 60>, 3> m_pillars;   // characters, pinyin, English (one run, one tradition)
};
