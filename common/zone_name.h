#pragma once

#include <QByteArray>
#include <QString>
#include <QTimeZone>

#include <optional>

// The one check of time zone names, for every way a name comes in: the Chinese form's zone box,
// --tz, a saved reading's zone line and the computer's own setting (TZ, /etc/localtime).
//
// A name is accepted when it is a name of the time zone database as the files under
// /usr/share/zoneinfo hold it, backward-compatible aliases included (Etc/UTC, UTC, US/Eastern,
// Asia/Calcutta, Europe/Kiev, Etc/GMT-8). The text is checked before anything is opened: each
// part between slashes begins with a letter and holds only letters, digits, '.', '_', '-' and
// '+', so that no name reaches outside the database ("..", a leading '/') or means a POSIX rule
// ("XXX-99", "JST-9"). "Factory" (a computer whose zone was never set) and the clocks that count
// leap seconds ("right/right/Asia/Tokyo": "right/" within either tree) are refused. Then the file must be a regular file beginning "TZif" (opened without
// waiting, so that a FIFO never blocks), and last Qt must take the zone.
//
// The canonical name is what a save writes: a name zone.tab lists stays as it is (the names
// the window offers); any other alias becomes the zone it links to, as tzdata.zi's link lines
// say ("L Asia/Kolkata Asia/Calcutta"), or else as the alias's symbolic link points inside the
// database; "posix/X" and "right/X" name the zone X. Where none of these is there, the name
// stays as given. A canonical name opens on any computer with a database of that age or newer.
namespace zoneName {

struct Zone
{
    QString name;     // canonical
    QTimeZone zone;   // valid
};

// The zone of name (blanks around it ignored), or nothing with *problem (when given) set to
// one sentence without a final stop: "JST is not a time zone name; try Asia/Tokyo".
std::optional<Zone> check(const QString &name, QString *problem = nullptr);

// The computer's zone as the C library takes TZ (tz, or nullptr for TZ not set): not set, or
// ":/etc/localtime", the zone /etc/localtime links to (else /etc/timezone); empty, UTC; a
// leading ':' dropped; an absolute path, the database file it leads to; otherwise a name.
// Nothing where the zone has no database name (a POSIX rule, a file outside the database),
// with *problem saying why.
std::optional<Zone> computerZone(const QByteArray *tz, QString *problem = nullptr);

// computerZone() of this process's TZ, found once.
const std::optional<Zone> &thisComputersZone();
// Why thisComputersZone() is empty: "TZ=../../etc/passwd is not a time zone name"; empty
// when it is not.
QString thisComputersZoneProblem();

// The zone for a birth whose time is not given and whose place was not said: this computer's
// zone, or UTC where it has no name (as the C library falls back to UTC).
QTimeZone zoneWithoutTime();

} // namespace zoneName
