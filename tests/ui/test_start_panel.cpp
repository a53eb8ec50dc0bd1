#include "app/frmMDI.h"
#include "ui/frame_fixture.h"
#include "widgets/link_label.h"

#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
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
    QCOMPARE(FrameFixture::control<QMdiArea>(frame, QStringLiteral("mdiArea"))->background().color(), QColor(Qt::black));
    QCOMPARE(FrameFixture::control<QWidget>(frame, QStringLiteral("picMain"))->palette().color(QPalette::Window), QColor(Qt::black));
    // The frame's black stays in the frame: windows opened inside keep their own colours.
    QVERIFY(frame->centralWidget()->palette().color(QPalette::Window) != QColor(Qt::black));
    QCOMPARE(FrameFixture::control<QWidget>(frame, QStringLiteral("Picture6"))->palette().color(QPalette::Window), QColor(192, 192, 255));
    QCOMPARE(FrameFixture::control<QWidget>(frame, QStringLiteral("PicCoBrand"))->palette().color(QPalette::Window), QColor(192, 192, 255));
    const QStringList captions = {QStringLiteral("Australian Astrology"), QStringLiteral("Celtic Animal Birth Sign"),
                                  QStringLiteral("Chinese Zodiac"), QStringLiteral("Mayan Animal Sign")};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(choice(frame, i)->text(), captions[i]);
        QCOMPARE(caption(frame, i + 3)->text(), captions[i]);
    }
    // In reading order (left to right, row after row where the frame is narrow): Chinese, Mayan,
    // Celtic, Australian.
    const auto readsBefore = [this](const QWidget *a, const QWidget *b) {
        const QPoint p = a->mapTo(frame, QPoint());
        const QPoint q = b->mapTo(frame, QPoint());
        return p.y() < q.y() || (p.y() == q.y() && p.x() < q.x());
    };
    QVERIFY(readsBefore(choice(frame, 2), choice(frame, 3)));
    QVERIFY(readsBefore(choice(frame, 3), choice(frame, 1)));
    QVERIFY(readsBefore(choice(frame, 1), choice(frame, 0)));
    QCOMPARE(caption(frame, 0)->text(), QStringLiteral("Welcome to Orvo Animal Signs Astrology"));
    QCOMPARE(caption(frame, 5)->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    QCOMPARE(caption(frame, 3)->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    QCOMPARE(caption(frame, 1)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(FrameFixture::control<QPushButton>(frame, QStringLiteral("cmdMdiExit"))->text(), QStringLiteral("&Exit"));
    QVERIFY(FrameFixture::control<LinkLabel>(frame, QStringLiteral("Label7"))->text().startsWith(QLatin1String("Home Business Opportunity.")));
    QVERIFY(frame->isStartPanelVisible());
    // Top to bottom: Chinese, Mayan, Celtic, Australian.
    QVERIFY(caption(frame, 5)->y() < caption(frame, 6)->y());
    QVERIFY(caption(frame, 6)->y() < caption(frame, 4)->y());
    QVERIFY(caption(frame, 4)->y() < caption(frame, 3)->y());
    QVERIFY(!FrameFixture::control<QAction>(frame, QStringLiteral("mkmoney"))->isVisible());
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
    QTest::mouseClick(caption(frame, 4), Qt::LeftButton);
    QVERIFY(FrameFixture::inputForm(System::Celtic));
    QVERIFY(!frame->isStartPanelVisible());
}

void TestStartPanel::hoverUnderline()
{
    frame->lblCaption_MouseMove(5);
    QVERIFY(caption(frame, 5)->font().underline());
    frame->lblCaption_MouseMove(6);
    QVERIFY(caption(frame, 6)->font().underline());
    QVERIFY(caption(frame, 5)->font().underline());   // until the mouse crosses the background
    frame->lblCaption_MouseMove(0);
    QVERIFY(!caption(frame, 0)->font().underline());
    frame->picMain_MouseMove();
    for (int index = 0; index < 9; ++index)
        QVERIFY(!caption(frame, index)->font().underline());
    // The same through real mouse events: over a system label, then over the background.
    auto moveOver = [](QWidget *widget) {
        QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), widget->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    };
    moveOver(caption(frame, 3));
    QVERIFY(caption(frame, 3)->font().underline());
    moveOver(FrameFixture::control<QWidget>(frame, QStringLiteral("picMain")));
    QVERIFY(!caption(frame, 3)->font().underline());
}

QTEST_MAIN(TestStartPanel)
#include "test_start_panel.moc"
