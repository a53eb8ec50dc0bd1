#include "app/frmMDI.h"
#include "forms/orvo_form.h"
#include "ui/frame_fixture.h"
#include "ui/support.h"
#include "widgets/link_label.h"

#include <QAccessible>
#include <QCalendarWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QtTest>

using System = systems::System;

namespace {

void press(const QString &keys)
{
    const QKeyCombination key = QKeySequence(keys)[0];
    QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
}

// Clashing Alt keys among the menu bar, the frame's controls and those of the child window
// (a child's Alt keys work only while it has the focus).
QString mnemonicClashes(frmMDI *frame, QWidget *child)
{
    QMultiHash<QKeySequence, QString> keys;
    for (QAction *title : frame->menuBar()->actions())
        keys.insert(QKeySequence::mnemonic(title->text()), title->text());
    const QWidget *area = FrameFixture::control<QMdiArea>(frame, QStringLiteral("mdiArea"));
    for (QWidget *widget : frame->findChildren<QWidget *>()) {
        const auto *label = qobject_cast<QLabel *>(widget);
        const QString text = qobject_cast<QAbstractButton *>(widget) ? static_cast<QAbstractButton *>(widget)->text()
                             : qobject_cast<QGroupBox *>(widget)     ? static_cast<QGroupBox *>(widget)->title()
                             : label && label->buddy()               ? label->text()
                                                                     : QString();
        if (widget->isVisible() && (!area->isAncestorOf(widget) || child->isAncestorOf(widget)))
            keys.insert(QKeySequence::mnemonic(text), text);
    }
    QStringList clashes;
    for (const QKeySequence &key : keys.uniqueKeys()) {
        if (!key.isEmpty() && keys.count(key) > 1)
            clashes << QStringList(keys.values(key)).join(u'|');
    }
    return clashes.join(u';');
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        ui = std::make_unique<FrameFixture>();
        QVERIFY(QTest::qWaitForWindowActive(ui->frame()));
    }
    void cleanup() { ui.reset(); }
    void everyWindow_data();
    void everyWindow();
    void keyRoutes_data();
    void keyRoutes();
    void enterOnSexFinds_data();
    void enterOnSexFinds();

private:
    void walkTabOrder(OrvoForm *input);

    std::unique_ptr<FrameFixture> ui;
};

void TestKeyboard::everyWindow_data()
{
    QTest::addColumn<System>("system");
    QTest::newRow("Australian") << System::Australian;
    QTest::newRow("Celtic") << System::Celtic;
    QTest::newRow("Chinese") << System::Chinese;
    QTest::newRow("Mayan") << System::Mayan;
    QTest::newRow("All Four Signs") << System::AllFourSigns;
    QTest::newRow("Two People") << System::TwoPeople;
}

// Each window as it opens: a unique title that says which window it is, unique Alt keys; on the
// input form Tab follows the screen.
void TestKeyboard::everyWindow()
{
    QFETCH(System, system);
    QStringList titles{ui->frame()->windowTitle()};
    const auto check = [&](OrvoForm *form, const char *kind) {
        QVERIFY2(form && form->parentWidget()->isVisible(), kind);
        const QString title = QAccessible::queryAccessibleInterface(form->parentWidget())->text(QAccessible::Name);
        QVERIFY2(title.endsWith(QLatin1String(kind)) && !titles.contains(title), qPrintable(title));
        titles << title;
        QCOMPARE(mnemonicClashes(ui->frame(), form), QString());
    };
    check(ui->open(system), "Input");
    walkTabOrder(FrameFixture::inputForm(system));
    if (system == System::TwoPeople)   // two of everything: the fixture fills no such form
        return;
    const bool dated = system != System::Australian;
    const QString sex = system == System::Chinese || system == System::AllFourSigns ? QStringLiteral("Male") : QString();
    QVERIFY(ui->fill(system, {QStringLiteral("Ann Lee"), sex, dated ? 12 : 0, 5, dated ? 1990 : 0}));
    check(ui->find(system), "Result");
    if (system != System::AllFourSigns)
        check(ui->report(system), "Report");
}

