// DecodeLine on any bytes: never a line break in the result, and a decoded field survives
// EncodeLine and DecodeLine unchanged (what a saved name must do).
#include "common/line_codec.h"

#include <QList>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray line(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString decoded = DecodeLine(line);
    for (const char32_t c : decoded.toUcs4()) {
        if (c == U'\n' || c == U'\r' || c == 0x0B || c == 0x0C || c == 0x85 || c == 0x2028 || c == 0x2029)
            std::abort();
    }
    const QByteArray encoded = EncodeLine(decoded);
    if (encoded.contains('\n') || encoded.contains('\r'))
        std::abort();
    if (DecodeLine(encoded) != decoded)
        std::abort();
    return 0;
}
