#include "chinese/chinese_animal_record.h"
#include "chinese/calendar/year_start.h"
#include "common/line_codec.h"
#include "common/program_settings.h"
#include "common/saved_reading.h"
#include "forms/orvo_form.h"
#include "widgets/look.h"
#include "ui/frame_fixture.h"
#include "ui/support.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include <sys/stat.h>

using Icon = DialogService::Icon;
using System = systems::System;
using chinese::YearStart;
using F = FrameFixture;

namespace {

void writeFile(const QString &fileName, const QByteArray &content)
{
    QFile file(fileName);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray encoded(const QStringList &lines)
{
    QByteArray content;
    for (const QString &line : lines)
        content += EncodeLine(line) + "\r\n";
    return content;
}

constexpr System Chinese = System::Chinese;

// Chooses the year start on the shown input form, as a click does.
void chooseYearStart(YearStart start)
{
    QTest::mouseClick(F::control<QRadioButton>(F::inputForm(Chinese), QStringLiteral("optYearStart_%1").arg(int(start))),
                      Qt::LeftButton);
}

} // namespace

class TestChineseReport : public FrameTestCase
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void everyEntryWithItsStyle();
    void leapDayWithFourDigitYear_data();
    void leapDayWithFourDigitYear();
    void closingReturnsToUnchangedResult();
    void saveThenOpenGivesSameReading_data();
    void saveThenOpenGivesSameReading();
    void failedOrCancelledSave();
    void openedFiles_data();
    void openedFiles();
    void binaryFileDoesNotHang();
    void printsWholeReportWithoutDialog();

private:
    // The report of the person born on date, counted from start; its box is the member box.
    OrvoForm *openReport(const QString &name, const QString &sex, const QDate &date,
                         YearStart start = YearStart::LunarNewYear);
    QTextCharFormat formatAt(int position) const;

    QTemporaryDir dir;
    OrvoForm *report = nullptr;
    QTextEdit *box = nullptr;
};

void TestChineseReport::initTestCase()
{
    // The year-start preference goes to this test's own settings file, never to the user's.
    QVERIFY(useOwnSettings());
}

void TestChineseReport::init()
{
    programSettings::open()->clear();
    FrameTestCase::init();
}

OrvoForm *TestChineseReport::openReport(const QString &name, const QString &sex, const QDate &date, YearStart start)
{
    report = nullptr;
    box = nullptr;
    if (!ui->open(Chinese))
        return nullptr;
    chooseYearStart(start);
    if (ui->fill(Chinese, {name, sex, date.day(), date.month(), date.year()}) && ui->find(Chinese))
        report = ui->report(Chinese);
    if (report)
        box = F::control<QTextEdit>(report, "RTB");
    return report;
}

QTextCharFormat TestChineseReport::formatAt(int position) const
{
    QTextCursor cursor(box->document());
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

void TestChineseReport::everyEntryWithItsStyle()
{
    QVERIFY(openReport(" Ann Lee ", "Male", QDate(1970, 3, 5)));   // Metal Dog
    const auto dog = ChineseAnimalRecord::forAnimal("Dog");
    const QString metal = *ChineseAnimalRecord::elementDescription("Metal");
    const QStringList headings = {"Name: ", "Date of Birth: ", "Sign: ", "Year of the Metal Dog: ",
                                  "Element: Metal: ", "Ruling Planet: ",
                                  "Positive Traits: ", "Negative Traits: ", "Most Compatible Sign: ",
                                  "Least Compatible Sign: ", "Lucky Color: ", "GemStone: ", "Energy: ",
                                  "Favourable Season: ", "Favourable Month: ",
                                  "Famous Persons of this Star Sign are: "};
    const QStringList values = {"Ann Lee", QLocale().toString(QDate(1970, 3, 5), QLocale::ShortFormat), "Dog",
                                QLocale().toString(QDate(1970, 2, 6), QLocale::ShortFormat) + " \u2013 "
                                    + QLocale().toString(QDate(1971, 1, 26), QLocale::ShortFormat)
                                    + " (year begins at the Chinese New Year)", metal,
                                "Venus", dog->positiveTraits, dog->negativeTraits, "Tiger, Horse", "Dragon",
                                "Pale Yellow", "Diamond", "Yang (Negative)", "Winter", "October", dog->famousPersons};
    QString expected;
    for (int i = 0; i < headings.size(); ++i)
        expected += headings[i] + values[i] + "\n\n\n";
    const QString text = box->toPlainText();
    // The reading of the year as it always was, then what the day and time of birth add.
    QCOMPARE(text.left(expected.size()), expected);
    QVERIFY(text.mid(expected.size()).startsWith("Chinese Date of Birth: 28th day of the 1st month, Year of the Dog"));
    QVERIFY(!text.contains(QLatin1String("Mr. ")));
    QVERIFY(!text.contains(QLatin1String("Male")));

    int position = 0;
    for (int i = 0; i < headings.size(); ++i) {
        position = int(text.indexOf(headings[i], position));
        for (int offset : {0, int(headings[i].size()) - 1}) {
            const QTextCharFormat heading = formatAt(position + offset);
            QCOMPARE(heading.fontWeight(), int(QFont::Bold));
            QCOMPARE(heading.foreground().color(), look::darkRed());
        }
        const QTextCharFormat value = formatAt(position + int(headings[i].size()));
        QVERIFY(value.fontWeight() != QFont::Bold);
        QCOMPARE(value.foreground().color(), QColor(Qt::black));
    }
    QCOMPARE(report->windowTitle(), "Orvo Chinese Zodiac Software \u2014 Report");
}

void TestChineseReport::leapDayWithFourDigitYear_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("birth");
    QTest::addColumn<QString>("span");
    QTest::newRow("de_DE, day first") << QLocale("de_DE") << "29.02.1996" << "19.02.1996 \u2013 06.02.1997";
    QTest::newRow("en_US, month first") << QLocale("en_US") << "2/29/1996" << "2/19/1996 \u2013 2/6/1997";
}

