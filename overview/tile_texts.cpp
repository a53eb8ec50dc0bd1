#include "overview/tile_texts.h"

#include "australian/modAustralianAstrology.h"
#include "celtic/celtic_signs.h"
#include "chinese/calendar/chinese_calendar.h"
#include "chinese/calendar/tradition.h"
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

QString chineseSign(const FourSigns::Chinese &year)
{
    if (year.tradition == chinese::Tradition::China)
        return year.element + QLatin1Char(' ') + year.animal;
    return QStringLiteral("%1 (%2)").arg(chinese::yearName(year.tradition, year.element, year.animal), year.nativeName);
}

QString chineseDetail(const FourSigns::Chinese &year)
{
    const QString native = year.tradition == chinese::Tradition::China
                               ? QString()
                               : QLatin1Char(' ') + chinese::nativeYearName(year.tradition, year.element, year.animal) + QLatin1Char(',');
    const QString span = QStringLiteral("Year%1 from %2 to %3, counted from %4")
                             .arg(native, unbroken(dayMonthYear(year.firstDay)), unbroken(dayMonthYear(year.lastDay)),
                                  unbroken(year.tradition == chinese::Tradition::China
                                               ? yearStartName(year.yearStart)
                                               : chinese::newYearName(year.tradition, year.yearStart)));
    if (year.tradition == chinese::Tradition::China)
        return QStringLiteral("Chinese date: %1\n").arg(year.lunarDate.text()) + span;
    if (!year.hasLunarDate())
        return QStringLiteral("Counted as in Japan: no lunar date\n") + span;
    return QStringLiteral("Lunar date in %1: %2\n").arg(chinese::traditionName(year.tradition), year.lunarDate.text())
           + span;
}

// The animal's sentence, then where the tradition counts this birth otherwise than China.
QString chineseSummary(const FourSigns::Chinese &year)
{
    QStringList lines = {year.summary};
    lines << year.traditionNotices;
    return lines.join(QLatin1Char('\n'));
}

} // namespace

std::array<TileText, 4> tileTexts(const FourSigns &signs)
{
    const FourSigns::Chinese &year = signs.chinese;
    QString chinesePicture = chinese::traditionPicturePath(year.tradition, year.animal);
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
        {QStringLiteral("Chinese Zodiac"), chineseSign(year), chineseDetail(year), chineseSummary(year), chinesePicture},
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
