#include "overview/four_signs_json.h"

#include "overview/chart_output.h"

#include "chinese/calendar/year_start.h"
#include "common/json_writer.h"

#include <QDateTime>
#include <QStringList>

#include <QTimeZone>

namespace {

enum PillarText { Characters, Pinyin, English };

// "\"YYYY-MM-DD\"", without the general machinery of QDate::toString.
std::string quotedDate(const QDate &date)
{
    const int year = date.year();
    const int month = date.month();
    const int day = date.day();
    if (year < 0 || year > 9999)
        return '"' + date.toString(Qt::ISODate).toStdString() + '"';
    const char text[] = {'"', char('0' + year / 1000), char('0' + year / 100 % 10), char('0' + year / 10 % 10),
                         char('0' + year % 10), '-', char('0' + month / 10), char('0' + month % 10), '-',
                         char('0' + day / 10), char('0' + day % 10), '"'};
    return std::string(text, sizeof text);
}

} // namespace

const std::string &FourSignsJson::celticMembers(const FourSigns::Celtic &celtic)
{
    auto found = m_celtic.find(celtic.sign);
    if (found == m_celtic.end()) {
        std::string members;
        JsonWriter json(members);
        json.member("sign", celtic.sign);
        json.member("gaelicName", celtic.gaelicName);
        json.member("birthstone", celtic.birthstone);
        json.member("rulingPlanet", celtic.rulingPlanet);
        json.member("keywords", celtic.keywords);
        found = m_celtic.insert(celtic.sign, members);
    }
    return *found;
}

const std::string &FourSignsJson::mayanMembers(const FourSigns::Mayan &mayan)
{
    auto found = m_mayan.find(mayan.sign);
    if (found == m_mayan.end()) {
        std::string members;
        JsonWriter json(members);
        json.member("sign", mayan.sign);
        json.member("englishName", mayan.englishName);
        json.member("crystal", mayan.crystal);
        json.member("summary", mayan.summary);
        found = m_mayan.insert(mayan.sign, members);
    }
    return *found;
}

const std::string &FourSignsJson::chineseYearMembers(const FourSigns::Chinese &chinese)
{
    // A year is known by its first day and how it was counted: by days, or (one zone for a whole
    // run) from the Start of Spring's moment.
    const qint64 key = chinese.firstDay.toJulianDay() * 4 + (chinese.yearStart == chinese::YearStart::StartOfSpring ? 1 : 0)
                       + (chinese.yearMoments ? 2 : 0);
    auto found = m_chineseYears.find(key);
    if (found == m_chineseYears.end()) {
        std::string members;
        JsonWriter json(members);
        json.member("animal", chinese.animalName);
        json.member("element", chinese.element);
        json.member("yearStart", chinese::yearStartKey(chinese.yearStart));
        json.rawMember("firstDay", quotedDate(chinese.firstDay));
        json.rawMember("lastDay", quotedDate(chinese.lastDay));
        if (const std::optional<chinese::YearMoments> &moments = chinese.yearMoments) {
            const QString minute = QStringLiteral("yyyy-MM-dd'T'HH:mm");
            json.member("yearBegins", moments->begins.toString(minute));
            json.member("yearEnds", moments->ends.toString(minute));
        }
        json.member("summary", chinese.summary);
        json.member("tradition", chinese::traditionKey(chinese.tradition));
        json.member("nativeName", chinese.nativeName);
        found = m_chineseYears.insert(key, members);
    }
    return *found;
}

const std::string &FourSignsJson::lunarDateText(const chinese::ChineseDate &date, chinese::Tradition tradition)
{
    // The text depends on the year only through its animal, which repeats every twelve years;
    // one run counts in one tradition.
    const int key = ((((date.year % 12 + 12) % 12) * 13 + date.month) * 2 + (date.leap ? 1 : 0)) * 31 + date.day;
    if (m_lunarDateTexts.empty())
        m_lunarDateTexts.resize(12 * 13 * 2 * 31);
    std::string &text = m_lunarDateTexts[key];   // a date of the tables: month 1..12, day 1..30
    if (text.empty())
        JsonWriter::appendString(text, date.text() + QStringLiteral(", Year of the ")
                                           + chinese::traditionAnimal(tradition, date.yearTitle().mid(12)));
    return text;
}

