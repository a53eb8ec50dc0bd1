#include "app/frmMDI.h"
#include "forms/orvo_form.h"
#include "ui/frame_fixture.h"

#include <QAction>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QMdiArea>
#include <QtTest>

using System = systems::System;

namespace {
// The frame's start-panel caption and choice button of that index, by their objectNames.
QLabel *caption(const QWidget *frame, int index)
{
    return FrameFixture::control<QLabel>(frame, QStringLiteral("lblCaption_%1").arg(index));
}
QPushButton *choice(const QWidget *frame, int index)
{
    return FrameFixture::control<QPushButton>(frame, QStringLiteral("cmdSelectOption_%1").arg(index));
}
}   // namespace

// Choosing a system or the overview, and leaving them: which windows close, which open, and
// when the start panel comes back.
class TestSystemChoice : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void choosingTheOpenSystemAgainStartsEmpty();
    void choiceClosesAnOpenReportAndItsResultForm();
    void allFourSignsChoice_data();
    void allFourSignsChoice();
    void choosingASystemClosesTheOverview();
    void exitEndsEvenWithReportOpen();
    void resultFormTakesItsReportAlong_data();
    void resultFormTakesItsReportAlong();

private:
    // At the top of the frame's window area, in the middle.
    void verifyPlacedAtTopCentre(const OrvoForm *form) const;

    std::unique_ptr<FrameFixture> ui;
    frmMDI *frame = nullptr;
};

void TestSystemChoice::init()
{
    ui = std::make_unique<FrameFixture>();
    frame = ui->frame();
}

void TestSystemChoice::cleanup()
{
    frame = nullptr;
    ui.reset();
}

void TestSystemChoice::verifyPlacedAtTopCentre(const OrvoForm *form) const
{
    const int W = FrameFixture::control<QMdiArea>(frame, QStringLiteral("mdiArea"))->viewport()->width();   // the frame's window area, not the screen
    QCOMPARE(form->parentWidget()->pos(), QPoint((W - form->parentWidget()->width()) / 2, 0));
}

void TestSystemChoice::choosingTheOpenSystemAgainStartsEmpty()
{
    QVERIFY(ui->open(System::Celtic));
    QVERIFY(ui->fill(System::Celtic, {QStringLiteral("ANN LEE"), {}, 0, 6}));
    QVERIFY(ui->open(System::Celtic));
    OrvoForm *fresh = FrameFixture::inputForm(System::Celtic);
    QVERIFY(fresh);
    QVERIFY(FrameFixture::text(fresh, QStringLiteral("txtFName")).isEmpty());
    QCOMPARE(FrameFixture::text(fresh, QStringLiteral("cmbMonth")), QStringLiteral("January"));
    QVERIFY(fresh->isShownInFrame());
    QVERIFY(!frame->isStartPanelVisible());
    verifyPlacedAtTopCentre(fresh);
}

void TestSystemChoice::choiceClosesAnOpenReportAndItsResultForm()
{
    QVERIFY(ui->reading(System::Celtic, {QStringLiteral("ANN LEE")}));
    QVERIFY(ui->report(System::Celtic));
    QVERIFY(ui->open(System::Celtic));
    QVERIFY(!FrameFixture::reportForm(System::Celtic));
    QVERIFY(!FrameFixture::resultForm(System::Celtic));
    QCOMPARE(FrameFixture::loadedForms().size(), 1);
    QVERIFY(FrameFixture::inputForm(System::Celtic));
    QVERIFY(!frame->isStartPanelVisible());
}

void TestSystemChoice::allFourSignsChoice_data()
{
    QTest::addColumn<QString>("route");
    QTest::newRow("button") << QStringLiteral("button");
    QTest::newRow("start panel label") << QStringLiteral("label");
    QTest::newRow("File menu") << QStringLiteral("menu");
}

