#include "overview/four_signs_output.h"

#include "chinese/year_start.h"

namespace overview {

namespace {

QString isoDate(const QDate &date)
{
    return date.toString(Qt::ISODate);
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
    const QJsonObject chinese{
        {QStringLiteral("animal"), signs.chinese.animal},
        {QStringLiteral("element"), signs.chinese.element},
        {QStringLiteral("yearStart"), chinese::yearStartKey(signs.chinese.yearStart)},
        {QStringLiteral("firstDay"), isoDate(signs.chinese.firstDay)},
        {QStringLiteral("lastDay"), isoDate(signs.chinese.lastDay)},
        {QStringLiteral("summary"), signs.chinese.summary},
    };
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

} // namespace overview
