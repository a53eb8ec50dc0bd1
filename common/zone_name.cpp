#include "common/zone_name.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zoneName {

namespace {

// Where Qt reads its zones from; a name is only good when Qt can open it there too.
const QString databaseFolder = QStringLiteral("/usr/share/zoneinfo");
constexpr qsizetype longestName = 200;

// Abbreviations people type for a zone, which are not names of the database (or name a zone
// other than the one meant). The hint is a suggestion, never taken on its own.
const QHash<QString, QString> &abbreviationHints()
{
    static const QHash<QString, QString> hints{
        {QStringLiteral("JST"), QStringLiteral("Asia/Tokyo")},
        {QStringLiteral("KST"), QStringLiteral("Asia/Seoul")},
        {QStringLiteral("CST"), QStringLiteral("Asia/Shanghai or America/Chicago")},
        {QStringLiteral("HKT"), QStringLiteral("Asia/Hong_Kong")},
        {QStringLiteral("SGT"), QStringLiteral("Asia/Singapore")},
        {QStringLiteral("ICT"), QStringLiteral("Asia/Bangkok or Asia/Ho_Chi_Minh")},
        {QStringLiteral("IST"), QStringLiteral("Asia/Kolkata, Europe/Dublin or Asia/Jerusalem")},
        {QStringLiteral("BST"), QStringLiteral("Europe/London")},
        {QStringLiteral("CEST"), QStringLiteral("Europe/Paris or Europe/Berlin")},
        {QStringLiteral("EEST"), QStringLiteral("Europe/Athens")},
        {QStringLiteral("MSK"), QStringLiteral("Europe/Moscow")},
        {QStringLiteral("AEST"), QStringLiteral("Australia/Sydney")},
        {QStringLiteral("AEDT"), QStringLiteral("Australia/Sydney")},
        {QStringLiteral("ACST"), QStringLiteral("Australia/Adelaide")},
        {QStringLiteral("AWST"), QStringLiteral("Australia/Perth")},
        {QStringLiteral("NZST"), QStringLiteral("Pacific/Auckland")},
        {QStringLiteral("PST"), QStringLiteral("America/Los_Angeles")},
        {QStringLiteral("PDT"), QStringLiteral("America/Los_Angeles")},
        {QStringLiteral("MDT"), QStringLiteral("America/Denver")},
        {QStringLiteral("CDT"), QStringLiteral("America/Chicago")},
        {QStringLiteral("EDT"), QStringLiteral("America/New_York")},
        {QStringLiteral("AKST"), QStringLiteral("America/Anchorage")},
    };
    return hints;
}

// What the database's index files say, read once: the names zone.tab lists, each alias with
// its target, and every name for the hints.
struct Index
{
    QSet<QString> listed;
    QHash<QString, QString> aliases;
    QHash<QString, QString> byLowerName;       // "asia/tokyo" -> "Asia/Tokyo"
    QHash<QString, QString> byLowerLastPart;   // "tokyo" -> "Asia/Tokyo"
};

void addKnown(Index &index, const QString &name)
{
    index.byLowerName.insert(name.toLower(), name);
    const QString last = name.section(QLatin1Char('/'), -1).toLower();
    if (!index.byLowerLastPart.contains(last) || !index.aliases.contains(name))
        index.byLowerLastPart.insert(last, name);
}

Index readIndex()
{
    Index index;
    QFile table(databaseFolder + QStringLiteral("/zone.tab"));
    if (table.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : table.readAll().split('\n')) {
            const QList<QByteArray> columns = line.split('\t');
            if (!line.startsWith('#') && columns.size() >= 3)
                index.listed.insert(QString::fromUtf8(columns.at(2)));
        }
    }
    QFile source(databaseFolder + QStringLiteral("/tzdata.zi"));
    QStringList zones;
    if (source.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : source.readAll().split('\n')) {
            const QList<QByteArray> words = line.split(' ');
            if (line.startsWith("L ") && words.size() >= 3)
                index.aliases.insert(QString::fromUtf8(words.at(2)), QString::fromUtf8(words.at(1)));
            else if (line.startsWith("Z ") && words.size() >= 2)
                zones << QString::fromUtf8(words.at(1));
        }
    }
    // Zones before aliases, so that a city's hint is its zone's own name.
    for (const QString &name : std::as_const(zones))
        addKnown(index, name);
    for (const QString &name : std::as_const(index.listed))
        addKnown(index, name);
    for (auto it = index.aliases.cbegin(); it != index.aliases.cend(); ++it) {
        if (!index.byLowerName.contains(it.key().toLower()))
            index.byLowerName.insert(it.key().toLower(), it.key());
    }
    return index;
}

