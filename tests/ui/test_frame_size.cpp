#include "app/frmMDI.h"
#include "common/program_settings.h"
#include "common/saved_reading.h"
#include "forms/frmUserGuide.h"
#include "forms/orvo_form.h"
#include "ui/frame_fixture.h"
#include "ui/support.h"
#include "widgets/date_list.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QMdiArea>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

using System = systems::System;

// The frame restored smaller than the screen, and the windows and lists it opens.
class TestFrameSize : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QVERIFY(useOwnSettings()); }
    void cleanup() { ui.reset(); }
    void everythingInsideARestoredFrame_data();
    void everythingInsideARestoredFrame();
    void tallResultFitsTheFrame();
    void guideCentredOnTheFrameKeepsItsSize();
    void fileOpenOpensAnyReading();
    void messageBoxHoldsItsTitle();
    void yearListShowsFifteenRows();

private:
    std::unique_ptr<FrameFixture> ui;
};

void TestFrameSize::everythingInsideARestoredFrame_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("800 x 600") << QSize(800, 600);
    QTest::newRow("smallest the frame allows") << QSize(1, 1);
}

// Banner, choices (whole, in reading order), captions and Exit lie in the frame; a system window
// opens at the middle of the frame's window area.
void TestFrameSize::everythingInsideARestoredFrame()
{
    QFETCH(QSize, size);
    ui = std::make_unique<FrameFixture>();
    frmMDI *frame = ui->frame();
    frame->resize(size);
    QTRY_COMPARE(frame->width(), std::max(size.width(), frame->minimumWidth()));
    const auto inside = [frame](const QWidget *widget) {
        const QWidget *area = frame->centralWidget();
        return area->rect().contains(QRect(widget->mapTo(area, QPoint(0, 0)), widget->size()));
    };
    const QWidget *panel = FrameFixture::control<QWidget>(frame, QStringLiteral("picMain"));
    QVERIFY(inside(FrameFixture::control<QLabel>(frame, QStringLiteral("lblVellimorBanner")))
            && inside(FrameFixture::control<QPushButton>(frame, QStringLiteral("cmdMdiExit"))) && inside(panel));
    const QWidget *before = nullptr;
    for (int index : {2, 3, 1, 0, 4, 5}) {
        const QPushButton *choice = FrameFixture::control<QPushButton>(frame, QStringLiteral("cmdSelectOption_%1").arg(index));
        const QPoint at = choice->mapTo(frame, QPoint());
        const QPoint last = before ? before->mapTo(frame, QPoint()) : QPoint();
        QVERIFY(!before || last.y() < at.y() || (last.y() == at.y() && last.x() < at.x()));
        QVERIFY2(inside(choice) && choice->width() >= choice->sizeHint().width(), qPrintable(choice->text()));
        before = choice;
    }
    for (int index = 0; index < 9; ++index) {
        const auto *caption = FrameFixture::control<QLabel>(frame, QStringLiteral("lblCaption_%1").arg(index));
        QVERIFY2(panel->rect().contains(caption->geometry()), qPrintable(caption->text()));
    }

    const QWidget *window = ui->open(System::Mayan)->parentWidget();
    const QWidget *area = FrameFixture::control<QMdiArea>(frame, QStringLiteral("mdiArea"))->viewport();
    QCOMPARE(window->x(), std::max(0, (area->width() - window->width()) / 2));
}

// A frame lower than the Chinese result: the window gives up the height of its scrolling text, not the rows
// of its month or anything under the frame's bottom band.
void TestFrameSize::tallResultFitsTheFrame()
{
    ui = std::make_unique<FrameFixture>();
    frmMDI *frame = ui->frame();
    frame->resize(1024, 800);
    QTRY_COMPARE(frame->size(), QSize(1024, 800));
    OrvoForm *result = ui->reading(System::Chinese, {QStringLiteral("Ann Lee"), QStringLiteral("Female"), 12, 5, 1990});
    QVERIFY(result);
    const QWidget *depth = FrameFixture::control<QWidget>(result, QStringLiteral("txtDepth"));
    const QWidget *area = FrameFixture::control<QMdiArea>(frame, QStringLiteral("mdiArea"))->viewport();
    QVERIFY(result->parentWidget()->height() <= area->height()
            || depth->height() == depth->minimumHeight());
    const QWidget *month = FrameFixture::control<QWidget>(result, QStringLiteral("MV"));
    QVERIFY(month->height() >= month->sizeHint().height());
}

