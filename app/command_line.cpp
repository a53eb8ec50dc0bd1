#include "app/command_line.h"

#include "app/signs_command.h"
#include "app/terminal_io.h"
#include "chinese/chinese_zodiac.h"
#include "chinese/calendar/birthday_calendar.h"
#include "chinese/calendar/chinese_calendar.h"
#include "chinese/calendar/day_start.h"
#include "chinese/calendar/lunar_birthdays.h"
#include "chinese/calendar/lunar_calendar.h"
#include "chinese/calendar/tradition.h"
#include "chinese/calendar/year_start.h"
#include "common/version.h"
#include "common/zone_name.h"
#include "overview/match_output.h"
#include "overview/two_people.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QJsonDocument>

#include <algorithm>
#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace commandLine {

namespace {

using terminal::oneLine;
using terminal::writeAll;

int usageError(QIODevice &err, const QString &message)
{
    writeAll(err, (QStringLiteral("orvo: ") + oneLine(message) + QLatin1Char('\n')).toUtf8());
    return UsageError;
}

// The --tradition asked for (China when it is not given); nothing, with the message written, for
// a word it does not know.
std::optional<chinese::Tradition> traditionOption(const QCommandLineParser &parser, QIODevice &err)
{
    const QString key = parser.value(QStringLiteral("tradition"));
    const std::optional<chinese::Tradition> tradition = chinese::traditionFromKey(key);
    if (!tradition)
        usageError(err, QStringLiteral("--tradition takes china, vietnam, korea or japan, not \"%1\"").arg(key));
    return tradition;
}

int answer(QIODevice &out, QIODevice &err, const QByteArray &bytes)
{
    if (writeAll(out, bytes))
        return 0;
    writeAll(err, QByteArrayLiteral("orvo: the output could not be written\n"));
    return OutputFailed;
}

QString notADay(const QString &text)
{
    return QStringLiteral("\"%1\" is not a day of the calendar written as YYYY-MM-DD").arg(text);
}

// The first option given more than once, as "--name" (its long name); empty when none is. A
// second value would otherwise silently win over the first, or a second flag mean nothing.
QString givenTwice(const QCommandLineParser &parser, const QList<QCommandLineOption> &options)
{
    QStringList seen;
    for (const QString &given : parser.optionNames()) {
        const auto option = std::find_if(options.cbegin(), options.cend(),
                                         [&given](const QCommandLineOption &each) { return each.names().contains(given); });
        const QString name = option == options.cend() ? given : option->names().constLast();
        if (seen.contains(name))
            return QStringLiteral("--") + name;
        seen << name;
    }
    return {};
}

// The first of the named options that is set, as "--name"; empty when none is.
QString firstSet(const QCommandLineParser &parser, const QStringList &names)
{
    for (const QString &name : names) {
        if (parser.isSet(name))
            return QStringLiteral("--") + name;
    }
    return {};
}

// --sex and --luck-method: the sex the luck pillars need, and how their start is counted.
int chartOptions(const QCommandLineParser &parser, SignsCommand::Settings &settings, QIODevice &err)
{
    if (parser.isSet(QStringLiteral("sex"))) {
        const QString sex = parser.value(QStringLiteral("sex"));
        if (sex != QLatin1String("male") && sex != QLatin1String("female"))
            return usageError(err, QStringLiteral("--sex takes male or female, not \"%1\"").arg(sex));
        settings.male = sex == QLatin1String("male");
    }
    const QString method = parser.value(QStringLiteral("luck-method"));
    const std::optional<chinese::LuckMethod> luckMethod = chinese::luckMethodFromKey(method);
    if (!luckMethod)
        return usageError(err, QStringLiteral("--luck-method takes exact or classic, not \"%1\"").arg(method));
    if (parser.isSet(QStringLiteral("luck-method")) && !settings.male)
        return usageError(err, QStringLiteral("--luck-method needs --sex male|female, which the luck pillars' direction depends on"));
    settings.luckMethod = *luckMethod;
    return 0;
}

// --signs DATE or --signs - (dates from standard input), with the birth's time and place.
int runSigns(const QCommandLineParser &parser, QIODevice &in, QIODevice &out, QIODevice &err)
{
    if (const QString wrong = firstSet(parser, {QStringLiteral("from"), QStringLiteral("count"), QStringLiteral("ics")});
        !wrong.isEmpty())
        return usageError(err, QStringLiteral("%1 belongs to --lunar-birthdays, not --signs").arg(wrong));

    SignsCommand::Settings settings;
    const std::optional<chinese::YearStart> yearStart = chinese::yearStartFromKey(parser.value(QStringLiteral("year-start")));
    if (!yearStart)
        return usageError(err, QStringLiteral("--year-start takes new-year or spring, not \"%1\"").arg(parser.value(QStringLiteral("year-start"))));
    settings.yearStart = *yearStart;
    const std::optional<chinese::Tradition> tradition = traditionOption(parser, err);
    if (!tradition)
        return UsageError;
    settings.tradition = *tradition;
    const std::optional<chinese::DayStart> dayStart = chinese::dayStartFromKey(parser.value(QStringLiteral("day-starts")));
    if (!dayStart)
        return usageError(err, QStringLiteral("--day-starts takes midnight or 23, not \"%1\"").arg(parser.value(QStringLiteral("day-starts"))));
    settings.dayStart = *dayStart;
    if (parser.isSet(QStringLiteral("tz"))) {
        QString problem;
        const std::optional<zoneName::Zone> zone = zoneName::check(parser.value(QStringLiteral("tz")), &problem);
        if (!zone)
            return usageError(err, problem);
        settings.zone = zone->zone;
    }
    if (parser.isSet(QStringLiteral("longitude"))) {
        // Read as the Chinese input form reads it.
        settings.longitude = chinese::longitudeFromText(parser.value(QStringLiteral("longitude")));
        if (!settings.longitude)
            return usageError(err, QStringLiteral("--longitude takes degrees from -180 (west) to 180 (east), such as 75.99, "
                                                  "75,99 E or 74 W, not \"%1\"")
                                       .arg(parser.value(QStringLiteral("longitude"))));
    }
    settings.name = oneLine(parser.value(QStringLiteral("name"))).trimmed();
    settings.json = parser.isSet(QStringLiteral("json"));
    if (const int status = chartOptions(parser, settings, err); status != 0)
        return status;

    const QString dateText = parser.value(QStringLiteral("signs"));
    SignsCommand command(std::move(settings));
    if (dateText == QLatin1String("-")) {
        if (parser.isSet(QStringLiteral("time")))
            return usageError(err, QStringLiteral("--time does not go with --signs -: give each line its time"));
        // A closed descriptor (left unopened by exec()) is input that cannot be read, not an empty one.
        if (!in.isReadable()) {
            writeAll(err, QByteArrayLiteral("orvo: standard input is closed; --signs - reads the dates from it\n"));
            return InputFailed;
        }
        switch (command.answerLines(in, out)) {
        case SignsCommand::Outcome::AllAnswered:
            return 0;
        case SignsCommand::Outcome::SomeLinesBad:
            return UsageError;
        case SignsCommand::Outcome::OutputFailed:
            writeAll(err, QByteArrayLiteral("orvo: the output could not be written\n"));
            return OutputFailed;
        case SignsCommand::Outcome::InputFailed:
            writeAll(err, (QStringLiteral("orvo: standard input could not be read to its end (%1); the lines "
                                          "before that are answered\n")
                               .arg(oneLine(command.readError())))
                              .toUtf8());
            return InputFailed;
        }
    }

    const QDate birthDate = terminal::isoDay(dateText);
    if (!birthDate.isValid())
        return usageError(err, notADay(dateText));
    std::optional<QTime> time;
    if (parser.isSet(QStringLiteral("time"))) {
        time = terminal::clockTime(parser.value(QStringLiteral("time")));
        if (!time)
            return usageError(err, QStringLiteral("--time takes HH:MM from 00:00 to 23:59, not \"%1\"").arg(parser.value(QStringLiteral("time"))));
    }
    QString error;
    const std::optional<QByteArray> text = command.answer(birthDate, time, error);
    if (!text)
        return usageError(err, error);
    return answer(out, err, *text);
}

// `--match FIRST SECOND`: the first date is the option's value, the second the one plain argument.
int runMatch(const QString &firstText, const QStringList &rest, const QString &yearStartText,
             chinese::Tradition tradition, bool json, QIODevice &out, QIODevice &err)
{
    if (rest.size() != 1)
        return usageError(err, QStringLiteral("--match takes two dates, YYYY-MM-DD YYYY-MM-DD"));
    const QString secondText = rest.constFirst();
    for (const QString &text : {firstText, secondText}) {
        if (!terminal::isoDay(text).isValid())
            return usageError(err, notADay(text));
    }
    const std::optional<chinese::YearStart> start = chinese::yearStartFromKey(yearStartText);
    if (!start)
        return usageError(err, QStringLiteral("--year-start takes new-year or spring, not \"%1\"").arg(yearStartText));
    overview::TwoPeopleProblem problem = overview::TwoPeopleProblem::None;
    const std::optional<TwoPeople> match = overview::twoPeople(QString(), terminal::isoDay(firstText), QString(),
                                                               terminal::isoDay(secondText), *start, &problem, tradition);
    if (!match) {
        return usageError(err, QStringLiteral("%1 is outside the days covered, %2 to %3")
                                   .arg(problem == overview::TwoPeopleProblem::SecondDate ? secondText : firstText,
                                        chinese::firstCoveredDay().toString(Qt::ISODate),
                                        chinese::lastCoveredDay().toString(Qt::ISODate)));
    }
    if (json)
        return answer(out, err, QJsonDocument(overview::matchJson(*match)).toJson(QJsonDocument::Compact) + '\n');
    return answer(out, err, overview::matchText(*match).toUtf8());
}


// --lunar-birthdays DATE [--from YEAR] [--count N]: the Gregorian dates of the Chinese birthday.
int runLunarBirthdays(const QCommandLineParser &parser, QIODevice &out, QIODevice &err)
{
    if (const QString wrong = firstSet(parser, {QStringLiteral("time"), QStringLiteral("tz"), QStringLiteral("longitude"),
                                                QStringLiteral("day-starts"), QStringLiteral("year-start"),
                                                QStringLiteral("sex"), QStringLiteral("luck-method")});
        !wrong.isEmpty())
        return usageError(err, QStringLiteral("%1 belongs to --signs, not --lunar-birthdays").arg(wrong));
    if (parser.isSet(QStringLiteral("json")) && parser.isSet(QStringLiteral("ics")))
        return usageError(err, QStringLiteral("--json and --ics exclude each other"));

    const QString dateText = parser.value(QStringLiteral("lunar-birthdays"));
    const QDate birthDate = terminal::isoDay(dateText);
    if (!birthDate.isValid())
        return usageError(err, notADay(dateText));
    const std::optional<chinese::Tradition> tradition = traditionOption(parser, err);
    if (!tradition)
        return UsageError;
    if (!chinese::hasLunarDates(*tradition))
        return usageError(err, QStringLiteral("--tradition japan has no lunar birthdays: ") + chinese::noLunarDatesText());
    const std::optional<chinese::ChineseDate> birth = chinese::chineseDate(birthDate, *tradition);
    if (!birth || birthDate < chinese::firstCoveredDay() || birthDate > chinese::lastCoveredDay()) {
        return usageError(err, QStringLiteral("%1 is outside the days covered, %2 to %3")
                                   .arg(dateText, chinese::firstCoveredDay().toString(Qt::ISODate),
                                        chinese::lastCoveredDay().toString(Qt::ISODate)));
    }
    bool fromOk = true;
    bool countOk = true;
    const std::optional<chinese::ChineseDate> today = chinese::chineseDate(QDate::currentDate(), *tradition);
    // Birthdays begin with the birth: by default from the current year or the birth's, whichever is later.
    const int fromYear = parser.isSet(QStringLiteral("from"))
                             ? parser.value(QStringLiteral("from")).toInt(&fromOk)
                             : std::max(today ? today->year : chinese::lastWholeChineseYear(), birth->year);
    const int count = parser.isSet(QStringLiteral("count")) ? parser.value(QStringLiteral("count")).toInt(&countOk) : 10;
    if (!fromOk)
        return usageError(err, QStringLiteral("--from takes a Chinese year such as 2025, not \"%1\"").arg(parser.value(QStringLiteral("from"))));
    if (fromYear < birth->year)
        return usageError(err, QStringLiteral("--from %1 is before the birth: %2 falls in the Chinese year %3")
                                   .arg(parser.value(QStringLiteral("from")), dateText)
                                   .arg(birth->year));
    if (!countOk || count < 1)
        return usageError(err, QStringLiteral("--count takes a number of years from 1, not \"%1\"").arg(parser.value(QStringLiteral("count"))));
    const std::optional<QList<chinese::LunarBirthday>> birthdays = chinese::lunarBirthdays(*birth, fromYear, count, *tradition);
    if (!birthdays) {
        return usageError(err, QStringLiteral("the Chinese years asked for must lie from %1 to %2")
                                   .arg(chinese::firstWholeChineseYear())
                                   .arg(chinese::lastWholeChineseYear()));
    }

    const QString name = oneLine(parser.value(QStringLiteral("name"))).trimmed();
    if (parser.isSet(QStringLiteral("ics")))
        return answer(out, err, chinese::birthdayCalendar(name, birthDate, *birthdays, QDateTime::currentDateTimeUtc(), *tradition));
    if (parser.isSet(QStringLiteral("json"))) {
        QJsonObject json = chinese::lunarBirthdaysJson(name, birthDate, *birth, *birthdays, *tradition);
        json.insert(QStringLiteral("tradition"), chinese::traditionKey(*tradition));
        return answer(out, err, QJsonDocument(json).toJson(QJsonDocument::Compact) + '\n');
    }
    return answer(out, err, chinese::lunarBirthdaysText(name, *birth, *birthdays, *tradition).toUtf8());
}

} // namespace

