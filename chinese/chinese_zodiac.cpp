#include "chinese/chinese_zodiac.h"

#include "chinese/animal_lines.h"
#include "chinese/chinese_animal_record.h"
#include "chinese/calendar/lunar_calendar.h"
#include "chinese/calendar/table_differences.h"
#include "chinese/calendar/tradition_notices.h"
#include "chinese/years_ahead_block.h"
#include "chinese/calendar/year_start.h"
#include "common/calendar_lists.h"
#include "common/content.h"
#include "common/date_text.h"
#include "common/zone_name.h"

#include <QLocale>
#include <QRegularExpression>

namespace chinese {

namespace {

const QString male = QStringLiteral("Male");
const QString female = QStringLiteral("Female");

// The birth date of person once the name and the sex are there.
Checked<QDate> checkPerson(const Person &person)
{
    if (person.name.trimmed().isEmpty())
        return InputProblem::NameMissing;
    if (person.sex == Sex::None)
        return InputProblem::SexMissing;
    return calendar::birthDate(person.birth, FirstYear, LastYear);
}

// The animal names of a list such as "Rabbit, Goat" as the tradition calls them.
QString traditionAnimals(Tradition tradition, const QString &names)
{
    QStringList list = names.split(QStringLiteral(", "));
    for (QString &name : list)
        name = traditionAnimal(tradition, name);
    return list.join(QStringLiteral(", "));
}

// The record and the texts as the tradition has them (the Cat's for the Rabbit in Vietnam).
void applyTradition(Reading &reading)
{
    if (reading.tradition == Tradition::China)
        return;
    ChineseAnimalRecord &record = reading.record;
    const QString textName = traditionTextName(reading.tradition, reading.year.animal);
    if (textName != reading.year.animal.toLower()) {
        record.positiveTraits = content::text(QStringLiteral("chinese/%1_positive.txt").arg(textName));
        record.negativeTraits = content::text(QStringLiteral("chinese/%1_negative.txt").arg(textName));
        record.famousPersons = content::text(QStringLiteral("chinese/%1_famous.txt").arg(textName));
    }
    record.animal = traditionAnimal(reading.tradition, reading.year.animal);
    record.mostCompatible = traditionAnimals(reading.tradition, record.mostCompatible);
    record.leastCompatible = traditionAnimals(reading.tradition, record.leastCompatible);
}

// The number written exactly as the lists write it ("7", never "07" or " 7"); 0 for any other text.
int listedNumber(const QString &text)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    return ok && number > 0 && QString::number(number) == text ? number : 0;
}

} // namespace

Checked<Reading> makeReading(const Person &person, YearStart start, Tradition tradition)
{
    const Checked<QDate> birthDate = checkPerson(person);
    if (!birthDate)
        return birthDate.problem();
    const std::optional<NewYearRow> year = findNewYear(*birthDate, start, tradition);
    if (!year)   // the table covers every day of FirstYear..LastYear
        return InputProblem::YearOutOfRange;
    Reading reading;
    reading.person = person;
    reading.person.name = person.name.trimmed();
    reading.birthDate = *birthDate;
    reading.yearStart = start;
    reading.tradition = tradition;
    reading.year = *year;
    ChineseZodiacDescription(reading, year->element, year->animal);
    applyTradition(reading);
    return reading;
}

void ChineseZodiacDescription(Reading &reading, const QString &element, const QString &animal)
{
    if (auto record = ChineseAnimalRecord::forAnimal(animal))
        reading.record = std::move(*record);
    if (auto description = ChineseAnimalRecord::elementDescription(element))
        reading.elementDescription = std::move(*description);
}

QString yearTitle(const Reading &reading)
{
    const QString title = QStringLiteral("Year of the ") + yearName(reading.tradition, reading.year.element, reading.year.animal);
    if (reading.tradition == Tradition::China)
        return title;
    return title + QStringLiteral(", ") + nativeYearName(reading.tradition, reading.year.element, reading.year.animal);
}

QString animalWithNativeName(const Reading &reading)
{
    if (reading.tradition == Tradition::China)
        return reading.year.animal;
    return QStringLiteral("%1 (%2)").arg(traditionAnimal(reading.tradition, reading.year.animal),
                                         nativeAnimalName(reading.tradition, reading.year.animal));
}