void TestChineseReport::leapDayWithFourDigitYear()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, birth);
    QFETCH(QString, span);
    QLocale::setDefault(locale);
    const bool opened = openReport("Ann", "Female", QDate(1996, 2, 29));
    QLocale::setDefault(QLocale::c());
    QVERIFY(opened);
    const QString text = box->toPlainText();
    QVERIFY(text.startsWith(QStringLiteral("Name: Ann\n\n\nDate of Birth: %1\n").arg(birth)));
    // The year's span, the years ahead and the lunar birthdays read as the birth date does.
    QVERIFY(text.contains(QStringLiteral("Year of the Fire Rat: %1 (year begins at the Chinese New Year)").arg(span)));
    QVERIFY2(!text.contains(QRegularExpression("\\d [A-Z][a-z]+ \\d{4}")), qPrintable(text));
}

void TestChineseReport::closingReturnsToUnchangedResult()
{
    QVERIFY(openReport("Ann", "Female", QDate(1996, 2, 29)));
    const OrvoForm *display = F::resultForm(Chinese);
    const QString famous = F::text(display, "txtFamousPersons");

    // A second Print while the report is open composes nothing again.
    QTextCursor(box->document()).insertText("MARK");
    QVERIFY(F::trigger(display, "mnuPrint"));
    QVERIFY(box->toPlainText().startsWith(QLatin1String("MARKName: ")));

    F::closeWindow(report);
    QCOMPARE(ui->shownWindows(), QStringList{"frmChineseZodiacDisplay"});
    QVERIFY(!ui->startPanelShown());
    QCOMPARE(F::text(display, "lblName"), "Ms. Ann");
    QCOMPARE(F::text(display, "lblChineseSign"), "Rat");
    QCOMPARE(F::control<QCalendarWidget>(display, "MV")->selectedDate(), QDate(1996, 2, 29));
    QCOMPARE(F::text(display, "txtFamousPersons"), famous);
}

void TestChineseReport::saveThenOpenGivesSameReading_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("start");        // YearStart
    QTest::addColumn<QStringList>("lines");  // of the file
    QTest::addColumn<QString>("animal");
    QTest::addColumn<QString>("span");
    const QString name = "Jos\u00E9 \u0141ukasz \u674E\u5C0F\u9F99";
    QTest::newRow("Chinese New Year: the five lines of every version")
        << QDate(1985, 2, 19) << int(YearStart::LunarNewYear)
        << QStringList{name, "Female", "19", "February", "1985"} << "Rat"
        << "Year of the Wood Rat: 2\u00A0February\u00A01984 \u2013 19\u00A0February\u00A01985";
    QTest::newRow("Start of Spring: a sixth line names it") << QDate(2024, 2, 5) << int(YearStart::StartOfSpring)
        << QStringList{name, "Female", "5", "February", "2024", "spring"} << "Dragon"
        << "Year of the Wood Dragon: 4\u00A0February\u00A02024 \u2013 2\u00A0February\u00A02025";
}

