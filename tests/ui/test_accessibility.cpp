#include "app/frmMDI.h"
#include "forms/accessibility.h"
#include "forms/orvo_form.h"
#include "ui/frame_fixture.h"
#include "ui/support.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QCalendarWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextEdit>
#include <QtTest>

using System = systems::System;
using F = FrameFixture;

namespace {

// What a screen reader announces for widget: Qt's accessible name (set, or taken from the
// button's text or the buddy label).
QString announcedName(QWidget *widget)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name).trimmed() : widget->accessibleName();
}

bool isInsideCompositeControl(const QWidget *widget, const QWidget *top)
{
    for (const QWidget *up = widget->parentWidget(); up && up != top; up = up->parentWidget()) {
        if (qobject_cast<const QComboBox *>(up) || qobject_cast<const QCalendarWidget *>(up)
            || qobject_cast<const QAbstractSpinBox *>(up))
            return true;
    }
    return false;
}

// Every control a user types into, picks from or presses, that a screen reader cannot name.
QStringList unnamedControls(QWidget *top)
{
    QStringList unnamed;
    for (QWidget *widget : top->findChildren<QWidget *>()) {
        if (widget->objectName().startsWith(QLatin1String("qt_")) || isInsideCompositeControl(widget, top))
            continue;
        const bool input = qobject_cast<QLineEdit *>(widget) || qobject_cast<QComboBox *>(widget)
                           || qobject_cast<QTextEdit *>(widget) || qobject_cast<QPlainTextEdit *>(widget)
                           || qobject_cast<QCalendarWidget *>(widget) || qobject_cast<QAbstractSpinBox *>(widget)
                           || qobject_cast<QAbstractButton *>(widget);
        if (input && announcedName(widget).isEmpty())
            unnamed.append(top->objectName() + QLatin1Char('/') + widget->metaObject()->className()
                           + QLatin1Char(' ') + widget->objectName());
    }
    return unnamed;
}

} // namespace

class TestAccessibility : public FrameTestCase
{
    Q_OBJECT
private Q_SLOTS:
    void everyControlOfEverySystemIsNamed_data();
    void everyControlOfEverySystemIsNamed();
    void captionsBecomeNames_data();
    void captionsBecomeNames();
    void birthDateListsSayWhatTheyHold_data();
    void birthDateListsSayWhatTheyHold();
    void enterInADateListFinds();
};

void TestAccessibility::everyControlOfEverySystemIsNamed_data()
{
    QTest::addColumn<System>("system");
    QTest::addColumn<QString>("sign");   // the control the result form opens on
    QTest::newRow("Celtic") << System::Celtic << "lblCelticBirthAnimalSign";
    QTest::newRow("Chinese") << System::Chinese << "lblChineseSign";
    QTest::newRow("Mayan") << System::Mayan << "lblResult_0";
    QTest::newRow("Australian") << System::Australian << "lblResult_0";
}

// The input, result and report window of each system, the overview and Two People having
// tests of their own.
void TestAccessibility::everyControlOfEverySystemIsNamed()
{
    QFETCH(System, system);
    QFETCH(QString, sign);
    const bool chinese = system == System::Chinese;
    QVERIFY(ui->reading(system, {"Ann Lee", chinese ? "Female" : QString(), 0, 0, chinese ? 1970 : 0}));
    QVERIFY(ui->report(system));
    QVERIFY2(ui->dialogs()->messages.isEmpty(), qPrintable(ui->dialogs()->messageTexts().join(u'|')));
    QStringList unnamed = unnamedControls(ui->frame());
    for (OrvoForm *form : {F::inputForm(system), F::resultForm(system), F::reportForm(system)}) {
        QVERIFY(form);
        unnamed += unnamedControls(form);
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1String(", "))));

    // The result opens on its sign, so a screen reader says it at once; Tab reaches every value.
    const OrvoForm *result = F::resultForm(system);
    QCOMPARE(result->focusWidget() ? result->focusWidget()->objectName() : QString(), sign);
    for (const QLabel *caption : result->findChildren<QLabel *>()) {
        if (caption->buddy())
            QVERIFY2(caption->buddy()->focusPolicy() & Qt::TabFocus, qPrintable(caption->buddy()->objectName()));
    }
}

