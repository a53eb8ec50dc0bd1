#pragma once

#include "chinese/calendar/birth_moment.h"
#include "chinese/chinese_animal_record.h"
#include "chinese/calendar/chinese_calendar.h"
#include "chinese/calendar/four_pillars.h"
#include "chinese/calendar/lunar_birthdays.h"
#include "chinese/calendar/year_start.h"
#include "common/date_text.h"
#include "common/input_problem.h"
#include "common/saved_reading.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

// The checks and the reading of the Chinese input form, without widgets.
namespace chinese {

enum class Sex { None, Male, Female };

// Whom a Chinese reading is for, as the input form holds it: nothing is checked yet.
struct Person
{
    QString name;
    Sex sex = Sex::None;
    BirthEntry birth;
};

// A checked reading, made by makeReading(): the person (name trimmed, a sex chosen), the birth
// date, the year start it was found by, the Chinese year holding the birth date, and that year's
// animal record and element paragraph. The result form keeps its own copy; the report and the
// saved file are made from it.
struct Reading
{
    Person person;
    QDate birthDate;
    YearStart yearStart = YearStart::LunarNewYear;
    // The tradition the year, the lunar date and the lunar birthdays are counted in; year.animal
    // names the animal as China does, record.animal as the tradition does.
    Tradition tradition = Tradition::China;
    NewYearRow year;              // its span, element and animal
    ChineseAnimalRecord record;   // of year.animal
    QString elementDescription;   // of year.element
    // The time and place of birth (its date is birthDate) and what they give, both set by
    // addFourPillars(); a reading without them has no pillars.
    BirthMoment birth;
    std::optional<FourPillars> pillars;
    // By the Start of Spring with a time of birth, the year is counted from the term's moment
    // (as the year pillar is): `year` is then that one, and these are its bounds.
    std::optional<YearMoments> yearMoments;
};

// The birth years the input form offers.
constexpr int FirstYear = 1900;
constexpr int LastYear = 2100;

// The reading of person by the given year start, or the first check that fails, in the order
// the input form reports them: the name (a name of blanks is missing), the sex, the date
// (BadFebruary, BadThirtyFirst), the year (YearOutOfRange outside FirstYear..LastYear).
Checked<Reading> makeReading(const Person &person, YearStart start = YearStart::LunarNewYear,
                             Tradition tradition = Tradition::China);

// Puts the animal's record and the element's paragraph into reading. An unknown animal leaves
// the record as it was, an unknown element the paragraph.
void ChineseZodiacDescription(Reading &reading, const QString &element, const QString &animal);

// "Year of the Wood Rat"; "Year of the Wood Cat, Ất Mão" in Vietnam, with the year's native name
QString yearTitle(const Reading &reading);
// "Cat (Mão)": the animal as the reading's tradition names it, with its native name; in China
// the animal alone ("Rabbit"), as the program has always shown it.
QString animalWithNativeName(const Reading &reading);
// The year's first and last day as dateText::span() writes them: "2/2/1984 – 2/19/1985" where
// the birth date reads "3/5/1984"; a year counted from the Start of Spring's moment adds the times
// ("2/4/2018 05:28 – 2/4/2019 11:14").
QString yearSpan(const Reading &reading);
// "(year begins at the Chinese New Year)", "(year begins at the Start of Spring)"
QString yearStartNote(YearStart start);
// The same in a tradition: "(year begins at Tết)", "(year begins on 1 January)".
QString yearStartNote(YearStart start, Tradition tradition);

// The lines of a saved ".str" reading: name, sex, day, month and year, as every version of the
// program reads them; a reading found by the Start of Spring adds a sixth line naming it, which
// readers of five lines never look at.
QStringList savedFields(const Reading &reading);
// The person of a saved reading's lines. The lines hold what the input form's lists offer
// ("Male" or "Female", a day "1".."31", an English month name, a year); anything else is damage,
// and fields that fail a check of makeReading() give that check's problem.
Checked<Person> personFromSavedFields(const QStringList &fields);
// The year start of a saved reading from its sixth line: a file without one was made with the
// Chinese New Year. A line this version does not know is damage, which savedBirthMoment() refuses.
YearStart savedYearStart(const QStringList &fields);
// The tradition of a saved reading from its eleventh line; China for a file without one (or with
// that line empty). A line naming no tradition (traditionKey(), with case) is damage: nothing.
std::optional<Tradition> savedTradition(const QStringList &fields);

// Reads birth, dated reading.birthDate, into reading's Four Pillars by the reading's year start;
// by the Start of Spring with a time of birth the year (animal, element, span, record) becomes
// the one holding the moment of birth. On a problem (a clock gap, an unknown zone, a longitude out of range) the reading is left as
// it was and the problem is returned; None otherwise.
BirthProblem addFourPillars(Reading &reading, BirthMoment birth);

// "14:30, Asia/Shanghai, longitude 121.5 (true solar time), day begins at midnight"; without a
// time "time not given, Asia/Shanghai, ...".
QString birthMomentText(const BirthMoment &birth);
// "Year pillar: 甲辰 jiǎ chén — Yang Wood Dragon", one line per pillar there is, year first. A day
// with two day pillars of four hours or more gives both: "Day pillar: 壬辰 rén chén — Yang Water
// Dragon before 10:00; 癸巳 guǐ sì — Yin Water Snake from 10:00".
QStringList pillarLines(const FourPillars &pillars);

// "Chinese year 2026: 1 Feb 2027 (25th day of the 12th month)", "Vietnamese year 2027: ...", with
// the other reckoning's day where the month's first day depends on it (the Hong Kong
// Observatory's in 2057); birth is the lunar date of birth in that tradition.
QString lunarBirthdayLine(const LunarBirthday &birthday, const ChineseDate &birth, Tradition tradition = Tradition::China);

// Degrees of longitude as a person types them: "75.99", "75,99", "-74", "75.99 E", "74 W"
// (a trailing E or W in either case, with or without a space or a degree sign; W counts west as
// negative). Nothing for anything else, a sign together with a letter, or beyond 180.
std::optional<double> longitudeFromText(const QString &text);

// The Chinese birthdays from the first one on or after today, count of them at most (fewer
// where the tables end); none for a reading without pillars.
QList<LunarBirthday> comingLunarBirthdays(const Reading &reading, const QDate &today, int count = 10);
// Why a reading with pillars has no coming lunar birthdays to put in a calendar (Japan keeps no
// lunar dates; the tables end before the next one); empty where it has some, or has no pillars.
QString noLunarBirthdaysReason(const Reading &reading, const QDate &today);

// The parts the result and the report show after the year's reading, as heading and text (lines
// separated by '\n'): the Chinese date, the time and place, the pillars, the inner and secret
// animals, the notices, the lunar birthdays and the years ahead from today. Only the years
// ahead for a reading without pillars.
QList<std::pair<QString, QString>> depthSections(const Reading &reading, const QDate &today);

// The zone of a name of the time zone database, aliases included (see zoneName::check).
std::optional<QTimeZone> zoneNamed(const QString &name);

// The number of lines a saved ".str" reading may hold: the five or six above, then the time
// ("HH:MM" or empty), the zone's IANA name, the longitude (or empty) and the day start. These
// four follow only for a reading with pillars, after a sixth line that then always names the
// year start; readers of five or six lines never look at them. A reading counted in another
// tradition than China's adds an eleventh line naming it (traditionKey()); lines 7 to 10 are
// then empty for a reading without pillars.
constexpr int SavedLineCount = 11;
static_assert(SavedLineCount <= savedReading::MaxLineCount, "a saved reading's lines are all read");
// The time and place of a saved reading's lines, its date unset. A file of five or six lines
// gives no time, the computer's zone and fallbackStart; nothing for a damaged line, a year start
// (line 6) of this group included. An empty zone is taken only without a time.
std::optional<BirthMoment> savedBirthMoment(const QStringList &fields, DayStart fallbackStart);

} // namespace chinese