void TestChineseReport::saveThenOpenGivesSameReading()
{
    QFETCH(QDate, date);
    QFETCH(int, start);
    QFETCH(QStringList, lines);
    QFETCH(QString, animal);
    QFETCH(QString, span);
    const QString name = lines.first();
    QVERIFY(openReport(name, "Female", date, YearStart(start)));
    const QString reportText = box->toPlainText();
    const QString fileName = dir.filePath("reading.str");
    dialogs()->fileAnswers = {fileName};
    QVERIFY(F::click(report, "cmdSave"));
    QVERIFY(dialogs()->messages.isEmpty());
    QCOMPARE(dialogs()->fileRequests.size(), 1);
    const auto save = dialogs()->fileRequests.first();
    QCOMPARE(save.title, "Save Your Chinese Zodiac Result ....");
    QCOMPARE(save.filter, "Orvo Free Chinese Astrology (*.str)");
    QCOMPARE(save.defaultSuffix, "str");
    QVERIFY(save.confirmOverwrite);

    // The time and place of birth follow as further lines.
    QFile saved(fileName);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(saved.readAll().startsWith(encoded(lines.mid(0, 5))));
    QCOMPARE(savedReading::readFile(fileName)->value(5), lines.value(5, "new-year"));
    // A reader of five lines gets the reading's five fields whether or not a sixth follows.
    QCOMPARE(savedReading::readFile(fileName)->mid(0, 5), lines.mid(0, 5));

    // A fresh input form showing the other year start, then the record opened again.
    const OrvoForm *input = ui->open(Chinese);
    QVERIFY(input);
    QVERIFY(F::text(input, "txtName").isEmpty());
    chooseYearStart(YearStart(1 - start));
    const OrvoForm *display = ui->openSaved(Chinese, fileName);
    QVERIFY(dialogs()->messages.isEmpty());
    const auto open = dialogs()->fileRequests.last();
    QCOMPARE(open.title, "Select the source file");
    QCOMPARE(open.filter, "Orvo Free Chinese Astrology (*.str)");
    QVERIFY(open.mustExist);
    QCOMPARE(F::text(input, "txtName"), name);
    QVERIFY(F::isChecked(input, "optSex_1"));
    QCOMPARE(F::dateShown(Chinese), lines[2] + lines[3] + lines[4]);
    QVERIFY(F::isChecked(input, QStringLiteral("optYearStart_%1").arg(start)));
    QVERIFY(display);
    QCOMPARE(ui->shownWindows(), QStringList{"frmChineseZodiacDisplay"});
    QVERIFY(!ui->startPanelShown());
    QCOMPARE(F::text(display, "lblName"), "Ms. " + name);
    QCOMPARE(F::text(display, "lblChineseSign"), animal);
    QCOMPARE(F::text(display, "lblChineseYear").replace(QLatin1Char('\n'), QLatin1Char(' ')), span);
    // The report of the opened reading is the report that was saved.
    const OrvoForm *reopened = ui->report(Chinese);
    QVERIFY(reopened);
    QCOMPARE(F::text(reopened, "RTB"), reportText);
}

void TestChineseReport::failedOrCancelledSave()
{
    QVERIFY(openReport("Ann", "Male", QDate(1970, 3, 5)));
    const QString fileName = dir.filePath("kept.str");
    writeFile(fileName, QByteArray("earlier"));

    // Cancel: silent, nothing written.
    dialogs()->fileAnswers = {QString()};
    QVERIFY(F::click(report, "cmdSave"));
    QVERIFY(dialogs()->messages.isEmpty());
    QCOMPARE(dialogs()->fileRequests.size(), 1);

    QVERIFY(QDir(dir.path()).mkpath("folder.str"));
    dialogs()->fileAnswers = {dir.filePath("folder.str")};
    QVERIFY(F::click(report, "cmdSave"));
    QCOMPARE(dialogs()->messageTexts(), QStringList{"The file could not be saved.\nIt is a folder, not a regular file."});
    QCOMPARE(dialogs()->messages.last().icon, Icon::Error);

    QFile kept(fileName);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("earlier"));
}

