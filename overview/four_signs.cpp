#include "overview/four_signs.h"

#include "common/content.h"
#include "chinese/calendar/tradition_notices.h"
#include "australian/modAustralianAstrology.h"
#include "celtic/celtic_sign_record.h"
#include "celtic/celtic_signs.h"
#include "chinese/chinese_animal_record.h"
#include "chinese/calendar/lunar_calendar.h"
#include "common/calendar_lists.h"
#include "mayan/modMayanAnimalMoonSign.h"

#include <QHash>

#include <vector>

namespace overview {

QString firstSentence(const QString &paragraph)
{
    const QString text = paragraph.trimmed();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if ((c == QLatin1Char('.') || c == QLatin1Char('!') || c == QLatin1Char('?'))
            && (i + 1 == text.size() || text.at(i + 1).isSpace()))
            return text.left(i + 1);
    }
    return text;
}

namespace {

// What the Celtic, Mayan and Australian systems say about a day of the year.
struct DaySigns
{
    FourSigns::Celtic celtic;
    FourSigns::Mayan mayan;
    FourSigns::Australian australian;
};

std::optional<DaySigns> lookUpDay(int month, int day)
{
    const QString monthName = calendar::monthNames().at(month - 1);
    const std::optional<celtic::CalendarRow> celticRow = celtic::findSign(month - 1, day - 1);
    const std::optional<mayan::MayanSignRow> mayanRow = mayan::findSignRow(mayan::FindMayanSign(monthName, day));
    const QString australianSign = australian::FindAustralianSign(monthName);
    if (!celticRow || !mayanRow || australianSign.isEmpty())
        return std::nullopt;
    const std::optional<CelticSignRecord> celticRecord = CelticSignRecord::forSign(celticRow->sign);
    if (!celticRecord)
        return std::nullopt;
    return DaySigns{{celticRow->sign, celticRecord->gaelicName, celticRecord->birthstone, celticRecord->rulingPlanet,
                     celticRecord->keywords, celticRow->picture},
                    {mayanRow->mayanName, mayanRow->englishName, mayanRow->crystal, mayanRow->picture,
                     firstSentence(mayanRow->interpretation)},
                    {australianSign}};
}

// The three depend on the month and day alone, and the Chinese summary on the animal alone, so
// each is looked up once (on first use, for every day and animal), not for every birth date:
// a batch of dates would otherwise read and cut the same records again and again.
const std::optional<DaySigns> &daySigns(int month, int day)
{
    static const std::vector<std::optional<DaySigns>> table = [] {
        std::vector<std::optional<DaySigns>> days(12 * 31);
        for (int m = 1; m <= 12; ++m) {
            for (int d = 1; d <= QDate(2000, m, 1).daysInMonth(); ++d)   // 2000 has 29 February
                days[(m - 1) * 31 + d - 1] = lookUpDay(m, d);
        }
        return days;
    }();
    return table[(month - 1) * 31 + day - 1];
}

std::optional<QString> animalSummary(const QString &animal)
{
    static const QHash<QString, QString> summaries = [] {
        QHash<QString, QString> result;
        for (const QString &name : chinese::animalNames()) {
            if (const std::optional<ChineseAnimalRecord> record = ChineseAnimalRecord::forAnimal(name))
                result.insert(name, firstSentence(record->positiveTraits));
        }
        return result;
    }();
    const auto found = summaries.constFind(animal);
    if (found == summaries.cend())
        return std::nullopt;
    return *found;
}

} // namespace

namespace {

// The tradition's own animal text where it has one (the Cat's, the Water Buffalo's).
QString traditionSummary(chinese::Tradition tradition, const QString &animal, const QString &chinaSummary)
{
    const QString own = chinese::traditionTextName(tradition, animal);
    return own == animal.toLower() ? chinaSummary
                                   : firstSentence(content::text(QStringLiteral("chinese/%1_positive.txt").arg(own)));
}

} // namespace

std::optional<FourSigns> fourSigns(const QDate &birthDate, chinese::YearStart start, chinese::Tradition tradition)
{
    // The Chinese table is the narrowest of the four systems; the others hold every day of the year.
    const std::optional<chinese::NewYearRow> year = chinese::findNewYear(birthDate, start, tradition);
    if (!year)
        return std::nullopt;
    const std::optional<DaySigns> &day = daySigns(birthDate.month(), birthDate.day());
    const std::optional<QString> summary = animalSummary(year->animal);
    const std::optional<chinese::ChineseDate> lunarDate =
        chinese::chineseDate(birthDate, chinese::hasLunarDates(tradition) ? tradition : chinese::Tradition::China);
    if (!day || !summary || !lunarDate)
        return std::nullopt;

    FourSigns signs;
    signs.birthDate = birthDate;
    signs.celtic = day->celtic;
    FourSigns::Chinese &sign = signs.chinese;
    sign.element = year->element;
    sign.animal = year->animal;
    sign.yearStart = start;
    sign.firstDay = year->firstDay;
    sign.lastDay = year->lastDay;
    sign.summary = traditionSummary(tradition, year->animal, *summary);
    sign.lunarDate = *lunarDate;
    sign.tradition = tradition;
    sign.animalName = chinese::traditionAnimal(tradition, year->animal);
    sign.nativeName = chinese::nativeAnimalName(tradition, year->animal);
    sign.traditionNotices = chinese::traditionNotices(tradition, birthDate, start);
    signs.mayan = day->mayan;
    signs.australian = day->australian;
    return signs;
}

std::optional<FourSigns> fourSigns(const chinese::BirthMoment &birth, chinese::YearStart start,
                                   chinese::BirthProblem &problem, chinese::Tradition tradition)
{
    std::optional<chinese::FourPillars> pillars = chinese::fourPillars(birth, start, problem, tradition);
    if (!pillars)
        return std::nullopt;
    std::optional<FourSigns> signs = fourSigns(birth.date, start, tradition);
    if (!signs) {
        problem = chinese::BirthProblem::DateOutsideRange;
        return std::nullopt;
    }
    // With a time of birth the animal's year by the Start of Spring follows the term's moment.
    if (start == chinese::YearStart::StartOfSpring && pillars->utcSeconds) {
        if (const auto spring = chinese::springYearAt(*pillars->utcSeconds, birth.zone)) {
            const chinese::NewYearRow &year = spring->first;
            const std::optional<QString> summary = animalSummary(year.animal);
            if (!summary) {
                problem = chinese::BirthProblem::DateOutsideRange;
                return std::nullopt;
            }
            signs->chinese.element = year.element;
            signs->chinese.animal = year.animal;
            signs->chinese.firstDay = year.firstDay;
            signs->chinese.lastDay = year.lastDay;
            signs->chinese.summary = traditionSummary(tradition, year.animal, *summary);
            signs->chinese.animalName = chinese::traditionAnimal(tradition, year.animal);
            signs->chinese.nativeName = chinese::nativeAnimalName(tradition, year.animal);
            signs->chinese.yearMoments = spring->second;
        }
    }
    signs->chinese.pillars = std::move(pillars);
    return signs;
}

} // namespace overview
