#include "app/frmMDI.h"
#include "forms/orvo_form.h"
#include "ui/frame_fixture.h"
#include "ui/support.h"

#include <QAccessible>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using System = systems::System;
using F = FrameFixture;

namespace {

// What is open over the Chinese input when its window closes.
enum class Open { MessageBox, FileDialog };
// How the window closes: its own close box, or the frame's Exit pressed as a screen reader
// presses it (an action through the accessibility interface, which a modal dialog does not stop).
enum class Closing { WindowCloseBox, FrameExitPressed };

} // namespace

// A window closed while one of its handlers has a dialog open must not be destroyed under that
// handler: the dialog closes with it, and the program goes on.
class TestClosingUnderDialogs : public FrameTestCase
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void windowClosesUnderOpenDialog_data();
    void windowClosesUnderOpenDialog();
};

void TestClosingUnderDialogs::initTestCase()
{
    QVERIFY(useOwnSettings());
}

void TestClosingUnderDialogs::windowClosesUnderOpenDialog_data()
{
    QTest::addColumn<Open>("open");
    QTest::addColumn<Closing>("closing");
    QTest::newRow("sex missing box, window closed") << Open::MessageBox << Closing::WindowCloseBox;
    QTest::newRow("sex missing box, frame's Exit pressed") << Open::MessageBox << Closing::FrameExitPressed;
    QTest::newRow("Open's file dialog, window closed") << Open::FileDialog << Closing::WindowCloseBox;
    QTest::newRow("Open's file dialog, frame's Exit pressed") << Open::FileDialog << Closing::FrameExitPressed;
}

void TestClosingUnderDialogs::windowClosesUnderOpenDialog()
{
    QFETCH(Open, open);
    QFETCH(Closing, closing);
    OrvoForm *input = ui->open(System::Chinese);
    QVERIFY(input);
    QVERIFY(ui->fill(System::Chinese, {"Ann Lee", {}, 25, 1, 1985}));
    const QPointer<OrvoForm> watched(input);

    // The program's own dialogs, as the user sees them.
    DialogService::install(nullptr);
    const auto scripted = qScopeGuard([this] { DialogService::install(dialogs()); });

    // Runs once the dialog shows: inside its event loop where it has one.
    QString seen;
    bool closed = false;
    QTimer closer;
    closer.setInterval(10);
    connect(&closer, &QTimer::timeout, this, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog || closed)
            return;
        seen = QString::fromLatin1(dialog->metaObject()->className());
        closed = true;
        if (closing == Closing::WindowCloseBox) {
            F::closeWindow(input);
        } else {
            QAccessibleInterface *exit = QAccessible::queryAccessibleInterface(
                F::control<QPushButton>(ui->frame(), "cmdMdiExit"));
            exit->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        }
        F::flushDeletes();
    });
    closer.start();
    QVERIFY(F::click(input, open == Open::MessageBox ? "cmdProceed" : "cmdOpen"));

    QTRY_VERIFY(closed);
    QCOMPARE(seen, open == Open::MessageBox ? "QMessageBox" : "QFileDialog");
    // The dialog went with the window; the window is destroyed once the handler is done.
    QTRY_VERIFY(!QApplication::activeModalWidget());
    F::flushDeletes();
    QVERIFY(!watched);
    QVERIFY(!F::inputForm(System::Chinese));
    closer.stop();

    // The frame's Exit ends the program; after the window's own close it goes on: the system
    // opens again, and a message of it waits for no answer.
    if (closing == Closing::FrameExitPressed) {
        QVERIFY(!ui->frame()->isVisible());
        return;
    }
    input = ui->open(System::Chinese);
    QVERIFY(input);
    QVERIFY(F::click(input, "cmdProceed"));
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    QVERIFY(box);
    QCOMPARE(box->text(), "Please Enter Your Name");
    box->accept();
    QTRY_VERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(TestClosingUnderDialogs)
#include "test_closing_under_dialogs.moc"