void TestChineseReport::openedFiles_data()
{
    QTest::addColumn<QString>("file");   // empty: the dialog is cancelled
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QStringList>("entries");   // name, sex, birth date, as the form shows them after
    QTest::addColumn<QString>("outcome");       // the animal shown, the message, or nothing at all
    const QByteArray good = encoded({"Bo", "Male", "5", "March", "1970"});
    const QStringList kept{"Keep", "", "5May1950"};
    const QString damaged = "Please Check The File.";
    const auto notReading = [this](const QString &file) {
        return "This is not a saved reading file:\n\n" + QDir(dir.path()).filePath(file);   // "/dev/null" as it is
    };
    QTest::newRow("cancelled: silent") << "" << QByteArray() << kept << "";
    QTest::newRow("wrong extension") << "reading.txt" << good << kept << damaged;
    QTest::newRow("upper-case STR") << "READING.STR" << good << kept << damaged;
    QTest::newRow("file gone") << "missing.str" << QByteArray() << kept << "This file does not exist:\n\n" + dir.filePath("missing.str");
    QTest::newRow("a folder: not a reading") << "folder.str" << QByteArray() << kept << notReading("folder.str");
    QTest::newRow("a FIFO: never opened") << "fifo.str" << QByteArray() << kept << notReading("fifo.str");
    QTest::newRow("the null device: never read") << "/dev/null" << QByteArray() << kept << notReading("/dev/null");
    // A record whose lines fail the input form's checks is damaged: the entries stay as they were.
    QTest::newRow("empty file: refused") << "r.str" << QByteArray() << kept << damaged;
    QTest::newRow("missing lines: name and sex only, refused") << "r.str" << encoded({"Bo", "Male"}) << kept << damaged;
    QTest::newRow("texts not in the lists: refused")
        << "r.str" << encoded({"Bo", "male", "32", "Smarch", "1899"}) << kept << damaged;
    QTest::newRow("year the lists lack: refused") << "r.str" << encoded({"Bo", "Male", "5", "March", "1899"}) << kept << damaged;
    QTest::newRow("saved day that the date check refuses")
        << "r.str" << encoded({"Di", "Female", "31", "June", "1970"}) << kept << damaged;
    const QStringList born2024 = {"Ann", "Female", "5", "February", "2024"};
    const QStringList ann{"Ann", "Female", "5February2024"};
    QTest::newRow("five lines: the Chinese New Year, whatever the form showed") << "r.str" << encoded(born2024) << ann << "Rabbit";
    QTest::newRow("sixth line spring") << "r.str" << encoded(born2024 + QStringList{"spring"}) << ann << "Dragon";
    QTest::newRow("sixth line of an unknown start: refused")
        << "r.str" << encoded(born2024 + QStringList{"equinox"}) << kept << damaged;
    // The tradition on the eleventh line, after the year start and four empty lines (no time of
    // birth); a tradition not written as this program writes it is damage like a year start.
    const QStringList tenLines = born2024 + QStringList{"new-year", "", "", "", ""};
    const QStringList annInVietnam{"Ann", "Female", "5February2024"};
    QTest::newRow("ten lines: China") << "r.str" << encoded(tenLines) << ann << "Rabbit";
    QTest::newRow("eleventh line vietnam: the year from T\u1EBFt") << "r.str" << encoded(tenLines + QStringList{"vietnam"})
                                                                  << annInVietnam << "Cat (M\u00E3o)";
    const std::pair<const char *, QString> damagedTraditions[] = {
        {"Vietnam", "Vietnam"}, {"VIETNAM", "VIETNAM"}, {"thailand", "thailand"},
        {"vietnam and a NUL", QStringLiteral("vietnam") + QChar(0)}, {"2,002 characters", QString("vietnam").repeated(286)}};
    for (const auto &[name, tradition] : damagedTraditions)
        QTest::addRow("eleventh line %s: refused", name) << "r.str" << encoded(tenLines + QStringList{tradition}) << kept << damaged;
    QTest::newRow("eleventh line of bytes no encoding gives: refused")
        << "r.str" << encoded(tenLines) + EncodeLine("vietnam") + "\xFF\xFE\r\n" << kept << damaged;
    QTest::newRow("line feeds only") << "r.str"
                                     << QByteArray(EncodeLine("Cy") + "\n" + EncodeLine("Male") + "\n" + EncodeLine("7")
                                                   + "\n" + EncodeLine("February") + "\n" + EncodeLine("2008") + "\n")
                                     << QStringList{"Cy", "Male", "7February2008"} << "Rat";
}

