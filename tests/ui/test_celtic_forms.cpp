#include "app/frmMDI.h"
#include "celtic/frmCelticAnimalBirthSignDisplay.h"
#include "celtic/frmCelticAnimalBirthSignMain.h"
#include "celtic/frmCelticAnimalBirthSignSave.h"
#include "common/saved_reading.h"
#include "forms/form_registry.h"
#include "widgets/link_label.h"
#include "widgets/protected_text_edit.h"
#include "ui/support.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using Icon = DialogService::Icon;

namespace {

// The text X11 gives with a key: Delete is U+007F, Ctrl+letter a control character.
QString x11Text(QKeyCombination key)
{
    if (key.key() == Qt::Key_Delete)
        return QStringLiteral("\x7f");
    if (key.key() == Qt::Key_Backspace)
        return QStringLiteral("\b");
    if (key.keyboardModifiers() == Qt::ControlModifier && key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z)
        return QString(QChar(key.key() - Qt::Key_A + 1));
    return {};
}

} // namespace

class TestCelticForms : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void inputFormStartsEmpty();
    void keyFilterCapitalisesAndRefuses();
    void editingKeysWorkInNameBoxes_data();
    void editingKeysWorkInNameBoxes();
    void validationOrderAndFocus();
    void getSignShowsResult_data();
    void getSignShowsResult();
    void menuEntryRunsGetSign();
    void enterInNameBoxGetsSign();
    void backKeepsEntriesAndSecondReadingReplacesFirst();
    void exitFromResultShowsStartPanel();
    void characteristicsCannotBeCopied();
    void tabOrderFollowsTheScreen();
    void openReadingOfAPerson_data();
    void openReadingOfAPerson();

private:
    frmCelticAnimalBirthSignMain *openInput();
    void enter(frmCelticAnimalBirthSignMain *input, const QString &first, const QString &last, int day, int month, int year);

    std::unique_ptr<frmMDI> frame;
    std::unique_ptr<ScriptedDialogs> dialogs;
};

void TestCelticForms::init()
{
    installTestFonts();
    dialogs = std::make_unique<ScriptedDialogs>();
    frame = std::make_unique<frmMDI>();
    frame->show();
}

