#pragma once

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QList>
#include <QTimeZone>

#include <vector>

namespace chinese {

// The offsets of one time zone from UTC, kept in blocks of about a year: the first lookup in a
// block asks Qt once for the offsets at its start and for the block's changes, and every later
// lookup there is a search among those few. Qt 6.4 works a zone's recurring rule out again on
// every lookup past the last change its file lists, which made a day's pillars cost dozens of
// such computations. Each thread keeps its own zones, so that no lookup waits for another.
class ZoneOffsets
{
public:
    // The offsets as Qt gives them at a moment: the clock's, its standard part and its summer time.
    struct Offsets
    {
        int total = 0;
        int standard = 0;
        int daylight = 0;
    };
    // A change of the offsets, at a moment in seconds since 1970-01-01 UTC.
    struct Change
    {
        qint64 at = 0;
        Offsets offsets;
    };

    // The cache of a valid zone, made on first use in this thread.
    static ZoneOffsets &of(const QTimeZone &zone);

    // What QTimeZone::offsetFromUtc() and the other lookups give at a moment.
    Offsets at(qint64 utcSeconds);
    int total(qint64 utcSeconds) { return at(utcSeconds).total; }
    // What QTimeZone::transitions() gives: the changes from `from` to `until`, both included.
    QList<Change> changes(qint64 from, qint64 until);
    bool hasDaylightTime() const { return m_hasDaylightTime; }
    // The clock's reading at a moment, in seconds counted as UTC's are.
    qint64 clock(qint64 utcSeconds) { return utcSeconds + total(utcSeconds); }
    // The first moment of a day on the zone's clock, as QDate::startOfDay() gives it.
    qint64 startOfDay(const QDate &date);

private:
    explicit ZoneOffsets(const QTimeZone &zone);

    struct Block
    {
        Offsets atStart;
        std::vector<Change> changes;   // within the block, in order
    };
    const Block &blockOf(qint64 utcSeconds);

    QTimeZone m_zone;
    bool m_hasDaylightTime = false;
    bool m_hasTransitions = false;
    QHash<qint64, Block> m_blocks;   // by the block's number
};

} // namespace chinese
