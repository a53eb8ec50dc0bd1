#include "app/signs_command.h"

#include "app/terminal_io.h"
#include "chinese/calendar/four_pillars.h"
#include "common/json_writer.h"
#include "overview/four_signs.h"
#include "overview/four_signs_output.h"

#include <QHash>
#include <QIODevice>

namespace {

constexpr qint64 longestLine = 4096;             // bytes; a longer line is answered as bad
constexpr std::size_t outputPiece = 1 << 20;     // bytes collected before they are written
constexpr qsizetype rememberedAnswers = 8192;    // enough for the repeats of a register, little memory

} // namespace

SignsCommand::SignsCommand(Settings settings)
    : m_settings(std::move(settings))
{
}

std::optional<FourSigns> SignsCommand::signsOf(const QDate &date, const std::optional<QTime> &time, QString &error) const
{
    // Every member given, so that the default zone (the computer's, looked up anew each time) is not.
    const chinese::BirthMoment birth{date, time, m_settings.zone, m_settings.longitude, m_settings.dayStart};
    chinese::BirthProblem problem = chinese::BirthProblem::None;
    std::optional<FourSigns> signs = overview::fourSigns(birth, m_settings.yearStart, problem, m_settings.tradition);
    if (!signs) {
        error = problem == chinese::BirthProblem::DateOutsideRange
                    ? QStringLiteral("%1 is outside the days covered, %2 to %3")
                          .arg(date.toString(Qt::ISODate), chinese::firstCoveredDay().toString(Qt::ISODate),
                               chinese::lastCoveredDay().toString(Qt::ISODate))
                    : chinese::birthProblemText(problem, birth);
    }
    return signs;
}

std::optional<QByteArray> SignsCommand::answer(const QDate &date, const std::optional<QTime> &time, QString &error)
{
    const std::optional<FourSigns> signs = signsOf(date, time, error);
    if (!signs)
        return std::nullopt;
    if (!m_settings.json)
        return overview::plainText(*signs, m_settings.name).toUtf8();
    std::string text;
    m_json.append(text, *signs, m_settings.name, time);
    return QByteArray::fromStdString(text) + '\n';
}

void SignsCommand::appendLine(std::string &out, const QByteArray &input, qint64 lineNumber, bool &bad)
{
    const QString text = QString::fromUtf8(input).trimmed();
    const qsizetype space = text.indexOf(QLatin1Char(' '));
    const QDate date = terminal::isoDay(QStringView(text).left(space < 0 ? text.size() : space));
    std::optional<QTime> time;
    QString error;
    if (text.isEmpty())
        error = QStringLiteral("the line is empty");
    else if (!date.isValid())
        error = QStringLiteral("\"%1\" is not a day of the calendar written as YYYY-MM-DD").arg(terminal::oneLine(text));
    else if (space >= 0 && !(time = terminal::clockTime(QStringView(text).mid(space + 1))))
        error = QStringLiteral("\"%1\" is not a time written as HH:MM after the date").arg(terminal::oneLine(text.mid(space + 1)));

    std::optional<FourSigns> signs;
    if (error.isEmpty())
        signs = signsOf(date, time, error);
    bad = !signs;
    if (bad)
        out += errorLine(lineNumber, text, error);
    else if (m_settings.json)
        m_json.append(out, *signs, m_settings.name, time);
    else
        out += overview::summaryLine(*signs, time ? date.toString(Qt::ISODate) + QLatin1Char(' ') + time->toString(QStringLiteral("HH:mm"))
                                                  : date.toString(Qt::ISODate))
                   .toStdString();
}

std::string SignsCommand::errorLine(qint64 lineNumber, const QString &input, const QString &error) const
{
    if (!m_settings.json)
        return QStringLiteral("error: line %1: %2").arg(lineNumber).arg(error).toStdString();
    std::string line;
    JsonWriter json(line);
    json.beginObject();
    json.member("line", lineNumber);
    json.member("input", terminal::oneLine(input));
    json.member("error", error);
    json.endObject();
    return line;
}

SignsCommand::Outcome SignsCommand::answerLines(QIODevice &in, QIODevice &out)
{
    // Good answers depend on the line's text alone (bad ones name their line number).
    QHash<QByteArray, std::string> answered;
    std::string pending;
    pending.reserve(outputPiece + longestLine * 4);
    const auto flush = [&] { return terminal::writeAll(out, QByteArray::fromRawData(pending.data(), qsizetype(pending.size()))); };
    bool anyBad = false;
    qint64 lineNumber = 0;
    for (;;) {
        QByteArray line = in.readLine(longestLine + 1);
        if (line.isEmpty())
            break;
        ++lineNumber;
        bool tooLong = false;
        while (!line.endsWith('\n')) {
            const QByteArray rest = in.readLine(longestLine + 1);
            if (rest.isEmpty())
                break;
            tooLong = tooLong || (rest != "\n" && rest != "\r\n");
            if (rest.endsWith('\n'))
                break;
        }
        tooLong = tooLong || line.size() > longestLine;
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);

        bool bad = false;
        if (tooLong) {
            bad = true;
            pending += errorLine(lineNumber, QString(), QStringLiteral("the line is longer than %1 bytes").arg(longestLine));
        } else if (const auto known = answered.constFind(line); known != answered.cend()) {
            pending += *known;
        } else {
            const std::size_t from = pending.size();
            appendLine(pending, line, lineNumber, bad);
            if (!bad && answered.size() < rememberedAnswers)
                answered.insert(line, pending.substr(from));
        }
        anyBad = anyBad || bad;
        pending += '\n';
        if (pending.size() >= outputPiece) {
            if (!flush())
                return Outcome::OutputFailed;
            pending.clear();
        }
    }
    if (!flush())
        return Outcome::OutputFailed;
    return anyBad ? Outcome::SomeLinesBad : Outcome::AllAnswered;
}