void TestCelticForms::cleanup()
{
    frame->close();
    frame.reset();
    dialogs.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

frmCelticAnimalBirthSignMain *TestCelticForms::openInput()
{
    frame->cmdSelectOption_Click(1);
    return forms::get<frmCelticAnimalBirthSignMain>();
}

void TestCelticForms::enter(frmCelticAnimalBirthSignMain *input, const QString &first, const QString &last, int day,
                            int month, int year)
{
    input->txtFName->setText(first);
    input->txtlName->setText(last);
    input->cmbDate->setCurrentIndex(day - 1);
    input->cmbMonth->setCurrentIndex(month - 1);
    input->cmbYear->setCurrentText(QString::number(year));
}

void TestCelticForms::inputFormStartsEmpty()
{
    auto *input = openInput();
    QVERIFY(input->isShownInFrame());
    QVERIFY(!frame->isStartPanelVisible());
    QCOMPARE(input->windowTitle(), QStringLiteral("Orvo Celtic Animal Birth Sign \u2014 Input"));
    QCOMPARE(input->cmbDate->count(), 31);
    QCOMPARE(input->cmbMonth->itemText(11), QStringLiteral("December"));
    QCOMPARE(input->cmbYear->count(), 200);
    QCOMPARE(input->cmbYear->itemText(199), QStringLiteral("2099"));
    QCOMPARE(input->cmbDate->currentText() + input->cmbMonth->currentText() + input->cmbYear->currentText(),
             QStringLiteral("1January1900"));
    QVERIFY(input->txtFName->text().isEmpty());
    for (const QLineEdit *box : {input->txtFName, input->txtMName, input->txtlName})
        QCOMPARE(box->maxLength(), savedReading::MaxNameLength);
    QCOMPARE(input->Command1->text(), QStringLiteral("Get My Celtic &Animal Birth Sign"));
}

void TestCelticForms::keyFilterCapitalisesAndRefuses()
{
    auto *input = openInput();
    QTest::keyClicks(input->txtFName, QStringLiteral("mary o'ne7il"));
    QCOMPARE(input->txtFName->text(), QStringLiteral("MARY O'NEIL"));
    QCOMPARE(dialogs->messageTexts(), QStringList{QStringLiteral("Please Enter Only Alphabet")});
    QCOMPARE(dialogs->messages.first().icon, Icon::Information);
    QTest::keyClicks(input->txtMName, QStringLiteral("7"));
    QVERIFY(input->txtMName->text().isEmpty());
    QCOMPARE(dialogs->messages.size(), 2);
    QTest::keyClick(input->txtFName, Qt::Key_Backspace);
    QCOMPARE(input->txtFName->text(), QStringLiteral("MARY O'NEI"));
}

void TestCelticForms::editingKeysWorkInNameBoxes_data()
{
    QTest::addColumn<QKeySequence>("keys");   // pressed after "mary" was typed
    QTest::addColumn<QString>("text");
    QTest::newRow("Home, Delete") << QKeySequence(QStringLiteral("Home, Del")) << "ARY";
    QTest::newRow("Left, Delete") << QKeySequence(QStringLiteral("Left, Del")) << "MAR";
    QTest::newRow("Delete at the end") << QKeySequence(QStringLiteral("Del")) << "MARY";
    QTest::newRow("Backspace") << QKeySequence(QStringLiteral("Backspace")) << "MAR";
    QTest::newRow("Shift+Home, Delete") << QKeySequence(QStringLiteral("Shift+Home, Del")) << "";
    QTest::newRow("Ctrl+A, Delete") << QKeySequence(QStringLiteral("Ctrl+A, Del")) << "";
    QTest::newRow("Ctrl+Left, Delete") << QKeySequence(QStringLiteral("Ctrl+Left, Del")) << "ARY";
    QTest::newRow("Ctrl+A, Ctrl+X, Ctrl+V, Ctrl+V") << QKeySequence(QStringLiteral("Ctrl+A, Ctrl+X, Ctrl+V, Ctrl+V"))
                                                    << "MARYMARY";
    QTest::newRow("Ctrl+A, Ctrl+C, End, Ctrl+V") << QKeySequence(QStringLiteral("Ctrl+A, Ctrl+C, End, Ctrl+V"))
                                                 << "MARYMARY";
}

void TestCelticForms::editingKeysWorkInNameBoxes()
{
    QFETCH(QKeySequence, keys);
    QFETCH(QString, text);
    auto *input = openInput();
    QLineEdit *box = input->txtMName;
    // Once with the texts QTest gives (Ctrl+A as "a", as on some platforms), once with X11's.
    for (const bool asX11 : {false, true}) {
        box->clear();
        QTest::keyClicks(box, QStringLiteral("mary"));
        for (int i = 0; i < keys.count(); ++i) {
            if (!asX11) {
                QTest::keyClick(box, keys[i].key(), keys[i].keyboardModifiers());
                continue;
            }
            QKeyEvent press(QEvent::KeyPress, keys[i].key(), keys[i].keyboardModifiers(), x11Text(keys[i]));
            QKeyEvent release(QEvent::KeyRelease, keys[i].key(), keys[i].keyboardModifiers(), x11Text(keys[i]));
            QApplication::sendEvent(box, &press);
            QApplication::sendEvent(box, &release);
        }
        QCOMPARE(box->text(), text);
        QCOMPARE(dialogs->messageTexts(), QStringList());
    }
}

void TestCelticForms::validationOrderAndFocus()
{
    auto *input = openInput();
    input->Command1->click();
    QCOMPARE(dialogs->messageTexts(), QStringList{QStringLiteral("Please Enter First Name !")});
    QCOMPARE(dialogs->messages.last().icon, Icon::None);
    QCOMPARE(input->focusWidget(), input->txtFName);

    input->txtFName->setText(QStringLiteral("ANN"));
    input->Command1->click();
    QCOMPARE(dialogs->messages.last().text, QStringLiteral("Please Enter Your Last Name !"));
    QCOMPARE(input->focusWidget(), input->txtlName);

    enter(input, QStringLiteral("ANN"), QStringLiteral("LEE"), 29, 2, 1900);
    input->Command1->click();
    QCOMPARE(dialogs->messages.last().text, QStringLiteral("Please Enter Correct Date Or Month!"));
    enter(input, QStringLiteral("ANN"), QStringLiteral("LEE"), 31, 9, 1990);
    input->Command1->click();
    QCOMPARE(dialogs->messages.last().text, QStringLiteral("Please Enter Correct Date Or Month !"));
    QCOMPARE(dialogs->messages.last().icon, Icon::Information);
    QCOMPARE(input->focusWidget(), input->cmbDate);
    QVERIFY(!forms::isLoaded<frmCelticAnimalBirthSignDisplay>());
    QVERIFY(input->isShownInFrame());
}

void TestCelticForms::getSignShowsResult_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("sign");
    QTest::newRow("23 December 1990 Wren") << 23 << 12 << 1990 << "Wren";
    QTest::newRow("29 February 2000 Seal") << 29 << 2 << 2000 << "Seal";
    QTest::newRow("14 April 2099 Bear") << 14 << 4 << 2099 << "Bear";
}

