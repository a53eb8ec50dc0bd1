#include "common/line_codec.h"
#include "common/saved_reading.h"
#include "shared/file_size_limit.h"
#include "shared/small_tmpfs.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A device that never ends: reading must stop by itself.
class EndlessDevice : public QIODevice
{
public:
    explicit EndlessDevice(char fill) : m_fill(fill) {}
    bool isSequential() const override { return true; }
    bool atEnd() const override { return false; }
    qint64 served = 0;

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        std::fill_n(data, maxSize, m_fill);
        served += maxSize;
        return maxSize;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    char m_fill;
};

// The fields read from content; "<unreadable>" when the reader refused it.
QStringList readBytes(const QByteArray &content)
{
    QByteArray data = content;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    return savedReading::read(buffer).value_or(QStringList{QStringLiteral("<unreadable>")});
}

QByteArray readAll(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}


const QStringList chineseFields = {QStringLiteral("Ann Lee"), QStringLiteral("Female"), QStringLiteral("5"),
                                   QStringLiteral("March"), QStringLiteral("1970")};

} // namespace

class TestSavedReading : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void writesEncodedLinesWithCrLf();
    void readsWhatItWrote();
    void readsLines_data();
    void readsLines();
    void overlongLinesAreCut();
    void largestNameRoundTrips_data();
    void largestNameRoundTrips();
    void endlessInputIsBounded_data();
    void endlessInputIsBounded();
    void binaryFileGivesOneLineFields();
    void unreadableDevicesGiveNothing();
    void savesThroughTemporaryFile();
    void failedSaveKeepsEarlierFile_data();
    void failedSaveKeepsEarlierFile();
    void extensionCheck_data();
    void extensionCheck();
};

void TestSavedReading::writesEncodedLinesWithCrLf()
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(savedReading::write(buffer, {QStringLiteral("abc"), QString(), QStringLiteral("Male")}));
    const QByteArray expected = QByteArray("\xB6\xB7\xB8\r\n\r\n\xA2\xB6\xC1\xBA\r\n");
    QCOMPARE(data, expected);
}

void TestSavedReading::readsWhatItWrote()
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    const QStringList fields = {QStringLiteral("\u674E\u5C0F\u9F99"), QStringLiteral("Male"), QStringLiteral("31"),
                                QStringLiteral("December"), QStringLiteral("2008")};
    QVERIFY(savedReading::write(buffer, fields));
    QCOMPARE(readBytes(data), fields);

    // The most lines at their longest, with the shorter line end: written again as the program
    // writes (CR LF), all of them still read back.
    const QStringList longest(savedReading::MaxLineCount, QString(savedReading::MaxLineBytes, QLatin1Char('a')));
    const QStringList read = readBytes(EncodeLine(longest.first()).append('\n').repeated(savedReading::MaxLineCount));
    QCOMPARE(read, longest);
    QByteArray again;
    QBuffer rewritten(&again);
    rewritten.open(QIODevice::WriteOnly);
    QVERIFY(savedReading::write(rewritten, read));
    QCOMPARE(readBytes(again), longest);
}

void TestSavedReading::readsLines_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("fields");
    const QByteArray a = EncodeLine(QStringLiteral("a"));
    const QByteArray b = EncodeLine(QStringLiteral("b"));
    QTest::newRow("empty file: no lines") << QByteArray() << QStringList();
    QTest::newRow("two lines") << (a + "\r\n" + b + "\r\n") << QStringList{"a", "b"};
    QTest::newRow("last line without line end") << (a + "\r\n" + b) << QStringList{"a", "b"};
    QTest::newRow("line feed only") << (a + "\n" + b + "\n") << QStringList{"a", "b"};
    QTest::newRow("carriage return only") << (a + "\r" + b + "\r") << QStringList{"a", "b"};
    QTest::newRow("CR, LF and CR LF mixed") << (a + "\r" + b + "\n" + a + "\r\n" + b) << QStringList{"a", "b", "a", "b"};
    QTest::newRow("CR CR LF: an empty line between") << (a + "\r\r\n" + b) << QStringList{"a", "", "b"};
    QTest::newRow("LF CR: an empty line between") << (a + "\n\r" + b) << QStringList{"a", "", "b"};
    QTest::newRow("empty lines inside") << ("\r\n\r\n" + a + "\r\n") << QStringList{"", "", "a"};
    // Lines a later version may add are read too, up to the most any reading may hold.
    QTest::newRow("more lines than any reading holds: the first ones")
        << QByteArray(a + "\r\n").repeated(savedReading::MaxLineCount + 3) << QStringList(savedReading::MaxLineCount, "a");
    QTest::newRow("bytes below 85 drop out") << QByteArray("ANN 1970\r\n") << QStringList(1);
    QTest::newRow("nul bytes") << (QByteArray(3, '\0') + a + "\r\n") << QStringList{"a"};
}

