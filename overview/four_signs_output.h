#pragma once

#include "overview/four_signs.h"

#include <QString>

#include <optional>

// The four signs as the command line prints them in plain text (FourSignsJson writes JSON).
namespace overview {

// "Name: ..." (only when name is not empty), then one line per system, each ending in '\n':
//   Celtic: Adder (Nathair)
//   Chinese: Metal Horse (new-year, 1990-01-27 to 1991-02-14)
//   Mayan: Kaw (Snake)
//   Australian: Kangaroo
// (in another tradition "Chinese (Vietnam): Fire Cat, Mão (new-year, 1987-01-29 to 1988-02-16);
// the year Đinh Mão", its words in every line below), then the Chinese date, and with the Four Pillars one line per pillar known, the inner and
// secret animals, the clock the day and hour pillars follow, and one "Note: " line per notice:
//   Chinese date: 18th day of the 4th month, Year of the Horse
//   Year pillar: 庚午 gēng wǔ, Yang Metal Horse
QString plainText(const FourSigns &signs, const QString &name);

// The signs on one line (no line end), after a label such as the date asked for:
//   1990-05-12 14:30: Celtic Adder; Chinese Metal Horse; Mayan Kaw; Australian Kangaroo;
//   Chinese date 1990 month 4 day 18; pillars year 庚午 month 辛巳 day 丁丑 hour 丁未
// (one line; a leap month reads "leap month 4").
QString summaryLine(const FourSigns &signs, const QString &label);

} // namespace overview
