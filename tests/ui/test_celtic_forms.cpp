#include "common/saved_reading.h"
#include "forms/orvo_form.h"
#include "ui/frame_fixture.h"
#include "ui/support.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>
#include <QtTest>

using Icon = DialogService::Icon;
using System = systems::System;
using F = FrameFixture;

namespace {

// The text X11 gives with a key: Delete is U+007F, Ctrl+letter a control character.
QString x11Text(QKeyCombination key)
{
    if (key.key() == Qt::Key_Delete)
        return "\x7f";
    if (key.key() == Qt::Key_Backspace)
        return "\b";
    if (key.keyboardModifiers() == Qt::ControlModifier && key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z)
        return QString(QChar(key.key() - Qt::Key_A + 1));
    return {};
}

constexpr System Celtic = System::Celtic;
const QString inputName = "frmCelticAnimalBirthSignMain";

} // namespace

class TestCelticForms : public FrameTestCase
{
    Q_OBJECT
private Q_SLOTS:
    void inputFormStartsEmpty();
    void keyFilterCapitalisesAndRefuses();
    void editingKeysWorkInNameBoxes_data();
    void editingKeysWorkInNameBoxes();
    void validationOrderAndFocus();
    void getSignShowsResult_data();
    void getSignShowsResult();
    void backKeepsEntriesAndExitShowsStartPanel();
    void characteristicsCannotBeCopied();
};

void TestCelticForms::inputFormStartsEmpty()
{
    OrvoForm *input = ui->open(Celtic);
    QVERIFY(input);
    QVERIFY(!ui->startPanelShown());
    QCOMPARE(input->windowTitle(), "Orvo Celtic Animal Birth Sign \u2014 Input");
    const auto list = [input](const char *name) { return F::control<QComboBox>(input, QLatin1String(name)); };
    QCOMPARE(list("cmbDate")->count(), 31);
    QCOMPARE(list("cmbMonth")->itemText(11), "December");
    QCOMPARE(list("cmbYear")->count(), 200);
    QCOMPARE(list("cmbYear")->itemText(199), "2099");
    QCOMPARE(F::dateShown(Celtic), "1January1900");
    QVERIFY(F::text(input, "txtFName").isEmpty());
    for (const char *name : {"txtFName", "txtMName", "txtlName"})
        QCOMPARE(F::control<QLineEdit>(input, QLatin1String(name))->maxLength(), savedReading::MaxNameLength);
    QCOMPARE(F::text(input, "Command1"), "Get My Celtic &Animal Birth Sign");

    // Tab goes as the screen reads.
    QStringList chain;
    QWidget *first = F::control<QWidget>(input, "Label61");
    QWidget *widget = first;
    do {
        if (input->isAncestorOf(widget) && widget->isVisibleTo(input) && (widget->focusPolicy() & Qt::TabFocus))
            chain.append(widget->objectName());
        widget = widget->nextInFocusChain();
    } while (widget != first && chain.size() < 20);
    QStringList expected{"Label61", "txtFName", "txtMName", "txtlName", "cmbDate", "cmbMonth", "cmbYear", "Command1"};
    if (F::control<QWidget>(input, "fraFullBrand")->isVisibleTo(input))   // it gives way on a low screen
        expected << "lblCobrand" << "lblFullBrand";
    QCOMPARE(chain, expected);
    // Each stands right of the one before on its row, or on a row below it.
    const auto placeOf = [input](const QString &name) {
        const QWidget *control = F::control<QWidget>(input, name);
        return control->geometry().translated(control->parentWidget()->mapTo(input, QPoint()));
    };
    for (qsizetype i = 1; i < chain.size(); ++i) {
        const QRect before = placeOf(chain[i - 1]);
        const QRect after = placeOf(chain[i]);
        QVERIFY2(after.top() > before.bottom() || (after.top() < before.bottom() && after.left() > before.right()),
                 qPrintable(chain[i]));
    }
}