const Index &databaseIndex()
{
    static const Index index = readIndex();
    return index;
}

bool isNamePart(QStringView part)
{
    if (part.isEmpty() || !((part.front() >= u'A' && part.front() <= u'Z') || (part.front() >= u'a' && part.front() <= u'z')))
        return false;
    for (QChar c : part) {
        const char16_t u = c.unicode();
        const bool fits = (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || (u >= u'0' && u <= u'9') || u == u'.'
                          || u == u'_' || u == u'-' || u == u'+';
        if (!fits)
            return false;
    }
    return true;
}

bool hasNameSyntax(const QString &name)
{
    if (name.isEmpty() || name.size() > longestName)
        return false;
    for (QStringView part : QStringView(name).split(u'/')) {
        if (!isNamePart(part))
            return false;
    }
    return true;
}

// True for a regular file under the database folder that begins as every compiled zone does.
// Opened without waiting, and looked at before a byte is read, so that a FIFO or a device put
// there cannot block or feed the check.
bool isZoneFile(const QString &name)
{
    const QByteArray path = QFile::encodeName(databaseFolder + QLatin1Char('/') + name);
    const int descriptor = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0)
        return false;
    struct stat status = {};
    char magic[4] = {};
    const bool zone = ::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode)
                      && ::read(descriptor, magic, sizeof magic) == ssize_t(sizeof magic) && std::memcmp(magic, "TZif", 4) == 0;
    ::close(descriptor);
    return zone;
}

// The database's own name for the file a path inside the folder leads to; empty outside it.
QString nameInsideDatabase(const QString &path)
{
    const QString folder = QFileInfo(databaseFolder).canonicalFilePath();
    const QString target = QFileInfo(path).canonicalFilePath();
    if (folder.isEmpty() || !target.startsWith(folder + QLatin1Char('/')))
        return {};
    return target.mid(folder.size() + 1);
}

QString canonicalName(QString name)
{
    const Index &index = databaseIndex();
    for (int step = 0; step < 4 && !index.listed.contains(name); ++step) {
        const auto alias = index.aliases.constFind(name);
        if (alias != index.aliases.cend()) {
            name = *alias;
            continue;
        }
        const QString linked = nameInsideDatabase(databaseFolder + QLatin1Char('/') + name);
        if (!linked.isEmpty() && linked != name && hasNameSyntax(linked) && isZoneFile(linked))
            name = linked;
        break;
    }
    return name;
}

QString hintFor(const QString &name)
{
    const Index &index = databaseIndex();
    if (const auto abbreviation = abbreviationHints().constFind(name.toUpper()); abbreviation != abbreviationHints().cend())
        return *abbreviation;
    QString lower = name.toLower();
    lower.replace(QLatin1Char(' '), QLatin1Char('_'));
    if (const auto exact = index.byLowerName.constFind(lower); exact != index.byLowerName.cend())
        return *exact;
    if (const auto city = index.byLowerLastPart.constFind(lower.section(QLatin1Char('/'), -1)); city != index.byLowerLastPart.cend())
        return *city;
    return {};
}

void setProblem(QString *problem, const QString &text)
{
    if (problem)
        *problem = text;
}

QString printable(QString text)
{
    for (QChar &c : text) {
        if (c.category() == QChar::Other_Control)
            c = QChar::ReplacementCharacter;
    }
    return text.size() > longestName ? text.left(longestName) + QStringLiteral("\u2026") : text;
}

} // namespace

