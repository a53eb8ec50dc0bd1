#include "app/frmMDI.h"
#include "chinese/calendar/chinese_calendar.h"
#include "chinese/calendar/year_start.h"
#include "common/input_problem.h"
#include "forms/form_registry.h"
#include "overview/frmAllFourSignsMain.h"
#include "overview/frmTwoPeopleDisplay.h"
#include "overview/frmTwoPeopleMain.h"
#include "overview/frmTwoPeopleSave.h"
#include "ui/support.h"
#include "widgets/protected_text_edit.h"

#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using Icon = DialogService::Icon;

Q_DECLARE_METATYPE(BirthEntry)

namespace {

BirthEntry entryOf(const QDate &date)
{
    return {date.day(), date.month(), date.year()};
}

} // namespace

class TestTwoPeopleForms : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void choiceOpensAnEmptyInput_data();
    void choiceOpensAnEmptyInput();
    void resultAndReportShowTheMatch_data();
    void resultAndReportShowTheMatch();
    void badEntryNamesThePerson_data();
    void badEntryNamesThePerson();
    void backExitAndAnotherChoice();

private:
    frmTwoPeopleMain *enter(const QString &first, const BirthEntry &firstDate, const QString &second,
                            const BirthEntry &secondDate);

    std::unique_ptr<frmMDI> frame;
    std::unique_ptr<ScriptedDialogs> dialogs;
};

void TestTwoPeopleForms::initTestCase()
{
    QVERIFY(useOwnSettings());   // the tests choose the Chinese year start
}

void TestTwoPeopleForms::init()
{
    installTestFonts();
    chinese::setPreferredYearStart(chinese::YearStart::LunarNewYear);
    dialogs = std::make_unique<ScriptedDialogs>();
    frame = std::make_unique<frmMDI>();
    frame->show();
}