void TestChineseReport::openedFiles()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(QStringList, entries);
    QFETCH(QString, outcome);
    if (file == QLatin1String("folder.str"))
        QVERIFY(QDir(dir.path()).mkpath(file));
    else if (file == QLatin1String("fifo.str"))
        QCOMPARE(mkfifo(QFile::encodeName(dir.filePath(file)).constData(), 0600), 0);
    else if (!file.isEmpty() && file != QLatin1String("missing.str") && !file.startsWith(QLatin1Char('/')))
        writeFile(dir.filePath(file), content);

    const OrvoForm *input = ui->open(Chinese);
    QVERIFY(input);
    chooseYearStart(YearStart::StartOfSpring);
    QVERIFY(ui->fill(Chinese, {"Keep", {}, 5, 5, 1950}));
    const OrvoForm *display = ui->openSaved(Chinese, file.isEmpty() ? QString() : QDir(dir.path()).filePath(file));

    QCOMPARE(F::text(input, "txtName"), entries[0]);
    QCOMPARE(F::isChecked(input, "optSex_0"), entries[1] == QLatin1String("Male"));
    QCOMPARE(F::isChecked(input, "optSex_1"), entries[1] == QLatin1String("Female"));
    QCOMPARE(F::dateShown(Chinese), entries[2]);
    QVERIFY(!ui->startPanelShown());
    if (outcome.isEmpty() || outcome.contains(QLatin1Char('.')) || outcome.contains(QLatin1Char('\n'))) {   // not an animal
        QCOMPARE(dialogs()->messageTexts(), outcome.isEmpty() ? QStringList() : QStringList{outcome});
        if (!outcome.isEmpty())
            QCOMPARE(dialogs()->messages.first().icon, Icon::Error);
        QCOMPARE(ui->shownWindows(), QStringList{"frmChineseZodiacMain"});
        QVERIFY(F::isChecked(input, "optYearStart_1"));
    } else {
        QVERIFY(dialogs()->messages.isEmpty());
        QVERIFY(display);
        QCOMPARE(F::text(display, "lblChineseSign"), outcome);
    }
}

void TestChineseReport::binaryFileDoesNotHang()
{
    QByteArray noise;
    quint32 state = 7;
    for (int i = 0; i < 8 * 1024 * 1024; ++i) {
        state = state * 1103515245u + 12345u;
        noise.append(char(state >> 24));
    }
    const QString fileName = dir.filePath("binary.str");
    writeFile(fileName, noise);

    const OrvoForm *input = ui->open(Chinese);
    QVERIFY(input);
    QElapsedTimer timer;
    timer.start();
    const bool shown = ui->openSaved(Chinese, fileName);
    QVERIFY(timer.elapsed() < 5000);
    const QString name = F::text(input, "txtName");
    QVERIFY(name.size() <= 4096);
    QVERIFY(!name.contains(QLatin1Char('\n')));
    // Whatever the bytes gave, the usual Proceed ran: a message or a result.
    QVERIFY(!dialogs()->messages.isEmpty() || shown);
}

void TestChineseReport::printsWholeReportWithoutDialog()
{
    QVERIFY(openReport("Ada", "Female", QDate(1970, 3, 5)));
    // Part of the report selected: the whole report is printed all the same, on the default printer.
    QTextCursor selection(box->document());
    selection.setPosition(0);
    selection.setPosition(5, QTextCursor::KeepAnchor);
    box->setTextCursor(selection);
    dialogs()->pdfOutput = dir.filePath("chinese.pdf");
    QVERIFY(F::click(report, "cmdPrint"));
    QVERIFY(dialogs()->printDialogOffers.isEmpty());
    QVERIFY(!box->textCursor().hasSelection());
    const QString printed = withoutBlanks(pdfBodyText(dialogs()->pdfOutput));
    QCOMPARE(printed, withoutBlanks(box->toPlainText()));

    // No default printer: the print dialog opens instead (without a selection) and prints the whole report.
    QVERIFY(QFile::remove(dialogs()->pdfOutput));
    dialogs()->hasDefaultPrinter = false;
    box->setTextCursor(selection);
    QVERIFY(F::click(report, "cmdPrint"));
    QCOMPARE(dialogs()->printDialogOffers, QList<bool>{false});
    QCOMPARE(withoutBlanks(pdfBodyText(dialogs()->pdfOutput)), printed);

    // Cancelled: nothing is printed and nothing is said.
    dialogs()->pdfOutput.clear();
    QVERIFY(F::click(report, "cmdPrint"));
    QCOMPARE(dialogs()->printDialogOffers.size(), 2);
    QVERIFY(dialogs()->messages.isEmpty());
}

QTEST_MAIN(TestChineseReport)
#include "test_chinese_report.moc"
