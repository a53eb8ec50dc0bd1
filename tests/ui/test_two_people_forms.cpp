#include "app/frmMDI.h"
#include "chinese/calendar/chinese_calendar.h"
#include "chinese/calendar/year_start.h"
#include "common/input_problem.h"
#include "forms/orvo_form.h"
#include "ui/frame_fixture.h"
#include "ui/support.h"

#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using Icon = DialogService::Icon;
using System = systems::System;
using F = FrameFixture;

Q_DECLARE_METATYPE(BirthEntry)

namespace {

constexpr System TwoPeople = System::TwoPeople;
const QString inputName = "frmTwoPeopleMain";

BirthEntry entryOf(const QDate &date)
{
    return {date.day(), date.month(), date.year()};
}

// The texts of the labels prefix_0, prefix_1, ... in the window, in that order.
QStringList numberedTexts(const QWidget *window, const QString &prefix)
{
    QStringList texts;
    while (const auto *label = window->findChild<QLabel *>(prefix + QString::number(texts.size())))
        texts << label->text();
    return texts;
}

} // namespace

class TestTwoPeopleForms : public FrameTestCase
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void choiceOpensAnEmptyInput_data();
    void choiceOpensAnEmptyInput();
    void resultAndReportShowTheMatch_data();
    void resultAndReportShowTheMatch();
    void badEntryNamesThePerson_data();
    void badEntryNamesThePerson();
    void backExitAndAnotherChoice();

private:
    // Chooses Two People afresh and enters both persons; the input form, or nullptr.
    OrvoForm *enter(const QString &first, const BirthEntry &firstDate, const QString &second, const BirthEntry &secondDate);
};

void TestTwoPeopleForms::initTestCase()
{
    QVERIFY(useOwnSettings());   // the tests choose the Chinese year start
}

void TestTwoPeopleForms::init()
{
    chinese::setPreferredYearStart(chinese::YearStart::LunarNewYear);
    FrameTestCase::init();
}

OrvoForm *TestTwoPeopleForms::enter(const QString &first, const BirthEntry &firstDate, const QString &second,
                                    const BirthEntry &secondDate)
{
    OrvoForm *input = ui->open(TwoPeople);
    if (!input)
        return nullptr;
    const QString names[] = {first, second};
    const BirthEntry dates[] = {firstDate, secondDate};
    for (int person = 0; person < 2; ++person) {
        const auto list = [input, person](const char *name) {
            return F::control<QComboBox>(input, QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(person));
        };
        F::control<QLineEdit>(input, QStringLiteral("txtName_%1").arg(person))->setText(names[person]);
        list("cboDate")->setCurrentIndex(dates[person].day - 1);
        list("cboMonth")->setCurrentIndex(dates[person].month - 1);
        list("cboYear")->setCurrentText(QString::number(dates[person].year));
    }
    return input;
}

void TestTwoPeopleForms::choiceOpensAnEmptyInput_data()
{
    QTest::addColumn<QString>("route");
    QTest::newRow("button, over the overview") << "button";
    QTest::newRow("File menu, over the overview") << "menu";
    QTest::newRow("start panel label") << "label";
}

