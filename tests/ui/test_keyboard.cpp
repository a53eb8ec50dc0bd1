#include "app/frmMDI.h"
#include "forms/orvo_form.h"
#include "ui/frame_fixture.h"
#include "ui/support.h"
#include "widgets/link_label.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QCalendarWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QRadioButton>
#include <QTextCursor>
#include <QTextEdit>
#include <QtTest>

using System = systems::System;

namespace {

// Controls with several focusable parts count as one stop.
QWidget *stopOf(QWidget *widget)
{
    for (QWidget *up = widget; up; up = up->parentWidget()) {
        if (qobject_cast<QComboBox *>(up) || qobject_cast<QCalendarWidget *>(up))
            return up;
    }
    return widget;
}

// Reading order: rows top to bottom (controls overlapping by half their height share a row),
// left to right within a row.
bool readsBefore(const QRect &a, const QRect &b)
{
    const int overlap = std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top());
    return overlap > std::min(a.height(), b.height()) / 2 ? a.left() < b.left() : a.top() < b.top();
}

QRect placeOf(const QWidget *widget, const QWidget *form)
{
    return QRect(widget->mapTo(form, QPoint(0, 0)), widget->size());
}

void press(const QString &keys)
{
    const QKeyCombination key = QKeySequence(keys)[0];
    QTest::keyClick(QApplication::focusWidget(), key.key(), key.keyboardModifiers());
}

// What a window's Alt keys reach: buttons, frame titles, labels with a buddy, menu bar titles.
void addMnemonics(QWidget *widget, QMultiHash<QKeySequence, QString> &keys)
{
    QString text;
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        text = button->text();
    else if (auto *box = qobject_cast<QGroupBox *>(widget))
        text = box->title();
    else if (auto *label = qobject_cast<QLabel *>(widget); label && label->buddy())
        text = label->text();
    if (const QKeySequence key = QKeySequence::mnemonic(text); !key.isEmpty() && widget->isVisible())
        keys.insert(key, widget->objectName());
}

// The clashes among the Alt keys of the frame's own controls, its menu bar and the child window
// (the Alt keys of a child window work only while it has the focus): "Alt+F: &File,cmdProceed".
QStringList mnemonicClashes(frmMDI *frame, QWidget *child = nullptr)
{
    QMultiHash<QKeySequence, QString> keys;
    for (QWidget *widget : frame->findChildren<QWidget *>()) {
        if (!frame->mdiArea->isAncestorOf(widget) || (child && child->isAncestorOf(widget)))
            addMnemonics(widget, keys);
    }
    for (QAction *title : frame->menuBar()->actions())
        keys.insert(QKeySequence::mnemonic(title->text()), title->text());
    QStringList clashes;
    for (const QKeySequence &key : keys.uniqueKeys()) {
        if (!key.isEmpty() && keys.count(key) > 1)
            clashes << key.toString() + QStringLiteral(": ") + QStringList(keys.values(key)).join(u',');
    }
    return clashes;
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void everyWindowSaysWhichItIs_data();
    void everyWindowSaysWhichItIs();
    void tabFollowsTheScreen_data();
    void tabFollowsTheScreen();
    void paneKeys_data();
    void paneKeys();
    void reportKeys_data();
    void reportKeys();

private:
    std::unique_ptr<FrameFixture> ui;
};

void TestKeyboard::init()
{
    ui = std::make_unique<FrameFixture>();
    QVERIFY(QTest::qWaitForWindowActive(ui->frame()));
}

void TestKeyboard::cleanup()
{
    ui.reset();
}

void TestKeyboard::everyWindowSaysWhichItIs_data()
{
    QTest::addColumn<System>("system");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Australian") << System::Australian << "Orvo Australian Astrology";
    QTest::newRow("Celtic") << System::Celtic << "Orvo Celtic Animal Birth Sign";
    QTest::newRow("Chinese") << System::Chinese << "Orvo Chinese Zodiac Software";
    QTest::newRow("Mayan") << System::Mayan << "Orvo Mayan Animal Sign";
    QTest::newRow("All Four Signs") << System::AllFourSigns << "Orvo All Four Signs";
}

// Each window as it opens: announced by a title that says which window it is, its Alt keys unique.
void TestKeyboard::everyWindowSaysWhichItIs()
{
    QFETCH(System, system);
    QFETCH(QString, caption);
    QVERIFY2(mnemonicClashes(ui->frame()).isEmpty(), qPrintable(mnemonicClashes(ui->frame()).join(u';')));
    const auto check = [&](OrvoForm *form, const QString &kind) {
        QVERIFY2(form, qPrintable(kind));
        auto *sub = qobject_cast<QMdiSubWindow *>(form->parentWidget());
        QVERIFY(sub && sub->isVisible());
        QCOMPARE(QAccessible::queryAccessibleInterface(sub)->text(QAccessible::Name),
                 caption + QStringLiteral(" \u2014 ") + kind);
        QVERIFY2(mnemonicClashes(ui->frame(), form).isEmpty(), qPrintable(mnemonicClashes(ui->frame(), form).join(u';')));
    };
    check(ui->open(system), QStringLiteral("Input"));
    const bool dated = system != System::Australian;
    const bool sexed = system == System::Chinese || system == System::AllFourSigns;
    QVERIFY(ui->fill(system, {QStringLiteral("Ann Lee"), sexed ? QStringLiteral("Female") : QString(), dated ? 12 : 0, 5,
                              dated ? 1990 : 0}));
    check(ui->find(system), QStringLiteral("Result"));
    if (system != System::AllFourSigns)
        check(ui->report(system), QStringLiteral("Report"));
}

