#include "app/frmMDI.h"
#include "chinese/chinese_animal_record.h"
#include "chinese/frmChineseZodiacDisplay.h"
#include "chinese/frmChineseZodiacMain.h"
#include "chinese/frmChineseZodiacSave.h"
#include "chinese/calendar/year_start.h"
#include "common/line_codec.h"
#include "common/program_settings.h"
#include "common/saved_reading.h"
#include "forms/form_registry.h"
#include "widgets/protected_text_edit.h"
#include "widgets/look.h"
#include "ui/support.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

#include <sys/stat.h>

using Icon = DialogService::Icon;
using chinese::YearStart;

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

} // namespace

class TestChineseReport : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void everyEntryWithItsStyle();
    void leapDayWithFourDigitYear_data();
    void leapDayWithFourDigitYear();
    void closingReturnsToUnchangedResult();
    void saveThenOpenGivesSameReading_data();
    void saveThenOpenGivesSameReading();
    void failedOrCancelledSave();
    void refusedFiles_data();
    void refusedFiles();
    void fileContents_data();
    void fileContents();
    void binaryFileDoesNotHang();
    void printsWholeReportWithoutDialog();

private:
    frmChineseZodiacMain *openInput();
    frmChineseZodiacSave *openReport(const QString &name, int sex, const QDate &date,
                                     YearStart start = YearStart::LunarNewYear);
    QTextCharFormat formatAt(int position) const;

    std::unique_ptr<frmMDI> frame;
    std::unique_ptr<ScriptedDialogs> dialogs;
    QTemporaryDir dir;
    frmChineseZodiacSave *report = nullptr;
};

void TestChineseReport::initTestCase()
{
    // The year-start preference goes to this test's own settings file, never to the user's.
    QVERIFY(useOwnSettings());
}

void TestChineseReport::init()
{
    programSettings::open()->clear();
    installTestFonts();
    dialogs = std::make_unique<ScriptedDialogs>();
    frame = std::make_unique<frmMDI>();
    frame->show();
}

