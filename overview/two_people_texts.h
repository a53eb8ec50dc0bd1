#pragma once

#include "chinese/relation_texts.h"
#include "overview/two_people.h"

#include <QList>
#include <QString>

// The texts of the Two People window and its report, so that both say the same.
namespace overview {

// "Ann and Ben".
QString pairName(const TwoPeople &match);

// "Earth Snake".
QString signName(const TwoPeople::Person &person);
// The same as the match's tradition says it, with the animal's native name: "Wood Buffalo (Sửu)";
// as signName() in China.
QString signName(const TwoPeople::Person &person, chinese::Tradition tradition);

// "Born 12 May 1989, in the Chinese year from 6 February 1989 to 26 January 1990, counted from
// Chinese New Year".
QString birthDetail(const TwoPeople::Person &person, chinese::YearStart start);
// The same in another tradition: "..., counted from Tết as in Vietnam".
QString birthDetail(const TwoPeople::Person &person, chinese::YearStart start, chinese::Tradition tradition);

// "Six Harmony (六合)"; the English name alone where there is no Chinese one.
QString relationTitle(const chinese::RelationText &text);

// The relations of the two animals as they are shown, in the match's order; where the tradition
// sees none, one entry that says so.
QList<chinese::RelationText> shownRelations(const TwoPeople &match);

} // namespace overview
