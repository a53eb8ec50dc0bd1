#pragma once

#include <QLocale>
#include <QString>

class QDate;

// Dates as the program shows them: in the order and with the separators of the locale's short
// format, but always with all four digits of the year ("3/5/1970" rather than "3/5/70").
namespace dateText {

// format with every year field (outside quoted text) widened to "yyyy".
QString withFourDigitYear(const QString &format);

QString shortDate(const QDate &date, const QLocale &locale = QLocale());

// "2/2/1984 – 2/19/1985": two days in shortDate()'s style, so that a span reads as the birth
// date beside it does.
QString span(const QDate &first, const QDate &last, const QLocale &locale = QLocale());

// "2 February 1984": English month name and all four digits of the year, whatever the locale,
// so that a day and month can never be mistaken for each other.
QString longDate(const QDate &date);

} // namespace dateText