void TestChineseReport::cleanup()
{
    frame->close();
    frame.reset();
    dialogs.reset();
    report = nullptr;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

frmChineseZodiacMain *TestChineseReport::openInput()
{
    frame->cmdSelectOption_Click(2);
    return forms::get<frmChineseZodiacMain>();
}

frmChineseZodiacSave *TestChineseReport::openReport(const QString &name, int sex, const QDate &date, YearStart start)
{
    auto *input = openInput();
    input->setYearStart(start);
    input->txtName->setText(name);
    input->optSex[sex]->setChecked(true);
    input->cboDate->setCurrentIndex(date.day() - 1);
    input->cboMonth->setCurrentIndex(date.month() - 1);
    input->cboYear->setCurrentText(QString::number(date.year()));
    input->cmdProceed->click();
    forms::get<frmChineseZodiacDisplay>()->cmdPrint->click();
    report = forms::get<frmChineseZodiacSave>();
    return report;
}

QTextCharFormat TestChineseReport::formatAt(int position) const
{
    QTextCursor cursor(report->RTB->document());
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

void TestChineseReport::everyEntryWithItsStyle()
{
    openReport(QStringLiteral(" Ann Lee "), 0, QDate(1970, 3, 5));   // Metal Dog
    const auto dog = ChineseAnimalRecord::forAnimal(QStringLiteral("Dog"));
    const QString metal = *ChineseAnimalRecord::elementDescription(QStringLiteral("Metal"));
    const QStringList headings = {"Name: ", "Date of Birth: ", "Sign: ", "Year of the Metal Dog: ",
                                  "Element: Metal: ", "Ruling Planet: ",
                                  "Positive Traits: ", "Negative Traits: ", "Most Compatible Sign: ",
                                  "Least Compatible Sign: ", "Lucky Color: ", "GemStone: ", "Energy: ",
                                  "Favourable Season: ", "Favourable Month: ",
                                  "Famous Persons of this Star Sign are: "};
    const QStringList values = {"Ann Lee", QLocale().toString(QDate(1970, 3, 5), QLocale::ShortFormat), "Dog",
                                QLocale().toString(QDate(1970, 2, 6), QLocale::ShortFormat) + QStringLiteral(" \u2013 ")
                                    + QLocale().toString(QDate(1971, 1, 26), QLocale::ShortFormat)
                                    + QStringLiteral(" (year begins at the Chinese New Year)"), metal,
                                "Venus", dog->positiveTraits, dog->negativeTraits, "Tiger, Horse", "Dragon",
                                "Pale Yellow", "Diamond", "Yang (Negative)", "Winter", "October", dog->famousPersons};
    QString expected;
    for (int i = 0; i < headings.size(); ++i)
        expected += headings[i] + values[i] + QStringLiteral("\n\n\n");
    const QString text = report->RTB->toPlainText();
    // The reading of the year as it always was, then what the day and time of birth add.
    QCOMPARE(text.left(expected.size()), expected);
    QVERIFY(text.mid(expected.size()).startsWith(QStringLiteral("Chinese Date of Birth: 28th day of the 1st month, Year of the Dog")));
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
    QCOMPARE(report->windowTitle(), QStringLiteral("Orvo Chinese Zodiac Software \u2014 Report"));
}

void TestChineseReport::leapDayWithFourDigitYear_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("birth");
    QTest::addColumn<QString>("span");
    QTest::newRow("de_DE, day first") << QLocale(QStringLiteral("de_DE")) << "29.02.1996" << "19.02.1996 \u2013 06.02.1997";
    QTest::newRow("en_US, month first") << QLocale(QStringLiteral("en_US")) << "2/29/1996" << "2/19/1996 \u2013 2/6/1997";
}

void TestChineseReport::leapDayWithFourDigitYear()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, birth);
    QFETCH(QString, span);
    QLocale::setDefault(locale);
    openReport(QStringLiteral("Ann"), 1, QDate(1996, 2, 29));
    QLocale::setDefault(QLocale::c());
    const QString text = report->RTB->toPlainText();
    QVERIFY(text.startsWith(QStringLiteral("Name: Ann\n\n\nDate of Birth: %1\n").arg(birth)));
    // The year's span, the years ahead and the lunar birthdays read as the birth date does.
    QVERIFY(text.contains(QStringLiteral("Year of the Fire Rat: %1 (year begins at the Chinese New Year)").arg(span)));
    QVERIFY2(!text.contains(QRegularExpression(QStringLiteral("\\d [A-Z][a-z]+ \\d{4}"))), qPrintable(text));
}

void TestChineseReport::closingReturnsToUnchangedResult()
{
    openReport(QStringLiteral("Ann"), 1, QDate(1996, 2, 29));
    auto *display = forms::get<frmChineseZodiacDisplay>();
    const QString famous = display->txtFamousPersons->toPlainText();

    // A second Print while the report is open composes nothing again.
    QTextCursor(report->RTB->document()).insertText(QStringLiteral("MARK"));
    display->mnuPrint->trigger();
    QVERIFY(report->RTB->toPlainText().startsWith(QLatin1String("MARKName: ")));

    report->close();
    QVERIFY(!forms::isLoaded<frmChineseZodiacSave>());
    display = forms::get<frmChineseZodiacDisplay>();
    QVERIFY(display->isShownInFrame());
    QCOMPARE(display->lblName->text(), QStringLiteral("Ms. Ann"));
    QCOMPARE(display->lblChineseSign->text(), QStringLiteral("Rat"));
    QCOMPARE(display->MV->selectedDate(), QDate(1996, 2, 29));
    QCOMPARE(display->txtFamousPersons->toPlainText(), famous);
    QVERIFY(!frame->isStartPanelVisible());
}

