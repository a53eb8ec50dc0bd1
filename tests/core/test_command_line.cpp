#include <QDeadlineTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

// The real program in its terminal mode. Its environment has no display at all (no DISPLAY,
// no WAYLAND_DISPLAY, no QT_QPA_PLATFORM), so any attempt to open a window or to create a
// QGuiApplication would abort it: every success here also shows that it opened none.
class TestCommandLine : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void jsonObject_data();
    void jsonObject();
    void plainLines();
    void versionAndHelp();
    void errors_data();
    void errors();
    void refusalSaysWhy_data();
    void refusalSaysWhy();
    void longitudeAsTheWindowTakesIt_data();
    void longitudeAsTheWindowTakesIt();
    void failedOutputIsNotSilent();
    void chineseDateAndPillars_data();
    void chineseDateAndPillars();
    void batch_data();
    void batch();
    void lunarBirthdays();
    void computerZoneFromTz_data();
    void computerZoneFromTz();
    void batchQuotesControlCodes();
    void batchReadErrorIsNotSilent_data();
    void batchReadErrorIsNotSilent();
    void batchStopsAtAReadError_data();
    void batchStopsAtAReadError();
    void batchWaitsOnANonBlockingPipe();
    void batchAnswersBeforeItsInputEnds();
    void bareDateIsRefused_data();
    void bareDateIsRefused();
    void traditions();
    void chart();
};

namespace {

struct Run
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

QProcessEnvironment displaylessEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    return environment;
}

Run runOrvo(const QStringList &arguments, const QString &outputFile = QString(), const QByteArray &input = QByteArray(),
           const QProcessEnvironment &environment = displaylessEnvironment(), const QString &folder = QString())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    process.start(QStringLiteral(ORVO_PROGRAM), arguments);
    process.write(input);
    process.closeWriteChannel();
    Run run;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

} // namespace

void TestCommandLine::jsonObject_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("expected");   // celtic, animal, element, yearStart, firstDay, lastDay, mayan, australian
    QTest::newRow("12 May 1990 with a name beyond Latin-1")
        << QStringList{"--signs", "1990-05-12", "--name", "Zoë Łukasz", "--json"} << QStringLiteral("Zoë Łukasz")
        << QStringList{"Adder", "Horse", "Metal", "new-year", "1990-01-27", "1991-02-14", "Kaw", "Kangaroo"};
    QTest::newRow("5 Feb 2024 by spring, options in any order")
        << QStringList{"--json", "--year-start", "spring", "--signs", "2024-02-05"} << QString()
        << QStringList{"Crane", "Dragon", "Wood", "spring", "2024-02-04", "2025-02-02", "Batz", "Koala"};
    QTest::newRow("23 Dec 2100, name on two lines joined")
        << QStringList{"--signs=2100-12-23", "--name", "Ann\nLee", "--json"} << QStringLiteral("Ann Lee")
        << QStringList{"Wren", "Monkey", "Metal", "new-year", "2100-02-09", "2101-01-28", "Xibkay", "Emu"};
    QTest::newRow("25 Jan 1985 in Vietnam: after Tết, a month before China's New Year")
        << QStringList{"--signs", "1985-01-25", "--tradition", "vietnam", "--json"} << QString()
        << QStringList{"Crane", "Water Buffalo", "Wood", "new-year", "1985-01-21", "1986-02-08", "Batz", "Galah"};
    QTest::newRow("17 Feb 2007 in Vietnam: Tết")
        << QStringList{"--signs", "2007-02-17", "--tradition", "vietnam", "--json"} << QString()
        << QStringList{"Crane", "Pig", "Fire", "new-year", "2007-02-17", "2008-02-06", "Coz", "Koala"};
    QTest::newRow("17 Feb 2007 in China: still the Dog")
        << QStringList{"--signs", "2007-02-17", "--tradition", "china", "--json"} << QString()
        << QStringList{"Crane", "Dog", "Fire", "new-year", "2006-01-29", "2007-02-17", "Coz", "Koala"};
}

void TestCommandLine::jsonObject()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, expected);
    const Run run = runOrvo(arguments);
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.endsWith('\n'));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(run.out, &error);
    QVERIFY2(error.error == QJsonParseError::NoError && document.isObject(), qPrintable(error.errorString()));
    const QJsonObject json = document.object();
    QTEST(json.value(QStringLiteral("name")).toString(), "name");
    QStringList actual;
    for (const char *path : {"celtic/sign", "chinese/animal", "chinese/element", "chinese/yearStart",
                             "chinese/firstDay", "chinese/lastDay", "mayan/sign", "australian/sign"}) {
        const QStringList keys = QString::fromLatin1(path).split(QLatin1Char('/'));
        actual << json[keys.at(0)][keys.at(1)].toString();
    }
    QCOMPARE(actual, expected);
}