QString yearSpan(const Reading &reading)
{
    if (const std::optional<YearMoments> &moments = reading.yearMoments) {
        const QString time = QStringLiteral("HH:mm");
        return dateText::shortDate(moments->begins.date()) + QLatin1Char(' ') + moments->begins.time().toString(time)
               + QStringLiteral(" \u2013 ") + dateText::shortDate(moments->ends.date()) + QLatin1Char(' ')
               + moments->ends.time().toString(time);
    }
    return dateText::span(reading.year.firstDay, reading.year.lastDay);
}

QString yearStartNote(YearStart start)
{
    return start == YearStart::StartOfSpring ? QStringLiteral("(year begins at the Start of Spring)")
                                             : QStringLiteral("(year begins at the Chinese New Year)");
}

QString yearStartNote(YearStart start, Tradition tradition)
{
    if (tradition == Tradition::China)
        return yearStartNote(start);
    if (tradition == Tradition::Japan && start == YearStart::LunarNewYear)
        return QStringLiteral("(year begins on 1 January)");
    return QStringLiteral("(year begins at %1)").arg(newYearName(tradition, start));
}

QStringList savedFields(const Reading &reading)
{
    const QDate &date = reading.birthDate;
    QStringList fields = {reading.person.name, reading.person.sex == Sex::Male ? male : female,
                          QString::number(date.day()), calendar::monthNames().value(date.month() - 1),
                          QString::number(date.year())};
    if (reading.pillars) {
        const BirthMoment &birth = reading.birth;
        fields << yearStartKey(reading.yearStart)
               << (birth.time ? birth.time->toString(QStringLiteral("HH:mm")) : QString())
               << QString::fromUtf8(birth.zone.id())
               << (birth.longitude ? QString::number(*birth.longitude, 'g', 12) : QString())
               << dayStartKey(birth.dayStart);
    } else if (reading.yearStart != YearStart::LunarNewYear || reading.tradition != Tradition::China) {
        fields.append(yearStartKey(reading.yearStart));
    }
    if (reading.tradition != Tradition::China) {
        while (fields.size() < SavedLineCount - 1)
            fields.append(QString());
        fields.append(traditionKey(reading.tradition));
    }
    return fields;
}

Checked<Person> personFromSavedFields(const QStringList &fields)
{
    Person person;
    person.name = fields.value(0);
    const QString sex = fields.value(1);
    person.sex = sex == male ? Sex::Male : sex == female ? Sex::Female : Sex::None;
    person.birth = {listedNumber(fields.value(2)), calendar::monthNumber(fields.value(3)),
                    listedNumber(fields.value(4))};
    if (const Checked<QDate> birthDate = checkPerson(person); !birthDate)
        return birthDate.problem();
    return person;
}

YearStart savedYearStart(const QStringList &fields)
{
    return yearStartFromKey(fields.value(5).trimmed()).value_or(YearStart::LunarNewYear);
}

std::optional<Tradition> savedTradition(const QStringList &fields)
{
    const QString key = fields.value(10).trimmed();
    return key.isEmpty() ? Tradition::China : traditionFromKey(key);
}

std::optional<QTimeZone> zoneNamed(const QString &name)
{
    std::optional<zoneName::Zone> zone = zoneName::check(name);
    return zone ? std::optional<QTimeZone>(zone->zone) : std::nullopt;
}

std::optional<BirthMoment> savedBirthMoment(const QStringList &fields, DayStart fallbackStart)
{
    BirthMoment birth;
    birth.dayStart = fallbackStart;
    const QString time = fields.value(6), zone = fields.value(7), longitude = fields.value(8), start = fields.value(9);
    if (const QString yearStart = fields.value(5).trimmed(); !yearStart.isEmpty() && !yearStartFromKey(yearStart))
        return std::nullopt;
    if (time.isEmpty() && zone.isEmpty() && longitude.isEmpty() && start.isEmpty())
        return birth;   // saved before these lines were written
    if (!time.isEmpty()) {
        const QTime clock = QTime::fromString(time, QStringLiteral("HH:mm"));
        if (!clock.isValid())
            return std::nullopt;
        birth.time = clock;
    }
    // A reading without a time may have been made where no zone was known.
    if (zone.isEmpty() && !birth.time) {
        birth.zone = zoneName::zoneWithoutTime();
    } else {
        const std::optional<QTimeZone> place = zoneNamed(zone);
        if (!place)
            return std::nullopt;
        birth.zone = *place;
    }
    if (!longitude.isEmpty()) {
        bool ok = false;
        const double degrees = QLocale::c().toDouble(longitude, &ok);
        if (!ok || !(degrees >= -180 && degrees <= 180))
            return std::nullopt;
        birth.longitude = degrees;
    }
    const std::optional<DayStart> dayStart = dayStartFromKey(start);
    if (!dayStart)
        return std::nullopt;
    birth.dayStart = *dayStart;
    return birth;
}