void TestSavedReading::readsLines()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, fields);
    QCOMPARE(readBytes(content), fields);
}

void TestSavedReading::overlongLinesAreCut()
{
    const QByteArray a = EncodeLine(QStringLiteral("a"));
    const QByteArray b = EncodeLine(QStringLiteral("b"));
    const int longest = savedReading::MaxLineBytes;

    // A line of exactly the longest length is kept whole, with either line end.
    for (const QByteArray &end : {QByteArray("\r\n"), QByteArray("\n")}) {
        const QStringList fields = readBytes(a.repeated(longest) + end + b + end);
        QCOMPARE(fields, QStringList({QString(longest, QLatin1Char('a')), QStringLiteral("b")}));
    }

    // A longer line is cut, and the next line is still the next field.
    const QStringList fields = readBytes(a.repeated(3 * longest + 1) + "\r\n" + b + "\r\n");
    QCOMPARE(fields, QStringList({QString(longest, QLatin1Char('a')), QStringLiteral("b")}));

    // Cut at a carriage return line end as well.
    QCOMPARE(readBytes(a.repeated(longest + 5) + "\r" + b + "\r"),
             QStringList({QString(longest, QLatin1Char('a')), QStringLiteral("b")}));
}

void TestSavedReading::largestNameRoundTrips_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("readBack");
    const int longest = savedReading::MaxNameLength;
    const QString pairs = QString::fromUcs4(U"\U0010FFFF").repeated(longest / 2);
    QTest::newRow("Latin letters") << QString(longest, QLatin1Char('N')) << QString(longest, QLatin1Char('N'));
    QTest::newRow("Chinese characters, five digits each") << QString(longest, QChar(0x674E)) << QString(longest, QChar(0x674E));
    QTest::newRow("U+FFFF, the largest in one unit") << QString(longest, QChar(0xFFFF)) << QString(longest, QChar(0xFFFF));
    QTest::newRow("surrogate pairs") << pairs << pairs;
    QTest::newRow("lone surrogates read back as U+FFFD") << QString(longest, QChar(0xD800)) << QString(longest, QChar(0xFFFD));
}

void TestSavedReading::largestNameRoundTrips()
{
    QFETCH(QString, name);
    QFETCH(QString, readBack);
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("longest.str"));
    QStringList fields = chineseFields;
    fields[0] = name;
    QVERIFY(savedReading::writeFile(fileName, fields));
    const auto read = savedReading::readFile(fileName);
    QVERIFY(read);
    QCOMPARE(read->at(0).size(), readBack.size());
    QCOMPARE(read->at(0), readBack);
    QCOMPARE(read->mid(1), chineseFields.mid(1));
}

void TestSavedReading::endlessInputIsBounded_data()
{
    QTest::addColumn<char>("fill");
    QTest::newRow("one endless line") << char(0xB6);
    QTest::newRow("endless stray bytes") << char(7);
}

void TestSavedReading::endlessInputIsBounded()
{
    QFETCH(char, fill);
    EndlessDevice device(fill);
    device.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    const auto fields = savedReading::read(device);
    QVERIFY(fields);
    QCOMPARE(fields->size(), 1);
    QVERIFY(fields->at(0).size() <= savedReading::MaxLineBytes);
    QVERIFY2(device.served <= savedReading::MaxFileBytes + savedReading::MaxLineBytes + 2,
             qPrintable(QString::number(device.served)));
}

void TestSavedReading::binaryFileGivesOneLineFields()
{
    QByteArray data;
    quint32 state = 2024;
    for (int i = 0; i < 4 * savedReading::MaxFileBytes; ++i) {
        state = state * 1103515245u + 12345u;
        data.append(char(state >> 24));
    }
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    const auto fields = savedReading::read(buffer);
    QVERIFY(fields);
    QVERIFY(fields->size() <= savedReading::MaxLineCount);
    for (const QString &field : *fields) {
        QVERIFY(field.size() <= savedReading::MaxLineBytes);
        QVERIFY(!field.contains(QLatin1Char('\n')) && !field.contains(QLatin1Char('\r')));
    }
    QVERIFY(buffer.pos() <= savedReading::MaxFileBytes + savedReading::MaxLineBytes + 1);
}

void TestSavedReading::unreadableDevicesGiveNothing()
{
    QBuffer closed;
    QVERIFY(!savedReading::read(closed));
    QBuffer writeOnly;
    writeOnly.open(QIODevice::WriteOnly);
    QVERIFY(!savedReading::read(writeOnly));

    QTemporaryDir dir;
    QVERIFY(!savedReading::readFile(dir.filePath(QStringLiteral("missing.str"))));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.str")));
    QVERIFY(!savedReading::readFile(dir.filePath(QStringLiteral("folder.str"))));

    // Opening a FIFO for reading would wait for a writer for ever.
    const QString fifo = dir.filePath(QStringLiteral("fifo.str"));
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QVERIFY(!savedReading::readFile(fifo));
    QVERIFY(!savedReading::readFile(QStringLiteral("/dev/zero")));
}