void TestCommandLine::plainLines()
{
    const Run run = runOrvo({QStringLiteral("--signs"), QStringLiteral("1990-05-12"), QStringLiteral("--name"), QStringLiteral("Zoë")});
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.status, 0);
    QCOMPARE(QString::fromUtf8(run.out),
             QStringLiteral("Name: Zoë\n"
                            "Celtic: Adder (Nathair)\n"
                            "Chinese: Metal Horse (new-year, 1990-01-27 to 1991-02-14)\n"
                            "Mayan: Kaw (Snake)\n"
                            "Australian: Kangaroo\n"
                            "Chinese date: 18th day of the 4th month, Year of the Horse\n"
                            "Year pillar: 庚午 gēng wǔ, Yang Metal Horse\n"
                            "Month pillar: 辛巳 xīn sì, Yin Metal Snake\n"
                            "Day pillar: 丁丑 dīng chǒu, Yin Fire Ox\n"
                            "Inner animal: Snake. Inside, you are deep and thoughtful, and you trust what you feel long "
                            "before you can explain it.\n"
                            "Note: The hour pillar needs the time of birth.\n"
                            "Day Master: 丁 Yin Fire\n"
                            "Year chart: 庚午 ten god 正财 Direct Wealth; hidden 丁 比肩, 己 食神; na yin 路旁土 Earth by the "
                            "Roadside; life stage 临官 Taking Office; void 戌亥\n"
                            "Month chart: 辛巳 ten god 偏财 Indirect Wealth; hidden 丙 劫财, 庚 正财, 戊 伤官; na yin 白蜡金 "
                            "White Wax Metal; life stage 帝旺 Peak; void 申酉\n"
                            "Day chart: 丁丑 ten god 日主 Day Master; hidden 己 食神, 癸 七杀, 辛 偏财; na yin 涧下水 Water in "
                            "the Ravine; life stage 墓 Tomb; void 申酉\n"
                            "Fetal origin: 壬申\n"
                            "Note: without a time of birth the chart has no hour pillar, life palace or body palace.\n"));
}

void TestCommandLine::versionAndHelp()
{
    const Run version = runOrvo({QStringLiteral("--version")});
    QCOMPARE(version.status, 0);
    QCOMPARE(version.out, QByteArray("orvo 1.20\n"));
    const Run help = runOrvo({QStringLiteral("--help")});
    QCOMPARE(help.status, 0);
    QVERIFY(help.out.contains("--signs <YYYY-MM-DD>") && help.out.contains("--year-start <new-year|spring>"));
    for (const char *option : {"--time <HH:MM>", "--tz <ZONE>", "--longitude <DEG>", "--day-starts <midnight|23>",
                               "--lunar-birthdays <YYYY-MM-DD>", "--from <YEAR>", "--count <N>", "--ics"})
        QVERIFY2(help.out.contains(option), option);
    QCOMPARE(version.err + help.err, QByteArray());
}