void TestSystemChoice::allFourSignsChoice()
{
    QFETCH(QString, route);
    QCOMPARE(choice(frame, 4)->text(), QStringLiteral("All Four Signs"));
    QCOMPARE(caption(frame, 7)->text(), QStringLiteral("All Four Signs"));
    QVERIFY(!frame->findChild<QLabel *>(QStringLiteral("imgSystem_4"))->pixmap().isNull());
    // After the four systems: after the last button in reading order, below the last label.
    const QPoint last = choice(frame, 0)->mapTo(frame, QPoint());
    const QPoint overview = choice(frame, 4)->mapTo(frame, QPoint());
    QVERIFY(overview.y() > last.y() || (overview.y() == last.y() && overview.x() > last.x()));
    QVERIFY(FrameFixture::control<QWidget>(frame, QStringLiteral("Picture1"))->rect().contains(choice(frame, 4)->parentWidget()->geometry()));
    QVERIFY(caption(frame, 7)->y() > caption(frame, 3)->y());
    frame->lblCaption_MouseMove(7);
    QVERIFY(caption(frame, 7)->font().underline());

    // A system with its report open: every one of its windows closes first.
    QVERIFY(ui->reading(System::Celtic, {QStringLiteral("ANN LEE")}));
    QVERIFY(ui->report(System::Celtic));
    if (route == QLatin1String("button")) {
        choice(frame, 4)->click();
    } else if (route == QLatin1String("label")) {
        frame->lblCaption_Click(7);   // the panel covers the area only while no window is open
    } else {
        FrameFixture::control<QAction>(frame, QStringLiteral("mnuAllFourSigns"))->trigger();
    }
    FrameFixture::flushDeletes();
    QCOMPARE(FrameFixture::loadedForms().size(), 1);
    OrvoForm *input = FrameFixture::inputForm(System::AllFourSigns);
    QVERIFY(input);
    QVERIFY(input->isShownInFrame());
    QVERIFY(FrameFixture::text(input, QStringLiteral("txtName")).isEmpty());
    QVERIFY(!frame->isStartPanelVisible());
    verifyPlacedAtTopCentre(input);

    // Closing the overview's input form brings the start panel back.
    input->close();
    QVERIFY(!FrameFixture::inputForm(System::AllFourSigns));
    QVERIFY(frame->isStartPanelVisible());
}

void TestSystemChoice::choosingASystemClosesTheOverview()
{
    QVERIFY(ui->reading(System::AllFourSigns, {QStringLiteral("Ann Lee"), {}, 12, 5, 1990}));
    QVERIFY(ui->open(System::Celtic));
    QVERIFY(!FrameFixture::resultForm(System::AllFourSigns));
    QVERIFY(!FrameFixture::inputForm(System::AllFourSigns));
    QCOMPARE(FrameFixture::loadedForms().size(), 1);
    QVERIFY(FrameFixture::inputForm(System::Celtic)->isShownInFrame());
    QVERIFY(!frame->isStartPanelVisible());
}

void TestSystemChoice::exitEndsEvenWithReportOpen()
{
    QVERIFY(ui->reading(System::Celtic, {QStringLiteral("ANN LEE")}));
    QVERIFY(ui->report(System::Celtic));
    QVERIFY(frame->isVisible());
    FrameFixture::control<QPushButton>(frame, QStringLiteral("cmdMdiExit"))->click();
    QVERIFY(!frame->isVisible());
    QVERIFY(FrameFixture::loadedForms().isEmpty());
}

void TestSystemChoice::resultFormTakesItsReportAlong_data()
{
    QTest::addColumn<System>("system");
    QTest::addColumn<bool>("back");
    for (const auto &[name, system] : {std::pair{"Australian", System::Australian}, {"Celtic", System::Celtic},
                                       {"Chinese", System::Chinese}, {"Mayan", System::Mayan}}) {
        QTest::addRow("%s Exit", name) << system << false;
        QTest::addRow("%s Back", name) << system << true;
    }
}

void TestSystemChoice::resultFormTakesItsReportAlong()
{
    QFETCH(System, system);
    QFETCH(bool, back);
    // The result form, its report opened from it, and its File menu entry that closes it.
    Entries person{QStringLiteral("ANN LEE"), {}, 12, 5, 1990};
    if (system == System::Chinese)
        person.sex = QStringLiteral("Female");
    if (system == System::Australian)
        person.day = person.year = 0;
    OrvoForm *result = ui->reading(system, person);
    QVERIFY(result);
    const QPointer<OrvoForm> report = ui->report(system);
    QVERIFY(report);
    QVERIFY(report->isShownInFrame());
    FrameFixture::control<QAction>(result, back ? QStringLiteral("mnuBack") : QStringLiteral("mnuExit"))->trigger();
    // The report goes with its result form and brings nothing back; Back shows the input form.
    QVERIFY(!FrameFixture::loadedForms().contains(report.data()));
    QTRY_VERIFY(report.isNull());
    QVERIFY(!FrameFixture::resultForm(system));
    QList<OrvoForm *> shown = FrameFixture::loadedForms();
    shown.removeIf([](const OrvoForm *form) { return !form->isShownInFrame(); });
    QCOMPARE(shown, back ? QList<OrvoForm *>{FrameFixture::inputForm(system)} : QList<OrvoForm *>{});
    QCOMPARE(frame->isStartPanelVisible(), !back);
}

QTEST_MAIN(TestSystemChoice)
#include "test_system_choice.moc"
