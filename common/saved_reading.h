#pragma once

#include "common/line_codec.h"

#include <QStringList>

#include <optional>

class QIODevice;

// Saved reading files: one field a line, each through EncodeLine, ended by carriage return and
// line feed (reading takes CR, LF and CR LF alike). ".zod" holds name and month (Australian) or
// name, month, day and year (Mayan); ".str" holds name, sex, day, month and year (Chinese).
namespace savedReading {

// Longest line and most bytes looked at when reading: a huge or binary file must not hang.
inline constexpr int MaxLineBytes = 4096;
inline constexpr int MaxFileBytes = 64 * 1024;

// The longest name a name box takes: its encoding, whatever its characters, fits in one line
// the reader keeps whole.
inline constexpr int MaxNameLength = 500;
static_assert(MaxNameLength * MaxEncodedBytesPerUnit <= MaxLineBytes);

bool write(QIODevice &device, const QStringList &fields);
// Writes through a temporary file renamed over fileName; false after any failed write, flush or
// rename, and then an older file is as it was. Only a regular file (or none) is written; see
// fileSaving::save.
bool writeFile(const QString &fileName, const QStringList &fields);

// The first lineCount fields, decoded; lines missing at the end count as empty.
std::optional<QStringList> read(QIODevice &device, int lineCount);
// Nothing for anything but a regular file (a FIFO or a device could block or never end).
// fileName may carry bytes that are not UTF-8 as nativeFileName decodes them.
std::optional<QStringList> readFile(const QString &fileName, int lineCount);

// True when the last three characters of fileName are exactly extension (letter case counts).
bool hasExtension(const QString &fileName, const QString &extension);

} // namespace savedReading