void TestCommandLine::errors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("30 Feb is no day") << QStringList{"--signs", "1990-02-30"};
    QTest::newRow("31 Dec 1899 before the covered days") << QStringList{"--signs", "1899-12-31", "--json"};
    QTest::newRow("unpadded month") << QStringList{"--signs", "1990-5-12"};
    QTest::newRow("text after the date") << QStringList{"--signs", "1990-05-12T10:00"};
    QTest::newRow("no date after --signs") << QStringList{"--signs"};
    QTest::newRow("unknown option") << QStringList{"--signs", "1990-05-12", "--colour"};
    QTest::newRow("bad --year-start") << QStringList{"--signs", "1990-05-12", "--year-start", "winter"};
    QTest::newRow("--year-start is case-sensitive") << QStringList{"--signs", "1990-05-12", "--year-start", "Spring"};
    QTest::newRow("--name without --signs") << QStringList{"--name", "Ann"};
    QTest::newRow("--json without --signs") << QStringList{"--json"};
    QTest::newRow("--year-start without --signs") << QStringList{"--year-start", "spring"};
    QTest::newRow("a file beside --signs") << QStringList{"--signs", "1990-05-12", "ann.zod"};
    QTest::newRow("a line break in the echoed date") << QStringList{"--signs", "1990-05-12\n1990-05-13"};
    QTest::newRow("a time in the gap of the clocks going forward")
        << QStringList{"--signs", "2024-03-31", "--time", "01:30", "--tz", "Europe/London", "--json"};
    QTest::newRow("--time 24:00") << QStringList{"--signs", "1990-05-12", "--time", "24:00"};
    QTest::newRow("--time without its leading zero") << QStringList{"--signs", "1990-05-12", "--time", "9:30"};
    QTest::newRow("unknown zone") << QStringList{"--signs", "1990-05-12", "--tz", "Atlantis/Capital"};
    QTest::newRow("--tz JST, an abbreviation") << QStringList{"--signs", "1990-02-04", "--time", "10:00", "--tz", "JST"};
    QTest::newRow("--tz XXX-99, a POSIX rule") << QStringList{"--signs", "1990-02-04", "--time", "10:00", "--tz", "XXX-99"};
    QTest::newRow("--tz up out of the database") << QStringList{"--signs", "1990-02-04", "--tz", "../../../etc/passwd"};
    QTest::newRow("--tz for a batch") << QStringList{"--signs", "-", "--tz", "PST"};
    QTest::newRow("--tz with --match") << QStringList{"--match", "1989-05-12", "1992-08-01", "--tz", "Asia/Tokyo"};
    QTest::newRow("--time with --match") << QStringList{"--match", "1989-05-12", "1992-08-01", "--time", "10:00"};
    QTest::newRow("--ics with --match") << QStringList{"--match", "1989-05-12", "1992-08-01", "--ics"};
    QTest::newRow("--lunar-birthdays with --match")
        << QStringList{"--match", "1989-05-12", "1992-08-01", "--lunar-birthdays", "1990-05-12"};
    QTest::newRow("--longitude 181") << QStringList{"--signs", "1990-05-12", "--time", "10:00", "--longitude", "181"};
    QTest::newRow("--longitude nan") << QStringList{"--signs", "1990-05-12", "--time", "10:00", "--longitude", "nan"};
    QTest::newRow("--day-starts 22") << QStringList{"--signs", "1990-05-12", "--day-starts", "22"};
    QTest::newRow("--time without --signs") << QStringList{"--time", "10:00"};
    QTest::newRow("--time with dates from standard input") << QStringList{"--signs", "-", "--time", "10:00"};
    QTest::newRow("--ics with --signs") << QStringList{"--signs", "1990-05-12", "--ics"};
    QTest::newRow("--tz with --lunar-birthdays") << QStringList{"--lunar-birthdays", "1990-05-12", "--tz", "UTC"};
    QTest::newRow("--json and --ics") << QStringList{"--lunar-birthdays", "1990-05-12", "--json", "--ics"};
    QTest::newRow("--count 0") << QStringList{"--lunar-birthdays", "1990-05-12", "--count", "0"};
    QTest::newRow("birthdays beyond 2100") << QStringList{"--lunar-birthdays", "1990-05-12", "--from", "2095", "--count", "7"};
    QTest::newRow("--from not a number") << QStringList{"--lunar-birthdays", "1990-05-12", "--from", "next"};
    QTest::newRow("--sex other") << QStringList{"--signs", "1990-05-12", "--sex", "other"};
    QTest::newRow("--luck-method without --sex") << QStringList{"--signs", "1990-05-12", "--luck-method", "classic"};
    QTest::newRow("--luck-method fast") << QStringList{"--signs", "1990-05-12", "--sex", "male", "--luck-method", "fast"};
    QTest::newRow("--sex without --signs") << QStringList{"--sex", "male"};
    QTest::newRow("--sex with --lunar-birthdays") << QStringList{"--lunar-birthdays", "1990-05-12", "--sex", "female"};
    QTest::newRow("two questions at once") << QStringList{"--signs", "1990-05-12", "--lunar-birthdays", "1990-05-12"};
}

void TestCommandLine::errors()
{
    QFETCH(QStringList, arguments);
    const Run run = runOrvo(arguments);
    QCOMPARE(run.status, 2);
    QCOMPARE(run.out, QByteArray());
    QVERIFY2(run.err.startsWith("orvo: "), run.err.constData());
    QVERIFY2(run.err.endsWith('\n') && run.err.count('\n') == 1, run.err.constData());
}

void TestCommandLine::refusalSaysWhy_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::newRow("a value given twice, the second would win")
        << QStringList{"--signs", "1990-05-12", "--tradition", "bogus", "--tradition", "japan"} << "--tradition given twice";
    QTest::newRow("two questions in one option")
        << QStringList{"--signs", "1990-05-12", "--signs", "-"} << "--signs given twice";
    QTest::newRow("a flag twice, by its two names") << QStringList{"-h", "--help"} << "--help given twice";
    QTest::newRow("the zone of a computer never set") << QStringList{"--signs", "1990-05-12", "--tz", "Factory"}
                                                      << "Factory is no place's time zone";
    QTest::newRow("a clock counting leap seconds")
        << QStringList{"--signs", "1990-05-12", "--time", "10:00", "--tz", "right/right/Asia/Tokyo"} << "try Asia/Tokyo";
    QTest::newRow("birthdays before the birth")
        << QStringList{"--lunar-birthdays", "2050-01-01", "--from", "2030"} << "--from 2030 is before the birth";
    for (const QString &time : {QString(), QStringLiteral("12:00")}) {
        QStringList arguments{"--signs", "2011-12-30", "--tz", "Pacific/Apia"};
        if (!time.isEmpty())
            arguments << "--time" << time;
        QTest::addRow("the day Samoa skipped, time \"%s\"", qPrintable(time)) << arguments
                                                                              << "2011-12-30 did not happen in Pacific/Apia";
    }
    QTest::newRow("the day Kwajalein skipped") << QStringList{"--signs", "1993-08-21", "--tz", "Pacific/Kwajalein", "--json"}
                                               << "1993-08-21 did not happen in Pacific/Kwajalein";
}

