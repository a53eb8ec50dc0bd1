#pragma once

#include <QString>

#include <array>
#include <optional>

// Australian astrology: one native animal for each birth month, with its description.
namespace australian {

struct AustralianSignRow
{
    QString animal;        // the sign key, compared exactly ("Western Swamp Turtle")
    QString description;   // one paragraph (content/australian/<animal, blanks as hyphens>.txt)
};

inline constexpr int SignCount = 12;

// The twelve rows in calendar order, January's Galah .. December's Emu. Filled on first use;
// the values never change.
const std::array<AustralianSignRow, SignCount> &LoadAustralianSignTable();

// The animal of a month name ("January" .. "December", exact); empty for anything else.
QString FindAustralianSign(const QString &monthName);

// The row whose animal name equals animal exactly, or nothing.
std::optional<AustralianSignRow> findSignRow(const QString &animal);

// Resource path of the animal's picture (the animal spelt as findSignRow() takes it); empty for
// any other name.
QString picturePath(const QString &animal);

} // namespace australian