std::optional<Zone> check(const QString &text, QString *problem)
{
    QString name = text.trimmed();
    if (name.isEmpty()) {
        setProblem(problem, QStringLiteral("no time zone is given; give a name such as Europe/London"));
        return std::nullopt;
    }
    // The two trees beside the database's own name the same zones; one of them within the other
    // ("right/right/Asia/Tokyo") is the tree of clocks that count leap seconds, which no place keeps.
    const QString given = name;
    for (const QLatin1String tree : {QLatin1String("posix/"), QLatin1String("right/")}) {
        if (name.startsWith(tree)) {
            name = name.mid(tree.size());
            break;
        }
    }
    if (name.startsWith(QLatin1String("posix/")) || name.startsWith(QLatin1String("right/"))) {
        const QString place = name.section(QLatin1Char('/'), 1, -1);
        setProblem(problem, QStringLiteral("%1 is a clock that counts leap seconds, not a time zone name; try %2")
                                .arg(printable(given), printable(place)));
        return std::nullopt;
    }
    // "Factory" is the database's stand-in for a computer whose zone was never set, no place's.
    if (name == QLatin1String("Factory")) {
        setProblem(problem, QStringLiteral("Factory is no place's time zone; give a name such as Europe/London"));
        return std::nullopt;
    }
    const bool reserved = name == QLatin1String("localtime") || name == QLatin1String("posixrules");
    if (!reserved && hasNameSyntax(name) && isZoneFile(name)) {
        const QString canonical = canonicalName(name);
        QTimeZone zone(canonical.toUtf8());
        if (zone.isValid())
            return Zone{canonical, zone};
    }
    const QString hint = hintFor(name);
    if (!hint.isEmpty() && hint != name)
        setProblem(problem, QStringLiteral("%1 is not a time zone name; try %2").arg(printable(name), hint));
    else
        setProblem(problem, QStringLiteral("\"%1\" is not a time zone name such as Europe/London").arg(printable(name)));
    return std::nullopt;
}

namespace {

std::optional<Zone> systemDefault(QString *problem)
{
    const QString linked = nameInsideDatabase(QStringLiteral("/etc/localtime"));
    if (!linked.isEmpty()) {
        if (std::optional<Zone> zone = check(linked))
            return zone;
    }
    QFile named(QStringLiteral("/etc/timezone"));
    if (named.open(QIODevice::ReadOnly)) {
        if (std::optional<Zone> zone = check(QString::fromUtf8(named.readLine(longestName + 1)).trimmed()))
            return zone;
    }
    setProblem(problem, QStringLiteral("this computer's time zone (/etc/localtime) has no name in the time zone database"));
    return std::nullopt;
}

} // namespace

std::optional<Zone> computerZone(const QByteArray *tz, QString *problem)
{
    if (!tz)
        return systemDefault(problem);
    if (tz->isEmpty())
        return check(QStringLiteral("Etc/UTC"), problem);
    const QString value = QFile::decodeName(tz->startsWith(':') ? tz->mid(1) : *tz);
    if (value.isEmpty() || value == QLatin1String("/etc/localtime"))
        return systemDefault(problem);
    QString name = value;
    if (value.startsWith(QLatin1Char('/'))) {
        name = nameInsideDatabase(value);
        if (name.isEmpty()) {
            if (QFileInfo(value).canonicalFilePath() == QFileInfo(QStringLiteral("/etc/localtime")).canonicalFilePath()
                && QFileInfo::exists(value))
                return systemDefault(problem);
            setProblem(problem, QStringLiteral("TZ=%1 is not a file of the time zone database").arg(printable(value)));
            return std::nullopt;
        }
    }
    QString why;
    std::optional<Zone> zone = check(name, &why);
    if (!zone)
        setProblem(problem, QStringLiteral("TZ=%1: %2").arg(printable(QFile::decodeName(*tz)), why));
    return zone;
}

namespace {

struct ComputersZone
{
    std::optional<Zone> zone;
    QString problem;
};

const ComputersZone &computersZone()
{
    static const ComputersZone found = [] {
        ComputersZone result;
        const QByteArray tz = qgetenv("TZ");
        result.zone = computerZone(qEnvironmentVariableIsSet("TZ") ? &tz : nullptr, &result.problem);
        return result;
    }();
    return found;
}

} // namespace

const std::optional<Zone> &thisComputersZone()
{
    return computersZone().zone;
}

QString thisComputersZoneProblem()
{
    return computersZone().zone ? QString() : computersZone().problem;
}

QTimeZone zoneWithoutTime()
{
    if (thisComputersZone())
        return thisComputersZone()->zone;
    static const QTimeZone utc = [] {
        const std::optional<Zone> named = check(QStringLiteral("Etc/UTC"));
        return named ? named->zone : QTimeZone::utc();
    }();
    return utc;
}

} // namespace zoneName