void TestCelticForms::keyFilterCapitalisesAndRefuses()
{
    const OrvoForm *input = ui->open(Celtic);
    QVERIFY(input);
    auto *first = F::control<QLineEdit>(input, "txtFName");
    auto *middle = F::control<QLineEdit>(input, "txtMName");
    QTest::keyClicks(first, "mary o'ne7il");
    QCOMPARE(first->text(), "MARY O'NEIL");
    QCOMPARE(dialogs()->messageTexts(), QStringList{"Please Enter Only Alphabet"});
    QCOMPARE(dialogs()->messages.first().icon, Icon::Information);
    QTest::keyClicks(middle, "7");
    QVERIFY(middle->text().isEmpty());
    QCOMPARE(dialogs()->messages.size(), 2);
    QTest::keyClick(first, Qt::Key_Backspace);
    QCOMPARE(first->text(), "MARY O'NEI");
}

void TestCelticForms::editingKeysWorkInNameBoxes_data()
{
    QTest::addColumn<QKeySequence>("keys");   // pressed after "mary" was typed
    QTest::addColumn<QString>("text");
    QTest::newRow("Home, Delete") << QKeySequence("Home, Del") << "ARY";
    QTest::newRow("Left, Delete") << QKeySequence("Left, Del") << "MAR";
    QTest::newRow("Delete at the end") << QKeySequence("Del") << "MARY";
    QTest::newRow("Backspace") << QKeySequence("Backspace") << "MAR";
    QTest::newRow("Shift+Home, Delete") << QKeySequence("Shift+Home, Del") << "";
    QTest::newRow("Ctrl+A, Delete") << QKeySequence("Ctrl+A, Del") << "";
    QTest::newRow("Ctrl+Left, Delete") << QKeySequence("Ctrl+Left, Del") << "ARY";
    QTest::newRow("Ctrl+A, Ctrl+X, Ctrl+V, Ctrl+V") << QKeySequence("Ctrl+A, Ctrl+X, Ctrl+V, Ctrl+V") << "MARYMARY";
    QTest::newRow("Ctrl+A, Ctrl+C, End, Ctrl+V") << QKeySequence("Ctrl+A, Ctrl+C, End, Ctrl+V") << "MARYMARY";
}

void TestCelticForms::editingKeysWorkInNameBoxes()
{
    QFETCH(QKeySequence, keys);
    QFETCH(QString, text);
    QVERIFY(ui->open(Celtic));
    auto *box = F::control<QLineEdit>(F::inputForm(Celtic), "txtMName");
    // Once with the texts QTest gives (Ctrl+A as "a", as on some platforms), once with X11's.
    for (const bool asX11 : {false, true}) {
        box->clear();
        QTest::keyClicks(box, "mary");
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
        QCOMPARE(dialogs()->messageTexts(), QStringList());
    }
}

void TestCelticForms::validationOrderAndFocus()
{
    const OrvoForm *input = ui->open(Celtic);
    QVERIFY(input);
    const auto focus = [input] { return input->focusWidget() ? input->focusWidget()->objectName() : QString(); };
    QVERIFY(!ui->find(Celtic));
    QCOMPARE(dialogs()->messageTexts(), QStringList{"Please Enter First Name !"});
    QCOMPARE(dialogs()->messages.last().icon, Icon::None);
    QCOMPARE(focus(), "txtFName");

    QVERIFY(ui->fill(Celtic, {"ANN"}));
    QVERIFY(!ui->find(Celtic));
    QCOMPARE(dialogs()->messages.last().text, "Please Enter Your Last Name !");
    QCOMPARE(focus(), "txtlName");

    QVERIFY(ui->fill(Celtic, {"ANN LEE", {}, 29, 2, 1900}));
    QVERIFY(!ui->find(Celtic));
    QCOMPARE(dialogs()->messages.last().text, "Please Enter Correct Date Or Month!");
    QVERIFY(ui->fill(Celtic, {{}, {}, 31, 9, 1990}));
    QVERIFY(!ui->find(Celtic));
    QCOMPARE(dialogs()->messages.last().text, "Please Enter Correct Date Or Month !");
    QCOMPARE(dialogs()->messages.last().icon, Icon::Information);
    QCOMPARE(focus(), "cmbDate");
    QCOMPARE(ui->shownWindows(), QStringList{inputName});
}