void TestCommandLine::refusalSaysWhy()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const Run run = runOrvo(arguments);
    QCOMPARE(run.status, 2);
    QCOMPARE(run.out, QByteArray());
    QVERIFY2(run.err.startsWith("orvo: " + message.toUtf8()) || run.err.contains(message.toUtf8()), run.err.constData());
    QCOMPARE(run.err.count('\n'), 1);
}

// The forms the Chinese input takes, each the same place as the plain decimal.
void TestCommandLine::longitudeAsTheWindowTakesIt_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("decimal");
    QTest::newRow("a decimal comma") << "75,99" << "75.99";
    QTest::newRow("east by letter") << "75.99 E" << "75.99";
    QTest::newRow("west by a small letter") << "74 w" << "-74";
    QTest::newRow("a degree sign") << "121.5°E" << "121.5";
}

void TestCommandLine::longitudeAsTheWindowTakesIt()
{
    QFETCH(QString, typed);
    QFETCH(QString, decimal);
    const QStringList birth{"--signs", "1990-05-12", "--time", "14:30", "--tz", "Asia/Shanghai", "--json", "--longitude"};
    const Run run = runOrvo(birth + QStringList{typed});
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, runOrvo(birth + QStringList{decimal}).out);
}

void TestCommandLine::failedOutputIsNotSilent()
{
    // /dev/full refuses every write with ENOSPC, as a full disk does.
    if (!QFileInfo::exists(QStringLiteral("/dev/full")))
        QSKIP("no /dev/full");
    const Run run = runOrvo({QStringLiteral("--signs"), QStringLiteral("1990-05-12"), QStringLiteral("--json")},
                            QStringLiteral("/dev/full"));
    QCOMPARE(run.status, 1);
    QCOMPARE(run.err, QByteArray("orvo: the output could not be written\n"));
    const Run batch = runOrvo({QStringLiteral("--signs"), QStringLiteral("-"), QStringLiteral("--json")},
                              QStringLiteral("/dev/full"), QByteArray("1990-05-12\n1990-05-13\n"));
    QCOMPARE(batch.status, 1);
    QCOMPARE(batch.err, QByteArray("orvo: the output could not be written\n"));
}

void TestCommandLine::chineseDateAndPillars_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected");   // year-month-day of the Chinese date ("L" before a leap month), pillars,
                                             // animal, the day pillar of each part of a day
    QTest::newRow("12 May 1990 14:30 in Shanghai, summer time")
        << QStringList{"--signs", "1990-05-12", "--time", "14:30", "--tz", "Asia/Shanghai", "--json"} << "1990-4-18 庚午 辛巳 丁丑 丁未 Horse";
    QTest::newRow("4 Feb 2024 08:28 in London")
        << QStringList{"--signs", "2024-02-04", "--time", "08:28", "--tz", "Europe/London", "--json"} << "2023-12-25 甲辰 丙寅 戊戌 丙辰 Rabbit";
    QTest::newRow("late Rat hour, day begins at 23:00")
        << QStringList{"--signs", "2000-01-01", "--time", "23:30", "--tz", "Asia/Shanghai", "--day-starts", "23", "--json"}
        << "1999-11-25 己卯 丙子 己未 甲子 Rabbit";
    QTest::newRow("a western longitude as its own argument")
        << QStringList{"--signs", "2024-06-01", "--time", "12:00", "--tz", "America/New_York", "--longitude", "-87.6", "--json"}
        << "2024-4-25 甲辰 己巳 丙申 癸巳 Dragon";
    QTest::newRow("a leap month, no time") << QStringList{"--json", "--signs", "2023-03-22"} << "2023-L2-1 癸卯 乙卯 己卯 Rabbit";
    QTest::newRow("by the Start of Spring, half an hour before it: the animal of the year pillar")
        << QStringList{"--signs", "2018-02-04", "--time", "04:58", "--tz", "Asia/Shanghai", "--year-start", "spring", "--json"}
        << "2017-12-19 丁酉 癸丑 丁卯 壬寅 Rooster";
    QTest::newRow("summer time, no time: the first hour has the day before's pillar")
        << QStringList{"--signs", "1971-05-08", "--tz", "America/New_York", "--json"}
        << "1971-4-14 辛亥 癸巳 癸巳 Pig 壬辰 00:00-01:00 癸巳 01:00-24:00";
}

