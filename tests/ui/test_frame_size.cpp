#include "app/frmMDI.h"
#include "common/calendar_lists.h"
#include "common/program_settings.h"
#include "common/program_texts.h"
#include "common/saved_reading.h"
#include "forms/frmUserGuide.h"
#include "forms/orvo_form.h"
#include "ui/frame_fixture.h"
#include "ui/support.h"
#include "widgets/date_list.h"

#include <QAbstractItemView>
#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

using System = systems::System;

// The frame and the windows it opens on a screen much larger than the frame, as where a user
// restored the frame to a small size.
class TestFrameSize : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void everythingInsideARestoredFrame_data();
    void everythingInsideARestoredFrame();
    void guideCentredOnTheFrameKeepsItsSize_data();
    void guideCentredOnTheFrameKeepsItsSize();
    void fileOpenOpensAnyReading_data();
    void fileOpenOpensAnyReading();
    void messageBoxHoldsItsTitle();
    void yearListShowsFifteenRowsAndFollowsTyping();

private:
    std::unique_ptr<FrameFixture> ui;
    QTemporaryDir dir;
};

namespace {

// The widget's rectangle in the coordinates of ancestor.
QRect within(const QWidget *widget, const QWidget *ancestor)
{
    return QRect(widget->mapTo(ancestor, QPoint(0, 0)), widget->size());
}

QString describe(const QWidget *widget, const QRect &rect)
{
    return QStringLiteral("%1 at %2,%3 %4x%5")
        .arg(widget->objectName())
        .arg(rect.x())
        .arg(rect.y())
        .arg(rect.width())
        .arg(rect.height());
}

} // namespace

void TestFrameSize::initTestCase()
{
    QVERIFY(useOwnSettings());
    QVERIFY(dir.isValid());
    QCOMPARE(QGuiApplication::primaryScreen()->geometry().size(), QSize(1600, 1000));
}

void TestFrameSize::cleanup()
{
    ui.reset();
}

void TestFrameSize::everythingInsideARestoredFrame_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("800 x 600") << QSize(800, 600);
    QTest::newRow("smallest the frame allows") << QSize(1, 1);
    QTest::newRow("1024 x 768") << QSize(1024, 768);
}

// Banner, choices, captions and Exit lie whole in the frame, the choices in reading order and
// apart; a system window opens at the middle of the frame's window area.
void TestFrameSize::everythingInsideARestoredFrame()
{
    QFETCH(QSize, size);
    ui = std::make_unique<FrameFixture>();
    frmMDI *frame = ui->frame();
    frame->showNormal();
    frame->resize(size);
    QTRY_VERIFY(frame->width() < 1100 && frame->width() >= std::min(size.width(), frame->minimumWidth()));
    QVERIFY(frame->height() <= 1000);
    QTest::qWait(0);   // the layout settles

    const QWidget *central = frame->centralWidget();
    QList<QWidget *> whole{frame->lblVellimorBanner, frame->cmdMdiExit};
    QList<QPushButton *> choices;
    for (const char *name : {"cmdSelectOption_2", "cmdSelectOption_3", "cmdSelectOption_1", "cmdSelectOption_0",
                             "cmdSelectOption_4"})
        choices.append(FrameFixture::control<QPushButton>(frame, QLatin1String(name)));
    for (QPushButton *choice : std::as_const(choices)) {
        whole.append(choice);
        QVERIFY2(choice->width() >= choice->sizeHint().width(), qPrintable(choice->text()));
    }
    for (QWidget *widget : std::as_const(whole)) {
        const QRect rect = within(widget, central);
        QVERIFY2(central->rect().contains(rect), qPrintable(describe(widget, rect)));
    }
    for (qsizetype i = 1; i < choices.size(); ++i) {
        const QRect before = within(choices[i - 1], central);
        const QRect after = within(choices[i], central);
        const bool sameRow = after.top() == before.top();
        QVERIFY2(sameRow ? after.left() > before.right() + 20 : after.top() > before.bottom(),
                 qPrintable(describe(choices[i], after)));
    }
    for (const QLabel *caption : frame->lblCaption) {
        const QRect rect = within(caption, frame->picMain);
        QVERIFY2(frame->picMain->rect().contains(rect), qPrintable(describe(caption, rect)));
    }

    QVERIFY(ui->open(System::Mayan));
    const QWidget *window = FrameFixture::inputForm(System::Mayan)->parentWidget();
    const int room = frame->mdiArea->viewport()->width();
    QCOMPARE(window->x(), std::max(0, (room - window->width()) / 2));
}

