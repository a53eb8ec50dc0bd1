#include "app/frmMDI.h"
#include "forms/orvo_form.h"
#include "ui/frame_fixture.h"
#include "ui/support.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using F = FrameFixture;

// A window closed while one of its handlers has a dialog open (a screen reader presses Exit
// through the accessibility interface, which a modal dialog does not stop) is not destroyed under
// that handler: the dialog closes with it and the program goes on.
class TestClosingUnderDialogs : public FrameTestCase
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY(useOwnSettings()); }
    void windowClosesUnderOpenDialog_data();
    void windowClosesUnderOpenDialog();
};

void TestClosingUnderDialogs::windowClosesUnderOpenDialog_data()
{
    QTest::addColumn<QString>("button");   // of the Chinese input, opening the dialog
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<bool>("frameExit");   // else the window's own close box
    for (const bool frameExit : {false, true}) {
        const char *closing = frameExit ? "frame's Exit pressed" : "window closed";
        QTest::addRow("sex missing box, %s", closing) << "cmdProceed" << "QMessageBox" << frameExit;
        QTest::addRow("Open's file dialog, %s", closing) << "cmdOpen" << "QFileDialog" << frameExit;
    }
}

void TestClosingUnderDialogs::windowClosesUnderOpenDialog()
{
    QFETCH(QString, button);
    QFETCH(QString, dialog);
    QFETCH(bool, frameExit);
    const QPointer<OrvoForm> input = ui->open(systems::System::Chinese);
    QVERIFY(input);
    QVERIFY(ui->fill(systems::System::Chinese, {"Ann Lee", {}, 25, 1, 1985}));
    DialogService::install(nullptr);   // the program's own dialogs
    const auto scripted = qScopeGuard([this] { DialogService::install(dialogs()); });

    // Runs once the dialog shows: inside its event loop where it has one.
    QString seen;
    QTimer closer;
    connect(&closer, &QTimer::timeout, this, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !seen.isEmpty())
            return;
        seen = QString::fromLatin1(modal->metaObject()->className());
        if (frameExit) {
            QAccessibleInterface *exit = QAccessible::queryAccessibleInterface(F::control<QPushButton>(ui->frame(), "cmdMdiExit"));
            exit->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        } else {
            F::closeWindow(input);
        }
        F::flushDeletes();
    });
    closer.start(10);
    QVERIFY(F::click(input, button));
    QTRY_COMPARE(seen, dialog);
    QTRY_VERIFY(!QApplication::activeModalWidget());   // the dialog went with the window
    F::flushDeletes();
    QVERIFY(!input);
    QCOMPARE(ui->frame()->isVisible(), !frameExit);
}

QTEST_MAIN(TestClosingUnderDialogs)
#include "test_closing_under_dialogs.moc"