void TestTwoPeopleForms::cleanup()
{
    frame->close();
    frame.reset();
    dialogs.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

frmTwoPeopleMain *TestTwoPeopleForms::enter(const QString &first, const BirthEntry &firstDate, const QString &second,
                                            const BirthEntry &secondDate)
{
    frame->cmdSelectOption[5]->click();
    auto *input = forms::get<frmTwoPeopleMain>();
    const QString names[] = {first, second};
    const BirthEntry dates[] = {firstDate, secondDate};
    for (int person = 0; person < 2; ++person) {
        input->txtName[person]->setText(names[person]);
        input->cboDate[person]->setCurrentIndex(dates[person].day - 1);
        input->cboMonth[person]->setCurrentIndex(dates[person].month - 1);
        input->cboYear[person]->setCurrentText(QString::number(dates[person].year));
    }
    return input;
}

void TestTwoPeopleForms::choiceOpensAnEmptyInput_data()
{
    QTest::addColumn<QString>("route");
    QTest::newRow("button") << QStringLiteral("button");
    QTest::newRow("start panel label") << QStringLiteral("label");
    QTest::newRow("File menu") << QStringLiteral("menu");
}

void TestTwoPeopleForms::choiceOpensAnEmptyInput()
{
    QFETCH(QString, route);
    QCOMPARE(frame->cmdSelectOption[5]->text(), QStringLiteral("Two People"));
    QVERIFY(!frame->findChild<QLabel *>(QStringLiteral("imgSystem_5"))->pixmap().isNull());
    QVERIFY(frame->picButtonContainer->rect().contains(frame->cmdSelectOption[5]->geometry()));
    QVERIFY(frame->lblCaption[8]->y() > frame->lblCaption[7]->y());

    // Another choice's windows close first.
    frame->cmdSelectOption[4]->click();
    QVERIFY(forms::isLoaded<frmAllFourSignsMain>());
    if (route == QLatin1String("button")) {
        frame->cmdSelectOption[5]->click();
    } else if (route == QLatin1String("label")) {
        frame->setStartPanelVisible(true);   // the panel lies over the open windows only in tests
        QTest::mouseClick(frame->lblCaption[8], Qt::LeftButton);
    } else {
        frame->mnuTwoPeople->trigger();
    }
    QCOMPARE(forms::loadedForms().size(), 1);
    auto *input = forms::get<frmTwoPeopleMain>();
    QVERIFY(input->isShownInFrame());
    QVERIFY(!frame->isStartPanelVisible());
    QVERIFY(input->txtName[0]->text().isEmpty());
    QCOMPARE(input->cboYear[1]->itemText(0), QStringLiteral("1900"));
    QCOMPARE(input->cboYear[1]->itemText(input->cboYear[1]->count() - 1), QStringLiteral("2100"));
    const int W = frame->mdiArea->viewport()->width();   // the frame's window area, not the screen
    QCOMPARE(input->parentWidget()->pos(), QPoint((W - input->parentWidget()->width()) / 2, 0));

    input->close();
    QVERIFY(!forms::isLoaded<frmTwoPeopleMain>());
    QVERIFY(frame->isStartPanelVisible());
}

void TestTwoPeopleForms::resultAndReportShowTheMatch_data()
{
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("second");
    QTest::addColumn<chinese::YearStart>("start");
    QTest::addColumn<QStringList>("signs");
    QTest::addColumn<QStringList>("relations");
    QTest::addColumn<QString>("elements");
    QTest::addColumn<QString>("verdict");
    const auto lunar = chinese::YearStart::LunarNewYear;
    QTest::newRow("Snake 1989 and Monkey 1992")
        << QDate(1989, 5, 12) << QDate(1992, 8, 1) << lunar << QStringList{"Earth Snake", "Water Monkey"}
        << QStringList{"Six Harmony (六合)", "Punishment (相刑)", "Break (相破)"} << "Earth Controls Water (土克水)"
        << "On balance favourable";
    // 5 February 2024 lies after the start of spring and before the new year.
    QTest::newRow("Rabbit by the new year clashes with the Rooster")
        << QDate(2024, 2, 5) << QDate(1993, 6, 1) << lunar << QStringList{"Water Rabbit", "Water Rooster"}
        << QStringList{"Clash (六冲)"} << "Same Element (比和)" << "Unfavourable";
    QTest::newRow("Dragon by the spring is in harmony with the Rooster")
        << QDate(2024, 2, 5) << QDate(1993, 6, 1) << chinese::YearStart::StartOfSpring
        << QStringList{"Wood Dragon", "Water Rooster"} << QStringList{"Six Harmony (六合)"}
        << "Water Generates Wood (水生木)" << "Favourable";
    QTest::newRow("Rat and Tiger: no relation")
        << QDate(1984, 6, 1) << QDate(1986, 6, 1) << lunar << QStringList{"Wood Rat", "Fire Tiger"}
        << QStringList{"No Relation"} << "Wood Generates Fire (木生火)" << "Neutral";
}

void TestTwoPeopleForms::resultAndReportShowTheMatch()
{
    QFETCH(QDate, first);
    QFETCH(QDate, second);
    QFETCH(chinese::YearStart, start);
    QFETCH(QStringList, signs);
    QFETCH(QStringList, relations);
    QFETCH(QString, elements);
    QFETCH(QString, verdict);
    chinese::setPreferredYearStart(start);
    frmTwoPeopleMain *input = enter(QStringLiteral("Ann & Co"), entryOf(first), QStringLiteral("Ben"), entryOf(second));
    input->cmdFind->click();
    QVERIFY2(dialogs->messages.isEmpty(), qPrintable(dialogs->messageTexts().join(u'|')));
    QVERIFY(forms::isLoaded<frmTwoPeopleDisplay>());
    auto *display = forms::get<frmTwoPeopleDisplay>();
    QVERIFY(display->isShownInFrame());
    QVERIFY(!input->isVisible());
    QVERIFY(!frame->isStartPanelVisible());

    QCOMPARE(display->lblHeading->text(), QStringLiteral("Ann & Co and Ben"));
    QCOMPARE(display->fraPerson[0]->title(), QStringLiteral("Ann && Co"));   // "&" shown, not a mnemonic
    for (int person = 0; person < 2; ++person) {
        QCOMPARE(display->lblSign[person]->text(), signs[person]);
        const QString animal = signs[person].section(u' ', 1);
        QCOMPARE(display->imgAnimal[person]->pixmap().toImage().convertToFormat(QImage::Format_RGB32),
                 QImage(chinese::picturePath(animal)).convertToFormat(QImage::Format_RGB32));
        QCOMPARE(display->imgElement[person]->text().size(), 1);
    }
    QStringList shown;
    for (const QLabel *title : display->lblRelation)
        shown << title->text();
    QCOMPARE(shown, relations);
    QCOMPARE(display->lblElementRelation->text(), elements);
    QVERIFY2(display->lblSummary->text().startsWith(verdict + u':'), qPrintable(display->lblSummary->text()));

    // Nothing is clipped: every text label has the height its wrapped text needs, inside the window.
    QTRY_VERIFY(display->isVisible());
    for (QLabel *label : display->findChildren<QLabel *>()) {
        if (!label->wordWrap() || label->text().isEmpty())
            continue;
        QVERIFY2(label->height() >= label->heightForWidth(label->width()), qPrintable(label->objectName()));
        QVERIFY2(display->rect().contains(QRect(label->mapTo(display, QPoint(0, 0)), label->size())),
                 qPrintable(label->objectName()));
    }

    // The report says all of it, also in the PDF it saves.
    display->cmdPrint->click();
    QVERIFY(forms::isLoaded<frmTwoPeopleSave>());
    auto *report = forms::get<frmTwoPeopleSave>();
    QVERIFY(report->isShownInFrame());
    QVERIFY(!report->cmdSave->isVisibleTo(report));
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("pair.pdf"));
    dialogs->fileAnswers = QStringList{pdf};
    report->cmdSavePdf_Click();
    QCOMPARE(dialogs->fileRequests.last().fileName, QStringLiteral("Ann & Co and Ben - Two People.pdf"));
    // Compatibility forms undo the ligatures ("ﬂ") that the PDF text holds.
    const QString pdfWords = pdfText(pdf).normalized(QString::NormalizationForm_KC).simplified();
    QStringList expected = signs + relations;
    expected << elements << display->lblSummary->text();
    for (const QLabel *explanation : display->lblExplanation)
        expected << explanation->text();
    for (const QString &text : std::as_const(expected)) {
        QVERIFY2(report->RTB->toPlainText().contains(text), qPrintable(text));
        QVERIFY2(pdfWords.contains(text), qPrintable(text));
    }

    // Closing the report brings the result back.
    report->close();
    QVERIFY(!forms::isLoaded<frmTwoPeopleSave>());
    QVERIFY(display->isShownInFrame());
}