void TestFrameSize::guideCentredOnTheFrameKeepsItsSize()
{
    const QString key = QStringLiteral("userGuide/size");
    programSettings::open()->remove(key);
    for (const QSize expected : {QSize(646, 493), QSize(500, 380)}) {   // first, then as it was left
        ui = std::make_unique<FrameFixture>();
        ui->frame()->setGeometry(20, 10, 760, 580);
        QTRY_COMPARE(ui->frame()->geometry(), QRect(20, 10, 760, 580));
        frmUserGuide *guide = frmUserGuide::showGuide();
        QCOMPARE(guide->size(), expected);
        QCOMPARE(guide->frameGeometry().center(), ui->frame()->frameGeometry().center());
        guide->resize(500, 380);
        ui.reset();   // the program ends
    }
    programSettings::open()->setValue(key, QSize(99999, 99999));
    ui = std::make_unique<FrameFixture>();
    QVERIFY(ui->frame()->screen()->availableGeometry().contains(frmUserGuide::showGuide()->frameGeometry()));
}

void TestFrameSize::fileOpenOpensAnyReading()
{
    QTemporaryDir dir;
    const QStringList files{dir.filePath(QStringLiteral("maya.zod")), dir.filePath(QStringLiteral("ann.str"))};
    QVERIFY(savedReading::writeFile(files[0], {"Maya Test", "March", "15", "1985"}));
    QVERIFY(savedReading::writeFile(files[1], {"Ann Lee", "Male", "12", "May", "1990"}));
    ui = std::make_unique<FrameFixture>();
    ui->dialogs()->fileAnswers = files;
    FrameFixture::control<QAction>(ui->frame(), QStringLiteral("mnuOpen"))->trigger();
    QVERIFY(FrameFixture::resultForm(System::Mayan));
    QCOMPARE(FrameFixture::text(FrameFixture::inputForm(System::Mayan), QStringLiteral("txtName")), "Maya Test");
    // Ctrl+O also while a system window shows its own menu bar.
    QVERIFY(QTest::qWaitForWindowActive(ui->frame()));
    QTest::keyClick(FrameFixture::resultForm(System::Mayan), Qt::Key_O, Qt::ControlModifier);
    QVERIFY(FrameFixture::resultForm(System::Chinese) && !FrameFixture::inputForm(System::Mayan));
    QVERIFY(ui->dialogs()->fileRequests.constLast().filter.startsWith("Orvo Saved Readings (*.str *.zod)"));
    // So do the frame's other choices: Ctrl+4 All Four Signs, Ctrl+2 Two People.
    QTest::keyClick(FrameFixture::resultForm(System::Chinese), Qt::Key_4, Qt::ControlModifier);
    QVERIFY(FrameFixture::inputForm(System::AllFourSigns) && FrameFixture::inputForm(System::AllFourSigns)->isVisible());
    QTest::keyClick(FrameFixture::inputForm(System::AllFourSigns), Qt::Key_2, Qt::ControlModifier);
    QVERIFY(FrameFixture::inputForm(System::TwoPeople) && FrameFixture::inputForm(System::TwoPeople)->isVisible());
}

// A short text must not make the real box narrower than its title, set in bold beside a window
// icon and three buttons.
void TestFrameSize::messageBoxHoldsItsTitle()
{
    // The box shows and returns at once.
    DialogService::current().message(nullptr, QStringLiteral("Please Check The File."), DialogService::Icon::Error);
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    QVERIFY(box);
    const int width = box->width();
    box->accept();
    QFont bold;
    bold.setBold(true);
    const QFontMetrics title(bold);
    QVERIFY(width >= title.horizontalAdvance(QStringLiteral("Orvo Animal Signs Astrology")) + 4 * title.height());
}

void TestFrameSize::yearListShowsFifteenRows()
{
    DateList years(QStringLiteral("cboYear"), QStringLiteral("Year of birth"), nullptr);
    for (int year = 1900; year <= 2100; ++year)
        years.addItem(QString::number(year));
    years.show();
    QTest::keyClicks(&years, QStringLiteral("1985"));
    QCOMPARE(years.currentText(), QStringLiteral("1985"));
    years.showPopup();
    QTRY_COMPARE(years.view()->viewport()->height() / years.view()->sizeHintForRow(0), 15);
}

QTEST_MAIN(TestFrameSize)
#include "test_frame_size.moc"