void TestCommandLine::chineseDateAndPillars()
{
    QFETCH(QStringList, arguments);
    const Run run = runOrvo(arguments);
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.status, 0);
    const QJsonObject chinese = QJsonDocument::fromJson(run.out).object().value(QStringLiteral("chinese")).toObject();
    const QJsonObject lunar = chinese.value(QStringLiteral("lunarDate")).toObject();
    const QJsonObject pillars = chinese.value(QStringLiteral("pillars")).toObject();
    QStringList actual{QStringLiteral("%1-%2%3-%4")
                           .arg(lunar.value(QStringLiteral("year")).toInt())
                           .arg(lunar.value(QStringLiteral("leap")).toBool() ? QStringLiteral("L") : QString())
                           .arg(lunar.value(QStringLiteral("month")).toInt())
                           .arg(lunar.value(QStringLiteral("day")).toInt())};
    for (const char *key : {"year", "month", "day", "hour"}) {
        if (pillars.contains(QLatin1String(key)))
            actual << pillars.value(QLatin1String(key)).toString();
    }
    actual << chinese.value(QStringLiteral("animal")).toString();
    for (const QJsonValue &part : chinese.value(QStringLiteral("dayPillarParts")).toArray()) {
        const QJsonObject each = part.toObject();
        actual << each.value(QStringLiteral("pillar")).toString()
                      + QStringLiteral(" %1-%2").arg(each.value(QStringLiteral("from")).toString(), each.value(QStringLiteral("until")).toString());
    }
    QTEST(actual.join(QLatin1Char(' ')), "expected");
}

void TestCommandLine::batch_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("expected");   // per output line: the date answered, or "error"
    const QStringList json{"--signs", "-", "--json", "--tz", "Europe/London"};
    QTest::newRow("good lines, the last without its line end")
        << json << QByteArray("1990-05-12\r\n2024-02-04 08:28\n1990-05-12") << 0
        << QStringList{"1990-05-12", "2024-02-04 08:28", "1990-05-12"};
    QTest::newRow("bad lines in between, the rest answered in order")
        << json << QByteArray("1990-05-12\n1990-02-30\n\n2024-03-31 01:30\n2024-02-04 8:28\n1899-12-31\n2100-12-31 23:59\n") << 2
        << QStringList{"1990-05-12", "error", "error", "error", "error", "error", "2100-12-31 23:59"};
    QTest::newRow("a line too long to be a date")
        << json << QByteArray(5000, '9') + "\n2000-01-01\n" << 2 << QStringList{"error", "2000-01-01"};
    QTest::newRow("plain lines") << QStringList{"--signs", "-"} << QByteArray("2000-01-01\nsoon\n") << 2
                                 << QStringList{"2000-01-01", "error"};
    QTest::newRow("nothing to read") << json << QByteArray() << 0 << QStringList();
    QTest::newRow("repeated lines, good and bad, each answered in its place")
        << json << QByteArray("2000-01-01\nnever\n2000-01-01\nnever\n 2000-01-01 \n") << 2
        << QStringList{"2000-01-01", "error", "2000-01-01", "error", "2000-01-01"};
}

void TestCommandLine::batch()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(QStringList, expected);
    const Run run = runOrvo(arguments, QString(), input);
    QTEST(run.status, "status");
    QCOMPARE(run.err, QByteArray());
    QVERIFY(run.out.isEmpty() || run.out.endsWith('\n'));
    QStringList actual;
    const QList<QByteArray> lines = run.out.isEmpty() ? QList<QByteArray>() : run.out.chopped(1).split('\n');
    for (const QByteArray &line : lines) {
        if (!arguments.contains(QStringLiteral("--json"))) {
            actual << (line.startsWith("error: ") ? QStringLiteral("error") : QString::fromUtf8(line.left(10)));
            continue;
        }
        const QJsonObject object = QJsonDocument::fromJson(line).object();
        if (object.contains(QStringLiteral("error")))
            actual << QStringLiteral("error");
        else if (object.contains(QStringLiteral("time")))
            actual << object.value(QStringLiteral("date")).toString() + QLatin1Char(' ') + object.value(QStringLiteral("time")).toString();
        else
            actual << object.value(QStringLiteral("date")).toString();
    }
    QCOMPARE(actual, expected);
}

void TestCommandLine::lunarBirthdays()
{
    // Born on the 15th of the leap 2nd month of 2023; 2024 has no leap month, 2025 a leap 6th.
    const Run run = runOrvo({QStringLiteral("--lunar-birthdays"), QStringLiteral("2023-04-05"), QStringLiteral("--from"),
                             QStringLiteral("2024"), QStringLiteral("--count"), QStringLiteral("2"), QStringLiteral("--json")});
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.status, 0);
    const QJsonArray birthdays = QJsonDocument::fromJson(run.out).object().value(QStringLiteral("birthdays")).toArray();
    QStringList actual;
    for (const QJsonValue &birthday : birthdays)
        actual << QStringLiteral("%1 %2").arg(birthday[QStringLiteral("lunarYear")].toInt()).arg(birthday[QStringLiteral("date")].toString());
    QCOMPARE(actual, (QStringList{"2024 2024-03-24", "2025 2025-03-14"}));
}

// TZ as the C library takes it; where it names no zone of the database, only a time needs one.
void TestCommandLine::computerZoneFromTz_data()
{
    QTest::addColumn<QString>("tz");
    QTest::addColumn<bool>("named");
    QTest::newRow("a database file's path") << "/usr/share/zoneinfo/Asia/Shanghai" << true;
    QTest::newRow("a path after ':'") << ":/usr/share/zoneinfo/Europe/Paris" << true;
    QTest::newRow("the computer's own file") << "/etc/localtime" << true;
    QTest::newRow("up out of the database") << "../../etc/passwd" << false;
    QTest::newRow("a POSIX rule") << "JST-9" << false;
}

