#pragma once

#include "chinese/calendar/birth_moment.h"
#include "chinese/calendar/chinese_calendar.h"
#include "chinese/calendar/luck_pillars.h"
#include "overview/four_signs.h"
#include "overview/four_signs_json.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QTime>
#include <QTimeZone>

#include <optional>
#include <string>

class QIODevice;

// `orvo --signs`: the four signs with the Chinese date and Four Pillars of one birth, or of
// every line read from a stream (`--signs -`).
class SignsCommand
{
public:
    // What every birth of one run shares.
    struct Settings
    {
        // The birthplace's zone as --tz gave it; without it this computer's, which a birth with
        // a time needs to be named (see zoneName::thisComputersZone).
        std::optional<QTimeZone> zone;
        std::optional<double> longitude;
        chinese::DayStart dayStart = chinese::DayStart::Midnight;
        chinese::YearStart yearStart = chinese::YearStart::LunarNewYear;
        chinese::Tradition tradition = chinese::Tradition::China;
        QString name;   // one line
        bool json = false;
        // The Four Pillars chart goes with the pillars; the luck pillars need the sex.
        std::optional<bool> male;
        chinese::LuckMethod luckMethod = chinese::LuckMethod::Exact;
    };

    explicit SignsCommand(Settings settings);

    // The answer for one birth as `--signs DATE` prints it (lines, or one JSON object), ending in
    // '\n'; nothing, with error set to one sentence, where the birth cannot be read.
    std::optional<QByteArray> answer(const QDate &date, const std::optional<QTime> &time, QString &error);

    enum class Outcome { AllAnswered, SomeLinesBad, OutputFailed, InputFailed };

    // Reads births ("YYYY-MM-DD" or "YYYY-MM-DD HH:MM") from in, one a line, until its end, and
    // writes one line for each to out, in order: the signs on one line (a JSON object with
    // json), or for a line that cannot be read "error: line N: ..." ({"line", "input",
    // "error"}). The answers are collected and written in large pieces; a line asked for again
    // is answered from the first answer. Whatever is collected is written whenever no further
    // line is waiting to be read, so that lines typed or fed slowly are answered at once.
    // InputFailed when reading in fails (readError() says why): the answers before it stand, and
    // a line the failure cut short is not answered. A descriptor set not to block is waited on.
    Outcome answerLines(QIODevice &in, QIODevice &out);
    QString readError() const { return m_readError; }

private:
    std::optional<FourSigns> signsOf(const QDate &date, const std::optional<QTime> &time, QString &error) const;
    void addChart(FourSigns::Chinese &chinese, const chinese::BirthMoment &birth) const;
    // The answer to one line of input, without a line end.
    void appendLine(std::string &out, const QByteArray &input, qint64 lineNumber, bool &bad);
    std::string errorLine(qint64 lineNumber, const QString &input, const QString &error) const;

    Settings m_settings;
    FourSignsJson m_json;
    QString m_readError;
};