void TestAccessibility::captionsBecomeNames_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("expected");
    QTest::newRow("a caption left on the same row names nothing without its buddy") << "left" << "Sign Details";
    QTest::newRow("a caption above names nothing without its buddy") << "above" << "Sign Details";
    QTest::newRow("buddy wins over a nearer caption") << "buddy" << "Gem Stone";
    QTest::newRow("frame title when no caption is near") << "far" << "Sign Details";
    QTest::newRow("caption of another column is not taken") << "other column" << "Sign Details";
    QTest::newRow("mnemonic mark of a buddy caption is not said") << "mnemonic" << "Name & Date";
    QTest::newRow("trailing colon and dash of a buddy caption are not said") << "buddy left" << "Lucky Colour";
}

// The pass on a small form: only a buddy caption names its control, wherever the two stand.
void TestAccessibility::captionsBecomeNames()
{
    QFETCH(QString, layout);
    QFETCH(QString, expected);
    QWidget form;
    auto *frameBox = new QGroupBox("&Sign Details", &form);
    frameBox->setGeometry(0, 0, 600, 300);
    auto *box = new QLineEdit(frameBox);
    box->setGeometry(200, 100, 150, 22);
    auto *caption = new QLabel("Lucky Colour:-", frameBox);
    caption->resize(100, 16);
    if (layout == QLatin1String("left")) {
        caption->move(95, 103);
    } else if (layout == QLatin1String("buddy left")) {
        caption->move(95, 103);
        caption->setBuddy(box);
    } else if (layout == QLatin1String("above")) {
        caption->move(200, 80);
    } else if (layout == QLatin1String("buddy")) {
        caption->move(95, 103);
        auto *buddy = new QLabel("Gem Stone :", frameBox);
        buddy->setGeometry(10, 250, 100, 16);
        buddy->setBuddy(box);
    } else if (layout == QLatin1String("far")) {
        caption->move(10, 10);
    } else if (layout == QLatin1String("other column")) {
        caption->move(400, 80);
    } else if (layout == QLatin1String("mnemonic")) {
        caption->setText("&Name && Date:");
        caption->move(95, 103);
        caption->setBuddy(box);
    }
    accessibility::nameInputControls(&form);
    QCOMPARE(box->accessibleName(), expected);
}

void TestAccessibility::birthDateListsSayWhatTheyHold_data()
{
    QTest::addColumn<System>("system");
    QTest::newRow("Australian") << System::Australian;
    QTest::newRow("Celtic") << System::Celtic;
    QTest::newRow("Chinese") << System::Chinese;
    QTest::newRow("Mayan") << System::Mayan;
    QTest::newRow("All Four Signs") << System::AllFourSigns;
    QTest::newRow("Two People") << System::TwoPeople;
}

// Qt announces its own combo box by its value ("1", "January"); a birth-date list says what it
// holds, and the names a form gives its lists stay as given.
void TestAccessibility::birthDateListsSayWhatTheyHold()
{
    QFETCH(System, system);
    const OrvoForm *input = ui->open(system);
    QVERIFY(input);
    static const QRegularExpression dateList("(Date|Month|Year)(_\\d)?$");
    const QHash<QString, QString> given{{"Date", "Day of birth"}, {"Month", "Month of birth"},
                                        {"Year", "Year of birth"}};
    int found = 0;
    for (QComboBox *list : input->findChildren<QComboBox *>()) {
        const QRegularExpressionMatch match = dateList.match(list->objectName());
        if (!match.hasMatch())
            continue;
        ++found;
        const QString name = announcedName(list);
        if (match.captured(2).isEmpty())
            QCOMPARE(name, given.value(match.captured(1)));
        else   // one of two people's lists, named for its person
            QVERIFY2(name.contains(QLatin1String("birth")), qPrintable(list->objectName()));
    }
    QVERIFY(found > 0);
}

void TestAccessibility::enterInADateListFinds()
{
    const OrvoForm *input = ui->open(System::Mayan);
    QVERIFY(input);
    QVERIFY(ui->fill(System::Mayan, {"Ann Lee"}));
    QTest::keyClick(F::control<QComboBox>(input, "cboYear"), Qt::Key_Return);
    const OrvoForm *display = F::resultForm(System::Mayan);
    QVERIFY(display && display->isShownInFrame());
    QVERIFY(!F::text(display, "lblResult_0").isEmpty());
}

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
