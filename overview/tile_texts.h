#pragma once

#include "overview/four_signs.h"

#include <QString>

#include <array>

// The texts of the overview's tiles, taken from what each system already holds; the window and
// its printed page show the same.
namespace overview {

struct TileText
{
    QString system;    // "Celtic Animal Birth Sign", as the frame names the system
    QString sign;      // Chinese: element and animal
    QString detail;    // one line more about the sign (Chinese: the year start and span, whose dates
                       // and year-start name are joined by non-breaking spaces so they wrap whole)
    QString summary;   // one short line characterising the sign
    QString picture;   // resource path for QPixmap
};

// The four tiles, numbered as the frame numbers the systems: 0 Australian, 1 Celtic,
// 2 Chinese, 3 Mayan.
std::array<TileText, 4> tileTexts(const FourSigns &signs);

// "12 May 1990": the month by the name the input lists show.
QString dayMonthYear(const QDate &date);

// "Chinese New Year" or "Start of Spring": the beginning of the Chinese year, as people say it.
QString yearStartName(chinese::YearStart start);

// The first sentence of the Australian sign's description that does more than name the birth
// month ("Those born in May ..." says nothing about the person); the sign alone when there is none.
QString australianSummary(const QString &sign);

} // namespace overview
