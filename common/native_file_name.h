#pragma once

#include <QByteArray>
#include <QString>

// File names as the system keeps them: bytes, most often UTF-8 but not always (a name copied from
// an old disk may hold Latin-1 bytes). Qt decodes every name as UTF-8 and turns the bytes it
// cannot read into U+FFFD, after which the file cannot be found again. Here each such byte
// becomes one lone surrogate U+DC80..U+DCFF instead, so that encode(decode(bytes)) == bytes for
// any name; valid UTF-8 decodes exactly as Qt decodes it.
namespace nativeFileName {

QString decode(const QByteArray &bytes);
QByteArray encode(const QString &fileName);

} // namespace nativeFileName