void TestChineseReport::saveThenOpenGivesSameReading_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("start");        // YearStart
    QTest::addColumn<QStringList>("lines");  // of the file
    QTest::addColumn<QString>("animal");
    QTest::addColumn<QString>("span");
    const QString name = QStringLiteral("Jos\u00E9 \u0141ukasz \u674E\u5C0F\u9F99");
    QTest::newRow("Chinese New Year: the five lines of every version")
        << QDate(1985, 2, 19) << int(YearStart::LunarNewYear)
        << QStringList{name, "Female", "19", "February", "1985"} << "Rat"
        << "Year of the Wood Rat: 2\u00A0February\u00A01984 \u2013 19\u00A0February\u00A01985";
    QTest::newRow("Start of Spring: a sixth line names it")
        << QDate(2024, 2, 5) << int(YearStart::StartOfSpring)
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
    openReport(name, 1, date, YearStart(start));
    const QString reportText = report->RTB->toPlainText();
    const QString fileName = dir.filePath(QStringLiteral("reading.str"));
    dialogs->fileAnswers = {fileName};
    report->cmdSave->click();
    QVERIFY(dialogs->messages.isEmpty());
    QCOMPARE(dialogs->fileRequests.size(), 1);
    const auto save = dialogs->fileRequests.first();
    QCOMPARE(save.title, QStringLiteral("Save Your Chinese Zodiac Result ...."));
    QCOMPARE(save.filter, QStringLiteral("Orvo Free Chinese Astrology (*.str)"));
    QCOMPARE(save.defaultSuffix, QStringLiteral("str"));
    QVERIFY(save.confirmOverwrite);

    // The time and place of birth follow as further lines.
    QFile saved(fileName);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(saved.readAll().startsWith(encoded(lines.mid(0, 5))));
    QCOMPARE(savedReading::readFile(fileName, 6)->value(5), lines.value(5, QStringLiteral("new-year")));
    // A reader of five lines gets the reading's five fields whether or not a sixth follows.
    QCOMPARE(*savedReading::readFile(fileName, 5), lines.mid(0, 5));

    // A fresh input form showing the other year start, then the record opened again.
    auto *input = openInput();
    QVERIFY(input->txtName->text().isEmpty());
    input->setYearStart(YearStart(1 - start));
    dialogs->fileAnswers = {fileName};
    input->cmdOpen->click();
    QVERIFY(dialogs->messages.isEmpty());
    const auto open = dialogs->fileRequests.last();
    QCOMPARE(open.title, QStringLiteral("Select the source file"));
    QCOMPARE(open.filter, QStringLiteral("Orvo Free Chinese Astrology (*.str)"));
    QVERIFY(open.mustExist);
    QCOMPARE(input->txtName->text(), name);
    QVERIFY(input->optSex[1]->isChecked());
    QCOMPARE(input->cboDate->currentText() + input->cboMonth->currentText() + input->cboYear->currentText(),
             lines[2] + lines[3] + lines[4]);
    QCOMPARE(input->yearStart(), YearStart(start));
    auto *display = forms::get<frmChineseZodiacDisplay>();
    QVERIFY(display->isShownInFrame());
    QVERIFY(!input->isShownInFrame());
    QVERIFY(!frame->isStartPanelVisible());
    QCOMPARE(display->lblName->text(), QStringLiteral("Ms. ") + name);
    QCOMPARE(display->lblChineseSign->text(), animal);
    QCOMPARE(display->lblChineseYear->text().replace(QLatin1Char('\n'), QLatin1Char(' ')), span);
    // The report of the opened reading is the report that was saved.
    display->cmdPrint->click();
    QCOMPARE(forms::get<frmChineseZodiacSave>()->RTB->toPlainText(), reportText);
}

void TestChineseReport::failedOrCancelledSave()
{
    openReport(QStringLiteral("Ann"), 0, QDate(1970, 3, 5));
    const QString fileName = dir.filePath(QStringLiteral("kept.str"));
    writeFile(fileName, QByteArray("earlier"));

    // Cancel: silent, nothing written.
    dialogs->fileAnswers = {QString()};
    report->cmdSave->click();
    QVERIFY(dialogs->messages.isEmpty());
    QCOMPARE(dialogs->fileRequests.size(), 1);

    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("folder.str")));
    dialogs->fileAnswers = {dir.filePath(QStringLiteral("folder.str"))};
    report->cmdSave->click();
    QCOMPARE(dialogs->messageTexts(), QStringList{QStringLiteral("The file could not be saved.")});
    QCOMPARE(dialogs->messages.last().icon, Icon::Error);

    QFile kept(fileName);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("earlier"));
}