BirthProblem addFourPillars(Reading &reading, BirthMoment birth)
{
    birth.date = reading.birthDate;
    BirthProblem problem = BirthProblem::None;
    std::optional<FourPillars> pillars = fourPillars(birth, reading.yearStart, problem, reading.tradition);
    if (!pillars)
        return problem;
    // The animal's year by the Start of Spring follows the moment of birth once there is one.
    std::optional<std::pair<NewYearRow, YearMoments>> springYear;
    if (reading.yearStart == YearStart::StartOfSpring && pillars->utcSeconds)
        springYear = springYearAt(*pillars->utcSeconds, birth.zone);
    const std::optional<NewYearRow> year = springYear ? std::optional<NewYearRow>(springYear->first)
                                                      : findNewYear(reading.birthDate, reading.yearStart, reading.tradition);
    if (year && (year->firstDay != reading.year.firstDay || year->lastDay != reading.year.lastDay || year->animal != reading.year.animal)) {
        reading.year = *year;
        ChineseZodiacDescription(reading, year->element, year->animal);
        applyTradition(reading);
    }
    reading.yearMoments = springYear ? std::optional<YearMoments>(springYear->second) : std::nullopt;
    reading.birth = std::move(birth);
    reading.pillars = std::move(pillars);
    return BirthProblem::None;
}

QString birthMomentText(const BirthMoment &birth)
{
    QStringList parts;
    parts << (birth.time ? birth.time->toString(QStringLiteral("HH:mm")) : QStringLiteral("time not given"));
    parts << QString::fromUtf8(birth.zone.id());
    if (birth.longitude)
        parts << QStringLiteral("longitude %1 (true solar time)").arg(QString::number(*birth.longitude, 'g', 12));
    parts << (birth.dayStart == DayStart::At23 ? QStringLiteral("day begins at 23:00")
                                               : QStringLiteral("day begins at midnight"));
    return parts.join(QStringLiteral(", "));
}

QStringList pillarLines(const FourPillars &pillars)
{
    QStringList lines;
    auto add = [&lines, &pillars](const char *name, const std::optional<StemBranch> &pillar) {
        if (pillar)
            lines << QStringLiteral("%1 pillar: %2 %3 \u2014 %4")
                         .arg(QLatin1String(name), pillar->characters(), pillar->pinyin(),
                              pillarEnglish(pillars.tradition, *pillar));
    };
    add("Year", pillars.year);
    add("Month", pillars.month);
    if (pillars.dayPartsAllLong()) {
        QStringList parts;
        for (const DayPillarPart &part : pillars.dayParts)
            parts << QStringLiteral("%1 %2 \u2014 %3 %4")
                         .arg(part.pillar.characters(), part.pillar.pinyin(), pillarEnglish(pillars.tradition, part.pillar),
                              dayPartTimes(part));
        lines << QStringLiteral("Day pillar: ") + parts.join(QStringLiteral("; "));
    } else {
        add("Day", pillars.day);
    }
    add("Hour", pillars.hour);
    return lines;
}

QString lunarBirthdayLine(const LunarBirthday &birthday, const ChineseDate &birth, Tradition tradition)
{
    return QStringLiteral("%1 %2: %3 (%4%5)")
        .arg(calendarYearWords(tradition), QString::number(birthday.lunarYear), dateText::shortDate(birthday.date),
             birthday.keptOn.text(),
             otherReckoningBirthdayText(birth, birthday.lunarYear, tradition,
                                        [](const QDate &date) { return dateText::shortDate(date); }));
}

std::optional<double> longitudeFromText(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*([+-]?)([0-9]{1,3}(?:[.,][0-9]*)?|[.,][0-9]+)\\s*\u00B0?\\s*([EeWw]?)\\s*$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QString sign = match.captured(1);
    const QString side = match.captured(3).toUpper();
    if (!sign.isEmpty() && !side.isEmpty())
        return std::nullopt;   // "-74 W" could mean either side
    QString number = match.captured(2);
    number.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    double degrees = QLocale::c().toDouble(number, &ok);
    if (!ok || degrees > 180.0)
        return std::nullopt;
    if (sign == QLatin1String("-") || side == QLatin1String("W"))
        degrees = -degrees;
    return degrees;
}

