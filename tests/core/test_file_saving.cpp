#include "common/native_file_name.h"
#include "common/program_settings.h"
#include "common/saved_reading.h"

#include <QBuffer>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

enum class Kind { Missing, Regular, Fifo, Folder, Socket, Device };

// What lies at path: with follow, at the final target of any links.
QString kindOf(const QString &path, bool follow)
{
    struct stat info;
    const QByteArray name = QFile::encodeName(path);
    if ((follow ? ::stat(name.constData(), &info) : ::lstat(name.constData(), &info)) != 0)
        return QStringLiteral("missing");
    switch (info.st_mode & S_IFMT) {
    case S_IFREG: return QStringLiteral("regular file");
    case S_IFLNK: return QStringLiteral("link");
    case S_IFIFO: return QStringLiteral("FIFO");
    case S_IFDIR: return QStringLiteral("folder");
    case S_IFSOCK: return QStringLiteral("socket");
    case S_IFCHR: return QStringLiteral("character device");
    default: return QStringLiteral("other");
    }
}

// Makes a file of kind at path; false when this process may not (a device needs root).
bool make(Kind kind, const QString &path, const QByteArray &content)
{
    const QByteArray name = QFile::encodeName(path);
    switch (kind) {
    case Kind::Missing:
        return true;
    case Kind::Regular: {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
    }
    case Kind::Fifo:
        return ::mkfifo(name.constData(), 0600) == 0;
    case Kind::Folder:
        return QDir().mkdir(path);
    case Kind::Socket: {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (size_t(name.size()) >= sizeof address.sun_path)
            return false;
        std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
        const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const bool bound = ::bind(socket, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
        ::close(socket);   // the socket's file stays
        return bound;
    }
    case Kind::Device:   // the null device's numbers, under a name of the test's own
        return ::mknod(name.constData(), S_IFCHR | 0600, makedev(1, 3)) == 0;
    }
    return false;
}

const QStringList fields = {QStringLiteral("Ann Lee"), QStringLiteral("Female"), QStringLiteral("5"),
                            QStringLiteral("March"), QStringLiteral("1970")};

} // namespace

class TestFileSaving : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void savesKeepTheKindOfTheTarget_data();
    void savesKeepTheKindOfTheTarget();
    void readsNamesThatAreNotUtf8_data();
    void readsNamesThatAreNotUtf8();
};

void TestFileSaving::savesKeepTheKindOfTheTarget_data()
{
    QTest::addColumn<bool>("settings");   // else a saved reading
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<bool>("linked");     // the name is a symbolic link to the target
    QTest::addColumn<bool>("written");
    const struct {
        const char *name;
        Kind kind;
        bool linked;
        bool written;
    } targets[] = {
        {"missing", Kind::Missing, false, true},
        {"regular file", Kind::Regular, false, true},
        {"link to a regular file", Kind::Regular, true, true},
        {"link to nothing", Kind::Missing, true, true},
        {"FIFO", Kind::Fifo, false, false},
        {"link to a FIFO", Kind::Fifo, true, false},
        {"folder", Kind::Folder, false, false},
        {"socket", Kind::Socket, false, false},
        {"character device", Kind::Device, false, false},
        {"link to a character device", Kind::Device, true, false},
    };
    for (const bool settings : {false, true}) {
        for (const auto &target : targets) {
            QTest::addRow("%s: %s", settings ? "settings" : "saved reading", target.name)
                << settings << target.kind << target.linked << target.written;
        }
    }
}