void TestSavedReading::savesThroughTemporaryFile()
{
    QTemporaryDir dir;
    const QString fileName = dir.filePath(QStringLiteral("reading.str"));
    QVERIFY(savedReading::writeFile(fileName, chineseFields));
    QCOMPARE(readAll(fileName).count("\r\n"), 5);
    QCOMPARE(savedReading::readFile(fileName), chineseFields);

    // Saving again replaces the whole file: nothing of the longer earlier content stays.
    QVERIFY(savedReading::writeFile(fileName, {QStringLiteral("Bo")}));
    QCOMPARE(readAll(fileName), EncodeLine(QStringLiteral("Bo")) + "\r\n");

    // A save that cannot be done fails and leaves no file behind.
    const QString inMissingFolder = dir.filePath(QStringLiteral("no/such/folder/reading.str"));
    QVERIFY(!savedReading::writeFile(inMissingFolder, chineseFields));
    QVERIFY(!QFile::exists(inMissingFolder));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("taken.str")));
    QVERIFY(!savedReading::writeFile(dir.filePath(QStringLiteral("taken.str")), chineseFields));
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("taken.str"))).isDir());
}

void TestSavedReading::failedSaveKeepsEarlierFile_data()
{
    QTest::addColumn<bool>("fullDisk");   // else a file size limit
    QTest::addColumn<bool>("earlierFile");
    QTest::newRow("full tmpfs, replacing a file") << true << true;
    QTest::newRow("full tmpfs, new file") << true << false;
    QTest::newRow("file size limit, replacing a file") << false << true;
    QTest::newRow("file size limit, new file") << false << false;
}

void TestSavedReading::failedSaveKeepsEarlierFile()
{
    QFETCH(bool, fullDisk);
    QFETCH(bool, earlierFile);
    QTemporaryDir dir;
    std::optional<SmallTmpfs> tmpfs;
    if (fullDisk) {
        tmpfs.emplace(dir.path());
        if (!tmpfs->mounted())
            QSKIP("mounting a tmpfs needs root");
    }
    const QString fileName = dir.filePath(QStringLiteral("reading.str"));
    const QByteArray earlier = EncodeLine(QStringLiteral("Earlier")) + "\r\n";
    if (earlierFile) {
        QFile file(fileName);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(earlier), earlier.size());
    }
    // Far less than Qt's write buffer: the data reaches the disk only in the final flush.
    QStringList fields = chineseFields;
    fields[0] = QString(400, QLatin1Char('N'));

    std::optional<FileSizeLimit> limit;
    if (fullDisk) {
        QVERIFY(tmpfs->fill());
    } else {
        limit.emplace(100);
        QVERIFY(limit->active());
    }
    const fileSaving::Result saved = savedReading::writeFile(fileName, fields);
    limit.reset();
    QVERIFY(!saved);
    QCOMPARE(saved.reason, fullDisk ? QStringLiteral("The disk is full.") : QStringLiteral("The file would be larger than allowed."));

    if (earlierFile)
        QCOMPARE(readAll(fileName), earlier);
    else
        QVERIFY(!QFile::exists(fileName));
    // No temporary file is left behind either.
    QStringList left = QDir(dir.path()).entryList(QDir::Files);
    left.removeOne(QStringLiteral("filler"));
    QCOMPARE(left, earlierFile ? QStringList{QStringLiteral("reading.str")} : QStringList());
}

void TestSavedReading::extensionCheck_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("reading.str") << "/home/ann/reading.str" << "str" << true;
    QTest::newRow("upper-case STR refused") << "/home/ann/reading.STR" << "str" << false;
    QTest::newRow("mixed-case Str refused") << "/home/ann/reading.Str" << "str" << false;
    QTest::newRow("zod file for str refused") << "/home/ann/reading.zod" << "str" << false;
    QTest::newRow("reading.zod") << "C:/readings/reading.zod" << "zod" << true;
    QTest::newRow("upper-case ZOD refused") << "C:/readings/reading.ZOD" << "zod" << false;
    QTest::newRow("trailing blank refused") << "reading.str " << "str" << false;
    QTest::newRow("last three letters without a dot") << "mystr" << "str" << true;
    QTest::newRow("shorter than the extension") << "st" << "str" << false;
}

void TestSavedReading::extensionCheck()
{
    QFETCH(QString, fileName);
    QFETCH(QString, extension);
    QFETCH(bool, accepted);
    QCOMPARE(savedReading::hasExtension(fileName, extension), accepted);
}

QTEST_GUILESS_MAIN(TestSavedReading)
#include "test_saved_reading.moc"