void TestChineseReport::refusedFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("message");
    QTest::newRow("cancelled: silent") << "" << false;
    QTest::newRow("wrong extension") << "reading.txt" << true;
    QTest::newRow("upper-case STR") << "READING.STR" << true;
    QTest::newRow("file gone") << "missing.str" << true;
    QTest::newRow("a folder: unreadable") << "folder.str" << true;
    QTest::newRow("a FIFO: never opened") << "fifo.str" << true;
}

void TestChineseReport::refusedFiles()
{
    QFETCH(QString, file);
    QFETCH(bool, message);
    const QByteArray good = encoded({"Bo", "Male", "5", "March", "1970"});
    writeFile(dir.filePath(QStringLiteral("reading.txt")), good);
    writeFile(dir.filePath(QStringLiteral("READING.STR")), good);
    QDir(dir.path()).mkpath(QStringLiteral("folder.str"));
    QFile::remove(dir.filePath(QStringLiteral("fifo.str")));
    QCOMPARE(mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("fifo.str"))).constData(), 0600), 0);

    auto *input = openInput();
    input->txtName->setText(QStringLiteral("Keep"));
    input->cboMonth->setCurrentIndex(4);
    dialogs->fileAnswers = {file.isEmpty() ? QString() : dir.filePath(file)};
    input->cmdOpen->click();
    if (message) {
        QCOMPARE(dialogs->messageTexts(), QStringList{QStringLiteral("Please Check The File.")});
        QCOMPARE(dialogs->messages.first().icon, Icon::Error);
    } else {
        QVERIFY(dialogs->messages.isEmpty());
    }
    QCOMPARE(input->txtName->text(), QStringLiteral("Keep"));
    QVERIFY(!input->optSex[0]->isChecked() && !input->optSex[1]->isChecked());
    QCOMPARE(input->cboMonth->currentText(), QStringLiteral("May"));
    QVERIFY(!forms::isLoaded<frmChineseZodiacDisplay>());
    QVERIFY(input->isShownInFrame());
}

void TestChineseReport::fileContents_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("sex");       // -1: none chosen
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("outcome");   // the animal shown, or the message
    // A record whose lines fail the input form's checks is damaged: the entries stay as they were.
    const QString damaged = QStringLiteral("Please Check The File.");
    QTest::newRow("empty file: refused") << QByteArray() << "Keep" << -1 << "5May1950" << damaged;
    QTest::newRow("missing lines: name and sex only, refused")
        << encoded({"Bo", "Male"}) << "Keep" << -1 << "5May1950" << damaged;
    QTest::newRow("texts not in the lists: refused")
        << encoded({"Bo", "male", "32", "Smarch", "1899"}) << "Keep" << -1 << "5May1950" << damaged;
    QTest::newRow("year the lists lack: refused")
        << encoded({"Bo", "Male", "5", "March", "1899"}) << "Keep" << -1 << "5May1950" << damaged;
    QTest::newRow("saved day that the date check refuses")
        << encoded({"Di", "Female", "31", "June", "1970"}) << "Keep" << -1 << "5May1950" << damaged;
    const QStringList born2024 = {"Ann", "Female", "5", "February", "2024"};
    QTest::newRow("five lines: the Chinese New Year, whatever the form showed")
        << encoded(born2024) << "Ann" << 1 << "5February2024" << "Rabbit";
    QTest::newRow("sixth line spring") << encoded(born2024 + QStringList{"spring"}) << "Ann" << 1 << "5February2024"
                                       << "Dragon";
    QTest::newRow("sixth line of an unknown start: the Chinese New Year")
        << encoded(born2024 + QStringList{"equinox"}) << "Ann" << 1 << "5February2024" << "Rabbit";
    QTest::newRow("line feeds only") << QByteArray(EncodeLine("Cy") + "\n" + EncodeLine("Male") + "\n" + EncodeLine("7")
                                                   + "\n" + EncodeLine("February") + "\n" + EncodeLine("2008") + "\n")
                                     << "Cy" << 0 << "7February2008" << "Rat";
}

