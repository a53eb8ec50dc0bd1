#include "chinese/calendar/zone_offsets.h"

#include <QDateTime>

#include <algorithm>
#include <memory>

namespace chinese {

namespace {

constexpr int blockBits = 25;   // 2^25 seconds: 388 days
constexpr qint64 secondsPerDay = 86400;
constexpr qint64 unixEpochJulianDay = 2440588;   // 1970-01-01

QDateTime utcMoment(qint64 utcSeconds)
{
    return QDateTime::fromSecsSinceEpoch(utcSeconds, QTimeZone::utc());
}

ZoneOffsets::Offsets offsetsOf(const QTimeZone::OffsetData &data)
{
    return {data.offsetFromUtc, data.standardTimeOffset, data.daylightTimeOffset};
}

} // namespace

ZoneOffsets &ZoneOffsets::of(const QTimeZone &zone)
{
    thread_local QHash<QByteArray, std::shared_ptr<ZoneOffsets>> zones;
    std::shared_ptr<ZoneOffsets> &offsets = zones[zone.id()];
    if (!offsets)
        offsets.reset(new ZoneOffsets(zone));
    return *offsets;
}

ZoneOffsets::ZoneOffsets(const QTimeZone &zone)
    : m_zone(zone)
    , m_hasDaylightTime(zone.hasDaylightTime())
    , m_hasTransitions(zone.hasTransitions())
{
}

const ZoneOffsets::Block &ZoneOffsets::blockOf(qint64 utcSeconds)
{
    const qint64 number = utcSeconds >> blockBits;
    if (const auto known = m_blocks.constFind(number); known != m_blocks.cend())
        return *known;
    const qint64 start = number << blockBits;
    const qint64 last = start + (qint64(1) << blockBits) - 1;
    Block block;
    // Qt gives the offset data of a moment only for a zone with changes; a fixed zone answers alone.
    const QDateTime startMoment = utcMoment(start);
    block.atStart = m_hasTransitions ? offsetsOf(m_zone.offsetData(startMoment))
                                     : Offsets{m_zone.offsetFromUtc(startMoment), m_zone.standardTimeOffset(startMoment),
                                               m_zone.daylightTimeOffset(startMoment)};
    for (const QTimeZone::OffsetData &change : m_hasTransitions ? m_zone.transitions(startMoment, utcMoment(last))
                                                                : QTimeZone::OffsetDataList()) {
        const qint64 at = change.atUtc.toSecsSinceEpoch();
        if (at == start)
            block.atStart = offsetsOf(change);
        else
            block.changes.push_back({at, offsetsOf(change)});
    }
    return *m_blocks.insert(number, std::move(block));
}

ZoneOffsets::Offsets ZoneOffsets::at(qint64 utcSeconds)
{
    const Block &block = blockOf(utcSeconds);
    const auto after = std::upper_bound(block.changes.cbegin(), block.changes.cend(), utcSeconds,
                                        [](qint64 moment, const Change &change) { return moment < change.at; });
    return after == block.changes.cbegin() ? block.atStart : std::prev(after)->offsets;
}

QList<ZoneOffsets::Change> ZoneOffsets::changes(qint64 from, qint64 until)
{
    QList<Change> found;
    for (qint64 number = from >> blockBits; number <= until >> blockBits; ++number) {
        for (const Change &change : blockOf(number << blockBits).changes) {
            if (change.at >= from && change.at <= until)
                found.append(change);
        }
    }
    return found;
}

qint64 ZoneOffsets::startOfDay(const QDate &date)
{
    // Midnight less the zone's offset, where the zone had that offset then and for three hours
    // before; Qt's own search otherwise (a change of the clocks near midnight, a few days a year
    // in a few zones).
    const qint64 midnight = (date.toJulianDay() - unixEpochJulianDay) * secondsPerDay;
    for (int offset = total(midnight), tries = 0; tries < 2; ++tries) {
        const int actual = total(midnight - offset);
        if (actual == offset && total(midnight - offset - 3 * 3600) == offset)
            return midnight - offset;
        offset = actual;
    }
    return date.startOfDay(m_zone).toSecsSinceEpoch();
}

} // namespace chinese
