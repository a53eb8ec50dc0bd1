#include "app/frmMDI.h"
#include "ui/frame_fixture.h"
#include "widgets/link_label.h"

#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

using System = systems::System;

// The frame's strips and the start panel: what it shows, and where its labels lead.
class TestStartPanel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void stripsAndStartPanel();
    void welcomeLabelsCloseEverything_data();
    void welcomeLabelsCloseEverything();
    void systemLabelOpensInputForm();
    void hoverUnderline();

private:
    std::unique_ptr<FrameFixture> ui;
    frmMDI *frame = nullptr;
};

void TestStartPanel::init()
{
    ui = std::make_unique<FrameFixture>();
    frame = ui->frame();
}

void TestStartPanel::cleanup()
{
    frame = nullptr;
    ui.reset();
}

void TestStartPanel::stripsAndStartPanel()
{
    QCOMPARE(frame->windowTitle(), QStringLiteral("Orvo Animal Signs Astrology v1.20"));
    QCOMPARE(frame->mdiArea->background().color(), QColor(Qt::black));
    QCOMPARE(frame->picMain->palette().color(QPalette::Window), QColor(Qt::black));
    // The frame's black stays in the frame: windows opened inside keep their own colours.
    QVERIFY(frame->centralWidget()->palette().color(QPalette::Window) != QColor(Qt::black));
    QCOMPARE(frame->Picture6->palette().color(QPalette::Window), QColor(192, 192, 255));
    QCOMPARE(frame->PicCoBrand->palette().color(QPalette::Window), QColor(192, 192, 255));
    const QStringList captions = {QStringLiteral("Australian Astrology"), QStringLiteral("Celtic Animal Birth Sign"),
                                  QStringLiteral("Chinese Zodiac"), QStringLiteral("Mayan Animal Sign")};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(frame->cmdSelectOption[i]->text(), captions[i]);
        QCOMPARE(frame->lblCaption[i + 3]->text(), captions[i]);
    }
    // In reading order (left to right, row after row where the frame is narrow): Chinese, Mayan,
    // Celtic, Australian.
    const auto readsBefore = [this](const QWidget *a, const QWidget *b) {
        const QPoint p = a->mapTo(frame, QPoint());
        const QPoint q = b->mapTo(frame, QPoint());
        return p.y() < q.y() || (p.y() == q.y() && p.x() < q.x());
    };
    QVERIFY(readsBefore(frame->cmdSelectOption[2], frame->cmdSelectOption[3]));
    QVERIFY(readsBefore(frame->cmdSelectOption[3], frame->cmdSelectOption[1]));
    QVERIFY(readsBefore(frame->cmdSelectOption[1], frame->cmdSelectOption[0]));
    QCOMPARE(frame->lblCaption[0]->text(), QStringLiteral("Welcome to Orvo Animal Signs Astrology"));
    QCOMPARE(frame->lblCaption[5]->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    QCOMPARE(frame->lblCaption[3]->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    QCOMPARE(frame->lblCaption[1]->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(frame->cmdMdiExit->text(), QStringLiteral("&Exit"));
    QVERIFY(frame->Label7->text().startsWith(QLatin1String("Home Business Opportunity.")));
    QVERIFY(frame->isStartPanelVisible());
    // Top to bottom: Chinese, Mayan, Celtic, Australian.
    QVERIFY(frame->lblCaption[5]->y() < frame->lblCaption[6]->y());
    QVERIFY(frame->lblCaption[6]->y() < frame->lblCaption[4]->y());
    QVERIFY(frame->lblCaption[4]->y() < frame->lblCaption[3]->y());
    QVERIFY(!frame->mkmoney->isVisible());
}

void TestStartPanel::welcomeLabelsCloseEverything_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("welcome") << 0;
    QTest::newRow("introduction") << 1;
    QTest::newRow("includes the following programs") << 2;
}

void TestStartPanel::welcomeLabelsCloseEverything()
{
    QFETCH(int, index);
    QVERIFY(ui->reading(System::Celtic, {QStringLiteral("ANN LEE")}));
    QVERIFY(ui->report(System::Celtic));
    frame->lblCaption_Click(index);   // the panel covers the area only while no window is open
    QVERIFY(FrameFixture::loadedForms().isEmpty());
    QVERIFY(frame->isStartPanelVisible());
}

void TestStartPanel::systemLabelOpensInputForm()
{
    QTest::mouseClick(frame->lblCaption[4], Qt::LeftButton);
    QVERIFY(FrameFixture::inputForm(System::Celtic));
    QVERIFY(!frame->isStartPanelVisible());
}

void TestStartPanel::hoverUnderline()
{
    frame->lblCaption_MouseMove(5);
    QVERIFY(frame->lblCaption[5]->font().underline());
    frame->lblCaption_MouseMove(6);
    QVERIFY(frame->lblCaption[6]->font().underline());
    QVERIFY(frame->lblCaption[5]->font().underline());   // until the mouse crosses the background
    frame->lblCaption_MouseMove(0);
    QVERIFY(!frame->lblCaption[0]->font().underline());
    frame->picMain_MouseMove();
    for (QLabel *label : frame->lblCaption)
        QVERIFY(!label->font().underline());
    // The same through real mouse events: over a system label, then over the background.
    auto moveOver = [](QWidget *widget) {
        QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), widget->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    };
    moveOver(frame->lblCaption[3]);
    QVERIFY(frame->lblCaption[3]->font().underline());
    moveOver(frame->picMain);
    QVERIFY(!frame->lblCaption[3]->font().underline());
}

QTEST_MAIN(TestStartPanel)
#include "test_start_panel.moc"
