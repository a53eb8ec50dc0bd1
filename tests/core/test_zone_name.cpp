#include "common/zone_name.h"

#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

// Zone names as the form, --tz, saved readings and TZ bring them; this computer's time zone
// database (Debian's tzdata) answers.
class TestZoneName : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void names_data();
    void names();
    void fifoIsNeverOpened();
};

void TestZoneName::names_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("canonical");   // empty: refused
    QTest::addColumn<QString>("problem");     // a part of the refusal
    QTest::newRow("a server's zone, which Qt's list leaves out") << "Etc/UTC" << "Etc/UTC" << "";
    QTest::newRow("UTC, an alias") << "UTC" << "Etc/UTC" << "";
    QTest::newRow("US/Eastern") << "US/Eastern" << "America/New_York" << "";
    QTest::newRow("Asia/Calcutta, renamed") << "Asia/Calcutta" << "Asia/Kolkata" << "";
    QTest::newRow("Europe/Kiev, renamed") << "Europe/Kiev" << "Europe/Kyiv" << "";
    QTest::newRow("Etc/GMT-8, east of Greenwich") << "Etc/GMT-8" << "Etc/GMT-8" << "";
    QTest::newRow("a zone zone.tab lists stays itself") << "Europe/Oslo" << "Europe/Oslo" << "";
    QTest::newRow("the posix tree") << "posix/Asia/Tokyo" << "Asia/Tokyo" << "";
    QTest::newRow("the right tree names the zone too") << "right/Asia/Tokyo" << "Asia/Tokyo" << "";
    QTest::newRow("the leap-second clock within it") << "right/right/Asia/Tokyo" << "" << "counts leap seconds, not a time zone name; try Asia/Tokyo";
    QTest::newRow("the leap-second clock under posix") << "posix/right/Asia/Tokyo" << "" << "counts leap seconds";
    QTest::newRow("Factory, no place's zone") << "Factory" << "" << "Factory is no place's time zone";
    QTest::newRow("JST, an abbreviation") << "JST" << "" << "JST is not a time zone name; try Asia/Tokyo";
    QTest::newRow("a city alone") << "Shanghai" << "" << "Shanghai is not a time zone name; try Asia/Shanghai";
    QTest::newRow("a city in lower case") << "asia/tokyo" << "" << "try Asia/Tokyo";
    QTest::newRow("a POSIX rule of 99 hours") << "XXX-99" << "" << "\"XXX-99\" is not a time zone name";
    QTest::newRow("up out of the database") << "../../etc/passwd" << "" << "not a time zone name";
    QTest::newRow("down and up again") << "Asia/../Asia/Tokyo" << "" << "not a time zone name";
    QTest::newRow("an absolute path") << "/usr/share/zoneinfo/Asia/Tokyo" << "" << "try Asia/Tokyo";
    QTest::newRow("an index file of the database") << "zone.tab" << "" << "not a time zone name";
    QTest::newRow("a folder of the database") << "Asia" << "" << "not a time zone name";
    QTest::newRow("the computer's own file") << "localtime" << "" << "not a time zone name";
    QTest::newRow("nothing") << "" << "" << "no time zone is given";
    QTest::newRow("a line break") << "Asia/Tokyo\nX" << "" << "not a time zone name";
}

void TestZoneName::names()
{
    QFETCH(QString, name);
    QFETCH(QString, canonical);
    QFETCH(QString, problem);
    QString why;
    const std::optional<zoneName::Zone> zone = zoneName::check(name, &why);
    QCOMPARE(zone ? zone->name : QString(), canonical);
    if (zone) {
        QVERIFY(zone->zone.isValid());
        QCOMPARE(QString::fromUtf8(zone->zone.id()), canonical);
        // What a save writes opens again as itself.
        QCOMPARE(zoneName::check(canonical)->name, canonical);
    } else {
        QVERIFY2(why.contains(problem), qPrintable(why));
        QVERIFY(!why.contains(QLatin1Char('\n')));
    }
}

// Opening a FIFO would wait for a writer for ever: the name is refused before anything is opened.
void TestZoneName::fifoIsNeverOpened()
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("zone"));
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    const QString up = QStringLiteral("../../..") + fifo;
    QVERIFY(QFileInfo(QStringLiteral("/usr/share/zoneinfo/") + up).exists());
    QVERIFY(!zoneName::check(up));
    const QByteArray tz = QFile::encodeName(fifo);
    QString why;
    QVERIFY(!zoneName::computerZone(&tz, &why));
    QVERIFY2(why.startsWith(QStringLiteral("TZ=") + fifo), qPrintable(why));
}

QTEST_GUILESS_MAIN(TestZoneName)
#include "test_zone_name.moc"
