#pragma once

#include "overview/two_people.h"

#include <QJsonObject>
#include <QString>

// Two people's match as the command line prints it: plain lines, or one JSON object.
namespace overview {

// One line per person, one per relation (or "Relations: none"), the elements and the summary,
// each ending in '\n':
//   First: Earth Snake (1989-05-12)
//   Second: Water Monkey (1992-08-01)
//   Six Harmony (六合): The Snake and the Monkey form one of the six secret friendships, ...
//   Punishment (相刑): ...
//   Break (相破): ...
//   Earth Controls Water (土克水): Earth holds Water in check: ...
//   Summary: On balance favourable: ...
QString matchText(const TwoPeople &match);

// {"first": {"date", "animal", "element"}, "second": {...}, "yearStart", "relations": [keys],
//  "elements": key, "summary"}; dates as YYYY-MM-DD, keys as relationKey() and
// elementRelationKey() give them.
QJsonObject matchJson(const TwoPeople &match);

} // namespace overview
