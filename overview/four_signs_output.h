#pragma once

#include "overview/FourSigns.h"

#include <QJsonObject>
#include <QString>

#include <optional>

// The four signs as the command line prints them: plain lines, or one JSON object.
namespace overview {

// "Name: ..." (only when name is not empty), then one line per system, each ending in '\n':
//   Celtic: Adder (Nathair)
//   Chinese: Metal Horse (new-year, 1990-01-27 to 1991-02-14)
//   Mayan: Kaw (Snake)
//   Australian: Kangaroo
QString plainText(const FourSigns &signs, const QString &name);

// {"date", "name", "celtic": {"sign", ...}, "chinese": {"animal", "element", "yearStart",
// "firstDay", "lastDay", ...}, "mayan": {"sign", ...}, "australian": {"sign"}}; dates as YYYY-MM-DD.
QJsonObject toJson(const FourSigns &signs, const QString &name);

} // namespace overview