const std::string &FourSignsJson::pillarTexts(int kind, int cycleIndex, chinese::Tradition tradition)
{
    // The English names the tradition's animals ("Yin Wood Cat"); as with the lunar dates, one
    // run counts in one tradition.
    std::string &text = m_pillars[kind][cycleIndex];
    if (text.empty()) {
        const chinese::StemBranch pillar = chinese::StemBranch::fromCycleIndex(cycleIndex);
        JsonWriter::appendString(text, kind == Characters ? pillar.characters()
                                       : kind == Pinyin   ? pillar.pinyin()
                                                          : chinese::pillarEnglish(tradition, pillar));
    }
    return text;
}

void FourSignsJson::append(std::string &out, const FourSigns &signs, const QString &name, const std::optional<QTime> &time)
{
    JsonWriter json(out);
    json.beginObject();
    json.rawMember("date", quotedDate(signs.birthDate));
    if (time)
        json.member("time", time->toString(QStringLiteral("HH:mm")));
    json.member("name", name);
    json.key("celtic");
    json.beginObject();
    json.rawMembers(celticMembers(signs.celtic));
    json.endObject();

    json.key("chinese");
    json.beginObject();
    json.rawMembers(chineseYearMembers(signs.chinese));
    const chinese::ChineseDate &lunar = signs.chinese.lunarDate;
    if (signs.chinese.hasLunarDate()) {
        json.key("lunarDate");
        json.beginObject();
        json.member("year", lunar.year);
        json.member("month", lunar.month);
        json.member("leap", lunar.leap);
        json.member("day", lunar.day);
        json.endObject();
        json.rawMember("lunarDateText", lunarDateText(lunar, signs.chinese.tradition));
    } else {
        json.member("lunarDateNote", chinese::noLunarDatesText());
    }
    if (!signs.chinese.traditionNotices.isEmpty()) {
        json.key("traditionNotices");
        json.beginArray();
        for (const QString &notice : signs.chinese.traditionNotices)
            json.value(notice);
        json.endArray();
    }
    if (const std::optional<chinese::FourPillars> &pillars = signs.chinese.pillars) {
        const std::pair<const char *, std::optional<chinese::StemBranch>> slots[] = {
            {"year", pillars->year}, {"month", pillars->month}, {"day", pillars->day}, {"hour", pillars->hour}};
        for (const auto &[kind, key] : {std::pair{Characters, "pillars"}, std::pair{Pinyin, "pillarsPinyin"},
                                        std::pair{English, "pillarsEnglish"}}) {
            json.key(key);
            json.beginObject();
            for (const auto &[slot, pillar] : slots) {
                if (pillar)
                    json.rawMember(slot, pillarTexts(kind, pillar->cycleIndex(), signs.chinese.tradition));
            }
            json.endObject();
        }
        if (!pillars->dayParts.isEmpty()) {
            json.key("dayPillarParts");
            json.beginArray();
            for (const chinese::DayPillarPart &part : pillars->dayParts) {
                json.beginObject();
                json.member("from", part.from.toString(QStringLiteral("HH:mm")));
                json.member("until", part.until.isValid() ? part.until.toString(QStringLiteral("HH:mm")) : QStringLiteral("24:00"));
                json.rawMember("pillar", pillarTexts(Characters, part.pillar.cycleIndex(), signs.chinese.tradition));
                json.rawMember("pinyin", pillarTexts(Pinyin, part.pillar.cycleIndex(), signs.chinese.tradition));
                json.rawMember("english", pillarTexts(English, part.pillar.cycleIndex(), signs.chinese.tradition));
                json.endObject();
            }
            json.endArray();
        }
        if (pillars->month)
            json.member("innerAnimal", pillars->innerAnimal());
        if (pillars->hour)
            json.member("secretAnimal", pillars->secretAnimal());
        json.key("notices");
        json.beginArray();
        for (const QString &notice : pillars->notices)
            json.value(notice);
        json.endArray();
        if (pillars->utcSeconds) {
            json.key("utc");
            json.value(QDateTime::fromSecsSinceEpoch(*pillars->utcSeconds, QTimeZone::utc())
                           .toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss'Z'")));
            json.member("pillarClock", pillars->trueSolarTime ? "true-solar" : "standard");
            json.key("pillarTime");
            json.value(QDateTime(pillars->pillarDate, pillars->pillarTime).toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss")));
        }
        if (signs.chinese.chart) {
            json.key("chart");
            json.beginObject();
            overview::appendChartJson(json, *signs.chinese.chart, signs.chinese.luck);
            json.endObject();
        }
    }
    json.endObject();

    json.key("mayan");
    json.beginObject();
    json.rawMembers(mayanMembers(signs.mayan));
    json.endObject();
    json.key("australian");
    json.beginObject();
    json.member("sign", signs.australian.sign);
    json.endObject();
    json.endObject();
}
