#include "chinese/calendar/luck_pillars.h"
#include "chinese/calendar/pillar_chart.h"

#include <QtTest>

using chinese::LuckMethod;

Q_DECLARE_METATYPE(chinese::LuckMethod)

// Whole charts of births the two libraries most used for these charts publish or give, held
// member by member: the parts are written as their characters, the four pillars' in the order
// year, month, day, hour, separated by blanks.
class TestPillarChart : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void chart_data();
    void chart();
};

namespace {

QString hiddenText(const chinese::ChartPillar &pillar)
{
    QString text;
    for (const chinese::ChartPillar::Hidden &hidden : pillar.hidden)
        text += chinese::stemCharacter(hidden.stem);
    return text;
}

QString voidText(const chinese::ChartPillar &pillar)
{
    return chinese::branchCharacter(pillar.voids.value(0)) + chinese::branchCharacter(pillar.voids.value(1));
}

} // namespace

void TestPillarChart::chart_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("time");   // empty: none
    QTest::addColumn<bool>("male");
    QTest::addColumn<LuckMethod>("method");
    QTest::addColumn<QString>("tenGods");
    QTest::addColumn<QString>("hidden");
    QTest::addColumn<QString>("naYin");
    QTest::addColumn<QString>("lifeStages");
    QTest::addColumn<QString>("voids");
    QTest::addColumn<QString>("palaces");     // fetal origin, life palace, body palace
    QTest::addColumn<QString>("luckStart");   // "YYYY-MM-DD HH:MM forward|backward"
    QTest::addColumn<QString>("luck");        // the first three pillars, "pillar fromYear/fromAge"

    QTest::newRow("1990-05-12 13:30 man, exact: yang year forward to Grain in Ear")
        << QDate(1990, 5, 12) << "13:30" << true << LuckMethod::Exact << "正财 偏财 日主 比肩"
        << "丁己 丙庚戊 己癸辛 己丁乙" << "路旁土 白蜡金 涧下水 天河水" << "临官 帝旺 墓 冠带" << "戌亥 申酉 申酉 寅卯"
        << "壬申 辛巳 己丑" << "1998-08-07 22:06 forward" << "壬午1998/9 癸未2008/19 甲申2018/29";
    QTest::newRow("1990-05-12 13:30 woman, classic: backward to Start of Summer")
        << QDate(1990, 5, 12) << "13:30" << false << LuckMethod::Classic << "正财 偏财 日主 比肩"
        << "丁己 丙庚戊 己癸辛 己丁乙" << "路旁土 白蜡金 涧下水 天河水" << "临官 帝旺 墓 冠带" << "戌亥 申酉 申酉 寅卯"
        << "壬申 辛巳 己丑" << "1992-07-12 13:30 backward" << "庚辰1992/3 己卯2002/13 戊寅2012/23";
    QTest::newRow("2005-12-23 08:37 woman, classic: yin year forward")
        << QDate(2005, 12, 23) << "08:37" << false << LuckMethod::Classic << "偏财 正印 日主 伤官"
        << "辛 癸 丙庚戊 戊乙癸" << "泉中水 霹雳火 白蜡金 长流水" << "临官 长生 死 墓" << "午未 午未 申酉 午未"
        << "己卯 己丑 辛巳" << "2010-06-23 08:37 forward" << "己丑2010/6 庚寅2020/16 辛卯2030/26";
    QTest::newRow("2022-03-09 20:51 man, exact")
        << QDate(2022, 3, 9) << "20:51" << true << LuckMethod::Exact << "伤官 食神 日主 正印"
        << "甲丙戊 乙 辛 戊辛丁" << "金箔金 金箔金 石榴木 平地木" << "胎 绝 临官 冠带" << "辰巳 辰巳 子丑 辰巳"
        << "甲午 甲辰 壬寅" << "2030-12-12 07:19 forward" << "甲辰2030/9 乙巳2040/19 丙午2050/29";
    QTest::newRow("1901-02-04 09:40 man: before that day's Start of Spring, a month start within two months")
        << QDate(1901, 2, 4) << "09:40" << true << LuckMethod::Exact << "正印 七杀 日主 偏财"
        << "癸 己癸辛 己癸辛 丙庚戊" << "壁上土 霹雳火 桑柘木 沙中土" << "临官 冠带 冠带 胎" << "辰巳 午未 寅卯 子丑"
        << "庚辰 丁亥 癸未" << "1901-03-24 09:24 forward" << "庚寅1901/1 辛卯1911/11 壬辰1921/21";
    QTest::newRow("1976-08-20 without a time: three pillars, luck from noon")
        << QDate(1976, 8, 20) << "" << true << LuckMethod::Exact << "食神 食神 日主"
        << "戊乙癸 庚壬戊 戊乙癸" << "沙中土 山下火 覆灯火" << "衰 绝 衰" << "子丑 辰巳 寅卯"
        << "丁亥" << "1982-10-02 20:24 forward" << "丁酉1982/7 戊戌1992/17 己亥2002/27";
}

