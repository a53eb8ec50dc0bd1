#pragma once

#include "common/file_saving.h"

#include <QByteArray>
#include <QString>

class QIODevice;
class QTextDocument;

// Writes a text document as a rich-text-format document: one font table entry per font family,
// a colour table, bold, italic, underline, colour and size runs, one paragraph per block.
namespace rtf {

// The text escaped for a rich-text file: \ { } escaped, Windows-1252 characters above 127 as
// \'xx, anything else as \uN? (N the signed 16-bit unit, surrogate pairs as two units).
QByteArray escapeText(const QString &text);

QByteArray toRtf(const QTextDocument &document);

bool write(QIODevice &device, const QTextDocument &document);
// Through a temporary file renamed over fileName; not written after any failed write, flush or
// rename, and then an older file is as it was.
fileSaving::Result writeFile(const QString &fileName, const QTextDocument &document);

} // namespace rtf