void TestFileSaving::savesKeepTheKindOfTheTarget()
{
    QFETCH(bool, settings);
    QFETCH(Kind, kind);
    QFETCH(bool, linked);
    QFETCH(bool, written);
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("config"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config));
    const QString name = settings ? programSettings::fileName() : dir.filePath(QStringLiteral("reading.str"));
    QCOMPARE(QFileInfo(name).absolutePath().startsWith(dir.path()), true);
    QVERIFY(QDir().mkpath(QFileInfo(name).absolutePath()));
    // A dotfiles folder elsewhere, as the link's relative target.
    const QString target = linked ? dir.filePath(QStringLiteral("dotfiles/target")) : name;
    QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("dotfiles"))));
    const QByteArray earlier("[test]\nearlier=1\n");
    if (!make(kind, target, earlier)) {
        QVERIFY2(kind == Kind::Device, "could not make the target");
        QSKIP("making a device needs root");
    }
    if (linked)
        QCOMPARE(::symlink(QFile::encodeName(QDir(QFileInfo(name).absolutePath()).relativeFilePath(target)).constData(),
                           QFile::encodeName(name).constData()),
                 0);
    const QString targetBefore = kindOf(target, false);
    const QStringList entriesBefore = QDir(QFileInfo(target).absolutePath()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden);

    if (settings) {
        {
            const auto store = programSettings::open();
            QCOMPARE(store->value(QStringLiteral("test/earlier")).isValid(), kind == Kind::Regular);
            store->setValue(QStringLiteral("test/new"), 2);
        }   // written as it goes
        QCOMPARE(programSettings::open()->value(QStringLiteral("test/new")).toInt(), written ? 2 : 0);
        if (kind == Kind::Regular)
            QCOMPARE(programSettings::open()->value(QStringLiteral("test/earlier")).toInt(), 1);
    } else {
        // A refusal says why, for the message under "The file could not be saved.".
        const fileSaving::Result saved = savedReading::writeFile(name, fields);
        QCOMPARE(saved.written, written);
        QCOMPARE(saved.reason, written                ? QString()
                               : kind == Kind::Folder ? QStringLiteral("It is a folder, not a regular file.")
                                                      : QStringLiteral("It is not a regular file."));
        if (written)
            QCOMPARE(savedReading::readFile(name), fields);
    }

    // A link stays a link, and its target keeps its kind; a new file is a regular one.
    if (linked)
        QCOMPARE(kindOf(name, false), QStringLiteral("link"));
    QCOMPARE(kindOf(target, false), kind == Kind::Missing ? QStringLiteral("regular file") : targetBefore);
    if (!written) {
        QStringList entries = QDir(QFileInfo(target).absolutePath()).entryList(QDir::AllEntries | QDir::System | QDir::Hidden);
        entries.removeAll(QStringLiteral("orvo.ini.lock"));
        QCOMPARE(entries, entriesBefore);   // no temporary file left either
    }
}

void TestFileSaving::readsNamesThatAreNotUtf8_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("Latin-1 e acute") << QByteArray("caf\xE9.str");
    QTest::newRow("bytes that never start UTF-8") << QByteArray("\xFF\xFE\xC0\x80.str");
    QTest::newRow("UTF-8 cut short") << QByteArray("\xE6\x9D.str");
    QTest::newRow("an encoded surrogate") << QByteArray("\xED\xB2\x80.str");
    QTest::newRow("valid UTF-8 beside a stray byte") << QByteArray("\xE6\x9D\x8E\x80.str");
}

void TestFileSaving::readsNamesThatAreNotUtf8()
{
    QFETCH(QByteArray, name);
    QTemporaryDir dir;
    const QByteArray path = QFile::encodeName(dir.path()) + '/' + name;
    QByteArray content;
    QBuffer buffer(&content);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(savedReading::write(buffer, fields));
    const int handle = ::open(path.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    QVERIFY(handle >= 0);
    QCOMPARE(::write(handle, content.constData(), size_t(content.size())), ssize_t(content.size()));
    ::close(handle);
    const auto remove = qScopeGuard([&path] { ::unlink(path.constData()); });   // a name Qt cannot list

    const QString fileName = nativeFileName::decode(path);
    QCOMPARE(nativeFileName::encode(fileName), path);
    QCOMPARE(savedReading::readFile(fileName), fields);
}

QTEST_GUILESS_MAIN(TestFileSaving)
#include "test_file_saving.moc"
