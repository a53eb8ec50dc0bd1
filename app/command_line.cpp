#include "app/command_line.h"

#include "chinese/chinese_calendar.h"
#include "chinese/year_start.h"
#include "common/version.h"
#include "overview/four_signs.h"
#include "overview/four_signs_output.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QRegularExpression>

#include <cstdio>

namespace commandLine {

namespace {

// Values typed by the user come back in messages and output on one line, without control codes.
QString oneLine(QString text)
{
    for (QChar &c : text) {
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    }
    return text;
}

bool writeAll(QIODevice &device, const QByteArray &bytes)
{
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 chunk = device.write(bytes.constData() + written, bytes.size() - written);
        if (chunk <= 0)
            return false;
        written += chunk;
    }
    return true;
}

int usageError(QIODevice &err, const QString &message)
{
    writeAll(err, (QStringLiteral("orvo: ") + oneLine(message) + QLatin1Char('\n')).toUtf8());
    return UsageError;
}

int answer(QIODevice &out, QIODevice &err, const QByteArray &bytes)
{
    if (writeAll(out, bytes))
        return 0;
    writeAll(err, QByteArrayLiteral("orvo: the output could not be written\n"));
    return OutputFailed;
}

// A real day written exactly as YYYY-MM-DD; an invalid QDate otherwise.
QDate parseIsoDay(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{4})-([0-9]{2})-([0-9]{2})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return {};
    return QDate(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
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

int run(const QStringList &arguments, QIODevice &out, QIODevice &err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Orvo Animal Signs Astrology. Without options the program opens its window, on the saved "
        "reading FILE when one is given (handed to the copy already running, if any); with --signs "
        "it prints the Celtic, Chinese, Mayan and Australian signs of a birth date and exits."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the program's version and exit."));
    const QCommandLineOption signs(QStringLiteral("signs"),
                                   QStringLiteral("Print the four signs of the birth date (1900-01-01 to 2100-12-31) and exit."),
                                   QStringLiteral("YYYY-MM-DD"));
    const QCommandLineOption name(QStringLiteral("name"), QStringLiteral("The name printed with the signs."),
                                  QStringLiteral("NAME"));
    const QCommandLineOption yearStart(QStringLiteral("year-start"),
                                       QStringLiteral("Where the Chinese year begins: new-year (the lunar new "
                                                      "year, the default) or spring (the Start of Spring)."),
                                       QStringLiteral("new-year|spring"), QStringLiteral("new-year"));
    const QCommandLineOption json(QStringLiteral("json"), QStringLiteral("Print the signs as one JSON object."));
    parser.addOptions({help, version, signs, name, yearStart, json});
    // Only described here: a file name without options never reaches this parser (see claims()).
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("A saved reading to open in the window: .str (Chinese) or "
                                                ".zod (Mayan or Australian). Takes no options."),
                                 QStringLiteral("[FILE]"));

    if (!parser.parse(arguments))
        return usageError(err, parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return usageError(err, QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().constFirst()));
    if (parser.isSet(help))
        return answer(out, err, parser.helpText().toUtf8());
    if (parser.isSet(version))
        return answer(out, err, QByteArrayLiteral("orvo " ORVO_VERSION "\n"));
    if (!parser.isSet(signs)) {
        for (const QCommandLineOption *option : {&name, &yearStart, &json}) {
            if (parser.isSet(*option))
                return usageError(err, QStringLiteral("--%1 needs --signs YYYY-MM-DD").arg(option->names().constFirst()));
        }
        return usageError(err, QStringLiteral("nothing to do; see orvo --help"));
    }

    const QString dateText = parser.value(signs);
    const QDate birthDate = parseIsoDay(dateText);
    if (!birthDate.isValid())
        return usageError(err, QStringLiteral("\"%1\" is not a day of the calendar written as YYYY-MM-DD").arg(dateText));
    const std::optional<chinese::YearStart> start = chinese::yearStartFromKey(parser.value(yearStart));
    if (!start)
        return usageError(err, QStringLiteral("--year-start takes new-year or spring, not \"%1\"").arg(parser.value(yearStart)));
    const std::optional<FourSigns> result = overview::fourSigns(birthDate, *start);
    if (!result) {
        return usageError(err, QStringLiteral("%1 is outside the days covered, %2 to %3")
                                   .arg(dateText, chinese::firstCoveredDay().toString(Qt::ISODate),
                                        chinese::lastCoveredDay().toString(Qt::ISODate)));
    }

    const QString personName = oneLine(parser.value(name)).trimmed();
    if (parser.isSet(json))
        return answer(out, err, QJsonDocument(overview::toJson(*result, personName)).toJson(QJsonDocument::Compact) + '\n');
    return answer(out, err, overview::plainText(*result, personName).toUtf8());
}

int exec(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("orvo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVO_VERSION));
    // Unbuffered, so that a failed write shows at once and not in a later flush.
    QFile out;
    QFile err;
    if (!out.open(fileno(stdout), QIODevice::WriteOnly | QIODevice::Unbuffered)
        || !err.open(fileno(stderr), QIODevice::WriteOnly | QIODevice::Unbuffered))
        return OutputFailed;
    return run(QCoreApplication::arguments(), out, err);
}

} // namespace commandLine
