#include "chinese/calendar/birthday_calendar.h"

#include "common/date_text.h"

#include <QUuid>

namespace chinese {

namespace {

constexpr qsizetype maximumOctets = 75;

// The namespace of this program's event identifiers (UUID version 5, RFC 4122).
const QUuid uidNamespace(QStringLiteral("{6f1c3a52-8d0e-4b7a-9c1e-2a5d7f3b9e41}"));

QString dateValue(const QDate &date)
{
    return date.toString(QStringLiteral("yyyyMMdd"));
}

} // namespace

QString icalendarText(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char(';') || c == QLatin1Char(','))
            escaped += QLatin1Char('\\') + QString(c);
        else if (c == QLatin1Char('\n'))
            escaped += QStringLiteral("\\n");
        else if (c.category() != QChar::Other_Control)
            escaped += c;
    }
    return escaped;
}

QByteArray icalendarLine(const QString &line)
{
    const QByteArray bytes = line.toUtf8();
    QByteArray folded;
    qsizetype start = 0;
    qsizetype room = maximumOctets;
    while (bytes.size() - start > room) {
        qsizetype end = start + room;
        // Back off to the first byte of a character (continuation bytes are 10xxxxxx).
        while (end > start && (static_cast<unsigned char>(bytes.at(end)) & 0xC0) == 0x80)
            --end;
        folded += bytes.mid(start, end - start) + "\r\n ";
        start = end;
        room = maximumOctets - 1;   // the leading space of a continuation line counts
    }
    folded += bytes.mid(start) + "\r\n";
    return folded;
}

QByteArray birthdayCalendar(const QString &name, const QDate &birthDate, const QList<LunarBirthday> &birthdays,
                            const QDateTime &stamp)
{
    return birthdayCalendar(name, birthDate, birthdays, stamp, Tradition::China);
}

QByteArray birthdayCalendar(const QString &name, const QDate &birthDate, const QList<LunarBirthday> &birthdays,
                            const QDateTime &stamp, Tradition tradition)
{
    const bool china = tradition == Tradition::China;
    const QString stampValue = stamp.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    QString summary = name.isEmpty() ? QStringLiteral("Lunar birthday") : QStringLiteral("%1's lunar birthday").arg(name);
    if (!china)
        summary += QStringLiteral(" (%1)").arg(traditionName(tradition));
    QByteArray file;
    for (const char *line : {"BEGIN:VCALENDAR", "VERSION:2.0", "PRODID:-//Orvo//Orvo Animal Signs Astrology//EN",
                             "CALSCALE:GREGORIAN"})
        file += icalendarLine(QString::fromLatin1(line));
    for (const LunarBirthday &birthday : birthdays) {
        QByteArray key = QStringLiteral("%1\n%2\n%3").arg(name, birthDate.toString(Qt::ISODate)).arg(birthday.lunarYear).toUtf8();
        if (!china)
            key += '\n' + traditionKey(tradition).toUtf8();
        const QString yearTitle = QStringLiteral("Year of the ")
                                  + traditionAnimal(tradition, birthday.keptOn.yearTitle().mid(12));
        const QString description = QStringLiteral("%1 of the %2 year %3 (%4). Born on %5.")
                                        .arg(birthday.keptOn.text(),
                                             tradition == Tradition::Vietnam ? QStringLiteral("Vietnamese lunar")
                                             : tradition == Tradition::Korea ? QStringLiteral("Korean lunar")
                                                                             : QStringLiteral("Chinese"),
                                             QString::number(birthday.lunarYear), yearTitle,
                                             dateText::longDate(birthDate));
        const QStringList lines = {
            QStringLiteral("BEGIN:VEVENT"),
            QStringLiteral("UID:") + QUuid::createUuidV5(uidNamespace, key).toString(QUuid::WithoutBraces),
            QStringLiteral("DTSTAMP:") + stampValue,
            QStringLiteral("DTSTART;VALUE=DATE:") + dateValue(birthday.date),
            QStringLiteral("DTEND;VALUE=DATE:") + dateValue(birthday.date.addDays(1)),
            QStringLiteral("SUMMARY:") + icalendarText(summary),
            QStringLiteral("DESCRIPTION:") + icalendarText(description),
            QStringLiteral("TRANSP:TRANSPARENT"),
            QStringLiteral("END:VEVENT"),
        };
        for (const QString &line : lines)
            file += icalendarLine(line);
    }
    file += icalendarLine(QStringLiteral("END:VCALENDAR"));
    return file;
}

} // namespace chinese
