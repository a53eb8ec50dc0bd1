#pragma once

#include <QByteArray>
#include <QString>

// The encoding of one field line of a saved reading. Characters whose Windows-1252 code is 0..170
// are written as that code + 85; any other character as "#<decimal code point>;" (all bytes
// below 85), so that no name is lost. An encoded line never holds a line break.
QByteArray EncodeLine(const QString &text);

// The most bytes EncodeLine writes for one UTF-16 unit of its text: "#65535;" for a character of
// the Basic Multilingual Plane (a lone surrogate is written as U+FFFD); a surrogate pair takes at
// most "#1114111;", less per unit.
inline constexpr int MaxEncodedBytesPerUnit = 7;

// Undoes EncodeLine. Bytes below 85 that are not part of a "#<code point>;" are dropped, and so
// are line breaks: the result is always one line.
QString DecodeLine(const QByteArray &line);

// text on one line: every line break (CR LF as one) becomes a space.
QString JoinLines(const QString &text);
