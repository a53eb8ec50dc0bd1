#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

// The real program in its terminal mode. Its environment has no display at all (no DISPLAY,
// no WAYLAND_DISPLAY, no QT_QPA_PLATFORM), so any attempt to open a window or to create a
// QGuiApplication would abort it: every success here also shows that it opened none.
class TestCommandLine : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void jsonObject_data();
    void jsonObject();
    void plainLines();
    void versionAndHelp();
    void errors_data();
    void errors();
    void failedOutputIsNotSilent();
};

namespace {

struct Run
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

QProcessEnvironment displaylessEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    return environment;
}

Run runOrvo(const QStringList &arguments, const QString &outputFile = QString())
{
    QProcess process;
    process.setProcessEnvironment(displaylessEnvironment());
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    process.start(QStringLiteral(ORVO_PROGRAM), arguments);
    Run run;
    if (!process.waitForFinished(30000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

} // namespace

void TestCommandLine::jsonObject_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("expected");   // celtic, animal, element, yearStart, firstDay, lastDay, mayan, australian
    QTest::newRow("12 May 1990 with a name beyond Latin-1")
        << QStringList{"--signs", "1990-05-12", "--name", "Zoë Łukasz", "--json"} << QStringLiteral("Zoë Łukasz")
        << QStringList{"Adder", "Horse", "Metal", "new-year", "1990-01-27", "1991-02-14", "Kaw", "Kangaroo"};
    QTest::newRow("5 Feb 2024 by spring, options in any order")
        << QStringList{"--json", "--year-start", "spring", "--signs", "2024-02-05"} << QString()
        << QStringList{"Crane", "Dragon", "Wood", "spring", "2024-02-04", "2025-02-02", "Batz", "Koala"};
    QTest::newRow("23 Dec 2100, name on two lines joined")
        << QStringList{"--signs=2100-12-23", "--name", "Ann\nLee", "--json"} << QStringLiteral("Ann Lee")
        << QStringList{"Wren", "Monkey", "Metal", "new-year", "2100-02-09", "2101-01-28", "Xibkay", "Emu"};
}

void TestCommandLine::jsonObject()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, expected);
    const Run run = runOrvo(arguments);
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.endsWith('\n'));
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(run.out, &error);
    QVERIFY2(error.error == QJsonParseError::NoError && document.isObject(), qPrintable(error.errorString()));
    const QJsonObject json = document.object();
    QTEST(json.value(QStringLiteral("name")).toString(), "name");
    QStringList actual;
    for (const char *path : {"celtic/sign", "chinese/animal", "chinese/element", "chinese/yearStart",
                             "chinese/firstDay", "chinese/lastDay", "mayan/sign", "australian/sign"}) {
        const QStringList keys = QString::fromLatin1(path).split(QLatin1Char('/'));
        actual << json[keys.at(0)][keys.at(1)].toString();
    }
    QCOMPARE(actual, expected);
}

void TestCommandLine::plainLines()
{
    const Run run = runOrvo({QStringLiteral("--signs"), QStringLiteral("1990-05-12"), QStringLiteral("--name"), QStringLiteral("Zoë")});
    QCOMPARE(run.err, QByteArray());
    QCOMPARE(run.status, 0);
    QCOMPARE(QString::fromUtf8(run.out),
             QStringLiteral("Name: Zoë\n"
                            "Celtic: Adder (Nathair)\n"
                            "Chinese: Metal Horse (new-year, 1990-01-27 to 1991-02-14)\n"
                            "Mayan: Kaw (Snake)\n"
                            "Australian: Kangaroo\n"));
}

void TestCommandLine::versionAndHelp()
{
    const Run version = runOrvo({QStringLiteral("--version")});
    QCOMPARE(version.status, 0);
    QCOMPARE(version.out, QByteArray("orvo 1.20\n"));
    const Run help = runOrvo({QStringLiteral("--help")});
    QCOMPARE(help.status, 0);
    QVERIFY(help.out.contains("--signs <YYYY-MM-DD>") && help.out.contains("--year-start <new-year|spring>"));
    QCOMPARE(version.err + help.err, QByteArray());
}

void TestCommandLine::errors_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("30 Feb is no day") << QStringList{"--signs", "1990-02-30"};
    QTest::newRow("31 Dec 1899 before the covered days") << QStringList{"--signs", "1899-12-31", "--json"};
    QTest::newRow("unpadded month") << QStringList{"--signs", "1990-5-12"};
    QTest::newRow("text after the date") << QStringList{"--signs", "1990-05-12T10:00"};
    QTest::newRow("no date after --signs") << QStringList{"--signs"};
    QTest::newRow("unknown option") << QStringList{"--signs", "1990-05-12", "--colour"};
    QTest::newRow("bad --year-start") << QStringList{"--signs", "1990-05-12", "--year-start", "winter"};
    QTest::newRow("--year-start is case-sensitive") << QStringList{"--signs", "1990-05-12", "--year-start", "Spring"};
    QTest::newRow("--name without --signs") << QStringList{"--name", "Ann"};
    QTest::newRow("--json without --signs") << QStringList{"--json"};
    QTest::newRow("--year-start without --signs") << QStringList{"--year-start", "spring"};
    QTest::newRow("a file beside --signs") << QStringList{"--signs", "1990-05-12", "ann.zod"};
    QTest::newRow("a line break in the echoed date") << QStringList{"--signs", "1990-05-12\n1990-05-13"};
}

void TestCommandLine::errors()
{
    QFETCH(QStringList, arguments);
    const Run run = runOrvo(arguments);
    QCOMPARE(run.status, 2);
    QCOMPARE(run.out, QByteArray());
    QVERIFY2(run.err.startsWith("orvo: "), run.err.constData());
    QVERIFY2(run.err.endsWith('\n') && run.err.count('\n') == 1, run.err.constData());
}

void TestCommandLine::failedOutputIsNotSilent()
{
    // /dev/full refuses every write with ENOSPC, as a full disk does.
    if (!QFileInfo::exists(QStringLiteral("/dev/full")))
        QSKIP("no /dev/full");
    const Run run = runOrvo({QStringLiteral("--signs"), QStringLiteral("1990-05-12"), QStringLiteral("--json")},
                            QStringLiteral("/dev/full"));
    QCOMPARE(run.status, 1);
    QCOMPARE(run.err, QByteArray("orvo: the output could not be written\n"));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_command_line.moc"
