#include "overview/four_signs.h"

#include "australian/modAustralianAstrology.h"
#include "celtic/CelticSignRecord.h"
#include "celtic/celtic_signs.h"
#include "chinese/ChineseAnimalRecord.h"
#include "chinese/lunar_calendar.h"
#include "common/calendar_lists.h"
#include "mayan/modMayanAnimalMoonSign.h"

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

std::optional<FourSigns> fourSigns(const QDate &birthDate, chinese::YearStart start)
{
    // The Chinese table is the narrowest of the four systems; the others hold every day of the year.
    const std::optional<chinese::NewYearRow> year = chinese::findNewYear(birthDate, start);
    if (!year)
        return std::nullopt;

    const QString monthName = calendar::monthNames().at(birthDate.month() - 1);
    const std::optional<celtic::CalendarRow> celticRow = celtic::findSign(birthDate.month() - 1, birthDate.day() - 1);
    const std::optional<mayan::MayanSignRow> mayanRow = mayan::findSignRow(mayan::FindMayanSign(monthName, birthDate.day()));
    const QString australianSign = australian::FindAustralianSign(monthName);
    if (!celticRow || !mayanRow || australianSign.isEmpty())
        return std::nullopt;
    const std::optional<CelticSignRecord> celticRecord = CelticSignRecord::forSign(celticRow->sign);
    const std::optional<ChineseAnimalRecord> animalRecord = ChineseAnimalRecord::forAnimal(year->animal);
    const std::optional<chinese::ChineseDate> lunarDate = chinese::chineseDate(birthDate);
    if (!celticRecord || !animalRecord || !lunarDate)
        return std::nullopt;

    FourSigns signs;
    signs.birthDate = birthDate;
    signs.celtic = {celticRow->sign, celticRecord->gaelicName, celticRecord->birthstone,
                    celticRecord->rulingPlanet, celticRecord->keywords, celticRow->picture};
    signs.chinese = {year->element, year->animal, start, year->firstDay, year->lastDay,
                     firstSentence(animalRecord->positiveTraits), *lunarDate, std::nullopt};
    signs.mayan = {mayanRow->mayanName, mayanRow->englishName, mayanRow->crystal, mayanRow->picture,
                   firstSentence(mayanRow->interpretation)};
    signs.australian = {australianSign};
    return signs;
}

std::optional<FourSigns> fourSigns(const chinese::BirthMoment &birth, chinese::YearStart start,
                                   chinese::BirthProblem &problem)
{
    std::optional<chinese::FourPillars> pillars = chinese::fourPillars(birth, start, problem);
    if (!pillars)
        return std::nullopt;
    std::optional<FourSigns> signs = fourSigns(birth.date, start);
    if (!signs) {
        problem = chinese::BirthProblem::DateOutsideRange;
        return std::nullopt;
    }
    signs->chinese.pillars = std::move(pillars);
    return signs;
}

} // namespace overview