// Tab visits every control in reading order (of a group of options only the chosen one); each
// link it reaches opens its page with Enter or Space.
void TestKeyboard::walkTabOrder(OrvoForm *input)
{
    const auto stopOf = [](QWidget *widget) {
        for (QWidget *up = widget; up; up = up->parentWidget()) {
            if (qobject_cast<QComboBox *>(up) || qobject_cast<QCalendarWidget *>(up))
                return up;
        }
        return widget;
    };
    QList<QWidget *> stops;
    for (QWidget *widget : input->findChildren<QWidget *>()) {
        if (stopOf(widget) == widget && (widget->focusPolicy() & Qt::TabFocus) && widget->isVisible() && widget->isEnabled())
            stops << widget;
    }
    std::sort(stops.begin(), stops.end(), [input](QWidget *a, QWidget *b) {
        const QRect r(a->mapTo(input, QPoint()), a->size()), s(b->mapTo(input, QPoint()), b->size());
        const bool sameRow = std::min(r.bottom(), s.bottom()) - std::max(r.top(), s.top()) > std::min(r.height(), s.height()) / 2;
        return sameRow ? r.left() < s.left() : r.top() < s.top();
    });
    OpenedPages pages;
    QStringList expected, visited;
    stops.first()->setFocus(Qt::TabFocusReason);
    for (QWidget *focus = stops.first(); input->isAncestorOf(focus) && visited.size() < 40;) {
        if (qobject_cast<LinkLabel *>(focus)) {
            const qsizetype opened = pages.urls.size();
            press(opened % 2 ? QStringLiteral("Space") : QStringLiteral("Return"));
            QCOMPARE(pages.urls.size(), opened + 1);
        }
        visited << focus->objectName();
        press(QStringLiteral("Tab"));
        if ((focus = stopOf(QApplication::focusWidget())) == stops.first())
            break;
    }
    for (QWidget *stop : stops) {
        if (!qobject_cast<QRadioButton *>(stop) || visited.contains(stop->objectName()))
            expected << stop->objectName();
    }
    QCOMPARE(visited, expected);
}

void TestKeyboard::keyRoutes_data()
{
    QTest::addColumn<QString>("focus");   // a control's name, or "address": the report's web address
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("outcome");   // "closed" report, "page" opened, "none", "switches" to the frame and back
    QTest::newRow("Ctrl+W closes the report") << "RTB" << "Ctrl+W" << "closed";
    QTest::newRow("Ctrl+F4 closes the report") << "RTB" << "Ctrl+F4" << "closed";
    QTest::newRow("Enter on Close closes the report") << "cmdClose" << "Return" << "closed";
    QTest::newRow("Enter on a frame choice starts it afresh") << "cmdSelectOption_2" << "Return" << "closed";
    QTest::newRow("Enter on the address opens it") << "address" << "Return" << "page";
    QTest::newRow("Enter elsewhere in the report opens nothing") << "RTB" << "Return" << "none";
    for (const char *keys : {"F6", "Shift+F6", "Ctrl+Tab", "Ctrl+Shift+Backtab"})
        QTest::newRow(keys) << "RTB" << keys << "switches";
}

void TestKeyboard::keyRoutes()
{
    QFETCH(QString, focus);
    QFETCH(QString, keys);
    QFETCH(QString, outcome);
    QVERIFY(ui->reading(System::Mayan, {QStringLiteral("Ann Lee"), {}, 12, 5, 1990}));
    auto *box = FrameFixture::control<QTextEdit>(ui->report(System::Mayan), QStringLiteral("RTB"));
    QTextCursor caret(box->document());
    caret.setPosition(focus == QLatin1String("address") ? int(box->toPlainText().indexOf(QLatin1String("http"))) : 0);
    box->setTextCursor(caret);
    QWidget *start = FrameFixture::control<QWidget>(ui->frame(), focus == QLatin1String("address") ? QStringLiteral("RTB") : focus);
    start->setFocus();
    OpenedPages pages;
    press(keys);
    FrameFixture::flushDeletes();
    QCOMPARE(pages.urls.size(), int(outcome == QLatin1String("page")));
    QCOMPARE(FrameFixture::reportForm(System::Mayan) == nullptr, outcome == QLatin1String("closed"));
    if (outcome == QLatin1String("switches")) {
        const auto choice = QStringLiteral("cmdSelectOption_%1").arg(int(System::Chinese));
        QCOMPARE(QApplication::focusWidget(), FrameFixture::control<QPushButton>(ui->frame(), choice));
        press(keys);
        QCOMPARE(QApplication::focusWidget(), start);
    }
}

void TestKeyboard::enterOnSexFinds_data()
{
    QTest::addColumn<System>("system");
    QTest::addColumn<QString>("option");
    QTest::newRow("Chinese, Male") << System::Chinese << "optSex_0";
    QTest::newRow("Chinese, Female") << System::Chinese << "optSex_1";
    QTest::newRow("All Four Signs, Female") << System::AllFourSigns << "optSex_1";
}

// Enter on the focused sex choice runs the find, as Enter in the name box and the lists does.
void TestKeyboard::enterOnSexFinds()
{
    QFETCH(System, system);
    QFETCH(QString, option);
    QVERIFY(ui->open(system));
    QVERIFY(ui->fill(system, {QStringLiteral("Ann Lee"), QStringLiteral("Female"), 12, 5, 1990}));
    auto *choice = FrameFixture::control<QRadioButton>(FrameFixture::inputForm(system), option);
    choice->setFocus();
    QTRY_VERIFY(choice->hasFocus());
    press(QStringLiteral("Return"));
    QVERIFY(ui->dialogs()->messages.isEmpty());
    const OrvoForm *result = FrameFixture::resultForm(system);
    QVERIFY(result && result->isShownInFrame());
}

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