void TestCommandLine::computerZoneFromTz()
{
    QFETCH(QString, tz);
    QFETCH(bool, named);
    QProcessEnvironment environment = displaylessEnvironment();
    environment.insert(QStringLiteral("TZ"), tz);
    const Run withoutTime = runOrvo({"--signs", "1990-05-12", "--json"}, QString(), QByteArray(), environment);
    QCOMPARE(withoutTime.status, 0);
    QCOMPARE(QJsonDocument::fromJson(withoutTime.out)["celtic"]["sign"].toString(), QStringLiteral("Adder"));
    QCOMPARE(QJsonDocument::fromJson(withoutTime.out)["chinese"]["pillars"]["day"].toString(), QStringLiteral("丁丑"));
    const Run withTime = runOrvo({"--signs", "1990-05-12", "--time", "10:00"}, QString(), QByteArray(), environment);
    QCOMPARE(withTime.status, named ? 0 : 2);
    if (!named)
        QVERIFY2(withTime.err.contains("--tz") && withTime.err.contains("TZ=" + tz.toUtf8()), withTime.err.constData());
}

// A tab or NUL shown as a space would make the quoted line look valid.
void TestCommandLine::batchQuotesControlCodes()
{
    static constexpr char lines[] = "1990-05-12\t10:00\n1990-05-12\0\n1990-05-12\u200B\n";
    const QByteArray input(lines, sizeof lines - 1);
    const Run plain = runOrvo({"--signs", "-"}, QString(), input);
    QCOMPARE(plain.status, 2);
    const QList<QByteArray> answers = plain.out.split('\n');
    QVERIFY2(answers.value(0).contains("\"1990-05-12\\t10:00\""), answers.value(0).constData());
    QVERIFY2(answers.value(1).contains("\"1990-05-12\\0\""), answers.value(1).constData());
    // A zero-width space shows nothing at all.
    QVERIFY2(answers.value(2).contains("\"1990-05-12\\u200B\""), answers.value(2).constData());
    const Run json = runOrvo({"--signs", "-", "--json"}, QString(), input);
    const QList<QByteArray> objects = json.out.split('\n');
    QCOMPARE(QJsonDocument::fromJson(objects.value(0))["input"].toString(), QStringLiteral("1990-05-12\t10:00"));
    QCOMPARE(QJsonDocument::fromJson(objects.value(1))["input"].toString(), QString::fromUtf8("1990-05-12\0", 11));
}

void TestCommandLine::batchReadErrorIsNotSilent_data()
{
    QTest::addColumn<QString>("redirection");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("a folder: every read fails") << "< /" << QByteArray("orvo: standard input could not be read");
    QTest::newRow("a closed descriptor") << "0<&-" << QByteArray("orvo: standard input is closed");
}

// EIO part-way: the whole lines read are answered, then the error is said; a line cut short is
// not answered as if it were whole.
void TestCommandLine::batchStopsAtAReadError_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QString>("after");   // bytes
    QTest::addColumn<QByteArray>("answered");
    QTest::newRow("after two whole lines") << QByteArray("1990-05-12\n2000-01-01\n2010-01-01\n") << "22"
                                           << QByteArray("1990-05-12: \n2000-01-01: ");
    QTest::newRow("within the first line's time") << QByteArray("1990-05-12 23:30\n") << "10" << QByteArray();
    QTest::newRow("within the second line") << QByteArray("1990-05-12\n2000-01-01 10:00\n") << "21"
                                            << QByteArray("1990-05-12: ");
}

void TestCommandLine::batchStopsAtAReadError()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, after);
    QFETCH(QByteArray, answered);
    QProcessEnvironment environment = displaylessEnvironment();
    environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(ORVO_READ_ERROR_SHIM));
    environment.insert(QStringLiteral("ORVO_EIO_AFTER"), after);
    // Under AddressSanitizer the shim comes before its runtime, which it would otherwise refuse.
    environment.insert(QStringLiteral("ASAN_OPTIONS"),
                       environment.value(QStringLiteral("ASAN_OPTIONS")) + QStringLiteral(":verify_asan_link_order=0"));
    const Run run = runOrvo({"--signs", "-"}, QString(), input, environment);
    QCOMPARE(run.status, 1);
    QStringList dates;   // what each answer line begins with
    for (const QByteArray &line : run.out.split('\n'))
        dates << QString::fromUtf8(line.left(12));
    QCOMPARE(dates.join(QLatin1Char('\n')), QString::fromUtf8(answered + (answered.isEmpty() ? "" : "\n")));
    QVERIFY2(run.err.contains("standard input could not be read") && run.err.contains("Input/output error"), run.err.constData());
}