void TestKeyboard::tabFollowsTheScreen_data()
{
    QTest::addColumn<System>("system");
    QTest::newRow("Australian") << System::Australian;
    QTest::newRow("Celtic") << System::Celtic;
    QTest::newRow("Chinese") << System::Chinese;
    QTest::newRow("Mayan") << System::Mayan;
    QTest::newRow("All Four Signs") << System::AllFourSigns;
    QTest::newRow("Two People") << System::TwoPeople;
}

// Tab from the first control visits every control in reading order (of a group of options only
// the chosen one), and every link it reaches opens its page with Enter.
void TestKeyboard::tabFollowsTheScreen()
{
    QFETCH(System, system);
    OrvoForm *input = ui->open(system);
    QVERIFY(input);
    QList<QWidget *> stops;
    for (QWidget *widget : input->findChildren<QWidget *>()) {
        if (stopOf(widget) == widget && (widget->focusPolicy() & Qt::TabFocus) && widget->isVisible()
            && widget->isEnabled())
            stops << widget;
    }
    std::sort(stops.begin(), stops.end(),
              [input](QWidget *a, QWidget *b) { return readsBefore(placeOf(a, input), placeOf(b, input)); });
    OpenedPages pages;
    QStringList expected, visited;
    int links = 0;
    stops.first()->setFocus(Qt::TabFocusReason);
    for (QWidget *focus = stops.first(); input->isAncestorOf(focus) && visited.size() < 40;) {
        if (auto *link = qobject_cast<LinkLabel *>(focus)) {
            QTest::keyClick(link, ++links % 2 ? Qt::Key_Return : Qt::Key_Space);
            QCOMPARE(pages.urls.size(), links);
        }
        visited << focus->objectName();
        press(QStringLiteral("Tab"));
        focus = stopOf(QApplication::focusWidget());
        if (focus == stops.first())
            break;
    }
    for (QWidget *stop : stops) {
        if (!qobject_cast<QRadioButton *>(stop) || visited.contains(stop->objectName()))
            expected << stop->objectName();
    }
    QCOMPARE(visited, expected);
}

void TestKeyboard::paneKeys_data()
{
    QTest::addColumn<QString>("keys");
    QTest::newRow("F6") << "F6";
    QTest::newRow("Shift+F6") << "Shift+F6";
    QTest::newRow("Ctrl+Tab") << "Ctrl+Tab";
    QTest::newRow("Ctrl+Shift+Tab") << "Ctrl+Shift+Backtab";
}

// From a child window to the frame's choices and back to where the child's focus was.
void TestKeyboard::paneKeys()
{
    QFETCH(QString, keys);
    OrvoForm *input = ui->open(System::Chinese);
    auto *name = FrameFixture::control<QLineEdit>(input, QStringLiteral("txtName"));
    name->setFocus();
    press(keys);
    QCOMPARE(QApplication::focusWidget(), ui->frame()->cmdSelectOption[int(System::Chinese)]);
    press(keys);
    QCOMPARE(QApplication::focusWidget(), name);
}

void TestKeyboard::reportKeys_data()
{
    QTest::addColumn<QString>("focus");   // objectName, or "address": the caret before the web address
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("opensPage");
    QTest::newRow("Ctrl+W closes") << "RTB" << "Ctrl+W" << true << false;
    QTest::newRow("Ctrl+F4 closes") << "RTB" << "Ctrl+F4" << true << false;
    QTest::newRow("Enter on Close closes") << "cmdClose" << "Return" << true << false;
    QTest::newRow("Enter on the address opens it") << "address" << "Return" << false << true;
    QTest::newRow("Enter on plain text opens nothing") << "RTB" << "Return" << false << false;
}

void TestKeyboard::reportKeys()
{
    QFETCH(QString, focus);
    QFETCH(QString, keys);
    QFETCH(bool, closes);
    QFETCH(bool, opensPage);
    QVERIFY(ui->reading(System::Mayan, {QStringLiteral("Ann Lee"), {}, 12, 5, 1990}));
    OrvoForm *report = ui->report(System::Mayan);
    QVERIFY(report);
    auto *box = FrameFixture::control<QTextEdit>(report, QStringLiteral("RTB"));
    if (focus == QLatin1String("address")) {
        QTextCursor caret = box->textCursor();
        caret.setPosition(int(box->toPlainText().indexOf(QLatin1String("http"))));
        box->setTextCursor(caret);
    }
    FrameFixture::control<QWidget>(report, focus == QLatin1String("address") ? QStringLiteral("RTB") : focus)->setFocus();
    OpenedPages pages;
    press(keys);
    FrameFixture::flushDeletes();
    QCOMPARE(FrameFixture::reportForm(System::Mayan) == nullptr, closes);
    QCOMPARE(pages.urls.size(), opensPage ? 1 : 0);
}

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
