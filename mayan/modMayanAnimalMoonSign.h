#pragma once

#include <QString>

#include <array>
#include <optional>

// The Mayan animal (moon) sign: thirteen signs by month and day, whatever the year, and the
// table of their records. "Animal sign" and "moon sign" name the same result.
namespace mayan {

struct MayanSignRow
{
    QString mayanName;        // the sign key, compared exactly
    QString englishName;
    QString crystal;
    QString interpretation;   // one paragraph (content/mayan/<mayan name>.txt)
    int picture;              // 1-based number in the sign pictures, table position + 1
};

inline constexpr int SignCount = 13;

// The thirteen rows in table order, Tzootz .. Aak. Filled on first use; the values never change.
const std::array<MayanSignRow, SignCount> &LoadMayanSignTable();

// The Mayan sign name for a month name ("January" .. "December", exact) and day 1..31;
// empty for an unknown month or a day outside 1..31.
QString FindMayanSign(const QString &monthName, int day);

// The row whose Mayan name equals mayanName exactly, or nothing.
std::optional<MayanSignRow> findSignRow(const QString &mayanName);

// Resource path of picture number 1..13 (01bat.jpg .. 13turtle.jpg); empty outside that range.
QString picturePath(int picture);

} // namespace mayan