void TestCommandLine::batchReadErrorIsNotSilent()
{
    QFETCH(QString, redirection);
    QFETCH(QByteArray, message);
    QProcess process;
    process.setProcessEnvironment(displaylessEnvironment());
    process.start(QStringLiteral("/bin/sh"), {"-c", "exec \"$0\" --signs - " + redirection, QStringLiteral(ORVO_PROGRAM)});
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 1);
    QCOMPARE(process.readAllStandardOutput(), QByteArray());
    const QByteArray err = process.readAllStandardError();
    QVERIFY2(err.startsWith(message) && err.count('\n') == 1, err.constData());
}

// Standard input that another program set not to block (O_NONBLOCK on the pipe they share): an
// empty pipe is waited on, not taken for a read error.
void TestCommandLine::batchWaitsOnANonBlockingPipe()
{
    int pipeEnds[2];
    QCOMPARE(::pipe2(pipeEnds, O_CLOEXEC), 0);
    QCOMPARE(::fcntl(pipeEnds[0], F_SETFL, ::fcntl(pipeEnds[0], F_GETFL) | O_NONBLOCK), 0);
    QProcess process;
    process.setProcessEnvironment(displaylessEnvironment());
    const int readEnd = pipeEnds[0];
    process.setChildProcessModifier([readEnd] { ::dup2(readEnd, STDIN_FILENO); });
    process.start(QStringLiteral(ORVO_PROGRAM), {"--signs", "-"});
    QVERIFY(process.waitForStarted());
    ::close(pipeEnds[0]);
    // The second line comes a while after the first is answered, when the program has found the pipe empty.
    for (const QByteArray &line : {QByteArray("1990-05-12\n"), QByteArray("2000-01-01\n")}) {
        QCOMPARE(::write(pipeEnds[1], line.constData(), std::size_t(line.size())), ssize_t(line.size()));
        QByteArray answer;
        QDeadlineTimer deadline(20000);
        while (!answer.endsWith('\n') && process.waitForReadyRead(int(deadline.remainingTime())))
            answer += process.readAllStandardOutput();
        QVERIFY2(answer.startsWith(line.left(10) + ": "), answer.constData());
        // Time for the program, even on a busy machine, to find the pipe empty.
        QThread::msleep(300);
    }
    ::close(pipeEnds[1]);
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.readAllStandardError(), QByteArray());
    QCOMPARE(process.exitCode(), 0);
}

// Lines fed one at a time through a pipe are answered one at a time, not at the end.
void TestCommandLine::batchAnswersBeforeItsInputEnds()
{
    QProcess process;
    process.setProcessEnvironment(displaylessEnvironment());
    process.start(QStringLiteral(ORVO_PROGRAM), {"--signs", "-", "--json"});
    QVERIFY(process.waitForStarted());
    for (const char *line : {"1990-05-12\n", "2000-01-01\n"}) {
        process.write(line);
        QByteArray answer;
        QDeadlineTimer deadline(20000);
        while (!answer.endsWith('\n') && process.waitForReadyRead(int(deadline.remainingTime())))
            answer += process.readAllStandardOutput();
        QVERIFY2(answer.startsWith("{\"date\":\"" + QByteArray(line).left(10)), answer.constData());
    }
    process.closeWriteChannel();
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 0);
}

void TestCommandLine::bareDateIsRefused_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<bool>("fileExists");
    QTest::newRow("an ISO date") << "1990-05-12" << false;
    QTest::newRow("a date with slashes") << "12/05/1990" << false;
    QTest::newRow("a saved reading named like a date") << "1990-05-12" << true;
}