void TestTwoPeopleForms::choiceOpensAnEmptyInput()
{
    QFETCH(QString, route);
    const QWidget *frame = ui->frame();
    const auto place = [frame](const char *name) { return F::control<QWidget>(frame, QLatin1String(name))->geometry(); };
    QCOMPARE(F::text(frame, "cmdSelectOption_5"), "Two People");
    QVERIFY(!F::control<QLabel>(frame, "imgSystem_5")->pixmap().isNull());
    QVERIFY(F::control<QWidget>(frame, "Picture1")->rect().contains(place("cmdSelectOption_5")));
    QVERIFY(place("lblCaption_8").y() > place("lblCaption_7").y());

    if (route == QLatin1String("label")) {
        QVERIFY(ui->startPanelShown());
        QTest::mouseClick(F::control<QLabel>(frame, "lblCaption_8"), Qt::LeftButton);
    } else {
        // Another choice's windows close first.
        QVERIFY(ui->open(System::AllFourSigns));
        if (route == QLatin1String("button"))
            QVERIFY(F::click(frame, "cmdSelectOption_5"));
        else
            QVERIFY(F::trigger(frame, "mnuTwoPeople"));
    }
    QCOMPARE(ui->shownWindows(), QStringList{inputName});
    OrvoForm *input = F::inputForm(TwoPeople);
    QVERIFY(!ui->startPanelShown());
    QVERIFY(F::text(input, "txtName_0").isEmpty());
    // No date is chosen before the user chooses one.
    for (const char *list : {"cboDate_0", "cboMonth_0", "cboYear_0", "cboDate_1", "cboMonth_1", "cboYear_1"})
        QVERIFY2(F::text(input, QLatin1String(list)).isEmpty(), list);
    const auto *year = F::control<QComboBox>(input, "cboYear_1");
    QCOMPARE(year->itemText(0), "1900");
    QCOMPARE(year->itemText(year->count() - 1), "2100");
    const int W = F::control<QMdiArea>(frame, "mdiArea")->viewport()->width();   // the frame's window area
    QCOMPARE(input->parentWidget()->pos(), QPoint((W - input->parentWidget()->width()) / 2, 0));

    F::closeWindow(input);
    QCOMPARE(ui->shownWindows(), QStringList());
    QVERIFY(ui->startPanelShown());
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
    QVERIFY(enter("Ann & Co", entryOf(first), "Ben", entryOf(second)));
    OrvoForm *display = ui->find(TwoPeople);
    QVERIFY2(dialogs()->messages.isEmpty(), qPrintable(dialogs()->messageTexts().join(u'|')));
    QVERIFY(display);
    QCOMPARE(ui->shownWindows(), QStringList{"frmTwoPeopleDisplay"});
    QVERIFY(!ui->startPanelShown());

    QCOMPARE(F::text(display, "lblHeading"), "Ann & Co and Ben");
    QCOMPARE(F::text(display, "fraPerson_0"), "Ann && Co");   // "&" shown, not a mnemonic
    for (int person = 0; person < 2; ++person) {
        QCOMPARE(F::text(display, QStringLiteral("lblSign_%1").arg(person)), signs[person]);
        const QString animal = signs[person].section(u' ', 1);
        const QPixmap picture = F::control<QLabel>(display, QStringLiteral("imgAnimal_%1").arg(person))->pixmap();
        QCOMPARE(picture.toImage().convertToFormat(QImage::Format_RGB32),
                 QImage(chinese::picturePath(animal)).convertToFormat(QImage::Format_RGB32));
        QCOMPARE(F::text(display, QStringLiteral("imgElement_%1").arg(person)).size(), 1);
    }
    QCOMPARE(numberedTexts(display, "lblRelation_"), relations);
    QCOMPARE(F::text(display, "lblElementRelation"), elements);
    const QString summary = F::text(display, "lblSummary");
    QVERIFY2(summary.startsWith(verdict + u':'), qPrintable(summary));

    // Nothing is clipped: every text label has the height its wrapped text needs, inside what
    // the window shows or scrolls to.
    QTRY_VERIFY(display->isVisible());
    const QWidget *body = F::control<QWidget>(display, "body");
    for (QLabel *label : display->findChildren<QLabel *>()) {
        if (!label->wordWrap() || label->text().isEmpty() || !label->isVisible())
            continue;
        QVERIFY2(label->height() >= label->heightForWidth(label->width()), qPrintable(label->objectName()));
        const QWidget *room = body->isAncestorOf(label) ? body : static_cast<const QWidget *>(display);
        QVERIFY2(room->rect().contains(QRect(label->mapTo(room, QPoint(0, 0)), label->size())),
                 qPrintable(label->objectName()));
    }

    // The report says all of it, also in the PDF it saves.
    OrvoForm *report = ui->report(TwoPeople);
    QVERIFY(report);
    QVERIFY(!F::control<QPushButton>(report, "cmdSave")->isVisibleTo(report));
    QTemporaryDir folder;
    const QString pdf = folder.filePath("pair.pdf");
    dialogs()->fileAnswers = QStringList{pdf};
    QVERIFY(F::click(report, "cmdSavePdf"));
    QCOMPARE(dialogs()->fileRequests.last().fileName, "Ann & Co and Ben - Two People.pdf");
    // Compatibility forms undo the ligatures ("ﬂ") that the PDF text holds.
    const QString pdfWords = pdfText(pdf).normalized(QString::NormalizationForm_KC).simplified();
    const QString reportText = F::text(report, "RTB");
    const QStringList expected = signs + relations + QStringList{elements, summary}
                                 + numberedTexts(display, "lblExplanation_");
    for (const QString &text : expected) {
        QVERIFY2(reportText.contains(text), qPrintable(text));
        QVERIFY2(pdfWords.contains(text), qPrintable(text));
    }

    // Closing the report brings the result back.
    F::closeWindow(report);
    QCOMPARE(ui->shownWindows(), QStringList{"frmTwoPeopleDisplay"});
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
    QTest::newRow("second person's month left blank") << "Ann" << fine << "Ben" << BirthEntry{12, 0, 1990}
        << "Second Person: Please Enter Correct Date Or Month !" << information << "cboMonth_1";
    QTest::newRow("first person's year left blank") << "Ann" << BirthEntry{12, 5, 0} << "Ben" << fine
        << "First Person: Please Enter Correct Date Or Month !" << information << "cboYear_0";
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
    const OrvoForm *input = enter(firstName, firstDate, secondName, secondDate);
    QVERIFY(input);
    QVERIFY(!ui->find(TwoPeople));
    QCOMPARE(dialogs()->messageTexts(), QStringList{message});
    QCOMPARE(int(dialogs()->messages.first().icon), icon);
    QCOMPARE(input->focusWidget()->objectName(), focus);
    QCOMPARE(ui->shownWindows(), QStringList{inputName});
    QCOMPARE(F::text(input, "txtName_1"), secondName);
}

void TestTwoPeopleForms::backExitAndAnotherChoice()
{
    const OrvoForm *input = enter("Ann", {12, 5, 1989}, "Ben", {1, 8, 1992});
    QVERIFY(input);
    QVERIFY(F::click(ui->find(TwoPeople), "cmdBack"));
    QCOMPARE(ui->shownWindows(), QStringList{inputName});
    QVERIFY(!ui->startPanelShown());
    QCOMPARE(F::text(input, "txtName_1"), "Ben");
    QCOMPARE(F::text(input, "cboMonth_0"), "May");

    QVERIFY(F::click(ui->find(TwoPeople), "cmdExit"));
    QCOMPARE(ui->shownWindows(), QStringList());
    QVERIFY(ui->startPanelShown());

    // Another choice with the report open closes all three windows.
    QVERIFY(enter("Ann", {12, 5, 1989}, "Ben", {1, 8, 1992}));
    QVERIFY(ui->find(TwoPeople));
    QVERIFY(ui->report(TwoPeople));
    QVERIFY(ui->open(System::AllFourSigns));
    QCOMPARE(ui->shownWindows(), QStringList{"frmAllFourSignsMain"});
}

QTEST_MAIN(TestTwoPeopleForms)
#include "test_two_people_forms.moc"
