#include "overview/four_signs_output.h"

#include "chinese/animal_lines.h"
#include "chinese/lunar_birthdays.h"
#include "chinese/year_start.h"

#include <QDateTime>
#include <QJsonArray>
#include <QTimeZone>

namespace overview {

namespace {

QString isoDate(const QDate &date)
{
    return date.toString(Qt::ISODate);
}

struct PillarSlot
{
    const char *key;
    const char *title;
    const std::optional<chinese::StemBranch> pillar;
};

QList<PillarSlot> slotsOf(const chinese::FourPillars &pillars)
{
    return {{"year", "Year", pillars.year},
            {"month", "Month", pillars.month},
            {"day", "Day", pillars.day},
            {"hour", "Hour", pillars.hour}};
}

QString clockName(const chinese::FourPillars &pillars)
{
    return pillars.trueSolarTime ? QStringLiteral("true-solar") : QStringLiteral("standard");
}

void addPillars(QJsonObject &chinese, const chinese::FourPillars &pillars)
{
    QJsonObject characters;
    QJsonObject pinyin;
    QJsonObject english;
    for (const PillarSlot &slot : slotsOf(pillars)) {
        if (!slot.pillar)
            continue;
        const QString key = QString::fromLatin1(slot.key);
        characters.insert(key, slot.pillar->characters());
        pinyin.insert(key, slot.pillar->pinyin());
        english.insert(key, slot.pillar->english());
    }
    chinese.insert(QStringLiteral("pillars"), characters);
    chinese.insert(QStringLiteral("pillarsPinyin"), pinyin);
    chinese.insert(QStringLiteral("pillarsEnglish"), english);
    if (pillars.month)
        chinese.insert(QStringLiteral("innerAnimal"), pillars.innerAnimal());
    if (pillars.hour)
        chinese.insert(QStringLiteral("secretAnimal"), pillars.secretAnimal());
    if (pillars.utcSeconds) {
        chinese.insert(QStringLiteral("utc"),
                       QDateTime::fromSecsSinceEpoch(*pillars.utcSeconds, QTimeZone::utc()).toString(Qt::ISODate));
        chinese.insert(QStringLiteral("pillarClock"), clockName(pillars));
        chinese.insert(QStringLiteral("pillarTime"), QDateTime(pillars.pillarDate, pillars.pillarTime).toString(Qt::ISODate));
    }
    chinese.insert(QStringLiteral("notices"), QJsonArray::fromStringList(pillars.notices));
}

} // namespace

QString plainText(const FourSigns &signs, const QString &name)
{
    QString text;
    if (!name.isEmpty())
        text += QStringLiteral("Name: %1\n").arg(name);
    text += QStringLiteral("Celtic: %1 (%2)\n").arg(signs.celtic.sign, signs.celtic.gaelicName);
    text += QStringLiteral("Chinese: %1 %2 (%3, %4 to %5)\n")
                .arg(signs.chinese.element, signs.chinese.animal, chinese::yearStartKey(signs.chinese.yearStart),
                     isoDate(signs.chinese.firstDay), isoDate(signs.chinese.lastDay));
    text += QStringLiteral("Mayan: %1 (%2)\n").arg(signs.mayan.sign, signs.mayan.englishName);
    text += QStringLiteral("Australian: %1\n").arg(signs.australian.sign);
    text += QStringLiteral("Chinese date: %1\n").arg(signs.chinese.lunarDate.textWithYear());
    if (!signs.chinese.pillars)
        return text;
    const chinese::FourPillars &pillars = *signs.chinese.pillars;
    for (const PillarSlot &slot : slotsOf(pillars)) {
        if (slot.pillar) {
            text += QStringLiteral("%1 pillar: %2 %3, %4\n")
                        .arg(QLatin1String(slot.title), slot.pillar->characters(), slot.pillar->pinyin(), slot.pillar->english());
        }
    }
    if (pillars.month)
        text += QStringLiteral("Inner animal: %1. %2\n").arg(pillars.innerAnimal(), chinese::innerAnimalLine(pillars.month->branch()));
    if (pillars.hour)
        text += QStringLiteral("Secret animal: %1. %2\n").arg(pillars.secretAnimal(), chinese::secretAnimalLine(pillars.hour->branch()));
    if (pillars.utcSeconds) {
        text += QStringLiteral("%1: %2\n")
                    .arg(pillars.trueSolarTime ? QStringLiteral("True solar time") : QStringLiteral("Standard time"),
                         QDateTime(pillars.pillarDate, pillars.pillarTime).toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    }
    for (const QString &notice : pillars.notices)
        text += QStringLiteral("Note: %1\n").arg(notice);
    return text;
}

QJsonObject toJson(const FourSigns &signs, const QString &name)
{
    const QJsonObject celtic{
        {QStringLiteral("sign"), signs.celtic.sign},
        {QStringLiteral("gaelicName"), signs.celtic.gaelicName},
        {QStringLiteral("birthstone"), signs.celtic.birthstone},
        {QStringLiteral("rulingPlanet"), signs.celtic.rulingPlanet},
        {QStringLiteral("keywords"), signs.celtic.keywords},
    };
    QJsonObject chinese{
        {QStringLiteral("animal"), signs.chinese.animal},
        {QStringLiteral("element"), signs.chinese.element},
        {QStringLiteral("yearStart"), chinese::yearStartKey(signs.chinese.yearStart)},
        {QStringLiteral("firstDay"), isoDate(signs.chinese.firstDay)},
        {QStringLiteral("lastDay"), isoDate(signs.chinese.lastDay)},
        {QStringLiteral("summary"), signs.chinese.summary},
        {QStringLiteral("lunarDate"), chinese::chineseDateJson(signs.chinese.lunarDate)},
        {QStringLiteral("lunarDateText"), signs.chinese.lunarDate.textWithYear()},
    };
    if (signs.chinese.pillars)
        addPillars(chinese, *signs.chinese.pillars);
    const QJsonObject mayan{
        {QStringLiteral("sign"), signs.mayan.sign},
        {QStringLiteral("englishName"), signs.mayan.englishName},
        {QStringLiteral("crystal"), signs.mayan.crystal},
        {QStringLiteral("summary"), signs.mayan.summary},
    };
    const QJsonObject australian{
        {QStringLiteral("sign"), signs.australian.sign},
    };
    return QJsonObject{
        {QStringLiteral("date"), isoDate(signs.birthDate)},
        {QStringLiteral("name"), name},
        {QStringLiteral("celtic"), celtic},
        {QStringLiteral("chinese"), chinese},
        {QStringLiteral("mayan"), mayan},
        {QStringLiteral("australian"), australian},
    };
}

QString summaryLine(const FourSigns &signs, const QString &label)
{
    const chinese::ChineseDate &lunar = signs.chinese.lunarDate;
    QString line = label + QStringLiteral(": Celtic ") + signs.celtic.sign + QStringLiteral("; Chinese ")
        + signs.chinese.element + QLatin1Char(' ') + signs.chinese.animal + QStringLiteral("; Mayan ") + signs.mayan.sign
        + QStringLiteral("; Australian ") + signs.australian.sign + QStringLiteral("; Chinese date ")
        + QString::number(lunar.year) + (lunar.leap ? QStringLiteral(" leap month ") : QStringLiteral(" month "))
        + QString::number(lunar.month) + QStringLiteral(" day ") + QString::number(lunar.day);
    if (signs.chinese.pillars) {
        line += QStringLiteral("; pillars");
        for (const PillarSlot &slot : slotsOf(*signs.chinese.pillars)) {
            if (slot.pillar)
                line += QLatin1Char(' ') + QLatin1String(slot.key) + QLatin1Char(' ') + slot.pillar->characters();
        }
    }
    return line;
}

} // namespace overview
