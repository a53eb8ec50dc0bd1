#pragma once

// The Western single-byte character set that saved readings and rich-text files are written in.
namespace windows1252 {

// The code (0..255) of a Unicode code point, or -1 when the character set has no such character.
int fromUnicode(char32_t codePoint);

// The Unicode code point of a code 0..255 (the five unassigned codes map to themselves).
char32_t toUnicode(unsigned char code);

} // namespace windows1252
