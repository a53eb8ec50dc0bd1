#include "common/windows1252.h"

namespace windows1252 {
namespace {

// Codes 0x80..0x9F; the rest of the set equals Latin-1.
constexpr char32_t high[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

int fromUnicode(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return int(codePoint);
    for (int i = 0; i < 32; ++i) {
        if (high[i] == codePoint)
            return 0x80 + i;
    }
    return -1;
}

char32_t toUnicode(unsigned char code)
{
    if (code >= 0x80 && code <= 0x9F)
        return high[code - 0x80];
    return code;
}

} // namespace windows1252
