#pragma once

#include "chinese/calendar/lunar_birthdays.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

// Lunar birthdays as an iCalendar file (RFC 5545), for calendar programs, which cannot repeat an
// event by the Chinese calendar themselves.
namespace chinese {

// One all-day VEVENT per birthday. UTF-8 with CRLF line ends, lines folded at 75 octets. Each
// event's UID follows from name, birth date and Chinese year alone, so a file made again
// updates the events imported before instead of doubling them; stamp (in UTC) is the DTSTAMP.
QByteArray birthdayCalendar(const QString &name, const QDate &birthDate, const QList<LunarBirthday> &birthdays,
                            const QDateTime &stamp);

// The same for birthdays of a tradition's lunar calendar: the events say whose calendar they
// follow, and their UIDs differ from China's, so both can be kept in one calendar.
QByteArray birthdayCalendar(const QString &name, const QDate &birthDate, const QList<LunarBirthday> &birthdays,
                            const QDateTime &stamp, Tradition tradition);

// A TEXT value: backslash, semicolon, comma and line breaks escaped, other control codes dropped.
QString icalendarText(const QString &text);

// One content line as bytes: folded so that no line exceeds 75 octets (never inside a UTF-8
// character), every line ended by CRLF.
QByteArray icalendarLine(const QString &line);

} // namespace chinese