void TestCelticForms::getSignShowsResult()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QString, sign);
    auto *input = openInput();
    enter(input, QStringLiteral("ANN"), QStringLiteral("LEE"), day, month, year);
    input->Command1->click();
    QVERIFY(dialogs->messages.isEmpty());
    auto *display = forms::get<frmCelticAnimalBirthSignDisplay>();
    QVERIFY(display->isShownInFrame());
    QVERIFY(!input->isShownInFrame());
    QVERIFY(forms::isLoaded<frmCelticAnimalBirthSignMain>());
    QVERIFY(!frame->isStartPanelVisible());
    QCOMPARE(display->lblName->text(), sign);
    QCOMPARE(display->lblCelticBirthAnimalSign->text(), sign);
    QVERIFY(!display->picCelticAnimal->pixmap().isNull());
    QCOMPARE(display->picCelticAnimal->pixmap().size(), QSize(124, 127));
    QVERIFY(!display->txtCharacterstic->toPlainText().isEmpty());
    for (QLabel *value : {display->lblGaelicName, display->lblBirthstone, display->lblRulingPlanet, display->lblKeywords,
                          display->lblCompatibility, display->lblMagickalAbilties})
        QVERIFY(!value->text().isEmpty());
}

void TestCelticForms::menuEntryRunsGetSign()
{
    auto *input = openInput();
    enter(input, QStringLiteral("ANN"), QStringLiteral("LEE"), 1, 9, 1990);
    input->mnuAstro->trigger();
    QCOMPARE(forms::get<frmCelticAnimalBirthSignDisplay>()->lblName->text(), QStringLiteral("Salmon"));
}

void TestCelticForms::enterInNameBoxGetsSign()
{
    auto *input = openInput();
    QTest::keyClicks(input->txtFName, QStringLiteral("ann"));
    QTest::keyClick(input->txtFName, Qt::Key_Return);
    QCOMPARE(dialogs->messageTexts(), QStringList{QStringLiteral("Please Enter Your Last Name !")});
    QTest::keyClicks(input->txtlName, QStringLiteral("lee"));
    QTest::keyClick(input->txtlName, Qt::Key_Return);
    QCOMPARE(dialogs->messages.size(), 1);
    QCOMPARE(forms::get<frmCelticAnimalBirthSignDisplay>()->lblName->text(), QStringLiteral("Stag"));
}

void TestCelticForms::backKeepsEntriesAndSecondReadingReplacesFirst()
{
    auto *input = openInput();
    enter(input, QStringLiteral("ANN"), QStringLiteral("LEE"), 23, 12, 1990);
    input->Command1->click();
    auto *display = forms::get<frmCelticAnimalBirthSignDisplay>();
    display->cmdBack->click();
    QVERIFY(!forms::isLoaded<frmCelticAnimalBirthSignDisplay>());
    QVERIFY(input->isShownInFrame());
    QVERIFY(!frame->isStartPanelVisible());
    QCOMPARE(input->txtFName->text(), QStringLiteral("ANN"));
    QCOMPARE(input->cmbDate->currentText(), QStringLiteral("23"));

    input->cmbMonth->setCurrentIndex(0);   // 23 January: Crane
    input->Command1->click();
    display = forms::get<frmCelticAnimalBirthSignDisplay>();
    QCOMPARE(display->lblName->text(), QStringLiteral("Crane"));
    QCOMPARE(display->lblCompatibility->text(),
             QStringLiteral("Bee and Swan signs are most compatible with you. Other compatible signs include Cat, Owl and Beer."));
    QVERIFY(!display->lblGaelicName->text().contains(QLatin1String("Drui")));
}

void TestCelticForms::exitFromResultShowsStartPanel()
{
    auto *input = openInput();
    enter(input, QStringLiteral("ANN"), QStringLiteral("LEE"), 5, 5, 1990);
    input->Command1->click();
    forms::get<frmCelticAnimalBirthSignDisplay>()->mnuExit->trigger();
    QVERIFY(!forms::isLoaded<frmCelticAnimalBirthSignDisplay>());
    QVERIFY(frame->isStartPanelVisible());
    QVERIFY(forms::isLoaded<frmCelticAnimalBirthSignMain>());
    QVERIFY(!input->isShownInFrame());

    // Choosing the system again starts with empty names.
    auto *fresh = openInput();
    QVERIFY(fresh->txtFName->text().isEmpty());
}