bool claims(int argc, const char *const *argv)
{
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '-' && argv[i][1] != '\0')
            return true;
    }
    return false;
}

QByteArray forgottenSigns(int argc, const char *const *argv)
{
    static const QRegularExpression date(QStringLiteral("^\\d{1,4}([-/.])\\d{1,2}\\1\\d{1,4}$"));
    for (int i = 1; i < argc; ++i) {
        const QString argument = QFile::decodeName(argv[i]);
        if (!date.match(argument).hasMatch() || QFileInfo(argument).exists() || QFileInfo(argument).isSymLink())
            continue;
        return QStringLiteral("orvo: %1 is not a saved reading; did you mean --signs %1?\n").arg(argument).toUtf8();
    }
    return {};
}

int run(const QStringList &arguments, QIODevice &out, QIODevice &err)
{
    QBuffer nothing;
    nothing.open(QIODevice::ReadOnly);
    return run(arguments, nothing, out, err);
}

int run(const QStringList &arguments, QIODevice &in, QIODevice &out, QIODevice &err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Orvo Animal Signs Astrology. Without options the program opens its window, on the saved "
        "reading FILE when one is given (handed to the copy already running, if any); with --signs "
        "it prints the Celtic, Chinese, Mayan and Australian signs of a birth date, with its Chinese "
        "date and Four Pillars, and exits; with --lunar-birthdays it prints the dates of the Chinese "
        "birthday in coming years; with --match how the Chinese signs of two birth dates stand to "
        "each other."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the program's version and exit."));
    const QCommandLineOption signs(QStringLiteral("signs"),
                                   QStringLiteral("Print the four signs of the birth date (1900-01-01 to 2100-12-31) and exit. "
                                                  "With - read dates from standard input, \"YYYY-MM-DD\" or "
                                                  "\"YYYY-MM-DD HH:MM\" one a line, and answer each on one line."),
                                   QStringLiteral("YYYY-MM-DD"));
    const QCommandLineOption time(QStringLiteral("time"), QStringLiteral("The time of birth on the birthplace's clock, for the hour pillar."),
                                  QStringLiteral("HH:MM"));
    const QCommandLineOption zone(QStringLiteral("tz"),
                                  QStringLiteral("The birthplace's time zone, such as Asia/Shanghai (default: this computer's)."),
                                  QStringLiteral("ZONE"));
    const QCommandLineOption longitude(QStringLiteral("longitude"),
                                       QStringLiteral("The birthplace's longitude in degrees, east positive (--longitude=-74.0 "
                                                      "for the west): the day and hour pillars then follow true solar time."),
                                       QStringLiteral("DEG"));
    const QCommandLineOption dayStarts(QStringLiteral("day-starts"),
                                       QStringLiteral("Where the day pillar's day begins: midnight (the default) or 23 (23:00)."),
                                       QStringLiteral("midnight|23"), QStringLiteral("midnight"));
    const QCommandLineOption name(QStringLiteral("name"), QStringLiteral("The name printed with the signs or birthdays."),
                                  QStringLiteral("NAME"));
    const QCommandLineOption yearStart(QStringLiteral("year-start"),
                                       QStringLiteral("Where the Chinese year begins: new-year (the lunar new "
                                                      "year, the default) or spring (the Start of Spring)."),
                                       QStringLiteral("new-year|spring"), QStringLiteral("new-year"));
    const QCommandLineOption tradition(QStringLiteral("tradition"),
                                       QStringLiteral("Whose way of counting the animal years to follow for --signs, "
                                                      "--match and --lunar-birthdays: china (the default), vietnam "
                                                      "(its own lunar calendar; the Cat, the Water Buffalo), korea (its "
                                                      "own lunar calendar) or japan (the year from 1 January; the Wild Boar)."),
                                       QStringLiteral("china|vietnam|korea|japan"), QStringLiteral("china"));
    const QCommandLineOption match(QStringLiteral("match"),
                                   QStringLiteral("Print how the Chinese signs of two birth dates stand to each other "
                                                  "(--match YYYY-MM-DD YYYY-MM-DD: relations, elements, summary) and exit."),
                                   QStringLiteral("YYYY-MM-DD"));
    const QCommandLineOption sex(QStringLiteral("sex"),
                                 QStringLiteral("The sex of the person born, for the direction of the luck pillars."),
                                 QStringLiteral("male|female"));
    const QCommandLineOption luckMethod(QStringLiteral("luck-method"),
                                        QStringLiteral("How the start of the luck pillars is counted: exact (every minute "
                                                       "to the governing solar term, the default) or classic (whole days "
                                                       "and double hours)."),
                                        QStringLiteral("exact|classic"), QStringLiteral("exact"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print the answer as JSON: one object (a line)."));
    const QCommandLineOption lunarBirthdays(QStringLiteral("lunar-birthdays"),
                                            QStringLiteral("Print the Gregorian dates of the Chinese birthday of someone born "
                                                           "on that date, one for each Chinese year asked for, and exit."),
                                            QStringLiteral("YYYY-MM-DD"));
    const QCommandLineOption from(QStringLiteral("from"),
                                  QStringLiteral("The first Chinese year of the birthdays (default: the current one)."),
                                  QStringLiteral("YEAR"));
    const QCommandLineOption count(QStringLiteral("count"), QStringLiteral("How many years of birthdays (default: 10)."),
                                   QStringLiteral("N"));
    const QCommandLineOption ics(QStringLiteral("ics"),
                                 QStringLiteral("Print the birthdays as an iCalendar file, one all-day event each."));
    const QList<QCommandLineOption> options{help, version, signs, time, zone, longitude, dayStarts, name, yearStart, json,
                                            lunarBirthdays, from, count, ics, match, tradition, sex, luckMethod};
    parser.addOptions(options);
    // Only described here: a file name without options never reaches this parser (see claims()).
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("A saved reading to open in the window: .str (Chinese) or "
                                                ".zod (Mayan or Australian). Takes no options."),
                                 QStringLiteral("[FILE]"));

    if (!parser.parse(arguments))
        return usageError(err, parser.errorText());
    if (const QString twice = givenTwice(parser, options); !twice.isEmpty())
        return usageError(err, QStringLiteral("%1 given twice").arg(twice));
    if (!parser.positionalArguments().isEmpty() && !parser.isSet(match))
        return usageError(err, QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(help))
        return answer(out, err, parser.helpText().toUtf8());
    if (parser.isSet(version))
        return answer(out, err, QByteArrayLiteral("orvo " ORVO_VERSION "\n"));
    if (parser.isSet(match)) {
        for (const QCommandLineOption *option : {&signs, &lunarBirthdays, &name, &time, &zone, &longitude, &dayStarts, &from, &count, &ics,
                                                 &sex, &luckMethod}) {
            if (parser.isSet(*option))
                return usageError(err, QStringLiteral("--%1 does not go with --match").arg(option->names().constFirst()));
        }
        const std::optional<chinese::Tradition> matchTradition = traditionOption(parser, err);
        if (!matchTradition)
            return UsageError;
        return runMatch(parser.value(match), parser.positionalArguments(), parser.value(yearStart), *matchTradition,
                        parser.isSet(json), out, err);
    }
    if (parser.isSet(signs) && parser.isSet(lunarBirthdays))
        return usageError(err, QStringLiteral("--signs and --lunar-birthdays are two different questions; ask one at a time"));
    if (parser.isSet(signs))
        return runSigns(parser, in, out, err);
    if (parser.isSet(lunarBirthdays))
        return runLunarBirthdays(parser, out, err);
    for (const QCommandLineOption *option : {&time, &zone, &longitude, &dayStarts, &yearStart, &tradition, &sex, &luckMethod})
        if (parser.isSet(*option))
            return usageError(err, QStringLiteral("--%1 needs --signs YYYY-MM-DD").arg(option->names().constFirst()));
    for (const QCommandLineOption *option : {&from, &count, &ics})
        if (parser.isSet(*option))
            return usageError(err, QStringLiteral("--%1 needs --lunar-birthdays YYYY-MM-DD").arg(option->names().constFirst()));
    for (const QCommandLineOption *option : {&name, &json}) {
        if (parser.isSet(*option))
            return usageError(err, QStringLiteral("--%1 needs --signs YYYY-MM-DD%2")
                                       .arg(option->names().constFirst(),
                                            option == &name ? QString() : QStringLiteral(" or --match")));
    }
    return usageError(err, QStringLiteral("nothing to do; see orvo --help"));
}

int exec(int argc, char *argv[])
{
    // Looked at before anything is opened, which could be given the free descriptor 0.
    const bool inputClosed = ::fcntl(STDIN_FILENO, F_GETFL) < 0;
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orvo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVO_VERSION));
    // Unbuffered, so that a failed write shows at once and not in a later flush; the answers
    // are collected into large pieces before they are written.
    QFile out;
    QFile err;
    if (!out.open(fileno(stdout), QIODevice::WriteOnly | QIODevice::Unbuffered)
        || !err.open(fileno(stderr), QIODevice::WriteOnly | QIODevice::Unbuffered))
        return OutputFailed;
    // Only `--signs -` reads standard input, and reports it closed (left unopened here).
    QFile in;
    if (!inputClosed)
        in.open(STDIN_FILENO, QIODevice::ReadOnly);
    return run(QCoreApplication::arguments(), in, out, err);
}

} // namespace commandLine