void TestFrameSize::guideCentredOnTheFrameKeepsItsSize_data()
{
    QTest::addColumn<QVariant>("kept");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("first start") << QVariant() << QSize(640, 560);
    QTest::newRow("kept size") << QVariant(QSize(500, 380)) << QSize(500, 380);
    QTest::newRow("kept size larger than the screen") << QVariant(QSize(99999, 99999)) << QSize();
    QTest::newRow("damaged size") << QVariant(QStringLiteral("500x380")) << QSize(640, 560);
    QTest::newRow("negative size") << QVariant(QSize(-5, 300)) << QSize(640, 560);
}

void TestFrameSize::guideCentredOnTheFrameKeepsItsSize()
{
    QFETCH(QVariant, kept);
    QFETCH(QSize, expected);
    const QString key = QStringLiteral("userGuide/size");
    if (kept.isValid())
        programSettings::open()->setValue(key, kept);
    else
        programSettings::open()->remove(key);
    ui = std::make_unique<FrameFixture>();
    frmMDI *frame = ui->frame();
    frame->showNormal();
    frame->setGeometry(200, 150, 900, 700);
    QTRY_COMPARE(frame->geometry(), QRect(200, 150, 900, 700));

    frmUserGuide *guide = frmUserGuide::showGuide();
    if (expected.isValid()) {
        QCOMPARE(guide->size(), expected);
        const QPoint offset = guide->frameGeometry().center() - frame->frameGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 1, qPrintable(QStringLiteral("%1,%2").arg(offset.x()).arg(offset.y())));
    } else {   // as large as the screen holds
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(screen.contains(guide->frameGeometry()));
        QVERIFY(guide->width() >= screen.width() - 50 && guide->height() >= screen.height() - 50);
    }

    guide->resize(520, 410);
    ui.reset();   // the program ends
    QVERIFY(!frmUserGuide::instance());
    QCOMPARE(programSettings::open()->value(key).toSize(), QSize(520, 410));
}

void TestFrameSize::fileOpenOpensAnyReading_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<System>("system");   // where it opens; AllFourSigns: nowhere
    QTest::addColumn<bool>("byKey");     // Ctrl+O over an open system window rather than the menu
    const QStringList mayan{"Maya Test", "March", "15", "1985"};
    QTest::newRow("Mayan .zod") << "maya.zod" << mayan << System::Mayan << false;
    QTest::newRow("Australian .zod") << "oz.zod" << QStringList{"Oz Test", "July"} << System::Australian << false;
    QTest::newRow("Chinese .str by Ctrl+O")
        << "ann.str" << QStringList{"Ann Lee", "Male", "12", "May", "1990"} << System::Chinese << true;
    QTest::newRow("another extension") << "maya.txt" << mayan << System::AllFourSigns << false;
    QTest::newRow("cancelled") << QString() << QStringList() << System::AllFourSigns << false;
}

