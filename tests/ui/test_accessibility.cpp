#include "app/frmMDI.h"
#include "app/system_forms.h"
#include "australian/frmAustralianAstrologyMain.h"
#include "australian/frmAustralianAstrologySave.h"
#include "celtic/frmCelticAnimalBirthSignDisplay.h"
#include "celtic/frmCelticAnimalBirthSignMain.h"
#include "chinese/frmChineseZodiacDisplay.h"
#include "chinese/frmChineseZodiacMain.h"
#include "forms/accessibility.h"
#include "forms/form_registry.h"
#include "mayan/frmMayanAnimalSignDisplay.h"
#include "mayan/frmMayanAnimalSignMain.h"
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

using systems::System;

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

class TestAccessibility : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void everyControlOfEverySystemIsNamed_data();
    void everyControlOfEverySystemIsNamed();
    void captionsBecomeNames_data();
    void captionsBecomeNames();
    void givenNamesStay();
    void birthDateListsSayWhatTheyHold_data();
    void birthDateListsSayWhatTheyHold();
    void enterInADateListFinds();

private:
    // Walks the system from the input form to the report, leaving all three forms loaded.
    void openAllForms(System system);

    std::unique_ptr<frmMDI> frame;
    std::unique_ptr<ScriptedDialogs> dialogs;
};

void TestAccessibility::init()
{
    installTestFonts();
    dialogs = std::make_unique<ScriptedDialogs>();
    frame = std::make_unique<frmMDI>();
    frame->show();
}

void TestAccessibility::cleanup()
{
    frame->close();
    frame.reset();
    dialogs.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestAccessibility::openAllForms(System system)
{
    frame->cmdSelectOption_Click(int(system));
    switch (system) {
    case System::Celtic: {
        auto *input = forms::get<frmCelticAnimalBirthSignMain>();
        input->txtFName->setText(QStringLiteral("ANN"));
        input->txtlName->setText(QStringLiteral("LEE"));
        input->Command1_Click();
        forms::get<frmCelticAnimalBirthSignDisplay>()->cmdPrint_Click();
        break;
    }
    case System::Chinese: {
        auto *input = forms::get<frmChineseZodiacMain>();
        input->txtName->setText(QStringLiteral("Ann Lee"));
        input->optSex[1]->setChecked(true);
        input->cboYear->setCurrentText(QStringLiteral("1970"));
        input->cmdProceed_Click();
        forms::get<frmChineseZodiacDisplay>()->cmdPrint_Click();
        break;
    }
    case System::Mayan: {
        auto *input = forms::get<frmMayanAnimalSignMain>();
        input->txtName->setText(QStringLiteral("Ann Lee"));
        input->cmdProceed_Click();
        forms::get<frmMayanAnimalSignDisplay>()->cmdPrint_Click();
        break;
    }
    case System::Australian: {
        auto *input = forms::get<frmAustralianAstrologyMain>();
        input->txtName->setText(QStringLiteral("Ann Lee"));
        input->cmdProceed_Click();
        // The result form offers no Print; the report form is reached by the program alone.
        forms::show<frmAustralianAstrologySave>();
        break;
    }
    case System::AllFourSigns:   // the overview and Two People have tests of their own
    case System::TwoPeople:
        break;
    }
}

void TestAccessibility::everyControlOfEverySystemIsNamed_data()
{
    QTest::addColumn<System>("system");
    QTest::addColumn<QString>("sign");   // the control the result form opens on
    QTest::newRow("Celtic") << System::Celtic << "lblCelticBirthAnimalSign";
    QTest::newRow("Chinese") << System::Chinese << "lblChineseSign";
    QTest::newRow("Mayan") << System::Mayan << "lblResult_0";
    QTest::newRow("Australian") << System::Australian << "lblResult_0";
}

void TestAccessibility::everyControlOfEverySystemIsNamed()
{
    QFETCH(System, system);
    QFETCH(QString, sign);
    openAllForms(system);
    QVERIFY2(dialogs->messages.isEmpty(), qPrintable(dialogs->messageTexts().join(u'|')));
    const QList<OrvoForm *> loaded = forms::loadedForms();
    QCOMPARE(loaded.size(), 3);   // input, result and report form
    QStringList unnamed = unnamedControls(frame.get());
    for (OrvoForm *form : loaded)
        unnamed += unnamedControls(form);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QLatin1String(", "))));

    // The result opens on its sign, so a screen reader says it at once; Tab reaches every value.
    OrvoForm *result = loaded.at(1);
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
    auto *frameBox = new QGroupBox(QStringLiteral("&Sign Details"), &form);
    frameBox->setGeometry(0, 0, 600, 300);
    auto *box = new QLineEdit(frameBox);
    box->setGeometry(200, 100, 150, 22);
    auto *caption = new QLabel(QStringLiteral("Lucky Colour:-"), frameBox);
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
        auto *buddy = new QLabel(QStringLiteral("Gem Stone :"), frameBox);
        buddy->setGeometry(10, 250, 100, 16);
        buddy->setBuddy(box);
    } else if (layout == QLatin1String("far")) {
        caption->move(10, 10);
    } else if (layout == QLatin1String("other column")) {
        caption->move(400, 80);
    } else if (layout == QLatin1String("mnemonic")) {
        caption->setText(QStringLiteral("&Name && Date:"));
        caption->move(95, 103);
        caption->setBuddy(box);
    }
    accessibility::nameInputControls(&form);
    QCOMPARE(box->accessibleName(), expected);
}

void TestAccessibility::givenNamesStay()
{
    auto *input = static_cast<frmCelticAnimalBirthSignMain *>(systems::showInputForm(System::Celtic));
    QCOMPARE(input->cmbDate->accessibleName(), QStringLiteral("Day of birth"));
    QCOMPARE(input->cmbMonth->accessibleName(), QStringLiteral("Month of birth"));
}

void TestAccessibility::birthDateListsSayWhatTheyHold_data()
{
    QTest::addColumn<System>("system");
    for (System system : {System::Celtic, System::Chinese, System::Mayan, System::Australian, System::AllFourSigns,
                          System::TwoPeople})
        QTest::addRow("%d", int(system)) << system;
}

// Qt announces its own combo box by its value ("1", "January"); a birth-date list says what it holds.
void TestAccessibility::birthDateListsSayWhatTheyHold()
{
    QFETCH(System, system);
    int found = 0;
    for (QComboBox *list : systems::showInputForm(system)->findChildren<QComboBox *>()) {
        if (!list->objectName().contains(QRegularExpression(QStringLiteral("Date|Month|Year"))))
            continue;
        ++found;
        QVERIFY2(announcedName(list).contains(QLatin1String("birth")), qPrintable(list->objectName()));
    }
    QVERIFY(found > 0);
}

void TestAccessibility::enterInADateListFinds()
{
    auto *input = static_cast<frmMayanAnimalSignMain *>(systems::showInputForm(System::Mayan));
    input->txtName->setText(QStringLiteral("Ann Lee"));
    QTest::keyClick(input->cboYear, Qt::Key_Return);
    QVERIFY(forms::isLoaded<frmMayanAnimalSignDisplay>());
    QVERIFY(!forms::get<frmMayanAnimalSignDisplay>()->lblResult[0]->text().isEmpty());
}

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