QList<LunarBirthday> comingLunarBirthdays(const Reading &reading, const QDate &today, int count)
{
    QList<LunarBirthday> birthdays;
    const std::optional<ChineseDate> now = chineseDate(today, reading.tradition);
    const std::optional<ChineseDate> born = chineseDate(reading.birthDate, reading.tradition);
    if (!reading.pillars || !now || !born)
        return birthdays;
    for (int year = now->year; year <= lastWholeChineseYear() && birthdays.size() < count; ++year) {
        const std::optional<LunarBirthday> birthday = lunarBirthday(*born, year, reading.tradition);
        if (birthday && birthday->date >= today)
            birthdays.append(*birthday);
    }
    return birthdays;
}

QString noLunarBirthdaysReason(const Reading &reading, const QDate &today)
{
    if (!reading.pillars || !comingLunarBirthdays(reading, today, 1).isEmpty())
        return QString();
    if (!chineseDate(reading.birthDate, reading.tradition))
        return noLunarDatesText();
    return QStringLiteral("No lunar birthday is left before the end of the lunar year %1, where the program's calendar ends.")
        .arg(lastWholeChineseYear());
}

QList<std::pair<QString, QString>> depthSections(const Reading &reading, const QDate &today)
{
    QList<std::pair<QString, QString>> sections;
    const QChar newLine = QLatin1Char('\n');
    const QStringList traditionLines = traditionNotices(reading.tradition, reading.birthDate, reading.yearStart);
    if (!traditionLines.isEmpty())
        sections.append({QStringLiteral("In %1: ").arg(traditionName(reading.tradition)), traditionLines.join(newLine)});
    if (const std::optional<FourPillars> &pillars = reading.pillars) {
        if (reading.tradition == Tradition::China) {
            sections.append({QStringLiteral("Chinese Date of Birth: "), pillars->lunarDate.textWithYear()});
        } else if (const std::optional<ChineseDate> lunar = chineseDate(reading.birthDate, reading.tradition)) {
            sections.append({QStringLiteral("Lunar Date of Birth (%1): ").arg(traditionName(reading.tradition)),
                             lunar->textWithYear(reading.tradition)});
        } else {
            sections.append({QStringLiteral("Lunar Date of Birth: "), noLunarDatesText()});
        }
        const QString clock = pillarClockText(*pillars);
        sections.append({QStringLiteral("Time and Place of Birth: "),
                         clock.isEmpty() ? birthMomentText(reading.birth) : birthMomentText(reading.birth) + newLine + clock});
        sections.append({QStringLiteral("Four Pillars: "), pillarLines(*pillars).join(newLine)});
        if (pillars->month)
            sections.append({QStringLiteral("Inner Animal: "), pillars->innerAnimal() + QStringLiteral(" \u2014 ")
                                                                   + innerAnimalLine(pillars->month->branch())});
        if (pillars->hour)
            sections.append({QStringLiteral("Secret Animal: "), pillars->secretAnimal() + QStringLiteral(" \u2014 ")
                                                                    + secretAnimalLine(pillars->hour->branch())});
        QStringList notes = pillars->notices;
        if (reading.tradition != Tradition::China)
            notes << pillarsInEveryTraditionText();
        if (!notes.isEmpty())
            sections.append({QStringLiteral("Notes: "), notes.join(newLine)});
        QStringList birthdays;
        for (const LunarBirthday &birthday : comingLunarBirthdays(reading, today))
            birthdays << lunarBirthdayLine(birthday, *chineseDate(reading.birthDate, reading.tradition), reading.tradition);
        if (!birthdays.isEmpty())
            sections.append({QStringLiteral("Lunar Birthdays: "), birthdays.join(newLine)});
    }
    const YearsAheadBlock ahead = yearsAheadBlock(reading.year.animal, today, reading.yearStart, reading.tradition);
    if (!ahead.lines.isEmpty())
        sections.append({ahead.title + QStringLiteral(": "), ahead.lines.join(newLine)});
    return sections;
}

} // namespace chinese
