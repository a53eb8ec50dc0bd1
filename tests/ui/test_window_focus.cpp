// The focus is placed once, when a window opens or comes back, on the control the user meets
// first there: no other control (of that window, of the one it replaces, or of a window out of
// sight) takes the focus on the way, as a screen reader would announce each one.
#include "app/frmMDI.h"
#include "forms/orvo_form.h"
#include "ui/frame_fixture.h"
#include "ui/support.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using systems::System;

class TestWindowFocus : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void focusLandsOnceWhereTheUserStarts_data();
    void focusLandsOnceWhereTheUserStarts();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn && watched->isWidgetType())
            m_focused << watched->objectName();
        return false;
    }

private:
    // The controls that took the focus since the last call.
    QStringList focused() { return std::exchange(m_focused, {}); }

    QStringList m_focused;
};

void TestWindowFocus::focusLandsOnceWhereTheUserStarts_data()
{
    QTest::addColumn<System>("system");
    QTest::addColumn<Entries>("person");
    QTest::addColumn<QString>("firstField");
    QTest::addColumn<QString>("sign");
    QTest::newRow("Celtic") << System::Celtic << Entries{"ANN LEE", {}, 12, 5, 1990} << "txtFName" << "lblCelticBirthAnimalSign";
    QTest::newRow("Chinese") << System::Chinese << Entries{"Ann Lee", "Female", 12, 5, 1990} << "txtName" << "lblChineseSign";
    QTest::newRow("Mayan") << System::Mayan << Entries{"Ann Lee", {}, 12, 5, 1990} << "txtName" << "lblResult_0";
    QTest::newRow("Australian") << System::Australian << Entries{"Ann Lee", {}, 0, 5, 0} << "txtName" << "lblResult_0";
    QTest::newRow("All Four Signs") << System::AllFourSigns << Entries{"Ann Lee", {}, 12, 5, 1990} << "txtName" << "lblSign_2";
    QTest::newRow("Two People") << System::TwoPeople << Entries{} << "txtName_0" << "lblSign_0";
}

void TestWindowFocus::focusLandsOnceWhereTheUserStarts()
{
    QFETCH(System, system);
    QFETCH(Entries, person);
    QFETCH(QString, firstField);
    QFETCH(QString, sign);
    FrameFixture ui;
    ui.frame()->activateWindow();
    QTRY_VERIFY(ui.frame()->isActiveWindow());
    qApp->installEventFilter(this);
    QVERIFY(FrameFixture::click(ui.frame(), QStringLiteral("cmdSelectOption_%1").arg(int(system))));
    focused();   // the choice itself, clicked
    QVERIFY(ui.open(system));
    QCOMPARE(focused(), QStringList{firstField});
    if (system == System::TwoPeople) {   // two of everything: the fixture fills one person
        for (const char *name : {"txtName_0", "txtName_1"})
            FrameFixture::control<QLineEdit>(FrameFixture::inputForm(system), QLatin1String(name))->setText("Ann");
        for (const char *name : {"cboDate_0", "cboMonth_0", "cboYear_0", "cboDate_1", "cboMonth_1", "cboYear_1"})
            FrameFixture::control<QComboBox>(FrameFixture::inputForm(system), QLatin1String(name))->setCurrentIndex(4);
    } else {
        QVERIFY(ui.fill(system, person));
    }
    OrvoForm *result = ui.find(system);
    QVERIFY(result);
    QCOMPARE(focused(), QStringList{sign});
    // Back: the input as it was left, on its first field.
    QVERIFY(FrameFixture::click(result, QStringLiteral("cmdBack")));
    QCOMPARE(focused(), QStringList{firstField});
    // A system closed: back on the choice that opened it.
    result = ui.find(system);
    focused();
    FrameFixture::control<QAction>(result, QStringLiteral("mnuExit"))->trigger();
    QVERIFY(ui.frame()->isStartPanelVisible());
    QCOMPARE(QApplication::focusWidget(), FrameFixture::control<QPushButton>(ui.frame(), QStringLiteral("cmdSelectOption_%1").arg(int(system))));
    qApp->removeEventFilter(this);
}

QTEST_MAIN(TestWindowFocus)
#include "test_window_focus.moc"