void TestCommandLine::bareDateIsRefused()
{
    QFETCH(QString, argument);
    QFETCH(bool, fileExists);
    QTemporaryDir dir;
    if (fileExists) {
        QFile file(dir.filePath(argument));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    const Run run = runOrvo({argument}, QString(), QByteArray(), displaylessEnvironment(), dir.path());
    if (fileExists) {
        QCOMPARE(run.status, 1);   // then a reading to open, which needs a display
        QVERIFY(run.err.contains("no display"));
        return;
    }
    QCOMPARE(run.status, 2);
    QCOMPARE(run.err, ("orvo: " + argument + " is not a saved reading; did you mean --signs " + argument + "?\n").toUtf8());
}

// The tradition's own calendar gives the lunar birthdays, and the words it does not know are refused.
void TestCommandLine::traditions()
{
    // Born on Seollal 2024, the same day as China's New Year; Seollal 2027 falls a day after it.
    const Run korea = runOrvo({"--lunar-birthdays", "2024-02-10", "--tradition", "korea", "--from", "2027", "--count", "1",
                               "--json"});
    QCOMPARE(korea.err, QByteArray());
    QCOMPARE(korea.status, 0);
    QCOMPARE(QJsonDocument::fromJson(korea.out)["birthdays"][0]["date"].toString(), QStringLiteral("2027-02-07"));

    const Run vietnam = runOrvo({"--signs", "1987-06-01", "--tradition", "vietnam", "--json"});
    QCOMPARE(vietnam.status, 0);
    const QJsonObject year = QJsonDocument::fromJson(vietnam.out)["chinese"].toObject();
    QCOMPARE(year["animal"].toString(), QStringLiteral("Cat"));
    QCOMPARE(year["nativeName"].toString(), QStringLiteral("Mão"));
    QCOMPARE(year["tradition"].toString(), QStringLiteral("vietnam"));
    QCOMPARE(year["pillarsEnglish"].toObject()["year"].toString(), QStringLiteral("Yin Fire Cat"));

    for (const QStringList &arguments : {QStringList{"--signs", "1985-01-25", "--tradition", "laos"},
                                         QStringList{"--lunar-birthdays", "1985-01-25", "--tradition", "japan"}}) {
        const Run refused = runOrvo(arguments);
        QCOMPARE(refused.status, 2);
        QVERIFY2(refused.err.startsWith("orvo: --tradition "), refused.err.constData());
        QCOMPARE(refused.out, QByteArray());
    }
}

// The chart of the example births, with the luck pillars the sex asks for, in the batch too.
void TestCommandLine::chart()
{
    const QStringList arguments{"--signs", "1990-05-12", "--time", "13:30", "--tz", "Etc/GMT-8", "--sex", "male", "--json"};
    const Run run = runOrvo(arguments);
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.status, 0);
    const QJsonObject chart = QJsonDocument::fromJson(run.out).object()[QStringLiteral("chinese")][QStringLiteral("chart")].toObject();
    const QJsonObject year = QJsonDocument::fromJson(R"({"tenGod": "正财", "tenGodEnglish": "Direct Wealth",
        "hiddenStems": [{"stem": "丁", "tenGod": "比肩"}, {"stem": "己", "tenGod": "食神"}], "naYin": "路旁土",
        "naYinEnglish": "Earth by the Roadside", "lifeStage": "临官", "lifeStageEnglish": "Taking Office", "void": "戌亥"})")
                                 .object();
    QCOMPARE(chart[QStringLiteral("year")].toObject(), year);
    QStringList parts{chart[QStringLiteral("dayMaster")].toString()};
    for (const char *slot : {"year", "month", "day", "hour"}) {
        const QJsonObject pillar = chart[QLatin1String(slot)].toObject();
        parts << pillar[QStringLiteral("tenGod")].toString() + pillar[QStringLiteral("naYin")].toString()
                     + pillar[QStringLiteral("lifeStage")].toString();
    }
    for (const char *palace : {"fetalOrigin", "lifePalace", "bodyPalace"})
        parts << chart[QLatin1String(palace)].toString();
    QCOMPARE(parts.join(QLatin1Char(' ')), QStringLiteral("丁 正财路旁土临官 偏财白蜡金帝旺 日主涧下水墓 比肩天河水冠带 壬申 辛巳 己丑"));

    const QJsonObject luck = chart[QStringLiteral("luck")].toObject();
    QCOMPARE(luck[QStringLiteral("method")].toString(), QStringLiteral("exact"));
    QCOMPARE(luck[QStringLiteral("forward")].toBool(), true);
    QCOMPARE(luck[QStringLiteral("startsAt")].toString(), QStringLiteral("1998-08-07T22:06"));
    const QJsonArray pillars = luck[QStringLiteral("pillars")].toArray();
    QVERIFY(pillars.size() >= 8);
    QCOMPARE(pillars[0].toObject(), QJsonDocument::fromJson(R"({"pillar": "壬午", "fromYear": 1998, "toYear": 2007,
        "fromAge": 9, "toAge": 18, "tenGod": "正官"})").object());
    QCOMPARE(pillars[2][QStringLiteral("pillar")].toString() + pillars[2][QStringLiteral("fromYear")].toVariant().toString(),
             QStringLiteral("甲申2018"));

    // The batch, as a woman counted the classic way: backward, the years to the term before.
    const Run batch = runOrvo({"--signs", "-", "--tz", "Etc/GMT-8", "--sex", "female", "--luck-method", "classic", "--json"},
                              QString(), QByteArray("1990-05-12 13:30\n1990-05-12\n"));
    QCOMPARE(batch.status, 0);
    const QList<QByteArray> lines = batch.out.trimmed().split('\n');
    QCOMPARE(lines.size(), 2);
    const QJsonObject first = QJsonDocument::fromJson(lines[0]).object()[QStringLiteral("chinese")][QStringLiteral("chart")][QStringLiteral("luck")].toObject();
    QCOMPARE(first[QStringLiteral("startsAt")].toString() + (first[QStringLiteral("forward")].toBool() ? " forward" : " backward"),
             QStringLiteral("1992-07-12T13:30 backward"));
    // Without a time: no hour pillar, and the luck pillars counted from noon.
    const QJsonObject second = QJsonDocument::fromJson(lines[1]).object()[QStringLiteral("chinese")][QStringLiteral("chart")].toObject();
    QVERIFY(!second.contains(QStringLiteral("hour")) && !second.contains(QStringLiteral("lifePalace")));
    QVERIFY(second[QStringLiteral("luck")][QStringLiteral("startsAt")].toString().endsWith(QStringLiteral("T12:00")));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
