#include "app/signs_command.h"

#include "app/terminal_io.h"
#include "chinese/four_pillars.h"
#include "overview/four_signs.h"
#include "overview/four_signs_output.h"

#include <QHash>
#include <QIODevice>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr qint64 longestLine = 4096;           // bytes; a longer line is answered as bad
constexpr qsizetype outputPiece = 1 << 20;     // bytes collected before they are written
constexpr qsizetype rememberedAnswers = 8192;   // enough for the repeats of a register, little memory

QByteArray compactJson(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

} // namespace

SignsCommand::SignsCommand(Settings settings)
    : m_settings(std::move(settings))
{
}

std::optional<FourSigns> SignsCommand::signsOf(const QDate &date, const std::optional<QTime> &time, QString &error) const
{
    chinese::BirthMoment birth;
    birth.date = date;
    birth.time = time;
    birth.zone = m_settings.zone;
    birth.longitude = m_settings.longitude;
    birth.dayStart = m_settings.dayStart;
    chinese::BirthProblem problem = chinese::BirthProblem::None;
    std::optional<FourSigns> signs = overview::fourSigns(birth, m_settings.yearStart, problem);
    if (!signs) {
        error = problem == chinese::BirthProblem::DateOutsideRange
                    ? QStringLiteral("%1 is outside the days covered, %2 to %3")
                          .arg(date.toString(Qt::ISODate), chinese::firstCoveredDay().toString(Qt::ISODate),
                               chinese::lastCoveredDay().toString(Qt::ISODate))
                    : chinese::birthProblemText(problem, birth);
    }
    return signs;
}

std::optional<QByteArray> SignsCommand::answer(const QDate &date, const std::optional<QTime> &time, QString &error) const
{
    const std::optional<FourSigns> signs = signsOf(date, time, error);
    if (!signs)
        return std::nullopt;
    if (!m_settings.json)
        return overview::plainText(*signs, m_settings.name).toUtf8();
    QJsonObject object = overview::toJson(*signs, m_settings.name);
    if (time)
        object.insert(QStringLiteral("time"), time->toString(QStringLiteral("HH:mm")));
    return compactJson(object) + '\n';
}

QByteArray SignsCommand::lineFor(const QByteArray &input, qint64 lineNumber, bool &bad)
{
    const QString text = QString::fromUtf8(input).trimmed();
    const qsizetype space = text.indexOf(QLatin1Char(' '));
    const QDate date = terminal::isoDay(QStringView(text).left(space < 0 ? text.size() : space));
    std::optional<QTime> time;
    QString error;
    if (!date.isValid())
        error = QStringLiteral("\"%1\" is not a day of the calendar written as YYYY-MM-DD").arg(terminal::oneLine(text));
    else if (space >= 0 && !(time = terminal::clockTime(QStringView(text).mid(space + 1))))
        error = QStringLiteral("\"%1\" is not a time written as HH:MM after the date").arg(terminal::oneLine(text.mid(space + 1)));

    std::optional<FourSigns> signs;
    if (error.isEmpty())
        signs = signsOf(date, time, error);
    bad = !signs;
    if (bad) {
        if (!m_settings.json)
            return QStringLiteral("error: line %1: %2").arg(lineNumber).arg(error).toUtf8();
        return compactJson(QJsonObject{{QStringLiteral("line"), lineNumber},
                                       {QStringLiteral("input"), terminal::oneLine(text)},
                                       {QStringLiteral("error"), error}});
    }
    const QString label = time ? date.toString(Qt::ISODate) + QLatin1Char(' ') + time->toString(QStringLiteral("HH:mm"))
                               : date.toString(Qt::ISODate);
    if (!m_settings.json)
        return overview::summaryLine(*signs, label).toUtf8();
    QJsonObject object = overview::toJson(*signs, m_settings.name);
    if (time)
        object.insert(QStringLiteral("time"), time->toString(QStringLiteral("HH:mm")));
    return compactJson(object);
}

SignsCommand::Outcome SignsCommand::answerLines(QIODevice &in, QIODevice &out)
{
    // Good answers depend on the line's text alone (bad ones name their line number).
    QHash<QByteArray, QByteArray> answered;
    QByteArray pending;
    pending.reserve(outputPiece + longestLine * 4);
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
        QByteArray answer;
        if (tooLong) {
            bad = true;
            const QString error = QStringLiteral("the line is longer than %1 bytes").arg(longestLine);
            answer = m_settings.json ? compactJson(QJsonObject{{QStringLiteral("line"), lineNumber},
                                                               {QStringLiteral("error"), error}})
                                     : QStringLiteral("error: line %1: %2").arg(lineNumber).arg(error).toUtf8();
        } else if (const auto known = answered.constFind(line); known != answered.cend()) {
            answer = *known;
        } else {
            answer = lineFor(line, lineNumber, bad);
            if (!bad && answered.size() < rememberedAnswers)
                answered.insert(line, answer);
        }
        anyBad = anyBad || bad;
        pending += answer;
        pending += '\n';
        if (pending.size() >= outputPiece) {
            if (!terminal::writeAll(out, pending))
                return Outcome::OutputFailed;
            pending.clear();
        }
    }
    if (!terminal::writeAll(out, pending))
        return Outcome::OutputFailed;
    return anyBad ? Outcome::SomeLinesBad : Outcome::AllAnswered;
}