void TestFrameSize::fileOpenOpensAnyReading()
{
    QFETCH(QString, fileName);
    QFETCH(QStringList, fields);
    QFETCH(System, system);
    QFETCH(bool, byKey);
    ui = std::make_unique<FrameFixture>();
    frmMDI *frame = ui->frame();
    const QString file = fileName.isEmpty() ? QString() : dir.filePath(fileName);
    if (!file.isEmpty())
        QVERIFY(savedReading::writeFile(file, fields));
    ui->dialogs()->fileAnswers = {file};

    auto *open = FrameFixture::control<QAction>(frame, QStringLiteral("mnuOpen"));
    QCOMPARE(open->shortcut(), QKeySequence(QKeySequence::Open));
    if (byKey) {
        QVERIFY(ui->open(System::Celtic));
        QVERIFY(QTest::qWaitForWindowActive(frame));
        QTest::keyClick(FrameFixture::inputForm(System::Celtic), Qt::Key_O, Qt::ControlModifier);
    } else {
        open->trigger();
    }

    QCOMPARE(ui->dialogs()->fileRequests.size(), 1);
    const QString filter = ui->dialogs()->fileRequests.constFirst().filter;
    QVERIFY2(filter.startsWith(QLatin1String("Orvo Saved Readings (*.str *.zod)")), qPrintable(filter));
    const bool opens = system != System::AllFourSigns;
    QCOMPARE(ui->dialogs()->messageTexts(),
             opens || fileName.isEmpty() ? QStringList() : QStringList{texts::checkTheFile()});
    for (const System each : {System::Australian, System::Chinese, System::Mayan}) {
        const OrvoForm *result = FrameFixture::resultForm(each);
        QCOMPARE(result && result->isShownInFrame(), each == system);
    }
    if (opens)
        QCOMPARE(FrameFixture::text(FrameFixture::inputForm(system), QStringLiteral("txtName")), fields.constFirst());
    else
        QCOMPARE(frame->isStartPanelVisible(), !byKey);
}

// The real message box: a short text must not make it narrower than its title, which the
// window manager would then cut.
void TestFrameSize::messageBoxHoldsItsTitle()
{
    QFont font;
    int width = 0;
    QTimer watch;
    connect(&watch, &QTimer::timeout, this, [&font, &width] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()); box && box->isVisible()) {
            font = box->font();
            width = box->width();
            box->accept();
        }
    });
    watch.start(10);
    DialogService::current().message(nullptr, texts::checkTheFile(), DialogService::Icon::Error);
    QVERIFY(width > 0);
    QFont bold = font;
    bold.setBold(true);
    const QFontMetrics title(bold);
    // The title in bold, beside a window icon and three buttons of about the text's height each.
    QVERIFY2(width >= title.horizontalAdvance(texts::programTitle()) + 4 * title.height(),
             qPrintable(QString::number(width)));
}

void TestFrameSize::yearListShowsFifteenRowsAndFollowsTyping()
{
    QWidget window;
    auto *years = new DateList(QStringLiteral("cboYear"), QStringLiteral("Year of birth"), &window);
    for (int year = 1900; year <= 2100; ++year)
        years->addItem(QString::number(year));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    years->setFocus();
    QTest::keyClicks(years, QStringLiteral("1985"));
    QCOMPARE(years->currentText(), QStringLiteral("1985"));

    years->showPopup();
    QAbstractItemView *view = years->view();
    QTRY_VERIFY(view->isVisible());
    const int rows = view->viewport()->height() / view->sizeHintForRow(0);
    QVERIFY2(rows >= 14 && rows <= 16, qPrintable(QString::number(rows)));
    QVERIFY(view->visualRect(years->model()->index(years->currentIndex(), 0)).intersects(view->viewport()->rect()));
    years->hidePopup();
}

int main(int argc, char *argv[])
{
    // A screen far larger than the frame: what the frame shows must follow the frame's size.
    QTemporaryDir screens;
    const QString config = screens.filePath(QStringLiteral("screens.json"));
    const QByteArray json = R"({"screens": [{"name": "wide", "x": 0, "y": 0, "width": 1600, "height": 1000}]})";
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly) || file.write(json) != json.size() || !file.flush())
        return 1;
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestFrameSize test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "test_frame_size.moc"
