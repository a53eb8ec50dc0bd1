#include "app/signs_command.h"

#include "app/terminal_io.h"
#include "chinese/calendar/four_pillars.h"
#include "chinese/calendar/pillar_chart.h"
#include "common/json_writer.h"
#include "common/zone_name.h"
#include "overview/four_signs.h"
#include "overview/four_signs_output.h"

#include <QFileDevice>
#include <QHash>
#include <QIODevice>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <poll.h>
#include <unistd.h>

namespace {

constexpr qint64 longestLine = 4096;             // bytes; a longer line is answered as bad
constexpr std::size_t outputPiece = 1 << 20;     // bytes collected before they are written
constexpr qint64 inputPiece = 64 * 1024;         // bytes asked for in one read
constexpr qsizetype rememberedAnswers = 8192;    // enough for the repeats of a register, little memory

} // namespace

SignsCommand::SignsCommand(Settings settings)
    : m_settings(std::move(settings))
{
}

std::optional<FourSigns> SignsCommand::signsOf(const QDate &date, const std::optional<QTime> &time, QString &error) const
{
    QTimeZone zone;
    if (m_settings.zone) {
        zone = *m_settings.zone;
    } else if (!time) {
        zone = zoneName::zoneWithoutTime();
    } else if (const std::optional<zoneName::Zone> &computer = zoneName::thisComputersZone()) {
        zone = computer->zone;
    } else {
        error = QStringLiteral("a time of birth needs the birthplace's time zone: give it with --tz, as this computer's "
                               "is not known (%1)")
                    .arg(zoneName::thisComputersZoneProblem());
        return std::nullopt;
    }
    const chinese::BirthMoment birth{date, time, zone, m_settings.longitude, m_settings.dayStart};
    chinese::BirthProblem problem = chinese::BirthProblem::None;
    std::optional<FourSigns> signs = overview::fourSigns(birth, m_settings.yearStart, problem, m_settings.tradition);
    if (!signs) {
        error = problem == chinese::BirthProblem::DateOutsideRange
                    ? QStringLiteral("%1 is outside the days covered, %2 to %3")
                          .arg(date.toString(Qt::ISODate), chinese::firstCoveredDay().toString(Qt::ISODate),
                               chinese::lastCoveredDay().toString(Qt::ISODate))
                    : chinese::birthProblemText(problem, birth);
    } else if (signs->chinese.pillars) {
        addChart(signs->chinese, birth);
    }
    return signs;
}

void SignsCommand::addChart(FourSigns::Chinese &chinese, const chinese::BirthMoment &birth) const
{
    chinese.chart = chinese::pillarChart(*chinese.pillars);
    if (m_settings.male)
        chinese.luck = chinese::luckPillars(birth, *chinese.pillars, *m_settings.male, m_settings.luckMethod);
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
    const QString line = QString::fromUtf8(input);
    const QString text = line.trimmed();
    const qsizetype space = text.indexOf(QLatin1Char(' '));
    const QDate date = terminal::isoDay(QStringView(text).left(space < 0 ? text.size() : space));
    std::optional<QTime> time;
    QString error;
    if (text.isEmpty())
        error = QStringLiteral("the line is empty");
    else if (!date.isValid())
        error = QStringLiteral("\"%1\" is not a day of the calendar written as YYYY-MM-DD").arg(terminal::shown(text));
    else if (space >= 0 && !(time = terminal::clockTime(QStringView(text).mid(space + 1))))
        error = QStringLiteral("\"%1\" is not a time written as HH:MM after the date").arg(terminal::shown(text.mid(space + 1)));

    std::optional<FourSigns> signs;
    if (error.isEmpty())
        signs = signsOf(date, time, error);
    bad = !signs;
    if (bad)
        out += errorLine(lineNumber, line, error);
    else if (m_settings.json)
        m_json.append(out, *signs, m_settings.name, time);
    else
        out += overview::summaryLine(*signs, time ? date.toString(Qt::ISODate) + QLatin1Char(' ') + time->toString(QStringLiteral("HH:mm"))
                                                  : date.toString(Qt::ISODate))
                   .toStdString();
}

std::string SignsCommand::errorLine(qint64 lineNumber, const QString &input, const QString &error) const
{
    // The plain line quotes the input within error, already shown with escapes.
    if (!m_settings.json)
        return QStringLiteral("error: line %1: %2").arg(lineNumber).arg(error).toStdString();
    std::string line;
    JsonWriter json(line);
    json.beginObject();
    json.member("line", lineNumber);
    json.member("input", input);   // JSON escapes every control code
    json.member("error", error);
    json.endObject();
    return line;
}