void TestPillarChart::chart()
{
    QFETCH(QDate, date);
    QFETCH(QString, time);
    QFETCH(bool, male);
    QFETCH(LuckMethod, method);

    chinese::BirthMoment birth{date, std::nullopt, QTimeZone(QByteArrayLiteral("Etc/GMT-8")), std::nullopt,
                               chinese::DayStart::Midnight};
    if (!time.isEmpty())
        birth.time = QTime::fromString(time, QStringLiteral("HH:mm"));
    chinese::BirthProblem problem = chinese::BirthProblem::None;
    const std::optional<chinese::FourPillars> pillars = chinese::fourPillars(birth, chinese::YearStart::LunarNewYear, problem);
    QVERIFY(pillars);
    const chinese::PillarChart chart = chinese::pillarChart(*pillars);

    QStringList tenGods, hidden, naYin, lifeStages, voids;
    for (const std::optional<chinese::ChartPillar> &pillar : {chart.year, chart.month, std::optional(chart.day), chart.hour}) {
        if (!pillar)
            continue;
        tenGods << chinese::tenGodCharacters(pillar->tenGod);
        hidden << hiddenText(*pillar);
        naYin << chinese::naYinCharacters(pillar->naYin);
        lifeStages << chinese::lifeStageCharacters(pillar->lifeStage);
        voids << voidText(*pillar);
        for (const chinese::ChartPillar::Hidden &stem : pillar->hidden)
            QCOMPARE(stem.tenGod, chinese::tenGodOf(chart.dayMaster, stem.stem));
    }
    QTEST(tenGods.join(QLatin1Char(' ')), "tenGods");
    QTEST(hidden.join(QLatin1Char(' ')), "hidden");
    QTEST(naYin.join(QLatin1Char(' ')), "naYin");
    QTEST(lifeStages.join(QLatin1Char(' ')), "lifeStages");
    QTEST(voids.join(QLatin1Char(' ')), "voids");
    QStringList palaces;
    for (const std::optional<chinese::StemBranch> &palace : {chart.fetalOrigin, chart.lifePalace, chart.bodyPalace}) {
        if (palace)
            palaces << palace->characters();
    }
    QTEST(palaces.join(QLatin1Char(' ')), "palaces");

    const std::optional<chinese::LuckPillars> luck = chinese::luckPillars(birth, *pillars, male, method);
    QVERIFY(luck);
    QCOMPARE(luck->fromNoon, time.isEmpty());
    QVERIFY(luck->pillars.size() >= 8);
    QTEST(QStringLiteral("%1 %2 %3")
              .arg(luck->startDate.toString(Qt::ISODate), luck->startTime.toString(QStringLiteral("HH:mm")),
                   QLatin1String(luck->forward ? "forward" : "backward")),
          "luckStart");
    QStringList first;
    for (const chinese::LuckPillar &pillar : luck->pillars.mid(0, 3))
        first << QStringLiteral("%1%2/%3").arg(pillar.pillar.characters()).arg(pillar.fromYear).arg(pillar.fromAge);
    QTEST(first.join(QLatin1Char(' ')), "luck");
    for (qsizetype i = 1; i < luck->pillars.size(); ++i) {
        QCOMPARE(luck->pillars[i].fromYear, luck->pillars[i - 1].toYear + 1);
        QCOMPARE(luck->pillars[i].toAge - luck->pillars[i].fromAge, 9);
    }
}

QTEST_GUILESS_MAIN(TestPillarChart)
#include "test_pillar_chart.moc"
