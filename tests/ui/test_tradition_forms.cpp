#include "chinese/calendar/tradition.h"
#include "chinese/calendar/year_start.h"
#include "common/input_problem.h"
#include "forms/orvo_form.h"
#include "overview/frmAllFourSignsDisplay.h"
#include "ui/frame_fixture.h"
#include "ui/support.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>

using System = systems::System;
using F = FrameFixture;

// The tradition chosen on one window counts the years on the others, and is kept for the next run.
class TestTraditionForms : public FrameTestCase
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void chosenOnceShownEverywhere_data();
    void chosenOnceShownEverywhere();

private:
    // Saves the window's picture where ORVO_SCREENSHOTS names a folder.
    static void shoot(QWidget *window, const QString &name);
};

void TestTraditionForms::initTestCase()
{
    QVERIFY(useOwnSettings());
}

void TestTraditionForms::init()
{
    chinese::setPreferredYearStart(chinese::YearStart::LunarNewYear);
    chinese::setPreferredTradition(chinese::Tradition::China);
    FrameTestCase::init();
}

void TestTraditionForms::shoot(QWidget *window, const QString &name)
{
    const QString folder = qEnvironmentVariable("ORVO_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    // A laptop's screen, the form filling the frame, as a user would look at it.
    window->resize(1366, 768);
    for (auto *child : window->findChildren<QMdiSubWindow *>()) {
        if (child->isVisible())
            child->showMaximized();
    }
    QCoreApplication::processEvents();
    QVERIFY(window->grab().save(QStringLiteral("%1/%2-%3.png").arg(folder, name, QString::fromLatin1(QTest::currentDataTag()))));
}

void TestTraditionForms::chosenOnceShownEverywhere_data()
{
    QTest::addColumn<int>("downPresses");   // on the list, from China
    QTest::addColumn<QString>("sign");      // the Chinese result for 25 January 1985
    QTest::addColumn<QString>("yearStart");
    QTest::addColumn<QString>("tile");
    QTest::addColumn<QString>("pair");      // Two People, the first of 25 January 1985 and 1 June 1987
    QTest::addColumn<QString>("noCalendar");   // why Add to Calendar is unavailable
    QTest::newRow("vietnam") << 1 << "Water Buffalo (Sửu)" << "(year begins at Tết)" << "Wood Buffalo (Sửu)"
                             << "Wood Buffalo (Sửu)" << QString();
    QTest::newRow("japan") << 3 << "Ox (丑 うし)" << "(year begins on 1 January)" << "Wood Ox (丑 うし)" << "Wood Ox (丑 うし)"
                           << chinese::noLunarDatesText();
}

void TestTraditionForms::chosenOnceShownEverywhere()
{
    QFETCH(int, downPresses);
    OrvoForm *input = ui->open(System::Chinese);
    QVERIFY(input);
    auto *list = F::control<QComboBox>(input, "cboTradition");
    QCOMPARE(list->currentText(), "China");
    list->setFocus();
    for (int press = 0; press < downPresses; ++press)
        QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(chinese::traditionKey(chinese::preferredTradition()), QString::fromLatin1(QTest::currentDataTag()));
    shoot(input->window(), "chinese-input");

    QVERIFY(ui->fill(System::Chinese, {"Lan", "Female", 25, 1, 1985}));
    OrvoForm *display = ui->find(System::Chinese);
    QVERIFY(display);
    QVERIFY(dialogs()->messages.isEmpty());
    QTEST(F::text(display, "lblChineseSign"), "sign");
    QTEST(F::text(display, "lblYearStart"), "yearStart");
    // The famous people's box shows every name (the Buffalo's list ends with Ronaldo).
    QCoreApplication::processEvents();
    const auto *famous = F::control<QTextEdit>(display, "txtFamousPersons");
    QVERIFY(famous->document()->size().height() <= famous->viewport()->height());
    // Japan keeps no lunar birthdays: Add to Calendar is unavailable and says why.
    const auto *calendar = F::control<QPushButton>(display, "cmdCalendar");
    QTEST(calendar->toolTip(), "noCalendar");
    QCOMPARE(calendar->isEnabled(), calendar->toolTip().isEmpty());
    shoot(display->window(), "chinese-result");

    OrvoForm *overview = ui->reading(System::AllFourSigns, {"Lan", "Female", 25, 1, 1985});
    QVERIFY(overview);
    QTEST(F::text(overview, QStringLiteral("lblSign_%1").arg(frmAllFourSignsDisplay::Chinese)), "tile");
    QCOMPARE(F::control<QComboBox>(overview, "cboTradition")->currentIndex(), downPresses);
    shoot(overview->window(), "all-four-signs");

    OrvoForm *pair = ui->open(System::TwoPeople);
    QVERIFY(pair);
    QCOMPARE(F::control<QComboBox>(pair, "cboTradition")->currentIndex(), downPresses);
    const BirthEntry dates[] = {{25, 1, 1985}, {1, 6, 1987}};
    for (int person = 0; person < 2; ++person) {
        const auto box = [pair, person](const char *name) {
            return F::control<QComboBox>(pair, QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(person));
        };
        F::control<QLineEdit>(pair, QStringLiteral("txtName_%1").arg(person))->setText(person == 0 ? "Lan" : "Minh");
        box("cboDate")->setCurrentIndex(dates[person].day - 1);
        box("cboMonth")->setCurrentIndex(dates[person].month - 1);
        box("cboYear")->setCurrentText(QString::number(dates[person].year));
    }
    shoot(pair->window(), "two-people-input");
    QVERIFY(F::click(pair, "cmdFind"));
    OrvoForm *match = ui->find(System::TwoPeople);
    QVERIFY(match);
    QTEST(F::text(match, "lblSign_0"), "pair");
    shoot(match->window(), "two-people-result");
}

QTEST_MAIN(TestTraditionForms)
#include "test_tradition_forms.moc"