void TestChineseReport::fileContents()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, name);
    QFETCH(int, sex);
    QFETCH(QString, date);
    QFETCH(QString, outcome);
    const QString fileName = dir.filePath(QStringLiteral("contents.str"));
    writeFile(fileName, content);

    auto *input = openInput();
    input->setYearStart(YearStart::StartOfSpring);
    input->txtName->setText(QStringLiteral("Keep"));
    input->cboDate->setCurrentIndex(4);
    input->cboMonth->setCurrentIndex(4);
    input->cboYear->setCurrentText(QStringLiteral("1950"));
    dialogs->fileAnswers = {fileName};
    input->cmdOpen->click();

    QCOMPARE(input->txtName->text(), name);
    QCOMPARE(input->optSex[0]->isChecked(), sex == 0);
    QCOMPARE(input->optSex[1]->isChecked(), sex == 1);
    QCOMPARE(input->cboDate->currentText() + input->cboMonth->currentText() + input->cboYear->currentText(), date);
    QVERIFY(!frame->isStartPanelVisible());
    if (outcome.startsWith(QLatin1String("Please"))) {
        QCOMPARE(dialogs->messageTexts(), QStringList{outcome});
        QCOMPARE(dialogs->messages.first().icon, Icon::Error);
        QVERIFY(!forms::isLoaded<frmChineseZodiacDisplay>());
        QVERIFY(input->isShownInFrame());
        QCOMPARE(input->yearStart(), YearStart::StartOfSpring);
    } else {
        QVERIFY(dialogs->messages.isEmpty());
        QCOMPARE(forms::get<frmChineseZodiacDisplay>()->lblChineseSign->text(), outcome);
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
    const QString fileName = dir.filePath(QStringLiteral("binary.str"));
    writeFile(fileName, noise);

    auto *input = openInput();
    dialogs->fileAnswers = {fileName};
    QElapsedTimer timer;
    timer.start();
    input->cmdOpen->click();
    QVERIFY(timer.elapsed() < 5000);
    QVERIFY(input->txtName->text().size() <= 4096);
    QVERIFY(!input->txtName->text().contains(QLatin1Char('\n')));
    // Whatever the bytes gave, the usual Proceed ran: a message or a result.
    QVERIFY(!dialogs->messages.isEmpty() || forms::isLoaded<frmChineseZodiacDisplay>());
}

void TestChineseReport::printsWholeReportWithoutDialog()
{
    openReport(QStringLiteral("Ada"), 1, QDate(1970, 3, 5));
    // Part of the report selected: the whole report is printed all the same, on the default printer.
    QTextCursor selection(report->RTB->document());
    selection.setPosition(0);
    selection.setPosition(5, QTextCursor::KeepAnchor);
    report->RTB->setTextCursor(selection);
    dialogs->pdfOutput = dir.filePath(QStringLiteral("chinese.pdf"));
    report->cmdPrint->click();
    QVERIFY(dialogs->printDialogOffers.isEmpty());
    QVERIFY(!report->RTB->textCursor().hasSelection());
    // Line breaks fall elsewhere on paper (also after a hyphen): compare without blanks.
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const QString printed = pdfBodyText(dialogs->pdfOutput).normalized(QString::NormalizationForm_KC).remove(blanks);
    QCOMPARE(printed, report->RTB->toPlainText().remove(blanks));

    // No default printer: the print dialog opens instead (without a selection) and prints the whole report.
    QVERIFY(QFile::remove(dialogs->pdfOutput));
    dialogs->hasDefaultPrinter = false;
    report->RTB->setTextCursor(selection);
    report->cmdPrint->click();
    QCOMPARE(dialogs->printDialogOffers, QList<bool>{false});
    QCOMPARE(pdfBodyText(dialogs->pdfOutput).normalized(QString::NormalizationForm_KC).remove(blanks), printed);

    // Cancelled: nothing is printed and nothing is said.
    dialogs->pdfOutput.clear();
    report->cmdPrint->click();
    QCOMPARE(dialogs->printDialogOffers.size(), 2);
    QVERIFY(dialogs->messages.isEmpty());
}

QTEST_MAIN(TestChineseReport)
#include "test_chinese_report.moc"
