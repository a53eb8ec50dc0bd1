#include "overview/four_signs_output.h"

#include "overview/chart_output.h"

#include "chinese/animal_lines.h"
#include "chinese/calendar/year_start.h"

#include <QDateTime>
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

} // namespace

QString plainText(const FourSigns &signs, const QString &name)
{
    QString text;
    if (!name.isEmpty())
        text += QStringLiteral("Name: %1\n").arg(name);
    text += QStringLiteral("Celtic: %1 (%2)\n").arg(signs.celtic.sign, signs.celtic.gaelicName);
    const FourSigns::Chinese &year = signs.chinese;
    const QString minute = QStringLiteral("yyyy-MM-dd HH:mm");
    const QString begins = year.yearMoments ? year.yearMoments->begins.toString(minute) : isoDate(year.firstDay);
    const QString ends = year.yearMoments ? year.yearMoments->ends.toString(minute) : isoDate(year.lastDay);
    if (year.tradition == chinese::Tradition::China) {
        text += QStringLiteral("Chinese: %1 %2 (%3, %4 to %5)\n")
                    .arg(year.element, year.animal, chinese::yearStartKey(year.yearStart), begins, ends);
    } else {
        // The native name of the year tells the Water Buffalo's year from the Buffalo's.
        text += QStringLiteral("Chinese (%1): %2, %3 (%4, %5 to %6); the year %7\n")
                    .arg(chinese::traditionName(year.tradition), chinese::yearName(year.tradition, year.element, year.animal),
                         year.nativeName, chinese::yearStartKey(year.yearStart), begins, ends,
                         chinese::nativeYearName(year.tradition, year.element, year.animal));
    }
    text += QStringLiteral("Mayan: %1 (%2)\n").arg(signs.mayan.sign, signs.mayan.englishName);
    text += QStringLiteral("Australian: %1\n").arg(signs.australian.sign);
    if (year.tradition == chinese::Tradition::China)
        text += QStringLiteral("Chinese date: %1\n").arg(year.lunarDate.textWithYear());
    else if (year.hasLunarDate())
        text += QStringLiteral("Lunar date (%1): %2\n")
                    .arg(chinese::traditionName(year.tradition), year.lunarDate.textWithYear(year.tradition));
    else
        text += QStringLiteral("Lunar date: %1\n").arg(chinese::noLunarDatesText());
    for (const QString &notice : year.traditionNotices)
        text += QStringLiteral("Note: %1\n").arg(notice);
    if (!signs.chinese.pillars)
        return text;
    const chinese::FourPillars &pillars = *signs.chinese.pillars;
    for (const PillarSlot &slot : slotsOf(pillars)) {
        if (qstrcmp(slot.key, "day") == 0 && pillars.dayPartsAllLong()) {
            QStringList parts;
            for (const chinese::DayPillarPart &part : pillars.dayParts)
                parts << QStringLiteral("%1 %2, %3 %4").arg(part.pillar.characters(), part.pillar.pinyin(),
                                                            chinese::pillarEnglish(pillars.tradition, part.pillar),
                                                            chinese::dayPartTimes(part));
            text += QStringLiteral("Day pillar: %1\n").arg(parts.join(QStringLiteral("; ")));
        } else if (slot.pillar) {
            text += QStringLiteral("%1 pillar: %2 %3, %4\n")
                        .arg(QLatin1String(slot.title), slot.pillar->characters(), slot.pillar->pinyin(),
                             chinese::pillarEnglish(pillars.tradition, *slot.pillar));
        }
    }
    if (pillars.month)
        text += QStringLiteral("Inner animal: %1. %2\n").arg(pillars.innerAnimal(), chinese::innerAnimalLine(pillars.month->branch()));
    if (pillars.hour)
        text += QStringLiteral("Secret animal: %1. %2\n").arg(pillars.secretAnimal(), chinese::secretAnimalLine(pillars.hour->branch()));
    if (const QString clock = chinese::pillarClockText(pillars); !clock.isEmpty())
        text += clock + QLatin1Char('\n');
    for (const QString &notice : pillars.notices)
        text += QStringLiteral("Note: %1\n").arg(notice);
    if (year.tradition != chinese::Tradition::China)
        text += QStringLiteral("Note: %1\n").arg(chinese::pillarsInEveryTraditionText());
    if (signs.chinese.chart)
        text += chartText(*signs.chinese.chart, signs.chinese.luck);
    return text;
}

QString summaryLine(const FourSigns &signs, const QString &label)
{
    const chinese::ChineseDate &lunar = signs.chinese.lunarDate;
    QString line = label + QStringLiteral(": Celtic ") + signs.celtic.sign + QStringLiteral("; Chinese ")
        + chinese::yearName(signs.chinese.tradition, signs.chinese.element, signs.chinese.animal)
        + QStringLiteral("; Mayan ") + signs.mayan.sign
        + QStringLiteral("; Australian ") + signs.australian.sign;
    if (signs.chinese.hasLunarDate()) {
        line += (signs.chinese.tradition == chinese::Tradition::China ? QStringLiteral("; Chinese date ")
                                                                      : QStringLiteral("; lunar date "))
            + QString::number(lunar.year) + (lunar.leap ? QStringLiteral(" leap month ") : QStringLiteral(" month "))
            + QString::number(lunar.month) + QStringLiteral(" day ") + QString::number(lunar.day);
    }
    if (signs.chinese.pillars) {
        line += QStringLiteral("; pillars");
        for (const PillarSlot &slot : slotsOf(*signs.chinese.pillars)) {
            if (slot.pillar)
                line += QLatin1Char(' ') + QLatin1String(slot.key) + QLatin1Char(' ') + slot.pillar->characters();
        }
        // The hours of the day that have another day pillar.
        QStringList others;
        for (const chinese::DayPillarPart &part : signs.chinese.pillars->dayParts) {
            if (!(part.pillar == signs.chinese.pillars->day))
                others << part.pillar.characters() + QLatin1Char(' ') + chinese::dayPartTimes(part);
        }
        if (!others.isEmpty())
            line += QStringLiteral(" (") + others.join(QStringLiteral(", ")) + QLatin1Char(')');
    }
    return line;
}

} // namespace overview