void TestCelticForms::getSignShowsResult_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("way");   // the button, the menu entry, or Enter in the first name box
    QTest::newRow("23 December 1990 Wren, by the button") << 23 << 12 << 1990 << "Wren" << "Command1";
    QTest::newRow("29 February 2000 Seal, by the menu") << 29 << 2 << 2000 << "Seal" << "mnuAstro";
    QTest::newRow("14 April 2099 Bear, by Enter") << 14 << 4 << 2099 << "Bear" << "txtFName";
    QTest::newRow("1 September 1990 Salmon, by the menu") << 1 << 9 << 1990 << "Salmon" << "mnuAstro";
}

void TestCelticForms::getSignShowsResult()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QString, sign);
    QFETCH(QString, way);
    OrvoForm *input = ui->open(Celtic);
    QVERIFY(input);
    QVERIFY(ui->fill(Celtic, {"ANN LEE", {}, day, month, year}));
    if (way.startsWith(QLatin1String("mnu")))
        QVERIFY(F::trigger(input, way));
    else if (way.startsWith(QLatin1String("txt")))
        QTest::keyClick(F::control<QLineEdit>(input, way), Qt::Key_Return);
    else
        QVERIFY(F::click(input, way));
    QVERIFY(dialogs()->messages.isEmpty());
    const OrvoForm *display = F::resultForm(Celtic);
    QVERIFY(display);
    QCOMPARE(ui->shownWindows(), QStringList{"frmCelticAnimalBirthSignDisplay"});
    QVERIFY(!ui->startPanelShown());
    QCOMPARE(F::text(display, "lblName"), sign);
    QCOMPARE(F::text(display, "lblCelticBirthAnimalSign"), sign);
    const QPixmap picture = F::control<QLabel>(display, "picCelticAnimal")->pixmap();
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.size(), QSize(124, 127));
    QVERIFY(!F::text(display, "txtCharacterstic").isEmpty());
    for (const char *value : {"lblGaelicName", "lblBirthstone", "lblRulingPlanet", "lblKeywords", "lblCompatibility",
                              "lblMagickalAbilties"})
        QVERIFY2(!F::text(display, QLatin1String(value)).isEmpty(), value);
}

// Back keeps the entries and a second reading replaces the first; Exit closes every Celtic
// window, and the system chosen again starts with empty names.
void TestCelticForms::backKeepsEntriesAndExitShowsStartPanel()
{
    const OrvoForm *display = ui->reading(Celtic, {"ANN LEE", {}, 23, 12, 1990});
    QVERIFY(display);
    QVERIFY(F::click(display, "cmdBack"));
    QCOMPARE(ui->shownWindows(), QStringList{inputName});
    QVERIFY(!ui->startPanelShown());
    const OrvoForm *input = F::inputForm(Celtic);
    QCOMPARE(F::text(input, "txtFName"), "ANN");
    QCOMPARE(F::text(input, "cmbDate"), "23");

    QVERIFY(ui->fill(Celtic, {{}, {}, 0, 1}));   // 23 January: Crane
    display = ui->find(Celtic);
    QVERIFY(display);
    QCOMPARE(F::text(display, "lblName"), "Crane");
    QCOMPARE(F::text(display, "lblCompatibility"),
             "Bee and Swan signs are most compatible with you. Other compatible signs include Cat, Owl and Beer.");
    QVERIFY(!F::text(display, "lblGaelicName").contains(QLatin1String("Drui")));

    QVERIFY(F::trigger(display, "mnuExit"));
    QCOMPARE(ui->shownWindows(), QStringList());
    QVERIFY(ui->startPanelShown());
    const OrvoForm *fresh = ui->open(Celtic);
    QVERIFY(fresh);
    QVERIFY(F::text(fresh, "txtFName").isEmpty());
}

void TestCelticForms::characteristicsCannotBeCopied()
{
    const OrvoForm *display = ui->reading(Celtic, {"ANN LEE", {}, 5, 5, 1990});
    QVERIFY(display);
    auto *box = F::control<QTextEdit>(display, "txtCharacterstic");
    QGuiApplication::clipboard()->setText("from another program");
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Insert, Qt::ControlModifier);
    QTest::mouseMove(box->viewport());
    QCOMPARE(QGuiApplication::clipboard()->text(), "from another program");
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
}

QTEST_MAIN(TestCelticForms)
#include "test_celtic_forms.moc"
