#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QTime>

#include <optional>

class QIODevice;

// The terminal's side of the command line: writing, and the values typed there.
namespace terminal {

// Writes all of bytes, however many calls the device needs; false as soon as one write fails.
bool writeAll(QIODevice &device, const QByteArray &bytes);

// Values typed by the user come back in messages and output on one line, without control codes.
QString oneLine(QString text);
// A line read from the user quoted in a message: control codes written as C escapes (\t, \0,
// \x1b), characters that show as nothing or as a plain space (a zero-width space, a no-break
// space, a direction mark, a line separator, a code point not assigned) as \u200B or
// \U000E0041, and a backslash doubled, so that what looks valid in the message is what was read.
QString shown(QStringView text);

// A real day written exactly as YYYY-MM-DD; an invalid QDate otherwise.
QDate isoDay(QStringView text);
// A time written exactly as HH:MM (00:00 .. 23:59); nothing otherwise.
std::optional<QTime> clockTime(QStringView text);

} // namespace terminal