void TestCelticForms::characteristicsCannotBeCopied()
{
    auto *input = openInput();
    enter(input, QStringLiteral("ANN"), QStringLiteral("LEE"), 5, 5, 1990);
    input->Command1->click();
    auto *box = forms::get<frmCelticAnimalBirthSignDisplay>()->txtCharacterstic;
    QGuiApplication::clipboard()->setText(QStringLiteral("from another program"));
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Insert, Qt::ControlModifier);
    QTest::mouseMove(box->viewport());
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("from another program"));
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
}

void TestCelticForms::tabOrderFollowsTheScreen()
{
    auto *input = openInput();
    QStringList chain;
    QWidget *widget = input->Label61;
    do {
        if (input->isAncestorOf(widget) && widget->isVisibleTo(input) && (widget->focusPolicy() & Qt::TabFocus))
            chain.append(widget->objectName());
        widget = widget->nextInFocusChain();
    } while (widget != input->Label61 && chain.size() < 20);
    QCOMPARE(chain, QStringList({"Label61", "txtFName", "txtMName", "txtlName", "cmbDate", "cmbMonth", "cmbYear",
                                 "Command1", "lblCobrand", "lblFullBrand"}));
    // Each stands right of the one before on its row, or on a row below it.
    for (qsizetype i = 1; i < chain.size(); ++i) {
        const QRect before = input->findChild<QWidget *>(chain[i - 1])->geometry().translated(
            input->findChild<QWidget *>(chain[i - 1])->parentWidget()->mapTo(input, QPoint()));
        const QRect after = input->findChild<QWidget *>(chain[i])->geometry().translated(
            input->findChild<QWidget *>(chain[i])->parentWidget()->mapTo(input, QPoint()));
        QVERIFY2(after.top() > before.bottom() || (after.top() < before.bottom() && after.left() > before.right()),
                 qPrintable(chain[i]));
    }
}

void TestCelticForms::openReadingOfAPerson_data()
{
    QTest::addColumn<QString>("last");
    QTest::addColumn<QDate>("date");   // an invalid one stands for 31 April 1990
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("sign");
    QTest::newRow("no last name") << "" << QDate(1990, 5, 12) << "Please Enter Your Last Name !" << "";
    QTest::newRow("31 April") << "LEE" << QDate() << "Please Enter Correct Date Or Month !" << "";
    QTest::newRow("2100, a year the list lacks") << "LEE" << QDate(2100, 5, 12)
                                                 << "Celtic Animal Birth Sign takes birth years from 1900 to 2099." << "";
    QTest::newRow("13 May 2099") << "LEE" << QDate(2099, 5, 13) << "" << "Bee";
}

void TestCelticForms::openReadingOfAPerson()
{
    QFETCH(QString, last);
    QFETCH(QDate, date);
    QFETCH(QString, message);
    QFETCH(QString, sign);
    // As the overview finds it: loaded, not shown, the start panel up.
    auto *input = forms::get<frmCelticAnimalBirthSignMain>();
    QVERIFY(frame->isStartPanelVisible());
    const BirthEntry birth = date.isValid() ? BirthEntry{date.day(), date.month(), date.year()} : BirthEntry{31, 4, 1990};
    const bool opened = input->openReading({QStringLiteral("ANN"), last, birth, QStringLiteral("MAY")});

    QCOMPARE(opened, message.isEmpty());
    QCOMPARE(dialogs->messageTexts(), message.isEmpty() ? QStringList() : QStringList{message});
    QVERIFY(!frame->isStartPanelVisible());
    QCOMPARE(input->txtMName->text(), QStringLiteral("MAY"));
    QCOMPARE(input->cmbMonth->currentIndex() + 1, birth.month);
    QCOMPARE(input->isShownInFrame(), !opened);
    QCOMPARE(forms::isLoaded<frmCelticAnimalBirthSignDisplay>(), opened);
    if (!opened)
        return;
    auto *display = forms::get<frmCelticAnimalBirthSignDisplay>();
    QVERIFY(display->isShownInFrame());
    QCOMPARE(display->lblName->text(), sign);
    QCOMPARE(display->reading().birthDate, date);
    QCOMPARE(display->reading().person.middleName, QStringLiteral("MAY"));
}

QTEST_MAIN(TestCelticForms)
#include "test_celtic_forms.moc"