void TestTwoPeopleForms::badEntryNamesThePerson_data()
{
    QTest::addColumn<QString>("firstName");
    QTest::addColumn<BirthEntry>("firstDate");
    QTest::addColumn<QString>("secondName");
    QTest::addColumn<BirthEntry>("secondDate");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("focus");
    const BirthEntry fine{12, 5, 1990};
    const int error = int(Icon::Error);
    const int information = int(Icon::Information);
    QTest::newRow("first name missing") << "" << fine << "Ben" << fine
        << "First Person: Please Enter Your Name" << error << "txtName_0";
    QTest::newRow("second name of blanks") << "Ann" << fine << "   " << fine
        << "Second Person: Please Enter Your Name" << error << "txtName_1";
    QTest::newRow("first person's 31 April") << "Ann" << BirthEntry{31, 4, 1990} << "Ben" << fine
        << "First Person: Please Enter Correct Date Or Month !" << information << "cboDate_0";
    QTest::newRow("second person's 29 February 1900") << "Ann" << fine << "Ben" << BirthEntry{29, 2, 1900}
        << "Second Person: Please Enter Correct Date Or Month!" << information << "cboDate_1";
    QTest::newRow("first person's date before the second name") << "Ann" << BirthEntry{29, 2, 2001} << "" << fine
        << "First Person: Please Enter Correct Date Or Month!" << information << "cboDate_0";
}

void TestTwoPeopleForms::badEntryNamesThePerson()
{
    QFETCH(QString, firstName);
    QFETCH(BirthEntry, firstDate);
    QFETCH(QString, secondName);
    QFETCH(BirthEntry, secondDate);
    QFETCH(QString, message);
    QFETCH(int, icon);
    QFETCH(QString, focus);
    frmTwoPeopleMain *input = enter(firstName, firstDate, secondName, secondDate);
    input->cmdFind->click();
    QCOMPARE(dialogs->messageTexts(), QStringList{message});
    QCOMPARE(int(dialogs->messages.first().icon), icon);
    QCOMPARE(input->focusWidget()->objectName(), focus);
    QVERIFY(!forms::isLoaded<frmTwoPeopleDisplay>());
    QVERIFY(input->isShownInFrame());
    QCOMPARE(input->txtName[1]->text(), secondName);
}

void TestTwoPeopleForms::backExitAndAnotherChoice()
{
    frmTwoPeopleMain *input = enter(QStringLiteral("Ann"), {12, 5, 1989}, QStringLiteral("Ben"), {1, 8, 1992});
    input->cmdFind->click();
    forms::get<frmTwoPeopleDisplay>()->cmdBack->click();
    QVERIFY(!forms::isLoaded<frmTwoPeopleDisplay>());
    QVERIFY(input->isShownInFrame());
    QVERIFY(!frame->isStartPanelVisible());
    QCOMPARE(input->txtName[1]->text(), QStringLiteral("Ben"));
    QCOMPARE(input->cboMonth[0]->currentText(), QStringLiteral("May"));

    input->cmdFind->click();
    forms::get<frmTwoPeopleDisplay>()->cmdExit->click();
    QVERIFY(forms::loadedForms().isEmpty());
    QVERIFY(frame->isStartPanelVisible());

    // Another choice with the report open closes all three windows.
    input = enter(QStringLiteral("Ann"), {12, 5, 1989}, QStringLiteral("Ben"), {1, 8, 1992});
    input->cmdFind->click();
    forms::get<frmTwoPeopleDisplay>()->cmdPrint->click();
    QVERIFY(forms::isLoaded<frmTwoPeopleSave>());
    frame->cmdSelectOption_Click(4);
    QCOMPARE(forms::loadedForms().size(), 1);
    QVERIFY(forms::isLoaded<frmAllFourSignsMain>());
}

QTEST_MAIN(TestTwoPeopleForms)
#include "test_two_people_forms.moc"
