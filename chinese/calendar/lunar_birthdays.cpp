#include "chinese/calendar/lunar_birthdays.h"

#include "chinese/calendar/lunar_calendar.h"
#include "chinese/calendar/table_differences.h"

#include <QJsonArray>

#include <algorithm>

namespace chinese {

std::optional<LunarBirthday> lunarBirthday(const ChineseDate &birth, int lunarYear)
{
    return lunarBirthday(birth, lunarYear, Tradition::China);
}

std::optional<LunarBirthday> lunarBirthday(const ChineseDate &birth, int lunarYear, Tradition tradition)
{
    if (birth.month < 1 || birth.month > 12 || birth.day < 1 || birth.day > 30)
        return std::nullopt;
    std::optional<ChineseMonth> month = chineseMonth(lunarYear, birth.month, birth.leap, tradition);
    if (!month && birth.leap)
        month = chineseMonth(lunarYear, birth.month, false, tradition);
    if (!month)
        return std::nullopt;
    const int day = std::min(birth.day, month->length);
    return LunarBirthday{lunarYear, ChineseDate{lunarYear, month->month, month->leap, day},
                         month->firstDay.addDays(day - 1)};
}

std::optional<QList<LunarBirthday>> lunarBirthdays(const ChineseDate &birth, int fromYear, int count)
{
    return lunarBirthdays(birth, fromYear, count, Tradition::China);
}

std::optional<QList<LunarBirthday>> lunarBirthdays(const ChineseDate &birth, int fromYear, int count,
                                                   Tradition tradition)
{
    if (count < 1 || fromYear < firstWholeChineseYear() || fromYear > lastWholeChineseYear() - count + 1)
        return std::nullopt;
    QList<LunarBirthday> birthdays;
    birthdays.reserve(count);
    for (int year = fromYear; year < fromYear + count; ++year) {
        const std::optional<LunarBirthday> birthday = lunarBirthday(birth, year, tradition);
        if (!birthday)
            return std::nullopt;
        birthdays.append(*birthday);
    }
    return birthdays;
}

QJsonObject chineseDateJson(const ChineseDate &date)
{
    return QJsonObject{{QStringLiteral("year"), date.year},
                       {QStringLiteral("month"), date.month},
                       {QStringLiteral("leap"), date.leap},
                       {QStringLiteral("day"), date.day}};
}

QJsonObject lunarBirthdaysJson(const QString &name, const QDate &birthDate, const ChineseDate &birth,
                               const QList<LunarBirthday> &birthdays, Tradition tradition)
{
    QJsonArray list;
    for (const LunarBirthday &birthday : birthdays) {
        QJsonObject entry{{QStringLiteral("lunarYear"), birthday.lunarYear},
                          {QStringLiteral("date"), birthday.date.toString(Qt::ISODate)},
                          {QStringLiteral("month"), birthday.keptOn.month},
                          {QStringLiteral("leap"), birthday.keptOn.leap},
                          {QStringLiteral("day"), birthday.keptOn.day}};
        if (const std::optional<QDate> theirs = otherReckoningBirthday(birth, birthday.lunarYear, tradition)) {
            const bool observatory = tradition == Tradition::China && observatoryBirthday(birth, birthday.lunarYear);
            entry.insert(observatory ? QStringLiteral("observatoryDate") : QStringLiteral("otherReckoningDate"),
                         theirs->toString(Qt::ISODate));
        }
        list.append(entry);
    }
    return QJsonObject{{QStringLiteral("name"), name},
                       {QStringLiteral("date"), birthDate.toString(Qt::ISODate)},
                       {QStringLiteral("lunarDate"), chineseDateJson(birth)},
                       {QStringLiteral("birthdays"), list}};
}

QString lunarBirthdaysText(const QString &name, const ChineseDate &birth, const QList<LunarBirthday> &birthdays,
                           Tradition tradition)
{
    QString text;
    if (!name.isEmpty())
        text += QStringLiteral("Name: %1\n").arg(name);
    if (tradition == Tradition::China)
        text += QStringLiteral("Chinese date of birth: %1\n").arg(birth.textWithYear());
    else
        text += QStringLiteral("Lunar date of birth in %1: %2\n").arg(traditionName(tradition), birth.textWithYear(tradition));
    const auto isoDate = [](const QDate &date) { return date.toString(Qt::ISODate); };
    for (const LunarBirthday &birthday : birthdays) {
        text += QStringLiteral("%1: %2 (%3%4)\n")
                    .arg(QString::number(birthday.lunarYear), isoDate(birthday.date), birthday.keptOn.text(),
                         otherReckoningBirthdayText(birth, birthday.lunarYear, tradition, isoDate));
    }
    return text;
}

} // namespace chinese
