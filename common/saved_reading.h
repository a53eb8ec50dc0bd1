#pragma once

#include "common/file_saving.h"
#include "common/line_codec.h"

#include <QStringList>

#include <optional>

class QIODevice;

// Saved reading files: one field a line, each through EncodeLine, ended by carriage return and
// line feed (reading takes CR, LF and CR LF alike). ".zod" holds name and month (Australian) or
// name, month, day and year (Mayan); ".str" holds name, sex, day, month and year (Chinese).
namespace savedReading {

// Longest line, most lines and most bytes looked at when reading: a huge or binary file must not
// hang. Every system's readings hold far fewer lines, so that a later version can add some that
// this one passes over. What is read, written again (with CR LF after each line), reads back the
// same: the most lines at their longest fit in the bytes looked at.
inline constexpr int MaxLineBytes = 4096;
inline constexpr int MaxLineCount = 16;
inline constexpr int MaxFileBytes = MaxLineCount * (MaxLineBytes + 2);

// The longest name a name box takes: its encoding, whatever its characters, fits in one line
// the reader keeps whole.
inline constexpr int MaxNameLength = 500;
static_assert(MaxNameLength * MaxEncodedBytesPerUnit <= MaxLineBytes);

bool write(QIODevice &device, const QStringList &fields);
// Writes through a temporary file renamed over fileName; not written after any failed write,
// flush or rename, and then an older file is as it was. Only a regular file (or none) is
// written; see fileSaving::save.
fileSaving::Result writeFile(const QString &fileName, const QStringList &fields);

// The fields of a saved reading, decoded: one for each line there is, the first MaxLineCount at
// most. The one reader of saved readings, whichever way a file comes in; each system takes the
// lines it knows (QStringList::value() gives an empty one for a line the file lacks).
std::optional<QStringList> read(QIODevice &device);
// Nothing for anything but a regular file (a FIFO or a device could block or never end).
// fileName may carry bytes that are not UTF-8 as nativeFileName decodes them.
std::optional<QStringList> readFile(const QString &fileName);

// What a name given as a saved reading stands for (links followed): nothing, a regular file, or
// something else that is no saved reading (a folder, a FIFO, a device, a socket). A name that
// cannot be looked at (a folder on the way without permission) counts as a regular file, whose
// reading then fails.
enum class Found { Nothing, RegularFile, OtherKind };
Found find(const QString &fileName);

// True when the last three characters of fileName are exactly extension (letter case counts).
bool hasExtension(const QString &fileName, const QString &extension);

} // namespace savedReading
