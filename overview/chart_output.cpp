#include "overview/chart_output.h"

#include "common/json_writer.h"

#include <QStringList>

namespace overview {

namespace {

struct Slot
{
    const char *key;
    const char *title;
    const std::optional<chinese::ChartPillar> *pillar;
};

QList<Slot> slotsOf(const chinese::PillarChart &chart, const std::optional<chinese::ChartPillar> &day)
{
    return {{"year", "Year", &chart.year}, {"month", "Month", &chart.month}, {"day", "Day", &day}, {"hour", "Hour", &chart.hour}};
}

QString voidText(const chinese::ChartPillar &pillar)
{
    QString text;
    for (int branch : pillar.voids)
        text += chinese::branchCharacter(branch);
    return text;
}

QString stemWords(int stem)
{
    static const char *const elements[] = {"Wood", "Fire", "Earth", "Metal", "Water"};
    return QStringLiteral("%1 %2").arg(QLatin1String(stem % 2 == 0 ? "Yang" : "Yin"), QLatin1String(elements[stem / 2]));
}

QString clockText(const QDate &date, const QTime &time)
{
    return date.toString(Qt::ISODate) + QLatin1Char(' ') + time.toString(QStringLiteral("HH:mm"));
}

} // namespace

QString chartText(const chinese::PillarChart &chart, const std::optional<chinese::LuckPillars> &luck)
{
    QString text = QStringLiteral("Day Master: %1 %2\n").arg(chinese::stemCharacter(chart.dayMaster), stemWords(chart.dayMaster));
    const std::optional<chinese::ChartPillar> day = chart.day;
    for (const Slot &slot : slotsOf(chart, day)) {
        if (!*slot.pillar)
            continue;
        const chinese::ChartPillar &pillar = **slot.pillar;
        QStringList hidden;
        for (const chinese::ChartPillar::Hidden &stem : pillar.hidden)
            hidden << chinese::stemCharacter(stem.stem) + QLatin1Char(' ') + chinese::tenGodCharacters(stem.tenGod);
        text += QStringLiteral("%1 chart: %2 ten god %3 %4; hidden %5; na yin %6 %7; life stage %8 %9; void %10\n")
                    .arg(QLatin1String(slot.title), pillar.pillar.characters(), chinese::tenGodCharacters(pillar.tenGod),
                         chinese::tenGodEnglish(pillar.tenGod), hidden.join(QStringLiteral(", ")),
                         chinese::naYinCharacters(pillar.naYin), chinese::naYinEnglish(pillar.naYin),
                         chinese::lifeStageCharacters(pillar.lifeStage), chinese::lifeStageEnglish(pillar.lifeStage))
                    .arg(voidText(pillar));
    }
    QStringList palaces;
    if (chart.fetalOrigin)
        palaces << QStringLiteral("Fetal origin: %1").arg(chart.fetalOrigin->characters());
    if (chart.lifePalace)
        palaces << QStringLiteral("life palace: %1").arg(chart.lifePalace->characters());
    if (chart.bodyPalace)
        palaces << QStringLiteral("body palace: %1").arg(chart.bodyPalace->characters());
    if (!palaces.isEmpty())
        text += palaces.join(QStringLiteral("; ")) + QLatin1Char('\n');
    if (!chart.hour)
        text += QStringLiteral("Note: without a time of birth the chart has no hour pillar, life palace or body palace.\n");
    if (!luck)
        return text;

    text += QStringLiteral("Luck pillars: %1, %2 to %3 %4; the first begins %5, at %6\n")
                .arg(chinese::luckMethodKey(luck->method), QLatin1String(luck->forward ? "forward" : "backward"),
                     chinese::termName(luck->term.term), clockText(luck->termDate, luck->termTime),
                     clockText(luck->startDate, luck->startTime), chinese::luckStartAgeText(*luck));
    if (luck->fromNoon)
        text += QStringLiteral("Note: without a time of birth the luck pillars are counted from noon.\n");
    for (const chinese::LuckPillar &pillar : luck->pillars) {
        const chinese::TenGod god = chinese::tenGodOf(chart.dayMaster, pillar.pillar.stem());
        const int naYin = chinese::naYinOf(pillar.pillar);
        text += QStringLiteral("Luck %1-%2, ages %3-%4: %5 %6 %7, %8 %9\n")
                    .arg(pillar.fromYear)
                    .arg(pillar.toYear)
                    .arg(pillar.fromAge)
                    .arg(pillar.toAge)
                    .arg(pillar.pillar.characters(), chinese::tenGodCharacters(god), chinese::tenGodEnglish(god),
                         chinese::naYinCharacters(naYin), chinese::naYinEnglish(naYin));
    }
    return text;
}

void appendChartJson(JsonWriter &json, const chinese::PillarChart &chart, const std::optional<chinese::LuckPillars> &luck)
{
    json.member("dayMaster", chinese::stemCharacter(chart.dayMaster));
    const std::optional<chinese::ChartPillar> day = chart.day;
    for (const Slot &slot : slotsOf(chart, day)) {
        if (!*slot.pillar)
            continue;
        const chinese::ChartPillar &pillar = **slot.pillar;
        json.key(slot.key);
        json.beginObject();
        json.member("tenGod", chinese::tenGodCharacters(pillar.tenGod));
        json.member("tenGodEnglish", chinese::tenGodEnglish(pillar.tenGod));
        json.key("hiddenStems");
        json.beginArray();
        for (const chinese::ChartPillar::Hidden &stem : pillar.hidden) {
            json.beginObject();
            json.member("stem", chinese::stemCharacter(stem.stem));
            json.member("tenGod", chinese::tenGodCharacters(stem.tenGod));
            json.endObject();
        }
        json.endArray();
        json.member("naYin", chinese::naYinCharacters(pillar.naYin));
        json.member("naYinEnglish", chinese::naYinEnglish(pillar.naYin));
        json.member("lifeStage", chinese::lifeStageCharacters(pillar.lifeStage));
        json.member("lifeStageEnglish", chinese::lifeStageEnglish(pillar.lifeStage));
        json.member("void", voidText(pillar));
        json.endObject();
    }
    const std::pair<const char *, const std::optional<chinese::StemBranch> &> palaces[] = {
        {"fetalOrigin", chart.fetalOrigin}, {"lifePalace", chart.lifePalace}, {"bodyPalace", chart.bodyPalace}};
    for (const auto &[key, palace] : palaces) {
        if (palace)
            json.member(key, palace->characters());
    }
    if (!luck)
        return;
    json.key("luck");
    json.beginObject();
    json.member("method", chinese::luckMethodKey(luck->method));
    json.member("forward", luck->forward);
    json.member("startsAt", luck->startDate.toString(Qt::ISODate) + QLatin1Char('T') + luck->startTime.toString(QStringLiteral("HH:mm")));
    json.key("pillars");
    json.beginArray();
    for (const chinese::LuckPillar &pillar : luck->pillars) {
        json.beginObject();
        json.member("pillar", pillar.pillar.characters());
        json.member("fromYear", pillar.fromYear);
        json.member("toYear", pillar.toYear);
        json.member("fromAge", pillar.fromAge);
        json.member("toAge", pillar.toAge);
        json.member("tenGod", chinese::tenGodCharacters(chinese::tenGodOf(chart.dayMaster, pillar.pillar.stem())));
        json.endObject();
    }
    json.endArray();
    json.endObject();
}

} // namespace overview