namespace {

// Lines from a device, read in large pieces. QFile's own line reading takes a pipe one byte a
// call and loses a read error on the way, and its read() waits for a whole piece: a file device
// is read here straight from its descriptor, which gives what has come so far.
struct LineReader
{
    QIODevice &in;
    QByteArray buffer;
    qsizetype start = 0;
    bool ended = false;
    QString error;   // why reading stopped before the end; empty at a true end

    // The next line with its '\n', or its first max bytes; empty at the end of the input.
    QByteArray readLine(qsizetype max)
    {
        for (;;) {
            const qsizetype end = buffer.indexOf('\n', start);
            if (end >= 0 && end - start < max)
                return take(end + 1 - start);
            if (buffer.size() - start >= max || ended)
                return take(std::min(max, buffer.size() - start));
            buffer.remove(0, start);
            start = 0;
            readPiece();
        }
    }

    // True when readLine() would not wait: a whole line is here, the input is a regular file
    // (which never waits), or the descriptor under it has data or its end.
    bool lineWaiting() const
    {
        if (ended || buffer.indexOf('\n', start) >= 0 || !in.isSequential() || descriptor() < 0)
            return true;
        pollfd ready{descriptor(), POLLIN, 0};
        return ::poll(&ready, 1, 0) != 0;
    }

private:
    int descriptor() const
    {
        const auto *file = qobject_cast<const QFileDevice *>(&in);
        return file ? file->handle() : -1;
    }

    void readPiece()
    {
        const qsizetype size = buffer.size();
        if (descriptor() < 0) {
            buffer += in.read(inputPiece);
        } else {
            buffer.resize(size + inputPiece);
            ssize_t got = -1;
            for (;;) {
                got = ::read(descriptor(), buffer.data() + size, std::size_t(inputPiece));
                if (got >= 0)
                    break;
                if (errno == EINTR)
                    continue;
                if (errno != EAGAIN && errno != EWOULDBLOCK)
                    break;
                // A descriptor set not to block (by whoever shares it) has nothing yet: wait for it.
                pollfd ready{descriptor(), POLLIN, 0};
                if (::poll(&ready, 1, -1) < 0 && errno != EINTR)
                    break;   // why the poll failed is the error
            }
            if (got < 0)
                error = QString::fromLocal8Bit(std::strerror(errno));
            buffer.resize(size + std::max<ssize_t>(got, 0));
        }
        ended = buffer.size() == size;
    }

    QByteArray take(qsizetype size)
    {
        QByteArray line = buffer.mid(start, size);
        start += size;
        return line;
    }
};

} // namespace

SignsCommand::Outcome SignsCommand::answerLines(QIODevice &in, QIODevice &out)
{
    // Good answers depend on the line's text alone (bad ones name their line number).
    QHash<QByteArray, std::string> answered;
    std::string pending;
    pending.reserve(outputPiece + longestLine * 4);
    const auto flush = [&] {
        const bool written = terminal::writeAll(out, QByteArray::fromRawData(pending.data(), qsizetype(pending.size())));
        pending.clear();
        return written;
    };
    LineReader reader{in, {}, 0, false, {}};
    bool anyBad = false;
    qint64 lineNumber = 0;
    for (;;) {
        // A file keeps the big pieces; a pipe fed slowly or a terminal is answered line by line.
        if (!pending.empty() && !reader.lineWaiting() && !flush())
            return Outcome::OutputFailed;
        QByteArray line = reader.readLine(longestLine + 1);
        if (line.isEmpty())
            break;
        bool whole = line.endsWith('\n');
        bool tooLong = false;
        while (!whole) {
            const QByteArray rest = reader.readLine(longestLine + 1);
            if (rest.isEmpty())
                break;
            tooLong = tooLong || (rest != "\n" && rest != "\r\n");
            whole = rest.endsWith('\n');
        }
        // A line cut short by a read error is not what was sent: it is left unanswered. At a
        // true end of the input, the last line needs no line end.
        if (!whole && !reader.error.isEmpty())
            break;
        ++lineNumber;
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
        if (pending.size() >= outputPiece && !flush())
            return Outcome::OutputFailed;
    }
    if (!flush())
        return Outcome::OutputFailed;
    m_readError = reader.error;
    if (!m_readError.isEmpty())
        return Outcome::InputFailed;
    return anyBad ? Outcome::SomeLinesBad : Outcome::AllAnswered;
}
