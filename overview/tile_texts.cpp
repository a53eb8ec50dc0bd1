#include "overview/tile_texts.h"

#include "australian/modAustralianAstrology.h"
#include "celtic/celtic_signs.h"
#include "chinese/calendar/chinese_calendar.h"
#include "common/calendar_lists.h"
#include "common/content.h"
#include "mayan/modMayanAnimalMoonSign.h"
#include "overview/four_signs.h"

namespace overview {
namespace {

// A phrase that wraps as one word: "Chinese New / Year" reads as two things.
QString unbroken(QString phrase)
{
    return phrase.replace(QLatin1Char(' '), QChar(QChar::Nbsp));
}

} // namespace

std::array<TileText, 4> tileTexts(const FourSigns &signs)
{
    const FourSigns::Chinese &year = signs.chinese;
    QString chinesePicture = chinese::picturePath(year.animal);
    if (chinesePicture.isEmpty())
        chinesePicture = content::picturePath(QStringLiteral("overview/chinese.png"));
    QString australianPicture = australian::picturePath(signs.australian.sign);
    if (australianPicture.isEmpty())
        australianPicture = content::picturePath(QStringLiteral("overview/australian.png"));
    return {{
        {QStringLiteral("Australian Astrology"), signs.australian.sign,
         QStringLiteral("Sign of everyone born in %1").arg(calendar::monthNames().at(signs.birthDate.month() - 1)),
         australianSummary(signs.australian.sign), australianPicture},
        {QStringLiteral("Celtic Animal Birth Sign"), signs.celtic.sign,
         QStringLiteral("Gaelic: %1, birthstone: %2").arg(signs.celtic.gaelicName, signs.celtic.birthstone),
         signs.celtic.keywords, celtic::picturePath(signs.celtic.picture)},
        {QStringLiteral("Chinese Zodiac"), year.element + QLatin1Char(' ') + year.animal,
         QStringLiteral("Chinese date: %1\nYear from %2 to %3, counted from %4")
             .arg(year.lunarDate.text(), unbroken(dayMonthYear(year.firstDay)), unbroken(dayMonthYear(year.lastDay)),
                  unbroken(yearStartName(year.yearStart))),
         year.summary, chinesePicture},
        {QStringLiteral("Mayan Animal Sign"),
         QStringLiteral("%1 (%2)").arg(signs.mayan.sign, signs.mayan.englishName),
         QStringLiteral("Crystal: %1").arg(signs.mayan.crystal), signs.mayan.summary,
         mayan::picturePath(signs.mayan.picture)},
    }};
}

QString dayMonthYear(const QDate &date)
{
    if (!date.isValid())
        return QString();
    return QStringLiteral("%1 %2 %3").arg(date.day()).arg(calendar::monthNames().at(date.month() - 1)).arg(date.year());
}

QString yearStartName(chinese::YearStart start)
{
    return start == chinese::YearStart::StartOfSpring ? QStringLiteral("Start of Spring")
                                                      : QStringLiteral("Chinese New Year");
}

QString australianSummary(const QString &sign)
{
    const std::optional<australian::AustralianSignRow> row = australian::findSignRow(sign);
    if (!row)
        return sign;
    const auto namesAMonth = [](const QString &sentence) {
        for (const QString &month : calendar::monthNames()) {
            if (sentence.contains(month))
                return true;
        }
        return false;
    };
    QString rest = row->description.trimmed();
    while (!rest.isEmpty()) {
        const QString sentence = firstSentence(rest);
        if (!namesAMonth(sentence))
            return sentence;
        rest = rest.mid(sentence.size()).trimmed();
    }
    return sign;
}

} // namespace overview
